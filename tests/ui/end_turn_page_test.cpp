// The End turn page: its switch, the turn change of Confirm (recovery of the side that ends its
// turn, the date, the music, the hand-over) and the rest of the turn played by the computer.
#include "ui/screens/end_turn_page.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "flow/screen_flags.hpp"
#include "tests/support/system_pages.hpp"
#include "tests/world/order_test_world.hpp"
#include "ui/screens/page_window.hpp"
#include "world/formation_lists.hpp"
#include "world/world_access.hpp"

namespace gm {
namespace {

using testing::CountSounds;
using testing::GameHarness;
using testing::kGermanInfantry;
using testing::kSovietRifles;
using testing::Middle;
using testing::OpenFromSidebar;

LaunchOptions TwoHumans() {
  LaunchOptions o = testing::ScriptedOptions();
  o.settings.sovietPlayer = 0;
  return o;
}

// Every formation but the two of the test leaves the map, so a computer turn is short.
void KeepOnly(World& w, int a, int b) {
  for (int n = 1; n <= kMaxFormations; ++n) {
    TFormation& f = Formation(w, n);
    if (f.Branch == 0 || n == a || n == b) continue;
    if (OnMap(f.X, f.Y)) {
      TMapCell& c = Cell(w, f.X, f.Y);
      if (c.GroundFormation == n) c.GroundFormation = 0;
      if (c.AirFormation == n) c.AirFormation = 0;
    }
    WipeFormationRecord(f);
  }
}

std::vector<std::uint8_t> GermanProductionStatus(World& w) {
  std::vector<std::uint8_t> status;
  for (const int nation : {1, 2, 3, 4, 6, 7}) {
    for (int m = 1; m <= kModelColumns; ++m)
      status.push_back(ProductionStatusOf(w.Economy, nation, m));
  }
  return status;
}

struct EndTurn {
  GameHarness g;
  int german = 0, soviet = 0;
  explicit EndTurn(const LaunchOptions& options = testing::ScriptedOptions()) : g(options) {
    g.StartGame();
    g.ClearView();
    World& w = g.W();
    german = g.Place(w.ViewX + 2, w.ViewY + 2, kGermanInfantry);
    soviet = g.Place(w.ViewX + 9, w.ViewY + 6, kSovietRifles);
    for (const int n : {german, soviet}) {
      Formation(w, n).OrdersLeft = 0;
      Formation(w, n).Experience = 50;
      Formation(w, n).Morale = 69;
    }
  }
  World& w() { return g.W(); }
  void Confirm(bool computerCompletes) {
    OpenFromSidebar(g, kEndTurnButton);
    if (computerCompletes) g.Click(Middle(SwitchHalf(kAiCompletesSwitchY, 1)));
    g.Click(Middle(kLeftButton));  // Confirm
  }
};

TEST(EndTurnPage, TheSwitchTakesTheValueOfItsHalf) {
  struct Case {
    int x, y;
    int want;  // -1: unchanged
  };
  const Case cases[] = {{400, 330, 0},  {414, 344, 0},  {415, 337, 1},  {429, 337, 1},
                        {399, 337, -1}, {430, 337, -1}, {420, 329, -1}, {420, 345, -1}};
  EndTurn t;
  OpenFromSidebar(t.g, kEndTurnButton);
  EXPECT_EQ(t.w().AiCompletesTurn, 0);
  for (const Case& c : cases) {
    for (const std::uint8_t start : {0, 1}) {
      t.w().AiCompletesTurn = start;
      t.g.Click(c.x, c.y);
      EXPECT_EQ(t.w().AiCompletesTurn, c.want < 0 ? start : c.want) << c.x << "," << c.y;
    }
  }
  // Cancel: back to the map, nothing ended.
  t.g.Click(Middle(kRightButton));
  EXPECT_EQ(t.w().ScreenFlags[kFlagZoom], kZoomBattlefield);
  EXPECT_EQ(t.w().SideOnMove, kGermanSide);
}

TEST(EndTurnPage, ConfirmRecoversOnlyTheSideThatEndsItsTurn) {
  for (const std::uint8_t fast : {0, 1}) {
    EndTurn t;
    t.w().GameHeader.TurnLength = fast;
    t.Confirm(false);
    const TFormation& g = Formation(t.w(), t.german);
    const TFormation& s = Formation(t.w(), t.soviet);
    EXPECT_EQ(g.OrdersLeft, 2);
    EXPECT_EQ(g.Experience, fast ? 54 : 51);
    EXPECT_EQ(g.Morale, 70);  // morale recovers only up to 70
    EXPECT_EQ(s.OrdersLeft, 0);
    EXPECT_EQ(s.Experience, 50);
    EXPECT_EQ(s.Morale, 69);
  }
}

TEST(EndTurnPage, TheDateMovesOnlyWhenTheSecondSideEndsItsTurn) {
  for (const std::uint8_t fast : {0, 1}) {
    EndTurn t(TwoHumans());
    World& w = t.w();
    w.GameHeader.TurnLength = fast;
    const TGameHeader start = w.GameHeader;
    t.Confirm(false);  // the Germans opened the war: the day stands
    EXPECT_EQ(w.SideOnMove, kSovietSide);
    EXPECT_EQ(w.GameHeader.Day, start.Day);
    t.g.Frames(1);
    t.Confirm(false);
    EXPECT_EQ(w.SideOnMove, kGermanSide);
    EXPECT_EQ(w.GameHeader.Day, start.Day + (fast ? 4 : 1));
    EXPECT_EQ(w.GameHeader.Month, start.Month);
  }
}

TEST(EndTurnPage, ConfirmHandsTheTurnToTheNextPlayerWithANewTrack) {
  struct Case {
    bool sovietComputer;
  };
  for (const Case& c : {Case{true}, Case{false}}) {
    EndTurn t(c.sovietComputer ? testing::ScriptedOptions() : TwoHumans());
    World& w = t.w();
    w.Selection = {1, static_cast<std::uint16_t>(w.ViewX + 2),
                   static_cast<std::uint16_t>(w.ViewY + 2)};
    const std::size_t musicCalls = t.g.Platform().MusicCalls().size();
    OpenFromSidebar(t.g, kEndTurnButton);
    const int clicks = CountSounds(t.g, "click");
    t.g.Click(Middle(kLeftButton));
    EXPECT_EQ(CountSounds(t.g, "click"), clicks + 1);
    EXPECT_EQ(w.ScreenFlags[kFlagComputerTurn] == 1, c.sovietComputer);
    EXPECT_EQ(w.ScreenFlags[kFlagZoom] == kZoomBattlefield, !c.sovietComputer);
    EXPECT_EQ(w.ScreenFlags[kFlagEndTurn] == kPageOpen, false);
    EXPECT_EQ(w.Selection, (std::array<std::uint16_t, 3>{0, 0, 0}));
    const auto& calls = t.g.Platform().MusicCalls();
    ASSERT_GT(calls.size(), musicCalls);
    EXPECT_EQ(calls.back().kind, HeadlessPlatform::MusicCall::Kind::kPlay);
  }
}

TEST(EndTurnPage, TheComputerCompletesTheTurnThenItChanges) {
  EndTurn t;
  World& w = t.w();
  KeepOnly(w, t.german, t.soviet);
  Formation(w, t.german).OrdersLeft = 2;
  const TGameHeader start = w.GameHeader;
  const std::vector<std::uint8_t> production = GermanProductionStatus(w);
  const std::size_t musicCalls = t.g.Platform().MusicCalls().size();
  OpenFromSidebar(t.g, kEndTurnButton);
  t.g.Click(Middle(SwitchHalf(kAiCompletesSwitchY, 1)));
  const int clicks = CountSounds(t.g, "click");
  t.g.Click(Middle(kLeftButton));
  // No turn change yet: the computer plays the Germans' remaining orders first.
  EXPECT_EQ(CountSounds(t.g, "click"), clicks);
  EXPECT_EQ(t.g.Platform().MusicCalls().size(), musicCalls);
  EXPECT_EQ(w.ScreenFlags[kFlagComputerTurn], 1);
  EXPECT_EQ(w.SideOnMove, kGermanSide);
  EXPECT_EQ(w.AiCompletesTurn, 1);
  EXPECT_EQ(Formation(w, t.german).Experience, 50);
  int frames = 0;
  while (w.SideOnMove == kGermanSide && frames < 500) {
    t.g.Frames(1);
    ++frames;
  }
  ASSERT_EQ(w.SideOnMove, kSovietSide) << "the turn never changed";
  EXPECT_EQ(w.AiCompletesTurn, 0);
  EXPECT_EQ(w.GameHeader.Day, start.Day);
  EXPECT_EQ(Formation(w, t.german).OrdersLeft, 2);  // recovered by the turn change
  // The production stays the player's: the computer made no choice for the Germans.
  EXPECT_EQ(GermanProductionStatus(w), production);
  EXPECT_EQ(w.ScreenFlags[kFlagComputerTurn], 1);  // the Soviet computer's own turn follows
}

}  // namespace
}  // namespace gm
