// The Quit page: Yes leaves the game, No goes back to the screen it was opened from.
#pragma once

#include "ui/ui_context.hpp"

namespace gm {

void DrawQuitPage(UiContext& ctx);
void ClickQuitPage(UiContext& ctx);
// The Quit page over whatever the screen shows, for a request to close the window: No brings
// that screen back as it was.
void OpenQuitPageOver(UiContext& ctx);

}  // namespace gm
