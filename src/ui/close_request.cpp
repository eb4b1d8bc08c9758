// What a request to close the window does, screen by screen.
#include "ui/close_request.hpp"

#include "ui/screens/quit_page.hpp"

namespace gm {

CloseAnswer CloseRequestAnswer(const World& w, const UiState& ui) {
  const auto& flags = w.ScreenFlags;
  if (ui.CloseRequestWaiting || flags[kFlagQuit] == kPageOpen) return CloseAnswer::kLeave;
  if (flags[kFlagScreen] != kScreenGame) return CloseAnswer::kLeave;
  if (w.GameHeader.GermanCpu == 1 && w.GameHeader.SovietCpu == 1) return CloseAnswer::kLeave;
  // The animation's end resolves the fight and may end the war: the answer follows that screen.
  if (w.ActionTick != 0) return CloseAnswer::kAfterAction;
  return CloseAnswer::kAsk;
}

void AnswerCloseRequest(UiContext& ctx) {
  switch (CloseRequestAnswer(ctx.w, ctx.ui)) {
    case CloseAnswer::kLeave:
      ctx.ui.QuitRequested = true;
      break;
    case CloseAnswer::kAsk:
      OpenQuitPageOver(ctx);
      break;
    case CloseAnswer::kAfterAction:
      ctx.ui.CloseRequestWaiting = true;
      break;
  }
}

void AnswerWaitingCloseRequest(UiContext& ctx) {
  if (!ctx.ui.CloseRequestWaiting || ctx.w.ActionTick != 0) return;
  ctx.ui.CloseRequestWaiting = false;
  AnswerCloseRequest(ctx);
}

}  // namespace gm
