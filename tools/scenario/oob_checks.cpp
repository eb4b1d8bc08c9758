// Checks of the placed order of battle against what its data states: the military district each
// area names, what each nation had on hand of a model, where named formations had their
// garrisons, and that the corps of the districts have them.
#include <algorithm>
#include <cstdlib>
#include <map>
#include <utility>

#include "tools/scenario/order_of_battle.hpp"
#include "world/tables/tables.hpp"
#include "world/world_access.hpp"

namespace gm::scenario {

bool InDistrict(const District& d, const std::vector<Country>& countries, const Theatre& t, int x,
                int y) {
  if (!t.IsLand(x, y)) return false;
  const int country = t.country[Theatre::Index(x, y)];
  if (country < 0) return false;
  for (const DistrictPart& part : d.parts) {
    if (countries[country].name != part.country) continue;
    if (part.polygon.empty() || InsideRing(part.polygon, x + 0.5, y + 0.5)) return true;
  }
  return false;
}

namespace {

const char kOobFile[] = "tools/scenario/data/oob_1941.txt:";

std::string ModelList(const std::vector<int>& models) {
  std::string s;
  for (int m : models) s += (s.empty() ? "" : "+") + std::to_string(m);
  return s;
}

}  // namespace

Status CheckOnHand(const OrderOfBattle& oob, const World& w) {
  std::map<std::pair<int, int>, long> held;  // (nation, economy model): formations and stock
  for (const TFormation& f : w.Formations) {
    if (f.Branch == 0) continue;
    const int nation = NationOf(f);
    for (const TEquipmentPair& p : f.pairs)
      if (p.Count > 0)
        held[{nation, p.Model + (f.Branch == 2 ? kAircraftModelBase : 0)}] += p.Count;
  }
  for (int n = 1; n <= kNations; ++n)
    for (int m = 1; m <= kModelColumns; ++m)
      if (const long s = w.Economy.EquipmentStock[EconomyIndex(n, m)]; s > 0) held[{n, m}] += s;
  for (const OnHand& h : oob.onHand) {
    long total = 0;
    for (int m : h.models)
      if (const auto it = held.find({h.nation, m}); it != held.end()) total += it->second;
    if (total > h.count)
      return Status::Error(
          kOobFile + std::to_string(h.line) + ": nation " + std::to_string(h.nation) + " holds " +
          std::to_string(total) + " of model " + ModelList(h.models) +
          " in formations and stock, more than the " + std::to_string(h.count) + " it had on hand");
  }
  // A nation whose holdings are on record holds no model without a limit.
  for (const auto& [key, count] : held) {
    // Named copies, not a binding: clang 14 lets no lambda capture a structured binding.
    const int nation = key.first;
    const int model = key.second;
    if (oob.countedLine[nation] == 0) continue;
    const bool limited = std::any_of(oob.onHand.begin(), oob.onHand.end(), [&](const OnHand& h) {
      return h.nation == nation &&
             std::find(h.models.begin(), h.models.end(), model) != h.models.end();
    });
    if (!limited)
      return Status::Error(kOobFile + std::to_string(oob.countedLine[nation]) + ": nation " +
                           std::to_string(nation) + " holds " + std::to_string(count) +
                           " of model " + std::to_string(model) + ", which no onhand line limits");
  }
  return Status::Ok();
}

namespace {

bool HasGarrison(const OrderOfBattle& oob, int nation, int type, int number) {
  return std::any_of(oob.garrisons.begin(), oob.garrisons.end(), [&](const Garrison& g) {
    return g.nation == nation && g.type == type && g.number == number;
  });
}

bool InDistrictArea(const OrderOfBattle& oob, const std::string& areaName) {
  const Area* area = FindArea(oob, areaName);
  return area != nullptr && !area->district.empty();
}

// Every formation a district's area places of a `garrisoned` type has a number and a garrison
// line for it.
Status CheckGarrisoned(const OrderOfBattle& oob) {
  for (const Garrisoned& g : oob.garrisoned)
    for (const UnitLine& u : oob.units) {
      if (u.nation != g.nation || !InDistrictArea(oob, u.area) ||
          std::find(g.types.begin(), g.types.end(), u.type) == g.types.end())
        continue;
      const std::string where = kOobFile + std::to_string(u.line) + ": ";
      const std::string rule = " (garrisoned at line " + std::to_string(g.line) + ")";
      for (int k = 0; k < u.count; ++k) {
        const int number = k < static_cast<int>(u.numbers.size()) ? u.numbers[k] : 0;
        if (number == 0)
          return Status::Error(where + "formation " + std::to_string(k + 1) + " of type " +
                               std::to_string(u.type) + " in district area " + u.area +
                               " has no number for its garrison" + rule);
        if (!HasGarrison(oob, u.nation, u.type, number))
          return Status::Error(where + "formation type " + std::to_string(u.type) + " number " +
                               std::to_string(number) + " of nation " + std::to_string(u.nation) +
                               " in district area " + u.area + " has no garrison line" + rule);
      }
    }
  return Status::Ok();
}

}  // namespace

Status CheckGarrisons(const OrderOfBattle& oob, const Theatre& t, const World& w) {
  if (Status s = CheckGarrisoned(oob); !s) return s;
  for (const Garrison& g : oob.garrisons) {
    const std::string where = kOobFile + std::to_string(g.line) + ": ";
    const Place* town = nullptr;
    if (Status found = t.FindTown(g.town, town); !found)
      return Status::Error(where + found.Message());
    const std::string who = "formation type " + std::to_string(g.type) + " number " +
                            std::to_string(g.number) + " of nation " + std::to_string(g.nation);
    bool found = false;
    for (const TFormation& f : w.Formations) {
      if (f.Branch == 0 || NationOf(f) != g.nation || f.FormationType != g.type ||
          f.FormationNumber != g.number)
        continue;
      found = true;
      const int away = std::max(std::abs(f.X - town->x), std::abs(f.Y - town->y));
      if (away > kGarrisonReach)
        return Status::Error(where + who + " stands " + std::to_string(away) + " cells from " +
                             g.town + ", more than " + std::to_string(kGarrisonReach));
    }
    if (!found) return Status::Error(where + "no " + who);
  }
  return Status::Ok();
}

}  // namespace gm::scenario
