// The system pages' window, switches and buttons.
#include "ui/screens/page_window.hpp"

#include "ui/click_handler.hpp"
#include "ui/glyph_text.hpp"
#include "ui/image_draw.hpp"
#include "ui/screens/sidebar.hpp"

namespace gm {

namespace {

constexpr std::int32_t kTile = 60;
constexpr std::int32_t kFirstPicturePattern = 100;
constexpr std::int32_t kPictureEnd = 150;

}  // namespace

void DrawPageWindow(UiContext& ctx, const PageTiles& tiles) {
  const TPictureCollectionItem* table3 = FindImage(ctx.graphic, "Table3");
  const TPictureCollectionItem* table5 = FindImage(ctx.graphic, "Table5");
  TDirectDrawSurface& back = ctx.Back();
  for (int r = 0; r < kPageRows; ++r) {
    for (int c = 0; c < kPageColumns; ++c) {
      const std::int32_t v = tiles[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
      if (v < kFirstPicturePattern) {
        if (table3 != nullptr) table3->Draw(back, kTile * c, kTile * r, v);
      } else if (v < kPictureEnd) {
        if (table5 != nullptr) table5->Draw(back, kTile * c, kTile * r, v - kFirstPicturePattern);
      }
    }
  }
}

void DrawSwitch(UiContext& ctx, std::int32_t y, std::uint8_t value) {
  DrawImage(ctx, "Cursors", 14, kSwitchX, y);
  DrawImage(ctx, "Cursors", 16, kSwitchX + kSwitchHalf, y);
  DrawImage(ctx, "Cursors", 13, kSwitchX + kSwitchHalf * value, y);
  if (PointerIn(ctx, SwitchRect(y))) DrawHoverBar(ctx, kSwitchX, y, 1);
}

bool ClickSwitch(UiContext& ctx, std::int32_t y, std::uint8_t& value) {
  if (!PointerIn(ctx, SwitchRect(y))) return false;
  value = ctx.ui.MouseX < kSwitchX + kSwitchHalf ? 0 : 1;
  PlayClickSound(ctx);
  return true;
}

void DrawButtonFlash(UiContext& ctx, const HitRect& button) {
  DrawPageButtonFlash(ctx, button.left, button.top);
}

bool PointerIn(const UiContext& ctx, const HitRect& rect) {
  return rect.Contains(ctx.ui.MouseX, ctx.ui.MouseY);
}

}  // namespace gm
