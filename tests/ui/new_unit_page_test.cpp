// The New unit page through pointer events: the list rows under the pointer and the arrow
// switches of a row click, the held arrows scrolling one step a frame, OK acting only for an entry
// that can be raised, and Cancel.
#include <gtest/gtest.h>

#include "flow/screen_flags.hpp"
#include "tests/support/new_unit_game.hpp"

namespace gm {
namespace {

using testing::Middle;
using testing::NewUnitGame;

TEST(NewUnitPage, ListRowsByPointerPosition) {
  struct Case {
    int x, y;
    int row;  // 0: no row is hit
  };
  const Case cases[] = {{75, 90, 1},   {200, 104, 1}, {200, 105, 2}, {344, 389, 20}, {200, 89, 0},
                        {200, 390, 0}, {74, 200, 0},  {345, 200, 0}, {200, 300, 15}};
  NewUnitGame t;
  t.OpenPage();
  for (const Case& c : cases) {
    t.list().CursorRow = 7;
    const int clicks = t.Clicks();
    t.ClickAt(c.x, c.y);
    EXPECT_EQ(t.list().CursorRow, c.row == 0 ? 7 : c.row) << c.x << "," << c.y;
    EXPECT_EQ(t.Clicks() - clicks, c.row == 0 ? 0 : 1) << c.x << "," << c.y;
    EXPECT_EQ(t.w().ScreenFlags[kFlagNewUnit], kPageOpen);
  }
}

TEST(NewUnitPage, RowClicksSwitchTheArrowsAtTheListsEnds) {
  struct Case {
    int top, count;
    std::uint8_t up, down;  // before the click
    int row;
    std::uint8_t wantUp, wantDown;
  };
  const Case cases[] = {
      {1, 50, 1, 1, 1, 0, 1},    // row 1 at the top of the list
      {5, 50, 1, 1, 1, 1, 1},    // row 1 with the list scrolled: the up arrow stays
      {1, 50, 0, 0, 2, 1, 1},    // any inner row wakes both
      {31, 50, 1, 1, 20, 1, 0},  // row 20 at the list's end
      {1, 3, 0, 1, 20, 1, 1},    // a short list ends before row 20: the click leaves it
  };
  NewUnitGame t;
  t.OpenPage();
  for (const Case& c : cases) {
    auto& l = t.list();
    l.TopRow = static_cast<std::uint16_t>(c.top);
    l.BottomRow = static_cast<std::uint16_t>(c.top + 19);
    l.ItemCount = static_cast<std::uint16_t>(c.count);
    l.UpEnabled = c.up;
    l.DownEnabled = c.down;
    t.g.MoveTo(Middle(NewUnitListRow(c.row)));
    t.g.Click(Middle(NewUnitListRow(c.row)));  // judged before any frame runs the arrows
    EXPECT_EQ(l.UpEnabled, c.wantUp) << c.top << " " << c.row;
    EXPECT_EQ(l.DownEnabled, c.wantDown) << c.top << " " << c.row;
    EXPECT_EQ(l.TopRow, c.top) << "a row click never scrolls";
  }
}

TEST(NewUnitPage, HeldArrowsScrollOneStepPerFrame) {
  NewUnitGame t;
  t.OpenPage();
  auto& l = t.list();
  const int n = l.ItemCount;
  ASSERT_GT(n, 21) << "the German list fills more than a window";
  const auto at = [&](int top, int cursor) {
    return l.TopRow == top && l.BottomRow == top + 19 && l.CursorRow == cursor;
  };

  t.g.MoveTo(Middle(kNewUnitArrows.down));
  t.g.Press(kMouseLeft);
  t.g.Frames(1);
  EXPECT_TRUE(at(1, 2));
  EXPECT_EQ(l.UpEnabled, 1);
  t.g.Frames(18);
  EXPECT_TRUE(at(1, 20)) << "the cursor moves first";
  t.g.Frames(1);
  EXPECT_TRUE(at(2, 20)) << "then the window";
  t.g.Frames(n - 21);
  EXPECT_TRUE(at(n - 19, 20));
  EXPECT_EQ(l.DownEnabled, 1);
  t.g.Frames(1);
  EXPECT_TRUE(at(n - 19, 20));
  EXPECT_EQ(l.DownEnabled, 0) << "the end of the list switches the arrow off";
  t.g.Frames(3);
  EXPECT_TRUE(at(n - 19, 20));

  t.g.MoveTo(Middle(kNewUnitArrows.up));  // still held
  t.g.Frames(1);
  EXPECT_TRUE(at(n - 19, 19));
  EXPECT_EQ(l.DownEnabled, 1);
  t.g.Release(kMouseLeft);
  t.g.Frames(5);
  EXPECT_TRUE(at(n - 19, 19)) << "a released button scrolls nothing";
  t.g.Press(kMouseLeft);
  t.g.Frames(18 + n - 20);
  EXPECT_TRUE(at(1, 1));
  EXPECT_EQ(l.UpEnabled, 1);
  t.g.Frames(1);
  EXPECT_EQ(l.UpEnabled, 0);
  t.g.Release(kMouseLeft);

  // An arrow that is off does not answer.
  t.g.MoveTo(Middle(kNewUnitArrows.up));
  t.g.Press(kMouseLeft);
  t.g.Frames(2);
  EXPECT_TRUE(at(1, 1));
  EXPECT_EQ(l.DownEnabled, 1) << "a dead up arrow wakes nothing";
  t.g.Release(kMouseLeft);
}

TEST(NewUnitPage, OkActsOnlyForAnEntryThatCanBeRaised) {
  struct Case {
    std::uint8_t status;
    bool emptyRow;
  };
  const Case cases[] = {{1, false}, {2, false}, {3, false}, {4, false},
                        {5, false}, {1, true},  {0, true}};
  NewUnitGame t;
  for (const Case& c : cases) {
    ASSERT_EQ(t.w().ScreenFlags[kFlagNewUnit], kPageLive);
    t.OpenPage();
    const auto saved = t.w().SavedScreenFlags;
    auto& l = t.list();
    int e = 1;
    if (c.emptyRow) {
      l.ItemCount = 3;
      l.Status(10) = c.status;  // a stale byte past the end must not count
      e = 10;
    } else {
      l.Status(e) = c.status;
    }
    t.PutCursorOn(e);
    const std::uint16_t type = l.Entry(e);
    const int clicks = t.Clicks();
    t.ClickAt(Middle(kNewUnitOkButton));
    const bool acts = c.status == 1 && !c.emptyRow;
    const std::string what = std::to_string(c.status) + (c.emptyRow ? " on an empty row" : "");
    EXPECT_EQ(t.w().ScreenFlags[kFlagPlacement], acts ? 1 : 0) << what;
    EXPECT_EQ(t.w().ScreenFlags[kFlagNewUnit], acts ? kPageHidden : kPageOpen) << what;
    EXPECT_EQ(t.w().Lists.PlacementPending, acts ? 1 : 0) << what;
    EXPECT_EQ(t.Clicks() - clicks, acts ? 1 : 0) << what;
    EXPECT_EQ(t.w().SavedScreenFlags, saved) << "OK saves nothing again";
    if (acts) {
      EXPECT_EQ(t.w().Lists.PlacementType, type);
      t.g.Press(kMouseRight);
      t.g.Release(kMouseRight);
    } else {
      t.ClickAt(Middle(kNewUnitCancelButton));
    }
    t.g.Frames(1);
  }
}

TEST(NewUnitPage, CancelBringsBackTheMapScreen) {
  NewUnitGame t;
  const auto before = t.w().ScreenFlags;
  t.OpenPage();
  t.w().Lists.PlacementType = 12;
  const int clicks = t.Clicks();
  t.ClickAt(Middle(kNewUnitCancelButton));
  EXPECT_EQ(t.w().ScreenFlags, before);
  EXPECT_EQ(t.w().Lists.PlacementPending, 0);
  EXPECT_EQ(t.w().Lists.PlacementType, 0);
  EXPECT_EQ(t.Clicks() - clicks, 1);
}

}  // namespace
}  // namespace gm
