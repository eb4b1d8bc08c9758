// The tile catalogue: for every terrain tile 0..674 what its picture shows (roads and rivers
// with their directions, the side the sea lies on, bridges, town sizes, the kind of ground and
// a variety number), so that the scenario builder can join roads, rivers and coasts and the art
// tools can draw exactly that.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace gm::tiles {

// Directions to the eight neighbours of a cell, as bit numbers of a direction mask. Rows grow
// southwards: north is the row above.
enum Direction : int { kN, kNE, kE, kSE, kS, kSW, kW, kNW };
inline constexpr int kDirCount = 8;
inline constexpr int kDirDx[kDirCount] = {0, 1, 1, 1, 0, -1, -1, -1};
inline constexpr int kDirDy[kDirCount] = {-1, -1, 0, 1, 1, 1, 0, -1};
constexpr std::uint8_t Bit(int dir) {
  return static_cast<std::uint8_t>(1u << dir);
}
constexpr int Opposite(int dir) {
  return (dir + 4) % kDirCount;
}
// The direction of the step (dx, dy) to a neighbour; -1 when it is no such step.
constexpr int DirectionOf(int dx, int dy) {
  for (int d = 0; d < kDirCount; ++d)
    if (kDirDx[d] == dx && kDirDy[d] == dy) return d;
  return -1;
}

// What a tile shows; each feature belongs to exactly one of the 21 terrains.
enum class Feature : std::uint8_t {
  kRoad,           // "Road-Plain": a road leaving towards `ways`
  kBridge,         // "Bridge": a road towards `ways` crossing a river
  kMouth,          // "Mouth": a river coming from `ways` into the water on the other side
  kPlain,          // "Plain"
  kAirbase,        // "Airbase"
  kOpenGround,     // "Plain-Desert": fields, meadows, steppe
  kTown,           // "Town": a settlement of `size` 1 (village) .. 6 (metropolis)
  kPort,           // "Town-Port": a town with its harbour towards `sea`
  kCoast,          // "Coast": land with water on the sides in `sea`
  kDesert,         // "Desert": sand
  kRiver,          // "River-Plain": a river flowing towards `ways`
  kWood,           // "Wood"
  kMountainWood,   // "Mountain-Wood"
  kMountain,       // "Mountain": bare rock and snow
  kMarsh,          // "Marsh"
  kSea,            // "Sea": open water
  kHill,           // "Hill"
  kWoodHill,       // "Wood-Hill"
  kFort,           // "Fort-Plain": bunkers, trenches and wire
  kMountainRiver,  // "Mountain-River": a river towards `ways` in a mountain valley
  kMountainRoad,   // "Mountain-Road": a road towards `ways` over a pass
};

// The look of plain ground, woods and marshes.
enum class Look : std::uint8_t {
  kNone,
  kFields,
  kMeadow,
  kSteppe,
  kDrySteppe,
  kMixedForest,
  kConiferForest,
  kLeafForest,
  kReedMarsh,
  kWoodedBog,
  kPeatBog,
};

struct TileInfo {
  Feature feature;
  std::uint8_t ways;     // road or river directions (Direction bits)
  std::uint8_t sea;      // directions in which water lies (coast, port, mouth)
  std::uint8_t size;     // towns: 1 village .. 6 metropolis
  Look look;             // open ground, woods, marshes
  std::uint8_t variety;  // 1.. among the tiles that show the same thing
};

inline constexpr int kTileCount = 675;

// The whole catalogue, tile 0 first.
const std::array<TileInfo, kTileCount>& TileCatalogue();

// The terrain name (as in the terrain table) that a feature belongs to.
std::string_view TerrainNameOf(Feature feature);

// One line describing tile `tile` for the art tools, e.g. "212 River-Plain river N S variety 2".
std::string DescribeTile(int tile);

// Directions as text, e.g. "N SE"; "-" for none.
std::string DirectionNames(std::uint8_t mask);

}  // namespace gm::tiles
