// The standard, retreat, surrender and air loss books.
#include "rules/loss_books.hpp"

#include <algorithm>
#include <cstdint>

#include "world/record_ranges.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr int kAircraftPairs = 8;

// Per-nation tables have rows for nations 1..10; anything else (an empty type row's 0) books
// nothing there. Per-model rows exist for the fighting nations 1..8 only.
constexpr bool HasNationRow(int nation) {
  return nation >= 1 && nation <= kNationRows;
}
constexpr bool HasModelRow(int nation) {
  return nation >= 1 && nation <= 8;
}

// Adds to a per-nation count, stopping at the limit a save must keep.
void AddTo(TEconomy::NationTable& table, int nation, std::int64_t amount) {
  if (HasNationRow(nation)) AddToPoolWithinLimit(table[NationIndex(nation)], amount);
}

// Adds to a 16-bit stock or repair queue entry, saturating at 65,535 instead of wrapping.
void AddToModel(TEconomy::ModelTable16& table, int nation, int model, std::int64_t amount) {
  if (!HasModelRow(nation) || model < 1 || model > kModelColumns || amount <= 0) return;
  std::uint16_t& v = table[EconomyIndex(nation, model)];
  v = SaturatingAdd16(v, amount);
}

// Equipment-loss table of a pair's slot group; -1 for the aircraft pairs 6 and 7.
constexpr int LossCategoryOfPair(int k) {
  if (k <= 5) return 1;
  if (k <= 7) return -1;
  if (k <= 10) return 2;
  if (k <= 13) return 3;
  if (k <= 17) return 4;
  if (k <= 20) return 5;
  if (k <= 24) return 6;
  if (k <= 27) return 7;
  return 8;
}

// A ground pair's model for the per-model tables; 0 when it names no equipment model.
int GroundModelOf(const TEquipmentPair& p) {
  return p.Model >= 1 && p.Model <= kEquipmentModelRows ? p.Model : 0;
}

std::int64_t Loss(std::uint16_t before, std::uint16_t now) {
  return std::max<std::int64_t>(std::int64_t{before} - now, 0);
}

// The part of a loss that is not destroyed: all of a loss below 4, else three quarters.
constexpr std::int64_t NotDestroyed(std::int64_t l) {
  return l < 4 ? l : l - l / 4;
}

// Books a loss whose destroyed part (a quarter of four or more) goes to `destroyed` and whose
// rest goes to `kept`.
void BookQuarterDestroyed(TEconomy::NationTable& destroyed, TEconomy::NationTable& kept, int nation,
                          std::int64_t loss) {
  AddTo(destroyed, nation, loss - NotDestroyed(loss));
  AddTo(kept, nation, NotDestroyed(loss));
}

// Horses, cars and equipment of a retreat or surrender: L is lost whole to d, the part not
// destroyed falls to a.
void BookCapturedMaterial(World& w, int d, int a, std::int64_t horses, std::int64_t cars,
                          const TFormation& before, const TFormation* now) {
  TEconomy& e = w.Economy;
  AddTo(e.HorseLosses, d, horses);
  AddTo(e.HorsePool, a, NotDestroyed(horses));
  const std::int64_t carsKept = NotDestroyed(cars);
  AddTo(e.CarLosses, d, cars);
  AddTo(e.CarRepairPool, a, carsKept / 3);
  AddTo(e.CarPool, a, carsKept - carsKept / 3);
  for (int k = 0; k < kEquipmentPairs; ++k) {
    const int category = LossCategoryOfPair(k);
    if (category < 0) continue;
    const std::int64_t l =
        now != nullptr ? Loss(before.pairs[k].Count, now->pairs[k].Count) : before.pairs[k].Count;
    if (l <= 0) continue;
    const std::int64_t kept = NotDestroyed(l);
    const int model = GroundModelOf(before.pairs[k]);
    AddTo(e.EquipmentLosses[category - 1], d, l);
    AddToModel(e.RepairQueue, a, model, kept / 3);
    AddToModel(e.EquipmentStock, a, model, kept - kept / 3);
  }
}

}  // namespace

