// The computer's production choice: the three best-value models of a category ramp up unless
// plenty is in stock, every other producible one ramps down.
#include "ai/production_choice.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ai_world.hpp"
#include "world/production_status.hpp"
#include "world/tables/tables.hpp"

namespace gm {
namespace {

using testing::AiWorld;

// Models of a nation and category, ascending, with a positive score.
std::vector<int> Scored(int nation, int category) {
  std::vector<int> out;
  for (int m = 1; m <= kEquipmentModelRows; ++m) {
    const TEquipmentModel& em = EquipmentModels[m];
    if (em.Nation == nation && em.Category == category && ProductionScore(em) > 0) out.push_back(m);
  }
  return out;
}

// A Soviet group with at least four positively scored models.
std::pair<int, std::vector<int>> BigSovietGroup() {
  for (int c = 1; c <= 8; ++c) {
    const std::vector<int> ms = Scored(5, c);
    if (ms.size() >= 4) return {c, ms};
  }
  return {0, {}};
}

// The group's models by falling score, ties by number.
std::vector<int> ByScore(std::vector<int> ms) {
  std::stable_sort(ms.begin(), ms.end(), [](int a, int b) {
    return ProductionScore(EquipmentModels[a]) > ProductionScore(EquipmentModels[b]);
  });
  return ms;
}

TEST(ProductionChoiceTest, ScoreIsValueLessCostAndNeverBelowZero) {
  TEquipmentModel m{};
  m.Category = 1;
  m.InfantryAttack = 3;
  m.ArmorAttack = 4;
  m.GroundDefense = 5;
  m.AirAttack = 100;  // not a tank's business
  m.Cost = 20;
  EXPECT_EQ(ProductionScore(m), 100);
  m.Cost = 120;
  EXPECT_EQ(ProductionScore(m), 0);
  m.Cost = 500;
  EXPECT_EQ(ProductionScore(m), 0);
  m.Category = 8;  // anti-aircraft guns count the air attack, not the defence
  m.Cost = 0;
  EXPECT_EQ(ProductionScore(m), 1070);
  m.Category = 4;  // field guns: attacks only
  EXPECT_EQ(ProductionScore(m), 70);
}

TEST(ProductionChoiceTest, TheThreeBestRampUpUnlessStockIsAboveFiveHundred) {
  const auto [category, models] = BigSovietGroup();
  ASSERT_NE(category, 0);
  const std::vector<int> ranked = ByScore(models);
  for (const int stock : {500, 501}) {
    AiWorld t;
    World& w = t.w();
    for (int m : models) ProductionStatusOf(w.Economy, 5, m) = 2;
    EquipmentStockOf(w.Economy, 5, ranked[0]) = static_cast<std::uint16_t>(stock);
    AiProductionChoice(w);
    EXPECT_EQ(ProductionStatusOf(w.Economy, 5, ranked[0]), stock == 500 ? 3 : 1);
    EXPECT_EQ(ProductionStatusOf(w.Economy, 5, ranked[1]), 3);
    EXPECT_EQ(ProductionStatusOf(w.Economy, 5, ranked[2]), 3);
    for (std::size_t i = 3; i < ranked.size(); ++i) {
      EXPECT_EQ(ProductionStatusOf(w.Economy, 5, ranked[i]), 1) << ranked[i];
    }
  }
}

TEST(ProductionChoiceTest, StatusZeroIsNeverChosenAndTheNextOneMovesUp) {
  const auto [category, models] = BigSovietGroup();
  ASSERT_NE(category, 0);
  const std::vector<int> ranked = ByScore(models);
  AiWorld t;
  World& w = t.w();
  for (int m : models) ProductionStatusOf(w.Economy, 5, m) = 1;
  ProductionStatusOf(w.Economy, 5, ranked[0]) = 0;
  AiProductionChoice(w);
  EXPECT_EQ(ProductionStatusOf(w.Economy, 5, ranked[0]), 0);
  EXPECT_EQ(ProductionStatusOf(w.Economy, 5, ranked[3]), 3);
}

TEST(ProductionChoiceTest, EqualScoresGoByModelNumber) {
  // A group with two models of one score and two that score higher: only those four are made
  // producible, so the tie decides the third choice.
  const auto score = [](int m) { return ProductionScore(EquipmentModels[m]); };
  for (int n = 1; n <= 8; ++n) {
    for (int c = 1; c <= 8; ++c) {
      const std::vector<int> ms = Scored(n, c);
      for (std::size_t i = 0; i < ms.size(); ++i) {
        for (std::size_t j = i + 1; j < ms.size(); ++j) {
          if (score(ms[i]) != score(ms[j])) continue;
          std::vector<int> higher;
          for (int m : ms) {
            if (score(m) > score(ms[i])) higher.push_back(m);
          }
          if (higher.size() < 2) continue;
          AiWorld t;
          World& w = t.w();
          w.SideOnMove = InNationSet(kSovietNations, n) ? kSovietSide : kGermanSide;
          for (int m : {higher[0], higher[1], ms[i], ms[j]})
            ProductionStatusOf(w.Economy, n, m) = 2;
          AiProductionChoice(w);
          EXPECT_EQ(ProductionStatusOf(w.Economy, n, higher[0]), 3);
          EXPECT_EQ(ProductionStatusOf(w.Economy, n, higher[1]), 3);
          EXPECT_EQ(ProductionStatusOf(w.Economy, n, ms[i]), 3);
          EXPECT_EQ(ProductionStatusOf(w.Economy, n, ms[j]), 1);
          return;
        }
      }
    }
  }
  GTEST_SKIP() << "no group of the table has two models of one score below two others";
}

TEST(ProductionChoiceTest, OnlyTheSideOnMoveAndOnlyGroundModelsChange) {
  for (const std::uint8_t side : {kSovietSide, kGermanSide}) {
    AiWorld t;
    World& w = t.w();
    InitProductionStatus(w);
    w.SideOnMove = side;
    const TEconomy before = w.Economy;
    AiProductionChoice(w);
    int changed = 0;
    for (int n = 1; n <= kNationRows; ++n) {
      for (int m = 1; m <= kModelColumns; ++m) {
        const std::uint8_t was = ProductionStatusOf(const_cast<TEconomy&>(before), n, m);
        const std::uint8_t now = ProductionStatusOf(w.Economy, n, m);
        if (was == now) continue;
        ++changed;
        EXPECT_TRUE(InNationSet(side == kSovietSide ? kSovietNations : kGermanNations, n)) << n;
        EXPECT_LE(m, kEquipmentModelRows);
        EXPECT_NE(was, 0);
        EXPECT_TRUE(now == 1 || now == 3);
      }
    }
    EXPECT_GT(changed, 0);
    EXPECT_EQ(w.Economy.ProductionRate, before.ProductionRate);
    EXPECT_EQ(w.Economy.EquipmentStock, before.EquipmentStock);
  }
}

TEST(ProductionChoiceTest, NothingChangesWhileTheComputerCompletesAHumanTurn) {
  AiWorld t;
  World& w = t.w();
  InitProductionStatus(w);
  w.AiCompletesTurn = 1;
  const auto before = w.Economy.ProductionStatus;
  AiProductionChoice(w);
  EXPECT_EQ(w.Economy.ProductionStatus, before);
}

}  // namespace
}  // namespace gm
