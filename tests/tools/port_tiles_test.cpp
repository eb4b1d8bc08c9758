// Harbour towns: a Town-Port tile is the coast of its water side with a town built on its land
// side, at the Battlefield's 60 px and in the copies the Map1 view (20 px) and the overview
// (2 px) shrink from it; and the settlement's flag, over the cell's bottom middle, stands on land.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "media/surface.hpp"
#include "tests/tools/terrain_pictures.hpp"

namespace gm::art {
namespace {

using tiles::Bit;
using tiles::Feature;

// Colours as a 16-bit display shows them.
TColor Shown(const TDirectDrawSurface& s, TColor c) {
  return s.PixelColor(s.ColorMatch(c));
}

// Tile `tile` shrunk to n x n as the game shrinks it (the media layer's stretched draw), row by
// row; n = 60 is the tile itself on the 16-bit display.
std::vector<TColor> Shrunk(TerrainPictures& pictures, int tile, int n) {
  TDirectDrawSurface full, small;
  full.SetSize(60, 60);
  small.SetSize(n, n);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 60; ++x) full.SetPixel(x, y, full.ColorMatch(pictures.At(tile, x, y)));
  small.StretchDraw(small.ClientRect(), full.ClientRect(), full, false);
  std::vector<TColor> out;
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) out.push_back(small.PixelColor(small.Pixel(x, y)));
  return out;
}

// The colours of the towns' pictures that no coast shows: houses, roofs, built-up ground.
const std::set<TColor>& TownColours(TerrainPictures& pictures) {
  static const std::set<TColor> colours = [&pictures] {
    const TDirectDrawSurface display;
    std::set<TColor> town, coast;
    const auto& cat = tiles::TileCatalogue();
    for (int t = 0; t < tiles::kTileCount; ++t) {
      const Feature f = cat[size_t(t)].feature;
      if (f != Feature::kTown && f != Feature::kCoast) continue;
      std::set<TColor>& into = f == Feature::kTown ? town : coast;
      for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x) into.insert(Shown(display, pictures.At(t, x, y)));
    }
    std::set<TColor> out;
    for (TColor c : town)
      if (!coast.count(c)) out.insert(c);
    return out;
  }();
  return colours;
}

struct Harbour {
  const char* name;
  int side;  // where the water lies
  // Whether pixel (x, y) of an n x n copy lies in the cell's half away from the water.
  bool Inland(int x, int y, int n) const {
    switch (side) {
      case tiles::kN:
        return 2 * y >= n;
      case tiles::kE:
        return 2 * x < n;
      case tiles::kS:
        return 2 * y < n;
      default:
        return 2 * x >= n;
    }
  }
};

constexpr Harbour kHarbours[] = {
    {"north", tiles::kN}, {"east", tiles::kE}, {"south", tiles::kS}, {"west", tiles::kW}};

TEST(PortTiles, TheCoastOnTheWaterSideTheTownOnTheLandSideTheFlagOnLand) {
  TerrainPictures pictures;
  const std::set<TColor>& townColours = TownColours(pictures);
  ASSERT_FALSE(townColours.empty());
  for (const Harbour& h : kHarbours) {
    SCOPED_TRACE(h.name);
    const int port = TileOf(Feature::kPort, Bit(h.side));
    const int coast = TileOf(Feature::kCoast, Bit(h.side));
    ASSERT_GE(port, 0);
    ASSERT_GE(coast, 0);
    // Each edge brings water to the same points as the coast tile it stands for (a pixel of
    // smoothing aside), so a harbour joins the coast around it without a notch.
    for (int edge = 0; edge < 4; ++edge) {
      int differ = 0;
      for (int i = 0; i < 60; ++i) {
        const int x = edge < 2 ? i : 59 * (edge - 2), y = edge < 2 ? 59 * edge : i;
        differ += IsWater(pictures.At(port, x, y)) != IsWater(pictures.At(coast, x, y));
      }
      EXPECT_LE(differ, 2) << "edge " << edge;
    }
    // The settlement's flag covers columns 16..43 from row 45 down: land (or the quay) under
    // it, but for the last row, the edge the neighbours meet.
    int wet = 0;
    for (int y = 45; y < 59; ++y)
      for (int x = 16; x < 44; ++x) wet += IsWater(pictures.At(port, x, y));
    EXPECT_EQ(wet, 0) << "pixels of water under the flag";
    // The Battlefield's tile and the Map1 copy: the land half is mostly the town's.
    for (int n : {60, 20}) {
      const std::vector<TColor> p = Shrunk(pictures, port, n);
      int inland = 0, town = 0;
      for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
          if (h.Inland(x, y, n)) ++inland, town += townColours.count(p[size_t(y * n + x)]) != 0;
      EXPECT_GE(town * 10, inland * 3) << n << " px: " << town << " of " << inland;
    }
    // The overview's 2 x 2 copy: town on the land side, the coast's water on the other.
    const std::vector<TColor> p = Shrunk(pictures, port, 2);
    for (int k = 0; k < 4; ++k)
      EXPECT_TRUE(h.Inland(k % 2, k / 2, 2) ? townColours.count(p[size_t(k)]) != 0
                                            : IsWater(p[size_t(k)]))
          << "overview pixel " << k % 2 << "," << k / 2;
  }
}

}  // namespace
}  // namespace gm::art
