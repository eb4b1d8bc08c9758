// The Battlefield as a player meets it: edge scrolling with its pointer shapes and limits,
// selecting and ordering by click, the action animation and its fight at tick 26, clicks and
// moves dropped during an animation, the stored pointer position, and the merge keys.
#include <gtest/gtest.h>

#include <algorithm>

#include "flow/screen_flags.hpp"
#include "game_harness.hpp"
#include "tests/world/order_test_world.hpp"
#include "world/reach_grids.hpp"
#include "world/world_access.hpp"

namespace gm {
namespace {

using testing::GameHarness;
using testing::kGermanInfantry;
using testing::kSovietRifles;

// A German human's Battlefield with the view emptied; own formation at view cell (3, 3).
struct Field {
  GameHarness g;
  int x = 0, y = 0;
  int own = 0;
  Field() {
    g.StartGame();
    g.ClearView();
    x = g.W().ViewX + 3;
    y = g.W().ViewY + 3;
    own = g.Place(x, y, kGermanInfantry);
  }
  // The pixel at the centre of map cell (cx, cy) in the view.
  int Px(int cx) { return (cx - g.W().ViewX) * 60 + 30; }
  int Py(int cy) { return (cy - g.W().ViewY) * 60 + 30; }
  void ClickCell(int cx, int cy) {
    g.MoveTo(Px(cx), Py(cy));
    g.Click(Px(cx), Py(cy));
    g.Frames(1);
  }
  bool Played(const std::string& name) {
    const auto& s = g.Platform().Sounds();
    return std::any_of(s.begin(), s.end(), [&](const auto& r) { return r.label == name; });
  }
};

TEST(Battlefield, EdgeScrollingMovesOneCellAFrameWithinTheLimits) {
  struct Case {
    int mx, my;
    int startX, startY;
    int wantX, wantY;
    std::uint8_t shape;
  };
  const Case cases[] = {
      {0, 0, 10, 40, 9, 39, kCursorScrollNorthWest},
      {0, 0, 0, 30, 0, 30, kCursorScrollNorthWest},
      {799, 599, 100, 100, 101, 101, kCursorScrollSouthEast},
      {799, 599, 348, 321, 348, 321, kCursorScrollSouthEast},
      {799, 0, 100, 100, 101, 99, kCursorScrollNorthEast},
      {0, 599, 100, 100, 99, 101, kCursorScrollSouthWest},
      {0, 300, 100, 100, 99, 100, kCursorScrollWest},
      {400, 0, 100, 100, 100, 99, kCursorScrollNorth},
      {799, 300, 100, 100, 101, 100, kCursorScrollEast},
      {400, 599, 100, 100, 100, 101, kCursorScrollSouth},
  };
  GameHarness g;
  g.StartGame();
  for (const Case& c : cases) {
    g.W().ViewX = c.startX;
    g.W().ViewY = c.startY;
    g.MoveTo(c.mx, c.my);
    g.Frames(1);
    EXPECT_EQ(g.W().ViewX, c.wantX) << c.mx << "," << c.my;
    EXPECT_EQ(g.W().ViewY, c.wantY) << c.mx << "," << c.my;
    EXPECT_EQ(g.Ui().CursorShape, c.shape) << c.mx << "," << c.my;
  }
}

TEST(Battlefield, AMoveOrderMovesPlaysAndKeepsTheFormationSelected) {
  Field f;
  f.ClickCell(f.x, f.y);
  World& w = f.g.W();
  ASSERT_EQ(w.Selection[0], 1);
  EXPECT_EQ(w.ScreenFlags[kFlagUnitStaff], 2);
  EXPECT_EQ(w.GroundReachGrid(kGroundGridCentre, kGroundGridCentre + 1), kReachMove);
  f.ClickCell(f.x + 1, f.y);
  EXPECT_EQ(Cell(w, f.x + 1, f.y).GroundFormation, f.own);
  EXPECT_EQ(Cell(w, f.x, f.y).GroundFormation, 0);
  EXPECT_TRUE(f.Played("move"));
  EXPECT_EQ(w.Selection[0], 1);
  EXPECT_EQ(w.Selection[1], f.x + 1);
}

TEST(Battlefield, AnAssaultAnimatesAndIsResolvedAtTick26WithInputFrozen) {
  Field f;
  World& w = f.g.W();
  f.g.Place(f.x + 1, f.y, kSovietRifles);
  f.ClickCell(f.x, f.y);
  f.ClickCell(f.x + 1, f.y);
  EXPECT_TRUE(f.Played("fighting"));
  EXPECT_EQ(w.ActionTick, 1);
  EXPECT_EQ(w.ActionKind, ActionKind::kAssault);
  const int stored = f.g.Ui().MouseX;
  f.g.MoveTo(10, 10);  // dropped while the animation runs
  f.g.Click(10, 10);   // dropped too, not kept for later
  EXPECT_EQ(f.g.Ui().MouseX, stored);
  EXPECT_EQ(f.g.Ui().MapClicked, 0);
  w.SnapshotA = TFormation{};
  f.g.Frames(24);
  EXPECT_EQ(w.ActionTick, 25);
  EXPECT_EQ(w.SnapshotA.FormationType, 0) << "resolved early";
  f.g.Frames(1);
  EXPECT_EQ(w.ActionTick, 0);
  EXPECT_EQ(w.ActionKind, ActionKind::kNone);
  EXPECT_EQ(w.SnapshotA.FormationType, kGermanInfantry);
}

TEST(Battlefield, AClickActsOnTheCellItWasMadeOnAtTheStoredPosition) {
  Field f;
  World& w = f.g.W();
  // The click event's own coordinates are not used: the last move decides.
  f.g.MoveTo(f.Px(f.x), f.Py(f.y));
  PlatformEvent click;
  click.kind = PlatformEvent::Kind::kClick;
  click.x = 5, click.y = 5;
  f.g.Platform().PushEvent(click);
  f.g.Window().PumpEvents();
  // The pointer moves on before the frame: the click still selects where it was made.
  f.g.MoveTo(f.Px(f.x + 4), f.Py(f.y + 2));
  f.g.Frames(1);
  EXPECT_EQ(w.Selection[0], 1);
  EXPECT_EQ(w.Selection[1], f.x);
  EXPECT_EQ(w.Selection[2], f.y);
}

TEST(Battlefield, MergeKeysMergeInTheSameFrameBeforeTheOrders) {
  Field f;
  World& w = f.g.W();
  const int nw = f.g.Place(f.x - 1, f.y - 1, kGermanInfantry);
  f.ClickCell(f.x, f.y);
  ASSERT_EQ(w.NeighbourFlags[0], 1);
  f.g.Key('S', true);
  f.g.Key('Q', true);
  // A move click in the same frame finds the selection gone and only selects the empty cell.
  f.g.MoveTo(f.Px(f.x + 1), f.Py(f.y));
  f.g.Click(f.Px(f.x + 1), f.Py(f.y));
  f.g.Frames(1);
  EXPECT_EQ(Formation(w, nw).Branch, 0);
  EXPECT_EQ(Formation(w, f.own).Men, 2000);
  EXPECT_EQ(Cell(w, f.x, f.y).GroundFormation, f.own);
  EXPECT_EQ(w.Selection[0], 0);
}

TEST(Battlefield, TheRightButtonShowsTheCardOfTheFormationUnderThePointer) {
  Field f;
  f.g.MoveTo(f.Px(f.x), f.Py(f.y));
  f.g.Frames(1);
  const std::uint64_t without = f.g.Platform().FrameHashes().back();
  f.g.Press(kMouseRight);
  f.g.Frames(1);
  EXPECT_EQ(f.g.Ui().RightButtonDown, 1);
  EXPECT_NE(f.g.Platform().FrameHashes().back(), without);
  EXPECT_EQ(f.g.Ui().CardOffsetX, 0);
  f.g.Release(kMouseRight);
  EXPECT_EQ(f.g.Ui().RightButtonDown, 0);
}

}  // namespace
}  // namespace gm
