// Reach grids: movement points, paths through the move window, the neighbour rule, fire,
// assault and drop marks, the air range square and its targets, and the edges of the map.
#include "world/reach_grids.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "tests/world/order_test_world.hpp"

namespace gm {
namespace {

using testing::OrderWorld;
namespace t = testing;

constexpr int C = kGroundGridCentre;
constexpr int A = kAirGridCentre;

// --- Movement points ---

struct AllowanceCase {
  const char* name;
  int men, cars, horses;
  int tanks, spGuns, armouredCars, towed, unusedPairs;  // counts put in pairs 0, 8, 11, 14, 6
  int expected;
};

TEST(MovementAllowance, FollowsSupplyOverLoad) {
  const AllowanceCase cases[] = {
      {"ratio 1.0 is the lowest level", 1000, 0, 0, 0, 0, 0, 0, 0, 10},
      {"just above 1.0", 1001, 0, 1, 0, 0, 0, 0, 0, 20},
      {"ratio 1.5 exactly", 1000, 0, 500, 0, 0, 0, 0, 0, 20},
      {"ratio 2.0 exactly", 1000, 100, 0, 0, 0, 0, 0, 0, 30},
      {"ratio 2.5 exactly", 1000, 150, 0, 0, 0, 0, 0, 0, 40},
      {"ratio 3.0 exactly", 1000, 200, 0, 0, 0, 0, 0, 0, 50},
      {"just above 3.0", 1000, 200, 1, 0, 0, 0, 0, 0, 60},
      {"towed pieces weigh ten men", 1000, 200, 0, 0, 0, 0, 100, 0, 20},
      {"tanks carry four men", 1000, 0, 1000, 125, 0, 0, 0, 0, 60},
      {"self-propelled guns carry five", 1000, 0, 600, 0, 100, 0, 0, 0, 60},
      {"armoured cars carry six", 1000, 0, 0, 0, 0, 100, 0, 0, 40},
      {"pairs 6 and 7 are not counted", 1000, 0, 0, 0, 0, 0, 0, 500, 10},
      {"a load of 0 gets the lowest level", 400, 100, 0, 100, 0, 0, 0, 0, 10},
      {"a negative load gets the lowest level", 100, 100, 100, 100, 0, 0, 0, 0, 10},
      {"nothing at all", 0, 0, 0, 0, 0, 0, 0, 0, 10},
  };
  for (const auto& c : cases) {
    TFormation f{};
    f.Men = static_cast<std::uint16_t>(c.men);
    f.Cars = static_cast<std::uint16_t>(c.cars);
    f.Horses = static_cast<std::uint16_t>(c.horses);
    f.pairs[0].Count = static_cast<std::uint16_t>(c.tanks);
    f.pairs[8].Count = static_cast<std::uint16_t>(c.spGuns);
    f.pairs[11].Count = static_cast<std::uint16_t>(c.armouredCars);
    f.pairs[14].Count = static_cast<std::uint16_t>(c.towed);
    f.pairs[6].Count = static_cast<std::uint16_t>(c.unusedPairs);
    EXPECT_EQ(MovementAllowance(f), c.expected) << c.name;
  }
}

TEST(BuildMoveGrid, StoresTheAllowance) {
  OrderWorld o;
  const int f = o.Place(100, 100, t::kSovietRifles);
  Formation(o.w(), f).Cars = 200;
  o.Select(100, 100);
  BuildMoveGrid(o.w());
  EXPECT_EQ(o.w().Reach.MoveAllowance, 50);
}

// --- Moves ---

// A formation walled in by sea with only the given cells open.
struct Corridor {
  OrderWorld o;
  int f;
  Corridor(int x, int y, std::uint16_t horses) {
    for (int yy = y - 10; yy <= y + 10; ++yy)
      for (int xx = x - 10; xx <= x + 10; ++xx) o.At(xx, yy).Terrain = t::kSeaTile;
    o.At(x, y).Terrain = t::kPlainTile;
    f = o.Place(x, y, t::kSovietRifles);
    Formation(o.w(), f).Horses = horses;
    o.Select(x, y);
  }
};

TEST(BuildMoveGrid, RoadPathReachesExactlyTheAllowance) {
  Corridor k(100, 100, 500);  // 1500 / 1000 = 1.5: 20 points
  for (int dx = 1; dx <= 4; ++dx) k.o.At(100 + dx, 100).Terrain = t::kRoadTile;
  BuildMoveGrid(k.o.w());
  const auto& g = k.o.w().GroundReachGrid;
  EXPECT_EQ(k.o.w().Reach.MoveAllowance, 20);
  EXPECT_EQ(g(C, C + 1), kReachMove);
  EXPECT_EQ(g(C, C + 2), kReachMove);  // 10 + 10 = the allowance
  EXPECT_EQ(g(C, C + 3), kReachNone);
  EXPECT_EQ(g(C, C), kReachOwnCell);
  int moves = 0;
  for (int v : g.cells) moves += v == kReachMove;
  EXPECT_EQ(moves, 2);
}

TEST(BuildMoveGrid, DiagonalStepCostsTheCellEntered) {
  Corridor k(100, 100, 500);               // 20 points
  k.o.At(101, 99).Terrain = t::kRoadTile;  // upper right
  k.o.At(102, 98).Terrain = t::kRoadTile;
  k.o.At(103, 97).Terrain = t::kRoadTile;
  BuildMoveGrid(k.o.w());
  const auto& g = k.o.w().GroundReachGrid;
  EXPECT_EQ(g(C - 1, C + 1), kReachMove);
  EXPECT_EQ(g(C - 2, C + 2), kReachMove);
  EXPECT_EQ(g(C - 3, C + 3), kReachNone);
}

TEST(BuildMoveGrid, PathsGoAroundBlockedCells) {
  // 60 points on open plain (20 a cell): three cells out in every direction, but a sea wall of
  // three cells east of the formation makes the cells behind it cost a detour.
  OrderWorld o;
  const int f = o.Place(100, 100, t::kSovietRifles);
  Formation(o.w(), f).Cars = 201;  // 3010 / 1000: 60 points
  for (int y = 99; y <= 101; ++y) o.At(101, y).Terrain = t::kSeaTile;
  o.Select(100, 100);
  BuildMoveGrid(o.w());
  const auto& g = o.w().GroundReachGrid;
  EXPECT_EQ(g(C, C - 3), kReachMove);      // west, 60
  EXPECT_EQ(g(C, C - 4), kReachNone);      // west, 80
  EXPECT_EQ(g(C, C + 1), kReachNone);      // the wall
  EXPECT_EQ(g(C - 2, C + 1), kReachMove);  // round its end: 2 cells
  EXPECT_EQ(g(C - 1, C + 2), kReachMove);  // behind it: 3 cells round
  EXPECT_EQ(g(C, C + 2), kReachNone);      // straight behind: 4 cells round
  EXPECT_EQ(g(C, C + 3), kReachNone);
}

TEST(BuildMoveGrid, NeighbourRuleOffersEveryFreePassableNeighbour) {
  OrderWorld o;
  for (int y = 95; y <= 105; ++y)
    for (int x = 95; x <= 105; ++x) o.At(x, y).Terrain = t::kRiverTile;  // 70 > 10 points
  o.At(100, 100).Terrain = t::kPlainTile;
  o.Place(100, 100, t::kSovietRifles);
  o.At(99, 99).Terrain = t::kSeaTile;                           // impassable
  o.AddSettlement(100, 99, kNeutralNation, kNeutralNation, 5);  // neutral
  o.AddSettlement(101, 99, 5, kNeutralNation, 5);               // held by a neutral
  o.AddSettlement(99, 101, kNeutralNation, 5, 5);               // owned by a neutral
  o.Place(101, 101, t::kSovietRifles);                          // own formation
  o.Select(100, 100);
  BuildMoveGrid(o.w());
  const auto& g = o.w().GroundReachGrid;
  EXPECT_EQ(o.w().Reach.MoveAllowance, 10);
  EXPECT_EQ(g(C - 1, C - 1), kReachNone);
  EXPECT_EQ(g(C - 1, C), kReachNone);
  EXPECT_EQ(g(C - 1, C + 1), kReachNone);
  EXPECT_EQ(g(C + 1, C - 1), kReachNone);
  EXPECT_EQ(g(C + 1, C + 1), kReachNone);
  EXPECT_EQ(g(C, C - 1), kReachMove);  // river, 70 points above the allowance
  EXPECT_EQ(g(C, C + 1), kReachMove);
  EXPECT_EQ(g(C + 1, C), kReachMove);
  EXPECT_EQ(g(C - 2, C), kReachNone);  // the rule is for neighbours only
}

TEST(BuildMoveGrid, NeutralSettlementsAreNeverMoveCells) {
  // Road all round, neutral settlements at every distance within reach.
  OrderWorld o;
  for (int y = 90; y <= 110; ++y)
    for (int x = 90; x <= 110; ++x) o.At(x, y).Terrain = t::kRoadTile;
  const int f = o.Place(100, 100, t::kSovietRifles);
  Formation(o.w(), f).Cars = 201;  // 60 points: 6 road cells
  for (int d = 1; d <= 6; ++d) {
    o.AddSettlement(100 + d, 100, kNeutralNation, kNeutralNation, 10);
    o.AddSettlement(100, 100 + d, 2, kNeutralNation, 10);
  }
  o.Select(100, 100);
  BuildMoveGrid(o.w());
  const auto& g = o.w().GroundReachGrid;
  for (int d = 1; d <= 6; ++d) {
    EXPECT_EQ(g(C, C + d), kReachNone) << d;
    EXPECT_EQ(g(C + d, C), kReachNone) << d;
  }
  EXPECT_EQ(g(C - 6, C), kReachMove);
}

// The sweep written out plainly, ring by ring and side by side, every visited cell tried in
// all eight directions: the builder must find exactly the same cells on any terrain.
OneBasedGrid<std::int32_t, 19> PlainSweep(const World& w, int x0, int y0, int allowance) {
  OneBasedGrid<std::int32_t, 19> cost{}, g{};
  for (int r = 1; r <= 19; ++r) {
    for (int c = 1; c <= 19; ++c) {
      const int x = x0 - 10 + c, y = y0 - 10 + r;
      cost(r, c) = 255;
      if (InTheatre(x, y)) {
        const TMapCell& cell = Cell(w, x, y);
        cost(r, c) = cell.GroundFormation ? 255 : TerrainTiles[cell.Terrain].MoveCost;
      }
      g(r, c) = -1;
    }
  }
  g(10, 10) = allowance;
  const int stepCol[8] = {-1, -1, -1, 0, 1, 1, 1, 0};
  const int stepRow[8] = {1, 0, -1, -1, -1, 0, 1, 1};
  auto visit = [&](int r, int c) {
    for (int i = 0; i < 8; ++i) {
      const int nr = r + stepRow[i], nc = c + stepCol[i];
      if (g(nr, nc) < g(r, c) - cost(nr, nc)) g(nr, nc) = g(r, c) - cost(nr, nc);
    }
  };
  for (int pass = 0; pass < 5; ++pass) {
    for (int d = 0; d <= 8; ++d) {
      for (int c = 10 - d; c <= 10 + d; ++c) visit(10 - d, c);
      for (int r = 10 - d; r <= 10 + d; ++r) visit(r, 10 + d);
      for (int c = 10 + d; c >= 10 - d; --c) visit(10 + d, c);
      for (int r = 10 + d; r >= 10 - d; --r) visit(r, 10 - d);
    }
  }
  for (auto& e : g.cells) e = e < 0 ? 0 : 1;
  for (int r = 9; r <= 11; ++r)
    for (int c = 9; c <= 11; ++c)
      if (cost(r, c) < 255) g(r, c) = 1;
  g(10, 10) = 4;
  return g;
}

TEST(BuildMoveGrid, MatchesThePlainSweepOnRandomTerrain) {
  // Mostly road between many impassable cells, so that the best paths wind about; then windows
  // whose cheapest cell costs more than a road, so that the points reach fewer rings.
  const std::uint16_t roads[] = {t::kRoadTile, t::kRoadTile,  t::kRoadTile, t::kRoadTile,
                                 t::kRoadTile, t::kPlainTile, t::kSeaTile,  t::kSeaTile,
                                 t::kSeaTile,  t::kSeaTile};
  const std::uint16_t fields[] = {t::kPlainTile, t::kPlainTile, t::kPlainTile, t::kRiverTile,
                                  t::kSeaTile};
  const std::uint16_t rivers[] = {t::kRiverTile, t::kRiverTile, t::kSeaTile};
  std::uint32_t seed = 1941;
  auto next = [&](std::uint32_t n) {
    seed = seed * 1664525u + 1013904223u;
    return (seed >> 8) % n;
  };
  OrderWorld o;
  for (int round = 0; round < 1200; ++round) {
    const int x0 = 5 + static_cast<int>(next(350)), y0 = 35 + static_cast<int>(next(290));
    const int palette = round % 4;  // half the rounds on roads
    for (int y = y0 - 10; y <= y0 + 10; ++y) {
      for (int x = std::max(0, x0 - 10); x <= x0 + 10; ++x) {
        o.At(x, y).Terrain = palette == 2   ? fields[next(std::size(fields))]
                             : palette == 3 ? rivers[next(std::size(rivers))]
                                            : roads[next(std::size(roads))];
      }
    }
    const int f = o.Place(x0, y0, t::kSovietRifles);
    Formation(o.w(), f).Cars = static_cast<std::uint16_t>(next(250));
    for (int k = 0; k < 5; ++k) {  // own formations as obstacles
      const int x = x0 - 9 + static_cast<int>(next(19)), y = y0 - 9 + static_cast<int>(next(19));
      if (x >= 0 && o.At(x, y).GroundFormation == 0) o.Place(x, y, t::kSovietRifles);
    }
    o.Select(x0, y0);
    BuildMoveGrid(o.w());
    const auto expected = PlainSweep(o.w(), x0, y0, o.w().Reach.MoveAllowance);
    ASSERT_EQ(o.w().GroundReachGrid.cells, expected.cells) << "round " << round;
    for (int y = y0 - 10; y <= y0 + 10; ++y)
      for (int x = std::max(0, x0 - 10); x <= x0 + 10; ++x) o.At(x, y).GroundFormation = 0;
  }
}

// --- Fire and assault marks ---

struct MarkCase {
  const char* name;
  int dx, dy;
  std::uint16_t type;  // formation placed at (dx, dy)
  int ammo, howitzers, mortars, ordersLeft;
  std::int32_t expected;
};

TEST(BuildMoveGrid, FireAndAssaultMarks) {
  const MarkCase cases[] = {
      {"enemy at 2 with howitzers", 2, 0, t::kGermanInfantry, 10, 5, 0, 2, kReachFire},
      {"enemy at 2 with mortars", -2, 2, t::kGermanInfantry, 1, 0, 3, 2, kReachFire},
      {"enemy at 2 without fire pieces", 0, -2, t::kGermanInfantry, 10, 0, 0, 2, kReachNone},
      {"enemy at 2 without ammunition", 2, 1, t::kGermanInfantry, 0, 5, 0, 2, kReachNone},
      {"adjacent enemy", 1, 1, t::kRomanianInfantry, 1, 0, 0, 2, kReachAssault},
      {"adjacent enemy without ammunition", -1, 0, t::kGermanInfantry, 0, 5, 0, 2, kReachNone},
      {"own formation at 1", 0, 1, t::kSecondSovietCavalry, 10, 5, 0, 2, kReachNone},
      {"own formation at 2", 2, 2, t::kSovietRifles, 10, 5, 0, 2, kReachNone},
      {"enemy at 3 is never marked", 3, 0, t::kGermanInfantry, 10, 5, 0, 2, kReachNone},
      {"no orders left", 1, 0, t::kGermanInfantry, 10, 5, 0, 0, kReachNone},
  };
  for (const auto& c : cases) {
    OrderWorld o;
    const int f = o.Place(100, 100, t::kSovietRifles);
    TFormation& self = Formation(o.w(), f);
    self.Ammo = static_cast<std::uint16_t>(c.ammo);
    self.pairs[18].Count = static_cast<std::uint16_t>(c.howitzers);
    self.pairs[24].Count = static_cast<std::uint16_t>(c.mortars);
    self.OrdersLeft = static_cast<std::uint16_t>(c.ordersLeft);
    o.Place(100 + c.dx, 100 + c.dy, c.type);
    o.Select(100, 100);
    BuildMoveGrid(o.w());
    EXPECT_EQ(o.w().GroundReachGrid(C + c.dy, C + c.dx), c.expected) << c.name;
    EXPECT_EQ(o.w().GroundReachGrid(C, C), c.ordersLeft ? kReachOwnCell : kReachNone) << c.name;
  }
}

TEST(BuildMoveGrid, GermanSideMarksSovietFormations) {
  OrderWorld o;
  o.w().SideOnMove = kGermanSide;
  const int f = o.Place(100, 100, t::kGermanInfantry);
  Formation(o.w(), f).pairs[20].Count = 1;
  o.Place(101, 100, t::kSovietRifles);
  o.Place(98, 100, t::kSecondSovietCavalry);
  o.Place(100, 101, t::kRomanianInfantry);
  o.Select(100, 100);
  BuildMoveGrid(o.w());
  EXPECT_EQ(o.w().GroundReachGrid(C, C + 1), kReachAssault);
  EXPECT_EQ(o.w().GroundReachGrid(C, C - 2), kReachFire);
  EXPECT_EQ(o.w().GroundReachGrid(C + 1, C), kReachNone);
}

TEST(BuildMoveGrid, NoOrdersLeftClearsTheWholeGrid) {
  OrderWorld o;
  const int f = o.Place(100, 100, t::kSovietRifles);
  Formation(o.w(), f).OrdersLeft = 0;
  o.Place(101, 100, t::kGermanInfantry);
  o.Select(100, 100);
  BuildMoveGrid(o.w());
  for (int v : o.w().GroundReachGrid.cells) ASSERT_EQ(v, kReachNone);
}

// --- Airborne drops ---

bool IsCorner(int r, int c) {
  const int rr = std::min(r, 20 - r), cc = std::min(c, 20 - c);
  return rr + cc <= 3;  // (1,1), (1,2), (2,1) in each corner
}

TEST(BuildMoveGrid, DropMarksFromAnAirbase) {
  OrderWorld o;
  o.At(100, 100).Terrain = t::kAirbase;
  o.Place(100, 100, t::kSovietAirborne);
  o.At(95, 95).Terrain = t::kSeaTile;
  o.Place(102, 100, t::kGermanInfantry);  // enemy on sea at distance 2 loses its mark
  o.At(102, 100).Terrain = t::kSeaTile;
  o.Place(101, 101, t::kGermanInfantry);  // adjacent enemy on plain keeps its mark
  o.Place(97, 100, t::kSovietRifles);     // an occupied cell is no drop cell
  o.Select(100, 100);
  BuildMoveGrid(o.w());
  const auto& g = o.w().GroundReachGrid;
  int corners = 0;
  for (int r = 1; r <= 19; ++r) {
    for (int c = 1; c <= 19; ++c) {
      const int v = g(r, c);
      if (r == C && c == C) {
        EXPECT_EQ(v, kReachOwnCell);
      } else if (IsCorner(r, c)) {
        EXPECT_EQ(v, kReachNone) << r << "," << c;
        ++corners;
      } else if (r == C - 5 && c == C - 5) {
        EXPECT_EQ(v, kReachNone);  // sea
      } else if (r == C && c == C + 2) {
        EXPECT_EQ(v, kReachNone);  // enemy on sea
      } else if (r == C + 1 && c == C + 1) {
        EXPECT_EQ(v, kReachAssault);
      } else if (r == C && c == C - 3) {
        EXPECT_EQ(v, kReachNone);  // own formation
      } else if (std::abs(r - C) <= 1 && std::abs(c - C) <= 1) {
        EXPECT_EQ(v, kReachMove) << r << "," << c;  // walkable (10 points, plain)
      } else {
        EXPECT_EQ(v, kReachDrop) << r << "," << c;
      }
    }
  }
  EXPECT_EQ(corners, 12);
}

TEST(BuildMoveGrid, NoDropsOffAnAirbaseOrForOtherTypes) {
  for (const bool onAirbase : {false, true}) {
    OrderWorld o;
    o.At(100, 100).Terrain = onAirbase ? t::kAirbase : t::kPlainTile;
    o.Place(100, 100, onAirbase ? t::kSovietRifles : t::kSovietAirborne);
    o.Select(100, 100);
    BuildMoveGrid(o.w());
    for (int v : o.w().GroundReachGrid.cells) EXPECT_NE(v, kReachDrop) << onAirbase;
  }
}

// --- Edges of the theatre ---

// Every cell outside the theatre is open road holding an enemy formation (and the map beyond
// column 359 as well): reading any of them would show as a move, fire, assault or drop mark.
TEST(BuildMoveGrid, ReadsNoCellOutsideTheTheatre) {
  OrderWorld o;
  const int sentinel = o.Place(500, 10, t::kGermanInfantry);
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      if (InTheatre(x, y)) continue;
      o.At(x, y).Terrain = t::kRoadTile;
      o.At(x, y).GroundFormation = static_cast<std::uint16_t>(sentinel);
    }
  }
  const int xs[] = {0, 1, 5, 180, 354, 358, 359};
  const int ys[] = {30, 31, 35, 180, 324, 328, 329};
  for (const int x : xs) {
    for (const int y : ys) {
      o.At(x, y).Terrain = t::kAirbase;
      const int f = o.Place(x, y, t::kSovietAirborne);
      TFormation& self = Formation(o.w(), f);
      self.pairs[18].Count = 10;
      self.Cars = 201;
      o.Select(x, y);
      BuildMoveGrid(o.w());
      for (int r = 1; r <= 19; ++r) {
        for (int c = 1; c <= 19; ++c) {
          if (!InTheatre(x - C + c, y - C + r)) {
            ASSERT_EQ(o.w().GroundReachGrid(r, c), kReachNone)
                << x << "," << y << " " << r << "," << c;
          }
        }
      }
      o.At(x, y).GroundFormation = 0;
      o.At(x, y).Terrain = t::kPlainTile;
    }
  }
}

