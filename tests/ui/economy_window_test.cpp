// The Economy window through real clicks and held buttons: tabs, Close and the dead gaps around
// them, list rows by page, the held arrows, production orders with their totals, the cells that
// must not answer, numbers past 2^31, and the statistics of a hand-made world.
#include "ui/screens/economy_window.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "flow/screen_flags.hpp"
#include "tests/support/game_harness.hpp"
#include "ui/glyph_text.hpp"
#include "ui/screens/economy_pages.hpp"
#include "world/formation_lists.hpp"
#include "world/tables/tables.hpp"
#include "world/world_access.hpp"

namespace gm {
namespace {

using testing::GameHarness;
using testing::Middle;
using testing::ScreenPoint;

constexpr int kEconomyButtonY = testing::SidebarClickY(kEconomyButton);
constexpr int kListBottomRow = 16;

// Y of the middle of list row r (1..16), X of the middle of nation c's order cell.
constexpr int RowMiddle(int r) {
  return Middle(EquipmentListRow(r)).y;
}
constexpr int CellMiddle(int c) {
  return Middle(ProductionOrderCell(c)).x;
}

class EconomyWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(g.Started()) << g.StartStatus().Message();
    g.StartGame();
    Open();
  }

  void Open() { ClickAt(testing::kSidebarClickX, kEconomyButtonY); }
  void ClickAt(int x, int y) {
    g.MoveTo(x, y);
    g.Click(x, y);
    g.MoveTo(10, 500);  // the pointer picture stays clear of what the tests read
    g.Frames(1);
  }
  void ClickAt(ScreenPoint p) { ClickAt(p.x, p.y); }
  void ShowPage(int page) { ClickAt(Middle(EconomyTabRect(page))); }
  void Close() { ClickAt(Middle(kEconomyCloseButton)); }
  // Left button held on an arrow for n frames, then let go.
  void HoldArrow(bool down, int frames) {
    g.MoveTo(Middle(down ? kEquipmentListArrows.down : kEquipmentListArrows.up));
    g.Press(kMouseLeft);
    g.Frames(frames);
    g.Release(kMouseLeft);
    g.MoveTo(10, 500);
  }
  std::size_t Clicks() {
    const auto& s = g.Platform().Sounds();
    return static_cast<std::size_t>(
        std::count_if(s.begin(), s.end(), [](const auto& r) { return r.label == "click"; }));
  }
  PagedList<1200, 16>& List() { return g.W().Lists.EquipmentList; }
  std::uint8_t& Status(int nation, int model) {
    return ProductionStatusOf(g.W().Economy, nation, model);
  }
  // Whether the back buffer already holds `text` in font 1 at (x, y): drawing it again there
  // changes no pixel.
  bool ShowsText(std::string_view text, int x, int y) {
    TDirectDrawSurface& back = g.Ctx().Back();
    const int width = 6 * static_cast<int>(text.size());
    std::vector<std::uint32_t> before;
    for (int dy = 0; dy < 12; ++dy) {
      for (int dx = 0; dx < width; ++dx) before.push_back(back.Pixel(x + dx, y + dy));
    }
    DrawGlyphText(g.Ctx(), text, x, y, 1);
    std::size_t i = 0;
    bool same = true;
    for (int dy = 0; dy < 12; ++dy) {
      for (int dx = 0; dx < width; ++dx) same = same && back.Pixel(x + dx, y + dy) == before[i++];
    }
    g.Frames(1);  // a clean frame again
    return same;
  }

  GameHarness g;
};

