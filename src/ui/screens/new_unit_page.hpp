// The New unit page: the formation types the side on move may raise, the card of the one under the
// cursor, OK and Cancel.
#pragma once

#include "ui/ui_context.hpp"

namespace gm {

void DrawReinforcementPage(UiContext& ctx);
void ClickReinforcementPage(UiContext& ctx);

}  // namespace gm
