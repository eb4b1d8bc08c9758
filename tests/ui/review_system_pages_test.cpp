// Pictures of the Options, Save/Load, End turn, Help and Quit pages for people to look at, in
// build/review/screens/ (`make review`). They check only that each page draws.
#include <gtest/gtest.h>

#include <filesystem>

#include "system_pages.hpp"

namespace gm {
namespace {

using testing::GameHarness;
using testing::OpenFromSidebar;

void Look(GameHarness& g, int x, int y, const std::string& name) {
  g.MoveTo(x, y);
  g.Frames(2);
  g.Dump(name);
}

TEST(ReviewScreens, SystemPages) {
  GameHarness g;
  g.StartGame();
  OpenFromSidebar(g, kOptionsButton);
  g.Click(415, 137);
  Look(g, 440, 107, "options");
  g.Click(360, 450);

  OpenFromSidebar(g, kSaveLoadButton);
  g.Click(570, 100);
  g.Click(450, 150);  // slot 2
  g.W().GameHeader.TurnLength = 1;
  g.Click(450, 270);  // slot 4, fast mode
  Look(g, 450, 210, "save_load_save_mode");
  // A save that cannot be written: a folder stands where the new file would go.
  std::filesystem::create_directories(g.Folder() / "slot2.sav.tmp" / "in-the-way");
  g.Click(450, 150);
  Look(g, 450, 150, "save_load_failed_save");
  g.Click(570, 100);
  Look(g, 570, 300, "save_load_load_mode");
  g.Click(360, 450);
  // A save cut short lists as damaged; loading a free slot says there is nothing to load, and
  // loading the damaged one says why not.
  std::filesystem::copy_file(g.Folder() / "slot4.sav", g.Folder() / "slot5.sav");
  std::filesystem::resize_file(g.Folder() / "slot5.sav", 5000);
  OpenFromSidebar(g, kSaveLoadButton);
  g.Click(450, 210);  // slot 3, free
  Look(g, 450, 210, "save_load_free_slot_loaded");
  g.Click(450, 330);  // slot 5, damaged
  Look(g, 450, 330, "save_load_damaged_slot_loaded");
  g.Click(360, 450);

  OpenFromSidebar(g, kEndTurnButton);
  g.Click(420, 337);
  Look(g, 240, 450, "end_turn");
  g.Click(480, 450);

  OpenFromSidebar(g, kHelpButton);
  for (int page = 1; page <= 6; ++page) {
    g.Click(600, 60 * page + 30);
    Look(g, page == 6 ? 300 : 600, page == 6 ? 350 : 60 * page + 30,
         "help_" + std::to_string(page));
  }
  g.Click(360, 450);

  OpenFromSidebar(g, kQuitButton);
  Look(g, 480, 450, "quit");
  EXPECT_FALSE(g.Window().QuitRequested());
}

}  // namespace
}  // namespace gm
