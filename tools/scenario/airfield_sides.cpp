// Every airfield on the side of the border of the town it is named for: an airfield across the
// border from its town would put one side's air regiments under the other side's town.
#include <limits>
#include <map>

#include "tools/scenario/theatre.hpp"

namespace gm::scenario {

Status CheckAirfieldSides(const Theatre& t) {
  // The towns an airfield's name can stand for: "<town> airfield" beside the towns, "<town>
  // field" laid out for the air fleets, cut as the settlement records cut names.
  std::multimap<std::string, const Place*> namesakes;
  for (const Place& p : t.places)
    if (!p.airfield)
      for (const char* kind : {" airfield", " field"})
        namesakes.emplace((p.name + kind).substr(0, kPlaceNameLength), &p);
  // Every airfield across the border is named at once.
  std::string wrong;
  for (const Place& a : t.places) {
    if (!a.airfield) continue;
    const Place* town = nullptr;  // of towns of one name, the nearest
    long nearest = std::numeric_limits<long>::max();
    const auto [first, last] = namesakes.equal_range(a.name);
    for (auto it = first; it != last; ++it) {
      const long dx = it->second->x - a.x, dy = it->second->y - a.y;
      if (dx * dx + dy * dy < nearest) {
        nearest = dx * dx + dy * dy;
        town = it->second;
      }
    }
    std::string what;
    if (town == nullptr)
      what = a.name + " is named for no town";
    else if (town->holder != a.holder)
      what = a.name + ", held by nation " + std::to_string(a.holder) +
             ", stands across the border from " + town->name + ", held by nation " +
             std::to_string(town->holder);
    if (!what.empty()) wrong += (wrong.empty() ? "" : "; ") + what;
  }
  return wrong.empty() ? Status::Ok() : Status::Error(wrong);
}

}  // namespace gm::scenario
