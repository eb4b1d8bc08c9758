// The sidebar tooltips: a framed label beside the button under the pointer, and a highlight over
// that button.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/ui_context.hpp"

namespace gm {

void DrawSidebarTooltips(UiContext& ctx);

// The lines of a framed box `width` glyphs wide around the labels (padded with blanks): a top
// line, one line per label, a bottom line, in the fonts' frame glyphs.
std::vector<std::string> FramedBoxLines(const std::vector<std::string_view>& labels, int width);

}  // namespace gm
