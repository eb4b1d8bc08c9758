// Start-up as the game, its window and the sim all run it: settings, generator, scenario,
// record check, orders.
#include "flow/start_up.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/headless/memory_file_system.hpp"
#include "platform/posix_file_system.hpp"
#include "tests/world/synthetic_world.hpp"
#include "world/save_slots.hpp"
#include "world/scenario_file.hpp"
#include "world/world_file.hpp"

namespace gm {
namespace {

using Flags = std::array<std::uint8_t, kScreenFlagCount>;

TEST(StartUpTest, PutsAFreshWorldInItsStateBeforeTheTitle) {
  MemoryFileSystem fs;
  auto source = testing::MakeSyntheticWorld(testing::SyntheticOptions{300, 50, 200, 4});
  source->Formations[0].OrdersLeft = 0;
  source->Formations[1].X = 360;           // outside the theatre: wiped with its cell word
  source->Formations[250].OrdersLeft = 7;  // a free record keeps no words up to 86
  source->Formations[250].Men = 9;
  source->GameHeader.OpeningCoalition = 1;
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(EncodeWorldFile(*source, WorldFileKind::kScenario, bytes));
  fs.PutFile(ScenarioPath(fs), bytes);

  StartSettings settings;
  settings.firstCoalition = kSovietSide;
  settings.germanPlayer = 1;
  settings.sovietPlayer = 0;
  settings.turnLength = 1;
  settings.soundOn = 0;
  FixedClock clock(12'345'678);
  auto w = std::make_unique<World>();
  const Status s = StartUp(*w, fs, clock, settings);
  ASSERT_TRUE(s) << s.Message();

  EXPECT_EQ(w->SovietCoalition, kSovietNations);
  EXPECT_EQ(w->GermanCoalition, kGermanNations);
  EXPECT_EQ(w->FirstCoalition, kSovietSide);
  EXPECT_EQ(w->GermanPlayer, 1);
  EXPECT_EQ(w->SovietPlayer, 0);
  EXPECT_EQ(w->TurnLength, 1);
  EXPECT_EQ(w->SoundOn, 0);
  EXPECT_EQ(w->RandomSeed, 12'345'678u);
  EXPECT_EQ(w->GameHeader.OpeningCoalition, kSovietSide);
  const Flags title{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, kScreenTitle};
  EXPECT_EQ(w->ScreenFlags, title);
  EXPECT_EQ(w->SavedScreenFlags, title);
  EXPECT_EQ(w->Formations[1].Branch, 0);
  EXPECT_EQ(w->MapCells[30 * kMapWidth + 2].GroundFormation, 0);
  for (int n = 1; n <= 200; ++n) {
    if (n != 2) {
      ASSERT_EQ(w->Formations[n - 1].OrdersLeft, 2) << n;
    }
  }
  EXPECT_EQ(w->Formations[250].OrdersLeft, 0);
  EXPECT_EQ(w->Formations[250].Men, 0);

  // A new game from the title screen hands the first side its screen.
  StartGame(*w);
  EXPECT_EQ(w->SideOnMove, kSovietSide);
  EXPECT_EQ(w->ScreenFlags[kFlagZoom], kZoomBattlefield);
}

TEST(StartUpTest, AMissingOrBadScenarioEndsStartUpNamingTheFile) {
  FixedClock clock(1);
  auto w = std::make_unique<World>();
  MemoryFileSystem empty("/opt/gravmark");
  Status missing = StartUp(*w, empty, clock, StartSettings{});
  ASSERT_FALSE(missing);
  EXPECT_NE(missing.Message().find("/opt/gravmark/data/evrasia.scn"), std::string::npos)
      << missing.Message();

  MemoryFileSystem bad("/opt/gravmark");
  bad.PutFile("/opt/gravmark/data/evrasia.scn", std::vector<std::uint8_t>(2000, 0));
  Status damaged = StartUp(*w, bad, clock, StartSettings{});
  ASSERT_FALSE(damaged);
  EXPECT_NE(damaged.Message().find("/opt/gravmark/data/evrasia.scn"), std::string::npos)
      << damaged.Message();
  for (const TFormation& f : w->Formations) ASSERT_EQ(f.Branch, 0);
}

TEST(StartUpTest, TheBuiltScenarioStartsAndSurvivesASaveAndALoad) {
  const char* buildDir = std::getenv("GM_BUILD_DIR");
  if (buildDir == nullptr) GTEST_SKIP() << "GM_BUILD_DIR is not set";
  PosixFileSystem built(std::string(buildDir) + "/");
  if (!built.Exists(ScenarioPath(built))) GTEST_SKIP() << "no built scenario";

  auto w = std::make_unique<World>();
  FixedClock clock(1);
  Status s = StartUp(*w, built, clock, StartSettings{});
  ASSERT_TRUE(s) << s.Message();
  MemoryFileSystem slots;
  w->SaveSlots.ChosenSlot = 5;
  ASSERT_TRUE(SaveSlot(*w, slots));
  auto saved = testing::CopyWorld(*w);
  w->Formations[0].Men ^= 1;
  w->MapCells[0].Terrain ^= 1;
  ASSERT_TRUE(LoadSlot(*w, slots));
  EXPECT_TRUE(testing::SameBytes(*w, *saved));
}

}  // namespace
}  // namespace gm
