// The last stages of a frame: the blink clock, the date shown only on the game screen, the
// frame-rate and clock switches, and the glyph text and hover bar they are drawn with.
#include "ui/screens/overlay.hpp"

#include <gtest/gtest.h>

#include "flow/screen_flags.hpp"
#include "tests/support/game_harness.hpp"
#include "ui/glyph_text.hpp"

namespace gm {
namespace {

using testing::GameHarness;

// Whether a change shows: the same frame drawn twice from the same window state, the second
// time with the change made.
template <class Change>
bool FrameChanges(GameHarness& g, Change change) {
  g.Frames(1);
  const UiState kept = g.Ui();
  g.Frames(1);
  const std::uint64_t before = g.Platform().FrameHashes().back();
  g.Ui() = kept;
  change();
  g.Frames(1);
  return g.Platform().FrameHashes().back() != before;
}

TEST(Overlay, BlinkTogglesWhenTheFrameCountReachesTheFrameRate) {
  GameHarness g;
  // Before the timer has measured a rate the phase flips every frame.
  const std::uint8_t first = g.Ui().BlinkPhase;
  g.Frames(1);
  EXPECT_NE(g.Ui().BlinkPhase, first);
  EXPECT_EQ(g.Ui().FrameCount, 0);
  // A measured rate of 50 (20 ms frames over a second) flips it once in 50 frames.
  g.Frames(60);
  ASSERT_EQ(g.Window().Timer().FrameRate(), 50);
  const std::uint8_t phase = g.Ui().BlinkPhase;
  g.Ui().FrameCount = 0;
  g.Frames(49);
  EXPECT_EQ(g.Ui().BlinkPhase, phase);
  g.Frames(1);
  EXPECT_NE(g.Ui().BlinkPhase, phase);
}

TEST(Overlay, DateOnlyOnTheGameScreenRateAndClockWhenSwitchedOn) {
  GameHarness g;
  EXPECT_FALSE(FrameChanges(g, [&] { g.W().GameHeader.Day = 23; })) << "title shows no date";
  EXPECT_TRUE(FrameChanges(g, [&] { g.Ui().ShowFps = 1; }));
  EXPECT_TRUE(FrameChanges(g, [&] {
    g.Ui().ShowClock = 1;
    g.Platform().VirtualClock().SetMillisecondsOfDay(3'600'000);
  }));
  g.StartGame();
  EXPECT_TRUE(FrameChanges(g, [&] { g.W().GameHeader.Day = 24; }));
  EXPECT_EQ(ClockText((9 * 3600 + 5 * 60 + 7) * 1000 + 999), "9:5:7");
}

TEST(Overlay, GlyphTextAndHoverBarGeometry) {
  GameHarness g;
  UiContext& ctx = g.Ctx();
  TDirectDrawSurface& back = ctx.Back();
  const auto inkWidth = [&](auto draw) {
    back.Fill(0);
    draw();
    int right = -1;
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 400; ++x) {
        if (back.Pixel(x, y) != 0) right = std::max(right, x);
      }
    }
    return right;
  };
  EXPECT_EQ(inkWidth([&] { DrawGlyphText(ctx, "", 0, 0, 1); }), -1);
  EXPECT_EQ(inkWidth([&] { DrawGlyphText(ctx, "MMMM", 0, 0, 0); }), -1);
  EXPECT_EQ(inkWidth([&] { DrawGlyphText(ctx, "MMMM", 0, 0, 6); }), -1);
  const int narrow = inkWidth([&] { DrawGlyphText(ctx, "MMMM", 0, 0, 1); });
  const int wide = inkWidth([&] { DrawGlyphText(ctx, "MMMM", 0, 0, 3); });
  EXPECT_LT(narrow, 24);
  EXPECT_GE(wide, 36);
  EXPECT_LT(inkWidth([&] { DrawHoverBar(ctx, 0, 0, 1); }), 30);
  EXPECT_LT(inkWidth([&] { DrawHoverBar(ctx, 0, 0, 0); }), 15);
  EXPECT_GE(inkWidth([&] { DrawHoverBar(ctx, 0, 0, 4); }), 60);
}

}  // namespace
}  // namespace gm
