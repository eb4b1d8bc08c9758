// Each page used through its own controls, with the effect a player would see checked.
#include "page_visits.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>

#include "flow/screen_flags.hpp"
#include "ui/screens/battlefield_view.hpp"
#include "ui/screens/economy_pages.hpp"
#include "ui/screens/economy_window.hpp"
#include "ui/screens/end_turn_page.hpp"
#include "ui/screens/help_page.hpp"
#include "ui/screens/new_unit_page.hpp"
#include "ui/screens/options_page.hpp"
#include "ui/screens/page_window.hpp"
#include "ui/screens/save_load_page.hpp"
#include "ui/screens/unit_staff_buttons.hpp"
#include "ui/screens/unit_staff_candidates.hpp"
#include "ui/screens/unit_staff_fields.hpp"
#include "world/list_state.hpp"
#include "world/world_access.hpp"

namespace gm::testing {

namespace {

constexpr int kKeyTab = 9, kKeySpace = 32, kKeyLeft = 37, kKeyRight = 39;

constexpr int kGermany = 2;

// --- Settings dialog ---

void DialogClick(GameHarness& g, ScreenPoint at) {
  g.Click(at);
  g.DialogFrame();
}
void DialogClick(GameHarness& g, SettingsDialog::Control control) {
  DialogClick(g, Middle(SettingsDialog::Area(control)));
}

void DialogKey(GameHarness& g, int key) {
  g.Key(key, true);
  g.DialogFrame();
  g.Key(key, false);
  g.DialogFrame();
}

// --- Unit staff ---

bool HasEnemyNeighbour(const World& w, const TFormation& f) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if (!InTheatre(f.X + dx, f.Y + dy)) continue;
      const TFormation* n = UsedFormation(w, Cell(w, f.X + dx, f.Y + dy).GroundFormation);
      if (n != nullptr && IsEnemy(w, NationOf(*n))) return true;
    }
  }
  return false;
}

// Opens Unit staff for the next own ground formation after record `after` that stands with two
// orders in an own town out of contact: where the reserves may refill it. Returns its record,
// 0 when none was found.
int OpenRefitSomewhere(Player& p, int after, bool wantAutomatic) {
  World& w = p.W();
  for (int n = after + 1; n <= kMaxFormations; ++n) {
    const TFormation& f = Formation(w, n);
    if (f.Branch != 1 || f.OrdersLeft != 2 || !InTheatre(f.X, f.Y)) continue;
    if (!IsOwn(w, NationOf(f)) || HasEnemyNeighbour(w, f)) continue;
    const TMapCell& c = Cell(w, f.X, f.Y);
    if (c.Settlement == 0 || !IsOwn(w, Settlement(w, c.Settlement).HolderNation)) continue;
    if (f.Men >= TypeOf(f).Men) continue;
    if (!p.Select({f.X, f.Y}, kLayerArmy)) continue;
    p.Sidebar(kUnitStaffButton);
    if (w.ScreenFlags[kFlagUnitStaff] != kPageOpen) continue;
    const TRefitPage& page = w.Refit.RefitPage;
    if (w.Refit.RefitHereAllowed == 1 && (!wantAutomatic || page.AutoRefitOffered == 1)) return n;
    p.ClickAt(Middle(kRefitCloseButton));
  }
  return 0;
}

void ClickSteps(Player& p) {
  for (int row = 0; row < kRefitStepCount; ++row) p.ClickAt(Middle(RefitColumnButton(row)));
}

// --- Placement ---

bool OnPlacementMap(const World& w, CellPos c) {
  return c.x >= w.ViewX && c.x < w.ViewX + kBattlefieldColumns && c.y >= w.ViewY &&
         c.y < w.ViewY + kBattlefieldRows;
}

CellPos NearestPlacementCell(const World& w) {
  CellPos best{-1, -1};
  int bestDistance = INT_MAX;
  const int cx = w.ViewX + kBattlefieldColumns / 2, cy = w.ViewY + kBattlefieldRows / 2;
  for (int y = kViewMinY; y <= kTheatreMaxY; ++y) {
    for (int x = kViewMinX; x <= kTheatreMaxX; ++x) {
      if (Cell(w, x, y).PlacementAllowed != 1) continue;
      const int d = std::abs(x - cx) + std::abs(y - cy);
      if (d < bestDistance) {
        bestDistance = d;
        best = {x, y};
      }
    }
  }
  return best;
}

