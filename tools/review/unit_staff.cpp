// Pictures of the Unit staff page for people to look at (`make review`): as it opens, the men
// with their two pools, an equipment field with bookings and the list scrolled, and a formation
// that can take nothing.
#include "review_sets.hpp"
#include "tests/support/formation_types.hpp"
#include "tests/support/game_harness.hpp"
#include "ui/screens/unit_staff_buttons.hpp"
#include "ui/screens/unit_staff_candidates.hpp"
#include "ui/screens/unit_staff_fields.hpp"
#include "world/holdings.hpp"
#include "world/world_access.hpp"

namespace gm {
namespace {

using testing::GameHarness;
using testing::Middle;
using testing::ScreenPoint;

constexpr int kGermany = 2;

struct Page {
  GameHarness g;
  TFormation* f = nullptr;
  int x = 0, y = 0;
  Page() {
    g.StartGame();
    g.ClearView();
    World& w = g.W();
    x = w.ViewX + 3;
    y = w.ViewY + 3;
    f = &Formation(w, g.Place(x, y, testing::kGermanInfantry));
    f->Men = 15000;
    f->Ammo = 4;
    f->Cars = 500;
    f->Horses = 4000;
    TSettlement& s = Settlement(w, kMaxSettlements);
    s.OwnerNation = s.HolderNation = kGermany;
    s.Value = 50;
    Cell(w, x, y).Settlement = kMaxSettlements;
    RebuildHoldings(w);  // a town put on the map by hand
  }
  void ClickAt(int px, int py) {
    g.MoveTo(px, py);
    g.Click(px, py);
    g.Frames(1);
  }
  void ClickAt(ScreenPoint p) { ClickAt(p.x, p.y); }
  void Open() {
    ClickAt(g.CellMiddle(x, y));
    ClickAt(testing::kSidebarClickX, testing::SidebarClickY(kUnitStaffButton));
  }
  void Hover(int px, int py) {
    g.MoveTo(px, py);
    g.Frames(2);
  }
  void Hover(ScreenPoint p) { Hover(p.x, p.y); }
};

}  // namespace

std::string review::UnitStaffPage() {
  Page p;
  // A field-gun slot already holding a model of the nation's stock.
  std::uint16_t gun = 0;
  for (int m = 1; m <= kEquipmentModelRows && gun == 0; ++m) {
    if (EquipmentModels[m].Category == 4 && EquipmentStockOf(p.g.W().Economy, kGermany, m) > 0) {
      gun = static_cast<std::uint16_t>(m);
    }
  }
  p.f->pairs[14] = {10, gun};
  p.Open();
  p.Hover(Middle(RefitColumnButton(kRefitAutoFillRow)));
  p.g.Dump("unit_staff_opened");

  p.ClickAt(Middle(RefitFieldRow(kMenField)));
  p.ClickAt(Middle(RefitCandidateRow(kRecruitRow)));
  p.ClickAt(Middle(RefitColumnButton(3)));  // +100
  p.Hover(Middle(kRefitApplyButton));
  p.g.Dump("unit_staff_men");

  p.ClickAt(Middle(RefitFieldRow(18)));  // field guns (type2): an empty slot
  p.g.MoveTo(Middle(kRefitCandidateArrows.down));
  p.g.Press(kMouseLeft);
  p.g.Frames(25);
  p.g.Release(kMouseLeft);
  p.Hover(Middle(RefitColumnButton(0)));
  p.g.Dump("unit_staff_equipment_scrolled");

  p.ClickAt(Middle(RefitFieldRow(17)));  // field guns (type1): its own model only
  const TRefitPage& page = p.g.W().Refit.RefitPage;
  for (int row = 1; row <= 20; ++row) {
    if (page.Candidate(row) == gun) p.ClickAt(Middle(RefitCandidateRow(row)));
  }
  p.ClickAt(Middle(RefitColumnButton(1)));  // +5
  p.Hover(Middle(kRefitCloseButton));
  p.g.Dump("unit_staff_equipment_booked");

  Page blocked;
  blocked.f->OrdersLeft = 1;
  blocked.f->Ammo = 10;
  blocked.Open();
  blocked.ClickAt(Middle(RefitFieldRow(kMenField)));
  blocked.Hover(300, 500);
  blocked.g.Dump("unit_staff_no_orders");
  return {};
}

}  // namespace gm
