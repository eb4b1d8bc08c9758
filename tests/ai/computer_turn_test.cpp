// The computer turn's state machine: one formation per step, two looks per formation, the end of
// turn, the view centred on the formation in hand, the waiting order.
#include "ai/computer_turn.hpp"

#include <gtest/gtest.h>

#include "ai_world.hpp"
#include "world/production_status.hpp"
#include "world/screen_state.hpp"
#include "world/tables/tables.hpp"

namespace gm {
namespace {

using testing::AiWorld;
using testing::kGermanInfantry;
using testing::kSovietFighters;
using testing::kSovietRifles;

TEST(ComputerTurnTest, AnEmptyTurnRunsBothPassesAndEndsInOneStep) {
  AiWorld t;
  World& w = t.w();
  t.Place(100, 100, kGermanInfantry);  // not on move
  t.Place(110, 100, kSovietFighters);  // air: no orders for it
  const int tired = t.Place(120, 100, kSovietRifles);
  Formation(w, tired).OrdersLeft = 0;
  InitProductionStatus(w);
  const auto before = w.Economy.ProductionStatus;

  EXPECT_FALSE(ComputerTurnStep(w));
  EXPECT_EQ(w.Ai.AiState, kAiTurnDone);
  EXPECT_EQ(w.Ai.AiPass, 2);
  EXPECT_EQ(w.Ai.AiFormationIndex, 1);
  EXPECT_EQ(w.ScreenFlags[kFlagLayer], kLayerArmy);
  EXPECT_EQ(w.AiOrderPending, 0);
  EXPECT_NE(w.Economy.ProductionStatus, before);  // the production choice ran
}

TEST(ComputerTurnTest, CompletingAHumanTurnSkipsProductionButRaises) {
  AiWorld t;
  World& w = t.w();
  w.AiCompletesTurn = 1;
  InitProductionStatus(w);
  const auto before = w.Economy.ProductionStatus;
  t.AddSettlement(100, 100, 5, 5, 10);
  t.Place(120, 100, kGermanInfantry);  // an enemy within 30 cells
  ComputerTurnStep(w);
  EXPECT_EQ(w.Ai.AiState, kAiTurnDone);
  EXPECT_EQ(w.Economy.ProductionStatus, before);
  EXPECT_EQ(Cell(w, 100, 100).GroundFormation, kMaxFormations);
}

TEST(ComputerTurnTest, AWaitingOrderStopsTheStep) {
  AiWorld t;
  World& w = t.w();
  t.Place(100, 100, kSovietRifles);
  w.Ai.AiState = kAiFormations;
  w.Ai.AiFormationIndex = 7;
  w.AiOrderPending = 1;
  w.ViewX = 3;
  EXPECT_FALSE(ComputerTurnStep(w));
  EXPECT_EQ(w.Ai.AiState, kAiFormations);
  EXPECT_EQ(w.Ai.AiFormationIndex, 7);
  EXPECT_EQ(w.Ai.AiPass, 0);
  EXPECT_EQ(w.ViewX, 3);
  EXPECT_EQ(w.Selection[0], 0);
}

TEST(ComputerTurnTest, EachFormationGetsTwoLooksOneAStep) {
  AiWorld t;
  World& w = t.w();
  const int a = t.Place(100, 100, kSovietRifles);
  t.Place(101, 140, kGermanInfantry);  // not on move, between the two in record order
  const int b = t.Place(200, 200, kSovietRifles);
  // Each look may hand over an order; here the tick is not run and the order is simply taken
  // as done.
  std::vector<int> looked;
  for (int step = 0; step < 10 && w.Ai.AiState != kAiTurnDone; ++step) {
    if (ComputerTurnStep(w)) looked.push_back(w.Ai.AiFormationIndex);
    w.AiOrderPending = 0;
  }
  EXPECT_EQ(w.Ai.AiState, kAiTurnDone);
  // Two passes, then record 1 once more in the step that ends the turn.
  EXPECT_EQ(looked, (std::vector<int>{a, b, a, b, a}));
}

TEST(ComputerTurnTest, TheViewIsCentredOnTheFormationInHand) {
  struct Case {
    int x, y, viewX, viewY;
  };
  const Case cases[] = {{7, 200, 0, 196},     {359, 200, 354, 196}, {200, 30, 195, 26},
                        {200, 329, 195, 325}, {9, 33, 0, 29},       {10, 34, 5, 30}};
  for (const Case& c : cases) {
    AiWorld t;
    World& w = t.w();
    t.Place(c.x, c.y, kSovietRifles);  // alone: decision 0
    ASSERT_TRUE(ComputerTurnStep(w));
    EXPECT_EQ(w.Ai.AiDecision, kAiNone);
    EXPECT_EQ(w.ViewX, c.viewX) << c.x << "," << c.y;
    EXPECT_EQ(w.ViewY, c.viewY) << c.x << "," << c.y;
    EXPECT_EQ(w.Selection[1], c.x);
    EXPECT_EQ(w.Selection[2], c.y);
  }
}

TEST(ComputerTurnTest, AnOrderIsHandedOverAndTheFormationIsSelected) {
  AiWorld t;
  World& w = t.w();
  const int own = t.Place(100, 100, kSovietRifles);
  t.Place(101, 100, kGermanInfantry);
  ASSERT_TRUE(ComputerTurnStep(w));
  EXPECT_EQ(w.Ai.AiFormationIndex, own);
  EXPECT_EQ(w.Ai.AiDecision, kAiAssault);
  EXPECT_EQ(w.AiOrderPending, 1);
  EXPECT_EQ(w.Selection[0], 1);
  EXPECT_EQ(w.TargetX, 101);
  EXPECT_EQ(w.TargetY, 100);
  EXPECT_EQ(w.GroundReachGrid(w.Ai.AiTargetGridY, w.Ai.AiTargetGridX), 3);
}

}  // namespace
}  // namespace gm
