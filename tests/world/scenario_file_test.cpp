// The scenario at start-up: found beside the program, loaded whole, refused whole.
#include "world/scenario_file.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/headless/memory_file_system.hpp"
#include "platform/posix_file_system.hpp"
#include "tests/platform/temp_folder.hpp"
#include "tests/world/synthetic_world.hpp"
#include "world/save_slots.hpp"
#include "world/world_file.hpp"

namespace gm {
namespace {

using testing::MakeSyntheticWorld;
using testing::WorldHash;

TEST(ScenarioFile, LoadsFromTheDataFolderBesideTheProgram) {
  testing::TempFolder dir;
  ASSERT_TRUE(dir.Valid());
  PosixFileSystem fs(dir.Path());
  EXPECT_EQ(ScenarioPath(fs), dir.Path() + "data/evrasia.scn");

  auto source = MakeSyntheticWorld();
  // A record the start-up check must wipe, with its cell: formation 1 at column 360.
  source->Formations[0].X = 360;
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(EncodeWorldFile(*source, WorldFileKind::kScenario, bytes));
  testing::WriteFileBytes(dir.Path() + "data/evrasia.scn", bytes);

  auto w = std::make_unique<World>();
  ASSERT_TRUE(LoadScenario(*w, fs));
  EXPECT_EQ(w->ViewX, 154);
  EXPECT_EQ(w->ViewY, 208);
  EXPECT_EQ(w->MapWidth, 1000);
  EXPECT_EQ(w->MapHeight, 400);
  EXPECT_EQ(w->Formations[0].Branch, 0);
  EXPECT_EQ(w->MapCells[30 * kMapWidth + 1].GroundFormation, 0);
  EXPECT_EQ(w->Formations[1].Branch, source->Formations[1].Branch);
  EXPECT_EQ(std::memcmp(&w->Economy, &source->Economy, sizeof(TEconomy)), 0);
}

TEST(ScenarioFile, StartUpReadiesEveryFormationAndSetsTheOpeningSide) {
  MemoryFileSystem fs;
  auto source = MakeSyntheticWorld(testing::SyntheticOptions{300, 50, 200, 4});
  source->Formations[0].OrdersLeft = 0;
  source->Formations[250].OrdersLeft = 7;  // a free record keeps its words
  source->Formations[250].Men = 9;
  source->GameHeader.OpeningCoalition = 0;
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(EncodeWorldFile(*source, WorldFileKind::kScenario, bytes));
  fs.PutFile(ScenarioPath(fs), bytes);

  auto w = std::make_unique<World>();
  w->FirstCoalition = 1;
  ASSERT_TRUE(LoadScenarioAtStartUp(*w, fs));
  EXPECT_EQ(w->GameHeader.OpeningCoalition, 1);
  for (int n = 1; n <= 200; ++n) ASSERT_EQ(w->Formations[n - 1].OrdersLeft, 2) << n;
  // The free record was wiped by the check up to word 86, so it holds no orders either.
  EXPECT_EQ(w->Formations[250].OrdersLeft, 0);
  EXPECT_EQ(w->Formations[250].Men, 0);

  auto untouched = std::make_unique<World>();
  EXPECT_FALSE(LoadScenarioAtStartUp(*untouched, MemoryFileSystem("/elsewhere")));
  EXPECT_EQ(untouched->GameHeader.OpeningCoalition, 0);
}

TEST(ScenarioFile, TheBuiltScenarioStartsAndSurvivesASaveAndALoad) {
  const char* buildDir = std::getenv("GM_BUILD_DIR");
  if (buildDir == nullptr) GTEST_SKIP() << "GM_BUILD_DIR is not set";
  PosixFileSystem built(std::string(buildDir) + "/");
  if (!built.Exists(ScenarioPath(built))) GTEST_SKIP() << "no built scenario";

  auto w = std::make_unique<World>();
  Status s = LoadScenarioAtStartUp(*w, built);
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

TEST(ScenarioFile, AMissingOrBadScenarioIsAClearErrorAndChangesNothing) {
  MemoryFileSystem fs("/opt/gravmark");
  auto w = MakeSyntheticWorld(testing::SyntheticOptions{50, 50, 20, 8});
  const std::uint64_t before = WorldHash(*w);
  Status missing = LoadScenario(*w, fs);
  ASSERT_FALSE(missing);
  EXPECT_NE(missing.Message().find("/opt/gravmark/data/evrasia.scn"), std::string::npos);
  EXPECT_EQ(WorldHash(*w), before);

  fs.PutFile("/opt/gravmark/data/evrasia.scn", std::vector<std::uint8_t>(4'000'000, 0));
  Status bad = LoadScenario(*w, fs);
  ASSERT_FALSE(bad);
  EXPECT_NE(bad.Message().find("evrasia.scn"), std::string::npos);
  EXPECT_EQ(WorldHash(*w), before);
}

}  // namespace
}  // namespace gm
