// What the Options, Save/Load, End turn, Help and Quit pages share: the 12 x 9 tile window over
// the map area, the switch of two halves with its knob, and the Close button.
#pragma once

#include <array>
#include <cstdint>

#include "ui/hit_rect.hpp"
#include "ui/ui_context.hpp"

namespace gm {

inline constexpr int kPageColumns = 12;
inline constexpr int kPageRows = 9;

using PageTileRow = std::array<std::int32_t, kPageColumns>;
// Rows top to bottom. A value below 100 is a Table3 pattern, 100..149 a Table5 pattern (the
// Quit picture), 150 or more an empty square.
using PageTiles = std::array<PageTileRow, kPageRows>;

// Rows the pages have in common.
inline constexpr PageTileRow kWindowTopRow = {20, 21, 21, 21, 21, 21, 21, 21, 21, 21, 21, 22};
inline constexpr PageTileRow kWindowBottomRow = {24, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 26};
inline constexpr PageTileRow kPanelTopRow = {27, 0, 1, 1, 1, 1, 1, 1, 1, 1, 2, 23};
inline constexpr PageTileRow kPanelMiddleRow = {27, 7, 9, 9, 9, 9, 9, 9, 9, 9, 3, 23};
inline constexpr PageTileRow kPanelBottomRow = {27, 4, 5, 5, 5, 5, 5, 5, 5, 5, 6, 23};
inline constexpr PageTileRow kFillerRow = {27, 29, 29, 29, 29, 29, 29, 29, 29, 29, 29, 23};
// The button row of a page with one button in the middle (Close).
inline constexpr PageTileRow kCloseButtonRow = {27, 29, 29, 29, 29, 12, 13, 29, 29, 29, 29, 23};
// The button row of a page with a tick on the left and a cross on the right.
inline constexpr PageTileRow kTwoButtonRow = {27, 29, 29, 12, 13, 29, 29, 14, 15, 29, 29, 23};

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

void DrawPageWindow(UiContext& ctx, const PageTiles& tiles);

// The switch at (400, y): its two ends and the knob over the half of `value`, and the hover bar
// while the pointer is on it.
void DrawSwitch(UiContext& ctx, std::int32_t y, std::uint8_t value);

// A click on the switch at y sets `value` by the half under the pointer and plays the click.
// Returns whether the switch was hit.
bool ClickSwitch(UiContext& ctx, std::int32_t y, std::uint8_t& value);

// Flashes the page button of two halves whose rectangle is `button` while the pointer is in it.
void DrawButtonFlash(UiContext& ctx, const HitRect& button);

// Whether the pointer of the last accepted move lies in `rect`.
bool PointerIn(const UiContext& ctx, const HitRect& rect);

}  // namespace gm
