// The Options page: the frame interval and the grid, frame-rate and clock switches.
#include "ui/screens/options_page.hpp"

namespace gm {

void DrawOptionsPage(UiContext& /*ctx*/) {}
void ClickOptionsPage(UiContext& /*ctx*/) {}

}  // namespace gm
