// The decision rules of a computer formation and their precedence, each case a small world
// around one Soviet formation at (100, 100).
#include "ai/formation_decisions.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "ai/formation_strength.hpp"
#include "ai_world.hpp"
#include "world/merging.hpp"
#include "world/reach_grids.hpp"
#include "world/tables/tables.hpp"

namespace gm {
namespace {

using testing::AiWorld;
using testing::kGermanInfantry;
using testing::kSecondSovietCavalry;
using testing::kSovietRifles;

constexpr int kX = 100;
constexpr int kY = 100;

// A howitzer model, so that the formation can fire two cells away.
int AnyHowitzer() {
  for (int m = 1; m <= kEquipmentModelRows; ++m) {
    if (EquipmentModels[m].Category == 5) return m;
  }
  return 0;
}

// Selects the formation at (100, 100), builds its grids and runs the rules.
DecisionScratch Decide(World& w) {
  w.Selection = {1, kX, kY};
  BuildMoveGrid(w);
  FindMergeCandidates(w);
  return DecideFormation(w);
}

struct Case {
  std::string name;
  std::function<void(AiWorld&, TFormation&)> setUp;
  std::uint8_t decision;
  int targetX = -1;  // -1: not checked
  int targetY = -1;
  std::uint8_t mergeDirection = 0;
};

TEST(FormationDecisionsTest, RulesAndTheirPrecedence) {
  const Case cases[] = {
      {"nothing anywhere", [](AiWorld&, TFormation&) {}, kAiNone},
      {"two equal enemies in assault reach: the first row by row",
       [](AiWorld& t, TFormation&) {
         t.Place(kX - 1, kY + 1, kGermanInfantry);
         t.Place(kX + 1, kY - 1, kGermanInfantry);
       },
       kAiAssault, kX + 1, kY - 1},
      {"the weaker of two enemies in reach",
       [](AiWorld& t, TFormation&) {
         t.Place(kX + 1, kY - 1, kGermanInfantry);
         Formation(t.w(), t.Place(kX, kY + 1, kGermanInfantry)).Men = 10;
       },
       kAiAssault, kX, kY + 1},
      {"a weaker enemy in artillery reach is closed in on with both orders",
       [](AiWorld& t, TFormation& f) {
         f.pairs[18] = {10, static_cast<std::uint16_t>(AnyHowitzer())};
         Formation(t.w(), t.Place(kX + 2, kY, kGermanInfantry)).Men = 10;
       },
       kAiMove, kX + 3, kY - 1},
      {"with one order left it fires",
       [](AiWorld& t, TFormation& f) {
         f.pairs[18] = {10, static_cast<std::uint16_t>(AnyHowitzer())};
         f.OrdersLeft = 1;
         Formation(t.w(), t.Place(kX + 2, kY, kGermanInfantry)).Men = 10;
       },
       kAiFire, kX + 2, kY},
      {"a stronger enemy in artillery reach is fired at",
       [](AiWorld& t, TFormation& f) {
         f.pairs[18] = {10, static_cast<std::uint16_t>(AnyHowitzer())};
         Formation(t.w(), t.Place(kX + 2, kY, kGermanInfantry)).Men = 60000;
       },
       kAiFire, kX + 2, kY},
      {"towards the weakest enemy out of reach rather than the nearest enemy",
       [](AiWorld& t, TFormation&) {
         t.Place(kX - 6, kY, kGermanInfantry);
         Formation(t.w(), t.Place(kX + 7, kY, kGermanInfantry)).Men = 10;
       },
       kAiMove, kX + 3, kY},
      {"beside an enemy next to a reachable cell rather than towards a weaker one out of reach",
       [](AiWorld& t, TFormation&) {
         Formation(t.w(), t.Place(kX + 7, kY, kGermanInfantry)).Men = 10;
         t.Place(kX, kY - 4, kGermanInfantry);
       },
       kAiMove, kX - 1, kY - 3},  // the first reachable cell beside it, row by row
      {"beside the weaker of two enemies next to reachable cells",
       [](AiWorld& t, TFormation&) {
         t.Place(kX, kY - 4, kGermanInfantry);
         Formation(t.w(), t.Place(kX, kY + 4, kGermanInfantry)).Men = 10;
       },
       kAiMove, kX - 1, kY + 3},
      {"an enemy-held settlement in reach beats an assault",
       [](AiWorld& t, TFormation&) {
         t.Place(kX + 1, kY, kGermanInfantry);
         t.AddSettlement(kX, kY + 3, 5, 2, 10);
       },
       kAiMove, kX, kY + 3},
      {"of several enemy-held settlements in reach the last row by row",
       [](AiWorld& t, TFormation&) {
         t.AddSettlement(kX + 1, kY + 2, 5, 2, 10);
         t.AddSettlement(kX - 2, kY - 2, 5, 2, 10);
       },
       kAiMove, kX + 1, kY + 2},
      {"outnumbered off a settlement: the last own-held settlement in reach",
       [](AiWorld& t, TFormation&) {
         t.Place(kX + 6, kY - 2, kGermanInfantry);
         t.Place(kX + 6, kY, kGermanInfantry);
         t.Place(kX + 6, kY + 2, kGermanInfantry);
         t.AddSettlement(kX - 2, kY, 5, 5, 10);
         t.AddSettlement(kX, kY + 3, 5, 5, 10);
       },
       kAiMove, kX, kY + 3},
      {"no ammunition: stay",
       [](AiWorld& t, TFormation& f) {
         f.Ammo = 0;
         t.Place(kX + 1, kY, kGermanInfantry);  // no assault mark without ammunition
       },
       kAiStay},
      {"a merge beats a stay; the highest direction wins",
       [](AiWorld& t, TFormation& f) {
         f.Ammo = 0;
         t.Place(kX - 1, kY - 1, kSovietRifles);
         t.Place(kX + 1, kY + 1, kSovietRifles);
       },
       kAiMerge, -1, -1, 9},
      {"a formation of another nation of the coalition does not merge",
       [](AiWorld& t, TFormation&) { t.Place(kX + 1, kY, kSecondSovietCavalry); }, kAiNone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AiWorld t;
    World& w = t.w();
    const int own = t.Place(kX, kY, kSovietRifles);
    Formation(w, own).Cars = 1000;  // carried: it can move three cells over open plain
    c.setUp(t, Formation(w, own));
    Decide(w);
    EXPECT_EQ(w.Ai.AiDecision, c.decision);
    if (c.targetX >= 0) {
      EXPECT_EQ(w.TargetX, c.targetX);
      EXPECT_EQ(w.TargetY, c.targetY);
      // Grid and map agree, and the mark is the order's.
      EXPECT_EQ(w.TargetX, kX - 10 + w.Ai.AiTargetGridX);
      EXPECT_EQ(w.TargetY, kY - 10 + w.Ai.AiTargetGridY);
    }
    if (c.decision >= kAiAssault && c.decision <= kAiMove) {
      const int code = w.GroundReachGrid(w.Ai.AiTargetGridY, w.Ai.AiTargetGridX);
      EXPECT_EQ(code, c.decision == kAiMove ? 1 : c.decision == kAiFire ? 2 : 3);
    }
    if (c.mergeDirection != 0) {
      EXPECT_EQ(w.Ai.AiMergeDirection, c.mergeDirection);
    }
  }
}

TEST(FormationDecisionsTest, MovesTowardsTheNearestEnemyByTheNearestReachableCell) {
  AiWorld t;
  World& w = t.w();
  Formation(w, t.Place(kX, kY, kSovietRifles)).Cars = 1000;
  t.Place(kX + 40, kY + 3, kGermanInfantry);
  t.Place(kX - 30, kY - 30, kGermanInfantry);  // farther
  Decide(w);
  ASSERT_EQ(w.Ai.AiDecision, kAiMove);
  // No reachable cell lies nearer to the enemy than the chosen one.
  const int chosen = std::abs(w.TargetX - (kX + 40)) + std::abs(w.TargetY - (kY + 3));
  for (int a = 1; a <= 19; ++a) {
    for (int b = 1; b <= 19; ++b) {
      if (w.GroundReachGrid(a, b) != 1) continue;
      EXPECT_GE(std::abs(kX - 10 + b - (kX + 40)) + std::abs(kY - 10 + a - (kY + 3)), chosen);
    }
  }
  EXPECT_GT(w.TargetX, kX);
}

TEST(FormationDecisionsTest, TheNearestEnemySettlementBeatsTheNearestEnemyFormation) {
  AiWorld t;
  World& w = t.w();
  t.Place(kX, kY, kSovietRifles);
  t.Place(kX + 40, kY, kGermanInfantry);
  t.AddSettlement(kX, kY - 60, 5, 2, 10);
  t.AddSettlement(kX, kY, 5, 2, 10);  // its own cell is in none of the half-planes
  Decide(w);
  ASSERT_EQ(w.Ai.AiDecision, kAiMove);
  EXPECT_EQ(w.TargetX, kX);
  EXPECT_LT(w.TargetY, kY);
}

TEST(FormationDecisionsTest, TheSwitchActsOnTheDecision) {
  {  // a stay with both orders refills ammunition and ends the formation's turn
    AiWorld t;
    World& w = t.w();
    TFormation& f = Formation(w, t.Place(kX, kY, kSovietRifles));
    f.Ammo = 0;
    Decide(w);
    ActOnDecision(w);
    EXPECT_EQ(f.Ammo, 10);
    EXPECT_EQ(f.OrdersLeft, 0);
    EXPECT_EQ(w.AiOrderPending, 0);
  }
  {  // a stay with one order left changes nothing
    AiWorld t;
    World& w = t.w();
    TFormation& f = Formation(w, t.Place(kX, kY, kSovietRifles));
    f.Ammo = 0;
    f.OrdersLeft = 1;
    Decide(w);
    ASSERT_EQ(w.Ai.AiDecision, kAiStay);
    ActOnDecision(w);
    EXPECT_EQ(f.Ammo, 0);
    EXPECT_EQ(f.OrdersLeft, 1);
  }
  {  // a merge takes in the neighbour and clears the selection
    AiWorld t;
    World& w = t.w();
    TFormation& f = Formation(w, t.Place(kX, kY, kSovietRifles));
    t.Place(kX + 1, kY + 1, kSovietRifles);
    Decide(w);
    ActOnDecision(w);
    EXPECT_EQ(f.Men, 2000);
    EXPECT_EQ(Cell(w, kX + 1, kY + 1).GroundFormation, 0);
    EXPECT_EQ(w.Selection[0], 0);
  }
  {  // an order waits for the frame tick
    AiWorld t;
    World& w = t.w();
    t.Place(kX, kY, kSovietRifles);
    t.Place(kX + 1, kY, kGermanInfantry);
    Decide(w);
    ActOnDecision(w);
    EXPECT_EQ(w.AiOrderPending, 1);
  }
}

TEST(FormationDecisionsTest, RefitStayNeedsReadinessBelowNineTenths) {
  // Equipment term of the type: nominal strength less men, plus 1. The formation's own term is
  // set to the least that reaches nine tenths of it, and to one less.
  const TFormationType& ft = FormationTypes[kSovietRifles];
  const int term = NominalStrength(ft) - ft.Men + 1;
  const int atLeast = (9 * term + 9) / 10;  // ceil(0.9 x term)
  for (const int offset : {0, -1}) {
    AiWorld t;
    World& w = t.w();
    TFormation& f = Formation(w, t.Place(kX, kY, kSovietRifles));
    t.AddSettlement(kX, kY, 5, 5, 10);
    // Strength less men, plus 1 = the wanted term: cars count 5, horses 2.
    const int wanted = atLeast - 1 + offset;
    f.Cars = static_cast<std::uint16_t>(wanted % 2);
    f.Horses = static_cast<std::uint16_t>((wanted - 5 * f.Cars) / 2);
    const DecisionScratch s = Decide(w);
    ASSERT_EQ(s.AiEquipReadiness < 0.9, offset == -1);
    EXPECT_EQ(w.Ai.AiDecision, offset == 0 ? kAiNone : kAiStay) << s.AiEquipReadiness;
    EXPECT_EQ(w.Ai.AiRefitAllowed, offset == 0 ? 0 : 1);
  }
}

TEST(FormationDecisionsTest, CountsOfTheWindowAndTheCentre) {
  AiWorld t;
  World& w = t.w();
  t.Place(kX, kY, kSovietRifles);
  t.Place(kX - 9, kY - 9, kSovietRifles);    // in the window, own
  t.Place(kX + 10, kY, kSovietRifles);       // outside
  t.Place(kX + 1, kY, kGermanInfantry);      // adjacent
  t.Place(kX - 2, kY + 2, kGermanInfantry);  // in the 5 x 5 centre, no fire pieces: no mark
  t.Place(kX + 9, kY + 9, kGermanInfantry);  // in the window
  const DecisionScratch s = Decide(w);
  EXPECT_EQ(s.AiWindowOwnCount, 2);
  EXPECT_EQ(s.AiWindowEnemyCount, 3);
  EXPECT_EQ(s.AiAdjacentEnemyCount, 1);
  EXPECT_EQ(s.AiNearEnemyCount, 1);
}

}  // namespace
}  // namespace gm
