// Production statuses from introduction dates.
#include "world/production_status.hpp"

#include "world/list_state.hpp"
#include "world/tables/tables.hpp"

namespace gm {
namespace {

// Before July 1941: the models a new game starts with.
bool IntroducedBeforeWar(int year, int month) {
  return year < 1941 || (year == 1941 && month < 7);
}

}  // namespace

void InitProductionStatus(World& w) {
  TEconomy& e = w.Economy;
  for (int n = 1; n <= kNations; ++n) {
    for (int m = 1; m <= kEquipmentModelRows; ++m) {
      const TEquipmentModel& model = EquipmentModels[m];
      const bool available =
          model.Nation == n && IntroducedBeforeWar(model.IntroYear, model.IntroMonth);
      ProductionStatusOf(e, n, m) = available ? kStatusAvailable : kStatusUnavailable;
    }
    for (int a = 1; a <= kAircraftModelRows; ++a) {
      const TAircraftModel& model = AircraftModels[a];
      const bool available =
          model.Nation == n && IntroducedBeforeWar(model.IntroYear, model.IntroMonth);
      ProductionStatusOf(e, n, kAircraftModelBase + a) =
          available ? kStatusAvailable : kStatusUnavailable;
    }
  }
}

void IntroduceNewModels(World& w) {
  const TGameHeader& h = w.GameHeader;
  if (h.Day != 1) return;
  for (int m = 1; m <= kEquipmentModelRows; ++m) {
    const TEquipmentModel& model = EquipmentModels[m];
    const int n = model.Nation;
    if (n < 1 || n > kNations) continue;  // makers outside the war never produce
    if (model.IntroYear != h.Year || model.IntroMonth != h.Month) continue;
    std::uint8_t& status = ProductionStatusOf(w.Economy, n, m);
    if (status == kStatusUnavailable) status = kStatusAvailable;
  }
}

}  // namespace gm
