// The Help page: six topics of text and their link lines.
#pragma once

#include "ui/hit_rect.hpp"
#include "ui/ui_context.hpp"

namespace gm {

// Topic t (1..6) down the right side.
constexpr HitRect HelpTopicRect(int topic) {
  return {560, 60 * topic + 10, 639, 60 * topic + 49};
}

// The link lines, under the areas a press opens: page 1's to the guide's About section, page
// 6's to the guide and to its About section.
inline constexpr HitRect kHelpAboutLink{209, 104, 403, 118};
inline constexpr HitRect kHelpGuideLink{101, 344, 504, 358};
inline constexpr HitRect kHelpAboutLink6{197, 376, 391, 390};

void DrawHelpPage(UiContext& ctx);
void ClickHelpPage(UiContext& ctx);

}  // namespace gm
