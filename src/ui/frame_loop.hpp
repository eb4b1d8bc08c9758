// The frame tick: every 20 ms (or the options page's interval) the whole 800 x 600 frame is drawn
// anew from the world, stage by stage under the screen flags, the computer plays one step when
// it is on move, orders and animations run, and the frame is presented.
#pragma once

#include <cstdint>

#include "ui/ui_context.hpp"

namespace gm {

void DXTimerTimer(UiContext& ctx, std::int32_t lagCount = 1);

}  // namespace gm
