// Drawing pictures by their sprite ids onto the back buffer: the image is looked up by name in its
// archive's list (ui/image_lookup keeps the answers). A name missing from the list draws nothing:
// the archives were checked for every image when they loaded.
#pragma once

#include <cstdint>

#include "media/picture_collection.hpp"
#include "ui/ui_context.hpp"
#include "world/sprite_ids.hpp"

namespace gm {

// The image's item in its archive's list, or null.
const TPictureCollectionItem* FindImage(const UiContext& ctx, ImageId image);

// The picture at (x, y).
void DrawImage(const UiContext& ctx, SpriteId sprite, std::int32_t x, std::int32_t y);

// The light picture in blink phase 1, the dark one in phase 0.
template <ImageId I>
Sprite<I> InBlink(const UiContext& ctx, const SpriteBlink<I>& blink) {
  return ctx.ui.BlinkPhase == 1 ? blink.light : blink.dark;
}

}  // namespace gm
