// The click handler: one pass over the game's click blocks for each completed left click. A hit
// does not end the pass; later blocks see the screen flags as the earlier ones left them.
#pragma once

#include "ui/ui_context.hpp"

namespace gm {

void DXDraw1Click(UiContext& ctx);

}  // namespace gm
