// The New unit page: the formation types the side on move may raise, the card of the one under the
// cursor, OK and Cancel.
#include "ui/screens/new_unit_page.hpp"

namespace gm {

void DrawReinforcementPage(UiContext& /*ctx*/) {}
void ClickReinforcementPage(UiContext& /*ctx*/) {}

}  // namespace gm
