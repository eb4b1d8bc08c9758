// The click sound of the sidebar buttons and the page controls, apart from the click handler so
// that the screens need not see the dispatcher that calls them.
#pragma once

#include "ui/ui_context.hpp"

namespace gm {

// The wave "click" once, when sound is on: every sidebar button and page control that acts.
void PlayClickSound(UiContext& ctx);

}  // namespace gm