TEST_F(EconomyWindow, TabsCloseAndTheGapsAroundThem) {
  struct Case {
    int x, y;
    int page;  // the page shown after the click; 3 is where each case starts
    bool closes;
  };
  const Case cases[] = {
      {70, 430, 1, false},
      {109, 469, 1, false},
      {69, 450, 3, false},
      {110, 450, 3, false},
      {130, 450, 2, false},
      {169, 450, 2, false},
      {170, 450, 3, false},
      {250, 450, 4, false},
      {310, 450, 5, false},
      {370, 450, 6, false},
      {409, 469, 6, false},
      {410, 450, 3, false},
      {370, 429, 3, false},
      {370, 470, 3, false},
      {620, 430, 3, true},
      {699, 469, 3, true},
      {619, 450, 3, false},
      {700, 450, 3, false},
      {650, 429, 3, false},
      {650, 470, 3, false},
      // Between list, cells and Close: past the list's right edge, above and below the rows.
      {650, 300, 3, false},
      {300, 149, 3, false},
      {300, 390, 3, false},
      {74, 200, 3, false},
      {645, 200, 3, false},
      {635, 420, 3, false},
  };
  World& w = g.W();
  for (const Case& c : cases) {
    if (w.ScreenFlags[kFlagEconomy] != kPageOpen) Open();
    ShowPage(3);
    List().CursorRow = 4;
    const std::size_t clicksBefore = Clicks();
    ClickAt(c.x, c.y);
    const bool acted = c.closes || c.page != 3;
    EXPECT_EQ(Clicks() - clicksBefore, acted ? 1u : 0u) << c.x << "," << c.y;
    EXPECT_EQ(List().CursorRow, 4) << c.x << "," << c.y;
    if (c.closes) {
      EXPECT_EQ(w.ScreenFlags[kFlagEconomy], kPageLive) << c.x << "," << c.y;
      EXPECT_EQ(w.ScreenFlags[kFlagZoom], kZoomBattlefield);
    } else {
      EXPECT_EQ(w.ScreenFlags[kFlagEconomy], kPageOpen) << c.x << "," << c.y;
      EXPECT_EQ(g.Ui().EconomyPage, c.page) << c.x << "," << c.y;
    }
  }
}

TEST_F(EconomyWindow, ListRowsAnswerOnPagesTwoToFiveAndTheRowStaysForProduction) {
  for (int page = 1; page <= 6; ++page) {
    ShowPage(page);
    List().CursorRow = 1;
    ClickAt(Middle(EquipmentListRow(page + 5)));
    EXPECT_EQ(List().CursorRow, page >= 2 && page <= 5 ? page + 5 : 1) << page;
  }
  // The rows' edges.
  struct Edge {
    int x, y, row;
  };
  const Edge edges[] = {{75, 150, 1}, {644, 389, 16}, {300, 164, 1}, {300, 165, 2}};
  ShowPage(2);
  for (const Edge& e : edges) {
    List().CursorRow = 9;
    ClickAt(e.x, e.y);
    EXPECT_EQ(List().CursorRow, e.row) << e.x << "," << e.y;
  }
  // A row chosen on page 2 is the model of the production page's card; a row click leaves the
  // arrows alone.
  Close();  // and opened again: the list starts over
  Open();
  EXPECT_EQ(g.Ui().EconomyPage, 1);
  EXPECT_EQ(List().CursorRow, 1);
  ShowPage(2);
  ClickAt(Middle(EquipmentListRow(7)));
  EXPECT_EQ(List().UpEnabled, 0);
  ShowPage(5);
  EXPECT_EQ(List().CursorRow, 7);
  EXPECT_EQ(EquipmentListModel(g.W(), CursorEntry(g.W())), List().Entry(7));
}

