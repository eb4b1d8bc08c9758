// The theatre as the builder works it out, cell by cell, before it becomes map cells and
// settlement records: water, the 1941 holder, the ground, rivers, roads, towns and airfields.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/status.hpp"
#include "tools/scenario/projection.hpp"
#include "tools/scenario/source_data.hpp"

namespace gm::scenario {

enum class Ground : std::uint8_t {
  kOpen,  // fields and meadows
  kSteppe,
  kDrySteppe,
  kDesert,
  kWood,
  kMarsh,
  kHill,
  kWoodHill,
  kMountain,
  kMountainWood,
  kFort,
};

enum class Water : std::uint8_t { kLand, kSea, kLake };

// The letters of a name that a settlement record keeps.
inline constexpr std::size_t kPlaceNameLength = 40;

struct Place {
  std::string name;  // the 1941 name, plain letters, at most kPlaceNameLength
  int x = 0, y = 0;  // map cell
  int population = 0;
  int value = 0;  // 1..100 for towns, 0 for airfields
  std::uint16_t owner = 0, holder = 0;
  bool airfield = false;
};

struct Theatre {
  std::vector<Water> water;
  std::vector<std::int16_t> country;  // index into SourceData::countries, -1 none
  std::vector<std::uint8_t> owner;    // 1941 owner nation, 0 on water
  std::vector<std::uint8_t> holder;   // 1941 holder nation, 0 on water
  std::vector<int> minPopulation;     // per country: smallest town kept as a settlement
  std::vector<Ground> ground;
  std::vector<std::uint8_t> riverWays;  // direction bits of the river's links
  std::vector<std::uint8_t> mouth;      // 1 where a river meets open water
  std::vector<std::uint8_t> roadWays;   // direction bits of the road's links
  std::vector<int> place;               // index into places + 1, 0 none
  std::vector<Place> places;            // towns first (largest first), then airfields

  Theatre();
  static int Index(int x, int y) { return (y - kFirstRow) * kColumns + x; }
  static int XOf(int index) { return index % kColumns; }
  static int YOf(int index) { return index / kColumns + kFirstRow; }
  bool IsLand(int x, int y) const { return InTheatre(x, y) && water[Index(x, y)] == Water::kLand; }
  bool IsWater(int x, int y) const { return InTheatre(x, y) && water[Index(x, y)] != Water::kLand; }

  // Lays out an airfield named `name` (cut to 40 letters) on land cell (x, y), owned and held
  // as the cell is; returns its place number.
  int AddAirfield(const std::string& name, int x, int y);

  // The town (not an airfield) that a data line names: "Name" where one town bears the name,
  // "Name @lon,lat" where several do (the one whose cell is within a cell of the point). Fails
  // with the reason: no town of that name, several and no place, or none of them at the place.
  Status FindTown(const std::string& name, const Place*& town) const;
};

// Each step fills its part of the theatre from the source data; a step fails with a message
// naming the authored line it cannot use.
Status LayWaterAndBorders(const SourceData& src, Theatre& t);
Status LayGround(const SourceData& src, Theatre& t);
Status LayRivers(const SourceData& src, Theatre& t);
Status PlaceTowns(const SourceData& src, Theatre& t);
Status LayRoads(const SourceData& src, Theatre& t);
Status PlaceAirfields(const SourceData& src, Theatre& t);

// The directions in which water lies around cell (x, y), as a coast tile shows it: the four
// edges, and a corner only where both its edges are land.
std::uint8_t SeaSides(const Theatre& t, int x, int y);

// The side a harbour there faces: the one edge with water when that is all the water around the
// cell, so that a harbour tile, which shows water on one side, joins the coast around it; -1
// for any other cell.
int HarbourSide(const Theatre& t, int x, int y);

// A town of some size (value 15 and up) on a cell with water beyond one of its edges, drawn as a
// harbour town.
bool IsHarbourTown(const Theatre& t, const Place& p);

// Moves each harbour town whose own cell does not take a harbour onto a free shore cell beside
// it that does, held as its own, with the town behind the harbour, and a town of harbour size
// on dry land beside a river's mouth that takes a harbour onto that mouth; a town with no such
// cell keeps its own.
void MoveToHarbours(Theatre& t);

// Each town that a "town <owner> <holder> <name>" line of holders.txt names stands in a cell of
// that owner and holder: a border area drawn on the wrong side of a town fails the build.
Status CheckBorderTowns(const SourceData& src, const Theatre& t);

// Each airfield ("<town> airfield", or "<town> field" for one laid out for the air fleets) is
// held by the nation that holds its town (the nearest of that name): fails naming every
// airfield that stands across the border from its town, and one named for no town.
Status CheckAirfieldSides(const Theatre& t);

// A cell fit for an airfield: open dry land with no town, road or river, off the shore.
bool FitForAirfield(const Theatre& t, int x, int y);

// Today's spelling of a town in the 1941 language by its region's table: word by word (words end
// at blanks and hyphens), the longest entry that fits at each place, an anchored one before an
// unanchored one of equal length and the first written before a later one; an entry's first
// letter becomes a capital where the word's was. Letters no entry fits are kept.
std::string Transliterate(const std::string& name, const std::vector<const TranslitRule*>& table);

// Deterministic noise in 0..999 for cell (x, y) and a salt; smooth over a few cells.
int SmoothNoise(int x, int y, int salt);
std::uint32_t CellHash(int x, int y, int salt);

// Calls `fill(x, y)` for every theatre cell whose centre lies inside the ring (even-odd rule).
template <typename F>
void ForEachCellIn(const Ring& ring, F&& fill);

// The same with a ragged edge: each cell's centre is shifted by up to `jitter` cells, smoothly
// from cell to cell, before the test, so that authored areas have no ruler-straight sides.
template <typename F>
void ForEachCellRoughlyIn(const Ring& ring, double jitter, int salt, F&& fill);

}  // namespace gm::scenario

#include "tools/scenario/theatre_fill.hpp"
