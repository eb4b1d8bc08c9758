// The Save/Load page: five slots, saved or loaded at once on a click.
#pragma once

#include "ui/ui_context.hpp"

namespace gm {

void DrawSaveLoadPage(UiContext& ctx);
void ClickSaveLoadPage(UiContext& ctx);

}  // namespace gm
