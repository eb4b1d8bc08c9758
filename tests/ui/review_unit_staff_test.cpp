// Pictures of the Unit staff page for people to look at (`make review`): as it opens, the men
// with their two pools, an equipment field with bookings and the list scrolled, and a formation
// that can take nothing. They check only that the page draws.
#include <gtest/gtest.h>

#include "game_harness.hpp"
#include "tests/world/order_test_world.hpp"
#include "world/world_access.hpp"

namespace gm {
namespace {

using testing::GameHarness;

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
  }
  void ClickAt(int px, int py) {
    g.MoveTo(px, py);
    g.Click(px, py);
    g.Frames(1);
  }
  void Open() {
    ClickAt(210, 210);
    ClickAt(testing::kSidebarClickX, testing::SidebarClickY(kUnitStaffButton));
  }
  void Hover(int px, int py) {
    g.MoveTo(px, py);
    g.Frames(2);
  }
};

TEST(ReviewScreens, UnitStaffPage) {
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
  p.Hover(630, 390);
  p.g.Dump("unit_staff_opened");

  p.ClickAt(100, 60 + 12 * 2 + 6);  // men
  p.ClickAt(400, 75 + 15 * 2 + 7);  // conscripts
  p.ClickAt(630, 60 * 4 + 30);      // +100
  p.Hover(420, 450);
  p.g.Dump("unit_staff_men");

  p.ClickAt(100, 60 + 12 * 18 + 6);  // field guns (type2): an empty slot
  p.g.MoveTo(470, 398);
  p.g.Press(kMouseLeft);
  p.g.Frames(25);
  p.g.Release(kMouseLeft);
  p.Hover(630, 90);
  p.g.Dump("unit_staff_equipment_scrolled");

  p.ClickAt(100, 60 + 12 * 17 + 6);  // field guns (type1): its own model only
  const TRefitPage& page = p.g.W().Refit.RefitPage;
  for (int row = 1; row <= 20; ++row) {
    if (page.Candidate(row) == gun) p.ClickAt(400, 75 + 15 * row + 7);
  }
  p.ClickAt(630, 60 * 2 + 30);  // +5
  p.Hover(540, 450);
  p.g.Dump("unit_staff_equipment_booked");

  Page blocked;
  blocked.f->OrdersLeft = 1;
  blocked.f->Ammo = 10;
  blocked.Open();
  blocked.ClickAt(100, 60 + 12 * 2 + 6);  // men
  blocked.Hover(300, 500);
  blocked.g.Dump("unit_staff_no_orders");
}

}  // namespace
}  // namespace gm
