// Tile choice: the catalogue tile that best matches what each cell holds, ties broken by a hash
// of the cell so that neighbouring cells vary; and the filling of the world's records.
#include "tools/scenario/map_tiles.hpp"

#include <algorithm>
#include <bit>
#include <cstring>
#include <map>

#include "tools/tiles/tile_catalogue.hpp"

namespace gm::scenario {

using tiles::Bit;
using tiles::Feature;
using tiles::kDirDx;
using tiles::kDirDy;
using tiles::Look;
using tiles::TileCatalogue;
using tiles::TileInfo;

namespace {

struct Want {
  Feature feature;
  std::uint8_t ways = 0;
  std::uint8_t sea = 0;
  std::uint8_t size = 0;
  Look look = Look::kNone;
};

int Mismatch(const TileInfo& tile, const Want& w) {
  int score = 10 * std::popcount(static_cast<unsigned>(tile.ways ^ w.ways)) +
              10 * std::popcount(static_cast<unsigned>(tile.sea ^ w.sea)) +
              20 * std::abs(tile.size - w.size);
  if (tile.look != w.look) score += 5;
  return score;
}

// The best-matching tiles for each wish, worked out once per distinct wish.
class TilePicker {
 public:
  std::uint16_t Pick(const Want& w, int x, int y) {
    const std::uint64_t key =
        static_cast<std::uint64_t>(w.feature) << 32 | static_cast<std::uint64_t>(w.ways) << 24 |
        static_cast<std::uint64_t>(w.sea) << 16 | static_cast<std::uint64_t>(w.size) << 8 |
        static_cast<std::uint64_t>(w.look);
    auto it = best_.find(key);
    if (it == best_.end()) it = best_.emplace(key, BestTiles(w)).first;
    const std::vector<std::uint16_t>& ties = it->second;
    return ties[CellHash(x, y, 1) % ties.size()];
  }

 private:
  static std::vector<std::uint16_t> BestTiles(const Want& w) {
    const auto& cat = TileCatalogue();
    int best = 1 << 30;
    std::vector<std::uint16_t> ties;
    for (int t = 0; t < tiles::kTileCount; ++t) {
      if (cat[t].feature != w.feature) continue;
      const int m = Mismatch(cat[t], w);
      if (m < best) {
        best = m;
        ties.clear();
      }
      if (m == best) ties.push_back(static_cast<std::uint16_t>(t));
    }
    return ties;
  }

