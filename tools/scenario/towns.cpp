// Towns and airfields: which GeoNames towns become settlements, under their 1941 names (named one
// by one, or spelt by the region's transliteration table), with a value from their population
// and the 1941 owner and holder of their cell.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>
#include <set>
#include <utility>

#include "tools/scenario/text_lines.hpp"
#include "tools/scenario/theatre.hpp"
#include "tools/tiles/tile_catalogue.hpp"

namespace gm::scenario {
namespace {

// Value 1..100 on a logarithmic scale: 1000 people give 1, about 4.2 million give 100.
int ValueOf(int population) {
  const double v = 100.0 * (std::log10(std::max(population, 1000)) - 3.0) / 3.62;
  return std::clamp(static_cast<int>(std::lround(v)), 1, 100);
}

std::string Key(const std::string& country, const std::string& name) {
  return country + "|" + MatchedName(name);
}

// The rule for a town among those of its name: one placed where the town stands, else the one
// without a place (which only the largest namesake takes, see PlaceTowns).
const NameRule* RuleFor(const std::vector<const NameRule*>& rules, const Town& town) {
  const NameRule* unplaced = nullptr;
  for (const NameRule* r : rules) {
    if (!r->placed) {
      if (unplaced == nullptr) unplaced = r;
      continue;
    }
    if (std::abs(r->at.lon - town.at.lon) <= kRulePlaceReach &&
        std::abs(r->at.lat - town.at.lat) <= kRulePlaceReach)
      return r;
  }
  return unplaced;
}

// How far from a town's point, in cells, the land it stands on may lie when the map draws the
// point and everything beside it as water: a harbour on a cape or a spit too thin for the map.
constexpr int kShoreReach = 2;

// Of the land cells `reach` cells (rows or columns) from the point's cell (x, y), the one nearest
// to the point, put into x and y; false when there is none.
bool NearestLand(const Theatre& t, const LonLat& at, int reach, int& x, int& y) {
  // Distances in degrees of latitude: a degree of longitude is shorter by the cosine.
  const double squeeze = std::cos(at.lat * std::numbers::pi / 180.0);
  double best = std::numeric_limits<double>::max();
  int bestX = 0, bestY = 0;
  for (int dy = -reach; dy <= reach; ++dy)
    for (int dx = -reach; dx <= reach; ++dx) {
      if (std::max(std::abs(dx), std::abs(dy)) != reach || !t.IsLand(x + dx, y + dy)) continue;
      const double east = (LonOf(x + dx) - at.lon) * squeeze, north = LatOf(y + dy) - at.lat;
      if (east * east + north * north < best) {
        best = east * east + north * north;
        bestX = x + dx;
        bestY = y + dy;
      }
    }
  if (best == std::numeric_limits<double>::max()) return false;
  x = bestX;
  y = bestY;
  return true;
}

// A town's cell: where its point lies, or for a town whose point falls on the water the first
// land cell beside it. Where the land beside it has more than one owner or holder (a liman or a
// strait on a border) the first one may lie on the far shore, so the one nearest to its point
// is taken, which lies on the town's own; with no land beside it, the nearest land within
// kShoreReach cells. False when there is none.
bool TownCell(const Theatre& t, const LonLat& at, int& x, int& y) {
  if (t.IsLand(x, y)) return true;
  int first = -1;
  bool mixed = false;
  for (int d = 0; d < 8; ++d) {
    if (!t.IsLand(x + tiles::kDirDx[d], y + tiles::kDirDy[d])) continue;
    const int i = Theatre::Index(x + tiles::kDirDx[d], y + tiles::kDirDy[d]);
    if (first < 0) {
      first = i;
      continue;
    }
    mixed = mixed || t.owner[i] != t.owner[first] || t.holder[i] != t.holder[first];
  }
  if (first >= 0 && !mixed) {
    x = Theatre::XOf(first);
    y = Theatre::YOf(first);
    return true;
  }
  for (int reach = 1; reach <= kShoreReach; ++reach)
    if (NearestLand(t, at, reach, x, y)) return true;
  return false;
}

}  // namespace

std::string Transliterate(const std::string& name, const std::vector<const TranslitRule*>& table) {
  const auto weight = [](const TranslitRule* r) {
    return r->from.size() * 4 + (r->atStart ? 1 : 0) + (r->atEnd ? 1 : 0);
  };
  std::string out;
  std::size_t wordStart = 0;
  for (std::size_t i = 0; i < name.size();) {
    if (name[i] == ' ' || name[i] == '-') {
      out += name[i++];
      wordStart = i;
      continue;
    }
    const std::size_t next = name.find_first_of(" -", i);
    const std::size_t wordEnd = next == std::string::npos ? name.size() : next;
    const TranslitRule* best = nullptr;
    for (const TranslitRule* r : table) {
      const std::size_t len = r->from.size();
      if (i + len > wordEnd || (r->atStart && i != wordStart) || (r->atEnd && i + len != wordEnd))
        continue;
      bool same = true;
      for (std::size_t k = 0; k < len && same; ++k)
        same = std::tolower(static_cast<unsigned char>(name[i + k])) == r->from[k];
      if (same && (best == nullptr || weight(r) > weight(best))) best = r;
    }
    if (best == nullptr) {
      out += name[i++];
      continue;
    }
    std::string piece = best->to;
    if (!piece.empty() && std::isupper(static_cast<unsigned char>(name[i])))
      piece[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(piece[0])));
    out += piece;
    i += best->from.size();
  }
  return out;
}

