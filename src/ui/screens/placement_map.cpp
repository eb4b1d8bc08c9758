// Placing a new formation: the Battlefield-scale map with forbidden cells shaded, and the placing
// click.
#include "ui/screens/placement_map.hpp"

namespace gm {

void DrawPlacementMap(UiContext& /*ctx*/) {}
void ClickPlacementMap(UiContext& /*ctx*/) {}

}  // namespace gm
