// Coasts run on from tile to tile: wherever land and water lie around two neighbouring cells, the
// tiles the map would choose for them bring their water to the same points of the edge they
// share, so no lake or coast shows a notch where tiles meet.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <sstream>
#include <string>

#include "tests/tools/terrain_pictures.hpp"

namespace gm::art {
namespace {

using tiles::Bit;
using tiles::Feature;
using tiles::kDirCount;
using tiles::kDirDx;
using tiles::kDirDy;

// Four cells in a row and the rows above and below: bit 4 r + c set where cell (c, r) is water.
struct Block {
  unsigned water;
  bool Water(int c, int r) const {
    return c >= 0 && c < 4 && r >= 0 && r < 3 && ((water >> (4 * r + c)) & 1) != 0;
  }
  // The sides of cell (c, 1) towards water, as the map builder counts them: the four edges,
  // and a corner only where both its edges are land.
  std::uint8_t SeaSides(int c) const {
    std::uint8_t mask = 0;
    for (int d = 0; d < kDirCount; ++d)
      if (Water(c + kDirDx[d], 1 + kDirDy[d])) mask |= Bit(d);
    for (int d = 1; d < kDirCount; d += 2)
      if ((mask & Bit(d - 1)) || (mask & Bit((d + 1) % kDirCount)))
        mask &= static_cast<std::uint8_t>(~Bit(d));
    return mask;
  }
};

// The sides mirrored about the diagonal (x and y swapped): the block turned so that its two
// middle cells stand one over the other.
std::uint8_t Turned(std::uint8_t sides) {
  std::uint8_t out = 0;
  for (int d = 0; d < kDirCount; ++d)
    if (sides & Bit(d)) out |= Bit(tiles::DirectionOf(kDirDy[d], kDirDx[d]));
  return out;
}

TEST(CoastSeams, WaterMeetsWaterOnEveryEdgeOfEveryArrangement) {
  TerrainPictures pictures;
  const int sea = TileOf(Feature::kSea), meadow = TileOf(Feature::kPlain);
  ASSERT_GE(sea, 0);
  ASSERT_GE(meadow, 0);
  int worst = 0, notched = 0;
  std::string first;
  for (unsigned water = 0; water < (1u << 12); ++water) {
    const Block block{water};
    for (bool turned : {false, true}) {
      std::array<int, 2> tile{};
      for (int k = 0; k < 2; ++k) {
        const std::uint8_t sides = turned ? Turned(block.SeaSides(1 + k)) : block.SeaSides(1 + k);
        tile[size_t(k)] = block.Water(1 + k, 1) ? sea
                          : sides == 0          ? meadow
                                                : TileOf(Feature::kCoast, sides);
        ASSERT_GE(tile[size_t(k)], 0)
            << "no coast tile with water to " << tiles::DirectionNames(sides);
      }
      // Side by side the first cell's last column meets the second's first; turned, the first
      // cell's bottom row meets the second's top row.
      int differ = 0;
      for (int i = 0; i < 60; ++i) {
        const TColor a = turned ? pictures.At(tile[0], i, 59) : pictures.At(tile[0], 59, i);
        const TColor b = turned ? pictures.At(tile[1], i, 0) : pictures.At(tile[1], 0, i);
        differ += IsWater(a) != IsWater(b);
      }
      worst = std::max(worst, differ);
      // A pixel of smoothing on either side is no notch.
      if (differ > 2 && notched++ == 0) {
        std::ostringstream what;
        what << (turned ? "one over the other" : "side by side") << ", water 0x" << std::hex
             << water << std::dec << ": tiles " << tile[0] << " and " << tile[1] << ", " << differ
             << " pixels of the edge differ";
        first = what.str();
      }
    }
  }
  EXPECT_EQ(notched, 0) << "arrangements with a notch; the first: " << first;
  std::printf(
      "every arrangement of water round two cells: at most %d pixels of their shared "
      "edge differ\n",
      worst);
}

}  // namespace
}  // namespace gm::art