// --- Air range ---

// The aircraft row with the shortest positive radius, and one with a longer radius.
std::pair<int, int> ShortAndLongRadiusModels() {
  int shortest = 0, longer = 0;
  for (int m = 1; m <= kAircraftModelRows; ++m) {
    const int r = AircraftModels[m].Radius;
    if (r == 0) continue;
    if (shortest == 0 || r < AircraftModels[shortest].Radius) shortest = m;
  }
  for (int m = 1; m <= kAircraftModelRows; ++m) {
    if (AircraftModels[m].Radius > AircraftModels[shortest].Radius) longer = m;
  }
  return {shortest, longer};
}

TEST(BuildAirRange, NoAircraftGivesTheFullRange) {
  OrderWorld o;
  o.Place(400, 200, t::kSovietFighters);
  o.Select(400, 200);
  BuildAirRange(o.w());
  EXPECT_EQ(o.w().Reach.AirRangeRadius, kMaxAirRange);
  for (int r = 1; r <= kAirGridSize; ++r)
    for (int c = 1; c <= kAirGridSize; ++c)
      ASSERT_EQ(o.w().AirReachGrid(r, c), r == A && c == A ? kAirOwnCell : kAirRebase);
}

TEST(BuildAirRange, ShortestRadiusMakesASquare) {
  const auto [shortModel, longModel] = ShortAndLongRadiusModels();
  ASSERT_NE(shortModel, 0);
  ASSERT_NE(longModel, 0);
  const int radius = AircraftModels[shortModel].Radius;
  OrderWorld o;
  const int f = o.Place(400, 200, t::kSovietFighters);
  TFormation& air = Formation(o.w(), f);
  air.pairs[0] = {5, static_cast<std::uint16_t>(longModel)};
  air.pairs[3] = {2, static_cast<std::uint16_t>(shortModel)};
  air.pairs[5] = {0, 1};  // an empty pair does not count
  o.Select(400, 200);
  BuildAirRange(o.w());
  const auto& g = o.w().AirReachGrid;
  EXPECT_EQ(o.w().Reach.AirRangeRadius, radius);
  EXPECT_EQ(g(A - radius, A - radius), kAirRebase);  // a corner of the square
  EXPECT_EQ(g(A + radius, A + radius), kAirRebase);
  EXPECT_EQ(g(A, A + radius + 1), kReachNone);
  EXPECT_EQ(g(A - radius - 1, A), kReachNone);
  int inRange = 0;
  for (int v : g.cells) inRange += v != kReachNone;
  EXPECT_EQ(inRange, (2 * radius + 1) * (2 * radius + 1));
}

