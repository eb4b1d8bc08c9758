// What the Options, Save/Load, End turn, Help and Quit pages share: the 12 x 9 tile window over
// the map area, the switch of two halves with its knob, and the Close button.
#pragma once

#include <array>
#include <cstdint>

#include "ui/hit_rect.hpp"
#include "ui/tile_map.hpp"
#include "ui/ui_context.hpp"

namespace gm {

// Rows the pages have in common.
inline constexpr PageTileRow kPanelTopRow = InWindow(FrameTop<10>(sprite::kInnerPanel));
inline constexpr PageTileRow kPanelMiddleRow = InWindow(FrameMiddle<10>(sprite::kInnerPanel));
inline constexpr PageTileRow kPanelBottomRow = InWindow(FrameBottom<10>(sprite::kInnerPanel));
inline constexpr PageTileRow kFillerRow = FrameMiddle<kPageColumns>(sprite::kWindow);
// The button row of a page with one button in the middle (Close).
inline constexpr PageTileRow kCloseButtonRow =
    InWindow(JoinTiles(SameRow<4>(sprite::kWindow.interior), sprite::kOkButton.left,
                       sprite::kOkButton.right, SameRow<4>(sprite::kWindow.interior)));
// The button row of a page with a tick on the left and a cross on the right.
inline constexpr PageTileRow kTwoButtonRow = InWindow(
    JoinTiles(SameRow<2>(sprite::kWindow.interior), sprite::kOkButton.left, sprite::kOkButton.right,
              SameRow<2>(sprite::kWindow.interior), sprite::kCancelButton.left,
              sprite::kCancelButton.right, SameRow<2>(sprite::kWindow.interior)));

// The Close button of the pages that have one, and the two buttons of End turn and Quit.
inline constexpr HitRect kCloseButton{320, 430, 399, 469};
inline constexpr HitRect kLeftButton{200, 430, 279, 469};   // Confirm, Yes
inline constexpr HitRect kRightButton{440, 430, 519, 469};  // Cancel, No

// The switch rows all stand at x 400; the left half (x 400..414) is NO, the right half YES.
inline constexpr std::int32_t kSwitchX = 400;
inline constexpr std::int32_t kSwitchHalf = 15;
constexpr HitRect SwitchRect(std::int32_t y) {
  return {kSwitchX, y, kSwitchX + 2 * kSwitchHalf - 1, y + 14};
}
// The half of the switch at y that sets `value` (0 or 1).
constexpr HitRect SwitchHalf(std::int32_t y, int value) {
  return {kSwitchX + kSwitchHalf * value, y, kSwitchX + kSwitchHalf * (value + 1) - 1, y + 14};
}

void DrawPageWindow(UiContext& ctx, const PageTiles& tiles);

// The switch at (400, y): its two ends and the knob over the half of `value`, and the hover bar
// while the pointer is on it.
void DrawSwitch(UiContext& ctx, std::int32_t y, std::uint8_t value);

// A click on the switch at y sets `value` by the half under the pointer and plays the click.
// Returns whether the switch was hit.
bool ClickSwitch(UiContext& ctx, std::int32_t y, std::uint8_t& value);

// Whether the pointer of the last accepted move lies in `rect`.
bool PointerIn(const UiContext& ctx, const HitRect& rect);

}  // namespace gm
