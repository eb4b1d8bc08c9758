// Drawing tile maps.
#include "ui/tile_map.hpp"

#include "ui/image_draw.hpp"

namespace gm {

void DrawTileRow(const UiContext& ctx, std::span<const SpriteId> row, std::int32_t x,
                 std::int32_t y) {
  for (const SpriteId tile : row) {
    DrawImage(ctx, tile, x, y);
    x += kTilePixels;
  }
}

}  // namespace gm
