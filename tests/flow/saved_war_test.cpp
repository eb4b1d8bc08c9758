// Every file the game writes loads again: a war of the computer against itself on the built
// scenario, saved at turn ends and in the middle of turns (animations running, orders waiting),
// each save loaded back into the running game, over two months (under the sanitizers, twelve days).
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "flow/computer_frame.hpp"
#include "flow/media_sinks.hpp"
#include "flow/screen_flags.hpp"
#include "flow/start_game.hpp"
#include "flow/start_up.hpp"
#include "flow/turn_change.hpp"
#include "platform/headless/memory_file_system.hpp"
#include "platform/posix_file_system.hpp"
#include "rules/war_end.hpp"
#include "tests/world/sanitizer_build.hpp"
#include "tests/world/synthetic_world.hpp"
#include "world/save_slots.hpp"
#include "world/scenario_file.hpp"

namespace gm {
namespace {

constexpr long kDays = testing::kUnderSanitizer ? 12 : 62;
constexpr long kDaysBetweenSaves = 4;
constexpr long kMaxFramesPerTurn = 1'000'000;

// Saves the running game and loads it back: the load must pass and give back the world the save
// was made from, byte for byte.
void SaveAndLoad(World& w, MemoryFileSystem& slots, const std::string& when) {
  const std::string path = SlotPath(slots, 1);
  ASSERT_TRUE(SaveGameFile(w, slots, path)) << when;
  const auto saved = testing::CopyWorld(w);
  const Status loaded = LoadGameFile(w, slots, path);
  ASSERT_TRUE(loaded) << when << ": " << loaded.Message();
  ASSERT_TRUE(testing::SameBytes(w, *saved)) << when;
}

TEST(SavedWar, EverySaveOfATwoMonthComputerWarLoadsBack) {
  const char* buildDir = std::getenv("GM_BUILD_DIR");
  if (buildDir == nullptr) GTEST_SKIP() << "GM_BUILD_DIR is not set";
  PosixFileSystem built(std::string(buildDir) + "/");
  if (!built.Exists(ScenarioPath(built))) GTEST_SKIP() << "no built scenario";

  auto w = std::make_unique<World>();
  FixedClock clock(41'000, 0);
  StartSettings settings;
  settings.firstCoalition = kGermanSide;
  settings.germanPlayer = settings.sovietPlayer = 1;
  ASSERT_TRUE(StartUp(*w, built, clock, settings));
  StartGame(*w);
  NullSound sound;
  NullMusic music;
  FlowServices services{sound, music, clock};
  MemoryFileSystem slots;

  long days = 0, saves = 0;
  long nextSave = kDaysBetweenSaves;
  while (days < kDays && w->WarResult == kWarGoesOn && w->ScreenFlags[kFlagComputerTurn] == 1) {
    const int side = w->SideOnMove;
    const bool saveThisTurn = days >= nextSave;
    bool changed = false;
    for (long frame = 1; !changed; ++frame) {
      ASSERT_LT(frame, kMaxFramesPerTurn) << "a turn that never ends";
      clock.Advance(20);
      changed = ComputerTurnFrame(*w, services).turnChanged;
      // In the middle of the turn, wherever the computer stands.
      if (saveThisTurn && frame == 700 + 37 * (saves % 7)) {
        SaveAndLoad(*w, slots, "day " + std::to_string(days) + ", frame " + std::to_string(frame));
        ++saves;
      }
      if (w->ScreenFlags[kFlagComputerTurn] != 1) break;
    }
    if (changed && side != w->OpeningCoalition) days += TurnDays(*w);
    if (saveThisTurn) {
      SaveAndLoad(*w, slots, "the end of day " + std::to_string(days));
      ++saves;
      nextSave += kDaysBetweenSaves;
    }
  }
  EXPECT_GE(days, kDays);
  EXPECT_GE(saves, kDays / kDaysBetweenSaves);
}

}  // namespace
}  // namespace gm
