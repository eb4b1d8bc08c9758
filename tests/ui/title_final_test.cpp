// The title screen's Start and what a new game hands to each side, the parade shared with the
// final screen, the final screen that stays once the war has ended, and its Exit.
#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "flow/screen_flags.hpp"
#include "flow/start_game.hpp"
#include "tests/support/game_harness.hpp"
#include "ui/image_draw.hpp"
#include "ui/screens/final_screen.hpp"
#include "ui/screens/parade.hpp"
#include "ui/screens/title_screen.hpp"

namespace gm {
namespace {

using testing::GameHarness;
using testing::Middle;

TEST(TitleScreen, StartAnswersOnlyInsideItsBox) {
  struct Case {
    int x, y;
    bool starts;
  };
  const Case cases[] = {{600, 430, true},  {679, 469, true},  {599, 450, false},
                        {680, 450, false}, {640, 429, false}, {640, 470, false}};
  GameHarness g;
  for (const Case& c : cases) {
    ShowTitleScreen(g.W());
    g.MoveTo(c.x, c.y);
    g.Click(c.x, c.y);
    EXPECT_EQ(g.W().ScreenFlags[kFlagScreen] == 0, c.starts) << c.x << "," << c.y;
  }
}

// A newcomer clicks whatever looks like a button, so the title shows no button face but
// Start's: none of the pages' buttons (the save/load rows' disk among them) sits in its tiles.
TEST(TitleScreen, ShowsNoButtonButStart) {
  GameHarness g;
  g.MoveTo(50, 590);  // the pointer over the parade, off the tiles
  g.Frames(1);
  const auto tileAt = [&g](int x, int y) {
    std::vector<TColor> pixels;
    for (int j = 0; j < 60; ++j)
      for (int i = 0; i < 60; ++i) pixels.push_back(g.PixelAt(x + i, y + j));
    return pixels;
  };
  // The title's tiles by their top-left corners, and the two that hold Start.
  std::map<std::pair<int, int>, std::vector<TColor>> title;
  for (int r = 0; r < 10; ++r) {
    for (int c = 0; c < 10; ++c) {
      const int x = kParadeTilesX + kTilePixels * c, y = kTilePixels * r;
      title[{x, y}] = tileAt(x, y);
    }
  }
  const auto tileOf = [](int x, int y) {
    return std::pair{kParadeTilesX + kTilePixels * ((x - kParadeTilesX) / kTilePixels),
                     kTilePixels * (y / kTilePixels)};
  };
  const auto startLeft = tileOf(kStartButton.left, kStartButton.top);
  const auto startRight = tileOf(kStartButton.right, kStartButton.top);
  // Page buttons and their disabled faces, help topics, Close, the save rows' mode and slot
  // buttons, the Economy tabs, the Unit staff amounts.
  using namespace sprite;
  std::vector<WindowTile> faces = {kDeadOkButton.left,  kDeadOkButton.right, kOkButton.left,
                                   kOkButton.right,     kCancelButton.left,  kCancelButton.right,
                                   kTopicButton.left,   kTopicButton.right,  kSaveModeButtons[0],
                                   kSaveModeButtons[1], kSlotButton,         kEconomyCloseRight,
                                   kEmptySlot,          kAutoRefitButton,    kDeadAutoRefitButton};
  for (int i = 0; i < 6; ++i) faces.insert(faces.end(), {kEconomyTabs[i], kChosenEconomyTabs[i]});
  for (int i = 0; i < 5; ++i) faces.insert(faces.end(), {kStepButtons[i], kDeadStepButtons[i]});
  for (const WindowTile p : faces) {
    DrawImage(g.Ctx(), p, 0, 0);
    const std::vector<TColor> face = tileAt(0, 0);
    for (const auto& [at, pixels] : title) {
      const bool start =
          (p == kOkButton.left && at == startLeft) || (p == kOkButton.right && at == startRight);
      if (!start) {
        EXPECT_NE(pixels, face) << "Table3 pattern " << p.pattern << " at " << at.first << ","
                                << at.second;
      }
    }
  }
}

TEST(TitleScreen, ANewGameHandsTheFirstTurnToItsPlayer) {
  struct Case {
    std::uint8_t first, germanCpu, sovietCpu;
    bool computerTurn;
  };
  const Case cases[] = {{kGermanSide, 0, 1, false},
                        {kGermanSide, 1, 0, true},
                        {kSovietSide, 1, 0, false},
                        {kSovietSide, 0, 1, true},
                        {kGermanSide, 1, 1, true}};
  GameHarness g;
  for (const Case& c : cases) {
    StartSettings s{c.first, c.germanCpu, c.sovietCpu, 1, 0};
    ApplyStartSettings(g.W(), s);
    ShowTitleScreen(g.W());
    g.StartGame();
    World& w = g.W();
    EXPECT_EQ(w.SideOnMove, c.first);
    EXPECT_EQ(w.GameHeader.GermanCpu, c.germanCpu);
    EXPECT_EQ(w.GameHeader.SovietCpu, c.sovietCpu);
    EXPECT_EQ(w.GameHeader.TurnLength, 1);
    EXPECT_EQ(w.ScreenFlags[kFlagComputerTurn] == 1, c.computerTurn);
    EXPECT_EQ(w.ScreenFlags[kFlagZoom] == 2, !c.computerTurn);
  }
}

TEST(TitleScreen, StartDrawsTheAtlasAndTheOverview) {
  GameHarness g;
  g.StartGame();
  const OffscreenPictures& p = g.Ctx().pictures;
  EXPECT_EQ(p.Map1Surface, p.TerrainAtlas);
  EXPECT_EQ(p.TheatreSurface, p.OverviewPicture);
  // Cell (0, 30) fills the picture's top-left square, (359, 329) its bottom-right one.
  const TDirectDrawSurface& overview = *p.OverviewPicture;
  EXPECT_NE(overview.Pixel(0, 0), 0u);
  EXPECT_NE(overview.Pixel(719, 599), 0u);
}

TEST(TitleScreen, TheParadeMovesOneSlotIn40Frames) {
  GameHarness g;
  const auto before = g.Ui().ParadeSlots;
  g.Frames(39);
  EXPECT_EQ(g.Ui().ParadeOffset, -39);
  EXPECT_EQ(g.Ui().ParadeSlots, before);
  g.Frames(1);
  EXPECT_EQ(g.Ui().ParadeOffset, 0);
  EXPECT_EQ(g.Ui().ParadeSlots[0], before[1]);
  EXPECT_GT(g.Ui().ParadeSlots[15], before[15]);
}

TEST(TitleScreen, TheTitleLinePressOpensTheGuidesAboutSection) {
  GameHarness g;
  g.MoveTo(Middle(kTitleLink));
  g.Press(kMouseLeft);
  ASSERT_EQ(g.Platform().OpenedAddresses().size(), 1u);
  EXPECT_EQ(g.Platform().OpenedAddresses()[0],
            "file://" + (g.Folder() / "help" / "gvm.htm").string() + "#about");
  g.Frames(1);
  EXPECT_EQ(g.Ui().CursorShape, kCursorHand);
}

TEST(FinalScreen, StaysAfterTheWarAndExitLeavesTheGame) {
  GameHarness g;
  g.StartGame();
  World& w = g.W();
  w.WarResult = 3;
  ShowFinalScreen(w);
  g.Frames(60);
  EXPECT_EQ(w.ScreenFlags[kFlagScreen], 2);
  // Just left of Exit, then its top-left corner.
  g.MoveTo(kFinalExitButton.left - 1, Middle(kFinalExitButton).y);
  g.Click(kFinalExitButton.left - 1, Middle(kFinalExitButton).y);
  EXPECT_FALSE(g.Window().QuitRequested());
  g.MoveTo(kFinalExitButton.left, kFinalExitButton.top);
  g.Click(kFinalExitButton.left, kFinalExitButton.top);
  EXPECT_TRUE(g.Window().QuitRequested());
}

}  // namespace
}  // namespace gm
