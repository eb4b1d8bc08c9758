// The terrain tiles: 675 map pictures, each showing one of 21 terrains with its movement cost and
// combat modifiers. Tiles are numbered 0..674; tile t is picture t mod 25 of image t div 25 + 1.
#include <cstdint>
#include <string_view>

#include "world/tables/table_rows.hpp"
#include "world/tables/tables.hpp"

namespace gm {
namespace {

using table_rows::MakeName;

struct Terrain {
  std::string_view name;
  std::uint8_t moveCost;  // 10 road .. 70 river, 255 impassable
  std::uint8_t airDefenceBonus;
  std::uint8_t defence[8];  // ground kinds 4..11
  std::uint8_t attack[8];   // ground kinds 4..11
};

struct TileRun {
  int first, last;
  int terrain;  // index into kTerrains
};

enum TerrainIndex : int {
  kRoadPlain,
  kBridge,
  kMouth,
  kPlain,
  kAirbase,
  kPlainDesert,
  kTown,
  kTownPort,
  kCoast,
  kDesert,
  kRiverPlain,
  kWood,
  kMountainWood,
  kMountain,
  kMarsh,
  kSea,
  kHill,
  kWoodHill,
  kFortPlain,
  kMountainRiver,
  kMountainRoad,
};

// clang-format off
// The terrains, in the order their tiles first appear.
constexpr Terrain kTerrains[] = {
//  name               move ADB  defence by kind 4..11      attack by kind 4..11
    {"Road-Plain",       10, 0, { 3,  2,  2,  1,  1,  1,  1,  2}, {5, 1, 1, 0, 0, 2, 1, 1}},
    {"Bridge",           10, 0, { 4,  3,  3,  2,  2,  2,  2,  3}, {4, 0, 1, 0, 0, 2, 0, 0}},
    {"Mouth",            70, 0, { 0,  0,  0,  0,  0,  0,  0,  0}, {0, 0, 0, 0, 0, 0, 0, 0}},
    {"Plain",            20, 0, { 4,  3,  3,  2,  2,  1,  1,  3}, {6, 1, 1, 0, 1, 2, 1, 1}},
    {"Airbase",          20, 0, { 3,  2,  2,  1,  1,  0,  0,  1}, {5, 1, 1, 0, 1, 1, 1, 1}},
    {"Plain-Desert",     20, 0, { 4,  3,  3,  2,  2,  1,  1,  3}, {6, 1, 1, 0, 1, 2, 1, 1}},
    {"Town",             20, 2, { 2,  4,  4,  1,  1,  1,  1,  4}, {2, 2, 2, 0, 1, 1, 1, 2}},
    {"Town-Port",        20, 2, { 2,  4,  4,  1,  1,  1,  1,  4}, {2, 2, 2, 0, 1, 1, 1, 2}},
    {"Coast",            20, 0, { 2,  2,  2,  1,  1,  0,  0,  2}, {2, 2, 2, 0, 1, 1, 1, 2}},
    {"Desert",           20, 0, { 4,  3,  3,  2,  2,  1,  1,  3}, {6, 1, 1, 0, 1, 2, 1, 1}},
    {"River-Plain",      70, 0, { 0,  0,  0,  0,  0,  0,  0,  0}, {0, 0, 0, 0, 0, 0, 0, 0}},
    {"Wood",             40, 3, { 1,  3,  5,  1,  1,  1,  1,  4}, {0, 1, 2, 0, 0, 0, 0, 2}},
    {"Mountain-Wood",    50, 4, { 0,  4,  6,  0,  7,  0,  0,  2}, {0, 2, 3, 0, 4, 0, 0, 1}},
    {"Mountain",         50, 3, { 0,  4,  6,  0,  7,  0,  0,  1}, {0, 1, 2, 0, 4, 0, 0, 1}},
    {"Marsh",           255, 0, { 0,  0,  0,  0,  0,  0,  0,  0}, {0, 0, 0, 0, 0, 0, 0, 0}},
    {"Sea",             255, 0, { 0,  0,  0,  0,  0,  0,  0,  0}, {0, 0, 0, 0, 0, 0, 0, 0}},
    {"Hill",             40, 2, { 0,  5,  7,  1,  7,  1,  1,  3}, {0, 1, 2, 0, 2, 0, 0, 2}},
    {"Wood-Hill",        40, 3, { 0,  5,  7,  0,  7,  1,  1,  4}, {0, 2, 3, 0, 3, 0, 0, 2}},
    {"Fort-Plain",       30, 4, { 6, 10, 10,  7,  7,  7,  7, 10}, {3, 6, 6, 4, 5, 6, 6, 4}},
    {"Mountain-River",   60, 2, { 0,  3,  5,  0,  6,  0,  0,  0}, {0, 1, 1, 0, 3, 0, 0, 0}},
    {"Mountain-Road",    20, 3, { 0,  4,  6,  0,  7,  0,  0,  1}, {0, 1, 2, 0, 4, 0, 0, 1}},
};

// Tiles by terrain, as runs of tile numbers in ascending order.
constexpr TileRun kRuns[] = {
    {  0,  18, kRoadPlain},
    { 19,  22, kBridge},
    { 23,  39, kRoadPlain},
    { 40,  47, kBridge},
    { 48,  49, kMouth},
    { 50,  50, kPlain},
    { 51,  52, kRoadPlain},
    { 53,  53, kAirbase},
    { 54,  65, kPlainDesert},
    { 66,  71, kRoadPlain},
    { 72,  75, kPlainDesert},
    { 76,  79, kTown},
    { 80,  82, kBridge},
    { 83,  83, kTown},
    { 84,  85, kBridge},
    { 86,  93, kPlainDesert},
    { 94,  95, kBridge},
    { 96,  99, kTown},
    {100, 103, kTownPort},
    {104, 149, kTown},
    {150, 199, kCoast},
    {200, 201, kDesert},
    {202, 224, kRiverPlain},
    {225, 249, kCoast},
    {250, 282, kWood},
    {283, 291, kRiverPlain},
    {292, 299, kCoast},
    {300, 321, kMountainWood},
    {322, 323, kMountain},
    {324, 329, kMountainWood},
    {330, 331, kMountain},
    {332, 345, kMountainWood},
    {346, 349, kTown},
    {350, 386, kRiverPlain},
    {387, 393, kMouth},
    {394, 399, kRiverPlain},
    {400, 443, kMarsh},
    {444, 449, kBridge},
    {450, 454, kSea},
    {455, 474, kCoast},
    {475, 496, kMarsh},
    {497, 499, kRiverPlain},
    {500, 500, kHill},
    {501, 503, kWoodHill},
    {504, 504, kHill},
    {505, 505, kWoodHill},
    {506, 524, kRiverPlain},
    {525, 549, kFortPlain},
    {550, 600, kPlainDesert},
    {601, 602, kDesert},
    {603, 614, kPlainDesert},
    {615, 616, kDesert},
    {617, 624, kRiverPlain},
    {625, 630, kMountainRiver},
    {631, 632, kMountainRoad},
    {633, 644, kMountainWood},
    {645, 674, kTown},
};
// clang-format on

constexpr std::array<TTerrainTile, kTerrainTileCount> BuildTerrainTiles() {
  std::array<TTerrainTile, kTerrainTileCount> table{};
  int next = 0;  // the runs must cover every tile once, in order
  for (const TileRun& run : kRuns) {
    if (run.first != next || run.last < run.first) throw "tile runs leave a gap or overlap";
    const Terrain& terrain = kTerrains[run.terrain];
    for (int tile = run.first; tile <= run.last; ++tile) {
      TTerrainTile& t = table[tile];
      t.Name = MakeName<50>(terrain.name);
      t.MoveCost = terrain.moveCost;
      t.AirDefenceBonus = terrain.airDefenceBonus;
      for (int k = 0; k < 8; ++k) {
        t.DefenceBonus[k] = terrain.defence[k];
        t.AttackBonus[k] = terrain.attack[k];
      }
    }
    next = run.last + 1;
  }
  if (next != kTerrainTileCount) throw "tile runs do not reach the last tile";
  return table;
}

}  // namespace

constexpr std::array<TTerrainTile, kTerrainTileCount> TerrainTiles = BuildTerrainTiles();

}  // namespace gm
