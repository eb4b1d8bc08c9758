// Start-up and save/load costs: loading and validating the ~7 MB scenario and an atomic save,
// beside a plain read and a plain durable write of the same bytes as the floor.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "platform/posix_file_system.hpp"
#include "tests/platform/temp_folder.hpp"
#include "tests/world/synthetic_world.hpp"
#include "world/save_slots.hpp"
#include "world/scenario_file.hpp"
#include "world/world_file.hpp"

namespace gm {
namespace {

// The built scenario when it exists and loads (build/data/evrasia.scn beside the bench's
// folder, or GM_SCENARIO), else a synthetic full-size world with every record used.
struct Fixture {
  testing::TempFolder dir;
  std::unique_ptr<PosixFileSystem> fs;
  std::vector<std::uint8_t> scenario;
  std::unique_ptr<World> world = std::make_unique<World>();
  bool real = false;

  Fixture() {
    fs = std::make_unique<PosixFileSystem>(dir.Path());
    const char* env = std::getenv("GM_SCENARIO");
    const std::string built = PosixFileSystem::ExecutableFolder() + "../data/evrasia.scn";
    const std::string path = env ? env : built;
    PosixFileSystem disk;
    if (disk.Exists(path) && disk.ReadWholeFile(path, scenario) &&
        ValidateWorldFile(scenario, WorldFileKind::kScenario, path)) {
      real = true;
    } else {
      auto synthetic = testing::MakeSyntheticWorld();
      if (!EncodeWorldFile(*synthetic, WorldFileKind::kScenario, scenario)) std::abort();
    }
    testing::WriteFileBytes(ScenarioPath(*fs), scenario);
    if (!LoadScenario(*world, *fs)) std::abort();
  }
};

Fixture& Shared() {
  static Fixture f;
  return f;
}

void Label(benchmark::State& state) {
  state.SetLabel(Shared().real ? "built scenario" : "synthetic world");
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(Shared().scenario.size()));
}

void BM_RawReadScenario(benchmark::State& state) {
  Fixture& f = Shared();
  std::vector<std::uint8_t> bytes;
  for (auto _ : state) {
    if (!f.fs->ReadWholeFile(ScenarioPath(*f.fs), bytes)) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(bytes.data());
  }
  Label(state);
}

void BM_LoadScenario(benchmark::State& state) {
  Fixture& f = Shared();
  for (auto _ : state) {
    if (!LoadScenario(*f.world, *f.fs)) state.SkipWithError("load failed");
    benchmark::ClobberMemory();
  }
  Label(state);
}

void BM_DecodeScenarioInMemory(benchmark::State& state) {
  Fixture& f = Shared();
  for (auto _ : state) {
    if (!DecodeWorldFile(f.scenario, WorldFileKind::kScenario, "s", *f.world)) {
      state.SkipWithError("decode failed");
    }
    benchmark::ClobberMemory();
  }
  Label(state);
}

void BM_RawDurableWrite(benchmark::State& state) {
  Fixture& f = Shared();
  const std::string path = f.dir.Path() + "raw.bin";
  for (auto _ : state) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::size_t done = 0;
    while (fd >= 0 && done < f.scenario.size()) {
      ssize_t n = ::write(fd, f.scenario.data() + done, f.scenario.size() - done);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    if (fd < 0 || done != f.scenario.size() || ::fsync(fd) != 0) state.SkipWithError("write");
    if (fd >= 0) ::close(fd);
  }
  Label(state);
}

void BM_SaveSlot(benchmark::State& state) {
  Fixture& f = Shared();
  f.world->SaveSlots.ChosenSlot = 1;
  for (auto _ : state) {
    if (!SaveSlot(*f.world, *f.fs)) state.SkipWithError("save failed");
  }
  Label(state);
}

void BM_LoadSlot(benchmark::State& state) {
  Fixture& f = Shared();
  f.world->SaveSlots.ChosenSlot = 1;
  if (!SaveSlot(*f.world, *f.fs)) state.SkipWithError("save failed");
  for (auto _ : state) {
    if (!LoadSlot(*f.world, *f.fs)) state.SkipWithError("load failed");
    benchmark::ClobberMemory();
  }
  Label(state);
}

#define GM_FILES_BENCH(fn)            \
  BENCHMARK(fn)                       \
      ->Unit(benchmark::kMillisecond) \
      ->UseRealTime()                 \
      ->Repetitions(9)                \
      ->ReportAggregatesOnly(true)

GM_FILES_BENCH(BM_RawReadScenario);
GM_FILES_BENCH(BM_LoadScenario);
GM_FILES_BENCH(BM_DecodeScenarioInMemory);
GM_FILES_BENCH(BM_RawDurableWrite);
GM_FILES_BENCH(BM_SaveSlot);
GM_FILES_BENCH(BM_LoadSlot);

}  // namespace
}  // namespace gm