// The first row of the New unit list whose entry may be raised now, or 0.
int AvailableRow(const World& w) {
  const auto& list = w.Lists.ReinforcementList;
  for (int r = 1; r <= 20; ++r) {
    const int e = list.TopRow + r - 1;
    if (e <= list.ItemCount && list.Status(e) == kRaiseAvailable) return r;
  }
  return 0;
}

}  // namespace

void ChooseSettings(GameHarness& g, bool dump) {
  g.MoveTo(SettingsDialog::kLeft + 300, SettingsDialog::kTop + 120);
  g.DialogFrame();
  SettingsDialog& d = g.Dialog();
  DialogClick(g, SettingsDialog::kTurnFirst);  // USSR
  DialogKey(g, kKeyLeft);                      // and back to Germany
  EXPECT_EQ(d.ItemText(SettingsDialog::kTurnFirst), "Germany");
  DialogClick(g, SettingsDialog::kSovietTurn);  // CPU
  DialogKey(g, kKeyTab);                        // German coalition
  DialogKey(g, kKeyRight);
  EXPECT_EQ(d.ItemText(SettingsDialog::kGermanTurn), "CPU");
  DialogKey(g, kKeyLeft);
  DialogKey(g, kKeyTab);  // display
  DialogKey(g, kKeyRight);
  DialogKey(g, kKeyRight);
  EXPECT_EQ(d.ItemText(SettingsDialog::kDisplayModeBox), "800x600 16bit window");
  DialogKey(g, kKeyTab);  // turn length
  DialogKey(g, kKeyRight);
  EXPECT_EQ(d.ItemText(SettingsDialog::kTurnLengthBox), "Fast ( turn=4 days )");
  DialogClick(g, SettingsDialog::kTurnLengthBox);  // back to a day a turn
  DialogKey(g, kKeyTab);                           // sound: off by its key, on by a click
  DialogKey(g, kKeySpace);
  EXPECT_FALSE(d.SoundChecked());
  DialogClick(g, Inside(SettingsDialog::Area(SettingsDialog::kSoundBox), 5, 8));
  EXPECT_TRUE(d.SoundChecked());
  if (dump) g.Dump("play_settings_dialog");
  DialogClick(g, SettingsDialog::kRunButton);
  ASSERT_EQ(d.GetOutcome(), SettingsDialog::Outcome::kRun);
  const LaunchOptions chosen = d.Result();
  EXPECT_EQ(chosen.settings.firstCoalition, kGermanSide);
  EXPECT_EQ(chosen.settings.germanPlayer, 0);
  EXPECT_EQ(chosen.settings.sovietPlayer, 1);
  EXPECT_EQ(chosen.settings.turnLength, 0);
  EXPECT_EQ(chosen.settings.soundOn, 1);
}

void RaiseNewUnit(Player& p) {
  World& w = p.W();
  const auto& list = w.Lists.ReinforcementList;
  const auto open = [&] {
    p.Sidebar(kNewUnitButton);
    ASSERT_EQ(w.ScreenFlags[kFlagNewUnit], kPageOpen);
  };
  open();
  p.ClickAt(Middle(kNewUnitCancelButton));
  EXPECT_EQ(w.ScreenFlags[kFlagNewUnit], kPageLive);
  open();
  p.ClickAt(Middle(NewUnitListRow(3)));
  EXPECT_EQ(list.CursorRow, 3);
  p.HoldAt(Middle(kNewUnitArrows.down), 30);  // the cursor to the last row, then the list
  EXPECT_GT(list.TopRow, 1);
  p.HoldAt(Middle(kNewUnitArrows.up), 60);  // back to the top
  EXPECT_EQ(list.TopRow, 1);
  const int row = AvailableRow(w);
  ASSERT_GT(row, 0) << "nothing to raise";
  p.ClickAt(Inside(NewUnitListRow(row), 125, 7));
  p.Dump("new_unit");
  p.ClickAt(Middle(kNewUnitOkButton));
  ASSERT_EQ(w.ScreenFlags[kFlagPlacement], 1);
  p.Dump("placement");
  // The right button gives the placement up.
  p.HoldRightAt(Middle(kMapArea), 1);
  EXPECT_EQ(w.ScreenFlags[kFlagPlacement], 0);
  EXPECT_EQ(w.ScreenFlags[kFlagZoom], kZoomBattlefield);

  open();
  p.ClickAt(Middle(NewUnitListRow(row)));
  p.ClickAt(Middle(kNewUnitOkButton));
  ASSERT_EQ(w.ScreenFlags[kFlagPlacement], 1);
  const CellPos c = NearestPlacementCell(w);
  ASSERT_GE(c.x, 0) << "no cell to place in";
  // The pointer on the map's edges scrolls the placement map to the town.
  for (int i = 0; i < 1000 && !OnPlacementMap(w, c); ++i) {
    const ScreenPoint middle = Middle(kMapArea);
    const int mx = c.x < w.ViewX ? 0 : c.x >= w.ViewX + kBattlefieldColumns ? 799 : middle.x;
    const int my = c.y < w.ViewY ? 0 : c.y >= w.ViewY + kBattlefieldRows ? 599 : middle.y;
    p.MoveTo(mx, my);
  }
  ASSERT_TRUE(OnPlacementMap(w, c));
  p.ClickAt(p.CellMiddle(c));
  EXPECT_EQ(w.ScreenFlags[kFlagPlacement], 0);
  EXPECT_NE(Cell(w, c.x, c.y).GroundFormation | Cell(w, c.x, c.y).AirFormation, 0)
      << "nothing was raised at (" << c.x << ", " << c.y << ")";
}

