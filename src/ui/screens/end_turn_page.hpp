// The End turn page: confirming the end of the human side's turn, or handing it to the computer.
#pragma once

#include "ui/ui_context.hpp"

namespace gm {

void DrawEndTurnPage(UiContext& ctx);
void ClickEndTurnPage(UiContext& ctx);

}  // namespace gm
