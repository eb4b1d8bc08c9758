// Merging formations: candidate flags by nation, kind and strength, then the men-weighted blend of
// experience and morale and the slot-by-slot transfer of equipment.
#include "world/merging.hpp"

#include <array>
#include <cstdint>

#include "world/formation_lists.hpp"
#include "world/record_ranges.hpp"
#include "world/tables/tables.hpp"
#include "world/world_access.hpp"

namespace gm {
namespace {

constexpr int kKindArtillery = 9;
constexpr int kKindAirDefence = 10;
constexpr std::int64_t kMax16 = 65535;

// Equipment slot groups of a formation: first pair and number of slots, one group per category.
struct SlotGroup {
  int first;
  int size;
};
constexpr std::array<SlotGroup, 8> kSlotGroups = {
    {{0, 6}, {8, 3}, {11, 3}, {14, 4}, {18, 3}, {21, 4}, {25, 3}, {28, 3}}};

// The ground formation of a cell; a word naming a free record is no formation.
TFormation* GroundFormationAt(World& w, int x, int y) {
  return UsedFormation(w, Cell(w, x, y).GroundFormation);
}

bool IsNation(int n) {
  return n >= 1 && n <= kNations;
}

// Adds `amount` to a 16-bit field; what does not fit under 65,535 is returned.
std::int64_t AddKeepingOverflow(std::uint16_t& field, std::int64_t amount) {
  const std::int64_t sum = field + amount;
  field = static_cast<std::uint16_t>(sum > kMax16 ? kMax16 : sum);
  return sum > kMax16 ? sum - kMax16 : 0;
}

// The men-weighted mean of two values; a result of 0 becomes 1. With no men on either side the
// survivor's value stands.
std::uint16_t Blend(std::int64_t menS, std::uint16_t s, std::int64_t menN, std::uint16_t n) {
  if (menS + menN == 0) return s;
  const std::int64_t mean = (menS * s + menN * n) / (menS + menN);
  return static_cast<std::uint16_t>(mean == 0 ? 1 : mean);
}

bool KindsMerge(int kindS, int kindN) {
  if (kindS < kKindArtillery) return true;  // a line formation absorbs any ground formation
  return (kindS == kKindArtillery && kindN == kKindArtillery) ||
         (kindS == kKindAirDefence && kindN == kKindAirDefence);
}

}  // namespace

int FlagByteForMergeDirection(int direction) {
  if (direction < 1 || direction > 9) return -1;
  const int dx = (direction - 1) / 3 - 1;
  const int dy = (direction - 1) % 3 - 1;
  return 3 * (dy + 1) + (dx + 1);
}

int MergeDirectionForFlagByte(int flagByte) {
  if (flagByte < 0 || flagByte > 8) return -1;
  const int dx = flagByte % 3 - 1;
  const int dy = flagByte / 3 - 1;
  return 3 * (dx + 1) + (dy + 1) + 1;
}

void FindMergeCandidates(World& w) {
  w.NeighbourFlags.fill(0);
  const int x = w.Selection[1];
  const int y = w.Selection[2];
  const TFormation* s = OnMap(x, y) ? GroundFormationAt(w, x, y) : nullptr;
  if (s == nullptr || s->OrdersLeft == 0) return;
  const TFormationType& typeS = TypeOf(*s);
  if (typeS.Nation == 0) return;

  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if (dx == 0 && dy == 0) continue;
      const int nx = x + dx;
      const int ny = y + dy;
      if (!InTheatre(nx, ny)) continue;
      const TFormation* n = GroundFormationAt(w, nx, ny);
      if (n == nullptr || NationOf(*n) != typeS.Nation || n->OrdersLeft == 0) continue;
      if (!KindsMerge(typeS.Kind, KindOf(*n))) continue;
      if (std::int32_t{n->Men} + s->Men > typeS.Men) continue;
      w.NeighbourFlags[3 * (dy + 1) + (dx + 1)] = 1;
    }
  }
}

void MergeFormations(World& w, std::uint8_t direction) {
  if (direction < 1 || direction > 9 || direction == 5) return;
  const int x = w.Selection[1];
  const int y = w.Selection[2];
  const int nx = x + (direction - 1) / 3 - 1;
  const int ny = y + (direction - 1) % 3 - 1;
  if (!OnMap(x, y) || !OnMap(nx, ny)) return;
  TFormation* survivor = GroundFormationAt(w, x, y);
  TFormation* absorbed = GroundFormationAt(w, nx, ny);
  if (survivor == nullptr || absorbed == nullptr || survivor == absorbed) return;

  TFormation& s = *survivor;
  const TFormation n = *absorbed;  // N's values, taken before anything changes
  const int nation = NationOf(n);
  TEconomy& e = w.Economy;

  if (s.OrdersLeft > 0) --s.OrdersLeft;
  s.Ammo = 10;
  s.Experience = Blend(s.Men, s.Experience, n.Men, n.Experience);
  s.Morale = Blend(s.Men, s.Morale, n.Men, n.Morale);

  // Men join the formation and nowhere else: a merge never feeds the men pools. The candidate
  // rule keeps the sum within the type's strength; past 65,535 it stops there rather than wrap.
  AddKeepingOverflow(s.Men, n.Men);
  // Cars and horses saturate at 65,535; what does not fit goes to the neighbour's nation.
  const std::int64_t carsOver = AddKeepingOverflow(s.Cars, n.Cars);
  const std::int64_t horsesOver = AddKeepingOverflow(s.Horses, n.Horses);
  if (IsNation(nation)) {
    AddToPoolWithinLimit(e.CarPool[NationIndex(nation)], carsOver);
    AddToPoolWithinLimit(e.HorsePool[NationIndex(nation)], horsesOver);
  }

  for (const SlotGroup& g : kSlotGroups) {
    for (int k = g.first; k < g.first + g.size; ++k) {
      const TEquipmentPair& from = n.pairs[k];
      if (from.Model == 0) continue;
      // The lowest slot of the group that holds the same model or nothing.
      TEquipmentPair* target = nullptr;
      for (int t = g.first + g.size - 1; t >= g.first; --t) {
        TEquipmentPair& p = s.pairs[t];
        if (p.Model == from.Model || p.Model == 0) target = &p;
      }
      std::int64_t toStock = from.Count;
      if (target != nullptr) {
        toStock = AddKeepingOverflow(target->Count, from.Count);
        if (target->Model == 0) target->Model = from.Model;
      }
      if (toStock > 0 && IsNation(nation) && from.Model <= kModelColumns) {
        std::uint16_t& stock = EquipmentStockOf(e, nation, from.Model);
        AddKeepingOverflow(stock, toStock);
      }
    }
  }

  WipeFormationRecord(*absorbed);
  Cell(w, nx, ny).GroundFormation = 0;
  w.Selection[0] = 0;
  w.NeighbourFlags.fill(0);
}

}  // namespace gm
