// The three map views: Map2 and Map1 clicks centring the Battlefield, the zoom cycle with the Map1
// clamp, the layer switch dropping the selection, and the Economy button's settlement counts.
#include <gtest/gtest.h>

#include "flow/screen_flags.hpp"
#include "tests/support/game_harness.hpp"
#include "ui/screens/battlefield_view.hpp"
#include "ui/screens/sidebar.hpp"

namespace gm {
namespace {

using testing::GameHarness;
using testing::Middle;
using testing::ScreenPoint;

TEST(MapViews, Map2ClickCentresTheBattlefieldInsideTheTheatre) {
  struct Case {
    int mx, my;
    int viewX, viewY;
  };
  const Case cases[] = {{11, 300, 5, 175},    {12, 300, 0, 175},  {1, 1, 0, 30},
                        {719, 599, 348, 321}, {400, 12, 194, 31}, {400, 200, 194, 125}};
  GameHarness g;
  g.StartGame();
  for (const Case& c : cases) {
    World& w = g.W();
    w.ScreenFlags[kFlagZoom] = 3;
    w.Selection = {1, 100, 100};
    g.MoveTo(c.mx, c.my);
    g.Click(c.mx, c.my);
    EXPECT_EQ(w.ScreenFlags[kFlagZoom], 2);
    EXPECT_EQ(w.ViewX, c.viewX) << c.mx << "," << c.my;
    EXPECT_EQ(w.ViewY, c.viewY) << c.mx << "," << c.my;
    EXPECT_EQ(w.Selection[0], 0);
    EXPECT_EQ(g.Ui().MapClicked, 0) << "the switch is not also a Battlefield click";
  }
}

TEST(MapViews, Map1ClickCentresOnItsCell) {
  GameHarness g;
  g.StartGame();
  World& w = g.W();
  w.ScreenFlags[kFlagZoom] = 1;
  w.Map1X = 100;
  w.Map1Y = 200;
  g.MoveTo(119, 59);  // cell (105, 202)
  g.Click(119, 59);
  EXPECT_EQ(w.ViewX, 99);
  EXPECT_EQ(w.ViewY, 197);
  const ScreenPoint below{Middle(kMapArea).x, kMapArea.bottom + 1};
  g.MoveTo(below);
  w.ScreenFlags[kFlagZoom] = 1;
  g.Click(below);
  EXPECT_EQ(w.ScreenFlags[kFlagZoom], 1);
}

TEST(MapViews, ZoomCyclesAndMap1StartsAtTheBattlefieldCorner) {
  struct Case {
    int viewX, viewY, map1X, map1Y;
  };
  const Case cases[] = {{348, 321, 324, 303}, {10, 40, 10, 40}, {324, 303, 324, 303}};
  const ScreenPoint zoom = Middle(SidebarButtonRect(kZoomButton));
  GameHarness g;
  g.StartGame();
  World& w = g.W();
  for (const Case& c : cases) {
    w.ViewX = c.viewX;
    w.ViewY = c.viewY;
    g.MoveTo(zoom);
    const std::uint8_t start = w.ScreenFlags[kFlagZoom];
    g.Click(zoom);
    EXPECT_EQ(w.Map1X, c.map1X);
    EXPECT_EQ(w.Map1Y, c.map1Y);
    g.Click(zoom);
    g.Click(zoom);
    EXPECT_EQ(w.ScreenFlags[kFlagZoom], start);
  }
  w.ScreenFlags[kFlagZoom] = 2;
  const std::uint8_t cycle[] = {1, 3, 2};
  for (std::uint8_t want : cycle) {
    g.Click(zoom);
    EXPECT_EQ(w.ScreenFlags[kFlagZoom], want);
  }
  // The gap between zoom and layer.
  const ScreenPoint gap{zoom.x, SidebarButtonRect(kZoomButton).bottom + 5};
  g.MoveTo(gap);
  g.Click(gap);
  EXPECT_EQ(w.ScreenFlags[kFlagZoom], 2);
}

TEST(MapViews, TheLayerSwitchDropsTheSelection) {
  GameHarness g;
  g.StartGame();
  World& w = g.W();
  w.Selection = {1, 160, 210};
  w.ScreenFlags[kFlagUnitStaff] = 2;
  const ScreenPoint layer = Middle(SidebarButtonRect(kLayerButton));
  g.MoveTo(layer);
  g.Click(layer);
  EXPECT_EQ(w.ScreenFlags[kFlagLayer], 1);
  EXPECT_EQ(w.Selection[0], 0);
  EXPECT_EQ(w.Selection[1], 160);
  EXPECT_EQ(w.ScreenFlags[kFlagUnitStaff], 0);
  g.Click(layer);
  EXPECT_EQ(w.ScreenFlags[kFlagLayer], 2);
}

TEST(MapViews, SettlementCountsByOwnerAndHolderOfTheEightNations) {
  auto w = std::make_unique<World>();
  struct Town {
    std::uint16_t owner, holder, value;
  };
  const Town towns[] = {{5, 2, 10}, {5, 5, 4}, {2, 2, 0}, {5, 9, 0}, {0, 3, 7}, {9, 4, 2}};
  for (std::size_t i = 0; i < std::size(towns); ++i) {
    w->Settlements[i].OwnerNation = towns[i].owner;
    w->Settlements[i].HolderNation = towns[i].holder;
    w->Settlements[i].Value = towns[i].value;
  }
  CountSettlementStatistics(*w);
  const auto& s = w->StatCounts;
  EXPECT_EQ(s[0][4], 2);  // owned by the USSR, with value
  EXPECT_EQ(s[1][1], 1);  // held by Germany
  EXPECT_EQ(s[1][4], 1);
  EXPECT_EQ(s[1][2], 1);  // the ownerless one still counts for its holder
  EXPECT_EQ(s[2][1], 10);
  EXPECT_EQ(s[2][3], 2);
  EXPECT_EQ(s[3][1], 1);  // a German airbase
  for (int n = 0; n < 10; ++n) {
    if (n != 1) {
      EXPECT_EQ(s[3][static_cast<std::size_t>(n)], 0) << n;  // holder 9 counts nowhere
    }
  }
}

}  // namespace
}  // namespace gm
