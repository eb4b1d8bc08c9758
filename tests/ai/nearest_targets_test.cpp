// The nearest enemy formation and enemy-held settlement against the plain reading of the
// theatre: four half-plane scans (north, east, south, west), each row by row, strictly nearer
// wins. Random worlds crowd the candidates around the formation so that distances tie often.
#include "ai/nearest_targets.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "ai_world.hpp"
#include "world/holdings.hpp"
#include "world/world_access.hpp"

namespace gm {
namespace {

using testing::AiWorld;
using testing::kGermanInfantry;
using testing::kRomanianInfantry;
using testing::kSecondSovietCavalry;
using testing::kSovietRifles;

// What a theatre cell offers a scan: whether it counts, and the place measured to.
using Meet = bool (*)(const World&, int x, int y, int& ex, int& ey);

FoundCell ScanHalfPlanes(const World& w, int x, int y, Meet meet) {
  FoundCell found;
  int best = 10'000;
  auto scan = [&](int row0, int row1, int col0, int col1) {
    for (int r = row0; r <= row1; ++r) {
      for (int c = col0; c <= col1; ++c) {
        int ex = 0, ey = 0;
        if (!meet(w, c, r, ex, ey)) continue;
        const int d = std::abs(ex - x) + std::abs(ey - y);
        if (d < best) {
          best = d;
          found = {true, ex, ey};
        }
      }
    }
  };
  if (y > 30) scan(30, y - 1, 0, 359);
  if (x < 359) scan(30, 329, x + 1, 359);
  if (y < 329) scan(y + 1, 329, 0, 359);
  if (x > 0) scan(30, 329, 0, x - 1);
  return found;
}

bool MeetEnemyFormation(const World& w, int x, int y, int& ex, int& ey) {
  const TFormation* f = UsedFormation(w, Cell(w, x, y).GroundFormation);
  if (f == nullptr || !IsEnemy(w, NationOf(*f))) return false;
  ex = f->X;
  ey = f->Y;
  return true;
}

bool MeetEnemySettlement(const World& w, int x, int y, int& ex, int& ey) {
  const int s = Cell(w, x, y).Settlement;
  if (s == 0 || s > kMaxSettlements || !IsEnemy(w, Settlement(w, s).HolderNation)) return false;
  ex = x;
  ey = y;
  return true;
}

// Places the formation with the record's position in step with its cell.
void PlaceAt(World& w, int n, int x, int y, std::uint16_t type) {
  TFormation& f = Formation(w, n);
  f = TFormation{};
  f.X = f.xCopy = static_cast<std::uint16_t>(x);
  f.Y = f.yCopy = static_cast<std::uint16_t>(y);
  f.FormationType = type;
  f.Branch = 1;
  Cell(w, x, y).GroundFormation = static_cast<std::uint16_t>(n);
}

void ExpectSameAsThePlainScans(World& w, int x, int y, bool formations, int& found) {
  if (formations) {
    const FoundCell enemy = NearestEnemyFormation(w, x, y);
    const FoundCell enemyWanted = ScanHalfPlanes(w, x, y, MeetEnemyFormation);
    EXPECT_EQ(enemy.found, enemyWanted.found);
    EXPECT_EQ(enemy.x, enemyWanted.x);
    EXPECT_EQ(enemy.y, enemyWanted.y);
    found += enemyWanted.found;
  }
  const FoundCell town = NearestEnemySettlement(w, x, y);
  const FoundCell townWanted = ScanHalfPlanes(w, x, y, MeetEnemySettlement);
  EXPECT_EQ(town.found, townWanted.found);
  EXPECT_EQ(town.x, townWanted.x);
  EXPECT_EQ(town.y, townWanted.y);
  found += townWanted.found;
}

// Worlds of each kind, with the formation in hand anywhere in the theatre, at its edges and
// corners, and just outside it.
struct WorldKind {
  const char* name;
  int trials;
  int candidates;   // at most this many formations and settlement cells
  int radius;       // most candidates lie within this many cells of the formation
  int farEvery;     // every n-th candidate lies anywhere in the theatre
  int sharedEvery;  // every n-th settlement cell names a settlement already placed (0: none)
  bool mirrored;    // each candidate comes with its mirror images about the formation's cell
};

TEST(NearestTargetsTest, SameAsTheFourHalfPlaneScans) {
  const WorldKind kinds[] = {
      {"crowded around the formation", 60, 40, 12, 7, 0, false},
      {"mirror images: every distance ties", 100, 12, 10, 1000, 0, true},
      {"a few candidates anywhere: the search goes far", 40, 4, 0, 1, 0, false},
      {"a wide front", 30, 120, 60, 5, 0, false},
      {"settlements named by cells of several blocks", 30, 60, 30, 3, 4, false},
  };
  AiWorld t;
  World& w = t.w();
  std::mt19937 rng(20260612);
  auto uniform = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  const int edgeX[] = {0, 1, 358, 359, 360};
  const int edgeY[] = {29, 30, 31, 328, 329};
  const std::uint16_t types[] = {kGermanInfantry, kRomanianInfantry, kSovietRifles,
                                 kSecondSovietCavalry};
  const std::uint16_t holders[] = {0, 1, 2, 4, 5, 8, 10, 40};
  for (const WorldKind& kind : kinds) {
    int found = 0;
    for (int trial = 0; trial < kind.trials; ++trial) {
      SCOPED_TRACE(std::string(kind.name) + ", trial " + std::to_string(trial));
      w.SideOnMove = static_cast<std::uint8_t>(trial % 2);
      int x = uniform(0, 359), y = uniform(30, 329);
      if (trial % 5 == 1) x = edgeX[uniform(0, 4)];
      if (trial % 5 == 2) y = edgeY[uniform(0, 4)];
      if (trial % 5 == 3) x = edgeX[uniform(0, 4)], y = edgeY[uniform(0, 4)];
      std::vector<int> cells;
      int formations = 0, settlements = 0;
      const int count = uniform(0, kind.candidates);
      std::vector<std::array<int, 3>> places;  // column, row, what: 0 formation, 1 settlement
      for (int i = 0; i < count; ++i) {
        int cx = uniform(x - kind.radius, x + kind.radius);
        int cy = uniform(y - kind.radius, y + kind.radius);
        if (i % kind.farEvery == kind.farEvery - 1) cx = uniform(0, 359), cy = uniform(30, 329);
        if (i % 11 == 10) cx = x, cy = y;  // the formation's own cell is in no half-plane
        const int what = uniform(0, 1);
        places.push_back({cx, cy, what});
        if (kind.mirrored) {
          places.push_back({2 * x - cx, cy, what});
          places.push_back({cx, 2 * y - cy, what});
          places.push_back({2 * x - cx, 2 * y - cy, what});
        }
      }
      for (const auto& [cx, cy, what] : places) {
        if (!InTheatre(cx, cy)) continue;
        const int i = static_cast<int>(cells.size());
        TMapCell& c = Cell(w, cx, cy);
        if (c.GroundFormation == 0 && what == 0) {
          PlaceAt(w, ++formations, cx, cy, types[uniform(0, 3)]);
          cells.push_back(cy * kMapWidth + cx);
        } else if (c.Settlement == 0) {
          if (kind.sharedEvery > 0 && settlements > 0 && i % kind.sharedEvery == 0) {
            c.Settlement = static_cast<std::uint16_t>(uniform(1, settlements));
          } else {
            c.Settlement = static_cast<std::uint16_t>(++settlements);
            Settlement(w, settlements).HolderNation = holders[uniform(0, 7)];
            Settlement(w, settlements).Value = static_cast<std::uint16_t>(uniform(0, 1) * 30);
          }
          cells.push_back(cy * kMapWidth + cx);
        }
      }
      RebuildHoldings(w);
      ExpectSameAsThePlainScans(w, x, y, true, found);

      // Settlements change hands as captures change them; the searches follow.
      for (int capture = 0; capture < 2 && settlements > 0; ++capture) {
        const int n = uniform(1, settlements);
        ChangeSettlementHolder(w, n, holders[uniform(0, 7)], Settlement(w, n).Value);
        ExpectSameAsThePlainScans(w, x, y, false, found);
      }
      EXPECT_TRUE(CheckHoldings(w)) << CheckHoldings(w).Message();

      for (const int at : cells) {
        TMapCell& c = w.MapCells[at];
        c.GroundFormation = 0;
        c.Settlement = 0;
      }
      for (int n = 1; n <= formations; ++n) Formation(w, n) = TFormation{};
      for (int n = 1; n <= settlements; ++n) Settlement(w, n) = TSettlement{};
    }
    EXPECT_GT(found, kind.trials / 2) << kind.name;  // the worlds were not empty
  }
}

TEST(NearestTargetsTest, EverySettlementCellOfACrowdedTheatreCounts) {
  // Settlement cells may share a number: here every theatre cell names an own-held settlement
  // but one enemy-held cell in the last row, far more cells than the settlement table has.
  AiWorld t;
  World& w = t.w();
  Settlement(w, 1).HolderNation = 5;
  Settlement(w, 2).HolderNation = 2;
  for (int y = kTheatreMinY; y <= kTheatreMaxY; ++y) {
    for (int x = kTheatreMinX; x <= kTheatreMaxX; ++x) Cell(w, x, y).Settlement = 1;
  }
  Cell(w, 200, kTheatreMaxY).Settlement = 2;
  RebuildHoldings(w);
  const FoundCell town = NearestEnemySettlement(w, 10, 40);
  EXPECT_TRUE(town.found);
  EXPECT_EQ(town.x, 200);
  EXPECT_EQ(town.y, kTheatreMaxY);
}

}  // namespace
}  // namespace gm
