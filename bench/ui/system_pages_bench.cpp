// Saving and loading from the Save/Load page on the built scenario: one click each, through the
// page's handler, the atomic save (written beside the slot, flushed to disk, renamed) with the
// rescan of the slots, and the load with its whole-file check and the reset of the old game.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "platform/posix_file_system.hpp"
#include "tests/support/game_harness.hpp"
#include "ui/screens/save_load_page.hpp"

namespace gm {
namespace {

using testing::Middle;

// The window on the built data (build/data beside tests-bin), started and on the Save/Load page.
struct Page {
  std::unique_ptr<testing::GameHarness> g;
  Page() {
    const std::string build = PosixFileSystem::ExecutableFolder() + "..";
    setenv("GM_BUILD_DIR", build.c_str(), 0);
    g = std::make_unique<testing::GameHarness>();
    if (!g->Started()) std::abort();
    g->StartGame();
    g->Click(Middle(SidebarButtonRect(kSaveLoadButton)));
    g->Frames(1);
  }
  void Mode(std::uint8_t mode) {
    if (g->W().SaveSlots.SaveLoadMode != mode) g->Click(Middle(kSaveModeColumn));
  }
};

Page& Shared() {
  static Page p;
  return p;
}

void BM_SaveFromPage(benchmark::State& state) {
  Page& p = Shared();
  p.Mode(1);
  for (auto _ : state) p.g->Click(Middle(SaveSlotRect(1)));
  if (!p.g->Ui().PageMessage.empty()) state.SkipWithError(p.g->Ui().PageMessage.c_str());
}
BENCHMARK(BM_SaveFromPage)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadFromPage(benchmark::State& state) {
  Page& p = Shared();
  p.Mode(1);
  p.g->Click(Middle(SaveSlotRect(1)));
  p.Mode(0);
  for (auto _ : state) p.g->Click(Middle(SaveSlotRect(1)));
  if (!p.g->Ui().GameLoaded) state.SkipWithError("the slot did not load");
}
BENCHMARK(BM_LoadFromPage)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace gm
