// A German human's game with the New unit page one click away, for the page's and the
// placement's tests and pictures: opening the page, choosing an entry, and finding a cell to
// place on. The steps that need nothing but the game are free functions too, for tests that
// reach the placement on their way.
#pragma once

#include <algorithm>
#include <string>

#include "tests/support/game_harness.hpp"
#include "ui/screens/new_unit_page.hpp"
#include "world/world_access.hpp"

namespace gm::testing {

// Opens the New unit page from the sidebar.
inline void OpenNewUnitPage(GameHarness& g) {
  const ScreenPoint button = Middle(SidebarButtonRect(kNewUnitButton));
  g.MoveTo(button);
  g.Click(button);
  g.Frames(1);
}

// Puts entry e of the open page under the cursor as the arrows would leave it.
inline void PutCursorOn(GameHarness& g, int e) {
  auto& l = g.W().Lists.ReinforcementList;
  l.TopRow = static_cast<std::uint16_t>(std::max(1, e - 19));
  l.BottomRow = static_cast<std::uint16_t>(l.TopRow + 19);
  l.CursorRow = static_cast<std::uint16_t>(e - l.TopRow + 1);
}

// The first entry of the status, or 0.
inline int FirstEntryOf(GameHarness& g, std::uint8_t status) {
  const auto& l = g.W().Lists.ReinforcementList;
  for (int e = 1; e <= l.ItemCount; ++e) {
    if (l.Status(e) == status) return e;
  }
  return 0;
}

// Opens the page and presses OK on the first entry that can be raised; true in placement mode.
inline bool EnterPlacement(GameHarness& g) {
  OpenNewUnitPage(g);
  const int e = FirstEntryOf(g, 1);
  if (e == 0) return false;
  PutCursorOn(g, e);
  const ScreenPoint ok = Middle(kNewUnitOkButton);
  g.MoveTo(ok);
  g.Click(ok);
  g.Frames(1);
  return g.W().ScreenFlags[kFlagPlacement] == 1;
}

struct NewUnitGame {
  GameHarness g;

  NewUnitGame() { g.StartGame(); }

  World& w() { return g.W(); }
  PagedList<200, 20>& list() { return g.W().Lists.ReinforcementList; }

  void ClickAt(int x, int y, int frames = 1) {
    g.MoveTo(x, y);
    g.Click(x, y);
    g.Frames(frames);
  }
  void ClickAt(ScreenPoint p, int frames = 1) { ClickAt(p.x, p.y, frames); }
  void OpenPage() { OpenNewUnitPage(g); }

  int Clicks() {
    const auto& s = g.Platform().Sounds();
    return static_cast<int>(
        std::count_if(s.begin(), s.end(), [](const auto& r) { return r.label == "click"; }));
  }

  void PutCursorOn(int e) { testing::PutCursorOn(g, e); }
  int FirstEntryOf(std::uint8_t status) { return testing::FirstEntryOf(g, status); }
  bool EnterPlacement() { return testing::EnterPlacement(g); }

  // Scrolls the view so the first allowed cell lies in it; its centre pixel in px, py.
  bool ShowAllowedCell(int& x, int& y, int& px, int& py) {
    for (y = kTheatreMinY; y <= kTheatreMaxY; ++y) {
      for (x = kTheatreMinX; x <= kTheatreMaxX; ++x) {
        if (Cell(w(), x, y).PlacementAllowed != 1) continue;
        w().ViewX = std::clamp(x - 5, kViewMinX, kViewMaxX);
        w().ViewY = std::clamp(y - 4, kViewMinY, kViewMaxY);
        const ScreenPoint middle = g.CellMiddle(x, y);
        px = middle.x;
        py = middle.y;
        return true;
      }
    }
    return false;
  }
};

}  // namespace gm::testing
