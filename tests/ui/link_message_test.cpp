// Links that open nothing, or whose opener still runs when the game stops waiting: the Help page
// and the title show where the guide lies, in room of their own, for as long as the page stands;
// a path of any length and script fits.
#include "ui/screens/link_message.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "flow/screen_flags.hpp"
#include "tests/support/system_pages.hpp"
#include "ui/glyph_text.hpp"
#include "ui/pointer_input.hpp"
#include "ui/screens/help_page.hpp"
#include "ui/screens/page_window.hpp"
#include "ui/screens/title_screen.hpp"
#include "ui/ui_texts.hpp"

namespace gm {
namespace {

using testing::GameHarness;
using testing::Middle;
using testing::OpenFromSidebar;
using testing::ScreenPoint;

// The pixels of a band of the back buffer, row by row.
std::vector<TColor> Pixels(GameHarness& g, int left, int top, int right, int bottom) {
  std::vector<TColor> p;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) p.push_back(g.PixelAt(x, y));
  }
  return p;
}

// A press and release of the left button on a link, which opens on the press.
void PressLink(GameHarness& g, ScreenPoint link) {
  g.MoveTo(link);
  g.Press(kMouseLeft);
  g.Release(kMouseLeft);
}

// Where each screen's message stands (the whole room it may take).
struct Room {
  int left, top, right, bottom;
};
constexpr Room kHelpRoom{72, 478, 700, 536};
constexpr Room kTitleRoom{106, 544, 694, 600};

std::vector<TColor> Pixels(GameHarness& g, const Room& r) {
  return Pixels(g, r.left, r.top, r.right, r.bottom);
}

// A game on the Help page's topic 6, whose links open the guide, openings ending as scripted.
void OpenTheGuidesTopic(GameHarness& g, OpenOutcome outcome, int pendingPolls) {
  g.Platform().ScriptOpenings(outcome, pendingPolls);
  g.StartGame();
  OpenFromSidebar(g, kHelpButton);
  g.Click(Middle(HelpTopicRect(6)));
}

TEST(LinkMessage, AGuideNoProgramOpenedIsShownOnTheHelpPageUntilItCloses) {
  struct Case {
    const char* what;
    int page;
    HitRect link;
    OpenOutcome outcome;  // how each opening ends
    int pendingPolls;     // frames it takes
    bool shown;
  };
  constexpr int kLonger = 1000;                      // than the frames the test runs
  std::map<OpenOutcome, std::vector<TColor>> shown;  // the room as each outcome shows it
  const Case cases[] = {
      {"the guide, failed at once", 6, kHelpGuideLink, OpenOutcome::kFailed, 0, true},
      {"the guide, failed a second later", 6, kHelpGuideLink, OpenOutcome::kFailed, 50, true},
      {"About on page 6, failed", 6, kHelpAboutLink6, OpenOutcome::kFailed, 3, true},
      {"About on page 1, failed", 1, kHelpAboutLink, OpenOutcome::kFailed, 0, true},
      {"opened", 6, kHelpGuideLink, OpenOutcome::kOpened, 5, false},
      {"opener still running", 6, kHelpGuideLink, OpenOutcome::kUnconfirmed, 5, true},
      {"still pending", 6, kHelpGuideLink, OpenOutcome::kFailed, kLonger, false},
  };
  for (const Case& c : cases) {
    GameHarness g;
    g.Platform().ScriptOpenings(c.outcome, c.pendingPolls);
    g.StartGame();
    OpenFromSidebar(g, kHelpButton);
    g.Click(Middle(HelpTopicRect(c.page)));
    g.MoveTo(Middle(kHelpGuideLink).x, 10);  // off every link and button
    g.Frames(2);
    const std::vector<TColor> before = Pixels(g, kHelpRoom);
    // The whole page but the room, to see that the message hides nothing drawn.
    const std::vector<TColor> pageBefore = Pixels(g, 0, 0, 720, kHelpRoom.top);
    PressLink(g, Middle(c.link));
    g.MoveTo(Middle(kHelpGuideLink).x, 10);
    g.Frames(std::min(c.pendingPolls, 60) + 2);
    EXPECT_EQ(g.Ui().LinkMessage, c.shown ? GuidePath(g.Platform()) : "") << c.what;
    EXPECT_EQ(Pixels(g, kHelpRoom) != before, c.shown) << c.what;
    EXPECT_EQ(Pixels(g, 0, 0, 720, kHelpRoom.top), pageBefore) << c.what;
    if (!c.shown) continue;
    shown[c.outcome] = Pixels(g, kHelpRoom);
    // Ten seconds later it still stands, over every topic.
    for (int t = 1; t <= kHelpPageCount; ++t) {
      g.Click(Middle(HelpTopicRect(t)));
      g.MoveTo(Middle(kHelpGuideLink).x, 10);
      g.Frames(100);
      EXPECT_NE(Pixels(g, kHelpRoom), before) << c.what << ", topic " << t;
    }
    // Closed and opened again, the page is as it was.
    g.Click(Middle(kCloseButton));
    g.Frames(1);
    OpenFromSidebar(g, kHelpButton);
    g.Click(Middle(HelpTopicRect(c.page)));
    g.MoveTo(Middle(kHelpGuideLink).x, 10);
    g.Frames(2);
    EXPECT_EQ(Pixels(g, kHelpRoom), before) << c.what;
  }
  EXPECT_NE(shown[OpenOutcome::kFailed], shown[OpenOutcome::kUnconfirmed]);
}