Status PlaceTowns(const SourceData& src, Theatre& t) {
  std::map<std::string, std::vector<const NameRule*>> rules;
  for (const NameRule& r : src.names) rules[Key(r.country, r.modern)].push_back(&r);
  std::set<std::string> usedNames;
  std::set<const NameRule*> renamed;  // rules that found their town
  std::map<std::pair<std::string, int>, std::vector<const TranslitRule*>> tables;
  for (const TranslitRule& r : src.translit) tables[{r.country, r.holder}].push_back(&r);
  for (const Town& town : src.towns) {
    const auto it = rules.find(Key(town.country, town.name));
    const NameRule* rule = it == rules.end() ? nullptr : RuleFor(it->second, town);
    if (rule && rule->name1941.empty()) continue;  // founded after 1941
    int x = ColumnOf(town.at.lon), y = RowOf(town.at.lat);
    if (!InTheatre(x, y) || !TownCell(t, town.at, x, y)) continue;
    const int i = Theatre::Index(x, y);
    if (t.place[i] != 0) continue;  // a larger town already stands in the cell
    if (!rule && town.population < t.minPopulation[t.country[i]]) continue;
    std::string name = rule ? rule->name1941 : town.name;
    std::erase(name, '\'');  // "Roslavl'" and the like: the soft sign is not written
    if (!rule)
      if (const auto table = tables.find({town.country, t.holder[i]}); table != tables.end())
        name = Transliterate(name, table->second);
    name = name.substr(0, kPlaceNameLength);
    if (usedNames.count(name) && !rule) continue;
    if (rule && !renamed.insert(rule).second) continue;  // a namesake came first
    usedNames.insert(name);
    Place p;
    p.name = name;
    p.x = x;
    p.y = y;
    p.population = rule && rule->population1941 ? rule->population1941 : town.population;
    p.value = ValueOf(p.population);
    p.owner = t.owner[i];
    p.holder = t.holder[i];
    t.places.push_back(p);
    t.place[i] = static_cast<int>(t.places.size());
  }
  // Largest first: the settlement numbers then follow the towns' weight.
  std::stable_sort(t.places.begin(), t.places.end(),
                   [](const Place& a, const Place& b) { return a.population > b.population; });
  std::fill(t.place.begin(), t.place.end(), 0);
  for (std::size_t k = 0; k < t.places.size(); ++k)
    t.place[Theatre::Index(t.places[k].x, t.places[k].y)] = static_cast<int>(k + 1);
  MoveToHarbours(t);
  return Status::Ok();
}

