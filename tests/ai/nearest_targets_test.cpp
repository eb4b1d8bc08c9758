// The nearest enemy formation and enemy-held settlement against the plain reading of the
// theatre: four half-plane scans (north, east, south, west), each row by row, strictly nearer
// wins. Random worlds crowd the candidates around the formation so that distances tie often.
#include "ai/nearest_targets.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
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

TEST(NearestTargetsTest, SameAsTheFourHalfPlaneScans) {
  AiWorld t;
  World& w = t.w();
  std::mt19937 rng(20260612);
  auto uniform = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  // Corners and edges of the theatre as well as its inside.
  const int edgeX[] = {0, 1, 358, 359};
  const int edgeY[] = {30, 31, 328, 329};
  const std::uint16_t types[] = {kGermanInfantry, kRomanianInfantry, kSovietRifles,
                                 kSecondSovietCavalry};
  const std::uint16_t holders[] = {0, 1, 2, 4, 5, 8, 10, 40};
  int found = 0;
  for (int trial = 0; trial < 200; ++trial) {
    SCOPED_TRACE(trial);
    w.SideOnMove = static_cast<std::uint8_t>(trial % 2);
    int x = uniform(0, 359), y = uniform(30, 329);
    if (trial % 5 == 1) x = edgeX[uniform(0, 3)];
    if (trial % 5 == 2) y = edgeY[uniform(0, 3)];
    if (trial % 5 == 3) x = edgeX[uniform(0, 3)], y = edgeY[uniform(0, 3)];
    // Candidates within a small radius tie often; a few lie anywhere in the theatre.
    const int radius = uniform(1, 12);
    std::vector<int> cells;
    int formations = 0, settlements = 0;
    const int count = uniform(0, 40);
    for (int i = 0; i < count; ++i) {
      int cx = uniform(x - radius, x + radius), cy = uniform(y - radius, y + radius);
      if (i % 7 == 6) cx = uniform(0, 359), cy = uniform(30, 329);
      if (i % 11 == 10) cx = x, cy = y;  // the formation's own cell is in no half-plane
      if (!InTheatre(cx, cy)) continue;
      TMapCell& c = Cell(w, cx, cy);
      if (c.GroundFormation == 0 && uniform(0, 1) == 0) {
        PlaceAt(w, ++formations, cx, cy, types[uniform(0, 3)]);
        cells.push_back(cy * kMapWidth + cx);
      } else if (c.Settlement == 0) {
        c.Settlement = static_cast<std::uint16_t>(++settlements);
        Settlement(w, settlements).HolderNation = holders[uniform(0, 7)];
        cells.push_back(cy * kMapWidth + cx);
      }
    }
    RebuildHoldings(w);

    const FoundCell enemy = NearestEnemyFormation(w, x, y);
    const FoundCell enemyWanted = ScanHalfPlanes(w, x, y, MeetEnemyFormation);
    EXPECT_EQ(enemy.found, enemyWanted.found);
    EXPECT_EQ(enemy.x, enemyWanted.x);
    EXPECT_EQ(enemy.y, enemyWanted.y);
    const FoundCell town = NearestEnemySettlement(w, x, y);
    const FoundCell townWanted = ScanHalfPlanes(w, x, y, MeetEnemySettlement);
    EXPECT_EQ(town.found, townWanted.found);
    EXPECT_EQ(town.x, townWanted.x);
    EXPECT_EQ(town.y, townWanted.y);
    found += enemyWanted.found + townWanted.found;

    for (const int at : cells) {
      TMapCell& c = w.MapCells[at];
      c.GroundFormation = 0;
      c.Settlement = 0;
    }
    for (int n = 1; n <= formations; ++n) Formation(w, n) = TFormation{};
    for (int n = 1; n <= settlements; ++n) Settlement(w, n) = TSettlement{};
  }
  EXPECT_GT(found, 100);  // the worlds were not empty
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