void RefitByHandAndAutomatically(Player& p) {
  World& w = p.W();
  const TRefitPage& page = w.Refit.RefitPage;
  // By hand: men from the recruits, then an equipment field with candidates to scroll.
  const int byHand = OpenRefitSomewhere(p, 0, false);
  ASSERT_GT(byHand, 0) << "no formation to refit";
  p.ClickAt(Middle(RefitFieldRow(kMenField)));
  EXPECT_EQ(page.SelectedField, kMenField);
  p.ClickAt(Middle(RefitCandidateRow(kRecruitRow)));
  ClickSteps(p);
  EXPECT_GT(page.PendingTotal, 0) << "no men booked";
  // An equipment field with a model to be had: the candidate list run down to it by its held
  // arrow, the model clicked, the steps.
  bool booked = false;
  for (int field = kFirstEquipmentField; field <= kRefitFieldCount && !booked; ++field) {
    p.ClickAt(Middle(RefitFieldRow(field)));
    int entry = 0;
    for (int e = 1; e <= page.ListCount && entry == 0; ++e) {
      if (page.Enabled(e) == 1) entry = e;
    }
    if (entry == 0) continue;
    if (entry > page.ListBottom) {
      p.Game().MoveTo(Middle(kRefitCandidateArrows.down));
      p.Game().Press(kMouseLeft);
      for (int i = 0; i < 1000 && entry > page.ListBottom; ++i) p.Frames(1);
      p.Game().Release(kMouseLeft);
    }
    p.ClickAt(Middle(RefitCandidateRow(entry - page.ListTop + 1)));
    const std::uint16_t before = page.PendingTotal;
    ClickSteps(p);
    booked = page.PendingTotal > before;
  }
  EXPECT_TRUE(booked) << "no equipment to book";
  p.Dump("unit_staff");
  p.HoldAt(Middle(kRefitCandidateArrows.down), 30);  // the list down and back up
  EXPECT_GT(page.ListTop, page.ListFirst);
  p.HoldAt(Middle(kRefitCandidateArrows.up), 120);
  EXPECT_EQ(page.ListTop, page.ListFirst);
  const std::uint16_t menBefore = Formation(w, byHand).Men;
  p.ClickAt(Middle(kRefitApplyButton));
  EXPECT_NE(w.ScreenFlags[kFlagUnitStaff], kPageOpen);
  EXPECT_GT(Formation(w, byHand).Men, menBefore);
  EXPECT_EQ(Formation(w, byHand).OrdersLeft, 0);

  // Automatically.
  const int automatic = OpenRefitSomewhere(p, byHand, true);
  ASSERT_GT(automatic, 0) << "no formation for the automatic refit";
  p.Dump("unit_staff_automatic");
  p.ClickAt(Middle(RefitColumnButton(kRefitAutoFillRow)));
  EXPECT_NE(w.ScreenFlags[kFlagUnitStaff], kPageOpen);
  EXPECT_EQ(Formation(w, automatic).OrdersLeft, 0);

  // Opened and closed: nothing changes.
  const int closed = OpenRefitSomewhere(p, automatic, false);
  ASSERT_GT(closed, 0);
  const TFormation before = Formation(w, closed);
  p.ClickAt(Middle(kRefitCloseButton));
  EXPECT_EQ(w.ScreenFlags[kFlagZoom], kZoomBattlefield);
  EXPECT_EQ(std::memcmp(&before, &Formation(w, closed), sizeof before), 0);
}

