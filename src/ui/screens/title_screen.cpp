// The title screen and the start of a new game.
#include "ui/screens/title_screen.hpp"

#include <array>

#include "flow/start_game.hpp"
#include "flow/turn_change.hpp"
#include "ui/glyph_text.hpp"
#include "ui/hit_rect.hpp"
#include "ui/image_draw.hpp"
#include "ui/screens/link_message.hpp"
#include "ui/screens/parade.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

// The title's 10 x 10 tiles: the picture, a strip, the coalitions' panel beside Start and a
// strip. Beside the panel the window stays plain: the only button drawn is Start, the one that
// acts.
constexpr ParadeTiles kTitleTiles = [] {
  ParadeTiles t{};
  t[0] = SameRow<10>(sprite::kWindow.top);
  for (int r = 0; r < 5; ++r) {
    for (int c = 0; c < 10; ++c) t[1 + r][c] = sprite::kTitlePicture[10 * r + c];
  }
  t[6] = BarRow<10>(sprite::kTextStrip);
  t[7] = JoinTiles(sprite::CoalitionPanelTile(0), sprite::CoalitionPanelTile(1),
                   sprite::CoalitionPanelTile(2), sprite::CoalitionPanelTile(3),
                   sprite::CoalitionPanelTile(4), SameRow<3>(sprite::kWindow.interior),
                   sprite::kOkButton.left, sprite::kOkButton.right);
  t[8] = JoinTiles(sprite::CoalitionPanelTile(5), sprite::CoalitionPanelTile(6),
                   sprite::CoalitionPanelTile(7), sprite::CoalitionPanelTile(8),
                   sprite::CoalitionPanelTile(9), BarRow<5>(sprite::kTextStrip));
  t[9] = SameRow<10>(sprite::kWindow.bottom);
  return t;
}();

// 17 glyphs of Font05 at the top, and 46 of Font03 at the foot.
constexpr std::string_view kTitleText = "GRAVMARK  1941-45";
constexpr std::string_view kFootText = " The Eastern Front, 22 June 1941 to 9 May 1945";

constexpr std::int32_t kAtlasTile = 20;

// Every terrain tile stretched to size x size, laid out as in the tiles' images.
void StretchTerrainTiles(const UiContext& ctx, TDirectDrawSurface& surface, std::int32_t size) {
  for (std::int32_t t = 0; t < kTerrainTileCount; ++t) {
    const SpriteId tile = sprite::TerrainTile(t);
    const TPictureCollectionItem* image = FindImage(ctx, tile.image);
    if (image == nullptr) continue;
    const std::int32_t x = size * (t % kTerrainTilesPerImage);
    const std::int32_t y = size * (t / kTerrainTilesPerImage);
    image->StretchDraw(surface, TRect{x, y, x + size, y + size}, tile.pattern);
  }
}

}  // namespace

void DrawTitleScreen(UiContext& ctx) {
  DrawParadeScreen(ctx, kTitleTiles);
  DrawImage(ctx, sprite::kNewGameLabel.left, 470, 420);
  DrawImage(ctx, sprite::kNewGameLabel.right, 530, 420);
  DrawGlyphText(ctx, kTitleText, 298, 10, 5);
  // A link's message takes the foot line's place: the strip across the bottom.
  if (ctx.ui.LinkFrom == LinkPlace::kTitle && !ctx.ui.LinkMessage.empty()) {
    DrawLinkMessage(ctx, 106, 544, 588);
  } else {
    DrawGlyphText(ctx, kFootText, 125, 554, 3);
  }
  ctx.ui.CursorShape = kCursorArrow;
  if (kTitleLink.Contains(ctx.ui.MouseX, ctx.ui.MouseY)) {
    DrawHoverBar(ctx, 303, 10, 12);
    ctx.ui.CursorShape = kCursorHand;
  }
}

void DrawTerrainAtlas(UiContext& ctx, TDirectDrawSurface& atlas) {
  StretchTerrainTiles(ctx, atlas, kAtlasTile);
}

void DrawOverviewPicture(UiContext& ctx, TDirectDrawSurface& overview) {
  // Each tile shrunk to 2 x 2 once; the theatre's cells then copy their tile's square.
  TDirectDrawSurface squares(overview.Format());
  squares.SetSize(2 * kTerrainTilesPerImage, 2 * (kTerrainTileCount / kTerrainTilesPerImage));
  StretchTerrainTiles(ctx, squares, 2);
  const World& w = ctx.w;
  for (int y = kTheatreMinY; y <= kTheatreMaxY; ++y) {
    for (int x = kTheatreMinX; x <= kTheatreMaxX; ++x) {
      const std::int32_t t = Cell(w, x, y).Terrain;
      if (t >= kTerrainTileCount) continue;
      const std::int32_t sx = 2 * (t % kTerrainTilesPerImage);
      const std::int32_t sy = 2 * (t / kTerrainTilesPerImage);
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
