// Equipment fields of the unit staff page: a slot is refilled from its nation's stock, one model
// per field, within its group's nominal count.
#include "refit/equipment_fields.hpp"

#include <array>

#include "refit/refit_conditions.hpp"
#include "refit/renew_messages.hpp"
#include "world/equipment_groups.hpp"
#include "world/slot_refill.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

struct FieldView {
  World& w;
  TRefitPage& p;
  const TFormation& f;
  const EquipmentGroup& g;
  int nation;  // 1..8, or 0 for a nation without reserves

  // The nation's stock of model m; an entry with no model has none.
  std::uint32_t Stock(std::uint16_t m) const {
    if (nation == 0 || m < 1 || m > kEquipmentModelRows) return 0;
    return EquipmentStockOf(w.Economy, nation, m);
  }
  // What the group's fields have booked of model m; a model booked in two slots counts twice.
  std::uint32_t Booked(std::uint16_t m) const {
    std::uint32_t sum = 0;
    for (int k = g.first; k <= g.last; ++k) {
      const int field = g.firstField + (k - g.first);
      if (p.Choice(field) == m) sum += p.Pending(field);
    }
    return sum;
  }
  // The group's counts plus everything booked on its fields.
  std::uint32_t GroupTotal() const {
    std::uint32_t sum = 0;
    for (int k = g.first; k <= g.last; ++k) {
      sum += f.pairs[k].Count;
      sum += p.Pending(g.firstField + (k - g.first));
    }
    return sum;
  }
  void DisableAll() { p.CandidateEnabled.fill(0); }
  template <typename Pred>
  void DisableWhere(Pred pred) {
    for (int i = 1; i <= p.ListCount; ++i) {
      if (pred(p.Candidate(i))) p.Enabled(i) = 0;
    }
  }
};

}  // namespace

void RefreshEquipmentField(World& w, const TFormation& f, int field) {
  TRefitPage& p = w.Refit.RefitPage;
  FieldView v{w, p, f, *GroupOfField(field), RefitNation(f)};

  p.CandidateModels.fill(0);
  p.CandidateEnabled.fill(0);

  // Every model of the category, of any nation and date; what cannot be had is only disabled.
  int count = 0;
  for (int m = 1; m <= kEquipmentModelRows; ++m) {
    const std::uint16_t category = EquipmentModels[m].Category;
    if (category != v.g.category) continue;
    ++count;
    p.Candidate(count) = static_cast<std::uint16_t>(m);
    p.Enabled(count) = 1;
  }
  p.ListCount = static_cast<std::uint16_t>(count);

  const int current = p.ListTop + p.ListCursor - 1;
  const bool currentExists = current >= 1 && current <= kRefitCandidateCount;
  const std::uint16_t model = currentExists ? p.Candidate(current) : 0;

  const bool oneOrderLeft = f.OrdersLeft < 2;
  if (oneOrderLeft) v.DisableAll();
  const bool tooFewMen = !MenAtThreeQuarters(f, p.Pending(kMenField));
  if (tooFewMen) v.DisableAll();
  bool notAirTransportable = false;
  if (KindOf(f) == kAirborneKind) {
    v.DisableWhere([](std::uint16_t m) {
      const std::uint16_t air = EquipmentModels[m].AirTransportable;
      return air == 0;
    });
    notAirTransportable = !EntryEnabled(p, current);
  }
  const bool outOfTown = !OnValuedSettlement(w);
  if (outOfTown) v.DisableAll();

  std::array<bool, kRefitStepCount> possible{};
  bool noStep = false;
  if (v.nation != 0) {
    v.DisableWhere([&](std::uint16_t m) { return v.Stock(m) == 0; });
    bool any = false;
    for (int i = 0; i < kRefitStepCount; ++i) {
      possible[i] = model != 0 && v.Stock(model) >= v.Booked(model) + kRefitSteps[i];
      any = any || possible[i];
    }
    noStep = !any;
    v.DisableWhere([&](std::uint16_t m) { return v.Booked(m) >= v.Stock(m); });
  }

  // A field draws on the one model its first booking chose.
  const std::uint16_t choice = p.Choice(field);
  RenewMessage choiceMessage = kRenewAvailable;
  if (choice != 0) {
    if (model == choice) {
      if (v.Booked(model) >= v.Stock(model)) choiceMessage = kRenewReserveExhausted;
    } else {
      if (currentExists) p.Enabled(current) = 0;
      choiceMessage = kRenewOtherModelBooked;
    }
    v.DisableWhere([&](std::uint16_t m) { return m != choice; });
  }
  // A slot that holds a model is refilled with that model only.
  const std::uint16_t slotModel = f.pairs[PairOfField(field)].Model;
  if (slotModel != 0) v.DisableWhere([&](std::uint16_t m) { return m != slotModel; });

  const std::uint32_t total = v.GroupTotal();
  const std::uint32_t staff = NominalOf(TypeOf(f), v.g);
  const bool full = total >= staff;
  const NeighbourVerdict around = CheckNeighbours(w);
  if (full || around.contact || around.blocked) v.DisableAll();

  // The status line gives the first reason that holds. A booked field speaks of its own model
  // before the town, the men and the orders; too few men outweigh the air transport.
  const struct {
    bool holds;
    RenewMessage message;
  } reasons[] = {
      {around.blocked, kRenewBlocked},
      {around.contact, kRenewEnemyContact},
      {full, kRenewStaffFull},
      {choice != 0, choiceMessage},
      {noStep, kRenewReserveExhausted},
      {outOfTown, kRenewCityOnly},
      {tooFewMen, kRenewTooFewMen},
      {notAirTransportable, kRenewNotAirTransportable},
      {oneOrderLeft, kRenewNeedsBothOrders},
  };
  w.Refit.MessageNo = kRenewAvailable;
  for (const auto& r : reasons) {
    if (r.holds) {
      w.Refit.MessageNo = r.message;
      break;
    }
  }

  for (int i = 1; i <= kRefitStepCount; ++i) {
    p.Step(i) = total + kRefitSteps[i - 1] <= staff && EntryEnabled(p, current) && possible[i - 1];
  }
}

}  // namespace gm
