// The frame stages that move the computer's turn on, without drawing.
#include "flow/computer_frame.hpp"

#include "ai/computer_turn.hpp"
#include "flow/action_animation.hpp"
#include "flow/screen_flags.hpp"
#include "flow/turn_change.hpp"

namespace gm {

void ComputerStepStage(World& w, ComputerFrameReport& report) {
  if (w.ScreenFlags[kFlagComputerTurn] != 1) return;
  report.handled = ComputerTurnStep(w);
  if (report.handled) report.decision = w.Ai.AiDecision;
}

void ComputerTurnEndStage(World& w, FlowServices& services, ComputerFrameReport& report) {
  if (w.ScreenFlags[kFlagComputerTurn] != 1 || w.Ai.AiState != kAiTurnDone) return;
  NextTurn(w, services);
  report.turnChanged = true;
}

void ComputerDriverStage(World& w, FlowServices& services, ComputerFrameReport& report) {
  ComputerStepStage(w, report);
  ComputerTurnEndStage(w, services, report);
}

ComputerFrameReport ComputerTurnFrame(World& w, FlowServices& services) {
  ComputerFrameReport report;
  CountActionTick(w);
  ComputerDriverStage(w, services, report);
  if (w.ScreenFlags[kFlagComputerTurn] == 1) {
    const bool waiting = w.AiOrderPending != 0 && w.ActionTick == 0;
    report.order = ComputerMapOrder(w, services);
    report.dropped = waiting && report.order == OrderKind::kNone;
  }
  report.resolved = FinishAction(w, services);
  return report;
}

}  // namespace gm
