// Pictures of the New unit page and the placement map for people to look at, written to
// build/review/screens/: an entry that can be raised, one that cannot, a blank row past the list's
// end, the list scrolled by its arrows, and the placement map plain and with a refusal.
#include "flow/screen_flags.hpp"
#include "review_sets.hpp"
#include "tests/support/new_unit_game.hpp"

namespace gm {
namespace {

using testing::Middle;
using testing::NewUnitGame;

}  // namespace

std::string review::NewUnitPageAndPlacement() {
  NewUnitGame t;
  t.OpenPage();
  t.PutCursorOn(std::max(1, t.FirstEntryOf(1)));
  t.g.MoveTo(Middle(kNewUnitOkButton));
  t.g.Frames(2);
  t.g.Dump("new_unit_available");

  const int refused = t.FirstEntryOf(2);
  if (refused != 0) t.PutCursorOn(refused);
  t.g.MoveTo(500, 480);
  t.g.Frames(2);
  t.g.Dump("new_unit_refused");

  t.g.MoveTo(Middle(kNewUnitArrows.down));
  t.g.Press(kMouseLeft);
  t.g.Frames(40);
  t.g.Release(kMouseLeft);
  t.g.MoveTo(500, 480);
  t.g.Frames(1);
  t.g.Dump("new_unit_scrolled");

  t.list().ItemCount = 3;
  t.PutCursorOn(10);
  t.g.Frames(2);
  t.g.Dump("new_unit_blank_row");
  t.ClickAt(Middle(kNewUnitCancelButton));

  if (!t.EnterPlacement()) return "nothing could be placed";
  // The allowed cell with the most formations around it, to see the shade over them.
  World& w = t.w();
  int x = 0, y = 0, most = -1;
  for (int cy = kTheatreMinY; cy <= kTheatreMaxY; ++cy) {
    for (int cx = kTheatreMinX; cx <= kTheatreMaxX; ++cx) {
      if (Cell(w, cx, cy).PlacementAllowed != 1) continue;
      int around = 0;
      for (int dy = -4; dy <= 4; ++dy) {
        for (int dx = -5; dx <= 6; ++dx) {
          if (InTheatre(cx + dx, cy + dy) && Cell(w, cx + dx, cy + dy).GroundFormation != 0) {
            ++around;
          }
        }
      }
      if (around > most) {
        most = around;
        x = cx;
        y = cy;
      }
    }
  }
  if (most < 0) return "no cell to place in";
  w.ViewX = std::clamp(x - 5, kViewMinX, kViewMaxX);
  w.ViewY = std::clamp(y - 4, kViewMinY, kViewMaxY);
  t.g.MoveTo(t.g.CellMiddle(x + 1, y));
  t.g.Frames(2);
  t.g.Dump("placement_map");

  for (TFormation& f : w.Formations) {
    if (f.Branch == 0) f.Branch = 1;
  }
  t.ClickAt(t.g.CellMiddle(x, y), 2);
  t.g.Dump("placement_map_no_free_record");
  return {};
}

}  // namespace gm