TEST_F(EconomyWindow, HeldArrowsStepOnceAFrameOnListPagesOnly) {
  const int last = List().ItemCount;
  ASSERT_GT(last, 40);
  struct View {
    int top, cursor, up, down;
  };
  struct Case {
    int page;
    bool down;
    View start;
    int frames;
    View end;
  };
  const Case cases[] = {
      {2, true, {1, 1, 0, 1}, 1, {1, 2, 1, 1}},
      {2, true, {1, 1, 0, 1}, 15, {1, 16, 1, 1}},
      {5, true, {1, 1, 0, 1}, 17, {3, 16, 1, 1}},
      // At the end the window stops, and the next frame hides the down arrow.
      {3, true, {last - 16, 16, 1, 1}, 1, {last - 15, 16, 1, 1}},
      {3, true, {last - 16, 16, 1, 1}, 2, {last - 15, 16, 1, 0}},
      {4, false, {5, 1, 1, 1}, 2, {3, 1, 1, 1}},
      {4, false, {1, 3, 1, 0}, 2, {1, 1, 1, 1}},
      {4, false, {1, 3, 1, 1}, 3, {1, 1, 0, 1}},
      // A hidden arrow does nothing; pages 1 and 6 keep the flags but do not scroll.
      {2, false, {1, 1, 0, 1}, 4, {1, 1, 0, 1}},
      {1, true, {1, 1, 0, 1}, 5, {1, 1, 0, 1}},
      {6, true, {1, 4, 1, 1}, 5, {1, 4, 1, 1}},
      {6, false, {1, 1, 1, 1}, 1, {1, 1, 0, 1}},
  };
  for (const Case& c : cases) {
    ShowPage(c.page);
    auto& list = List();
    list.TopRow = static_cast<std::uint16_t>(c.start.top);
    list.BottomRow = static_cast<std::uint16_t>(c.start.top + kListBottomRow - 1);
    list.CursorRow = static_cast<std::uint16_t>(c.start.cursor);
    list.UpEnabled = static_cast<std::uint8_t>(c.start.up);
    list.DownEnabled = static_cast<std::uint8_t>(c.start.down);
    HoldArrow(c.down, c.frames);
    const View got{list.TopRow, list.CursorRow, list.UpEnabled, list.DownEnabled};
    const std::string at = "page " + std::to_string(c.page) + " frames " +
                           std::to_string(c.frames) + (c.down ? " down" : " up");
    EXPECT_EQ(got.top, c.end.top) << at;
    EXPECT_EQ(list.BottomRow, c.end.top + kListBottomRow - 1) << at;
    EXPECT_EQ(got.cursor, c.end.cursor) << at;
    EXPECT_EQ(got.up, c.end.up) << at;
    EXPECT_EQ(got.down, c.end.down) << at;
  }
  // Only while held: the pointer resting on an arrow, and a click on one, move nothing.
  ShowPage(2);
  HoldArrow(true, 3);
  const int cursor = List().CursorRow;
  for (const HitRect& arrow : {kEquipmentListArrows.down, kEquipmentListArrows.up}) {
    g.MoveTo(Middle(arrow));
    g.Frames(5);
    ClickAt(Middle(arrow));
    EXPECT_EQ(List().CursorRow, cursor) << arrow.top;
  }
}

TEST_F(EconomyWindow, OrderCellsCycleAndTheTotalsAreSummedAfterEachClick) {
  World& w = g.W();
  const int m = List().Entry(3);
  const std::int32_t cost = EquipmentModels[static_cast<std::size_t>(m)].Cost;
  ASSERT_GT(cost, 0);
  Status(2, m) = 1;
  ProductionRateOf(w.Economy, 2, m) = 10;
  Close();  // and open again so that the totals start from this state
  Open();
  ShowPage(5);
  const std::int32_t base = w.ProductionValue[1];
  // A German-held town grows; only a click that changes an order sums the towns again.
  const std::int32_t held = w.SettlementValueByHolder[1];
  for (TSettlement& s : w.Settlements) {
    if (s.HolderNation == 2 && s.Value > 0 && s.Value < 90) {
      s.Value = static_cast<std::uint16_t>(s.Value + 7);
      break;
    }
  }
  struct Step {
    std::uint8_t status;
    std::int32_t required;
  };
  const Step steps[] = {{2, base + cost}, {3, base + 2 * cost}, {1, base}, {2, base + cost}};
  const std::size_t clicks = Clicks();
  for (const Step& s : steps) {
    ClickAt(CellMiddle(2), RowMiddle(3));
    EXPECT_EQ(Status(2, m), s.status);
    EXPECT_EQ(w.ProductionValue[1], s.required);
    EXPECT_EQ(w.SettlementValueByHolder[1], held + 7);
    EXPECT_TRUE(ShowsText(NumberText(s.required).View(), 250, 50)) << int{s.status};
  }
  EXPECT_EQ(Clicks(), clicks);  // order cells play no sound
  // A cell click first moves the cursor to its row and orders that row's model.
  const int m9 = List().Entry(9);
  Status(2, m9) = 3;
  ClickAt(ProductionOrderCell(2).left, EquipmentListRow(9).bottom);
  EXPECT_EQ(List().CursorRow, 9);
  EXPECT_EQ(Status(2, m9), 1);
}

