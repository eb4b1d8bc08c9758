// Gathering the cells around the formation in hand.
#include "ai/decision_window.hpp"

#include "ai/formation_strength.hpp"
#include "world/world_access.hpp"

namespace gm {

DecisionWindow::DecisionWindow(const World& w, int x, int y) {
  const std::uint32_t own = OwnCoalition(w), enemy = EnemyCoalition(w);
  for (int a = 0; a < kSpan; ++a) {
    const int my = y - kGroundGridCentre + a;
    for (int b = 0; b < kSpan; ++b) {
      const int mx = x - kGroundGridCentre + b;
      WindowCell& c = cells_[a * kSpan + b];
      c = WindowCell{nullptr, InTheatre(mx, my), false, false, false, false, false, -1};
      if (!OnMap(mx, my)) continue;
      const TMapCell& cell = Cell(w, mx, my);
      c.ground = UsedFormation(w, cell.GroundFormation);
      if (c.ground != nullptr) {
        const int nation = NationOf(*c.ground);
        c.ownGround = InNationSet(own, nation);
        c.enemyGround = InNationSet(enemy, nation);
      }
      c.settlement = cell.Settlement != 0;
      if (cell.Settlement >= 1 && cell.Settlement <= kMaxSettlements) {
        const int holder = Settlement(w, cell.Settlement).HolderNation;
        c.ownHeld = InNationSet(own, holder);
        c.enemyHeld = InNationSet(enemy, holder);
      }
    }
  }
}

std::int32_t DecisionWindow::Strength(int a, int b) {
  WindowCell& c = cells_[a * kSpan + b];
  if (c.strength < 0) c.strength = FormationStrength(*c.ground);
  return c.strength;
}

}  // namespace gm
