// The End turn page: confirming the end of the human side's turn, or handing it to the computer.
#pragma once

#include <cstdint>

#include "ui/ui_context.hpp"

namespace gm {

// The row of the switch that lets the computer complete the turn; Confirm and Cancel are the
// page window's left and right buttons.
inline constexpr std::int32_t kAiCompletesSwitchY = 330;

void DrawEndTurnPage(UiContext& ctx);
void ClickEndTurnPage(UiContext& ctx);

}  // namespace gm