TEST(BuildAirRange, TargetsAndOwnBases) {
  OrderWorld o;
  o.Place(400, 200, t::kSovietFighters);
  o.Place(410, 200, t::kGermanInfantry);  // enemy ground alone: strike
  o.Place(420, 200, t::kGermanInfantry);  // enemy ground under enemy air: air target
  o.Place(420, 200, t::kGermanFighters);
  o.Place(430, 200, t::kGermanInfantry);  // enemy ground under own air: taken
  o.Place(430, 200, t::kSovietFighters);
  o.Place(440, 200, t::kSovietRifles);  // own ground: a rebase cell
  o.Place(450, 200, t::kGermanFighters);
  o.Select(400, 200);
  BuildAirRange(o.w());
  const auto& g = o.w().AirReachGrid;
  EXPECT_EQ(g(A, A), kAirOwnCell);
  EXPECT_EQ(g(A, A + 10), kAirStrike);
  EXPECT_EQ(g(A, A + 20), kAirEnemyAir);
  EXPECT_EQ(g(A, A + 30), kReachNone);
  EXPECT_EQ(g(A, A + 40), kAirRebase);
  EXPECT_EQ(g(A, A + 50), kAirEnemyAir);
}

TEST(BuildAirRange, NoOrdersLeftClearsTheWholeGrid) {
  OrderWorld o;
  const int f = o.Place(400, 200, t::kSovietFighters);
  Formation(o.w(), f).OrdersLeft = 0;
  o.Place(410, 200, t::kGermanInfantry);
  o.Select(400, 200);
  BuildAirRange(o.w());
  for (int v : o.w().AirReachGrid.cells) ASSERT_EQ(v, kReachNone);
}

