// A request to close the window, screen by screen: where a human's game would be lost it opens
// the Quit page (after a running animation), elsewhere it ends the game, and a second request
// ends it once that page has stood a moment; the Quit page's No brings back the screen it opened
// over; in the settings dialog it is the dialog's Exit.
#include "ui/close_request.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "flow/map_orders.hpp"
#include "flow/screen_flags.hpp"
#include "tests/support/new_unit_game.hpp"
#include "tests/support/system_pages.hpp"
#include "ui/screens/page_window.hpp"

namespace gm {
namespace {

using testing::GameHarness;
using testing::Middle;
using testing::OpenFromSidebar;
using testing::RequestClose;

bool QuitPageOpen(GameHarness& g) {
  return g.W().ScreenFlags[kFlagQuit] == kPageOpen;
}

// The German human ends the turn: the Soviet computer plays.
void EndTurn(GameHarness& g) {
  OpenFromSidebar(g, kEndTurnButton);
  g.Click(Middle(kLeftButton));  // Confirm
  g.Frames(1);
}

LaunchOptions ComputerWar() {
  LaunchOptions o = testing::ScriptedOptions();
  o.settings.germanPlayer = 1;
  return o;
}

struct Screen {
  const char* what;
  LaunchOptions options;
  std::function<void(GameHarness&)> reach;  // from the title screen
  bool computerPlays = false;               // the screen is the computer's turn
};

const Screen kTitle{"title screen", testing::ScriptedOptions(), [](GameHarness&) {}};
const Screen kMap{"map", testing::ScriptedOptions(), [](GameHarness& g) { g.StartGame(); }};
const Screen kMap1{"Map1 on the air layer", testing::ScriptedOptions(), [](GameHarness& g) {
                     g.StartGame();
                     g.W().ScreenFlags[kFlagZoom] = kZoomMap1;
                     g.W().ScreenFlags[kFlagLayer] = kLayerAir;
                   }};
const Screen kOptions{"Options page", testing::ScriptedOptions(), [](GameHarness& g) {
                        g.StartGame();
                        OpenFromSidebar(g, kOptionsButton);
                      }};
const Screen kPlacement{"placement", testing::ScriptedOptions(), [](GameHarness& g) {
                          g.StartGame();
                          (void)testing::EnterPlacement(g);
                        }};
const Screen kComputerTurn{"the computer's turn against a human", testing::ScriptedOptions(),
                           [](GameHarness& g) {
                             g.StartGame();
                             EndTurn(g);
                           },
                           true};
const Screen kComputerWar{"a war of two computer sides", ComputerWar(),
                          [](GameHarness& g) { g.StartGame(); }, true};
const Screen kFinal{"final screen", testing::ScriptedOptions(), [](GameHarness& g) {
                      g.StartGame();
                      g.W().WarResult = 2;
                      ShowFinalScreen(g.W());
                      g.Frames(1);
                    }};
const Screen kQuitPage{"the Quit page from the sidebar", testing::ScriptedOptions(),
                       [](GameHarness& g) {
                         g.StartGame();
                         OpenFromSidebar(g, kQuitButton);
                       }};
const Screen kAnimation{"an action animation", testing::ScriptedOptions(), [](GameHarness& g) {
                          g.StartGame();
                          g.W().ActionTick = 1;  // an animation with nothing to resolve
                          g.W().ActionKind = ActionKind::kNone;
                        }};

TEST(CloseRequest, AsksWhereAHumansGameWouldBeLostAndEndsTheGameElsewhere) {
  struct Case {
    const Screen& screen;
    bool ends;       // the first request ends the game
    bool asks;       // the Quit page stands after it
    bool asksLater;  // it opens the Quit page once the animation has ended
  };
  const Case cases[] = {
      {kTitle, true, false, false},        {kFinal, true, false, false},
      {kComputerWar, true, false, false},  {kQuitPage, true, true, false},
      {kMap, false, true, false},          {kMap1, false, true, false},
      {kOptions, false, true, false},      {kPlacement, false, true, false},
      {kComputerTurn, false, true, false}, {kAnimation, false, false, true},
  };
  for (const Case& c : cases) {
    for (const bool inBackground : {false, true}) {
      SCOPED_TRACE(::testing::Message() << c.screen.what << (inBackground ? ", unfocused" : ""));
      GameHarness g(c.screen.options);
      c.screen.reach(g);
      ASSERT_EQ(g.W().ScreenFlags[kFlagComputerTurn], c.screen.computerPlays ? 1 : 0);
      if (inBackground) g.Platform().PushEvent({.kind = PlatformEvent::Kind::kFocusLost});
      RequestClose(g);
      EXPECT_EQ(g.Window().QuitRequested(), c.ends);
      EXPECT_EQ(QuitPageOpen(g), c.asks);
      g.Frames(5);  // the second click of a double click on the title bar's button, 0.1 s later
      RequestClose(g);
      EXPECT_TRUE(c.ends || g.Window().Timer().Running()) << "no frame shows the Quit page";
      g.Frames(kActionFrames);
      EXPECT_EQ(g.Window().QuitRequested(), c.ends);
      EXPECT_EQ(QuitPageOpen(g), c.asks || c.asksLater);
      // Once that page has stood a moment, a request ends the game wherever the first left it.
      g.Frames(static_cast<int>(kQuitPageMomentMs / g.Window().Timer().Interval()));
      RequestClose(g);
      EXPECT_TRUE(g.Window().QuitRequested());
    }
  }
}

TEST(CloseRequest, TheQuitPagesNoBringsBackTheScreenItOpenedOver) {
  for (const Screen* screen : {&kMap1, &kOptions, &kPlacement, &kComputerTurn}) {
    SCOPED_TRACE(screen->what);
    GameHarness g(screen->options);
    screen->reach(g);
    World& w = g.W();
    const auto shown = w.ScreenFlags;
    const auto saved = w.SavedScreenFlags;
    const auto progress = [&w] { return std::make_pair(w.Ai.AiPass, w.Ai.AiFormationIndex); };
    const auto before = progress();
    RequestClose(g);
    ASSERT_TRUE(QuitPageOpen(g));
    g.Frames(20);
    EXPECT_EQ(progress(), before) << "the computer played on behind the Quit page";
    g.MoveTo(Middle(kRightButton));
    g.Click(Middle(kRightButton));  // No
    g.Frames(1);
    EXPECT_FALSE(g.Window().QuitRequested());
    if (!screen->computerPlays) {
      // The saved flags too: the page's Close, or the placement's end, still finds its map.
      EXPECT_EQ(w.ScreenFlags, shown);
      EXPECT_EQ(w.SavedScreenFlags, saved);
      continue;
    }
    EXPECT_EQ(w.ScreenFlags[kFlagComputerTurn], 1);
    g.Frames(20);
    EXPECT_NE(progress(), before) << "the computer's turn did not go on after No";
  }
}

// The settings dialog's window closed, or the program told to end, is the dialog's Exit.
TEST(CloseRequest, EndsTheSettingsDialogAsItsExit) {
  for (const auto kind : {PlatformEvent::Kind::kCloseRequest, PlatformEvent::Kind::kTerminate}) {
    GameHarness g{testing::ThroughSettingsDialog{}};
    EXPECT_TRUE(g.Window().SettingsDialogFrame(g.Dialog()));
    PlatformEvent e;
    e.kind = kind;
    g.Platform().PushEvent(e);
    EXPECT_FALSE(g.Window().SettingsDialogFrame(g.Dialog())) << static_cast<int>(kind);
  }
}

}  // namespace
}  // namespace gm
