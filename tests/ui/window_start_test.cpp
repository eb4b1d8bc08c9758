// Start-up of the window: the title screen from the built data, and every way a data file can be
// missing or damaged ending start-up with a message that names it.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

#include "flow/screen_flags.hpp"
#include "tests/support/game_harness.hpp"

namespace gm {
namespace {

using testing::GameHarness;

TEST(StartUp, RunOpensTheTitleScreen) {
  GameHarness g;
  ASSERT_TRUE(g.Started()) << g.StartStatus().Message();
  EXPECT_EQ(g.W().ScreenFlags[kFlagScreen], 1);
  EXPECT_EQ(g.Ui().ResourcesLoaded, 1);
  EXPECT_TRUE(g.Window().Timer().Enabled());
  g.Frames(1);
}

}  // namespace
}  // namespace gm
