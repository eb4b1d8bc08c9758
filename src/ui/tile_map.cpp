// Drawing tile maps.
#include "ui/tile_map.hpp"

#include <optional>

#include "ui/image_draw.hpp"

namespace gm {

void DrawTileRow(const UiContext& ctx, std::span<const SpriteId> row, std::int32_t x,
                 std::int32_t y) {
  // Neighbouring tiles mostly share their image: look it up once for each run of them.
  std::optional<ImageId> image;
  const TPictureCollectionItem* item = nullptr;
  TDirectDrawSurface& back = ctx.Back();
  for (const SpriteId tile : row) {
    if (tile.image != image) {
      image = tile.image;
      item = FindImage(ctx, tile.image);
    }
    if (item != nullptr) item->Draw(back, x, y, tile.pattern);
    x += kTilePixels;
  }
}

}  // namespace gm
