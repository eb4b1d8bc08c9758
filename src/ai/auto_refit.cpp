// Re-equipment of a staying computer formation from its nation's pools and stocks.
#include "ai/auto_refit.hpp"

#include <algorithm>
#include <cstdint>

#include "world/world_access.hpp"

namespace gm {

namespace {

// The equipment groups: the pairs that share one nominal count of the type, and the model
// category that fills them.
struct EquipmentGroup {
  int first;
  int last;
  int category;
  std::uint16_t TFormationType::*nominal;
};
constexpr EquipmentGroup kGroups[] = {
    {0, 5, 1, &TFormationType::Tanks},          {8, 10, 2, &TFormationType::SPGuns},
    {11, 13, 3, &TFormationType::ArmouredCars}, {14, 17, 4, &TFormationType::FieldGuns},
    {18, 20, 5, &TFormationType::Howitzers},    {21, 24, 6, &TFormationType::Mortars},
    {25, 27, 7, &TFormationType::ATGuns},       {28, 30, 8, &TFormationType::AAGuns},
};

constexpr int kAirborneKind = 6;

// Takes up to `need` from a pool, an unsigned count as the economy keeps it: all of the need
// when the pool covers it, else what the pool holds.
std::uint32_t TakeFromPool(std::int32_t& pool, std::uint32_t need) {
  const auto held = static_cast<std::uint32_t>(pool);
  if (held >= need) {
    pool = static_cast<std::int32_t>(held - need);
    return need;
  }
  pool = 0;
  return held;
}

// Men from one pool, joining with the pool's experience and morale.
void MenFrom(TFormation& f, const TFormationType& t, std::int32_t& pool, std::uint32_t e,
             std::uint32_t m) {
  if (f.Men >= t.Men) return;
  const std::uint32_t a = TakeFromPool(pool, static_cast<std::uint32_t>(t.Men - f.Men));
  if (a > 0) BlendMen(f, a, e, m);
}

// Tops pair k up towards its group's nominal count from the nation's stock.
void FillPair(World& w, TFormation& f, const TFormationType& t, const EquipmentGroup& g, int k) {
  std::uint16_t sum = 0;  // wraps as a 16-bit sum
  for (int p = g.first; p <= g.last; ++p) sum = static_cast<std::uint16_t>(sum + f.pairs[p].Count);
  const std::uint16_t nominal = t.*g.nominal;
  if (nominal == 0 || nominal <= sum) return;
  const int n = t.Nation;
  if (n < 1 || n > 8) return;
  const std::uint16_t need = static_cast<std::uint16_t>(nominal - sum);
  std::uint16_t model = f.pairs[k].Model;
  if (model == 0) {
    // The highest-numbered model of the category in stock (airborne types: air-transportable).
    for (int m = 1; m <= kEquipmentModelRows; ++m) {
      const TEquipmentModel& em = EquipmentModels[m];
      if (EquipmentStockOf(w.Economy, n, m) == 0 || em.Category != g.category) continue;
      if (t.Kind == kAirborneKind && em.AirTransportable != 1) continue;
      model = static_cast<std::uint16_t>(m);
    }
    if (model == 0) return;
  }
  if (model > kEquipmentModelRows) return;  // a damaged pair names no ground model
  std::uint16_t& stock = EquipmentStockOf(w.Economy, n, model);
  const std::uint16_t take = std::min(need, stock);
  f.pairs[k].Count = static_cast<std::uint16_t>(f.pairs[k].Count + take);
  f.pairs[k].Model = model;
  stock = static_cast<std::uint16_t>(stock - take);
}

void Reequip(World& w, TFormation& f) {
  const TFormationType& t = TypeOf(f);
  const int n = t.Nation;
  if (n < 1 || n > 8) return;
  TEconomy& e = w.Economy;
  MenFrom(f, t, e.VeteranPool[NationIndex(n)], 100, 105);
  MenFrom(f, t, e.RecruitPool[NationIndex(n)], 1, 85);
  // A formation with no more than three quarters of its men gets no equipment.
  if (f.Men <= (t.Men / 4) * 3) return;
  for (const EquipmentGroup& g : kGroups) {
    for (int k = g.first; k <= g.last; ++k) FillPair(w, f, t, g, k);
  }
  if (f.Cars < t.Cars) {
    f.Cars = static_cast<std::uint16_t>(
        f.Cars +
        TakeFromPool(e.CarPool[NationIndex(n)], static_cast<std::uint32_t>(t.Cars - f.Cars)));
  }
  if (f.Horses < t.Horses) {
    f.Horses = static_cast<std::uint16_t>(
        f.Horses +
        TakeFromPool(e.HorsePool[NationIndex(n)], static_cast<std::uint32_t>(t.Horses - f.Horses)));
  }
}

}  // namespace

void BlendMen(TFormation& f, std::uint32_t added, std::uint32_t e, std::uint32_t m) {
  const std::uint32_t men = f.Men;
  const std::uint32_t total = men + added;
  const std::uint32_t exp = (men * f.Experience + added * e) / total;
  const std::uint32_t mor = (men * f.Morale + added * m) / total;
  f.Experience = static_cast<std::uint16_t>(std::max<std::uint32_t>(exp, 1));
  f.Morale = static_cast<std::uint16_t>(std::max<std::uint32_t>(mor, 1));
  f.Men = static_cast<std::uint16_t>(total);
}

void AiAutoRefit(World& w) {
  if (w.Selection[1] > kTheatreMaxX || w.Selection[2] >= kMapHeight) return;
  TFormation* f = UsedFormation(w, Cell(w, w.Selection[1], w.Selection[2]).GroundFormation);
  if (f == nullptr || f->OrdersLeft != 2) return;
  f->Ammo = 10;
  if (w.Ai.AiRefitAllowed == 1) Reequip(w, *f);
  f->OrdersLeft = 0;
}

}  // namespace gm
