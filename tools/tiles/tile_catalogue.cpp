// The tile catalogue, built from the terrain table: the tiles of each terrain, in ascending
// number, take that terrain's depictions below in order.
#include "tools/tiles/tile_catalogue.hpp"

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "world/tables/tables.hpp"

namespace gm::tiles {
namespace {

constexpr std::uint8_t kNone = 0;
constexpr std::uint8_t N = Bit(kN), NE = Bit(kNE), E = Bit(kE), SE = Bit(kSE), S = Bit(kS),
                       SW = Bit(kSW), W = Bit(kW), NW = Bit(kNW);

struct Depiction {
  std::uint8_t ways = kNone;
  std::uint8_t sea = kNone;
  std::uint8_t size = 0;
  Look look = Look::kNone;
};

using List = std::vector<Depiction>;

// Every pair of distinct directions: straight runs first, then gentle, square and sharp bends.
List Pairs() {
  List out;
  for (int turn = 4; turn >= 1; --turn)  // eighths of a turn between the two ends
    for (int a = 0; a < kDirCount; ++a) {
      const int b = (a + turn) % kDirCount;
      if (turn == 4 && b < a) continue;  // a straight run is counted once
      out.push_back({static_cast<std::uint8_t>(Bit(a) | Bit(b))});
    }
  return out;
}

List Ends() {
  List out;
  for (int d = 0; d < kDirCount; ++d) out.push_back({Bit(d)});
  return out;
}

List Repeat(const List& list, int times) {
  List out;
  for (int i = 0; i < times; ++i) out.insert(out.end(), list.begin(), list.end());
  return out;
}

List Looks(std::initializer_list<std::pair<Look, int>> counts) {
  List out;
  for (auto [look, n] : counts)
    for (int i = 0; i < n; ++i) out.push_back({kNone, kNone, 0, look});
  return out;
}

List Join(std::initializer_list<List> parts) {
  List out;
  for (const List& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

List Ways(std::initializer_list<std::uint8_t> masks) {
  List out;
  for (std::uint8_t m : masks) out.push_back({m});
  return out;
}

List Seas(std::initializer_list<std::pair<std::uint8_t, int>> masks) {
  List out;
  for (auto [m, n] : masks)
    for (int i = 0; i < n; ++i) out.push_back({kNone, m});
  return out;
}

// Road junctions: the four T's, the two crossings and two forks.
List RoadJunctions() {
  return Ways({N | E | S, E | S | W, S | W | N, W | N | E, N | E | S | W, NE | SE | SW | NW,
               N | SE | SW, S | NE | NW});
}

// River confluences: the four T's, the crossing and eight forks of a main stream and a tributary.
List RiverJunctions() {
  List out = Ways({N | E | S, E | S | W, S | W | N, W | N | E, N | E | S | W});
  for (int d = 0; d < kDirCount; ++d)
    out.push_back({static_cast<std::uint8_t>(Bit(d) | Bit((d + 3) % 8) | Bit((d + 5) % 8))});
  return out;
}

// Land with water beside it: every arrangement that a coast cell meets, the common ones in
// several varieties. Edges are N, E, S, W; a corner counts only where both its edges are land.
List CoastShapes() {
  const std::uint8_t edges[] = {N, E, S, W};
  const std::uint8_t outer[] = {N | E, E | S, S | W, W | N};
  const std::uint8_t inner[] = {NE, SE, SW, NW};
  const std::uint8_t opposite[] = {N | S, E | W};
  const std::uint8_t three[] = {W | N | E, N | E | S, E | S | W, S | W | N};
  const std::uint8_t edgeFarCorner[] = {N | SE, N | SW, E | SW, E | NW,
                                        S | NW, S | NE, W | NE, W | SE};
  const std::uint8_t twoInner[] = {NE | SE, SE | SW, SW | NW, NW | NE, NE | SW, NW | SE};
  const std::uint8_t outerInner[] = {N | E | SW, E | S | NW, S | W | NE, W | N | SE};
  const std::uint8_t threeInner[] = {NE | SE | SW, SE | SW | NW, SW | NW | NE, NW | NE | SE};
  const std::uint8_t edgeTwoFar[] = {N | SE | SW, E | SW | NW, S | NW | NE, W | NE | SE};
  const std::uint8_t all[] = {N | E | S | W};
  const std::uint8_t allCorners[] = {NE | SE | SW | NW};
  List out;
  auto add = [&out](const auto& masks, int times) {
    for (int i = 0; i < times; ++i)
      for (std::uint8_t m : masks) out.push_back({kNone, m});
  };
  add(edges, 6);
  add(outer, 4);
  add(inner, 4);
  add(opposite, 3);
  add(three, 3);
  add(all, 2);
  add(edgeFarCorner, 1);
  add(twoInner, 1);
  add(outerInner, 1);
  add(threeInner, 1);
  add(allCorners, 1);
  add(edgeTwoFar, 1);
  return out;
}

List Towns() {
  List out;
  const int counts[] = {30, 25, 16, 10, 6, 2};  // villages .. metropolises
  for (int size = 1; size <= 6; ++size)
    for (int i = 0; i < counts[size - 1]; ++i)
      out.push_back({kNone, kNone, static_cast<std::uint8_t>(size)});
  return out;
}

List Mouths() {
  List out;
  for (int d : {kN, kE, kS, kW, kNE, kSE, kSW, kNW, kN}) out.push_back({Bit(d), Bit(Opposite(d))});
  return out;
}

struct TerrainDepictions {
  Feature feature;
  List list;
};

std::map<std::string_view, TerrainDepictions> DepictionsByTerrain() {
  const List axes = Ways({N | S, E | W, NE | SW, NW | SE});
  std::map<std::string_view, TerrainDepictions> m;
  auto add = [&m](Feature feature, List list) {
    m[TerrainNameOf(feature)] = {feature, std::move(list)};
  };
  add(Feature::kRoad, Join({Pairs(), Ends(), RoadJunctions()}));
  add(Feature::kBridge,
      Join({Repeat(axes, 3), Ways({N | SE, N | SW, S | NE, S | NW, E | NW, E | SW, W | NE, W | SE}),
            Ways({N | E, E | S, S | W, W | N, N | S})}));
  add(Feature::kMouth, Mouths());
  add(Feature::kPlain, Looks({{Look::kMeadow, 1}}));
  add(Feature::kAirbase, List{{}});
  add(Feature::kOpenGround,
      Looks(
          {{Look::kFields, 30}, {Look::kMeadow, 20}, {Look::kSteppe, 25}, {Look::kDrySteppe, 12}}));
  add(Feature::kTown, Towns());
  add(Feature::kPort, Seas({{N, 1}, {E, 1}, {S, 1}, {W, 1}}));
  add(Feature::kCoast, CoastShapes());
  add(Feature::kDesert, List(6));
  add(Feature::kRiver, Join({Repeat(Pairs(), 3), Ends(), RiverJunctions()}));
  add(Feature::kWood,
      Looks({{Look::kMixedForest, 11}, {Look::kConiferForest, 11}, {Look::kLeafForest, 11}}));
  add(Feature::kMountainWood, Looks({{Look::kConiferForest, 27}, {Look::kMixedForest, 27}}));
  add(Feature::kMountain, List(4));
  add(Feature::kMarsh,
      Looks({{Look::kReedMarsh, 22}, {Look::kWoodedBog, 22}, {Look::kPeatBog, 22}}));
  add(Feature::kSea, List(5));
  add(Feature::kHill, Looks({{Look::kMeadow, 2}}));
  add(Feature::kWoodHill, Looks({{Look::kMixedForest, 4}}));
  add(Feature::kFort, List(25));
  add(Feature::kMountainRiver, Ways({N | S, E | W, NE | SW, NW | SE, N | SW, N | SE}));
  add(Feature::kMountainRoad, Ways({N | S, E | W}));
  return m;
}

bool SameDepiction(const TileInfo& t, const Depiction& d) {
  return t.ways == d.ways && t.sea == d.sea && t.size == d.size && t.look == d.look;
}

std::array<TileInfo, kTileCount> BuildCatalogue() {
  const auto depictions = DepictionsByTerrain();
  std::map<std::string_view, int> used;  // tiles of each terrain handed out so far
  std::array<TileInfo, kTileCount> out{};
  for (int t = 0; t < kTileCount; ++t) {
    const std::string_view name = TerrainTiles[t].Name.View();
    const TerrainDepictions& td = depictions.at(name);
    const int k = used[name]++;
    const Depiction& d = td.list[k % td.list.size()];
    TileInfo info{td.feature, d.ways, d.sea, d.size, d.look, 1};
    for (int u = 0; u < t; ++u)  // the variety counts earlier tiles that show the same
      if (out[u].feature == info.feature && SameDepiction(out[u], d)) ++info.variety;
    out[t] = info;
  }
  return out;
}

std::string_view LookName(Look look) {
  switch (look) {
    case Look::kNone:
      return "";
    case Look::kFields:
      return "fields";
    case Look::kMeadow:
      return "meadow";
    case Look::kSteppe:
      return "steppe";
    case Look::kDrySteppe:
      return "dry steppe";
    case Look::kMixedForest:
      return "mixed forest";
    case Look::kConiferForest:
      return "conifer forest";
    case Look::kLeafForest:
      return "leaf forest";
    case Look::kReedMarsh:
      return "reed marsh";
    case Look::kWoodedBog:
      return "wooded bog";
    case Look::kPeatBog:
      return "peat bog";
  }
  return "";
}

}  // namespace

const std::array<TileInfo, kTileCount>& TileCatalogue() {
  static const std::array<TileInfo, kTileCount> catalogue = BuildCatalogue();
  return catalogue;
}

std::string_view TerrainNameOf(Feature feature) {
  switch (feature) {
    case Feature::kRoad:
      return "Road-Plain";
    case Feature::kBridge:
      return "Bridge";
    case Feature::kMouth:
      return "Mouth";
    case Feature::kPlain:
      return "Plain";
    case Feature::kAirbase:
      return "Airbase";
    case Feature::kOpenGround:
      return "Plain-Desert";
    case Feature::kTown:
      return "Town";
    case Feature::kPort:
      return "Town-Port";
    case Feature::kCoast:
      return "Coast";
    case Feature::kDesert:
      return "Desert";
    case Feature::kRiver:
      return "River-Plain";
    case Feature::kWood:
      return "Wood";
    case Feature::kMountainWood:
      return "Mountain-Wood";
    case Feature::kMountain:
      return "Mountain";
    case Feature::kMarsh:
      return "Marsh";
    case Feature::kSea:
      return "Sea";
    case Feature::kHill:
      return "Hill";
    case Feature::kWoodHill:
      return "Wood-Hill";
    case Feature::kFort:
      return "Fort-Plain";
    case Feature::kMountainRiver:
      return "Mountain-River";
    case Feature::kMountainRoad:
      return "Mountain-Road";
  }
  return "";
}

std::string DirectionNames(std::uint8_t mask) {
  static constexpr const char* kNames[kDirCount] = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
  std::string out;
  for (int d = 0; d < kDirCount; ++d) {
    if (!(mask & Bit(d))) continue;
    if (!out.empty()) out += ' ';
    out += kNames[d];
  }
  return out.empty() ? "-" : out;
}

std::string DescribeTile(int tile) {
  const TileInfo& t = TileCatalogue().at(tile);
  std::string s = std::to_string(tile);
  s.append(" ").append(TerrainNameOf(t.feature));
  std::string what;
  switch (t.feature) {
    case Feature::kRoad:
    case Feature::kMountainRoad:
      what = "road to";
      break;
    case Feature::kBridge:
      what = "bridged road to";
      break;
    case Feature::kRiver:
    case Feature::kMountainRiver:
      what = "river to";
      break;
    case Feature::kMouth:
      what = "river mouth from";
      break;
    case Feature::kCoast:
      what = "water to";
      break;
    case Feature::kPort:
      what = "harbour to";
      break;
    default:
      break;
  }
  if (!what.empty()) {
    s.append(": ").append(what).append(" ");
    s.append(DirectionNames(t.feature == Feature::kCoast || t.feature == Feature::kPort ? t.sea
                                                                                        : t.ways));
    if (t.feature == Feature::kMouth) s.append(" into water to ").append(DirectionNames(t.sea));
  }
  if (t.feature == Feature::kTown) {
    static constexpr const char* kSizes[] = {"",     "village",    "small town", "town",
                                             "city", "large city", "metropolis"};
    s.append(": ").append(kSizes[t.size]);
  }
  if (t.look != Look::kNone) s.append(what.empty() ? ": " : " ").append(LookName(t.look));
  s.append(", variety ").append(std::to_string(t.variety));
  return s;
}

}  // namespace gm::tiles