void LookThroughEconomy(Player& p) {
  World& w = p.W();
  const auto& list = w.Lists.EquipmentList;
  p.Sidebar(kEconomyButton);
  ASSERT_EQ(w.ScreenFlags[kFlagEconomy], kPageOpen);
  p.Dump("economy_1");
  for (int tab = 2; tab <= 6; ++tab) {
    p.ClickAt(Middle(EconomyTabRect(tab)));
    EXPECT_EQ(p.Game().Ui().EconomyPage, tab);
    if (tab == 2) {
      p.ClickAt(Middle(EquipmentListRow(2)));
      EXPECT_EQ(list.CursorRow, 2);
      p.HoldAt(Middle(kEquipmentListArrows.down), 30);
      EXPECT_GT(list.TopRow, 1);
      p.HoldAt(Middle(kEquipmentListArrows.up), 40);
      EXPECT_EQ(list.TopRow, 1);
    }
    if (tab == 5) {
      // Down the list to the first model Germany can make, then an order for it.
      const auto german = [&] {
        const int m = list.Entry(list.TopRow + list.CursorRow - 1);
        return ProductionStatusOf(w.Economy, kGermany, m);
      };
      p.Game().MoveTo(Middle(kEquipmentListArrows.down));
      p.Game().Press(kMouseLeft);
      for (int i = 0; i < 1000 && german() == 0; ++i) p.Frames(1);
      p.Game().Release(kMouseLeft);
      const std::uint8_t before = german();
      ASSERT_NE(before, 0) << "Germany makes nothing";
      // Germany's order cell on that row.
      p.ClickAt(
          {ProductionOrderCell(kGermany).left + 8, Middle(EquipmentListRow(list.CursorRow)).y});
      EXPECT_EQ(german(), before >= 3 ? 1 : before + 1);
    }
    p.Dump("economy_" + std::to_string(tab));
  }
  p.ClickAt(Middle(EconomyTabRect(1)));
  EXPECT_EQ(p.Game().Ui().EconomyPage, 1);
  p.ClickAt(Middle(kEconomyCloseButton));
  EXPECT_EQ(w.ScreenFlags[kFlagEconomy], kPageLive);
}

void ChangeOptions(Player& p) {
  UiState& ui = p.Game().Ui();
  TDXTimer& timer = p.Game().Window().Timer();
  p.Sidebar(kOptionsButton);
  const int switches[] = {kGridSwitchY, kFpsSwitchY, kClockSwitchY};
  p.ClickAt(Middle(SpeedScaleCell(2)));
  EXPECT_EQ(timer.Interval(), 25u);
  for (const int y : switches) p.ClickAt(Middle(SwitchHalf(y, 1)));
  EXPECT_EQ(ui.ShowGrid + ui.ShowFps + ui.ShowClock, 3);
  p.Dump("options");
  p.ClickAt(Middle(kCloseButton));
  p.Dump("options_on_the_map");
  p.Sidebar(kOptionsButton);
  p.ClickAt(Middle(SpeedScaleCell(3)));
  for (const int y : switches) p.ClickAt(Middle(SwitchHalf(y, 0)));
  EXPECT_EQ(timer.Interval(), 20u);
  EXPECT_EQ(ui.ShowGrid + ui.ShowFps + ui.ShowClock, 0);
  p.ClickAt(Middle(kCloseButton));
  EXPECT_EQ(p.W().ScreenFlags[kFlagOptions], kPageLive);
}

void ReadHelp(Player& p) {
  UiState& ui = p.Game().Ui();
  const auto& opened = p.Game().Platform().OpenedAddresses();
  const std::size_t before = opened.size();
  p.Sidebar(kHelpButton);
  EXPECT_EQ(ui.HelpPage, 1);
  p.ClickAt(Middle(kHelpAboutLink));
  for (int topic = 1; topic <= 6; ++topic) {
    p.ClickAt(Middle(HelpTopicRect(topic)));
    EXPECT_EQ(ui.HelpPage, topic);
    p.Dump("help_" + std::to_string(topic));
  }
  p.ClickAt(Middle(kHelpGuideLink));
  p.ClickAt(Middle(kHelpAboutLink6));
  ASSERT_EQ(opened.size(), before + 3);
  EXPECT_TRUE(opened[before].ends_with("#about"));
  EXPECT_TRUE(opened[before + 1].ends_with("help/gvm.htm"));
  EXPECT_TRUE(opened[before + 2].ends_with("#about"));
  p.ClickAt(Middle(kCloseButton));
  EXPECT_EQ(p.W().ScreenFlags[kFlagHelp], kPageLive);
}

