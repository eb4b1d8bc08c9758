// Picture drawing by sprite id for the screens.
#include "ui/image_draw.hpp"

namespace gm {

const TPictureCollectionItem* FindImage(const UiContext& ctx, ImageId image) {
  const ImageItem& item = ImageOf(image);
  const TPictureCollection& list = item.archive == ImageArchive::kTechn ? ctx.techn : ctx.graphic;
  return ctx.images.Find(list, image);
}

void DrawImage(const UiContext& ctx, SpriteId sprite, std::int32_t x, std::int32_t y) {
  if (const TPictureCollectionItem* item = FindImage(ctx, sprite.image)) {
    item->Draw(ctx.Back(), x, y, sprite.pattern);
  }
}

}  // namespace gm
