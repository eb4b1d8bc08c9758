// A request to close the window from the window manager (its close button, Alt+F4). A game a
// human plays is never lost without asking: the request opens the Quit page over whatever the
// screen shows, as the sidebar's Quit does, and waits for an action animation to end first. The
// title and final screens, a war between two computer sides (nothing there a player could save)
// and the sidebar's Quit page end the game, and so does a second request once the Quit page the
// first opened has stood on screen a moment. One within that moment, or while the first still
// waits, does nothing more than the first: the two clicks of a double click on the title bar's
// button are one request.
#pragma once

#include <cstdint>

#include "ui/ui_context.hpp"

namespace gm {

// How long the Quit page stands before a request to close ends the game.
inline constexpr std::uint32_t kQuitPageMomentMs = 500;

enum class CloseAnswer : std::uint8_t {
  kLeave,        // the game ends
  kAsk,          // the Quit page opens
  kAfterAction,  // answered once the running action animation has ended
  kAsking,       // nothing more: the Quit page a request opened is new, or waits to open
};

// `now` on the platform's tick clock, the one the frames and QuitPageShownAt count on.
CloseAnswer CloseRequestAnswer(const World& w, const UiState& ui, std::uint32_t now);

void AnswerCloseRequest(UiContext& ctx);
// The request that waited for an animation, once it has ended.
void AnswerWaitingCloseRequest(UiContext& ctx);
// True while the game asks whether to quit: the Quit page stands, or a request waits to open it.
bool AskingToQuit(const World& w, const UiState& ui);
// A drawn frame's part: when the Quit page first stood on screen.
void NoteQuitPageShown(UiContext& ctx);

}  // namespace gm
