// The final screen after the end of the war: the parade, three lines on the outcome, its picture,
// and the Exit button.
#pragma once

#include "ui/hit_rect.hpp"
#include "ui/ui_context.hpp"

namespace gm {

inline constexpr HitRect kFinalExitButton{360, 490, 439, 529};

void DrawFinalScreen(UiContext& ctx);
void ClickFinalScreen(UiContext& ctx);

}  // namespace gm
