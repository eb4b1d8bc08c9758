// The build steps in order: water and borders, ground, rivers, towns (and the check of the
// border towns), roads, airfields, tiles, records, and the check of the airfields' sides.
#include "tools/scenario/scenario_build.hpp"

#include "tools/scenario/map_tiles.hpp"
#include "tools/scenario/order_of_battle.hpp"

namespace gm::scenario {

Status BuildScenario(const std::string& dataDir, World& w, BuildResult& result) {
  SourceData src;
  if (Status s = LoadSourceData(dataDir, src); !s) return s;
  Theatre& t = result.theatre;
  if (Status s = LayWaterAndBorders(src, t); !s) return s;
  if (Status s = LayGround(src, t); !s) return s;
  if (Status s = LayRivers(src, t); !s) return s;
  if (Status s = PlaceTowns(src, t); !s) return s;
  if (Status s = CheckBorderTowns(src, t); !s) return s;
  if (Status s = LayRoads(src, t); !s) return s;
  if (Status s = PlaceAirfields(src, t); !s) return s;
  if (t.places.size() > static_cast<std::size_t>(kMaxSettlements))
    return Status::Error("more settlements than the 20,000 records hold");
  result.tiles = ChooseTiles(t);
  FillWorld(t, result.tiles, w);
  if (Status s = BuildForcesAndEconomy(dataDir, src.countries, t, result.tiles, w); !s) return s;
  if (Status s = CheckAirfieldSides(t); !s) return s;
  result.towns = result.airfields = 0;
  for (const Place& p : t.places) ++(p.airfield ? result.airfields : result.towns);
  return Status::Ok();
}

}  // namespace gm::scenario
