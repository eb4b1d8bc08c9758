// The Help page: six topics of text and their link lines.
#pragma once

#include "ui/ui_context.hpp"

namespace gm {

void DrawHelpPage(UiContext& ctx);
void ClickHelpPage(UiContext& ctx);

}  // namespace gm
