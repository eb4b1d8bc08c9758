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
constexpr std::int32_t kTurnLengthY = 250;

// The speed scale's intervals, slowest on the left.
constexpr std::array<std::uint32_t, 5> kScaleIntervals = {50, 33, 25, 20, 17};

struct OptionLine {
  std::int32_t y;
  HintRow HintTextTable::*text;
};
constexpr std::array<OptionLine, 4> kLines = {{
    {kSpeedScale.top, &HintTextTable::timerInterval},
    {kGridSwitchY, &HintTextTable::gridSwitch},
    {kFpsSwitchY, &HintTextTable::fpsSwitch},
    {kClockSwitchY, &HintTextTable::clockSwitch},
}};

void DrawSpeedScale(UiContext& ctx) {
  const std::int32_t y = kSpeedScale.top;
  DrawImage(ctx, sprite::kSwitchSlot.left, SpeedScaleCell(0).left, y);
  for (int i = 1; i <= 3; ++i)
    DrawImage(ctx, sprite::kSwitchSlot.middle, SpeedScaleCell(i).left, y);
  DrawImage(ctx, sprite::kSwitchSlot.right, SpeedScaleCell(4).left, y);
  // An interval the scale does not offer shows no knob.
  const std::uint32_t interval = ctx.timer.Interval();
  for (std::size_t i = 0; i < kScaleIntervals.size(); ++i) {
    if (kScaleIntervals[i] == interval) {
      DrawImage(ctx, sprite::kSwitchKnob, SpeedScaleCell(static_cast<int>(i)).left, y);
    }
  }
  if (PointerIn(ctx, kSpeedScale)) DrawHoverBar(ctx, kSpeedScale.left, y, 4);
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
  DrawSwitch(ctx, kGridSwitchY, ctx.ui.ShowGrid);
  DrawSwitch(ctx, kFpsSwitchY, ctx.ui.ShowFps);
  DrawSwitch(ctx, kClockSwitchY, ctx.ui.ShowClock);
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
  ClickSwitch(ctx, kGridSwitchY, ctx.ui.ShowGrid);
  ClickSwitch(ctx, kFpsSwitchY, ctx.ui.ShowFps);
  ClickSwitch(ctx, kClockSwitchY, ctx.ui.ShowClock);
}

}  // namespace gm