TEST_F(EconomyWindow, CellsOfTheOtherCoalitionOfUnorderableModelsAndOfEmptyRowsAreDead) {
  World& w = g.W();
  ASSERT_EQ(w.SideOnMove, kGermanSide);
  const int m = List().Entry(2);
  Status(1, m) = 0;
  Status(2, m) = 2;
  Status(5, m) = 2;
  Status(8, m) = 3;
  ShowPage(5);
  // Any recount would count this new town.
  TSettlement& town = w.Settlements[kMaxSettlements - 1];
  ASSERT_EQ(town.Value, 0);
  town.HolderNation = 5;
  town.Value = 50;
  const auto totals = [&w] { return std::make_pair(w.ProductionValue, w.SettlementValueByHolder); };
  const auto before = totals();
  struct Case {
    int x, y, cursor;  // cursor row after the click; 0 when the click misses the list
  };
  const Case cases[] = {
      {CellMiddle(5), RowMiddle(2), 2},  // the USSR while the German coalition moves
      {CellMiddle(8), RowMiddle(2), 2},  // Mongolia too
      {CellMiddle(1), RowMiddle(2), 2},  // Hungary: not producible
      // Between two cells: the cursor only.
      {ProductionOrderCell(1).right + 1, RowMiddle(2), 2},
      {ProductionOrderCell(2).left - 1, RowMiddle(2), 2},
      // Above and below the rows.
      {CellMiddle(2), kEquipmentListRows.top - 1, 0},
      {CellMiddle(2), kEquipmentListRows.bottom + 1, 0},
  };
  for (const Case& c : cases) {
    List().CursorRow = 11;
    ClickAt(c.x, c.y);
    EXPECT_EQ(List().CursorRow, c.cursor == 0 ? 11 : c.cursor) << c.x << "," << c.y;
    EXPECT_EQ(Status(1, m), 0);
    EXPECT_EQ(Status(2, m), 2) << c.x << "," << c.y;
    EXPECT_EQ(Status(5, m), 2);
    EXPECT_EQ(Status(8, m), 3);
    EXPECT_TRUE(totals() == before) << c.x << "," << c.y;
  }
  // On the list pages before production the same cell only moves the cursor.
  ShowPage(4);
  ClickAt(CellMiddle(2), RowMiddle(2));
  EXPECT_EQ(Status(2, m), 2);
  // A row past the last entry shows nothing and orders nothing; the cursor still goes there.
  ShowPage(5);
  auto& list = List();
  list.ItemCount = 4;
  for (int i = 5; i <= 16; ++i) list.Status(i) = 0;
  ClickAt(CellMiddle(2), RowMiddle(8));
  EXPECT_EQ(list.CursorRow, 8);
  EXPECT_TRUE(totals() == before);
  EXPECT_TRUE(ShowsText(EquipmentModels[list.Entry(4)].Name.View(), 77, 153 + 15 * 3));
  EXPECT_FALSE(ShowsText(EquipmentModels[list.Entry(5)].Name.View(), 77, 153 + 15 * 4));
  // The turn passes: the Soviet columns answer, the German ones no longer.
  w.SideOnMove = kSovietSide;
  ClickAt(CellMiddle(2), RowMiddle(2));
  ClickAt(CellMiddle(5), RowMiddle(2));
  EXPECT_EQ(Status(2, m), 2);
  EXPECT_EQ(Status(5, m), 3);
  EXPECT_EQ(w.SettlementValueByHolder[4], before.second[4] + 50);
}

