// The order dispatch of the map: which mark gives which order with which sound, what happens at
// once, and the fights resolved at the end of the 26-frame animation.
#include "flow/map_orders.hpp"

#include <gtest/gtest.h>

#include <array>

#include "flow/action_animation.hpp"
#include "flow/screen_flags.hpp"
#include "recording_sinks.hpp"
#include "rules/war_end.hpp"
#include "tests/world/order_test_world.hpp"
#include "world/reach_grids.hpp"

namespace gm {
namespace {

using testing::kGermanFighters;
using testing::kGermanInfantry;
using testing::kSovietFighters;
using testing::kSovietRifles;
using testing::OrderWorld;
using testing::RecordingServices;

constexpr int kX = 100;
constexpr int kY = 100;

// A Soviet formation selected at (100, 100), the target cell one to the east with the given mark.
struct Order {
  OrderWorld t;
  RecordingServices s;
  int own = 0;
  explicit Order(std::uint16_t type = kSovietRifles) {
    World& w = t.w();
    w.SoundOn = 1;
    own = t.Place(kX, kY, type);
    t.Select(kX, kY);
    w.ScreenFlags[kFlagUnitStaff] = kPageLive;
    w.TargetX = kX + 1;
    w.TargetY = kY;
  }
  World& w() { return t.w(); }
};

TEST(MapOrdersTest, GroundMarksOfAPlayer) {
  struct Case {
    int code;
    OrderKind kind;
    const char* sound;  // nullptr: none
    ActionKind actionKind;
    bool moved;
  };
  const Case cases[] = {
      {kReachMove, OrderKind::kMove, "move", ActionKind::kNone, true},
      {kReachFire, OrderKind::kFire, "art_fire", ActionKind::kArtilleryFire, false},
      {kReachAssault, OrderKind::kAssault, "fighting", ActionKind::kAssault, false},
      {kReachDrop, OrderKind::kAirDrop, "desant", ActionKind::kNone, true},
      {kReachNone, OrderKind::kNone, nullptr, ActionKind::kNone, false},
      {kReachOwnCell, OrderKind::kNone, nullptr, ActionKind::kNone, false},
  };
  for (const Case& c : cases) {
    for (const std::uint8_t soundOn : {0, 1}) {
      Order o;
      o.w().SoundOn = soundOn;
      o.w().ScreenFlags[kFlagLayer] = 2;
      o.w().GroundReachGrid(kGroundGridCentre, kGroundGridCentre + 1) = c.code;
      EXPECT_EQ(PlayerMapOrder(o.w(), o.s.services), c.kind) << c.code;
      EXPECT_EQ(o.s.sound.played.size(), c.sound != nullptr && soundOn ? 1u : 0u) << c.code;
      if (c.sound != nullptr && soundOn) {
        EXPECT_EQ(o.s.sound.played[0], c.sound);
      }
      EXPECT_EQ(o.w().ActionTick, c.actionKind != ActionKind::kNone ? 1 : 0) << c.code;
      EXPECT_EQ(o.w().ActionKind, c.actionKind) << c.code;
      EXPECT_EQ(Cell(o.w(), kX + 1, kY).GroundFormation, c.moved ? o.own : 0) << c.code;
      EXPECT_EQ(o.w().Selection[0], 0);
      EXPECT_EQ(o.w().ScreenFlags[kFlagUnitStaff], 0);
    }
  }
}

TEST(MapOrdersTest, AirMarksOfAPlayer) {
  struct Case {
    int code;
    OrderKind kind;
    bool sound;
    ActionKind actionKind;
    bool rebased;
  };
  const Case cases[] = {
      {kAirRebase, OrderKind::kRebase, false, ActionKind::kNone, true},
      {kAirStrike, OrderKind::kAirStrike, true, ActionKind::kAirStrike, true},
      {kAirEnemyAir, OrderKind::kSecondAir, false, ActionKind::kSecondAirOrder, false},
      {kAirOwnCell, OrderKind::kNone, false, ActionKind::kNone, false},
  };
  for (const Case& c : cases) {
    Order o(kSovietFighters);
    o.w().ScreenFlags[kFlagLayer] = 1;
    o.w().AirReachGrid(kAirGridCentre, kAirGridCentre + 1) = c.code;
    EXPECT_EQ(PlayerMapOrder(o.w(), o.s.services), c.kind) << c.code;
    EXPECT_EQ(o.s.sound.played,
              c.sound ? std::vector<std::string>{"art_fire"} : std::vector<std::string>{})
        << c.code;
    EXPECT_EQ(o.w().ActionKind, c.actionKind) << c.code;
    EXPECT_EQ(Cell(o.w(), kX + 1, kY).AirFormation, c.rebased ? o.own : 0) << c.code;
    EXPECT_EQ(o.w().Selection[0], 0);
  }
}

TEST(MapOrdersTest, AClickOutsideTheGridOnlyDeselects) {
  Order o;
  o.w().ScreenFlags[kFlagLayer] = 2;
  o.w().TargetX = kX + 10;  // column 20 of the grid
  EXPECT_EQ(PlayerMapOrder(o.w(), o.s.services), OrderKind::kNone);
  EXPECT_EQ(o.w().Selection[0], 0);
  EXPECT_TRUE(o.s.sound.played.empty());
}

TEST(MapOrdersTest, SelectionFromAClick) {
  OrderWorld t;
  World& w = t.w();
  const int own = t.Place(kX, kY, kSovietRifles);
  t.Place(kX + 1, kY, kGermanInfantry);
  t.Place(kX, kY, kSovietFighters);
  w.ScreenFlags[kFlagLayer] = 2;
  w.TargetX = kX + 1;  // an enemy: nothing selected
  w.TargetY = kY;
  SelectClickedCell(w);
  EXPECT_EQ(w.Selection[0], 0);
  w.TargetX = kX;  // own ground formation on the army layer
  SelectClickedCell(w);
  EXPECT_EQ(w.Selection, (std::array<std::uint16_t, 3>{1, kX, kY}));
  EXPECT_EQ(w.ScreenFlags[kFlagUnitStaff], 2);
  EXPECT_EQ(w.GroundReachGrid(kGroundGridCentre, kGroundGridCentre + 1), kReachAssault);
  w.TargetX = kX + 5;  // an empty cell: its place is kept with the flag 0
  SelectClickedCell(w);
  EXPECT_EQ(w.Selection, (std::array<std::uint16_t, 3>{0, kX + 5, kY}));
  EXPECT_EQ(w.ScreenFlags[kFlagUnitStaff], 0);
  (void)own;
}

TEST(MapOrdersTest, ClicksOfThePlayer) {
  OrderWorld t;
  RecordingServices s;
  World& w = t.w();
  w.SoundOn = 1;
  w.ScreenFlags[kFlagLayer] = 2;
  const int own = t.Place(kX, kY, kSovietRifles);
  const int enemy = t.Place(kX + 2, kY, kGermanInfantry);
  w.TargetX = kX;
  w.TargetY = kY;
  EXPECT_EQ(MapClickAt(w, s.services), OrderKind::kNone);  // selects
  ASSERT_EQ(w.Selection[0], 1);
  w.TargetX = kX + 1;  // a move: it stays selected at its new cell, with fresh grids
  EXPECT_EQ(MapClickAt(w, s.services), OrderKind::kMove);
  EXPECT_EQ(w.Selection, (std::array<std::uint16_t, 3>{1, kX + 1, kY}));
  EXPECT_EQ(w.ScreenFlags[kFlagUnitStaff], 2);
  EXPECT_EQ(Cell(w, kX + 1, kY).GroundFormation, own);
  EXPECT_EQ(w.GroundReachGrid(kGroundGridCentre, kGroundGridCentre + 1), kReachAssault);
  w.TargetX = kX + 2;  // an assault: the attacker's cell stays named for the fight
  EXPECT_EQ(MapClickAt(w, s.services), OrderKind::kAssault);
  EXPECT_EQ(w.Selection, (std::array<std::uint16_t, 3>{0, kX + 1, kY}));
  EXPECT_EQ(w.ActionKind, ActionKind::kAssault);
  EXPECT_EQ(s.sound.played, (std::vector<std::string>{"move", "fighting"}));
  (void)enemy;
}

TEST(MapOrdersTest, AnimatedOrdersResolveTwentyFiveFramesLater) {
  OrderWorld t;
  RecordingServices s;
  World& w = t.w();
  const int own = t.Place(kX, kY, kSovietRifles);
  const int enemy = t.Place(kX + 1, kY, kGermanInfantry);
  Formation(w, enemy).Men = 1;  // a fight it cannot survive as it was
  t.Select(kX, kY);
  w.TargetX = kX + 1;
  w.TargetY = kY;
  w.ScreenFlags[kFlagLayer] = 2;
  w.ScreenFlags[kFlagComputerTurn] = 1;
  w.AiOrderPending = 1;
  w.GroundReachGrid(kGroundGridCentre, kGroundGridCentre + 1) = kReachAssault;
  ASSERT_EQ(PlayerMapOrder(w, s.services), OrderKind::kAssault);
  w.Selection[0] = 1;  // the resolver acts from the selected cell, as the tick leaves it
  int frames = 0;
  bool resolved = false;
  while (!resolved && frames < 100) {
    ++frames;
    CountActionTick(w);
    resolved = FinishAction(w, s.services);
    if (!resolved) {
      EXPECT_EQ(w.AiOrderPending, 1);
    }
  }
  EXPECT_EQ(frames, 25);
  EXPECT_EQ(w.ActionTick, 0);
  EXPECT_EQ(w.ActionKind, ActionKind::kNone);
  EXPECT_EQ(w.AiOrderPending, 0);
  EXPECT_EQ(Formation(w, own).OrdersLeft, 1);  // the assault has been fought
}

TEST(MapOrdersTest, TheComputersOrders) {
  struct Case {
    const char* name;
    std::uint8_t decision;
    int code;
    OrderKind kind;
    const char* sound;
    std::uint8_t pendingAfter;
  };
  const Case cases[] = {
      {"a move is silent and done at once", kAiMove, kReachMove, OrderKind::kMove, nullptr, 0},
      {"an assault waits for its fight", kAiAssault, kReachAssault, OrderKind::kAssault, "fighting",
       1},
      {"fire waits for its fight", kAiFire, kReachFire, OrderKind::kFire, "art_fire", 1},
      {"a target without a mark is dropped", kAiMove, kReachNone, OrderKind::kNone, nullptr, 0},
      {"a stay is no map order", kAiStay, kReachMove, OrderKind::kNone, nullptr, 0},
  };
  for (const Case& c : cases) {
    for (const std::uint8_t layer : {1, 2}) {
      Order o;
      World& w = o.w();
      w.ScreenFlags[kFlagComputerTurn] = 1;
      w.ScreenFlags[kFlagLayer] = layer;  // the computer always orders on the army grid
      w.Ai.AiDecision = c.decision;
      w.Ai.AiTargetGridX = kGroundGridCentre + 1;
      w.Ai.AiTargetGridY = kGroundGridCentre;
      w.GroundReachGrid(kGroundGridCentre, kGroundGridCentre + 1) = c.code;
      w.AiOrderPending = 1;
      EXPECT_EQ(ComputerMapOrder(w, o.s.services), c.kind) << c.name;
      EXPECT_EQ(w.AiOrderPending, c.pendingAfter) << c.name;
      EXPECT_EQ(o.s.sound.played.size(), c.sound != nullptr ? 1u : 0u) << c.name;
      EXPECT_EQ(w.Selection[0], 0) << c.name;
    }
  }
  {  // nothing happens outside the computer turn or while an animation runs
    Order o;
    World& w = o.w();
    w.Ai.AiDecision = kAiMove;
    w.Ai.AiTargetGridX = kGroundGridCentre + 1;
    w.Ai.AiTargetGridY = kGroundGridCentre;
    w.GroundReachGrid(kGroundGridCentre, kGroundGridCentre + 1) = kReachMove;
    w.AiOrderPending = 1;
    EXPECT_EQ(ComputerMapOrder(w, o.s.services), OrderKind::kNone);
    w.ScreenFlags[kFlagComputerTurn] = 1;
    w.ActionTick = 5;
    EXPECT_EQ(ComputerMapOrder(w, o.s.services), OrderKind::kNone);
    EXPECT_EQ(w.AiOrderPending, 1);
    EXPECT_EQ(w.Selection[0], 1);
  }
}

TEST(MapOrdersTest, AMoveOrDropThatEndsTheWarShowsTheFinalScreen) {
  // The Soviet side takes the last German-held town; the rule only reports the end of the war.
  struct Case {
    int code;
    bool byComputer;
    OrderKind kind;
  };
  const Case cases[] = {{kReachMove, false, OrderKind::kMove},
                        {kReachMove, true, OrderKind::kMove},
                        {kReachDrop, false, OrderKind::kAirDrop}};
  for (const Case& c : cases) {
    Order o;
    World& w = o.w();
    o.t.AddSettlement(kX + 1, kY, 2, 2, 50);
    o.t.AddSettlement(kX + 50, kY, 2, 5, 50);
    o.t.AddSettlement(kX + 60, kY, 5, 5, 50);
    w.GroundReachGrid(kGroundGridCentre, kGroundGridCentre + 1) = static_cast<std::uint8_t>(c.code);
    if (c.byComputer) {
      EnterComputerTurn(w);
      w.Ai.AiDecision = kAiMove;
      w.Ai.AiTargetGridX = kGroundGridCentre + 1;
      w.Ai.AiTargetGridY = kGroundGridCentre;
      w.AiOrderPending = 1;
      EXPECT_EQ(ComputerMapOrder(w, o.s.services), c.kind);
      EXPECT_EQ(w.AiOrderPending, 1);  // the computer turn is over: its mark is left alone
    } else {
      ShowMapScreen(w);
      EXPECT_EQ(PlayerMapOrder(w, o.s.services), c.kind);
    }
    EXPECT_EQ(w.WarResult, kSovietVictory) << c.code << c.byComputer;
    EXPECT_EQ(w.ScreenFlags, (std::array<std::uint8_t, kScreenFlagCount>{0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                                         0, 0, 0, kScreenFinal}))
        << c.code << c.byComputer;
  }
}

}  // namespace
}  // namespace gm
