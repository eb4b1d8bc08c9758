// What the decision rules read of the map around the formation in hand, gathered once for the
// whole decision: for each cell of the 19 x 19 grid window and the ring of cells just beyond it,
// the ground formation and its side, the settlement and its holder's side. The rules only choose;
// nothing on the map changes until the decision is acted on.
#pragma once

#include <array>
#include <cstdint>

#include "world/world.hpp"

namespace gm {

struct WindowCell {
  const TFormation* ground;  // the used ground formation standing there; nullptr off the map
  bool inTheatre;
  bool ownGround;  // the ground formation's nation is own, or enemy, to the side on move
  bool enemyGround;
  bool settlement;  // the cell names a settlement
  bool ownHeld;     // its holder is own, or enemy
  bool enemyHeld;
  std::int32_t strength;  // of the ground formation, -1 until first asked
};

class DecisionWindow {
 public:
  // Grid rows and columns 0..20: 1..19 are those of GroundReachGrid, 0 and 20 the ring beyond.
  static constexpr int kSpan = 21;

  // The window around (x, y), the cell of GroundReachGrid's centre.
  DecisionWindow(const World& w, int x, int y);

  const WindowCell& At(int a, int b) const { return cells_[a * kSpan + b]; }
  // The strength of the ground formation at (a, b), which must hold one.
  std::int32_t Strength(int a, int b);

 private:
  std::array<WindowCell, kSpan * kSpan> cells_;
};

}  // namespace gm
