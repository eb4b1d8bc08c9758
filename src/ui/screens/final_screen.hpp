// The final screen after the end of the war: the parade, three lines on the outcome, its picture,
// and the Exit button.
#pragma once

#include "ui/ui_context.hpp"

namespace gm {

void DrawFinalScreen(UiContext& ctx);
void ClickFinalScreen(UiContext& ctx);

}  // namespace gm
