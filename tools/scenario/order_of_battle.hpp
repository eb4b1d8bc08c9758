// The armies and air fleets of 22 June 1941 and the nations' war economy: read from
// data/oob_1941.txt and data/economy_1941.txt, placed on the built map and written into the world.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/status.hpp"
#include "tools/scenario/theatre.hpp"
#include "world/world.hpp"

namespace gm::scenario {

// Models of one equipment category (1..8) or of aircraft (category 0), each with its share.
struct KitShare {
  int model = 0;  // equipment model 1..800, or aircraft row 1..400
  int weight = 0;
};
using Kit = std::vector<KitShare>;

// Equipment slots of each ground category's group (index 1..8) in a formation record.
inline constexpr int kCategorySlots[9] = {0, 6, 3, 3, 4, 3, 4, 3, 3};

// Whether a model or formation type that came in `month` of `year` is at hand on 22 June 1941.
inline bool InServiceByJune1941(int month, int year) {
  return year < 1941 || (year == 1941 && month < 7);
}

// One line of the order of battle: `count` formations of one type in one placement area.
struct UnitLine {
  int nation = 0;
  int type = 0;
  int count = 0;
  std::string area;
  int menPercent = 100;                         // men against the type's nominal strength
  int equipPercent = 100;                       // equipment, cars and horses
  int tankPercent = -1;                         // tanks alone, when given
  int armouredPercent = -1;                     // armoured cars and half-tracks alone, when given
  int experience = -1, morale = -1, ammo = -1;  // -1: the nation's quality line
  std::array<Kit, 9> kits;   // by category 1..8, [0] aircraft; empty: the nation's default
  std::vector<int> numbers;  // historical numbers, one per formation in order
  int line = 0;
};

struct Area {
  std::vector<LonLat> anchors;
  bool border = false;   // a front line: its formations stand on the border cells
  std::string district;  // the military district its formations must stand in; "" any
  int line = 0;
};

// A 1941 military district: the cells of today's countries it took, each part limited to its
// polygon where one is given.
struct DistrictPart {
  std::string country;          // as the country outlines name it
  std::vector<LonLat> polygon;  // empty: the whole country
};
struct District {
  std::string name;
  std::vector<DistrictPart> parts;
};

// What a nation held of one model, or of a group of models counted together, on 22 June 1941,
// in its formations and depots together.
struct OnHand {
  int nation = 0;
  std::vector<int> models;  // economy model numbers: equipment 1..800, aircraft 801..1200
  int count = 0;
  int line = 0;
};

// A named formation's peacetime garrison: it must stand within kGarrisonReach cells of the town.
inline constexpr int kGarrisonReach = 3;
struct Garrison {
  int nation = 0;
  int type = 0;    // formation type
  int number = 0;  // historical number
  std::string town;
  int line = 0;
};

// The formation types of a nation whose every formation placed in a district's area must have a
// garrison line: the corps of the border districts stood in their peacetime garrisons, so none of
// them is dealt over an area's anchors in turn.
struct Garrisoned {
  int nation = 0;
  std::vector<int> types;
  int line = 0;
};

struct Quality {
  int experience = 1, morale = 100, ammo = 10;
};

struct OrderOfBattle {
  std::vector<UnitLine> units;
  std::vector<std::pair<std::string, Area>> areas;
  std::array<Quality, 11> quality;                 // by nation
  std::array<std::array<Kit, 9>, 11> defaultKits;  // by nation, then category ([0] aircraft)
  std::vector<District> districts;
  std::vector<OnHand> onHand;
  // By nation: the line of its `counted` (every model it holds needs an `onhand` line), or 0.
  int countedLine[11] = {};
  std::vector<Garrison> garrisons;
  std::vector<Garrisoned> garrisoned;
};

// The area named `name`; nullptr when there is none.
const Area* FindArea(const OrderOfBattle& oob, const std::string& name);

// Reads and checks the order of battle: every type raisable by June 1941 by its nation, every
// kit model of its category and in service before July 1941, every district and area named
// before use. Placing checks that airborne types get only air-portable models.
Status LoadOrderOfBattle(const std::string& path, OrderOfBattle& out);

// Whether cell (x, y) lies in the district: on land of one of its countries, inside that part's
// polygon where the part has one.
bool InDistrict(const District& d, const std::vector<Country>& countries, const Theatre& t, int x,
                int y);

// The equipment and aircraft of each nation's formations and stock against the `onhand` lines:
// fails naming the first line a nation holds more than, or the first model a `counted` nation
// holds that no line limits.
Status CheckOnHand(const OrderOfBattle& oob, const World& w);

// Each `garrison` line's formation against its town: fails naming the first line whose
// formation is missing or stands more than kGarrisonReach cells (rows or columns) from the town,
// or the first unit line of a district's area that places a formation of a `garrisoned` type
// without a number or without a garrison line for its number.
Status CheckGarrisons(const OrderOfBattle& oob, const Theatre& t, const World& w);

// Planned formations by nation (index 1..8), ground and air.
struct ForceCounts {
  std::array<int, 11> ground{};
  std::array<int, 11> air{};
};
ForceCounts PlannedCounts(const OrderOfBattle& oob);

// Places every formation of the order of battle on the built world: ground formations on free
// passable cells of their own coalition's side near their area, never on a neutral settlement;
// air formations on free airbases, laying out a field airbase where none is near. New airbases
// are added to the theatre, the tiles and the settlement records. An area that names a district
// keeps its formations to the district's cells; an anchor outside it stops the placing.
Status PlaceOrderOfBattle(const OrderOfBattle& oob, const std::vector<Country>& countries,
                          Theatre& t, std::vector<std::uint16_t>& tiles, World& w);

// Fills the economy block from data/economy_1941.txt: stocks, pools, production rates and
// statuses. Fails where a nation's rates cost more than its held settlements pay for.
Status BuildEconomy(const std::string& path, World& w);

// The builder's step after the map: the order of battle from `dataDir`, then the economy, then
// the named formations against their garrisons and the holdings against what each nation had on
// hand.
Status BuildForcesAndEconomy(const std::string& dataDir, const std::vector<Country>& countries,
                             Theatre& t, std::vector<std::uint16_t>& tiles, World& w);

// Marks every formation on the review picture: a dot in its coalition's colour.
void MarkFormations(const World& w, std::vector<std::uint8_t>& rgb);

}  // namespace gm::scenario
