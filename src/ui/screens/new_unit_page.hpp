// The New unit page: the formation types the side on move may raise, the card, picture and message
// of the one under the cursor, the scroll arrows, OK and Cancel.
#pragma once

#include "ui/ui_context.hpp"

namespace gm {

void DrawReinforcementPage(UiContext& ctx);
void ClickReinforcementPage(UiContext& ctx);

}  // namespace gm