// Enemy formations at both ends of every row: a cell read past the map's left or right edge
// would wrap onto one of them and show as a target.
TEST(BuildAirRange, OffMapCellsAreZeroAtEveryEdge) {
  OrderWorld o;
  for (int y = 0; y < kMapHeight; ++y) {
    o.Place(0, y, t::kGermanInfantry);
    o.Place(kMapWidth - 1, y, t::kGermanInfantry);
  }
  const int spots[][2] = {{1, 1},    {1, 398},   {998, 1}, {998, 398},
                          {60, 200}, {940, 200}, {500, 2}, {500, 397}};
  for (const auto& s : spots) {
    const int x = s[0], y = s[1];
    o.Place(x, y, t::kSovietFighters);
    o.Select(x, y);
    BuildAirRange(o.w());
    for (int r = 1; r <= kAirGridSize; ++r) {
      for (int c = 1; c <= kAirGridSize; ++c) {
        const int mx = x - A + c, my = y - A + r;
        const int v = o.w().AirReachGrid(r, c);
        if (!OnMap(mx, my)) {
          ASSERT_EQ(v, kReachNone) << x << "," << y << " " << r << "," << c;
        } else if (mx == 0 || mx == kMapWidth - 1) {
          ASSERT_EQ(v, kAirStrike);
        } else if (!(r == A && c == A)) {
          ASSERT_EQ(v, kAirRebase);
        }
      }
    }
    o.At(x, y).AirFormation = 0;
  }
}

TEST(ClipAirRange, ClearsOnlyOffMapCells) {
  OrderWorld o;
  o.Select(5, 395);
  o.w().AirReachGrid.Fill(7);
  ClipAirRange(o.w());
  const auto& g = o.w().AirReachGrid;
  EXPECT_EQ(g(A, A - 5), 7);  // column 0
  EXPECT_EQ(g(A, A - 6), 0);  // column -1
  EXPECT_EQ(g(A + 4, A), 7);  // row 399
  EXPECT_EQ(g(A + 5, A), 0);  // row 400
  EXPECT_EQ(g(A - 130, A + 130), 7);
}

}  // namespace
}  // namespace gm
