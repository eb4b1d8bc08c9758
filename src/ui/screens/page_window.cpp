// The system pages' window, switches and buttons.
#include "ui/screens/page_window.hpp"

#include "ui/click_sound.hpp"
#include "ui/glyph_text.hpp"
#include "ui/image_draw.hpp"

namespace gm {

void DrawPageWindow(UiContext& ctx, const PageTiles& tiles) {
  DrawTileMap(ctx, tiles);
}

void DrawSwitch(UiContext& ctx, std::int32_t y, std::uint8_t value) {
  DrawImage(ctx, sprite::kSwitchSlot.left, kSwitchX, y);
  DrawImage(ctx, sprite::kSwitchSlot.right, kSwitchX + kSwitchHalf, y);
  DrawImage(ctx, sprite::kSwitchKnob, kSwitchX + kSwitchHalf * value, y);
  if (PointerIn(ctx, SwitchRect(y))) DrawHoverBar(ctx, kSwitchX, y, 1);
}

bool ClickSwitch(UiContext& ctx, std::int32_t y, std::uint8_t& value) {
  if (!PointerIn(ctx, SwitchRect(y))) return false;
  value = PointerIn(ctx, SwitchHalf(y, 1)) ? 1 : 0;
  PlayClickSound(ctx);
  return true;
}

bool PointerIn(const UiContext& ctx, const HitRect& rect) {
  return rect.Contains(ctx.ui.MouseX, ctx.ui.MouseY);
}

}  // namespace gm