std::uint8_t SeaSides(const Theatre& t, int x, int y) {
  std::uint8_t mask = 0;
  for (int d = 0; d < 8; ++d)
    if (t.IsWater(x + tiles::kDirDx[d], y + tiles::kDirDy[d])) mask |= tiles::Bit(d);
  for (int d = 1; d < 8; d += 2)
    if ((mask & tiles::Bit(d - 1)) || (mask & tiles::Bit((d + 1) % 8)))
      mask &= static_cast<std::uint8_t>(~tiles::Bit(d));
  return mask;
}

int HarbourSide(const Theatre& t, int x, int y) {
  const std::uint8_t sea = SeaSides(t, x, y);
  for (int d : {tiles::kN, tiles::kE, tiles::kS, tiles::kW})
    if (sea == tiles::Bit(d)) return d;
  return -1;
}

namespace {

constexpr int kHarbourValue = 15;  // the smallest town with a harbour

}  // namespace

bool IsHarbourTown(const Theatre& t, const Place& p) {
  constexpr std::uint8_t kEdges =
      tiles::Bit(tiles::kN) | tiles::Bit(tiles::kE) | tiles::Bit(tiles::kS) | tiles::Bit(tiles::kW);
  return !p.airfield && p.value >= kHarbourValue && (SeaSides(t, p.x, p.y) & kEdges) != 0;
}

void MoveToHarbours(Theatre& t) {
  for (std::size_t k = 0; k < t.places.size(); ++k) {
    Place& p = t.places[k];
    // A town on dry land may have its harbour down its river (Riga, its quays along the Daugava
    // to the sea): on the river's mouth beside it.
    const bool upRiver = !p.airfield && p.value >= kHarbourValue && SeaSides(t, p.x, p.y) == 0;
    if (!upRiver && (!IsHarbourTown(t, p) || HarbourSide(t, p.x, p.y) >= 0)) continue;
    const int from = Theatre::Index(p.x, p.y);
    // Of the free land cells around that take a harbour, held as the town's own cell, on the
    // coast with no river to cut (up a river, its mouth), the one the town lies most squarely
    // behind: straight behind its quay before beside it; never across the water.
    int best = -1, bestBehind = 1;
    for (int d = 0; d < 8; ++d) {
      const int x = p.x + tiles::kDirDx[d], y = p.y + tiles::kDirDy[d];
      if (!t.IsLand(x, y)) continue;
      const int i = Theatre::Index(x, y);
      if (t.place[i] || t.owner[i] != t.owner[from] || t.holder[i] != t.holder[from] ||
          (upRiver ? !t.mouth[i] : t.riverWays[i] || t.mouth[i]))
        continue;
      const int side = HarbourSide(t, x, y);
      if (side < 0) continue;
      // The step from the harbour to the town against the step to the water: below 0 the town
      // lies behind the quay, 0 beside it along the shore, above 0 across the water.
      const int behind =
          -tiles::kDirDx[d] * tiles::kDirDx[side] - tiles::kDirDy[d] * tiles::kDirDy[side];
      if (behind < bestBehind) {
        best = d;
        bestBehind = behind;
      }
    }
    if (best < 0) continue;
    t.place[from] = 0;
    p.x += tiles::kDirDx[best];
    p.y += tiles::kDirDy[best];
    t.place[Theatre::Index(p.x, p.y)] = static_cast<int>(k + 1);
  }
}

