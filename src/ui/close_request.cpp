// What a request to close the window does, screen by screen.
#include "ui/close_request.hpp"

#include "ui/screens/quit_page.hpp"

namespace gm {

namespace {

bool QuitPageOpen(const World& w) {
  return w.ScreenFlags[kFlagQuit] == kPageOpen;
}

}  // namespace

CloseAnswer CloseRequestAnswer(const World& w, const UiState& ui, std::uint32_t now) {
  const auto& flags = w.ScreenFlags;
  if (ui.CloseRequestWaiting) return CloseAnswer::kAsking;
  if (QuitPageOpen(w)) {
    // The sidebar's Quit page was asked for; the one a request opened must first be seen. The
    // tick clock wraps, the difference does not.
    const bool byRequest = ui.SavedUnderQuitPage.has_value();
    const bool seen = ui.QuitPageShownAt && now - *ui.QuitPageShownAt >= kQuitPageMomentMs;
    return !byRequest || seen ? CloseAnswer::kLeave : CloseAnswer::kAsking;
  }
  if (flags[kFlagScreen] != kScreenGame) return CloseAnswer::kLeave;
  if (w.GameHeader.GermanCpu == 1 && w.GameHeader.SovietCpu == 1) return CloseAnswer::kLeave;
  // The animation's end resolves the fight and may end the war: the answer follows that screen.
  if (w.ActionTick != 0) return CloseAnswer::kAfterAction;
  return CloseAnswer::kAsk;
}

void AnswerCloseRequest(UiContext& ctx) {
  switch (CloseRequestAnswer(ctx.w, ctx.ui, ctx.platform.GetClock().TickMilliseconds())) {
    case CloseAnswer::kLeave:
      ctx.ui.QuitRequested = true;
      break;
    case CloseAnswer::kAsk:
      OpenQuitPageOver(ctx);
      break;
    case CloseAnswer::kAfterAction:
      ctx.ui.CloseRequestWaiting = true;
      break;
    case CloseAnswer::kAsking:
      break;
  }
}

void AnswerWaitingCloseRequest(UiContext& ctx) {
  if (!ctx.ui.CloseRequestWaiting || ctx.w.ActionTick != 0) return;
  ctx.ui.CloseRequestWaiting = false;
  AnswerCloseRequest(ctx);
}

bool AskingToQuit(const World& w, const UiState& ui) {
  return ui.CloseRequestWaiting || QuitPageOpen(w);
}

void NoteQuitPageShown(UiContext& ctx) {
  if (!QuitPageOpen(ctx.w)) {
    ctx.ui.QuitPageShownAt.reset();
  } else if (!ctx.ui.QuitPageShownAt) {
    ctx.ui.QuitPageShownAt = ctx.platform.GetClock().TickMilliseconds();
  }
}

}  // namespace gm
