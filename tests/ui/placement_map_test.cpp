// Placing a new formation through pointer events: the click on an allowed cell raising it in the
// highest free record without also selecting it, the clicks that place nothing, the hint line for
// a full table or empty pools, the right button's cancel, the map screen coming back, the new
// formation in a save, and the shading and frame of the cells.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "flow/screen_flags.hpp"
#include "tests/support/new_unit_game.hpp"
#include "ui/screens/battlefield_view.hpp"
#include "world/new_formation.hpp"
#include "world/save_slots.hpp"

namespace gm {
namespace {

using testing::NewUnitGame;

// Placement mode with an allowed cell in view.
struct Placing : NewUnitGame {
  int x = 0, y = 0, px = 0, py = 0;
  int nation = 0;
  Placing() {
    EXPECT_TRUE(EnterPlacement());
    EXPECT_TRUE(ShowAllowedCell(x, y, px, py));
    nation = FormationTypes[w().Lists.PlacementType].Nation;
  }
  std::int32_t& Recruits() { return w().Economy.RecruitPool[NationIndex(nation)]; }
  std::int32_t& Veterans() { return w().Economy.VeteranPool[NationIndex(nation)]; }
};

TEST(PlacementMap, AClickOnAnAllowedCellRaisesInTheHighestFreeRecord) {
  Placing t;
  World& w = t.w();
  const auto saved = w.SavedScreenFlags;
  const std::uint16_t type = w.Lists.PlacementType;
  for (TFormation& f : w.Formations) {
    if (f.Branch == 0) f.Branch = 1;
  }
  Formation(w, 5).Branch = 0;
  Formation(w, 9000).Branch = 0;
  t.Recruits() = 1000;
  t.Veterans() = 50;
  const int clicks = t.Clicks();
  t.ClickAt(t.px, t.py, 2);
  EXPECT_EQ(Cell(w, t.x, t.y).GroundFormation, 9000);
  const TFormation& f = Formation(w, 9000);
  EXPECT_EQ(f.Branch, 1);
  EXPECT_EQ(f.FormationType, type);
  EXPECT_EQ(f.X, t.x);
  EXPECT_EQ(f.Y, t.y);
  EXPECT_EQ(f.Men, 300);
  EXPECT_EQ(t.Recruits(), 700);
  EXPECT_EQ(t.Veterans(), 50);
  EXPECT_EQ(w.ScreenFlags, saved);
  EXPECT_EQ(w.Lists.PlacementPending, 0);
  EXPECT_EQ(w.Lists.PlacementType, type) << "only Cancel forgets the type";
  EXPECT_EQ(w.Selection[0], 0) << "the placing click is no Battlefield click";
  EXPECT_EQ(t.g.Ui().MapClicked, 0);
  EXPECT_EQ(t.Clicks(), clicks) << "placing plays no click";
}

TEST(PlacementMap, ClicksThatPlaceNothing) {
  enum Kind { kAt, kForbidden, kNothingPending };
  struct Case {
    const char* what;
    Kind kind;
    int mx, my;  // for kAt
  };
  const Case cases[] = {
      {"x 0", kAt, 0, 100},
      {"the sidebar", kAt, 760, 300},
      {"the bottom panel", kAt, 300, 560},
      {"a forbidden cell", kForbidden, 0, 0},
      {"nothing pending", kNothingPending, 0, 0},
  };
  Placing t;
  World& w = t.w();
  for (const Case& c : cases) {
    ASSERT_TRUE(t.ShowAllowedCell(t.x, t.y, t.px, t.py));
    Cell(w, t.x, t.y).PlacementAllowed = c.kind == kForbidden ? 0 : 1;
    w.Lists.PlacementPending = c.kind == kNothingPending ? 0 : 1;
    const int mx = c.kind == kAt ? c.mx : t.px, my = c.kind == kAt ? c.my : t.py;
    const int free = HighestFreeFormationRecord(w);
    t.ClickAt(mx, my, 0);
    EXPECT_EQ(w.ScreenFlags[kFlagPlacement], 1) << c.what;
    EXPECT_EQ(HighestFreeFormationRecord(w), free) << c.what;
    EXPECT_EQ(w.TargetX, mx / 60 + w.ViewX) << c.what;
    EXPECT_EQ(w.TargetY, my / 60 + w.ViewY) << c.what;
    Cell(w, t.x, t.y).PlacementAllowed = 1;
    t.g.Frames(1);
  }
}

TEST(PlacementMap, AFullTableOrEmptyPoolsSaySoAndPlaceNothing) {
  Placing t;
  World& w = t.w();
  const int record = HighestFreeFormationRecord(w);
  std::vector<int> freed;
  for (int n = 1; n <= kMaxFormations; ++n) {
    if (Formation(w, n).Branch == 0) {
      Formation(w, n).Branch = 1;
      freed.push_back(n);
    }
  }
  t.Recruits() = 1000;
  t.ClickAt(t.px, t.py);
  EXPECT_EQ(t.g.Ui().PageMessage, "All 10000 unit records are in use");
  EXPECT_EQ(w.ScreenFlags[kFlagPlacement], 1);
  EXPECT_EQ(Cell(w, t.x, t.y).GroundFormation, 0);
  EXPECT_EQ(t.Recruits(), 1000);

  for (int n : freed) Formation(w, n).Branch = 0;
  t.Recruits() = 299;
  t.Veterans() = 120;
  t.ClickAt(t.px, t.py);
  EXPECT_EQ(t.g.Ui().PageMessage, "Human reserves of current country is ended");
  EXPECT_EQ(w.ScreenFlags[kFlagPlacement], 1);
  EXPECT_EQ(Cell(w, t.x, t.y).GroundFormation, 0);
  EXPECT_EQ(t.Recruits(), 299);
  EXPECT_EQ(t.Veterans(), 120);

  t.Veterans() = 450;
  t.ClickAt(t.px, t.py);
  EXPECT_EQ(Cell(w, t.x, t.y).GroundFormation, record);
  EXPECT_EQ(t.Recruits(), 299);
  EXPECT_EQ(t.Veterans(), 150);
  EXPECT_EQ(w.ScreenFlags[kFlagPlacement], 0);
  EXPECT_TRUE(t.g.Ui().PageMessage.empty());
}

TEST(PlacementMap, TheRightButtonCancelsAndKeepsTheType) {
  Placing t;
  World& w = t.w();
  const auto saved = w.SavedScreenFlags;
  const std::uint16_t type = w.Lists.PlacementType;
  const int free = HighestFreeFormationRecord(w);
  t.g.MoveTo(t.px, t.py);
  t.g.Press(kMouseRight);
  EXPECT_EQ(w.ScreenFlags, saved);
  EXPECT_EQ(w.Lists.PlacementPending, 0);
  EXPECT_EQ(w.Lists.PlacementType, type);
  t.g.Release(kMouseRight);
  t.ClickAt(t.px, t.py, 2);
  EXPECT_EQ(HighestFreeFormationRecord(w), free) << "the next click is a map click";
  EXPECT_EQ(Cell(w, t.x, t.y).GroundFormation, 0);
}

TEST(PlacementMap, TheSavedScreenComesBackAfterPlacement) {
  NewUnitGame t;
  World& w = t.w();
  t.ClickAt(testing::kSidebarClickX,
            testing::SidebarClickY(kZoomButton));  // zoom: Battlefield -> Map1
  t.ClickAt(testing::kSidebarClickX,
            testing::SidebarClickY(kLayerButton));  // layer: Army -> Air Force
  w.Map1X = 120;
  w.Map1Y = 150;
  const auto before = w.ScreenFlags;
  ASSERT_EQ(before[kFlagZoom], kZoomMap1);
  ASSERT_EQ(before[kFlagLayer], kLayerAir);
  ASSERT_TRUE(t.EnterPlacement());
  int x, y, px, py;
  ASSERT_TRUE(t.ShowAllowedCell(x, y, px, py));
  t.ClickAt(px, py, 2);
  EXPECT_NE(Cell(w, x, y).GroundFormation, 0);
  EXPECT_EQ(w.ScreenFlags, before);
  EXPECT_EQ(w.Map1X, 120);
  EXPECT_EQ(w.Map1Y, 150);
}

TEST(PlacementMap, TheNewFormationIsSavedAndLoaded) {
  Placing t;
  World& w = t.w();
  ASSERT_EQ(HighestFreeFormationRecord(w), kMaxFormations);
  t.ClickAt(t.px, t.py);
  ASSERT_EQ(Cell(w, t.x, t.y).GroundFormation, kMaxFormations);
  const TFormation placed = Formation(w, kMaxFormations);
  w.SaveSlots.ChosenSlot = 2;
  ASSERT_TRUE(SaveSlot(w, t.g.Ctx().fs));
  Formation(w, kMaxFormations) = TFormation{};
  Cell(w, t.x, t.y).GroundFormation = 0;
  ASSERT_TRUE(LoadSlot(w, t.g.Ctx().fs));
  EXPECT_EQ(std::memcmp(&Formation(w, kMaxFormations), &placed, sizeof placed), 0);
  EXPECT_EQ(Cell(w, t.x, t.y).GroundFormation, kMaxFormations);
}

TEST(PlacementMap, ForbiddenCellsAreShadedAndTheCellUnderThePointerFramed) {
  Placing t;
  World& w = t.w();
  // The cell's middle is plain terrain in both frames but for the shade.
  const int sx = t.px, sy = t.py - 20;
  t.g.MoveTo(760, 300);
  t.g.Frames(1);
  const TColor open = t.g.PixelAt(sx, sy);
  Cell(w, t.x, t.y).PlacementAllowed = 0;
  t.g.Frames(1);
  EXPECT_NE(t.g.PixelAt(sx, sy), open) << "shaded";
  Cell(w, t.x, t.y).PlacementAllowed = 1;

  // The frame of the last cell when the pointer stands on its last pixel, none at x 720.
  const int fx = 661, fy = 481;
  t.g.MoveTo(760, 300);
  t.g.Frames(1);
  const TColor bare = t.g.PixelAt(fx, fy);
  t.g.MoveTo(kMapArea.right, kMapArea.bottom);
  t.g.Frames(1);
  EXPECT_NE(t.g.PixelAt(fx, fy), bare) << "framed";
  t.g.MoveTo(kMapArea.right + 1, kMapArea.bottom);
  t.g.Frames(1);
  EXPECT_EQ(t.g.PixelAt(fx, fy), bare);
}

}  // namespace
}  // namespace gm