TEST_F(EconomyWindow, CountsPastTwoToThe31AreShownUnsigned) {
  World& w = g.W();
  w.Economy.RecruitPool[0] = INT_MIN;
  w.Economy.CarPool[1] = -1;
  w.Economy.DeadMen[4] = INT_MIN + 1;
  w.Lists.TypeCount(2, List().Entry(1)) = INT_MIN + 5;
  g.Frames(1);
  ASSERT_FALSE(ShowsText("1234567890", NationValueX(1), EconomyRowY(4)));  // the probe can fail
  EXPECT_TRUE(ShowsText("2147483648", NationValueX(1), EconomyRowY(4)));
  EXPECT_TRUE(ShowsText("4294967295", NationValueX(2), EconomyRowY(7)));
  ShowPage(6);
  EXPECT_TRUE(ShowsText("2147483649", NationValueX(5), EconomyRowY(1)));
  ShowPage(2);
  EXPECT_TRUE(ShowsText("2147483653", NationValueX(2), EconomyRowY(1)));
}

TEST_F(EconomyWindow, StatisticsOfAHandMadeWorldAsTheButtonCountsThem) {
  World& w = g.W();
  Close();
  for (TSettlement& s : w.Settlements) s = TSettlement{};
  for (TFormation& f : w.Formations) WipeFormationRecord(f);
  struct Town {
    std::uint16_t owner, holder, value;
  };
  const Town towns[] = {{5, 2, 10}, {5, 5, 4}, {2, 2, 0}, {5, 9, 0},
                        {0, 3, 7},  {9, 4, 2}, {2, 5, 0}, {10, 2, 0}};
  for (std::size_t i = 0; i < std::size(towns); ++i) {
    w.Settlements[i].OwnerNation = towns[i].owner;
    w.Settlements[i].HolderNation = towns[i].holder;
    w.Settlements[i].Value = towns[i].value;
  }
  const auto typeOf = [](int nation, int branch) {
    for (int t = 1; t <= kFormationTypeRows; ++t) {
      const TFormationType& f = FormationTypes[static_cast<std::size_t>(t)];
      if (f.Nation == nation && f.Branch == branch) return static_cast<std::uint16_t>(t);
    }
    return std::uint16_t{0};
  };
  g.Place(100, 100, typeOf(2, 1));
  g.Place(101, 100, typeOf(2, 1));
  g.Place(102, 100, typeOf(2, 2));
  Formation(w, g.Place(103, 100, typeOf(5, 1))).Cars = 7;
  Open();

  // Rows 1, 2, 3, 11 (settlements), 12, 13, 14, 15 (formations), by nation 1..8.
  struct Row {
    int row;
    std::array<const char*, 8> shown;
  };
  const Row rows[] = {
      {1, {"0", "0", "0", "0", "2", "0", "0", "0"}},
      {2, {"0", "1", "1", "1", "1", "0", "0", "0"}},
      {3, {"0", "10", "7", "2", "4", "0", "0", "0"}},
      {11, {"0", "1", "0", "0", "1", "0", "0", "0"}},
      {12, {"0/50", "2/500", "0/150", "0/70", "1/750", "0/50", "0/10", "0/10"}},
      {13, {"0/5", "1/200", "0/100", "0/15", "0/250", "0/10", "0/0", "0/0"}},
      {14, {"0", "2000", "0", "0", "1000", "0", "0", "0"}},
      {15, {"0", "0", "0", "0", "7", "0", "0", "0"}},
  };
  for (const Row& r : rows) {
    for (int n = 1; n <= 8; ++n) {
      const std::string_view text = r.shown[static_cast<std::size_t>(n - 1)];
      EXPECT_TRUE(ShowsText(text, NationValueX(n), EconomyRowY(r.row)))
          << "row " << r.row << " nation " << n;
    }
  }
  const auto& s = w.StatCounts;
  EXPECT_EQ(s[0][4], 2);
  EXPECT_EQ(s[1][1], 1);
  EXPECT_EQ(s[2][1], 10);
  EXPECT_EQ(s[3][1], 1);  // owned by Germany, or by a nation and held by Germany
  EXPECT_EQ(s[3][4], 1);  // a German-owned airbase the USSR holds counts for the USSR
  EXPECT_EQ(s[3][8], 0);  // held by nation 9: counted nowhere
  EXPECT_EQ(s[0][1], 0);  // Germany's airbase is no city
}

}  // namespace
}  // namespace gm
