// The 8-bit display against the 16-bit one: the same screens at both depths, compared pixel by
// pixel. Prints the mean difference per colour channel of the title and the opening
// Battlefield and of the production page with its equipment pictures (gravmark-review writes
// their 8-bit pictures for people to look at).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tests/support/eight_bit_screens.hpp"
#include "tests/support/game_harness.hpp"

namespace gm {
namespace {

using testing::EightBitScreen;
using testing::GameHarness;

double MeanChannelDifference(const std::vector<std::uint8_t>& a,
                             const std::vector<std::uint8_t>& b) {
  EXPECT_EQ(a.size(), b.size());
  double sum = 0;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) sum += std::abs(int(a[i]) - int(b[i]));
  return a.empty() ? 0 : sum / double(a.size());
}

// A screen shown at 16 and at 8 bits after the same steps; the mean difference per channel.
double EightBitDifference(const EightBitScreen& screen) {
  std::vector<std::uint8_t> frames[2];
  for (int bits : {16, 8}) {
    const auto g = testing::ShownAt(screen, bits);
    EXPECT_TRUE(g->Started()) << g->StartStatus().Message();
    // The last presented frame, RGB, as the window shows it.
    if (!g->Platform().KeptFrames().empty())
      frames[bits == 8] = g->Platform().KeptFrames().back().rgb;
  }
  const double d = MeanChannelDifference(frames[0], frames[1]);
  std::printf("8-bit %s: mean difference per channel %.1f\n", screen.name, d);
  return d;
}

TEST(EightBitDisplay, ScreensKeepTheirColours) {
  for (const EightBitScreen& s : testing::kEightBitScreens) {
    // 0 is the same picture; a palette that does not fit the art gives 10 and more.
    EXPECT_LE(EightBitDifference(s), 5.0) << s.name;
  }
}

}  // namespace
}  // namespace gm
