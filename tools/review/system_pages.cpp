// Pictures of the Options, Save/Load, End turn, Help and Quit pages for people to look at, in
// build/review/screens/ (`make review`).
#include "tests/support/system_pages.hpp"

#include <filesystem>
#include <fstream>

#include "review_sets.hpp"
#include "tests/support/file_size_limit.hpp"
#include "ui/screens/end_turn_page.hpp"
#include "ui/screens/help_page.hpp"
#include "ui/screens/options_page.hpp"
#include "ui/screens/page_window.hpp"
#include "ui/screens/save_load_page.hpp"

namespace gm {
namespace {

using testing::GameHarness;
using testing::Inside;
using testing::Middle;
using testing::OpenFromSidebar;
using testing::ScreenPoint;

void Look(GameHarness& g, ScreenPoint at, const std::string& name) {
  g.MoveTo(at);
  g.Frames(2);
  g.Dump(name);
}

}  // namespace

std::string review::SystemPages() {
  GameHarness g;
  g.StartGame();
  OpenFromSidebar(g, kOptionsButton);
  g.Click(Middle(SwitchHalf(kGridSwitchY, 1)));
  Look(g, Inside(kSpeedScale, 40, 7), "options");
  g.Click(Middle(kCloseButton));

  OpenFromSidebar(g, kSaveLoadButton);
  g.Click(Middle(kSaveModeColumn));
  g.Click(Middle(SaveSlotRect(2)));
  g.W().GameHeader.TurnLength = 1;
  g.Click(Middle(SaveSlotRect(4)));  // fast mode
  Look(g, Middle(SaveSlotRect(3)), "save_load_save_mode");
  // A save that cannot be written, as on a full disk where a killed save left its temporary file.
  std::ofstream(g.Folder() / "slot2.sav.gravmark-Killed.tmp") << "half a save";
  {
    const testing::FileSizeLimit fullDisk;
    g.Click(Middle(SaveSlotRect(2)));
  }
  Look(g, Middle(SaveSlotRect(2)), "save_load_failed_save");
  g.Click(Middle(kSaveModeColumn));
  Look(g, Inside(kSaveModeColumn, 30, 240), "save_load_load_mode");
  g.Click(Middle(kCloseButton));
  // A save cut short lists as damaged; loading a free slot says there is nothing to load, and
  // loading the damaged one says why not.
  std::filesystem::copy_file(g.Folder() / "slot4.sav", g.Folder() / "slot5.sav");
  std::filesystem::resize_file(g.Folder() / "slot5.sav", 5000);
  OpenFromSidebar(g, kSaveLoadButton);
  g.Click(Middle(SaveSlotRect(3)));  // free
  Look(g, Middle(SaveSlotRect(3)), "save_load_free_slot_loaded");
  g.Click(Middle(SaveSlotRect(5)));  // damaged
  Look(g, Middle(SaveSlotRect(5)), "save_load_damaged_slot_loaded");
  g.Click(Middle(kCloseButton));

  OpenFromSidebar(g, kEndTurnButton);
  g.Click(Middle(SwitchHalf(kAiCompletesSwitchY, 1)));
  Look(g, Middle(kLeftButton), "end_turn");
  g.Click(Middle(kRightButton));

  OpenFromSidebar(g, kHelpButton);
  for (int page = 1; page <= 6; ++page) {
    g.Click(Middle(HelpTopicRect(page)));
    // Page 6 with the pointer on its guide link.
    Look(g, page == 6 ? Inside(kHelpGuideLink, 199, 6) : Middle(HelpTopicRect(page)),
         "help_" + std::to_string(page));
  }
  // No program opened the guide: the page says where it lies. A fixed folder in place of the
  // harness's temporary one keeps the picture the same from run to run.
  g.Platform().ScriptOpenings(OpenOutcome::kFailed);
  const std::filesystem::path folder = g.Platform().ProgramFolder();
  g.Platform().SetProgramFolder("/home/player/games/gravmark");
  g.MoveTo(Middle(kHelpGuideLink));
  g.Press(kMouseLeft);
  g.Release(kMouseLeft);
  Look(g, Middle(HelpTopicRect(6)), "help_6_guide_not_opened");
  g.Platform().SetProgramFolder(folder);
  g.Click(Middle(kCloseButton));

  OpenFromSidebar(g, kQuitButton);
  Look(g, Middle(kRightButton), "quit");
  return {};
}

}  // namespace gm