  std::map<std::uint64_t, std::vector<std::uint16_t>> best_;
};

int TownSize(int value) {
  if (value < 20) return 1;
  if (value < 35) return 2;
  if (value < 50) return 3;
  if (value < 65) return 4;
  if (value < 85) return 5;
  return 6;
}

Want GroundWant(const Theatre& t, int x, int y) {
  const Ground g = t.ground[Theatre::Index(x, y)];
  const double lat = LatOf(y);
  const int n = static_cast<int>(CellHash(x, y, 5) % 100);
  switch (g) {
    case Ground::kOpen:
      return {Feature::kOpenGround, 0, 0, 0,
              n < (lat > 57 ? 40 : 70) ? Look::kFields : Look::kMeadow};
    case Ground::kSteppe:
      return {Feature::kOpenGround, 0, 0, 0, Look::kSteppe};
    case Ground::kDrySteppe:
      return {Feature::kOpenGround, 0, 0, 0, Look::kDrySteppe};
    case Ground::kDesert:
      return {Feature::kDesert};
    case Ground::kWood: {
      const Look look = lat > 57   ? Look::kConiferForest
                        : lat < 51 ? (n < 70 ? Look::kLeafForest : Look::kMixedForest)
                                   : (n < 60 ? Look::kMixedForest : Look::kConiferForest);
      return {Feature::kWood, 0, 0, 0, look};
    }
    case Ground::kMarsh: {
      const Look look = lat > 56 ? (n < 60 ? Look::kPeatBog : Look::kWoodedBog)
                                 : (n < 50 ? Look::kReedMarsh : Look::kWoodedBog);
      return {Feature::kMarsh, 0, 0, 0, look};
    }
    case Ground::kHill:
      return {Feature::kHill, 0, 0, 0, Look::kMeadow};
    case Ground::kWoodHill:
      return {Feature::kWoodHill, 0, 0, 0, Look::kMixedForest};
    case Ground::kMountain:
      return {Feature::kMountain};
    case Ground::kMountainWood:
      return {Feature::kMountainWood, 0, 0, 0,
              lat > 46 || n < 50 ? Look::kConiferForest : Look::kMixedForest};
    case Ground::kFort:
      return {Feature::kFort};
  }
  return {Feature::kPlain};
}

bool Mountainous(Ground g) {
  return g == Ground::kMountain || g == Ground::kMountainWood;
}

Want CellWant(const Theatre& t, int x, int y) {
  const int i = Theatre::Index(x, y);
  if (t.water[i] != Water::kLand) return {Feature::kSea};
  if (t.place[i]) {
    const Place& p = t.places[t.place[i] - 1];
    if (p.airfield) return {Feature::kAirbase};
    if (IsHarbourTown(t, p)) {
      if (const int side = HarbourSide(t, x, y); side >= 0) return {Feature::kPort, 0, Bit(side)};
      // No side fits alone: the harbour faces the side with the most water of those with land
      // across the cell, where the town stands.
      const std::uint8_t sea = SeaSides(t, x, y);
      int bestSide = -1, bestScore = -1;
      for (int d : {tiles::kS, tiles::kN, tiles::kE, tiles::kW}) {
        if (!(sea & Bit(d))) continue;
        int score = (sea & Bit(tiles::Opposite(d))) ? 0 : 4;
        for (int k = -1; k <= 1; ++k) {
          const int dd = (d + k + 8) % 8;
          score += t.IsWater(x + kDirDx[dd], y + kDirDy[dd]) ? 1 : 0;
        }
        if (score > bestScore) {
          bestScore = score;
          bestSide = d;
        }
      }
      return {Feature::kPort, 0, Bit(bestSide)};
    }
    return {Feature::kTown, 0, 0, static_cast<std::uint8_t>(TownSize(p.value))};
  }
  const Ground g = t.ground[i];
  if (t.roadWays[i]) {
    if (t.riverWays[i]) return {Feature::kBridge, t.roadWays[i]};
    if (Mountainous(g)) return {Feature::kMountainRoad, t.roadWays[i]};
    return {Feature::kRoad, t.roadWays[i]};
  }
  if (t.mouth[i]) return {Feature::kMouth, t.riverWays[i], SeaSides(t, x, y)};
  if (t.riverWays[i]) {
    if (Mountainous(g)) return {Feature::kMountainRiver, t.riverWays[i]};
    return {Feature::kRiver, t.riverWays[i]};
  }
  const std::uint8_t sea = SeaSides(t, x, y);
  if (sea && !Mountainous(g)) return {Feature::kCoast, 0, sea};
  return GroundWant(t, x, y);
}

}  // namespace

std::vector<std::uint16_t> ChooseTiles(const Theatre& t) {
  TilePicker picker;
  std::vector<std::uint16_t> out(t.water.size());
  for (int y = kFirstRow; y < kFirstRow + kRows; ++y)
    for (int x = 0; x < kColumns; ++x)
      out[Theatre::Index(x, y)] = picker.Pick(CellWant(t, x, y), x, y);
  return out;
}

void FillWorld(const Theatre& t, const std::vector<std::uint16_t>& tiles, World& w) {
  TilePicker picker;
  const std::uint16_t openSea = picker.Pick({Feature::kSea}, 0, 0);
  for (TMapCell& c : w.MapCells) c.Terrain = openSea;
  for (int y = kFirstRow; y < kFirstRow + kRows; ++y)
    for (int x = 0; x < kColumns; ++x) {
      TMapCell& c = w.MapCells[y * kMapWidth + x];
      const int i = Theatre::Index(x, y);
      c.Terrain = tiles[i];
      c.Settlement = static_cast<std::uint16_t>(t.place[i]);
    }
  for (std::size_t k = 0; k < t.places.size(); ++k) WriteSettlement(t.places[k], w.Settlements[k]);
  TGameHeader& h = w.GameHeader;
  h.MapWidth = kMapWidth;
  h.MapHeight = kMapHeight;
  h.FormationCount = kMaxFormations;
  h.SettlementCount = static_cast<std::uint16_t>(t.places.size());
  h.Day = 22;
  h.Month = 6;
  h.Year = 1941;
  h.TurnLength = 0;  // one day a turn; a new game sets it from the start-up choice
  h.ViewX = 154;     // the opening view on the Bug at Brest-Litovsk
  h.ViewY = 208;
}

void WriteSettlement(const Place& p, TSettlement& s) {
  s = TSettlement{};
  s.OwnerNation = p.owner;
  s.HolderNation = p.holder;
  s.Value = static_cast<std::uint16_t>(p.value);
  std::memset(s.Name.data(), ' ', s.Name.size());
  std::memcpy(s.Name.data(), p.name.data(), std::min(p.name.size(), s.Name.size()));
}

}  // namespace gm::scenario
