// The sidebar: the eleven button pictures by their screen flags, the ten buttons' clicks, and the
// flashing of a page button under the pointer.
#pragma once

#include <cstdint>

#include "ui/hit_rect.hpp"
#include "ui/ui_context.hpp"

namespace gm {

// Buttons 1..10 below the side on move's flag (button 0).
enum SidebarButton : int {
  kZoomButton = 1,
  kLayerButton = 2,
  kNewUnitButton = 3,
  kUnitStaffButton = 4,
  kEconomyButton = 5,
  kOptionsButton = 6,
  kSaveLoadButton = 7,
  kEndTurnButton = 8,
  kHelpButton = 9,
  kQuitButton = 10,
};

// Button i at x 740 and y 54 + 49 i, 40 pixels square.
inline constexpr std::int32_t kSidebarButtonX = 740;
constexpr std::int32_t SidebarButtonY(int i) {
  return 54 + 49 * i;
}
constexpr HitRect SidebarButtonRect(int i) {
  return {kSidebarButtonX, SidebarButtonY(i), kSidebarButtonX + 39, SidebarButtonY(i) + 39};
}

void DrawSidebarButtons(UiContext& ctx);
void ClickSidebarButtons(UiContext& ctx);

// A page button of two 40-pixel halves whose area is `button`: while the pointer is in it, its
// halves flash with the blink.
void DrawPageButtonFlash(const UiContext& ctx, const HitRect& button);

// The Economy button's count of settlements by owner and holder, their value and the airbases.
void CountSettlementStatistics(World& w);

}  // namespace gm
