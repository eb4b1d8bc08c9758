// Spending the unit staff page's bookings.
#include "refit/apply_refit.hpp"

#include <algorithm>
#include <cstdint>

#include "refit/refit_conditions.hpp"
#include "world/equipment_groups.hpp"
#include "world/reserve_draws.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr std::uint16_t kFullAmmo = 10;
constexpr std::uint32_t kCountLimit = 65535;

// Room left in a 16-bit count.
std::uint32_t Room(std::uint16_t count) {
  return kCountLimit - count;
}

// Moves up to `amount` from a pool into a count: no more than the pool holds, no more than the
// count can take.
void PoolIntoCount(std::int32_t& pool, std::uint16_t& count, std::uint32_t amount) {
  const std::uint32_t taken = TakeFromPool(pool, std::min(amount, Room(count)));
  count = static_cast<std::uint16_t>(count + taken);
}

void ApplyMen(TEconomy& e, TFormation& f, int n, const TRefitPage& p) {
  const std::uint32_t booked = p.Pending(kMenField);
  const std::uint16_t choice = p.Choice(kMenField);
  if (booked == 0 || (choice != kVeteranRow && choice != kRecruitRow)) return;
  const bool veterans = choice == kVeteranRow;
  std::int32_t& pool = veterans ? e.VeteranPool[NationIndex(n)] : e.RecruitPool[NationIndex(n)];
  const std::uint32_t taken = TakeFromPool(pool, std::min(booked, Room(f.Men)));
  if (taken == 0) return;
  BlendMen(f, taken, veterans ? kVeteranExperience : kRecruitExperience,
           veterans ? kVeteranMorale : kRecruitMorale);
}

void ApplyEquipment(TEconomy& e, TFormation& f, int n, const TRefitPage& p) {
  for (int field = kFirstEquipmentField; field <= kRefitFieldCount; ++field) {
    const std::uint32_t booked = p.Pending(field);
    const std::uint16_t model = p.Choice(field);
    if (booked == 0 || model < 1 || model > kEquipmentModelRows) continue;
    TEquipmentPair& pair = f.pairs[PairOfField(field)];
    if (pair.Model != 0 && pair.Model != model) continue;  // never rename equipment in a slot
    std::uint16_t& stock = EquipmentStockOf(e, n, model);
    const std::uint32_t taken = std::min({booked, std::uint32_t{stock}, Room(pair.Count)});
    if (taken == 0) continue;
    stock = static_cast<std::uint16_t>(stock - taken);
    pair.Count = static_cast<std::uint16_t>(pair.Count + taken);
    pair.Model = model;
  }
}

}  // namespace

void ApplyRefit(World& w) {
  TFormation* f = RefitFormation(w);
  if (f == nullptr) return;
  const TRefitPage& p = w.Refit.RefitPage;
  if (p.Pending(kAmmoField) > 0 && f->Ammo < kFullAmmo) {
    const std::uint32_t ammo = std::uint32_t{f->Ammo} + p.Pending(kAmmoField);
    f->Ammo = static_cast<std::uint16_t>(std::min<std::uint32_t>(ammo, kFullAmmo));
  }
  const int n = RefitNation(*f);
  if (n != 0) {
    TEconomy& e = w.Economy;
    ApplyMen(e, *f, n, p);
    PoolIntoCount(e.CarPool[NationIndex(n)], f->Cars, p.Pending(kCarsField));
    PoolIntoCount(e.HorsePool[NationIndex(n)], f->Horses, p.Pending(kHorsesField));
    ApplyEquipment(e, *f, n, p);
  }
  f->OrdersLeft = 0;
}

}  // namespace gm
