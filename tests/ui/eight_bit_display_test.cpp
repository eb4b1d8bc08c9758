// The 8-bit display against the 16-bit one: the same screens at both depths, compared pixel by
// pixel. Prints the mean difference per colour channel of the title and the opening
// Battlefield and of the production page with its equipment pictures, and writes the 8-bit
// screens to build/review/screens/ for people to look at.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/game_harness.hpp"
#include "ui/screens/economy_window.hpp"

namespace gm {
namespace {

using testing::GameHarness;

// The last presented frame, RGB, as the window shows it.
std::vector<std::uint8_t> Shown(GameHarness& g) {
  return g.Platform().KeptFrames().back().rgb;
}

double MeanChannelDifference(const std::vector<std::uint8_t>& a,
                             const std::vector<std::uint8_t>& b) {
  EXPECT_EQ(a.size(), b.size());
  double sum = 0;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) sum += std::abs(int(a[i]) - int(b[i]));
  return a.empty() ? 0 : sum / double(a.size());
}

// A screen shown at 16 and at 8 bits after the same steps; the mean difference per channel.
double EightBitDifference(const std::string& name, const std::function<void(GameHarness&)>& show) {
  std::vector<std::uint8_t> frames[2];
  for (int bits : {16, 8}) {
    LaunchOptions options = testing::ScriptedOptions();
    options.bits = bits;
    GameHarness g(options);
    EXPECT_TRUE(g.Started()) << g.StartStatus().Message();
    show(g);
    frames[bits == 8] = Shown(g);
    if (bits == 8) g.Dump(name + "_8bit");
  }
  const double d = MeanChannelDifference(frames[0], frames[1]);
  std::printf("8-bit %s: mean difference per channel %.1f\n", name.c_str(), d);
  return d;
}

TEST(EightBitDisplay, ScreensKeepTheirColours) {
  const struct {
    const char* name;
    std::function<void(GameHarness&)> show;
  } screens[] = {
      {"title",
       [](GameHarness& g) {
         g.MoveTo(50, 590);  // over the parade, away from the title line
         g.Frames(30);
       }},
      {"battlefield",
       [](GameHarness& g) {
         g.StartGame();
         g.MoveTo(400, 300);
         g.Frames(2);
       }},
      {"production",  // the equipment pictures, each on its own sky or ground
       [](GameHarness& g) {
         g.StartGame();
         for (const HitRect& area : {SidebarButtonRect(kEconomyButton), EconomyTabRect(5)}) {
           g.MoveTo(testing::Middle(area));
           g.Click(testing::Middle(area));
           g.Frames(1);
         }
         g.MoveTo(10, 500);
         g.Frames(2);
       }},
  };
  for (const auto& s : screens) {
    // 0 is the same picture; a palette that does not fit the art gives 10 and more.
    EXPECT_LE(EightBitDifference(s.name, s.show), 6.0) << s.name;
  }
}

}  // namespace
}  // namespace gm
