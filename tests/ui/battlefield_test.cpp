// The Battlefield as a player meets it: edge scrolling with its pointer shapes and limits,
// selecting and ordering by click, the action animation and its fight at tick 26, clicks and
// moves dropped during an animation, the stored pointer position, and the merge keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "flow/screen_flags.hpp"
#include "tests/support/game_harness.hpp"
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
  void ClickCell(int cx, int cy) {
    g.MoveTo(g.CellMiddle(cx, cy));
    g.Click(g.CellMiddle(cx, cy));
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
  f.g.MoveTo(f.g.CellMiddle(f.x, f.y));
  PlatformEvent click;
  click.kind = PlatformEvent::Kind::kClick;
  click.x = 5, click.y = 5;
  f.g.Platform().PushEvent(click);
  f.g.Window().PumpEvents();
  // The pointer moves on before the frame: the click still selects where it was made.
  f.g.MoveTo(f.g.CellMiddle(f.x + 4, f.y + 2));
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
  f.g.MoveTo(f.g.CellMiddle(f.x + 1, f.y));
  f.g.Click(f.g.CellMiddle(f.x + 1, f.y));
  f.g.Frames(1);
  EXPECT_EQ(Formation(w, nw).Branch, 0);
  EXPECT_EQ(Formation(w, f.own).Men, 2000);
  EXPECT_EQ(Cell(w, f.x, f.y).GroundFormation, f.own);
  EXPECT_EQ(w.Selection[0], 0);
}

TEST(Battlefield, TheRightButtonShowsTheCardOfTheFormationUnderThePointer) {
  Field f;
  f.g.MoveTo(f.g.CellMiddle(f.x, f.y));
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

// The pixels of a part of view cell (c, r): (dx, dy) from its corner, w x h.
std::vector<std::uint32_t> Region(GameHarness& g, int c, int r, int dx, int dy, int w, int h) {
  std::vector<std::uint32_t> out;
  for (int y = dy; y < dy + h; ++y) {
    for (int x = dx; x < dx + w; ++x) out.push_back(g.PixelAt(60 * c + x, 60 * r + y));
  }
  return out;
}

TEST(Battlefield, UnitsAndTheirMarksByLayerAndOrdersLeft) {
  Field f;  // German infantry at view cell (3, 3)
  World& w = f.g.W();
  const int air = f.g.Place(w.ViewX + 5, w.ViewY + 3, testing::kGermanFighters);
  f.g.MoveTo(testing::ViewCellMiddle(10, 7));  // the pointer's frame far from the cells looked at
  // Parts of a cell: the symbol, the orders mark at (45, 45) and the nation mark at (0, 45) of a
  // ground formation; the air formation's marks sit 30 pixels higher in the air layer.
  struct Part {
    int dx, dy, w, h;
  };
  const Part symbol{15, 10, 30, 30}, orders{45, 45, 15, 15}, nation{0, 45, 15, 15},
      airOrders{45, 15, 15, 15};
  const auto look = [&](int c, const Part& p) { return Region(f.g, c, 3, p.dx, p.dy, p.w, p.h); };
  struct Frame {
    MapLayer layer;
    int orders;
  };
  const auto draw = [&](Frame fr) {
    w.ScreenFlags[kFlagLayer] = fr.layer;
    Formation(w, f.own).OrdersLeft = static_cast<std::uint8_t>(fr.orders);
    f.g.Frames(1);
  };
  constexpr int kEmpty = 7, kGround = 3, kAir = 5;

  draw({kLayerArmy, 2});
  const auto symbolTwo = look(kGround, symbol), ordersTwo = look(kGround, orders);
  EXPECT_NE(symbolTwo, look(kEmpty, symbol));
  EXPECT_NE(ordersTwo, look(kEmpty, orders));
  EXPECT_NE(look(kGround, nation), look(kEmpty, nation));
  EXPECT_NE(look(kAir, symbol), look(kEmpty, symbol));  // air regiments show on the army layer
  EXPECT_EQ(look(kAir, orders), look(kEmpty, orders));  // but without their marks

  draw({kLayerArmy, 1});
  EXPECT_EQ(look(kGround, symbol), symbolTwo);
  EXPECT_NE(look(kGround, orders), ordersTwo);
  draw({kLayerArmy, 0});  // spent: the other symbol set
  EXPECT_NE(look(kGround, symbol), symbolTwo);
  EXPECT_NE(look(kGround, orders), look(kEmpty, orders));
  draw({kLayerArmy, 3});  // a count no order leaves: nothing drawn
  EXPECT_EQ(look(kGround, symbol), look(kEmpty, symbol));
  EXPECT_EQ(look(kGround, orders), look(kEmpty, orders));

  draw({kLayerAir, 2});  // the army under the air force: symbol only
  EXPECT_EQ(look(kGround, symbol), symbolTwo);
  EXPECT_EQ(look(kGround, orders), look(kEmpty, orders));
  EXPECT_EQ(look(kGround, nation), look(kEmpty, nation));
  EXPECT_NE(look(kAir, airOrders), look(kEmpty, airOrders));
  Formation(w, air).OrdersLeft = 1;
  const auto airTwo = look(kAir, airOrders);
  f.g.Frames(1);
  EXPECT_NE(look(kAir, airOrders), airTwo);
}

}  // namespace
}  // namespace gm
