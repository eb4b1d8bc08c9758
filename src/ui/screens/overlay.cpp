// Pointer, blink and overlay.
#include "ui/screens/overlay.hpp"

#include <ctime>

#include "flow/screen_flags.hpp"
#include "ui/glyph_text.hpp"
#include "ui/image_draw.hpp"
#include "ui/screens/battlefield_view.hpp"

namespace gm {

namespace {

// The pointer picture's offset from the pointer, so each shape's hot spot lies on it.
bool PointerOffset(std::uint8_t shape, std::int32_t& dx, std::int32_t& dy) {
  dx = dy = 0;
  switch (shape) {
    case kCursorScrollWest:
    case kCursorScrollNorth:
    case kCursorArrow:
    case kCursorTarget:
    case kCursorScrollNorthWest:
    case kCursorHand:
      return true;
    case kCursorScrollEast:
    case kCursorScrollNorthEast:
      dx = -15;
      return true;
    case kCursorScrollSouth:
    case kCursorScrollSouthWest:
      dy = -15;
      return true;
    case kCursorScrollSouthEast:
      dx = dy = -15;
      return true;
    default:
      return false;
  }
}

// The local time zone's offset from universal time, in milliseconds.
std::int64_t LocalOffsetMs() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local) == nullptr) return 0;
  return static_cast<std::int64_t>(local.tm_gmtoff) * 1000;
}

}  // namespace

std::string ClockText(std::uint32_t msOfDay) {
  const std::uint32_t s = msOfDay / 1000;
  return std::to_string(s / 3600) + ":" + std::to_string(s / 60 % 60) + ":" +
         std::to_string(s % 60);
}

void DrawPointer(UiContext& ctx) {
  const UiState& ui = ctx.ui;
  const World& w = ctx.w;
  if (w.ScreenFlags[kFlagPlacement] == 1 && ShortOfMapAreaEnd(ui.MouseX, ui.MouseY)) {
    DrawImage(ctx, sprite::UnitSymbol(w.Lists.PlacementType), ui.MouseX - 30, ui.MouseY - 30);
  }
  std::int32_t dx = 0, dy = 0;
  if (PointerOffset(ui.CursorShape, dx, dy)) {
    DrawImage(ctx, sprite::CursorSprite{ui.CursorShape}, ui.MouseX + dx, ui.MouseY + dy);
  }
}

void StepBlink(UiContext& ctx) {
  UiState& ui = ctx.ui;
  if (ui.FrameCount < ctx.timer.FrameRate()) return;
  if (ui.BlinkPhase == 0) {
    ui.BlinkPhase = 1;
  } else if (ui.BlinkPhase == 1) {
    ui.BlinkPhase = 0;
  }
  ui.FrameCount = 0;
}

void DrawDateOverlay(UiContext& ctx) {
  const TGameHeader& h = ctx.w.GameHeader;
  DrawGlyphText(ctx, (h.Day < 10 ? "0" : "") + std::to_string(h.Day), 732, 14, 3);
  DrawGlyphText(ctx, (h.Month < 10 ? ".0" : ".") + std::to_string(h.Month), 752, 14, 3);
  DrawGlyphText(ctx, std::to_string(h.Year), 737, 32, 3);
}

void DrawRateAndClockOverlay(UiContext& ctx) {
  if (ctx.ui.ShowFps == 1) {
    DrawGlyphText(ctx, "FPS=" + std::to_string(ctx.timer.FrameRate()), 2, 2, 4);
  }
  if (ctx.ui.ShowClock == 1) {
    constexpr std::int64_t kDay = 86'400'000;
    const std::int64_t local =
        ((ctx.flow.clock.MillisecondsOfDay() + LocalOffsetMs()) % kDay + kDay) % kDay;
    DrawGlyphText(ctx, ClockText(static_cast<std::uint32_t>(local)), 620, 2, 4);
  }
}

}  // namespace gm
