// Orders that take effect at once: moves, airborne drops and rebasing.
#include "rules/moves.hpp"

#include "rules/capture.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

using FormationWord = std::uint16_t TMapCell::*;

// Moves the formation named by the given word of the selected cell to the target cell and takes
// one of its orders. Returns false, changing nothing, when the selected cell names no formation
// or either cell lies off the map (callers guarantee neither happens).
bool MoveSelected(World& w, FormationWord word) {
  const int fromX = w.Selection[1], fromY = w.Selection[2];
  if (!OnMap(fromX, fromY) || !OnMap(w.TargetX, w.TargetY)) return false;
  TMapCell& from = Cell(w, fromX, fromY);
  const int id = from.*word;
  TFormation* moved = UsedFormation(w, id);
  if (moved == nullptr) return false;

  TFormation& f = *moved;
  f.X = f.xCopy = static_cast<std::uint16_t>(w.TargetX);
  f.Y = f.yCopy = static_cast<std::uint16_t>(w.TargetY);
  if (f.OrdersLeft > 0) --f.OrdersLeft;
  // Clear the old cell first, so that an order onto the formation's own cell leaves it there.
  from.*word = 0;
  Cell(w, w.TargetX, w.TargetY).*word = static_cast<std::uint16_t>(id);
  return true;
}

}  // namespace

void ExecuteMove(World& w) {
  if (MoveSelected(w, &TMapCell::GroundFormation)) CaptureSettlement(w);
}

void ExecuteAirDrop(World& w) {
  ExecuteMove(w);
}

void ExecuteRebase(World& w) {
  MoveSelected(w, &TMapCell::AirFormation);
}

}  // namespace gm
