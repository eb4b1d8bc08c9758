// The Help page's topics and link lines, Quit's Yes and No, the final screen's Exit, and the
// whole road from a running game to a closed program.
#include <gtest/gtest.h>

#include <random>

#include "flow/screen_flags.hpp"
#include "tests/support/system_pages.hpp"
#include "ui/pointer_input.hpp"
#include "ui/screens/final_screen.hpp"
#include "ui/screens/help_page.hpp"
#include "ui/screens/page_window.hpp"
#include "ui/screens/save_load_page.hpp"
#include "ui/screens/title_screen.hpp"
#include "ui/ui_texts.hpp"
#include "world/save_slots.hpp"

namespace gm {
namespace {

using testing::CountSounds;
using testing::GameHarness;
using testing::Middle;
using testing::OpenFromSidebar;

TEST(HelpPage, TopicButtonsChooseTheirPage) {
  struct Case {
    int x, y;
    int page;  // 0: no topic
  };
  const Case cases[] = {{560, 70, 1},  {639, 109, 1}, {600, 130, 2}, {600, 190, 3},
                        {600, 289, 4}, {600, 310, 5}, {600, 409, 6}, {559, 90, 0},
                        {640, 90, 0},  {600, 110, 0}, {600, 129, 0}, {600, 410, 0}};
  GameHarness g;
  g.StartGame();
  OpenFromSidebar(g, kHelpButton);
  for (const Case& c : cases) {
    g.Ui().HelpPage = 0;  // no topic: a click that misses leaves it so
    g.Click(c.x, c.y);
    EXPECT_EQ(g.Ui().HelpPage, c.page) << c.x << "," << c.y;
  }
  // Close, then the page opens on its first topic again.
  g.Ui().HelpPage = 5;
  g.Click(Middle(kCloseButton));
  EXPECT_EQ(g.W().ScreenFlags[kFlagHelp], kPageLive);
  OpenFromSidebar(g, kHelpButton);
  EXPECT_EQ(g.Ui().HelpPage, 1);
}

TEST(HelpPage, LinkLinesOpenTheGuideOrItsAboutSection) {
  struct Case {
    int page;
    int x, y;
    int opened;  // 0 nothing, 1 the guide, 2 its About section
  };
  const Case cases[] = {{1, 209, 104, 2}, {1, 403, 118, 2}, {1, 404, 110, 0}, {1, 300, 119, 0},
                        {6, 101, 344, 1}, {6, 504, 358, 1}, {6, 300, 365, 0}, {6, 197, 376, 2},
                        {6, 391, 390, 2}, {6, 392, 380, 0}, {2, 300, 350, 0}, {5, 300, 110, 0}};
  GameHarness g;
  g.StartGame();
  OpenFromSidebar(g, kHelpButton);
  const auto& opened = g.Platform().OpenedAddresses();
  for (const Case& c : cases) {
    g.Ui().HelpPage = static_cast<std::uint8_t>(c.page);
    const std::size_t before = opened.size();
    g.MoveTo(c.x, c.y);
    g.Press(kMouseLeft);
    g.Release(kMouseLeft);
    if (c.opened == 0) {
      EXPECT_EQ(opened.size(), before) << c.page << ": " << c.x << "," << c.y;
      continue;
    }
    ASSERT_EQ(opened.size(), before + 1) << c.page << ": " << c.x << "," << c.y;
    const std::string want =
        c.opened == 1 ? GuideAddress(g.Platform()) : AboutAddress(g.Platform());
    EXPECT_EQ(opened.back(), want);
  }
}

// The link texts lie inside the areas the press opens: glyphs of 12 pixels from the line's x.
TEST(HelpPage, LinkTextsStandInsideTheirAreas) {
  struct Case {
    int page, line, x;
    int left, right;
  };
  const Case cases[] = {{1, kAboutLinkLine, 84, kHelpAboutLink.left, kHelpAboutLink.right},
                        {6, kGuideLinkLine, 72, kHelpGuideLink.left, kHelpGuideLink.right},
                        {6, kAboutLinkLine6, 72, kHelpAboutLink6.left, kHelpAboutLink6.right}};
  for (const Case& c : cases) {
    const std::string_view text = HelpPageLine(c.page, c.line);
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    ASSERT_NE(first, std::string_view::npos);
    EXPECT_GE(c.x + 12 * static_cast<int>(first), c.left) << text;
    EXPECT_LE(c.x + 12 * static_cast<int>(last + 1) - 1, c.right) << text;
  }
}

TEST(QuitPage, NoGoesBackAndYesLeavesTheGame) {
  for (const std::uint8_t sound : {0, 1}) {
    LaunchOptions options = testing::ScriptedOptions();
    options.settings.soundOn = sound;
    GameHarness g(options);
    g.StartGame();
    OpenFromSidebar(g, kQuitButton);
    const int clicks = CountSounds(g, "click");
    g.Click(Middle(kRightButton));  // No
    EXPECT_EQ(g.W().ScreenFlags[kFlagQuit], kPageLive);
    EXPECT_FALSE(g.Window().QuitRequested());
    OpenFromSidebar(g, kQuitButton);
    g.Click(kLeftButton.right, kLeftButton.bottom);  // Yes, at its corner
    EXPECT_TRUE(g.Window().QuitRequested());
    EXPECT_EQ(CountSounds(g, "click"), sound ? clicks + 3 : 0);
    g.Window().Leave();
    EXPECT_FALSE(g.Platform().WindowOpen());
    EXPECT_FALSE(g.Platform().MusicPlaying());
    EXPECT_FALSE(g.Platform().AudioRunning());
  }
}

TEST(FinalScreen, ExitLeavesTheGameWithOrWithoutSound) {
  for (const std::uint8_t sound : {0, 1}) {
    LaunchOptions options = testing::ScriptedOptions();
    options.settings.soundOn = sound;
    GameHarness g(options);
    g.StartGame();
    g.W().WarResult = 2;
    ShowFinalScreen(g.W());
    g.Frames(1);
    const std::size_t musicCalls = g.Platform().MusicCalls().size();
    g.Click(kFinalExitButton.right, kFinalExitButton.bottom);
    EXPECT_TRUE(g.Window().QuitRequested());
    EXPECT_EQ(CountSounds(g, "click"), sound ? 1 : 0);
    g.Window().Leave();
    EXPECT_FALSE(g.Platform().WindowOpen());
    EXPECT_FALSE(g.Platform().MusicPlaying());
    if (sound == 0) {
      EXPECT_EQ(g.Platform().MusicCalls().size(), musicCalls);
    }
  }
}

// The program as a player runs it: start, save into slot 1, quit by Yes; the status is 0, the
// window is closed, the music stopped, and the save loads.
TEST(QuitPage, TheProgramEndsCleanlyAndKeepsWhatWasSaved) {
  std::random_device rd;
  const auto folder =
      std::filesystem::temp_directory_path() / ("gravmark-quit-" + std::to_string(rd()));
  std::filesystem::create_directories(folder);
  std::filesystem::create_directory_symlink(testing::BuildFolder() / "data", folder / "data");
  {
    HeadlessPlatform platform;
    platform.SetProgramFolder(folder);
    platform.SetKeptFrames(1);
    PosixFileSystem fs(folder.string() + "/");
    MainWindow window(platform, fs);
    const auto sidebar = [&platform](int button) {
      platform.Click(testing::kSidebarClickX, testing::SidebarClickY(button));
    };
    const auto click = [&platform](const HitRect& area) {
      platform.Click(Middle(area).x, Middle(area).y);
    };
    click(kStartButton);
    sidebar(kSaveLoadButton);
    click(kSaveModeColumn);
    click(SaveSlotRect(1));
    click(kCloseButton);
    sidebar(kQuitButton);
    click(kLeftButton);  // Yes
    EXPECT_EQ(window.Run(testing::ScriptedOptions()), 0);
    EXPECT_FALSE(platform.WindowOpen());
    EXPECT_FALSE(platform.MusicPlaying());
    auto w = std::make_unique<World>();
    EXPECT_TRUE(LoadGameFile(*w, fs, fs.ProgramFolder() + "slot1.sav").IsOk());
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace gm
