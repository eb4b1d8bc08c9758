// The Options page: the frame interval and the grid, frame-rate and clock switches.
#include "ui/screens/options_page.hpp"

#include <array>
#include <string>

#include "flow/screen_flags.hpp"
#include "ui/click_sound.hpp"
#include "ui/glyph_text.hpp"
#include "ui/image_draw.hpp"
#include "ui/screens/page_window.hpp"
#include "ui/screens/sidebar.hpp"
#include "ui/ui_texts.hpp"

namespace gm {

namespace {

constexpr PageTiles kOptionsTiles = {kWindowTopRow,   kPanelTopRow,    kPanelMiddleRow,
                                     kPanelMiddleRow, kPanelMiddleRow, kPanelMiddleRow,
                                     kPanelBottomRow, kCloseButtonRow, kWindowBottomRow};

constexpr std::int32_t kTextX = 80;
constexpr std::int32_t kScaleY = kSpeedScale.top;
constexpr std::int32_t kGridY = kGridSwitchY;
constexpr std::int32_t kFpsY = kFpsSwitchY;
constexpr std::int32_t kClockY = kClockSwitchY;
constexpr std::int32_t kTurnLengthY = 250;

// The speed scale's intervals, slowest on the left.
constexpr std::array<std::uint32_t, 5> kScaleIntervals = {50, 33, 25, 20, 17};
constexpr std::int32_t kScaleCell = kSpeedScaleCell;

struct OptionLine {
  std::int32_t y;
  HintRow HintTextTable::*text;
};
constexpr std::array<OptionLine, 4> kLines = {{
    {kScaleY, &HintTextTable::timerInterval},
    {kGridY, &HintTextTable::gridSwitch},
    {kFpsY, &HintTextTable::fpsSwitch},
    {kClockY, &HintTextTable::clockSwitch},
}};

void DrawSpeedScale(UiContext& ctx) {
  const std::int32_t x = kSpeedScale.left;
  DrawImage(ctx, sprite::kSwitchSlot.left, x, kScaleY);
  for (int i = 1; i <= 3; ++i)
    DrawImage(ctx, sprite::kSwitchSlot.middle, x + kScaleCell * i, kScaleY);
  DrawImage(ctx, sprite::kSwitchSlot.right, x + kScaleCell * 4, kScaleY);
  // An interval the scale does not offer shows no knob.
  const std::uint32_t interval = ctx.timer.Interval();
  for (std::size_t i = 0; i < kScaleIntervals.size(); ++i) {
    if (kScaleIntervals[i] == interval) {
      DrawImage(ctx, sprite::kSwitchKnob, x + kScaleCell * static_cast<std::int32_t>(i), kScaleY);
    }
  }
  if (PointerIn(ctx, kSpeedScale)) DrawHoverBar(ctx, x, kScaleY, 4);
}

// "Now is "Fast mode"  ( Turn = 4 Days)": any turn length but 0 plays four days a turn.
std::string TurnLengthLine(std::uint8_t turnLength) {
  const bool fast = turnLength != 0;
  return "Now is \"" + std::string(SaveLoadTexts[fast ? kSaveLoadFast : kSaveLoadRealistic]) +
         (fast ? "\"  ( Turn = 4 Days)" : "\"  ( Turn = Day)");
}

}  // namespace

void DrawOptionsPage(UiContext& ctx) {
  DrawPageWindow(ctx, kOptionsTiles);
  for (const OptionLine& line : kLines) {
    DrawGlyphText(ctx, HintTexts.*line.text, kTextX, line.y, 3);
  }
  DrawSpeedScale(ctx);
  DrawSwitch(ctx, kGridY, ctx.ui.ShowGrid);
  DrawSwitch(ctx, kFpsY, ctx.ui.ShowFps);
  DrawSwitch(ctx, kClockY, ctx.ui.ShowClock);
  DrawGlyphText(ctx, TurnLengthLine(ctx.w.GameHeader.TurnLength), kTextX, kTurnLengthY, 3);
  DrawPageButtonFlash(ctx, kCloseButton);
}

void ClickOptionsPage(UiContext& ctx) {
  if (PointerIn(ctx, kCloseButton)) {
    PlayClickSound(ctx);
    RestoreScreenFlags(ctx.w);
  }
  if (PointerIn(ctx, kSpeedScale)) {
    const int cell = SpeedScaleCellAt(ctx.ui.MouseX);
    ctx.timer.SetInterval(kScaleIntervals[static_cast<std::size_t>(cell)]);
    PlayClickSound(ctx);
  }
  ClickSwitch(ctx, kGridY, ctx.ui.ShowGrid);
  ClickSwitch(ctx, kFpsY, ctx.ui.ShowFps);
  ClickSwitch(ctx, kClockY, ctx.ui.ShowClock);
}

}  // namespace gm
