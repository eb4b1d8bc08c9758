// Frames of the computer's turn without drawing: whole turns played computer against computer.
#include "flow/computer_frame.hpp"

#include <gtest/gtest.h>

#include "flow/screen_flags.hpp"
#include "flow/start_game.hpp"
#include "recording_sinks.hpp"
#include "rules/war_end.hpp"
#include "tests/support/world_builders.hpp"
#include "tests/world/order_test_world.hpp"

namespace gm {
namespace {

using testing::GiveStableHeldValue;
using testing::kGermanInfantry;
using testing::kSovietRifles;
using testing::OrderWorld;
using testing::RecordingServices;

// Two short fronts facing each other across a few open columns, with towns on both sides.
struct Front {
  OrderWorld t;
  RecordingServices s;
  Front() {
    World& w = t.w();
    w.GameHeader.Day = 22;
    w.GameHeader.Month = 6;
    w.GameHeader.Year = 1941;
    w.GameHeader.GermanCpu = 1;
    w.GameHeader.SovietCpu = 1;
    w.OpeningCoalition = kGermanSide;
    w.SideOnMove = kGermanSide;
    const int next = GiveStableHeldValue(w, 5, 5000, 100);
    GiveStableHeldValue(w, 2, 5000, next);
    for (int i = 0; i < 8; ++i) {
      TFormation& g = Formation(w, t.Place(100, 100 + 2 * i, kGermanInfantry));
      TFormation& r = Formation(w, t.Place(104, 101 + 2 * i, kSovietRifles));
      g.Cars = r.Cars = 500;
      g.Ammo = r.Ammo = 10;
    }
    t.AddSettlement(98, 105, 2, 2, 30);
    t.AddSettlement(107, 108, 5, 5, 30);
    HandOverToSideOnMove(w);
  }
  World& w() { return t.w(); }
};

TEST(ComputerFrameTest, ComputerAgainstComputerNeverShowsTheMap) {
  Front f;
  World& w = f.w();
  int turns = 0;
  long frames = 0;
  int orders = 0;
  std::uint8_t side = w.SideOnMove;
  while (turns < 8 && frames < 200'000 && w.WarResult == kWarGoesOn) {
    ++frames;
    f.s.clock.Advance(20);
    const ComputerFrameReport r = ComputerTurnFrame(w, f.s.services);
    EXPECT_EQ(w.ScreenFlags[kFlagZoom], 0);
    EXPECT_NE(w.ScreenFlags[kFlagZoom], 2);
    orders += r.order != OrderKind::kNone;
    EXPECT_FALSE(r.dropped);
    if (r.turnChanged) {
      ++turns;
      EXPECT_NE(w.SideOnMove, side);
      side = w.SideOnMove;
      EXPECT_EQ(w.ScreenFlags[kFlagComputerTurn], 1);
      EXPECT_EQ(w.Ai.AiState, kAiStart);
    }
  }
  EXPECT_EQ(turns, 8);
  EXPECT_GT(orders, 0);
  EXPECT_EQ(w.GameHeader.Day, 26);
}

TEST(ComputerFrameTest, AnOrderWithoutAMarkIsDroppedAndTheTurnGoesOn) {
  Front f;
  World& w = f.w();
  // The computer has handed over a move whose target the grid does not mark.
  w.Ai.AiState = kAiFormations;
  w.Ai.AiDecision = kAiMove;
  w.Ai.AiTargetGridX = 1;
  w.Ai.AiTargetGridY = 1;
  w.GroundReachGrid.Fill(0);
  w.Selection = {1, 100, 100};
  w.AiOrderPending = 1;
  ComputerFrameReport r = ComputerTurnFrame(w, f.s.services);
  EXPECT_TRUE(r.dropped);
  EXPECT_EQ(w.AiOrderPending, 0);
  bool changed = false;
  for (int frame = 0; frame < 100'000 && !changed; ++frame) {
    changed = ComputerTurnFrame(w, f.s.services).turnChanged;
  }
  EXPECT_TRUE(changed);
}

TEST(ComputerFrameTest, NothingOutsideTheComputerTurn) {
  Front f;
  World& w = f.w();
  ShowMapScreen(w);
  const auto before = w.Ai.AiFormationIndex;
  const ComputerFrameReport r = ComputerTurnFrame(w, f.s.services);
  EXPECT_FALSE(r.handled);
  EXPECT_FALSE(r.turnChanged);
  EXPECT_EQ(w.Ai.AiFormationIndex, before);
}

}  // namespace
}  // namespace gm
