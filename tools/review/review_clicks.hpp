// The clicks the review sets share.
#pragma once

#include "tests/support/game_harness.hpp"

namespace gm::review {

// Clicks sidebar button `button`, takes the pointer off the sidebar (no tooltip in the
// picture) and runs two frames.
inline void PressSidebar(testing::GameHarness& g, int button) {
  const int y = testing::SidebarClickY(button);
  g.MoveTo(testing::kSidebarClickX, y);
  g.Click(testing::kSidebarClickX, y);
  g.MoveTo(400, 300);
  g.Frames(2);
}

}  // namespace gm::review
