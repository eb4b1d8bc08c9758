// Pictures of the Economy window for people to look at (`make review`): its six pages, the list
// scrolled with a row chosen, the production page of each coalition, and the hover highlights.
#include "review_sets.hpp"
#include "tests/support/game_harness.hpp"
#include "ui/screens/economy_pages.hpp"
#include "ui/screens/economy_window.hpp"

namespace gm {
namespace {

using testing::GameHarness;
using testing::Inside;
using testing::Middle;

void ClickAt(GameHarness& g, testing::ScreenPoint at) {
  g.MoveTo(at);
  g.Click(at);
  g.MoveTo(10, 500);
  g.Frames(1);
}

}  // namespace

std::string review::EconomyWindow() {
  GameHarness g;
  g.StartGame();
  ClickAt(g, Middle(SidebarButtonRect(kEconomyButton)));
  for (int page = 1; page <= 6; ++page) {
    ClickAt(g, Middle(EconomyTabRect(page)));
    g.Frames(1);
    g.Dump("economy_" + std::to_string(page));
  }
  // The list scrolled by the held down arrow, then a row chosen on page 2 and seen on page 5.
  ClickAt(g, Middle(EconomyTabRect(2)));
  g.MoveTo(Middle(kEquipmentListArrows.down));
  g.Press(kMouseLeft);
  g.Frames(40);
  g.Release(kMouseLeft);
  ClickAt(g, Middle(EquipmentListRow(6)));
  g.Dump("economy_2_scrolled");
  ClickAt(g, Middle(EconomyTabRect(5)));
  g.Dump("economy_5_scrolled");
  // Hover: a tab and Close, in both blink phases.
  g.MoveTo(Inside(EconomyTabRect(3), 10, 20));
  g.Frames(1);
  g.Dump("economy_tab_hover");
  g.MoveTo(Inside(kEconomyCloseButton, 30, 20));
  g.Frames(1);
  g.Dump("economy_close_hover");
  // The Soviet coalition's production orders.
  g.W().SideOnMove = kSovietSide;
  g.MoveTo(10, 500);
  g.Frames(1);
  g.Dump("economy_5_soviet");
  return {};
}

}  // namespace gm
