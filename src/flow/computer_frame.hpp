// One frame of the computer's turn without drawing: the same stages, in the same order, that the
// frame tick runs around its pictures. The headless sim runs this; the tick calls the stages.
#pragma once

#include <cstdint>

#include "flow/flow_services.hpp"
#include "flow/map_orders.hpp"
#include "world/world.hpp"

namespace gm {

// What one frame did, for counting.
struct ComputerFrameReport {
  bool handled = false;                // a formation had its look
  std::uint8_t decision = 0;           // its AiDecision
  OrderKind order = OrderKind::kNone;  // the pending order carried out this frame
  bool dropped = false;                // a pending order found no mark and was dropped
  bool resolved = false;               // a fight was resolved at the end of its animation
  bool turnChanged = false;            // the turn change ran
};

// The computer-turn stage of the frame: one ComputerTurnStep, and the turn change in the same
// frame once the computer's turn is done. Does nothing outside the computer turn.
void ComputerDriverStage(World& w, FlowServices& services, ComputerFrameReport& report);
// Its two halves, for the frame that shows the computer's state between them.
void ComputerStepStage(World& w, ComputerFrameReport& report);
void ComputerTurnEndStage(World& w, FlowServices& services, ComputerFrameReport& report);

// A whole frame: the animation counter, the driver stage, the computer's pending order and the
// end of the action animation.
ComputerFrameReport ComputerTurnFrame(World& w, FlowServices& services);

}  // namespace gm