void SaveInto(Player& p, int slot) {
  World& w = p.W();
  p.Sidebar(kSaveLoadButton);
  EXPECT_EQ(w.SaveSlots.SaveLoadMode, 0);
  p.ClickAt(Middle(kSaveModeColumn));  // save mode
  p.ClickAt(Middle(SaveSlotRect(slot)));
  EXPECT_EQ(p.Game().Ui().PageMessage, "");
  EXPECT_EQ(w.SaveSlots.SlotExists[static_cast<std::size_t>(slot - 1)], 1);
  p.ClickAt(Middle(kCloseButton));
}

void SaveAndLoad(Player& p, int slot) {
  World& w = p.W();
  p.Sidebar(kSaveLoadButton);
  EXPECT_EQ(w.SaveSlots.SaveLoadMode, 0);
  p.ClickAt(Middle(kSaveModeColumn));
  EXPECT_EQ(w.SaveSlots.SaveLoadMode, 1);
  p.ClickAt(Middle(SaveSlotRect(slot)));
  EXPECT_TRUE(
      std::filesystem::exists(p.Game().Folder() / ("slot" + std::to_string(slot) + ".sav")));
  p.Dump("save_load_save_mode");
  // What a load must bring back.
  auto saved = std::make_unique<World>();
  std::memcpy(static_cast<void*>(saved.get()), &w, sizeof(World));
  p.ClickAt(Inside(kSaveModeColumn, 30, 40));
  EXPECT_EQ(w.SaveSlots.SaveLoadMode, 0);
  p.Dump("save_load_load_mode");
  p.ClickAt(Middle(SaveSlotRect(slot)));
  EXPECT_TRUE(p.Game().Ui().GameLoaded);
  EXPECT_EQ(std::memcmp(&w.Formations, &saved->Formations, sizeof w.Formations), 0);
  EXPECT_EQ(std::memcmp(&w.MapCells, &saved->MapCells, sizeof w.MapCells), 0);
  EXPECT_EQ(std::memcmp(&w.Economy, &saved->Economy, sizeof w.Economy), 0);
  p.ClickAt(Middle(kCloseButton));
  EXPECT_EQ(w.ScreenFlags[kFlagZoom], kZoomBattlefield);
  EXPECT_EQ(w.SideOnMove, kGermanSide);
}

void QuitNo(Player& p) {
  p.Sidebar(kQuitButton);
  EXPECT_EQ(p.W().ScreenFlags[kFlagQuit], kPageOpen);
  p.Dump("quit");
  p.ClickAt(Middle(kRightButton));  // No
  EXPECT_EQ(p.W().ScreenFlags[kFlagQuit], kPageLive);
  EXPECT_FALSE(p.Game().Window().QuitRequested());
}

void EndTurn(Player& p, bool computerCompletes, bool cancelFirst) {
  World& w = p.W();
  const int side = w.SideOnMove;
  if (cancelFirst) {
    p.Sidebar(kEndTurnButton);
    p.ClickAt(Middle(SwitchHalf(kAiCompletesSwitchY, 1)));
    EXPECT_EQ(w.AiCompletesTurn, 1);
    p.ClickAt(Middle(SwitchHalf(kAiCompletesSwitchY, 0)));
    EXPECT_EQ(w.AiCompletesTurn, 0);
    p.Dump("end_turn");
    p.ClickAt(Middle(kRightButton));  // Cancel
    EXPECT_EQ(w.ScreenFlags[kFlagEndTurn], kPageLive);
    EXPECT_EQ(w.SideOnMove, side);
  }
  p.Sidebar(kEndTurnButton);
  ASSERT_EQ(w.ScreenFlags[kFlagEndTurn], kPageOpen);
  if (computerCompletes) p.ClickAt(Middle(SwitchHalf(kAiCompletesSwitchY, 1)));
  p.ClickAt(Middle(kLeftButton));  // Confirm
  EXPECT_EQ(w.ScreenFlags[kFlagComputerTurn], 1);
  EXPECT_EQ(w.SideOnMove == side, computerCompletes);
  p.Frames(200);
  p.Dump(computerCompletes ? "computer_completes_the_turn" : "computer_turn");
  ASSERT_TRUE(p.WaitForHumanTurn()) << "the computer never handed the turn back";
}

}  // namespace gm::testing
