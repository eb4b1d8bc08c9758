// The Economy window: statistics, equipment lists, production orders and losses of the eight
// nations.
#include "ui/screens/economy_window.hpp"

namespace gm {

void DrawEconomyWindow(UiContext& /*ctx*/) {}
void ClickEconomyWindow(UiContext& /*ctx*/) {}

}  // namespace gm
