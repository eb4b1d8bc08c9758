// Raise places: held, empty settlements with no enemy ground formation next to them.
#include "world/raise_places.hpp"

#include "world/tables/tables.hpp"
#include "world/world_access.hpp"

namespace gm {
namespace {

bool IsNation(int n) {
  return n >= 1 && n <= kNations;
}

// The ground formation of a cell; a word naming a free record is no formation.
const TFormation* GroundFormationAt(const World& w, int x, int y) {
  return UsedFormation(w, Cell(w, x, y).GroundFormation);
}

// The coalition a nation fights in: the Soviet set for its members, the German set otherwise.
std::uint32_t CoalitionOf(const World& w, int nation) {
  return InNationSet(w.SovietCoalition, nation) ? w.SovietCoalition : w.GermanCoalition;
}

// A ground formation of a nation outside `own` stands in one of the eight neighbours. In column 0
// nothing to the left is looked at; rows 29 and 330 and column 360 are real cells and count.
bool EnemyNextTo(const World& w, int x, int y, std::uint32_t own) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if (dx == 0 && dy == 0) continue;
      const int nx = x + dx;
      const int ny = y + dy;
      if (!OnMap(nx, ny)) continue;
      const TFormation* f = GroundFormationAt(w, nx, ny);
      if (f != nullptr && !InNationSet(own, NationOf(*f))) return true;
    }
  }
  return false;
}

int HolderOf(const World& w, const TMapCell& c) {
  if (c.Settlement == 0 || c.Settlement > kMaxSettlements) return -1;  // no settlement
  return Settlement(w, c.Settlement).HolderNation;
}

}  // namespace

bool IsRaisePlace(const World& w, int x, int y, int nation) {
  if (!InTheatre(x, y)) return false;
  if (HolderOf(w, Cell(w, x, y)) != nation) return false;
  if (GroundFormationAt(w, x, y) != nullptr) return false;
  return !EnemyNextTo(w, x, y, CoalitionOf(w, nation));
}

void FindRaiseSettlements(World& w) {
  NationCounts& flags = w.Lists.RaiseSettlementFlags;
  flags.fill(0);
  // Each held, empty settlement can only be a raise place for its holder.
  for (int y = kTheatreMinY; y <= kTheatreMaxY; ++y) {
    for (int x = kTheatreMinX; x <= kTheatreMaxX; ++x) {
      const int holder = HolderOf(w, Cell(w, x, y));
      if (!IsNation(holder) || flags[holder - 1] != 0) continue;
      if (IsRaisePlace(w, x, y, holder)) flags[holder - 1] = 1;
    }
  }
}

void MarkPlacementCells(World& w) {
  const std::uint16_t type = w.Lists.PlacementType;
  const int p = type >= 1 && type <= kFormationTypeRows ? FormationTypes[type].Nation : 0;
  const std::uint32_t own = CoalitionOf(w, p);
  for (int y = kTheatreMinY; y <= kTheatreMaxY; ++y) {
    for (int x = kTheatreMinX; x <= kTheatreMaxX; ++x) {
      TMapCell& c = Cell(w, x, y);
      c.PlacementAllowed = 0;
      const int holder = HolderOf(w, c);
      if (holder < 0) continue;
      bool allowed = !(IsNation(p) && EnemyNextTo(w, x, y, own));
      allowed = allowed && holder == p && GroundFormationAt(w, x, y) == nullptr;
      c.PlacementAllowed = allowed ? 1 : 0;
    }
  }
}

}  // namespace gm
