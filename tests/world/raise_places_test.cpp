// Raise places and placement marks: held, empty settlements with no enemy ground formation next
// to them.
#include "world/raise_places.hpp"

#include <gtest/gtest.h>

#include "tests/support/world_builders.hpp"
#include "world/tables/tables.hpp"

namespace gm {
namespace {

using testing::MakeEmptyWorld;
using testing::PlaceFormation;
using testing::PlaceSettlement;

constexpr std::uint16_t kSovietRifle = 7;  // nation 5
constexpr std::uint16_t kSovietFighters = 51;
constexpr std::uint16_t kGermanInfantry = 74;  // nation 2
constexpr std::uint16_t kHungarianTank = 67;   // nation 1
constexpr std::uint16_t kNation8Cavalry = 50;

TEST(RaisePlacesTest, WhatMakesARaisePlace) {
  enum Neighbour { kNone, kEnemyGround, kEnemyAir, kOwnCoalitionGround, kWipedRecord };
  struct Case {
    const char* what;
    int x, y;        // the settlement's cell
    int holder;      // nation holding it; nation 1 is asked about
    bool occupied;   // a ground formation of nation 1 stands in it
    Neighbour near;  // what stands in the neighbour cell
    int nx, ny;      // the neighbour cell
    bool raisePlace;
  };
  const Case cases[] = {
      {"held and empty", 100, 100, 1, false, kNone, 0, 0, true},
      {"held by another nation", 100, 100, 2, false, kNone, 0, 0, false},
      {"neutral", 100, 100, 10, false, kNone, 0, 0, false},
      {"occupied", 100, 100, 1, true, kNone, 0, 0, false},
      {"enemy diagonally next", 100, 100, 1, false, kEnemyGround, 101, 101, false},
      {"enemy above", 100, 100, 1, false, kEnemyGround, 100, 99, false},
      {"only enemy aircraft next", 100, 100, 1, false, kEnemyAir, 99, 99, true},
      {"German formation next to a Hungarian town", 100, 100, 1, false, kOwnCoalitionGround, 99,
       100, true},
      {"cell naming a wiped record next", 100, 100, 1, false, kWipedRecord, 101, 100, true},
      {"enemy two cells away", 100, 100, 1, false, kEnemyGround, 102, 100, true},
      {"column 0, enemy at column 1", 0, 100, 1, false, kEnemyGround, 1, 100, false},
      {"column 0, enemy at the map's last column", 0, 100, 1, false, kEnemyGround, 999, 100, true},
      {"row 30, enemy in row 29", 50, 30, 1, false, kEnemyGround, 50, 29, false},
      {"column 359, enemy in column 360", 359, 200, 1, false, kEnemyGround, 360, 201, false},
      {"outside the theatre", 360, 200, 1, false, kNone, 0, 0, false},
  };
  for (const Case& c : cases) {
    auto w = MakeEmptyWorld();
    PlaceSettlement(*w, 1, c.x, c.y, 1, c.holder, 50);
    if (c.occupied) PlaceFormation(*w, 1, c.x, c.y, kHungarianTank);
    switch (c.near) {
      case kNone:
        break;
      case kEnemyGround:
        PlaceFormation(*w, 2, c.nx, c.ny, kSovietRifle);
        break;
      case kEnemyAir:
        PlaceFormation(*w, 2, c.nx, c.ny, kSovietFighters);
        break;
      case kOwnCoalitionGround:
        PlaceFormation(*w, 2, c.nx, c.ny, kGermanInfantry);
        break;
      case kWipedRecord:
        PlaceFormation(*w, 2, c.nx, c.ny, kSovietRifle).Branch = 0;
        break;
    }
    EXPECT_EQ(IsRaisePlace(*w, c.x, c.y, 1), c.raisePlace) << c.what;
    FindRaiseSettlements(*w);
    EXPECT_EQ(w->Lists.RaiseSettlementFlags[0], c.raisePlace ? 1 : 0) << c.what;

    w->Lists.PlacementType = kHungarianTank;
    MarkPlacementCells(*w);
    if (InTheatre(c.x, c.y)) {
      EXPECT_EQ(Cell(*w, c.x, c.y).PlacementAllowed, c.raisePlace ? 1 : 0) << c.what;
    }
  }
}

TEST(RaisePlacesTest, FlagsPerNation) {
  auto w = MakeEmptyWorld();
  // Nation 2: its only towns are occupied, by its own formation and by an enemy.
  PlaceSettlement(*w, 1, 50, 50, 2, 2, 10);
  PlaceFormation(*w, 1, 50, 50, kGermanInfantry);
  PlaceSettlement(*w, 2, 60, 50, 2, 2, 10);
  PlaceFormation(*w, 2, 60, 50, kSovietRifle);
  // Nation 5: one town free, found whatever its value or first owner.
  PlaceSettlement(*w, 3, 300, 300, 2, 5, 0);
  // Nation 8: a town whose record number is past the table is no town.
  Cell(*w, 200, 200).Settlement = kMaxSettlements + 1;
  w->Lists.RaiseSettlementFlags.fill(1);
  FindRaiseSettlements(*w);
  const NationCounts expected = {0, 0, 0, 0, 1, 0, 0, 0};
  EXPECT_EQ(w->Lists.RaiseSettlementFlags, expected);
}

TEST(RaisePlacesTest, MarksOnlyTheTypesOwnNationAndKeepsBytesOutsideTheTheatre) {
  auto w = MakeEmptyWorld();
  PlaceSettlement(*w, 1, 100, 100, 5, 5, 50);
  PlaceSettlement(*w, 2, 110, 100, 8, 8, 50);
  PlaceSettlement(*w, 3, 120, 100, 5, 5, 50);
  PlaceFormation(*w, 1, 121, 101, kGermanInfantry);
  Cell(*w, 130, 100).PlacementAllowed = 1;  // no settlement: cleared
  Cell(*w, 500, 100).PlacementAllowed = 1;  // outside the theatre: kept
  Cell(*w, 100, 10).PlacementAllowed = 1;
  w->Lists.PlacementType = kSovietRifle;
  MarkPlacementCells(*w);
  EXPECT_EQ(Cell(*w, 100, 100).PlacementAllowed, 1);
  EXPECT_EQ(Cell(*w, 110, 100).PlacementAllowed, 0);  // nation 8's town, not nation 5's
  EXPECT_EQ(Cell(*w, 120, 100).PlacementAllowed, 0);  // enemy next to it
  EXPECT_EQ(Cell(*w, 130, 100).PlacementAllowed, 0);
  EXPECT_EQ(Cell(*w, 500, 100).PlacementAllowed, 1);
  EXPECT_EQ(Cell(*w, 100, 10).PlacementAllowed, 1);
  int marked = 0;
  for (const TMapCell& c : w->MapCells) marked += c.PlacementAllowed;
  EXPECT_EQ(marked, 3);

  w->Lists.PlacementType = kNation8Cavalry;
  MarkPlacementCells(*w);
  EXPECT_EQ(Cell(*w, 100, 100).PlacementAllowed, 0);
  EXPECT_EQ(Cell(*w, 110, 100).PlacementAllowed, 1);
}

}  // namespace
}  // namespace gm
