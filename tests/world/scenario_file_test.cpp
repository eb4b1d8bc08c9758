// The scenario at start-up: found beside the program, loaded whole, refused whole.
#include "world/scenario_file.hpp"

#include <gtest/gtest.h>

#include "platform/headless/memory_file_system.hpp"
#include "platform/posix_file_system.hpp"
#include "tests/platform/temp_folder.hpp"
#include "tests/world/synthetic_world.hpp"
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