TEST(LinkMessage, AnOutcomeThatComesAfterItsPageWasLeftShowsNothing) {
  GameHarness g;
  OpenTheGuidesTopic(g, OpenOutcome::kFailed, 20);
  PressLink(g, Middle(kHelpGuideLink));
  g.Click(Middle(kCloseButton));
  g.Frames(30);
  EXPECT_EQ(g.Ui().LinkMessage, "");
  OpenFromSidebar(g, kHelpButton);
  g.Frames(2);
  EXPECT_EQ(g.Ui().LinkMessage, "");
}

// A close of the window brings the Quit page over the Help page; its No brings the page back, and
// the message of an opening that failed meanwhile with it.
TEST(LinkMessage, AnOutcomeThatComesUnderTheQuitPageStandsOnTheHelpPagesReturn) {
  GameHarness g;
  OpenTheGuidesTopic(g, OpenOutcome::kFailed, 20);
  g.MoveTo(Middle(kHelpGuideLink).x, 10);
  g.Frames(2);
  const std::vector<TColor> before = Pixels(g, kHelpRoom);
  PressLink(g, Middle(kHelpGuideLink));
  testing::RequestClose(g);
  ASSERT_EQ(g.W().ScreenFlags[kFlagQuit], kPageOpen);
  g.Frames(30);
  g.MoveTo(Middle(kRightButton));
  g.Click(Middle(kRightButton));  // No
  g.MoveTo(Middle(kHelpGuideLink).x, 10);
  g.Frames(2);
  ASSERT_EQ(g.W().ScreenFlags[kFlagHelp], kPageOpen);
  EXPECT_EQ(g.Ui().LinkMessage, GuidePath(g.Platform()));
  EXPECT_NE(Pixels(g, kHelpRoom), before);
}

// An opener still running when the game stopped waiting (as like as not the browser it started)
// holds back no later link; three of them do, each press showing the path, until they end.
TEST(LinkMessage, OpenersLeftRunningHoldBackLinksOnlyOnceThreeStand) {
  GameHarness g;
  OpenTheGuidesTopic(g, OpenOutcome::kUnconfirmed, 5);
  for (int press = 1; press <= 5; ++press) {
    PressLink(g, Middle(press % 2 ? kHelpGuideLink : kHelpAboutLink6));
    g.MoveTo(Middle(kHelpGuideLink).x, 10);
    g.Frames(8);
    EXPECT_EQ(g.Platform().OpeningsStarted(), std::min(press, 3)) << press;
    EXPECT_EQ(g.Ui().LinkMessage, GuidePath(g.Platform())) << press;
    EXPECT_TRUE(g.Ui().LinkUnconfirmed) << press;
  }
  g.Platform().EndOpenersLeftRunning();
  g.Platform().ScriptOpenings(OpenOutcome::kOpened);
  PressLink(g, Middle(kHelpGuideLink));
  g.Frames(2);
  EXPECT_EQ(g.Platform().OpeningsStarted(), 4);
  EXPECT_EQ(g.Ui().LinkMessage, "");
}

