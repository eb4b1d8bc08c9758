// The last stages of a frame: the game's own pointer (with the formation waiting to be placed),
// the blink clock, and the date, frame-rate and wall-clock overlay.
#pragma once

#include <cstdint>
#include <string>

#include "ui/ui_context.hpp"

namespace gm {

void DrawPointer(UiContext& ctx);
// BlinkPhase toggles once FrameCount reaches the timer's measured frame rate.
void StepBlink(UiContext& ctx);
// The game date at the top of the sidebar.
void DrawDateOverlay(UiContext& ctx);
// "FPS=" and the time of day, when switched on.
void DrawRateAndClockOverlay(UiContext& ctx);

// "9:5:7" for a time of day in milliseconds: hours, minutes and seconds without leading zeros.
std::string ClockText(std::uint32_t msOfDay);

}  // namespace gm
