// Whole games played through the window's own events on the built data: the settings dialog,
// the title's Start, ten days of German humans against the Soviet computer with every order and
// every page, and Quit; the world checked at every turn's end, the game repeated by its seed; and
// a saved game near the end date played to the final screen. When `make review` asks for them
// (GM_REVIEW_PICTURES set), pictures of each screen and page go to build/review/screens/play_*.png.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "flow/screen_flags.hpp"
#include "map_actions.hpp"
#include "page_visits.hpp"
#include "platform/posix_file_system.hpp"
#include "rules/war_end.hpp"
#include "ui/screens/battlefield_view.hpp"
#include "ui/screens/final_screen.hpp"
#include "ui/screens/page_window.hpp"
#include "ui/screens/save_load_page.hpp"
#include "ui/screens/title_screen.hpp"
#include "world/reach_grids.hpp"
#include "world/save_slots.hpp"
#include "world/world_access.hpp"

namespace gm {
namespace {

using testing::CellPos;
using testing::GameHarness;
using testing::Middle;
using testing::Player;

constexpr int kTurns = 10;
constexpr int kFinalSlot = 5;
// The seed: the time of day on the virtual clock as the game starts, 9:41 in the morning. The
// fights reseed from the same clock, which moves one timer interval a frame.
constexpr std::uint32_t kStartTime = (9 * 60 + 41) * 60 * 1000;

// The pictures are for people to look at, not for ctest: only `make review` asks for them.
bool PicturesAsked() {
  return std::getenv("GM_REVIEW_PICTURES") != nullptr;
}

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Days since the epoch of the header's date.
int DayNumber(const TGameHeader& h) {
  const std::chrono::year_month_day date{std::chrono::year(h.Year), std::chrono::month(h.Month),
                                         std::chrono::day(h.Day)};
  return std::chrono::sys_days(date).time_since_epoch().count();
}

struct OrdersGiven {
  int moves = 0, assaults = 0, fires = 0, strikes = 0, rebases = 0, merges = 0;
};

// The own ground formation in the view, for the unit card.
std::optional<CellPos> GroundInView(Player& p) {
  const World& w = p.W();
  for (int y = w.ViewY; y < w.ViewY + kBattlefieldRows; ++y) {
    for (int x = w.ViewX; x < w.ViewX + kBattlefieldColumns; ++x) {
      if (UsedFormation(w, Cell(w, x, y).GroundFormation) != nullptr) return CellPos{x, y};
    }
  }
  return std::nullopt;
}

// The first day: looking round the map and its views, an order of every kind, every page.
void FirstDay(Player& p, OrdersGiven& given) {
  GameHarness& g = p.Game();
  World& w = g.W();
  p.Dump("battlefield");
  if (const std::optional<CellPos> c = GroundInView(p)) {
    g.MoveTo(p.CellMiddle(*c));
    g.Press(kMouseRight);
    p.Frames(1);
    p.Dump("unit_card");
    g.Release(kMouseRight);
  }
  const int viewX = w.ViewX;
  p.MoveTo(0, Middle(kMapArea).y, 3);  // the pointer on the left edge scrolls
  EXPECT_EQ(w.ViewX, viewX - 3);
  p.MoveTo(Middle(kMapArea));
  p.SetZoom(kZoomMap1);
  p.Dump("map1");
  p.ClickAt(Middle(kMapArea));  // Map1: the Battlefield centred there
  EXPECT_EQ(w.ScreenFlags[kFlagZoom], kZoomBattlefield);
  p.SetZoom(kZoomMap2);
  p.Dump("map2");
  p.ClickAt(2 * (w.ViewX + 6) + 1, 2 * (w.ViewY + 5 - kViewMinY) + 1);  // back where it was
  EXPECT_EQ(w.ScreenFlags[kFlagZoom], kZoomBattlefield);

  p.SetLayer(kLayerAir);
  p.Dump("air_layer");
  const int strikeSounds = testing::SoundsPlayed(g, "art_fire");
  const auto strike = testing::OrderByMark(p, kLayerAir, kAirStrike, "air_strike");
  ASSERT_TRUE(strike) << "no air strike found";
  EXPECT_EQ(testing::SoundsPlayed(g, "art_fire"), strikeSounds + 1);
  ++given.strikes;
  const auto rebase = testing::OrderByMark(p, kLayerAir, kAirRebase);
  ASSERT_TRUE(rebase) << "no air formation to rebase";
  EXPECT_NE(Cell(w, rebase->to.x, rebase->to.y).AirFormation, 0);
  EXPECT_EQ(Cell(w, rebase->from.x, rebase->from.y).AirFormation, 0);
  ++given.rebases;

  p.SetLayer(kLayerArmy);
  const int fights = testing::SoundsPlayed(g, "fighting");
  ASSERT_TRUE(testing::OrderByMark(p, kLayerArmy, kReachAssault, "assault")) << "no assault";
  EXPECT_EQ(testing::SoundsPlayed(g, "fighting"), fights + 1);
  ++given.assaults;
  const int fires = testing::SoundsPlayed(g, "art_fire");
  ASSERT_TRUE(testing::OrderByMark(p, kLayerArmy, kReachFire, "artillery_fire")) << "no fire";
  EXPECT_EQ(testing::SoundsPlayed(g, "art_fire"), fires + 1);
  ++given.fires;
  const auto move = testing::OrderByMark(p, kLayerArmy, kReachMove);
  ASSERT_TRUE(move) << "nothing could move";
  EXPECT_EQ(Cell(w, move->from.x, move->from.y).GroundFormation, 0);
  EXPECT_NE(Cell(w, move->to.x, move->to.y).GroundFormation, 0);
  p.Dump("after_a_move");
  ++given.moves;

  testing::RefitByHandAndAutomatically(p);
  testing::RaiseNewUnit(p);
  testing::LookThroughEconomy(p);
  testing::ChangeOptions(p);
  testing::ReadHelp(p);
  testing::SaveAndLoad(p, 1);
  testing::QuitNo(p);
}

// A later day: fights along the front, a move, and a merge where two formations can.
void LaterDay(Player& p, OrdersGiven& given) {
  for (int i = 0; i < 2; ++i) {
    if (testing::OrderByMark(p, kLayerArmy, kReachAssault)) ++given.assaults;
  }
  if (testing::OrderByMark(p, kLayerArmy, kReachFire)) ++given.fires;
  if (testing::OrderByMark(p, kLayerArmy, kReachMove)) ++given.moves;
  if (given.merges < 2) {
    const World& w = p.W();
    if (const std::optional<testing::MergeDone> m = testing::MergeNeighbour(p)) {
      // The survivor takes the neighbour's men and its cell is left empty.
      const TMapCell& survivor = Cell(w, m->survivor.x, m->survivor.y);
      ASSERT_NE(survivor.GroundFormation, 0);
      EXPECT_EQ(Formation(w, survivor.GroundFormation).Men, m->men);
      EXPECT_EQ(Cell(w, m->absorbed.x, m->absorbed.y).GroundFormation, 0);
      ++given.merges;
    }
  }
}

// The whole scripted game; returns the bytes of the save made at its end.
std::vector<std::uint8_t> PlayTenDays(bool dump) {
  GameHarness g{testing::ThroughSettingsDialog{}};
  testing::ChooseSettings(g, dump);
  if (::testing::Test::HasFatalFailure()) return {};
  g.Platform().VirtualClock().SetMillisecondsOfDay(kStartTime);
  const Status started = g.StartFromDialog();
  EXPECT_TRUE(started) << started.Message();
  if (!started) return {};
  Player p(g, dump);
  World& w = g.W();
  p.Frames(2);
  p.Dump("title");
  p.ClickAt(Middle(kTitleLink));
  EXPECT_EQ(g.Platform().OpenedAddresses().size(), 1u);
  p.ClickAt(Middle(kStartButton));
  EXPECT_EQ(w.ScreenFlags[kFlagScreen], kScreenGame);
  EXPECT_EQ(w.SideOnMove, kGermanSide);

  OrdersGiven given;
  const int firstDay = DayNumber(w.GameHeader);
  for (int turn = 1; turn <= kTurns; ++turn) {
    if (turn == 1) {
      FirstDay(p, given);
      if (::testing::Test::HasFatalFailure()) return {};
      testing::EndTurn(p, false, true);
    } else {
      LaterDay(p, given);
      // On the third day the computer plays the rest of the German turn.
      testing::EndTurn(p, turn == 3);
    }
    if (::testing::Test::HasFatalFailure()) return {};
    EXPECT_EQ(w.SideOnMove, kGermanSide);
    EXPECT_EQ(w.ScreenFlags[kFlagScreen], kScreenGame);
    EXPECT_EQ(DayNumber(w.GameHeader), firstDay + turn) << "turn " << turn;
  }
  EXPECT_GE(given.assaults, kTurns);
  EXPECT_GE(given.moves, kTurns);
  EXPECT_GE(given.fires, 1);
  EXPECT_GE(given.merges, 1);
  EXPECT_GE(p.TurnsEnded(), 2 * kTurns);
  EXPECT_TRUE(p.CheckFailures().empty()) << p.CheckFailures().front();

  testing::SaveInto(p, kFinalSlot);
  std::vector<std::uint8_t> save =
      FileBytes(g.Folder() / ("slot" + std::to_string(kFinalSlot) + ".sav"));
  p.Sidebar(kQuitButton);
  p.ClickAt(Middle(kLeftButton));  // Yes
  EXPECT_TRUE(g.Window().QuitRequested());
  g.Window().Leave();
  EXPECT_FALSE(g.Platform().WindowOpen());
  return save;
}

TEST(PlayThrough, TenDaysFromTheSettingsDialogToQuitTwiceAlike) {
  const std::vector<std::uint8_t> first = PlayTenDays(PicturesAsked());
  ASSERT_FALSE(HasFailure());
  ASSERT_FALSE(first.empty());
  const std::vector<std::uint8_t> second = PlayTenDays(false);
  ASSERT_FALSE(HasFailure());
  EXPECT_TRUE(first == second) << "the same events and seed gave a different game";
}

TEST(PlayThrough, ASaveNearTheEndDateLoadedAndPlayedToTheFinalScreen) {
  GameHarness g;
  ASSERT_TRUE(g.Started()) << g.StartStatus().Message();
  // Set-up: a game three days before the end, written by the world's own save code.
  {
    g.StartGame();
    World& w = g.W();
    w.GameHeader.Day = 6;
    w.GameHeader.Month = 5;
    w.GameHeader.Year = 1945;
    PosixFileSystem fs(g.Folder().string() + "/");
    const Status saved = SaveGameFile(w, fs, SlotPath(fs, 2));
    ASSERT_TRUE(saved) << saved.Message();
    w.GameHeader.Day = 22;
    w.GameHeader.Month = 6;
    w.GameHeader.Year = 1941;
  }
  Player p(g, PicturesAsked());
  World& w = g.W();
  p.Sidebar(kSaveLoadButton);
  p.ClickAt(Middle(SaveSlotRect(2)));  // in load mode
  ASSERT_TRUE(g.Ui().GameLoaded);
  EXPECT_EQ(w.GameHeader.Year, 1945);
  p.ClickAt(Middle(kCloseButton));  // the loaded game goes on
  for (int turn = 0; turn < 10 && w.ScreenFlags[kFlagScreen] != kScreenFinal; ++turn) {
    testing::EndTurn(p, false);
    ASSERT_FALSE(HasFatalFailure());
  }
  ASSERT_EQ(w.ScreenFlags[kFlagScreen], kScreenFinal);
  EXPECT_EQ(w.WarResult, kEndDateReached);
  EXPECT_EQ(w.GameHeader.Day, 9);
  EXPECT_EQ(w.GameHeader.Month, 5);
  EXPECT_TRUE(p.CheckFailures().empty()) << p.CheckFailures().front();
  p.MoveTo(Middle(kFinalExitButton), 2);
  p.Dump("final_screen");
  p.ClickAt(Middle(kFinalExitButton));
  EXPECT_TRUE(g.Window().QuitRequested());
}

}  // namespace
}  // namespace gm
