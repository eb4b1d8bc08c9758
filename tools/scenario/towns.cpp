// Towns and airfields: which GeoNames towns become settlements, under their 1941 names, with a
// value from their population and the 1941 owner and holder of their cell.
#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "tools/scenario/theatre.hpp"
#include "tools/tiles/tile_catalogue.hpp"

namespace gm::scenario {
namespace {

// Value 1..100 on a logarithmic scale: 1000 people give 1, about 4.2 million give 100.
int ValueOf(int population) {
  const double v = 100.0 * (std::log10(std::max(population, 1000)) - 3.0) / 3.62;
  return std::clamp(static_cast<int>(std::lround(v)), 1, 100);
}

// Today's names are matched without their apostrophes ("Homyel'" is "Homyel").
std::string Key(const std::string& country, std::string name) {
  std::erase(name, '\'');
  return country + "|" + name;
}

}  // namespace

Status PlaceTowns(const SourceData& src, Theatre& t) {
  std::map<std::string, const NameRule*> rules;
  for (const NameRule& r : src.names) rules[Key(r.country, r.modern)] = &r;
  std::set<std::string> usedNames;
  std::set<std::string> renamed;  // rules that found their town
  for (const Town& town : src.towns) {
    const auto it = rules.find(Key(town.country, town.name));
    const NameRule* rule = it == rules.end() ? nullptr : it->second;
    if (rule && rule->name1941.empty()) continue;  // founded after 1941
    int x = ColumnOf(town.at.lon), y = RowOf(town.at.lat);
    if (!InTheatre(x, y)) continue;
    if (!t.IsLand(x, y)) {  // a harbour town whose centre falls on the water
      bool moved = false;
      for (int d = 0; d < 8 && !moved; ++d)
        if (t.IsLand(x + tiles::kDirDx[d], y + tiles::kDirDy[d])) {
          x += tiles::kDirDx[d];
          y += tiles::kDirDy[d];
          moved = true;
        }
      if (!moved) continue;
    }
    const int i = Theatre::Index(x, y);
    if (t.place[i] != 0) continue;  // a larger town already stands in the cell
    if (!rule && town.population < t.minPopulation[t.country[i]]) continue;
    std::string name = rule ? rule->name1941 : town.name;
    std::erase(name, '\'');  // "Roslavl'" and the like: the soft sign is not written
    name = name.substr(0, 40);
    if (usedNames.count(name) && !rule) continue;
    if (rule) {
      if (renamed.count(Key(rule->country, rule->modern))) continue;  // a namesake came first
      renamed.insert(Key(rule->country, rule->modern));
    }
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
  std::vector<Place> sorted = t.places;
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const Place& a, const Place& b) { return a.population > b.population; });
  t.places = std::move(sorted);
  std::fill(t.place.begin(), t.place.end(), 0);
  for (std::size_t k = 0; k < t.places.size(); ++k)
    t.place[Theatre::Index(t.places[k].x, t.places[k].y)] = static_cast<int>(k + 1);
  return Status::Ok();
}

namespace {

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

}  // namespace

Status PlaceAirfields(const SourceData& src, Theatre& t) {
  // Airfields by every city of some size, and by the towns the authored list names: the
  // frontier fields of June 1941 on both sides.
  std::set<std::string> wanted;
  for (const AuthoredFeature& f : src.roads) {
    if (f.words[0] != "airfield") continue;
    std::string name;
    for (std::size_t k = 1; k < f.words.size(); ++k) name += (k > 1 ? " " : "") + f.words[k];
    bool found = false;
    for (const Place& p : t.places) found = found || p.name == name;
    if (!found)
      return Status::Error("tools/scenario/data/authored/roads.txt:" + std::to_string(f.line) +
                           ": no town named " + name);
    wanted.insert(name);
  }
  const std::size_t towns = t.places.size();
  for (std::size_t k = 0; k < towns; ++k) {
    const Place town = t.places[k];
    if (town.value < 70 && !wanted.count(town.name)) continue;
    bool placed = false;
    for (int r = 1; r <= 3 && !placed; ++r)
      for (int dy = -r; dy <= r && !placed; ++dy)
        for (int dx = -r; dx <= r && !placed; ++dx) {
          if (std::max(std::abs(dx), std::abs(dy)) != r) continue;
          const int x = town.x + dx, y = town.y + dy;
          if (!FitForAirfield(t, x, y)) continue;
          const int i = Theatre::Index(x, y);
          Place a;
          a.name = (town.name + " airfield").substr(0, 40);
          a.x = x;
          a.y = y;
          a.value = 0;
          a.owner = t.owner[i];
          a.holder = t.holder[i];
          a.airfield = true;
          t.places.push_back(a);
          t.place[i] = static_cast<int>(t.places.size());
          placed = true;
        }
  }
  return Status::Ok();
}

}  // namespace gm::scenario
