// Re-equipment of a staying computer formation from its nation's pools and stocks.
#include "ai/auto_refit.hpp"

#include <algorithm>
#include <cstdint>

#include "world/equipment_groups.hpp"
#include "world/reserve_draws.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr int kAirborneKind = 6;

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
  const std::uint16_t nominal = NominalOf(t, g);
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
  MenFrom(f, t, e.VeteranPool[NationIndex(n)], kVeteranExperience, kVeteranMorale);
  MenFrom(f, t, e.RecruitPool[NationIndex(n)], kRecruitExperience, kRecruitMorale);
  // A formation with no more than three quarters of its men gets no equipment.
  if (f.Men <= (t.Men / 4) * 3) return;
  for (const EquipmentGroup& g : kEquipmentGroups) {
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

void AiAutoRefit(World& w) {
  if (w.Selection[1] > kTheatreMaxX || w.Selection[2] >= kMapHeight) return;
  TFormation* f = UsedFormation(w, Cell(w, w.Selection[1], w.Selection[2]).GroundFormation);
  if (f == nullptr || f->OrdersLeft != 2) return;
  f->Ammo = 10;
  if (w.Ai.AiRefitAllowed == 1) Reequip(w, *f);
  f->OrdersLeft = 0;
}

}  // namespace gm
