// The Options page: the speed scale's cells, the three switches' halves, and Close.
#include "ui/screens/options_page.hpp"

#include <gtest/gtest.h>

#include "flow/screen_flags.hpp"
#include "tests/support/system_pages.hpp"
#include "ui/screens/page_window.hpp"

namespace gm {
namespace {

using testing::GameHarness;
using testing::Middle;
using testing::OpenFromSidebar;

struct OptionsPage {
  GameHarness g;
  OptionsPage() {
    g.StartGame();
    OpenFromSidebar(g, kOptionsButton);
  }
};

TEST(OptionsPage, TheSpeedScaleSetsTheIntervalOfTheCellClicked) {
  struct Case {
    int x, y;
    std::uint32_t interval;  // 40: the click missed the scale
  };
  const Case cases[] = {{400, 107, 50}, {414, 107, 50}, {415, 107, 33}, {429, 100, 33},
                        {430, 114, 25}, {444, 107, 25}, {445, 107, 20}, {459, 107, 20},
                        {460, 107, 17}, {474, 107, 17}, {399, 107, 40}, {475, 107, 40},
                        {437, 99, 40},  {437, 115, 40}};
  OptionsPage p;
  for (const Case& c : cases) {
    p.g.Window().Timer().SetInterval(40);
    p.g.Click(c.x, c.y);
    EXPECT_EQ(p.g.Window().Timer().Interval(), c.interval) << c.x << "," << c.y;
  }
  EXPECT_EQ(p.g.W().ScreenFlags[kFlagOptions], kPageOpen);
}

TEST(OptionsPage, EachSwitchTakesTheValueOfItsHalf) {
  struct Case {
    int x;
    int want;  // -1: unchanged
  };
  const Case cases[] = {{400, 0}, {414, 0}, {415, 1}, {429, 1}, {399, -1}, {430, -1}};
  struct Row {
    int y;
    std::uint8_t UiState::*value;
  };
  const Row rows[] = {{kGridSwitchY, &UiState::ShowGrid},
                      {kFpsSwitchY, &UiState::ShowFps},
                      {kClockSwitchY, &UiState::ShowClock}};
  OptionsPage p;
  for (const Row& row : rows) {
    for (const Case& c : cases) {
      for (const std::uint8_t start : {0, 1}) {
        p.g.Ui().*row.value = start;
        p.g.Click(c.x, row.y + 7);
        EXPECT_EQ(p.g.Ui().*row.value, c.want < 0 ? start : c.want) << row.y << " x " << c.x;
      }
    }
    // The rows' edges: one pixel above or below the switch hits nothing.
    p.g.Ui().*row.value = 0;
    const HitRect knob = SwitchRect(row.y);
    p.g.Click(Middle(knob).x, knob.top - 1);
    p.g.Click(Middle(knob).x, knob.bottom + 1);
    EXPECT_EQ(p.g.Ui().*row.value, 0) << row.y;
  }
}

TEST(OptionsPage, CloseBringsBackTheMapAndTheOptionsStay) {
  OptionsPage p;
  p.g.Click(Middle(SpeedScaleCell(3)));
  p.g.Click(Middle(SwitchHalf(kGridSwitchY, 1)));
  const int clicks = testing::CountSounds(p.g, "click");
  p.g.Click(Middle(kCloseButton));
  EXPECT_EQ(testing::CountSounds(p.g, "click"), clicks + 1);
  EXPECT_EQ(p.g.W().ScreenFlags[kFlagOptions], kPageLive);
  EXPECT_EQ(p.g.W().ScreenFlags[kFlagZoom], kZoomBattlefield);
  EXPECT_EQ(p.g.Ui().ShowGrid, 1);
  EXPECT_EQ(p.g.Window().Timer().Interval(), 20u);
}

}  // namespace
}  // namespace gm
