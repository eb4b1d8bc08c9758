// The Unit staff page as a player uses it: opening it for an own ground formation only, the field
// and candidate rows by their borders, amounts booked by hand and spent by Apply, Close, the
// automatic refit, and the candidate list scrolling while an arrow is held.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "flow/screen_flags.hpp"
#include "tests/support/game_harness.hpp"
#include "tests/world/order_test_world.hpp"
#include "ui/screens/unit_staff_buttons.hpp"
#include "ui/screens/unit_staff_candidates.hpp"
#include "ui/screens/unit_staff_fields.hpp"
#include "world/holdings.hpp"
#include "world/world_access.hpp"

namespace gm {
namespace {

using testing::GameHarness;
using testing::kGermanInfantry;  // nation 2: 16859 men, 930 cars
using testing::Middle;
using testing::ScreenPoint;

constexpr std::uint16_t kVolksgrenadiers = 100;  // nation 2: 10000 men
constexpr int kGermany = 2;
constexpr int kTown = kMaxSettlements;  // a spare settlement record for the formation's town

// A German human's emptied Battlefield with an own division at full strength standing in a
// German town at view cell (3, 3), the German reserves emptied.
struct Staff {
  GameHarness g;
  int x = 0, y = 0;
  TFormation* f = nullptr;

  explicit Staff(std::uint16_t type = kGermanInfantry) {
    g.StartGame();
    g.ClearView();
    World& w = g.W();
    x = w.ViewX + 3;
    y = w.ViewY + 3;
    f = &Formation(w, g.Place(x, y, type));
    f->Men = FormationTypes[type].Men;
    f->Cars = FormationTypes[type].Cars;
    f->Horses = FormationTypes[type].Horses;
    TSettlement& s = Settlement(w, kTown);
    s = TSettlement{};
    s.OwnerNation = s.HolderNation = kGermany;
    s.Value = 50;
    Cell(w, x, y).Settlement = kTown;
    RebuildHoldings(w);  // a town put on the map by hand
    for (auto pool : {&TEconomy::VeteranPool, &TEconomy::RecruitPool, &TEconomy::CarPool,
                      &TEconomy::HorsePool}) {
      Pool(pool) = 0;
    }
  }
  std::int32_t& Pool(std::array<std::int32_t, 10> TEconomy::*p) {
    return (g.W().Economy.*p)[NationIndex(kGermany)];
  }
  TRefitPage& Page() { return g.W().Refit.RefitPage; }
  std::uint8_t Flag(ScreenFlag flag) { return g.W().ScreenFlags[flag]; }
  long Clicks() {
    const auto& s = g.Platform().Sounds();
    return std::count_if(s.begin(), s.end(), [](const auto& r) { return r.label == "click"; });
  }

