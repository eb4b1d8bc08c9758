// Pictures of every screen for people to look at, written to build/review/screens/ (`make
// review`): the settings dialog, the title, the map views and layers, the computer's turn, the
// pages and the three endings.
#include "flow/screen_flags.hpp"
#include "review_clicks.hpp"
#include "review_sets.hpp"
#include "tests/support/game_harness.hpp"
#include "ui/screens/title_screen.hpp"
#include "ui/settings_dialog.hpp"

namespace gm {
namespace {

using testing::GameHarness;

}  // namespace

std::string review::DialogTitleAndEndings() {
  GameHarness g;
  SettingsDialog dialog{LaunchOptions{}};
  dialog.MouseMove(400, 300);
  dialog.Draw(g.Ctx());
  g.Window().Display().Flip();
  g.Dump("settings_dialog");
  g.MoveTo(testing::Inside(kTitleLink, 97, 5));
  g.Frames(30);
  g.Dump("title");
  // No program opened the guide, which lies in a deep folder: its path in place of the foot line.
  g.Platform().ScriptOpenings(OpenOutcome::kFailed);
  const std::filesystem::path folder = g.Platform().ProgramFolder();
  g.Platform().SetProgramFolder(
      "/home/a-player-with-a-long-name/games/strategy/the-eastern-front/"
      "gravmark-1941-45/build");
  g.Press(kMouseLeft);
  g.Release(kMouseLeft);
  g.Frames(2);
  g.Dump("title_guide_not_opened");
  g.Platform().SetProgramFolder(folder);
  for (std::uint8_t result = 1; result <= 3; ++result) {
    g.W().WarResult = result;
    ShowFinalScreen(g.W());
    g.Frames(3);
    g.Dump("final_" + std::to_string(result));
  }
  return {};
}

std::string review::MapViewsAndTheComputersTurn() {
  GameHarness g;
  g.StartGame();
  g.MoveTo(400, 300);
  g.Frames(2);
  g.Dump("battlefield");
  // The first German formation of the view, selected, with its reach.
  World& w = g.W();
  for (int r = 0; r < 9 && w.Selection[0] == 0; ++r) {
    for (int c = 0; c < 12 && w.Selection[0] == 0; ++c) {
      g.MoveTo(testing::ViewCellMiddle(c, r));
      g.Click(testing::ViewCellMiddle(c, r));
      g.Frames(1);
    }
  }
  g.Frames(1);
  g.Dump("battlefield_selected");
  g.Press(kMouseRight);
  g.Frames(1);
  g.Dump("unit_card");
  g.Release(kMouseRight);
  review::PressSidebar(g, kLayerButton);
  g.Dump("battlefield_air");
  review::PressSidebar(g, kLayerButton);
  review::PressSidebar(g, kZoomButton);
  g.Dump("map1");
  review::PressSidebar(g, kZoomButton);
  g.Dump("map2");
  review::PressSidebar(g, kZoomButton);
  g.MoveTo(testing::Inside(SidebarButtonRect(kZoomButton), 20, 17));
  g.Frames(1);
  g.Dump("tooltip");
  w.GameHeader.GermanCpu = 1;
  EnterComputerTurn(w);
  g.Frames(40);
  g.Dump("computer_turn");
  return {};
}

}  // namespace gm
