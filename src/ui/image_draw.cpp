// Picture drawing by name for the screens.
#include "ui/image_draw.hpp"

#include <array>
#include <string>

namespace gm {

namespace {

constexpr std::int32_t kTile = 60;

const std::array<std::string, 27>& TerrainNames() {
  static const std::array<std::string, 27> names = [] {
    std::array<std::string, 27> n;
    for (int i = 0; i < 27; ++i) {
      n[static_cast<std::size_t>(i)] =
          std::string("Terrain") + char('0' + (i + 1) / 10) + char('0' + (i + 1) % 10);
    }
    return n;
  }();
  return names;
}

}  // namespace

const TPictureCollectionItem* FindImage(const TPictureCollection& list, std::string_view name) {
  const std::int32_t i = list.IndexOf(name);
  return i < 0 ? nullptr : &list.Items(i);
}

void DrawImage(const UiContext& ctx, std::string_view name, std::int32_t pattern, std::int32_t x,
               std::int32_t y) {
  if (const TPictureCollectionItem* item = FindImage(ctx.graphic, name)) {
    item->Draw(ctx.Back(), x, y, pattern);
  }
}

void DrawTechImage(const UiContext& ctx, std::string_view name, std::int32_t pattern,
                   std::int32_t x, std::int32_t y) {
  if (const TPictureCollectionItem* item = FindImage(ctx.techn, name)) {
    item->Draw(ctx.Back(), x, y, pattern);
  }
}

std::string_view TerrainImageName(std::int32_t tile) {
  if (tile < 0 || tile >= kTerrainTileCount) return {};
  return TerrainNames()[static_cast<std::size_t>(tile / kTerrainPatternsPerImage)];
}

void DrawTileMap(const UiContext& ctx, const std::int32_t* tiles, int cols, int rows,
                 std::int32_t x, std::int32_t y) {
  const TPictureCollectionItem* table = FindImage(ctx.graphic, "Table3");
  if (table == nullptr) return;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      table->Draw(ctx.Back(), x + kTile * c, y + kTile * r, tiles[r * cols + c]);
    }
  }
}

}  // namespace gm
