// A request to close the window from the window manager (its close button, Alt+F4). A game a
// human plays is never lost without asking: the request opens the Quit page over whatever the
// screen shows, as the sidebar's Quit does, and waits for an action animation to end first. The
// title and final screens, a war between two computer sides (nothing there a player could save)
// and a second request (the Quit page standing, or the first still waiting) end the game.
#pragma once

#include <cstdint>

#include "ui/ui_context.hpp"

namespace gm {

enum class CloseAnswer : std::uint8_t {
  kLeave,        // the game ends
  kAsk,          // the Quit page opens
  kAfterAction,  // answered once the running action animation has ended
};

CloseAnswer CloseRequestAnswer(const World& w, const UiState& ui);

void AnswerCloseRequest(UiContext& ctx);
// The request that waited for an animation, once it has ended.
void AnswerWaitingCloseRequest(UiContext& ctx);

}  // namespace gm
