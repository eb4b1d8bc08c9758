// What the guide's legend shows, chosen from the constant tables: one example formation type of
// each map symbol for each coalition, one of each size marker, and the first tile of each
// terrain with its movement cost and bonuses.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "tools/art/unit_kind.hpp"

namespace gm::guide {

// The symbol's kind in the guide's words, and a short name for picture files.
std::string_view KindLabel(art::UnitKind kind);
std::string_view KindSlug(art::UnitKind kind);

// The English name of nation 1..8; empty for any other number.
std::string_view NationName(int nation);

// The terrain class that a formation kind (4..10) fights by; empty for others.
std::string_view TerrainClassName(int kind);
inline constexpr int kFirstGroundKind = 4;
inline constexpr int kLastGroundKind = 10;

// The first formation type of the kind for the Soviet and for the German coalition; 0 when the
// coalition has none.
struct UnitExample {
  art::UnitKind kind;
  int sovietType = 0;
  int germanType = 0;
};
// Every kind some type shows, in the order of art::UnitKind.
std::vector<UnitExample> UnitExamples();

// The first formation type of each size: division, brigade, regiment.
std::array<int, 3> SizeExamples();

// The first tile of a terrain and what the table says of it.
struct TerrainExample {
  std::string name;
  int tile = 0;
};
// Every terrain of the tile table, in the order its first tile comes.
std::vector<TerrainExample> TerrainExamples();

// A name fit for a file: lower case letters and digits, other runs of characters as one '-'.
std::string Slug(std::string_view name);

}  // namespace gm::guide
