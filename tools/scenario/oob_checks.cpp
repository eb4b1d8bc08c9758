// Checks of the placed order of battle against what its data states: the military district each
// area names, and what each nation had on hand of a model.
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

Status CheckOnHand(const OrderOfBattle& oob, const World& w) {
  std::map<std::pair<int, int>, long> held;  // (nation, economy model): formations and stock
  for (const TFormation& f : w.Formations) {
    if (f.Branch == 0) continue;
    const int nation = NationOf(f);
    for (const TEquipmentPair& p : f.pairs)
      if (p.Count > 0)
        held[{nation, p.Model + (f.Branch == 2 ? kAircraftModelBase : 0)}] += p.Count;
  }
  for (const OnHand& h : oob.onHand) {
    const long total =
        held[{h.nation, h.model}] + w.Economy.EquipmentStock[EconomyIndex(h.nation, h.model)];
    if (total > h.count)
      return Status::Error("tools/scenario/data/oob_1941.txt:" + std::to_string(h.line) +
                           ": nation " + std::to_string(h.nation) + " holds " +
                           std::to_string(total) + " of model " + std::to_string(h.model) +
                           " in formations and stock, more than the " + std::to_string(h.count) +
                           " it had on hand");
  }
  return Status::Ok();
}

}  // namespace gm::scenario
