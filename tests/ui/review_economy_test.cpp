// Pictures of the Economy window for people to look at (`make review`): its six pages, the list
// scrolled with a row chosen, the production page of each coalition, and the hover highlights.
#include <gtest/gtest.h>

#include "game_harness.hpp"

namespace gm {
namespace {

using testing::GameHarness;

void ClickAt(GameHarness& g, int x, int y) {
  g.MoveTo(x, y);
  g.Click(x, y);
  g.MoveTo(10, 500);
  g.Frames(1);
}

TEST(ReviewScreens, EconomyWindow) {
  GameHarness g;
  g.StartGame();
  ClickAt(g, testing::kSidebarClickX, testing::SidebarClickY(kEconomyButton));
  for (int page = 1; page <= 6; ++page) {
    ClickAt(g, 90 + 60 * (page - 1), 450);
    g.Frames(1);
    g.Dump("economy_" + std::to_string(page));
  }
  // The list scrolled by the held down arrow, then a row chosen on page 2 and seen on page 5.
  ClickAt(g, 150, 450);
  g.MoveTo(110, 398);
  g.Press(kMouseLeft);
  g.Frames(40);
  g.Release(kMouseLeft);
  ClickAt(g, 300, 135 + 15 * 6 + 5);
  g.Dump("economy_2_scrolled");
  ClickAt(g, 330, 450);
  g.Dump("economy_5_scrolled");
  // Hover: a tab and Close, in both blink phases.
  g.MoveTo(200, 450);
  g.Frames(1);
  g.Dump("economy_tab_hover");
  g.MoveTo(650, 450);
  g.Frames(1);
  g.Dump("economy_close_hover");
  // The Soviet coalition's production orders.
  g.W().SideOnMove = kSovietSide;
  g.MoveTo(10, 500);
  g.Frames(1);
  g.Dump("economy_5_soviet");
}

}  // namespace
}  // namespace gm
