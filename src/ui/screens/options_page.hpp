// The Options page: the frame interval and the grid, frame-rate and clock switches.
#pragma once

#include <cstdint>

#include "ui/hit_rect.hpp"
#include "ui/ui_context.hpp"

namespace gm {

// The speed scale: five cells of 15 pixels, from 50 ms on the left to 17 ms on the right.
inline constexpr HitRect kSpeedScale{400, 100, 474, 114};
inline constexpr std::int32_t kSpeedScaleCell = 15;
constexpr HitRect SpeedScaleCell(int cell) {
  return {kSpeedScale.left + kSpeedScaleCell * cell, kSpeedScale.top,
          kSpeedScale.left + kSpeedScaleCell * (cell + 1) - 1, kSpeedScale.bottom};
}
// The cell that holds x, for x on the scale.
constexpr int SpeedScaleCellAt(std::int32_t x) {
  return (x - kSpeedScale.left) / kSpeedScaleCell;
}

// The rows of the grid, frame-rate and clock switches.
inline constexpr std::int32_t kGridSwitchY = 130;
inline constexpr std::int32_t kFpsSwitchY = 160;
inline constexpr std::int32_t kClockSwitchY = 190;

void DrawOptionsPage(UiContext& ctx);
void ClickOptionsPage(UiContext& ctx);

}  // namespace gm
