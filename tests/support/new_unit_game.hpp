// A German human's game with the New unit page one click away, for the page's and the
// placement's tests and pictures: opening the page, choosing an entry, and finding a cell to
// place on.
#pragma once

#include <algorithm>
#include <string>

#include "tests/support/game_harness.hpp"
#include "ui/screens/new_unit_page.hpp"
#include "world/world_access.hpp"

namespace gm::testing {

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
  void OpenPage() { ClickAt(Middle(SidebarButtonRect(kNewUnitButton))); }

  int Clicks() {
    const auto& s = g.Platform().Sounds();
    return static_cast<int>(
        std::count_if(s.begin(), s.end(), [](const auto& r) { return r.label == "click"; }));
  }

  // Puts entry e under the cursor as the arrows would leave it.
  void PutCursorOn(int e) {
    auto& l = list();
    l.TopRow = static_cast<std::uint16_t>(std::max(1, e - 19));
    l.BottomRow = static_cast<std::uint16_t>(l.TopRow + 19);
    l.CursorRow = static_cast<std::uint16_t>(e - l.TopRow + 1);
  }
  // The first entry of the status, or 0.
  int FirstEntryOf(std::uint8_t status) {
    for (int e = 1; e <= list().ItemCount; ++e) {
      if (list().Status(e) == status) return e;
    }
    return 0;
  }

  // Opens the page and presses OK on the first entry that can be raised; true in placement mode.
  bool EnterPlacement() {
    OpenPage();
    const int e = FirstEntryOf(1);
    if (e == 0) return false;
    PutCursorOn(e);
    ClickAt(Middle(kNewUnitOkButton));
    return w().ScreenFlags[kFlagPlacement] == 1;
  }

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
