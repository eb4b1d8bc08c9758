// The end-of-war test: collapse of either coalition and the end date, reported in WarResult.
#include "rules/war_end.hpp"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <random>
#include <utility>
#include <vector>

#include "rules/capture.hpp"
#include "tests/support/world_builders.hpp"
#include "tests/world/order_test_world.hpp"
#include "world/holdings.hpp"
#include "world/world_access.hpp"

namespace gm {
namespace {

struct Holdings {
  int sovietOwned, sovietHeld;  // Soviet-owned settlements (nation 5), how many Soviet-held
  int germanOwned, germanHeld;  // German-owned settlements (nation 2), how many German-held
};

// Fills the settlement table from the far end, so that records past any stored count are seen.
std::unique_ptr<World> WorldWith(const Holdings& h, int day, int month, int year) {
  auto w = std::make_unique<World>();
  testing::SetCoalitions(*w);
  w->ScreenFlags = {2, 2, 2, 0, 2, 2, 2, 2, 2, 2, 0, 0, 0};
  w->GameHeader.Day = static_cast<std::uint16_t>(day);
  w->GameHeader.Month = static_cast<std::uint16_t>(month);
  w->GameHeader.Year = static_cast<std::uint16_t>(year);
  int n = kMaxSettlements;
  auto add = [&](std::uint16_t owner, std::uint16_t holder) {
    TSettlement& s = Settlement(*w, n--);
    s.OwnerNation = owner;
    s.HolderNation = holder;
    s.Value = 30;
  };
  // Settlements lost go to a neutral holder, so that each side's counts stay its own.
  for (int i = 0; i < h.sovietOwned; ++i) add(5, i < h.sovietHeld ? 5 : kNeutralNation);
  for (int i = 0; i < h.germanOwned; ++i) add(2, i < h.germanHeld ? 2 : kNeutralNation);
  return w;
}

struct WarEndCase {
  const char* name;
  Holdings holdings;
  int day, month, year;
  std::uint8_t expected;
};

TEST(CheckWarEnd, CollapseAndEndDate) {
  const WarEndCase cases[] = {
      {"a tenth held goes on", {100, 10, 100, 100}, 1, 7, 1943, kWarGoesOn},
      {"below a tenth: Soviet collapse", {100, 9, 100, 100}, 1, 7, 1943, kGermanVictory},
      {"below a tenth: German collapse", {100, 100, 100, 9}, 1, 7, 1943, kSovietVictory},
      {"both collapse at once", {100, 0, 100, 0}, 1, 7, 1943, kGermanVictory},
      {"a coalition that owns nothing has not collapsed", {0, 0, 10, 10}, 1, 7, 1943, kWarGoesOn},
      {"the day before the end date", {100, 50, 100, 50}, 8, 5, 1945, kWarGoesOn},
      {"the end date", {100, 50, 100, 50}, 9, 5, 1945, kEndDateReached},
      {"stepped over the end date", {100, 50, 100, 50}, 10, 5, 1945, kEndDateReached},
      {"a later month", {100, 50, 100, 50}, 1, 6, 1945, kEndDateReached},
      {"a later year", {100, 50, 100, 50}, 1, 1, 1946, kEndDateReached},
      {"an earlier year, later month", {100, 50, 100, 50}, 30, 12, 1944, kWarGoesOn},
      {"collapse on the end date", {100, 100, 100, 0}, 9, 5, 1945, kSovietVictory},
  };
  for (const auto& c : cases) {
    auto w = WorldWith(c.holdings, c.day, c.month, c.year);
    w->WarResult = 3;  // recomputed from 0 on every test
    CheckWarEnd(*w);
    EXPECT_EQ(w->WarResult, c.expected) << c.name;
    // The rule only reports; the screen is the flow's to change.
    const std::array<std::uint8_t, 13> mapScreen = {2, 2, 2, 0, 2, 2, 2, 2, 2, 2, 0, 0, 0};
    EXPECT_EQ(w->ScreenFlags, mapScreen) << c.name;
  }
}

TEST(CheckWarEnd, CountsOnlyValuedSettlementsOfTheEightNations) {
  auto w = WorldWith({10, 1, 10, 10}, 1, 7, 1943);  // Soviet side holds exactly a tenth
  // Worthless, neutral and unknown-nation settlements count for nobody.
  auto add = [&](int n, std::uint16_t owner, std::uint16_t holder, std::uint16_t value) {
    Settlement(*w, n) = TSettlement{};
    Settlement(*w, n).OwnerNation = owner;
    Settlement(*w, n).HolderNation = holder;
    Settlement(*w, n).Value = value;
    RebuildHoldings(*w);  // records changed by hand
  };
  add(1, 5, 2, 0);
  add(2, kNeutralNation, kNeutralNation, 50);
  add(3, 5, kNeutralNation, 50);  // owned, but held by a neutral: owned 11, held 1
  CheckWarEnd(*w);
  EXPECT_EQ(w->WarResult, kGermanVictory);
  add(4, 0, 5, 50);  // held by the Soviet side without an owner: held 2 of 11
  CheckWarEnd(*w);
  EXPECT_EQ(w->WarResult, kWarGoesOn);
  add(5, 40, 40, 50);
  CheckWarEnd(*w);
  EXPECT_EQ(w->WarResult, kWarGoesOn);
}

// The war's end as a plain count of every settlement record reads it.
std::uint8_t PlainResult(const World& w) {
  int owned[2] = {0, 0}, held[2] = {0, 0};
  for (const TSettlement& s : w.Settlements) {
    if (s.Value == 0) continue;
    owned[0] += InNationSet(kSovietNations, s.OwnerNation);
    owned[1] += InNationSet(kGermanNations, s.OwnerNation);
    held[0] += InNationSet(kSovietNations, s.HolderNation);
    held[1] += InNationSet(kGermanNations, s.HolderNation);
  }
  std::uint8_t result = kWarGoesOn;
  if (10 * held[1] < owned[1]) result = kSovietVictory;
  if (10 * held[0] < owned[0]) result = kGermanVictory;
  return result;
}

TEST(CheckWarEnd, FollowsEveryCaptureOfAWar) {
  // Towns of both sides, some owned by one nation and held by another, some worthless; the
  // formations of either side enter them at random until one side has collapsed.
  testing::OrderWorld o;
  World& w = o.w();
  std::mt19937 rng(1945);
  const std::uint16_t nations[] = {1, 2, 4, 5, 8, kNeutralNation};
  std::vector<std::pair<int, int>> towns;
  for (int i = 0; i < 60; ++i) {
    const int x = 20 + 3 * (i % 20), y = 40 + 5 * (i / 20);
    const std::uint16_t owner = nations[rng() % std::size(nations)];
    const std::uint16_t holder = rng() % 4 == 0 ? nations[rng() % std::size(nations)] : owner;
    o.AddSettlement(x, y, owner, holder, static_cast<std::uint16_t>(rng() % 5 == 0 ? 0 : 40));
    towns.emplace_back(x, y);
  }
  RebuildHoldings(w);
  const std::uint16_t entering[] = {testing::kSovietRifles, testing::kSecondSovietCavalry,
                                    testing::kGermanInfantry, testing::kRomanianInfantry};
  int captures = 0;
  for (; captures < 500 && w.WarResult == kWarGoesOn; ++captures) {
    const auto [x, y] = towns[rng() % towns.size()];
    // The German side mostly advances, so that the war ends.
    const int n = o.Place(x, y, entering[rng() % 8 == 0 ? rng() % 2 : 2 + rng() % 2]);
    w.TargetX = x;
    w.TargetY = y;
    CaptureSettlement(w);
    ASSERT_EQ(w.WarResult, PlainResult(w)) << "capture " << captures;
    ASSERT_TRUE(CheckHoldings(w)) << CheckHoldings(w).Message();
    Cell(w, x, y).GroundFormation = 0;
    Formation(w, n) = TFormation{};
  }
  EXPECT_NE(w.WarResult, kWarGoesOn) << "no side collapsed in " << captures << " captures";
}

}  // namespace
}  // namespace gm