void BookStandardLosses(World& w, const TFormation& now, const TFormation& before, int nation) {
  TEconomy& e = w.Economy;
  BookQuarterDestroyed(e.DeadMen, e.WoundedPool, nation, Loss(before.Men, now.Men));
  BookQuarterDestroyed(e.CarLosses, e.CarRepairPool, nation, Loss(before.Cars, now.Cars));
  AddTo(e.HorseLosses, nation, Loss(before.Horses, now.Horses));
  for (int k = 0; k < kEquipmentPairs; ++k) {
    const int category = LossCategoryOfPair(k);
    if (category < 0) continue;
    const std::int64_t l = Loss(before.pairs[k].Count, now.pairs[k].Count);
    if (l <= 0) continue;
    const int model = GroundModelOf(before.pairs[k]);
    if (l >= 4) AddTo(e.EquipmentLosses[category - 1], nation, l / 4);
    AddToModel(e.RepairQueue, nation, model, NotDestroyed(l));
  }
}

void BookRetreatLosses(World& w, const TFormation& now, const TFormation& before, int nation,
                       int capturer) {
  TEconomy& e = w.Economy;
  const std::int64_t men = Loss(before.Men, now.Men);
  if (men < 3) {
    AddTo(e.WoundedPool, nation, men);
  } else {
    const std::int64_t dead = men / 3;
    const std::int64_t wounded = (men - dead) / 2;
    AddTo(e.DeadMen, nation, dead);
    AddTo(e.WoundedPool, nation, wounded);
    AddTo(e.SurrenderedMen, nation, men - dead - wounded);
  }
  BookCapturedMaterial(w, nation, capturer, Loss(before.Horses, now.Horses),
                       Loss(before.Cars, now.Cars), before, &now);
}

void BookSurrenderLosses(World& w, const TFormation& before, int nation, int capturer) {
  TEconomy& e = w.Economy;
  BookQuarterDestroyed(e.DeadMen, e.SurrenderedMen, nation, before.Men);
  BookCapturedMaterial(w, nation, capturer, before.Horses, before.Cars, before, nullptr);
}

void BookBombardmentLosses(World& w) {
  if (!OnMap(w.TargetX, w.TargetY)) return;
  const TFormation* target = UsedFormation(w, Cell(w, w.TargetX, w.TargetY).GroundFormation);
  if (target == nullptr) return;
  BookStandardLosses(w, *target, w.SnapshotB, NationOf(*target));
}

void BookAirStrikeLosses(World& w) {
  if (!OnMap(w.TargetX, w.TargetY)) return;
  const TMapCell& c = Cell(w, w.TargetX, w.TargetY);
  if (const TFormation* target = UsedFormation(w, c.GroundFormation)) {
    BookStandardLosses(w, *target, w.SnapshotB, NationOf(*target));
  }
  const TFormation* striker = UsedFormation(w, c.AirFormation);
  if (striker == nullptr) return;
  const int nation = NationOf(*striker);
  TEconomy& e = w.Economy;
  for (int k = 0; k < kAircraftPairs; ++k) {
    const std::int64_t l = Loss(w.SnapshotA.pairs[k].Count, striker->pairs[k].Count);
    if (l < 1) continue;
    const std::int64_t destroyed = l >= 2 ? l / 2 : 0;
    // Aircraft-loss tables by pair position: fighters, tactical bombers, bombers, level bombers.
    AddTo(e.AircraftLosses[k / 2], nation, destroyed);
    const int row = w.SnapshotA.pairs[k].Model;
    if (row >= 1 && row <= kAircraftModelRows) {
      AddToModel(e.RepairQueue, nation, kAircraftModelBase + row, l - destroyed);
    }
  }
}

}  // namespace gm
