// Driving the Options, Save/Load, End turn, Help and Quit pages by real clicks: the sidebar
// buttons that open them, the window's close that brings the Quit page, and the clicks the pages
// played.
#pragma once

#include <string>

#include "tests/support/game_harness.hpp"

namespace gm::testing {

// Clicks sidebar button i and runs a frame.
inline void OpenFromSidebar(GameHarness& g, int button) {
  const int y = SidebarClickY(button);
  g.Click(kSidebarClickX, y);
  g.Frames(1);
}

// A request to close the window, as a window manager sends it, and the events handled.
inline void RequestClose(GameHarness& g) {
  PlatformEvent e;
  e.kind = PlatformEvent::Kind::kCloseRequest;
  g.Platform().PushEvent(e);
  g.Window().PumpEvents();
}

inline int CountSounds(GameHarness& g, const std::string& name) {
  int n = 0;
  for (const auto& s : g.Platform().Sounds()) n += s.label == name ? 1 : 0;
  return n;
}

}  // namespace gm::testing