bool FitForAirfield(const Theatre& t, int x, int y) {
  if (!t.IsLand(x, y)) return false;
  const int i = Theatre::Index(x, y);
  if (t.place[i] || t.riverWays[i] || t.mouth[i] || t.roadWays[i]) return false;
  const Ground g = t.ground[i];
  if (g == Ground::kMarsh || g == Ground::kMountain || g == Ground::kMountainWood ||
      g == Ground::kFort)
    return false;
  for (int d = 0; d < 8; ++d)  // not on the shore
    if (InTheatre(x + tiles::kDirDx[d], y + tiles::kDirDy[d]) &&
        !t.IsLand(x + tiles::kDirDx[d], y + tiles::kDirDy[d]))
      return false;
  return true;
}

int Theatre::AddAirfield(const std::string& name, int x, int y) {
  const int i = Index(x, y);
  Place a;
  a.name = name.substr(0, kPlaceNameLength);
  a.x = x;
  a.y = y;
  a.owner = owner[i];
  a.holder = holder[i];
  a.airfield = true;
  places.push_back(a);
  place[i] = static_cast<int>(places.size());
  return place[i];
}

Status Theatre::FindTown(const std::string& words, const Place*& town) const {
  town = nullptr;
  std::string name;
  bool placed = false;
  LonLat at;
  if (!SplitNamedPlace(words, name, placed, at))
    return Status::Error("a town's place \"Name @lon,lat\" expected in " + words);
  int namesakes = 0;
  for (const Place& p : places) {
    if (p.airfield || p.name != name) continue;
    ++namesakes;
    if (!placed || (std::abs(p.x - ColumnOf(at.lon)) <= 1 && std::abs(p.y - RowOf(at.lat)) <= 1))
      town = town ? town : &p;
  }
  if (namesakes == 0) return Status::Error("no town named " + name);
  if (!placed && namesakes > 1)
    return Status::Error(std::to_string(namesakes) + " towns are named " + name +
                         ": give the one meant as \"" + name + " @lon,lat\"");
  if (town == nullptr)
    return Status::Error("no town named " + name + " stands at " +
                         words.substr(words.find('@') + 1));
  return Status::Ok();
}

namespace {

// The first cell fit for an airfield on the rings of 1 to 3 cells around a town, row by row, on
// the town's side of the border: a town's airfield never lies across it.
bool AirfieldCell(const Theatre& t, const Place& town, int& x, int& y) {
  for (int r = 1; r <= 3; ++r)
    for (int dy = -r; dy <= r; ++dy)
      for (int dx = -r; dx <= r; ++dx)
        if (std::max(std::abs(dx), std::abs(dy)) == r &&
            FitForAirfield(t, town.x + dx, town.y + dy) &&
            t.owner[Theatre::Index(town.x + dx, town.y + dy)] == town.owner &&
            t.holder[Theatre::Index(town.x + dx, town.y + dy)] == town.holder) {
          x = town.x + dx;
          y = town.y + dy;
          return true;
        }
  return false;
}

}  // namespace

Status PlaceAirfields(const SourceData& src, Theatre& t) {
  // Airfields by every city of some size, and by the towns the authored list names: the
  // frontier fields of June 1941 on both sides.
  std::set<std::size_t> wanted;  // places by index: adding airfields moves them
  for (const AuthoredFeature& f : src.roads) {
    if (f.words[0] != "airfield") continue;
    const Place* town = nullptr;
    if (Status found = t.FindTown(JoinWords(f.words, 1), town); !found)
      return FeatureError(f, "roads.txt", found.Message());
    wanted.insert(static_cast<std::size_t>(town - t.places.data()));
  }
  const std::size_t towns = t.places.size();
  for (std::size_t k = 0; k < towns; ++k) {
    const Place town = t.places[k];
    int x = 0, y = 0;
    if ((town.value >= 70 || wanted.count(k)) && AirfieldCell(t, town, x, y))
      t.AddAirfield(town.name + " airfield", x, y);
  }
  return Status::Ok();
}

}  // namespace gm::scenario