  void ClickAt(int px, int py) {
    g.MoveTo(px, py);
    g.Click(px, py);
    g.Frames(1);
  }
  void ClickAt(ScreenPoint p) { ClickAt(p.x, p.y); }
  void Select() { ClickAt(g.CellMiddle(x, y)); }
  void Open() {
    Select();
    ClickAt(testing::kSidebarClickX, testing::SidebarClickY(kUnitStaffButton));
  }
  void Field(int field) { ClickAt(Middle(RefitFieldRow(field))); }
  void Row(int row) { ClickAt(Middle(RefitCandidateRow(row))); }
  void Step(int button) { ClickAt(Middle(RefitColumnButton(button - 1))); }
  void Apply() { ClickAt(Middle(kRefitApplyButton)); }
  void Close() { ClickAt(Middle(kRefitCloseButton)); }
  void AutoFill() { ClickAt(Middle(RefitColumnButton(kRefitAutoFillRow))); }
};

std::uint16_t GermanAirType() {
  for (int t = 1; t <= kFormationTypeRows; ++t) {
    const std::uint16_t nation = FormationTypes[t].Nation, branch = FormationTypes[t].Branch;
    if (nation == kGermany && branch == 2) return static_cast<std::uint16_t>(t);
  }
  return 0;
}

TEST(UnitStaffPage, OpensForAGroundFormationOfTheSideOnMoveOnly) {
  {
    Staff s;
    s.Open();
    EXPECT_EQ(s.Flag(kFlagUnitStaff), kPageOpen);
    EXPECT_EQ(s.Flag(kFlagZoom), kZoomNone);
    EXPECT_EQ(s.Clicks(), 1);
  }
  struct Case {
    const char* name;
    void (*setup)(Staff&);
  } cases[] = {
      {"an air formation selected on the air layer",
       [](Staff& s) {
         s.g.Place(s.x, s.y, GermanAirType());
         s.ClickAt(testing::kSidebarClickX, testing::SidebarClickY(kLayerButton));
         s.Select();
       }},
      {"an enemy under the selection",
       [](Staff& s) {
         s.g.Place(s.x + 1, s.y, testing::kSovietRifles);
         s.g.W().Selection = {1, static_cast<std::uint16_t>(s.x + 1),
                              static_cast<std::uint16_t>(s.y)};
         s.g.W().ScreenFlags[kFlagUnitStaff] = kPageLive;
       }},
      {"nothing selected",
       [](Staff& s) {
         s.g.W().Selection = {1, static_cast<std::uint16_t>(s.x + 2),
                              static_cast<std::uint16_t>(s.y)};
         s.g.W().ScreenFlags[kFlagUnitStaff] = kPageLive;
       }},
  };
  for (const Case& c : cases) {
    Staff s;
    c.setup(s);
    ASSERT_EQ(s.Flag(kFlagUnitStaff), kPageLive) << c.name;
    const auto flags = s.g.W().ScreenFlags;
    const TRefitPage page = s.Page();
    const long clicks = s.Clicks();
    s.ClickAt(testing::kSidebarClickX, testing::SidebarClickY(kUnitStaffButton));
    EXPECT_EQ(s.g.W().ScreenFlags, flags) << c.name;
    EXPECT_EQ(std::memcmp(&page, &s.Page(), sizeof page), 0) << c.name;
    EXPECT_EQ(s.Clicks(), clicks) << c.name;
  }
}

TEST(UnitStaffPage, FieldAndCandidateRowsByTheirBorders) {
  Staff s;
  s.Open();
  struct Click {
    int x, y, field, row;
  };
  // The field list is X 72..348, Y 72..467 in rows of 12; the candidate list X 375..584,
  // Y 90..389 in rows of 15.
  const Click clicks[] = {
      {100, 467, 33, 1},
      {100, 468, 33, 1},
      {100, 73, 1, 1},
      {100, 71, 1, 1},
      {71, 467, 1, 1},
      {348, 467, 33, 1},
      {100, 72 + 4 * 12 - 1, 4, 1},
      {100, 122, 5, 1},  // tanks, the cursor back on row 1
      {400, 90, 5, 1},
      {400, 389, 5, 20},
      {400, 89, 5, 20},
      {400, 390, 5, 20},
      {584, 155, 5, 5},
      {585, 200, 5, 5},
      {100, 84, 2, 1},  // the men: two rows
      {400, 110, 2, 2},
      {400, 130, 2, 2},  // a row below them keeps row 2
      {100, 96, 3, 1},
      {400, 300, 3, 1},  // cars: always row 1
  };
  for (const Click& c : clicks) {
    s.ClickAt(c.x, c.y);
    EXPECT_EQ(s.Page().SelectedField, c.field) << c.x << "," << c.y;
    EXPECT_EQ(s.Page().ListCursor, c.row) << c.x << "," << c.y;
  }
}

TEST(UnitStaffPage, ACarPoolOfThreeGivesThreeSinglesAndApplyEndsTheOrders) {
  Staff s;
  s.f->Cars = static_cast<std::uint16_t>(s.f->Cars - 100);
  s.f->Ammo = 10;
  s.Pool(&TEconomy::CarPool) = 3;
  s.Open();
  EXPECT_EQ(s.Page().AutoRefitOffered, 1);
  s.Field(kCarsField);
  ASSERT_EQ(s.Page().StepEnabled, (std::array<std::uint8_t, 5>{1, 0, 0, 0, 0}));
  for (int i = 0; i < 4; ++i) s.Step(1);  // the fourth press finds +1 dead
  EXPECT_EQ(s.Page().Pending(kCarsField), 3);
  EXPECT_EQ(s.Page().Step(1), 0);
  EXPECT_EQ(s.Page().AutoRefitOffered, 0);
  EXPECT_EQ(s.Clicks(), 1 + 1 + 3);
  const std::uint16_t cars = s.f->Cars;
  s.Apply();
  EXPECT_EQ(s.f->Cars, cars + 3);
  EXPECT_EQ(s.Pool(&TEconomy::CarPool), 0);
  EXPECT_EQ(s.f->OrdersLeft, 0);
  EXPECT_EQ(s.g.W().Selection[0], 0);
  EXPECT_EQ(s.Flag(kFlagZoom), kZoomBattlefield);
  EXPECT_EQ(s.Flag(kFlagUnitStaff), kPageHidden);
  EXPECT_EQ(s.Flag(kFlagEconomy), kPageLive);
  // Selected again, the formation has nothing left to refit this turn.
  s.Open();
  EXPECT_EQ(s.Page().AutoRefitOffered, 0);
  s.Pool(&TEconomy::CarPool) = 1000;
  s.Field(kCarsField);
  EXPECT_EQ(s.g.W().Refit.MessageNo, 3);
  EXPECT_EQ(s.Page().StepEnabled, (std::array<std::uint8_t, 5>{0, 0, 0, 0, 0}));
}

TEST(UnitStaffPage, MenBookedByHandBlendByTheirPool) {
  struct Case {
    int row;
    std::uint16_t experience, morale;
    std::int32_t veteransLeft, recruitsLeft;
  } cases[] = {{1, 66, 75, 500, 1000}, {2, 33, 68, 1000, 500}};
  for (const Case& c : cases) {
    Staff s;
    s.f->Men = 1000;
    s.f->Experience = 50;
    s.f->Morale = 60;
    s.Pool(&TEconomy::VeteranPool) = 1000;
    s.Pool(&TEconomy::RecruitPool) = 1000;
    s.Open();
    s.Field(kMenField);
    s.Row(c.row);
    for (int i = 0; i < 5; ++i) s.Step(4);
    EXPECT_EQ(s.Page().FieldChoice[kMenField - 1], c.row);
    s.Apply();
    EXPECT_EQ(s.f->Men, 1500) << c.row;
    EXPECT_EQ(s.f->Experience, c.experience) << c.row;
    EXPECT_EQ(s.f->Morale, c.morale) << c.row;
    EXPECT_EQ(s.Pool(&TEconomy::VeteranPool), c.veteransLeft) << c.row;
    EXPECT_EQ(s.Pool(&TEconomy::RecruitPool), c.recruitsLeft) << c.row;
  }
}

TEST(UnitStaffPage, CloseAndTheBordersOfApplyChangeNothing) {
  Staff s;
  s.f->Ammo = 2;
  s.Open();
  s.Apply();  // nothing booked: Apply is dead
  EXPECT_EQ(s.Flag(kFlagUnitStaff), kPageOpen);
  EXPECT_EQ(s.Clicks(), 1);
  s.Step(3);  // +10 ammunition... dead at 2; +5 is live
  s.Step(2);
  ASSERT_EQ(s.Page().PendingTotal, 5);
  for (int x : {kRefitApplyButton.left - 1, kRefitApplyButton.right + 1}) {
    s.ClickAt(x, Middle(kRefitApplyButton).y);
  }
  EXPECT_EQ(s.Flag(kFlagUnitStaff), kPageOpen);
  s.Close();
  EXPECT_EQ(s.Flag(kFlagUnitStaff), kPageLive);
  EXPECT_EQ(s.g.W().Selection[0], 1);
  EXPECT_EQ(s.f->Ammo, 2);
  EXPECT_EQ(s.f->OrdersLeft, 2);
}

TEST(UnitStaffPage, TheAutomaticRefitFillsTheFormationAndClosesThePage) {
  Staff s(kVolksgrenadiers);
  s.f->Men = 6000;
  s.f->Experience = 50;
  s.f->Morale = 70;
  s.f->Ammo = 3;
  s.Pool(&TEconomy::VeteranPool) = 1000;
  s.Pool(&TEconomy::RecruitPool) = 5000;
  s.Open();
  ASSERT_EQ(s.Page().AutoRefitOffered, 1);
  s.AutoFill();
  EXPECT_EQ(s.f->Men, 10000);
  EXPECT_EQ(s.f->Experience, 40);
  EXPECT_EQ(s.f->Morale, 78);
  EXPECT_EQ(s.Pool(&TEconomy::VeteranPool), 0);
  EXPECT_EQ(s.Pool(&TEconomy::RecruitPool), 2000);
  EXPECT_EQ(s.f->Ammo, 10);
  EXPECT_EQ(s.f->OrdersLeft, 0);
  EXPECT_EQ(s.Flag(kFlagUnitStaff), kPageHidden);
  EXPECT_EQ(s.Flag(kFlagZoom), kZoomBattlefield);
  EXPECT_EQ(s.g.W().Selection[0], 0);

  // An amount pressed first withdraws it for this opening.
  Staff t;
  t.f->Ammo = 3;
  t.Open();
  t.Step(1);
  t.AutoFill();
  EXPECT_EQ(t.Flag(kFlagUnitStaff), kPageOpen);
  EXPECT_EQ(t.f->Ammo, 3);
}

TEST(UnitStaffPage, AHeldArrowScrollsTheCandidatesOneRowAFrame) {
  Staff s;
  s.Open();
  s.Field(5);  // tanks: every tank model, 20 rows at a time
  ASSERT_GT(s.Page().ListCount, 23);
  EXPECT_EQ(s.Page().CanScrollUp, 0);
  EXPECT_EQ(s.Page().CanScrollDown, 1);
  s.g.MoveTo(Middle(kRefitCandidateArrows.down));
  s.g.Press(kMouseLeft);
  s.g.Frames(19);
  EXPECT_EQ(s.Page().ListCursor, 20);
  EXPECT_EQ(s.Page().ListTop, 1);
  s.g.Frames(3);
  EXPECT_EQ(s.Page().ListTop, 4);
  EXPECT_EQ(s.Page().ListBottom, 23);
  EXPECT_EQ(s.Page().CanScrollUp, 1);
  s.g.Release(kMouseLeft);
  s.g.Frames(2);
  EXPECT_EQ(s.Page().ListTop, 4);
  s.g.MoveTo(Middle(kRefitCandidateArrows.up));
  s.g.Press(kMouseLeft);
  s.g.Frames(19 + 3);
  EXPECT_EQ(s.Page().ListCursor, 1);
  EXPECT_EQ(s.Page().ListTop, 1);
  s.g.Frames(1);
  EXPECT_EQ(s.Page().CanScrollUp, 0);
  s.g.Release(kMouseLeft);
}

}  // namespace
}  // namespace gm
