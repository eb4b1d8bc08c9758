// The computer turn's frame stage: its step and its status lines.
#include "ui/screens/computer_turn_driver.hpp"

#include <string>

#include "flow/computer_frame.hpp"
#include "ui/glyph_text.hpp"
#include "ui/ui_texts.hpp"

namespace gm {

void RunComputerTurnDriver(UiContext& ctx) {
  World& w = ctx.w;
  ComputerFrameReport report;
  ComputerStepStage(w, report);
  DrawGlyphText(ctx, AiStateName(w.Ai.AiState), 13, 553, 2);
  DrawGlyphText(ctx, std::to_string(w.Ai.AiFormationIndex), 13, 565, 2);
  DrawGlyphText(ctx, std::to_string(w.Ai.AiPass), 13, 577, 2);
  ComputerTurnEndStage(w, ctx.flow, report);
}

}  // namespace gm
