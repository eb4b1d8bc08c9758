// Ammunition, men, cars and horses on the unit staff page.
#include "refit/supply_fields.hpp"

#include <cstdint>
#include <initializer_list>

#include "refit/refit_conditions.hpp"
#include "refit/renew_messages.hpp"
#include "refit/reset_refit_buttons.hpp"
#include "world/reserve_draws.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr std::uint32_t kFullAmmo = 10;

// A pool of the formation's nation as an unsigned count; 0 for a nation without reserves.
std::uint32_t Pool(const World& w, const TFormation& f,
                   const TEconomy::NationTable TEconomy::*table) {
  const int n = RefitNation(f);
  return n == 0 ? 0 : PoolCount((w.Economy.*table)[NationIndex(n)]);
}

// Disables the entries of the field and reports the message.
void Refuse(World& w, std::int32_t message, std::initializer_list<int> entries) {
  for (int e : entries) w.Refit.RefitPage.Enabled(e) = 0;
  w.Refit.MessageNo = message;
}

}  // namespace

void RefreshAmmoField(World& w, const TFormation& f) {
  TRefitPage& p = w.Refit.RefitPage;
  w.Refit.MessageNo = kRenewAvailable;
  const std::uint32_t ammo = std::uint32_t{f.Ammo} + p.Pending(kAmmoField);
  p.Enabled(1) = 1;
  if (f.OrdersLeft < 2) Refuse(w, kRenewNeedsBothOrders, {1});
  // Ammunition needs no town and ignores enemy contact: only a fully closed ring stops it.
  if (CheckNeighbours(w).allClosed) Refuse(w, kRenewBlocked, {1});
  if (ammo >= kFullAmmo) w.Refit.MessageNo = kRenewStaffFull;
  const bool live = p.Enabled(1) == 1;
  p.Step(1) = live && ammo < kFullAmmo;
  p.Step(2) = live && ammo + 5 <= kFullAmmo;
  p.Step(3) = live && ammo == 0;
  p.Step(4) = 0;
  p.Step(5) = 0;
}

void RefreshMenField(World& w, const TFormation& f) {
  TRefitPage& p = w.Refit.RefitPage;
  w.Refit.MessageNo = kRenewAvailable;
  const std::uint32_t pending = p.Pending(kMenField);
  const std::uint32_t men = f.Men + pending;
  const std::uint32_t staff = TypeOf(f).Men;
  const std::uint32_t veterans = Pool(w, f, &TEconomy::VeteranPool);
  const std::uint32_t recruits = Pool(w, f, &TEconomy::RecruitPool);
  const std::uint16_t choice = p.Choice(kMenField);
  p.Enabled(kVeteranRow) = 1;
  p.Enabled(kRecruitRow) = 1;

  if (f.OrdersLeft < 2) Refuse(w, kRenewNeedsBothOrders, {1, 2});
  if (!OnValuedSettlement(w)) Refuse(w, kRenewCityOnly, {1, 2});
  if (veterans == 0) Refuse(w, kRenewReserveExhausted, {kVeteranRow});
  if (recruits == 0) Refuse(w, kRenewReserveExhausted, {kRecruitRow});
  if (choice == kVeteranRow && veterans <= pending) {
    Refuse(w, kRenewReserveExhausted, {kVeteranRow});
  }
  if (choice == kRecruitRow && recruits <= pending) {
    Refuse(w, kRenewReserveExhausted, {kRecruitRow});
  }
  // One booking draws on one pool only.
  if (choice == kVeteranRow) p.Enabled(kRecruitRow) = 0;
  if (choice == kRecruitRow) p.Enabled(kVeteranRow) = 0;
  if (men >= staff) Refuse(w, kRenewStaffFull, {1, 2});
  const NeighbourVerdict v = CheckNeighbours(w);
  if (v.contact) Refuse(w, kRenewEnemyContact, {1, 2});
  if (v.blocked) Refuse(w, kRenewBlocked, {1, 2});

  const int row = p.ListCursor;
  for (int i = 1; i <= kRefitStepCount; ++i) {
    const std::uint32_t k = kRefitSteps[i - 1];
    bool live = men + k <= staff && EntryEnabled(p, row);
    if (choice == kVeteranRow && veterans < pending + k) live = false;
    if (choice == kRecruitRow && recruits < pending + k) live = false;
    // Before the first booking both pools must cover the step.
    if (choice == 0 && (veterans < k || recruits < k)) live = false;
    p.Step(i) = live;
  }
  ResetRefitButtons(w);
}

void RefreshCarsOrHorsesField(World& w, const TFormation& f, int field) {
  TRefitPage& p = w.Refit.RefitPage;
  const bool cars = field == kCarsField;
  w.Refit.MessageNo = kRenewAvailable;
  const std::uint32_t pending = p.Pending(field);
  const std::uint32_t held = (cars ? f.Cars : f.Horses) + pending;
  const std::uint16_t staffWord = cars ? TypeOf(f).Cars : TypeOf(f).Horses;
  const std::uint32_t staff = staffWord;
  const std::uint32_t pool = Pool(w, f, cars ? &TEconomy::CarPool : &TEconomy::HorsePool);
  p.Enabled(1) = 1;

  if (f.OrdersLeft < 2) Refuse(w, kRenewNeedsBothOrders, {1});
  if (!MenAtThreeQuarters(f, p.Pending(kMenField))) Refuse(w, kRenewTooFewMen, {1});
  if (!OnValuedSettlement(w)) Refuse(w, kRenewCityOnly, {1});
  if (pool == 0) Refuse(w, kRenewReserveExhausted, {1});
  if (held >= staff) Refuse(w, kRenewStaffFull, {1});
  const NeighbourVerdict v = CheckNeighbours(w);
  if (v.contact) Refuse(w, kRenewEnemyContact, {1});
  if (v.blocked) Refuse(w, kRenewBlocked, {1});

  for (int i = 1; i <= kRefitStepCount; ++i) {
    const std::uint32_t k = kRefitSteps[i - 1];
    p.Step(i) = held + k <= staff && EntryEnabled(p, p.ListCursor) && pool >= pending + k;
  }
}

}  // namespace gm