TEST(LinkMessage, TheTitleShowsItInPlaceOfItsFootLineUntilStart) {
  struct Case {
    OpenOutcome outcome;
    int pendingPolls;
  };
  std::map<OpenOutcome, std::vector<TColor>> shown;
  for (const Case& c : {Case{OpenOutcome::kFailed, 0}, Case{OpenOutcome::kFailed, 50},
                        Case{OpenOutcome::kOpened, 10}, Case{OpenOutcome::kUnconfirmed, 10}}) {
    const bool failed = c.outcome != OpenOutcome::kOpened;
    GameHarness g;
    g.Platform().ScriptOpenings(c.outcome, c.pendingPolls);
    g.MoveTo(Middle(kStartButton));
    g.Frames(2);
    const std::vector<TColor> before = Pixels(g, kTitleRoom);
    PressLink(g, Middle(kTitleLink));
    g.MoveTo(Middle(kStartButton));
    g.Frames(c.pendingPolls + 2);
    EXPECT_EQ(g.Ui().LinkMessage, failed ? GuidePath(g.Platform()) : "");
    EXPECT_EQ(Pixels(g, kTitleRoom) != before, failed) << c.pendingPolls;
    shown[c.outcome] = Pixels(g, kTitleRoom);
    g.Frames(500);
    EXPECT_EQ(Pixels(g, kTitleRoom) != before, failed) << "ten seconds later";
    // A second press that opens clears it.
    g.Platform().ScriptOpenings(OpenOutcome::kOpened);
    PressLink(g, Middle(kTitleLink));
    g.MoveTo(Middle(kStartButton));
    g.Frames(2);
    EXPECT_EQ(Pixels(g, kTitleRoom), before);
  }
  EXPECT_NE(shown[OpenOutcome::kFailed], shown[OpenOutcome::kUnconfirmed]);
}

TEST(LinkMessage, APathOfAnyLengthFitsTwoLines) {
  const std::string folder44 = "/home/player/games/strategy/eastern-front/gm";  // 44
  struct Case {
    std::string path;
    std::size_t glyphs;  // large glyphs a line
    int font;
    std::vector<std::string> lines;
  };
  const std::string tail = "/help/gvm.htm";
  const std::string longWord(100, 'x');
  const std::string longest = "/a" + std::string(300, 'y') + tail;
  std::string d;  // two bytes a character: a line never ends inside one
  for (int i = 0; i < 300; ++i) d += "д";
  const Case cases[] = {
      {"/games/gm/help/gvm.htm", 52, 5, {"/games/gm/help/gvm.htm"}},
      {folder44 + tail, 52, 5, {folder44 + "/help/", "gvm.htm"}},
      {folder44 + tail, 49, 5, {folder44 + "/", "help/gvm.htm"}},
      {"/" + std::string(60, 'a') + tail,
       52,
       5,
       {"/" + std::string(51, 'a'), std::string(9, 'a') + tail}},
      {"/" + longWord + tail, 52, 2, {"/" + longWord + "/", "help/gvm.htm"}},
      {"/" + longWord + "xx" + std::string(20, 'z') + tail,
       52,
       2,
       {"/" + longWord + "xxz", std::string(19, 'z') + tail}},
      // Broken after its '/'s it would take three lines, but whole it fits two: nothing lost.
      {"/" + std::string(50, 'a') + "/" + std::string(103, 'b') + "/gvm.htm",
       52,
       2,
       {"/" + std::string(50, 'a') + "/" + std::string(52, 'b'),
        std::string(51, 'b') + "/gvm.htm"}},
      {longest, 52, 2, {}},
      {"/" + d.substr(0, 120) + tail, 52, 2, {"/" + d.substr(0, 102), d.substr(0, 18) + tail}},
      {"/" + d + tail, 52, 2, {"/" + d.substr(0, 102), "..." + d.substr(0, 88) + tail}},
  };
  for (const Case& c : cases) {
    const PathLines fitted = FitPathLines(c.path, c.glyphs);
    EXPECT_EQ(fitted.font, c.font) << c.path;
    ASSERT_LE(fitted.lines.size(), 2u) << c.path;
    const std::size_t room = c.glyphs * 12 / static_cast<std::size_t>(GlyphAdvance(fitted.font));
    for (const std::string& line : fitted.lines) EXPECT_LE(line.size(), room) << line;
    if (!c.lines.empty()) {
      EXPECT_EQ(fitted.lines, c.lines) << c.path;
      continue;
    }
    // Cut: its beginning and the file's name are kept around the gap.
    const std::string joined = fitted.lines[0] + fitted.lines[1];
    EXPECT_EQ(joined.size(), 2 * room);
    EXPECT_EQ(joined.rfind("/ayyy", 0), 0u) << joined;
    EXPECT_NE(joined.find("..."), std::string::npos) << joined;
    EXPECT_TRUE(joined.ends_with(tail)) << joined;
  }
}

}  // namespace
}  // namespace gm
