// Gathering the cells around the formation in hand.
#include "ai/decision_window.hpp"

#include <algorithm>

#include "ai/formation_strength.hpp"
#include "world/world_access.hpp"

namespace gm {

DecisionWindow::DecisionWindow(const World& w, int x, int y) {
  holds_.fill(0);
  const std::uint32_t own = OwnCoalition(w), enemy = EnemyCoalition(w);
  const int left = x - kGroundGridCentre, top = y - kGroundGridCentre;
  // Rows and columns of the window that lie on the map.
  const int aFirst = std::max(0, -top), aLast = std::min(kSpan - 1, kMapHeight - 1 - top);
  const int bFirst = std::max(0, -left), bLast = std::min(kSpan - 1, kMapWidth - 1 - left);
  for (int a = aFirst; a <= aLast; ++a) {
    const TMapCell* row = &Cell(w, left + bFirst, top + a);
    for (int b = bFirst; b <= bLast; ++b) {
      const TMapCell& cell = row[b - bFirst];
      if ((cell.GroundFormation | cell.Settlement) == 0) continue;
      const int i = Index(a, b);
      std::uint8_t holds = 0;
      if (const TFormation* g = UsedFormation(w, cell.GroundFormation)) {
        const int nation = NationOf(*g);
        if (InNationSet(own, nation)) holds |= kOwnGround;
        if (InNationSet(enemy, nation)) holds |= kEnemyGround;
        if (holds == 0) holds = kOtherGround;
        ground_[i] = g;
        strength_[i] = -1;
        if (holds & kEnemyGround) enemies_[enemyCount_++] = static_cast<std::int16_t>(i);
        if (a >= 1 && a < kSpan - 1 && b >= 1 && b < kSpan - 1 && InTheatre(left + b, top + a)) {
          ownInTheatre_ += (holds & kOwnGround) != 0;
          enemyInTheatre_ += (holds & kEnemyGround) != 0;
        }
      }
      if (cell.Settlement != 0) {
        holds |= kSettlement;
        if (cell.Settlement <= kMaxSettlements) {
          const int holder = Settlement(w, cell.Settlement).HolderNation;
          if (InNationSet(own, holder)) holds |= kOwnHeld;
          if (InNationSet(enemy, holder)) holds |= kEnemyHeld;
        }
      }
      holds_[i] |= holds;
    }
  }
  // Mark the cells around each enemy.
  for (int k = 0; k < enemyCount_; ++k) {
    const int a = enemies_[k] / kSpan, b = enemies_[k] % kSpan;
    for (int da = -1; da <= 1; ++da) {
      for (int db = -1; db <= 1; ++db) {
        const int na = a + da, nb = b + db;
        if ((da != 0 || db != 0) && na >= 0 && na < kSpan && nb >= 0 && nb < kSpan) {
          holds_[Index(na, nb)] |= kEnemyBeside;
        }
      }
    }
  }
}

std::int32_t DecisionWindow::Strength(int a, int b) {
  std::int32_t& s = strength_[Index(a, b)];
  if (s < 0) s = FormationStrength(*ground_[Index(a, b)]);
  return s;
}

}  // namespace gm
