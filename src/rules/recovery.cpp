// The rest of the side that has just ended its turn.
#include "rules/recovery.hpp"

#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr std::uint16_t kOrdersPerTurn = 2;
constexpr std::uint16_t kExperienceRestLimit = 100;
constexpr std::uint16_t kMoraleRestLimit = 70;

}  // namespace

void RecoverSideOnMove(World& w) {
  const std::uint32_t side = OwnCoalition(w);
  for (TFormation& f : w.Formations) {
    if (f.Branch == 0 || !InNationSet(side, NationOf(f))) continue;
    f.OrdersLeft = kOrdersPerTurn;
    if (f.Experience < kExperienceRestLimit) ++f.Experience;
    if (f.Morale < kMoraleRestLimit) ++f.Morale;
  }
}

}  // namespace gm
