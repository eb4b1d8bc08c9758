// After a load: nothing of the game that was on screen before acts on the loaded one, and the
// loaded records themselves stay as the file gave them.
#include "flow/loaded_game.hpp"

#include <gtest/gtest.h>

#include <cstring>

#include "rules/war_end.hpp"
#include "tests/world/order_test_world.hpp"

namespace gm {
namespace {

using testing::kGermanInfantry;
using testing::kSovietRifles;
using testing::OrderWorld;

// The leftovers of a game interrupted in the middle of things: a selection with its grids, an
// animation and a waiting computer order, a computer turn half done, a placement and a refit.
void LeaveGameMidway(World& w) {
  w.Selection = {1, 100, 100};
  w.GroundReachGrid.Fill(3);
  w.AirReachGrid.Fill(2);
  w.NeighbourFlags.fill(1);
  w.NeighbourMask.fill(2);
  w.Reach.MoveAllowance = 40;
  w.ActionTick = 12;
  w.ActionKind = ActionKind::kAssault;
  w.TargetX = 101;
  w.TargetY = 100;
  w.AiOrderPending = 1;
  w.Ai.AiState = kAiFormations;
  w.Ai.AiPass = 1;
  w.Ai.AiFormationIndex = 77;
  w.Ai.AiDecision = kAiAssault;
  w.AiCompletesTurn = 1;
  w.Lists.PlacementPending = 1;
  w.Refit.RefitPage.SelectedField = 5;
  w.Refit.RefitPage.Pending(5) = 10;
  w.Refit.MessageNo = 3;
  w.WarResult = kEndDateReached;
}

TEST(LoadedGame, ResetClearsTheOldGamesLeftovers) {
  OrderWorld t;
  World& w = t.w();
  LeaveGameMidway(w);
  ResetAfterLoad(w);
  EXPECT_EQ(w.Selection, (std::array<std::uint16_t, 3>{0, 0, 0}));
  EXPECT_EQ(w.GroundReachGrid(10, 10), 0);
  EXPECT_EQ(w.AirReachGrid(131, 131), 0);
  EXPECT_EQ(w.NeighbourFlags, (std::array<std::uint8_t, 9>{}));
  EXPECT_EQ(w.NeighbourMask, (std::array<std::uint8_t, 9>{}));
  EXPECT_EQ(w.Reach.MoveAllowance, 0);
  EXPECT_EQ(w.ActionTick, 0);
  EXPECT_EQ(w.ActionKind, ActionKind::kNone);
  EXPECT_EQ(w.AiOrderPending, 0);
  EXPECT_EQ(w.Ai.AiState, kAiStart);
  EXPECT_EQ(w.Ai.AiPass, 0);
  EXPECT_EQ(w.Ai.AiFormationIndex, 0);
  EXPECT_EQ(w.Ai.AiDecision, kAiNone);
  EXPECT_EQ(w.AiCompletesTurn, 0);
  EXPECT_EQ(w.Lists.PlacementPending, 0);
  EXPECT_EQ(w.Refit.RefitPage.SelectedField, 0);
  EXPECT_EQ(w.Refit.RefitPage.Pending(5), 0);
  EXPECT_EQ(w.WarResult, kWarGoesOn);
}

TEST(LoadedGame, ResetKeepsTheLoadedRecordsAndSides) {
  OrderWorld t;
  World& w = t.w();
  t.Place(100, 100, kGermanInfantry);
  t.Place(101, 100, kSovietRifles);
  t.AddSettlement(101, 100, 5, 5, 40);
  w.GameHeader.Day = 3;
  w.GameHeader.Month = 8;
  w.GameHeader.Year = 1942;
  w.GameHeader.SovietCpu = 1;
  w.SideOnMove = kGermanSide;
  w.OpeningCoalition = kGermanSide;
  w.ViewX = 150;
  w.ViewY = 200;
  LeaveGameMidway(w);
  auto before = std::make_unique<World>();
  std::memcpy(static_cast<void*>(before.get()), &w, sizeof(World));
  ResetAfterLoad(w);
  EXPECT_EQ(std::memcmp(w.Formations.data(), before->Formations.data(), sizeof w.Formations), 0);
  EXPECT_EQ(std::memcmp(w.MapCells.data(), before->MapCells.data(), sizeof w.MapCells), 0);
  EXPECT_EQ(std::memcmp(w.Settlements.data(), before->Settlements.data(), sizeof w.Settlements), 0);
  EXPECT_EQ(std::memcmp(&w.GameHeader, &before->GameHeader, sizeof w.GameHeader), 0);
  EXPECT_EQ(std::memcmp(&w.Economy, &before->Economy, sizeof w.Economy), 0);
  EXPECT_EQ(w.SideOnMove, kGermanSide);
  EXPECT_EQ(w.OpeningCoalition, kGermanSide);
  EXPECT_EQ(w.ViewX, 150);
  EXPECT_EQ(w.ViewY, 200);
}

}  // namespace
}  // namespace gm
