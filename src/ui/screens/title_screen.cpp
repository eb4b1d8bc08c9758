// The title screen and the start of a new game.
#include "ui/screens/title_screen.hpp"

#include <array>

#include "flow/start_game.hpp"
#include "flow/turn_change.hpp"
#include "ui/glyph_text.hpp"
#include "ui/hit_rect.hpp"
#include "ui/image_draw.hpp"
#include "ui/screens/parade.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr HitRect kStartButton{600, 430, 679, 469};
constexpr HitRect kTitleLine{303, 10, 497, 24};

// Table3 patterns of the title's 10 x 10 tiles, row by row. Beside the coalitions' panel the
// window stays plain: the only button drawn is Start, the one that acts.
constexpr std::array<std::int32_t, 100> kTitleTiles = [] {
  std::array<std::int32_t, 100> t{};
  for (int c = 0; c < 10; ++c) t[static_cast<std::size_t>(c)] = 21;
  for (int i = 0; i < 50; ++i) t[static_cast<std::size_t>(10 + i)] = 100 + i;
  const std::array<std::int32_t, 30> rows6to8 = {30, 31, 31, 31, 31, 31, 31, 31, 31, 32,
                                                 56, 41, 42, 43, 44, 29, 29, 29, 12, 13,
                                                 45, 46, 47, 48, 49, 30, 31, 31, 31, 32};
  for (int i = 0; i < 30; ++i)
    t[static_cast<std::size_t>(60 + i)] = rows6to8[static_cast<std::size_t>(i)];
  for (int c = 0; c < 10; ++c) t[static_cast<std::size_t>(90 + c)] = 25;
  return t;
}();

// 17 glyphs of Font05 at the top, and 46 of Font03 at the foot.
constexpr std::string_view kTitleText = "GRAVMARK  1941-45";
constexpr std::string_view kFootText = " The Eastern Front, 22 June 1941 to 9 May 1945";

constexpr std::int32_t kAtlasTile = 20;

}  // namespace

void DrawTitleScreen(UiContext& ctx) {
  DrawParadeScreen(ctx, kTitleTiles.data());
  DrawImage(ctx, "Table4", 12, 470, 420);
  DrawImage(ctx, "Table4", 13, 530, 420);
  DrawGlyphText(ctx, kTitleText, 298, 10, 5);
  DrawGlyphText(ctx, kFootText, 125, 554, 3);
  ctx.ui.CursorShape = kCursorArrow;
  if (kTitleLine.Contains(ctx.ui.MouseX, ctx.ui.MouseY)) {
    DrawHoverBar(ctx, 303, 10, 12);
    ctx.ui.CursorShape = kCursorHand;
  }
}

void DrawTerrainAtlas(UiContext& ctx, TDirectDrawSurface& atlas) {
  for (std::int32_t t = 0; t < kTerrainTileCount; ++t) {
    const TPictureCollectionItem* image = FindImage(ctx.graphic, TerrainImageName(t));
    if (image == nullptr) continue;
    const std::int32_t x = kAtlasTile * (t % kTerrainPatternsPerImage);
    const std::int32_t y = kAtlasTile * (t / kTerrainPatternsPerImage);
    image->StretchDraw(atlas, TRect{x, y, x + kAtlasTile, y + kAtlasTile},
                       t % kTerrainPatternsPerImage);
  }
}

void DrawOverviewPicture(UiContext& ctx, TDirectDrawSurface& overview) {
  // Each tile shrunk to 2 x 2 once; the theatre's cells then copy their tile's square.
  TDirectDrawSurface squares(overview.Format());
  squares.SetSize(2 * kTerrainPatternsPerImage, 2 * (kTerrainTileCount / kTerrainPatternsPerImage));
  for (std::int32_t t = 0; t < kTerrainTileCount; ++t) {
    const TPictureCollectionItem* image = FindImage(ctx.graphic, TerrainImageName(t));
    if (image == nullptr) continue;
    const std::int32_t x = 2 * (t % kTerrainPatternsPerImage);
    const std::int32_t y = 2 * (t / kTerrainPatternsPerImage);
    image->StretchDraw(squares, TRect{x, y, x + 2, y + 2}, t % kTerrainPatternsPerImage);
  }
  const World& w = ctx.w;
  for (int y = kTheatreMinY; y <= kTheatreMaxY; ++y) {
    for (int x = kTheatreMinX; x <= kTheatreMaxX; ++x) {
      const std::int32_t t = Cell(w, x, y).Terrain;
      if (t >= kTerrainTileCount) continue;
      const std::int32_t sx = 2 * (t % kTerrainPatternsPerImage);
      const std::int32_t sy = 2 * (t / kTerrainPatternsPerImage);
      overview.Draw(2 * x, 2 * (y - kTheatreMinY), TRect{sx, sy, sx + 2, sy + 2}, squares, false);
    }
  }
}

void StartNewGame(UiContext& ctx) {
  World& w = ctx.w;
  if (w.SoundOn == 1) {
    ctx.flow.sound.PlaySound("start");
    ctx.flow.music.Open(PickRandomMusic(w));
    ctx.flow.music.Play();
  }
  OffscreenPictures& pictures = ctx.pictures;
  if (pictures.TerrainAtlas != nullptr) DrawTerrainAtlas(ctx, *pictures.TerrainAtlas);
  if (pictures.OverviewPicture != nullptr) DrawOverviewPicture(ctx, *pictures.OverviewPicture);
  pictures.Map1Surface = pictures.TerrainAtlas;
  pictures.TheatreSurface = pictures.OverviewPicture;
  StartGame(w);
}

void ClickTitleScreen(UiContext& ctx) {
  if (kStartButton.Contains(ctx.ui.MouseX, ctx.ui.MouseY)) StartNewGame(ctx);
}

}  // namespace gm
