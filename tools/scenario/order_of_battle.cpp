// Placing the order of battle on the built map and filling each formation's record: men,
// equipment slots from the type's nominal counts and the kits, quality and historical number.
#include "tools/scenario/order_of_battle.hpp"

#include <algorithm>

#include "tools/scenario/map_tiles.hpp"
#include "world/formation_lists.hpp"
#include "world/tables/tables.hpp"
#include "world/world_access.hpp"

namespace gm::scenario {
namespace {

constexpr int kSearchRadius = 45;  // cells searched around an anchor
constexpr int kAirbaseReach = 10;  // an existing airbase this near an anchor is used
constexpr std::uint16_t kAirbaseTile = 53;

// First pair of each ground category's group (index 1..8).
constexpr int kFirstPair[9] = {0, 0, 8, 11, 14, 18, 21, 25, 28};

struct Offset {
  int dx, dy;
};

// Cells around an anchor, nearest first (ties by row, then column): the same order every build.
const std::vector<Offset>& SearchOrder() {
  static const std::vector<Offset> order = [] {
    std::vector<Offset> o;
    for (int dy = -kSearchRadius; dy <= kSearchRadius; ++dy)
      for (int dx = -kSearchRadius; dx <= kSearchRadius; ++dx)
        if (dx * dx + dy * dy <= kSearchRadius * kSearchRadius) o.push_back({dx, dy});
    std::stable_sort(o.begin(), o.end(), [](const Offset& a, const Offset& b) {
      return a.dx * a.dx + a.dy * a.dy < b.dx * b.dx + b.dy * b.dy;
    });
    return o;
  }();
  return order;
}

std::uint32_t CoalitionOf(int nation) {
  return InNationSet(kSovietNations, nation) ? kSovietNations : kGermanNations;
}

// Splits `total` pieces by the kit's weights, largest remainders first (lower entry on ties).
std::vector<int> Split(int total, const Kit& kit) {
  std::vector<int> out(kit.size(), 0);
  long sum = 0;
  for (const KitShare& s : kit) sum += s.weight;
  if (sum == 0 || total <= 0) return out;
  std::vector<std::pair<long, int>> rest;
  int given = 0;
  for (std::size_t k = 0; k < kit.size(); ++k) {
    out[k] = static_cast<int>(static_cast<long>(total) * kit[k].weight / sum);
    given += out[k];
    rest.push_back({static_cast<long>(total) * kit[k].weight % sum, static_cast<int>(k)});
  }
  std::stable_sort(rest.begin(), rest.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  for (int k = 0; given < total; ++k, ++given) ++out[rest[k % rest.size()].second];
  return out;
}

long DistanceSquared(const Place& p, int x, int y) {
  return static_cast<long>(p.x - x) * (p.x - x) + static_cast<long>(p.y - y) * (p.y - y);
}

int Percent(int nominal, int percent) {
  return (nominal * percent + 50) / 100;
}

class Placer {
 public:
  Placer(const std::vector<Country>& countries, Theatre& t, std::vector<std::uint16_t>& tiles,
         World& w)
      : countries_(countries), t_(t), tiles_(tiles), w_(w) {}

  // The district the next formations must stand in; nullptr: anywhere on their side.
  void KeepTo(const District* district) { district_ = district; }
  bool Allowed(int x, int y) const {
    return district_ == nullptr || InDistrict(*district_, countries_, t_, x, y);
  }

  bool FreeGround(int x, int y, std::uint32_t side) const {
    if (!t_.IsLand(x, y) || !Allowed(x, y)) return false;
    const int i = Theatre::Index(x, y);
    if (!InNationSet(side, t_.holder[i])) return false;
    const std::uint16_t moveCost = TerrainTiles[tiles_[i]].MoveCost;
    if (moveCost == 255) return false;
    const TMapCell& c = Cell(w_, x, y);
    if (c.GroundFormation != 0) return false;
    return c.Settlement == 0 || SettlementOnSide(c.Settlement, side);
  }

  bool SettlementOnSide(int n, std::uint32_t side) const {
    const TSettlement& s = Settlement(w_, n);
    const int owner = s.OwnerNation, holder = s.HolderNation;
    return owner != kNeutralNation && InNationSet(side, holder);
  }

  // The nearest free airbase of the side within reach of (x, y); 0 none.
  int NearAirbase(int x, int y, std::uint32_t side) const {
    int best = 0;
    long bestD = static_cast<long>(kAirbaseReach) * kAirbaseReach + 1;
    for (std::size_t k = 0; k < t_.places.size(); ++k) {
      const Place& p = t_.places[k];
      if (!p.airfield) continue;
      const long d = DistanceSquared(p, x, y);
      if (d >= bestD) continue;
      if (Cell(w_, p.x, p.y).AirFormation != 0 || !Allowed(p.x, p.y)) continue;
      if (!SettlementOnSide(static_cast<int>(k) + 1, side)) continue;
      best = static_cast<int>(k) + 1;
      bestD = d;
    }
    return best;
  }

  // A cell fit for a field airbase: fit for an airfield, on the side's own ground and passable.
  bool FitForField(int x, int y, std::uint32_t side) const {
    if (!FitForAirfield(t_, x, y) || !Allowed(x, y)) return false;
    const int i = Theatre::Index(x, y);
    return InNationSet(side, t_.holder[i]) && InNationSet(side, t_.owner[i]) &&
           TerrainTiles[tiles_[i]].MoveCost != 255;
  }

  // Lays out a field airbase at (x, y): an airbase tile and a settlement of value 0 named for
  // the nearest town that its holder holds. Returns the settlement number, 0 when the records
  // are full.
  int AddField(int x, int y) {
    if (t_.places.size() >= static_cast<std::size_t>(kMaxSettlements)) return 0;
    std::string town;
    long bestD = -1;
    for (const Place& p : t_.places) {
      if (p.airfield || p.holder != t_.holder[Theatre::Index(x, y)]) continue;
      const long d = DistanceSquared(p, x, y);
      if (bestD < 0 || d < bestD) {
        bestD = d;
        town = p.name;
      }
    }
    const int n = t_.AddAirfield(town + " field", x, y);
    tiles_[Theatre::Index(x, y)] = kAirbaseTile;
    TMapCell& c = Cell(w_, x, y);
    c.Terrain = kAirbaseTile;
    c.Settlement = static_cast<std::uint16_t>(n);
    WriteSettlement(t_.places[n - 1], Settlement(w_, n));
    w_.GameHeader.SettlementCount = static_cast<std::uint16_t>(n);
    return n;
  }

  // A cell with land of the other coalition among its eight neighbours.
  bool OnBorder(int x, int y, std::uint32_t side) const {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (t_.IsLand(x + dx, y + dy)) {
          const int holder = t_.holder[Theatre::Index(x + dx, y + dy)];
          if (holder >= 1 && holder <= 8 && !InNationSet(side, holder)) return true;
        }
    return false;
  }

  // The cell for a ground formation near the anchor, on the border first when `border` asks
  // for a front line; false when the search finds none.
  bool GroundCell(int ax, int ay, std::uint32_t side, bool border, int& x, int& y) const {
    for (int pass = border ? 0 : 1; pass < 2; ++pass)
      for (const Offset& o : SearchOrder())
        if (FreeGround(ax + o.dx, ay + o.dy, side) &&
            (pass == 1 || OnBorder(ax + o.dx, ay + o.dy, side))) {
          x = ax + o.dx;
          y = ay + o.dy;
          return true;
        }
    return false;
  }

  // The airbase cell for an air formation near the anchor, laying out a field when none is near.
  bool AirCell(int ax, int ay, std::uint32_t side, int& x, int& y) {
    if (const int n = NearAirbase(ax, ay, side); n != 0) {
      x = t_.places[n - 1].x;
      y = t_.places[n - 1].y;
      return true;
    }
    for (const Offset& o : SearchOrder())
      if (FitForField(ax + o.dx, ay + o.dy, side)) {
        if (AddField(ax + o.dx, ay + o.dy) == 0) return false;
        x = ax + o.dx;
        y = ay + o.dy;
        return true;
      }
    return false;
  }

 private:
  const std::vector<Country>& countries_;
  const District* district_ = nullptr;
  Theatre& t_;
  std::vector<std::uint16_t>& tiles_;
  World& w_;
};

const Kit& KitFor(const OrderOfBattle& oob, const UnitLine& u, int category) {
  return !u.kits[category].empty() ? u.kits[category] : oob.defaultKits[u.nation][category];
}

// Fills the pairs of one group from `first` on; returns an error text or "".
std::string FillPairs(TFormation& f, int first, int slots, int total, const Kit& kit,
                      bool airborne) {
  const std::vector<int> counts = Split(total, kit);
  int pair = first;
  for (std::size_t k = 0; k < kit.size(); ++k) {
    if (counts[k] == 0) continue;
    if (pair >= first + slots) return "more models than slots";
    if (airborne && EquipmentModels[kit[k].model].AirTransportable == 0)
      return "model " + std::to_string(kit[k].model) + " cannot go by air";
    f.pairs[pair].Count = static_cast<std::uint16_t>(counts[k]);
    f.pairs[pair].Model = static_cast<std::uint16_t>(kit[k].model);
    ++pair;
  }
  return "";
}

std::string FillFormation(const OrderOfBattle& oob, const UnitLine& u, TFormation& f) {
  const TFormationType& type = FormationTypes[u.type];
  const Quality& q = oob.quality[u.nation];
  f.FormationType = static_cast<std::uint16_t>(u.type);
  f.Branch = type.Branch;
  f.Experience = static_cast<std::uint16_t>(u.experience >= 0 ? u.experience : q.experience);
  f.Morale = static_cast<std::uint16_t>(u.morale >= 0 ? u.morale : q.morale);
  f.Ammo = static_cast<std::uint16_t>(u.ammo >= 0 ? u.ammo : q.ammo);
  if (f.Branch == 2) {
    const int nominal[4] = {type.Fighters, type.TacticalBombers, type.Bombers, type.LevelBombers};
    const Kit& kit = KitFor(oob, u, 0);
    int pair = 0;
    for (int cls = 0; cls < 4; ++cls) {
      if (nominal[cls] == 0) continue;
      Kit ofClass;
      for (const KitShare& s : kit)
        if (AircraftModels[s.model].Class == 100 + cls) ofClass.push_back(s);
      if (ofClass.empty())
        return "no aircraft of class " + std::to_string(100 + cls) + " in the kit";
      if (pair + static_cast<int>(ofClass.size()) > 8) return "more aircraft models than pairs";
      const std::vector<int> counts = Split(Percent(nominal[cls], u.equipPercent), ofClass);
      for (std::size_t k = 0; k < ofClass.size(); ++k) {
        if (counts[k] == 0) continue;
        f.pairs[pair].Count = static_cast<std::uint16_t>(counts[k]);
        f.pairs[pair].Model = static_cast<std::uint16_t>(ofClass[k].model);
        ++pair;
      }
    }
    return "";
  }
  f.Men = static_cast<std::uint16_t>(Percent(type.Men, u.menPercent));
  const int nominal[9] = {0,
                          type.Tanks,
                          type.SPGuns,
                          type.ArmouredCars,
                          type.FieldGuns,
                          type.Howitzers,
                          type.Mortars,
                          type.ATGuns,
                          type.AAGuns};
  const bool airborne = type.Kind == 6;
  for (int c = 1; c <= 8; ++c) {
    if (nominal[c] == 0) continue;
    const int percent = c == 1 && u.tankPercent >= 0       ? u.tankPercent
                        : c == 3 && u.armouredPercent >= 0 ? u.armouredPercent
                                                           : u.equipPercent;
    const int total = Percent(nominal[c], percent);
    if (total == 0) continue;
    const Kit& kit = KitFor(oob, u, c);
    if (kit.empty()) return "no kit of category " + std::to_string(c);
    if (std::string e = FillPairs(f, kFirstPair[c], kCategorySlots[c], total, kit, airborne);
        !e.empty())
      return e;
  }
  f.Cars = static_cast<std::uint16_t>(Percent(type.Cars, u.equipPercent));
  f.Horses = static_cast<std::uint16_t>(Percent(type.Horses, u.equipPercent));
  return "";
}

// The district an area keeps its formations to; nullptr when it names none.
const District* DistrictOf(const OrderOfBattle& oob, const Area& area) {
  for (const District& d : oob.districts)
    if (d.name == area.district) return &d;
  return nullptr;
}

// Every anchor on land lies in its area's district.
Status CheckAnchors(const OrderOfBattle& oob, const std::vector<Country>& countries,
                    const Theatre& t) {
  for (const auto& [name, area] : oob.areas) {
    const District* district = DistrictOf(oob, area);
    if (district == nullptr) continue;
    for (const LonLat& p : area.anchors)
      if (const int x = ColumnOf(p.lon), y = RowOf(p.lat);
          t.IsLand(x, y) && !InDistrict(*district, countries, t, x, y))
        return Status::Error("tools/scenario/data/oob_1941.txt:" + std::to_string(area.line) +
                             ": anchor " + std::to_string(p.lon) + "," + std::to_string(p.lat) +
                             " lies outside the " + district->name + " district");
  }
  return Status::Ok();
}

}  // namespace

Status PlaceOrderOfBattle(const OrderOfBattle& oob, const std::vector<Country>& countries,
                          Theatre& t, std::vector<std::uint16_t>& tiles, World& w) {
  if (Status s = CheckAnchors(oob, countries, t); !s) return s;
  Placer placer(countries, t, tiles, w);
  std::vector<std::size_t> cursor(oob.areas.size(), 0);
  int record = 0;
  for (const UnitLine& u : oob.units) {
    std::size_t a = 0;
    while (oob.areas[a].first != u.area) ++a;
    const Area& area = oob.areas[a].second;
    placer.KeepTo(DistrictOf(oob, area));
    const std::uint32_t side = CoalitionOf(u.nation);
    const bool air = FormationTypes[u.type].Branch == 2;
    auto bad = [&](const std::string& what) {
      return Status::Error("tools/scenario/data/oob_1941.txt:" + std::to_string(u.line) + ": " +
                           what);
    };
    for (int k = 0; k < u.count; ++k) {
      if (record >= kMaxFormations) return bad("more formations than the records hold");
      const LonLat& anchor = area.anchors[cursor[a]++ % area.anchors.size()];
      const int ax = ColumnOf(anchor.lon), ay = RowOf(anchor.lat);
      int x = 0, y = 0;
      const bool found = air ? placer.AirCell(ax, ay, side, x, y)
                             : placer.GroundCell(ax, ay, side, area.border, x, y);
      if (!found) return bad("no free cell of its side near " + u.area);
      TFormation& f = w.Formations[record++];
      f = TFormation{};
      if (std::string e = FillFormation(oob, u, f); !e.empty()) return bad(e);
      f.X = f.xCopy = static_cast<std::uint16_t>(x);
      f.Y = f.yCopy = static_cast<std::uint16_t>(y);
      if (k < static_cast<int>(u.numbers.size()))
        f.FormationNumber = static_cast<std::uint16_t>(u.numbers[k]);
      TMapCell& c = Cell(w, x, y);
      (air ? c.AirFormation : c.GroundFormation) = static_cast<std::uint16_t>(record);
    }
  }
  ReadyAllFormations(w);
  return Status::Ok();
}

Status BuildForcesAndEconomy(const std::string& dataDir, const std::vector<Country>& countries,
                             Theatre& t, std::vector<std::uint16_t>& tiles, World& w) {
  const std::string d = dataDir.empty() || dataDir.back() == '/' ? dataDir : dataDir + "/";
  OrderOfBattle oob;
  if (Status s = LoadOrderOfBattle(d + "oob_1941.txt", oob); !s) return s;
  if (Status s = PlaceOrderOfBattle(oob, countries, t, tiles, w); !s) return s;
  if (Status s = BuildEconomy(d + "economy_1941.txt", w); !s) return s;
  if (Status s = CheckGarrisons(oob, t, w); !s) return s;
  return CheckOnHand(oob, w);
}

}  // namespace gm::scenario
