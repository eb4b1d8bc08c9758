// New formations of the computer: where they rise, which record and type they take, what they
// cost, and the caps.
#include "ai/new_formations.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "ai_world.hpp"
#include "tests/world/synthetic_world.hpp"
#include "world/formation_lists.hpp"
#include "world/holdings.hpp"
#include "world/tables/tables.hpp"

namespace gm {
namespace {

using testing::AiWorld;
using testing::kGermanInfantry;
using testing::kSovietRifles;

// A Soviet-held settlement at (100, 100) with an enemy `enemyDx` columns east of it.
struct Spawn {
  AiWorld t;
  explicit Spawn(int enemyDx = 20) {
    t.AddSettlement(100, 100, 5, 5, 10);
    if (enemyDx != 0) t.Place(100 + enemyDx, 100, kGermanInfantry);
    w().Economy.RecruitPool[NationIndex(5)] = 100'000;
  }
  World& w() { return t.w(); }
  std::uint16_t At(int x, int y) { return Cell(w(), x, y).GroundFormation; }
};

TEST(NewFormationsTest, ARaisedFormation) {
  Spawn s;
  SpawnNewFormations(s.w(), 1);
  ASSERT_EQ(s.At(100, 100), kMaxFormations);
  const TFormation& f = Formation(s.w(), kMaxFormations);
  EXPECT_EQ(f.Branch, 1);
  EXPECT_EQ(f.X, 100);
  EXPECT_EQ(f.yCopy, 100);
  EXPECT_EQ(f.Men, kNewFormationMen);
  EXPECT_EQ(f.Experience, 1);
  EXPECT_EQ(f.Morale, 100);
  EXPECT_EQ(f.OrdersLeft, 0);
  EXPECT_EQ(f.Cars, 0);
  EXPECT_EQ(FormationTypes[f.FormationType].Nation, 5);
  EXPECT_EQ(FormationTypes[f.FormationType].Branch, 1);
  EXPECT_EQ(s.w().Ai.AiState, kAiNewFormationsDone);
}

TEST(NewFormationsTest, HighestFreeRecordsFirstInVisitingOrder) {
  Spawn s;
  s.t.AddSettlement(100, 90, 5, 5, 10);  // same column, lower row: visited first
  s.t.AddSettlement(99, 120, 5, 5, 10);  // lower column: visited before both
  SpawnNewFormations(s.w(), 1);
  EXPECT_EQ(s.At(99, 120), kMaxFormations);
  EXPECT_EQ(s.At(100, 90), kMaxFormations - 1);
  EXPECT_EQ(s.At(100, 100), kMaxFormations - 2);
}

TEST(NewFormationsTest, WhereNothingIsRaised) {
  struct Case {
    const char* name;
    void (*setUp)(Spawn&);
    bool raised;
  };
  const Case cases[] = {
      {"an enemy exactly 30 columns away is near enough", [](Spawn&) {}, true},
      {"no enemy within 30 cells", [](Spawn& s) { Cell(s.w(), 130, 100).GroundFormation = 0; },
       false},
      {"an enemy beside the settlement", [](Spawn& s) { s.t.Place(101, 101, kGermanInfantry); },
       false},
      {"the settlement has no value", [](Spawn& s) { Settlement(s.w(), 1).Value = 0; }, false},
      {"the cell is taken", [](Spawn& s) { s.t.Place(100, 100, kSovietRifles); }, false},
      {"held by the enemy", [](Spawn& s) { Settlement(s.w(), 1).HolderNation = 2; }, false},
      {"the other side is on move", [](Spawn& s) { s.w().SideOnMove = kGermanSide; }, false},
      {"the column lies west of column 30",
       [](Spawn& s) {
         Cell(s.w(), 100, 100).Settlement = 0;
         Cell(s.w(), 29, 100).Settlement = 1;
         s.t.Place(40, 100, kGermanInfantry);
       },
       false},
  };
  for (const Case& c : cases) {
    Spawn s(30);
    c.setUp(s);
    const int before = [&] {
      int n = 0;
      for (const TFormation& f : s.w().Formations) n += f.Branch != 0;
      return n;
    }();
    SpawnNewFormations(s.w(), 1);
    int after = 0;
    for (const TFormation& f : s.w().Formations) after += f.Branch != 0;
    EXPECT_EQ(after - before, c.raised ? 1 : 0) << c.name;
  }
  {  // with a flag other than 1 the enemy test is skipped and the state is left alone
    Spawn s(0);
    s.w().Ai.AiState = kAiNewFormations;
    SpawnNewFormations(s.w(), 0);
    EXPECT_EQ(s.At(100, 100), kMaxFormations);
    EXPECT_EQ(s.w().Ai.AiState, kAiNewFormations);
  }
}

TEST(NewFormationsTest, ConscriptsPayForTheMenAndAShortPoolIsEmptied) {
  // A pool past 2^31 is a count of the economy like any other, not a debt.
  constexpr std::int32_t kBig = static_cast<std::int32_t>(0x8000'0000u);
  for (const auto& [pool, left] :
       {std::pair{120, 0}, std::pair{1000, 700}, std::pair{300, 0},
        std::pair{kBig, static_cast<std::int32_t>(0x8000'0000u - 300)}}) {
    Spawn s;
    s.w().Economy.RecruitPool[NationIndex(5)] = pool;
    SpawnNewFormations(s.w(), 1);
    EXPECT_EQ(s.At(100, 100), kMaxFormations);
    EXPECT_EQ(Formation(s.w(), kMaxFormations).Men, 300);
    EXPECT_EQ(s.w().Economy.RecruitPool[NationIndex(5)], left) << pool;
  }
}

TEST(NewFormationsTest, ANationStopsAtItsCap) {
  AiWorld t;
  World& w = t.w();
  w.SideOnMove = kGermanSide;
  for (int i = 0; i < 499; ++i) t.Place(200 + i % 100, 200 + i / 100, kGermanInfantry);
  t.Place(150, 100, kSovietRifles);
  t.AddSettlement(140, 105, 2, 2, 10);
  t.AddSettlement(140, 95, 2, 2, 10);
  t.AddSettlement(141, 90, 2, 2, 10);
  SpawnNewFormations(w, 1);
  EXPECT_EQ(Cell(w, 140, 95).GroundFormation, kMaxFormations);
  EXPECT_EQ(Cell(w, 140, 105).GroundFormation, 0);
  EXPECT_EQ(Cell(w, 141, 90).GroundFormation, 0);
  EXPECT_EQ(w.Lists.NationFormationCount[NationIndex(2)], 500);
}

TEST(NewFormationsTest, AFullFormationTableRaisesNothing) {
  Spawn s;
  for (TFormation& f : s.w().Formations) {
    if (f.Branch == 0) f.Branch = 2;  // every record used
  }
  SpawnNewFormations(s.w(), 1);
  EXPECT_EQ(s.At(100, 100), 0);
}

TEST(NewFormationsTest, BestTypesAreTheStrongestAvailable) {
  AiWorld t;
  World& w = t.w();
  w.GameHeader.Year = 1943;
  w.GameHeader.Month = 1;
  ChooseBestTypes(w, 2);
  const auto& best = w.Ai.BestTypes[NationIndex(2)];
  for (int e = 0; e < 3; ++e) {
    ASSERT_NE(best[e], 0);
    const TFormationType& ft = FormationTypes[best[e]];
    EXPECT_EQ(ft.Nation, 2);
    EXPECT_EQ(ft.Branch, 1);
    EXPECT_TRUE(ft.Year < 1943 || (ft.Year == 1943 && ft.Month <= 1));
  }
  EXPECT_NE(best[0], best[1]);
  EXPECT_NE(best[1], best[2]);
  EXPECT_NE(best[0], best[2]);
  EXPECT_TRUE(w.Ai.PickedType == best[0] || w.Ai.PickedType == best[1] ||
              w.Ai.PickedType == best[2]);

  ChooseBestTypes(w, 8);  // one best type in all three entries
  const auto& eight = w.Ai.BestTypes[NationIndex(8)];
  EXPECT_NE(eight[0], 0);
  EXPECT_EQ(eight[0], eight[1]);
  EXPECT_EQ(eight[0], eight[2]);

  const auto saved = w.Ai.BestTypes;
  ChooseBestTypes(w, 0);
  ChooseBestTypes(w, 9);
  EXPECT_EQ(w.Ai.BestTypes, saved);
}

TEST(NewFormationsTest, ATypeIsAvailableFromItsMonth) {
  // Nation 8's first type: before its month the nation has nothing to raise.
  int first = 0;
  for (int t = 1; t <= kFormationTypeRows; ++t) {
    const TFormationType& ft = FormationTypes[t];
    if (ft.Nation != 8 || ft.Branch != 1) continue;
    if (first == 0 ||
        ft.Year * 12 + ft.Month < FormationTypes[first].Year * 12 + FormationTypes[first].Month) {
      first = t;
    }
  }
  ASSERT_NE(first, 0);
  const TFormationType& ft = FormationTypes[first];
  AiWorld t;
  World& w = t.w();
  w.GameHeader.Year = ft.Year;
  w.GameHeader.Month = static_cast<std::uint16_t>(ft.Month);
  ChooseBestTypes(w, 8);
  EXPECT_NE(w.Ai.PickedType, 0);

  AiWorld early;
  World& e = early.w();
  e.GameHeader.Year = ft.Month == 1 ? ft.Year - 1 : ft.Year;
  e.GameHeader.Month = static_cast<std::uint16_t>(ft.Month == 1 ? 12 : ft.Month - 1);
  ChooseBestTypes(e, 8);
  EXPECT_EQ(e.Ai.PickedType, 0);
  EXPECT_EQ(e.Ai.BestTypes[NationIndex(8)][0], 0);
}

TEST(NewFormationsTest, AnUnfilledEntryIsNeverRaised) {
  // Only one entry filled and nothing available now: the draws fall on it or on nothing, and
  // nothing of type 0 is ever raised.
  for (int draw = 0; draw < 12; ++draw) {
    Spawn s;
    s.w().RandomSeed = static_cast<std::uint32_t>(draw * 7919);
    s.w().GameHeader.Year = 1900;
    s.w().Ai.BestTypes[NationIndex(5)] = {kSovietRifles, 0, 0};
    SpawnNewFormations(s.w(), 1);
    const std::uint16_t n = s.At(100, 100);
    if (n != 0) {
      EXPECT_EQ(Formation(s.w(), n).FormationType, kSovietRifles);
    }
    for (const TFormation& f : s.w().Formations) {
      if (f.Branch != 0) {
        EXPECT_NE(f.FormationType, 0);
      }
    }
    EXPECT_EQ(s.w().Economy.RecruitPool[NationIndex(5)], n != 0 ? 99'700 : 100'000);
  }
}

TEST(NewFormationsTest, TheDrawFallsOnFilledEntriesOnly) {
  // Nothing is available in 1900, so the scans keep the entries as set here; the draw over many
  // seeds must meet every filled entry and never an unfilled one.
  constexpr std::uint16_t kA = kSovietRifles, kB = 4, kC = 18;
  struct Case {
    const char* name;
    std::array<std::uint16_t, 3> entries;
    std::vector<std::uint16_t> drawn;  // every type the draws must meet, and no other
  };
  const Case cases[] = {
      {"all three", {kA, kB, kC}, {kA, kB, kC}},
      {"two", {kA, kB, 0}, {kA, kB}},
      {"one", {kA, 0, 0}, {kA}},
      {"none", {0, 0, 0}, {0}},
  };
  AiWorld t;
  World& w = t.w();
  w.GameHeader.Year = 1900;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::set<std::uint16_t> met;
    for (std::uint32_t seed = 1; seed < 60; ++seed) {
      w.RandomSeed = seed * 2'654'435'761u;
      w.Ai.BestTypes[NationIndex(5)] = c.entries;
      ChooseBestTypes(w, 5);
      met.insert(w.Ai.PickedType);
      EXPECT_EQ(w.Ai.BestTypes[NationIndex(5)], c.entries);
    }
    EXPECT_EQ(met, std::set<std::uint16_t>(c.drawn.begin(), c.drawn.end()));
  }
}

// The raising written out plainly: every theatre cell from column 30, column by column, every
// test in its turn, the highest free record, the drawn type and the conscripts that pay.
void PlainSpawn(World& w, std::uint8_t flag) {
  CountGroundFormations(w);
  auto enemyAt = [&w](int x, int y) {
    const TFormation* f = UsedFormation(w, Cell(w, x, y).GroundFormation);
    return f != nullptr && IsEnemy(w, NationOf(*f));
  };
  const std::vector<int> nations =
      w.SideOnMove == kSovietSide ? std::vector<int>{5, 8} : std::vector<int>{1, 2, 3, 4, 6, 7};
  for (int x = 30; x <= 359; ++x) {
    for (int y = 30; y <= 329; ++y) {
      const TMapCell& cell = Cell(w, x, y);
      if (cell.Settlement == 0) continue;
      const TSettlement& s = Settlement(w, cell.Settlement);
      if (flag == 1 && s.HolderNation >= 1 && s.HolderNation <= 8) {
        bool near = false;
        for (int yy = y - 30; yy <= y + 30 && !near; ++yy) {
          for (int xx = x - 30; xx <= x + 30 && !near; ++xx)
            near = OnMap(xx, yy) && enemyAt(xx, yy);
        }
        if (!near) continue;
      }
      if (s.Value == 0 || cell.GroundFormation != 0) continue;
      bool enemyBeside = false;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          enemyBeside |= (dx != 0 || dy != 0) && enemyAt(x + dx, y + dy);
        }
      }
      if (enemyBeside) continue;
      const int n = s.HolderNation;
      if (std::find(nations.begin(), nations.end(), n) == nations.end()) continue;
      if (w.Lists.NationFormationCount[n - 1] >= GroundFormationCap(n)) continue;
      int record = 0;
      for (int r = 1; r <= kMaxFormations; ++r) record = Formation(w, r).Branch == 0 ? r : record;
      if (record == 0) continue;
      ChooseBestTypes(w, static_cast<std::uint16_t>(n));
      if (w.Ai.PickedType == 0) continue;
      RaiseFormationRecord(w, record, x, y, w.Ai.PickedType);
      std::int32_t& pool = w.Economy.RecruitPool[FormationTypes[w.Ai.PickedType].Nation - 1];
      pool = static_cast<std::uint32_t>(pool) < 300 ? 0 : pool - 300;
      ++w.Lists.NationFormationCount[n - 1];
    }
  }
  if (flag == 1) w.Ai.AiState = kAiNewFormationsDone;
}

TEST(NewFormationsTest, TheSameRaisesAsThePlainVisitOfEveryCell) {
  std::mt19937 rng(1943);
  auto uniform = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  const std::uint16_t holders[] = {0, 2, 3, 5, 7, 8, 10};
  const std::uint16_t types[] = {kSovietRifles, testing::kSecondSovietCavalry, kGermanInfantry,
                                 testing::kRomanianInfantry};
  for (int trial = 0; trial < 24; ++trial) {
    SCOPED_TRACE("trial " + std::to_string(trial));
    AiWorld t;
    World& w = t.w();
    w.SideOnMove = static_cast<std::uint8_t>(trial % 2);
    w.GameHeader.Year = static_cast<std::uint16_t>(1941 + trial % 4);
    w.RandomSeed = static_cast<std::uint32_t>(rng());
    for (int n = 1; n <= 8; ++n) w.Economy.RecruitPool[n - 1] = uniform(0, 3) * 1000;
    // Formations of every side: enough of nations 7 and 8 to meet their caps of 10.
    for (int i = uniform(20, 120); i > 0; --i) {
      const int x = uniform(0, 359), y = uniform(30, 329);
      if (Cell(w, x, y).GroundFormation == 0) t.Place(x, y, types[uniform(0, 3)]);
    }
    // Towns in clusters, so that enemies stand beside some and near others.
    for (int i = uniform(50, 400); i > 0; --i) {
      const int x = uniform(25, 359), y = uniform(30, 329);
      if (Cell(w, x, y).Settlement != 0) continue;
      t.AddSettlement(x, y, 5, holders[uniform(0, 6)], static_cast<std::uint16_t>(uniform(0, 3)));
    }
    if (trial % 6 == 5) {  // only a few free records left
      for (int n = 1; n <= kMaxFormations - 3; ++n) {
        if (Formation(w, n).Branch == 0) Formation(w, n).Branch = 2;
      }
    }
    RebuildHoldings(w);
    const std::uint8_t flag = trial % 8 == 7 ? 0 : 1;
    auto plain = testing::CopyWorld(w);
    PlainSpawn(*plain, flag);
    SpawnNewFormations(w, flag);
    EXPECT_TRUE(testing::SameBytes(w, *plain));
    int raised = 0;
    for (int n = 1; n <= kMaxFormations; ++n) raised += Formation(w, n).Men == kNewFormationMen;
    EXPECT_GT(raised, 0);
  }
}

}  // namespace
}  // namespace gm
