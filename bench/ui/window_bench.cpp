// The window's costs on the real data, headless: a full Battlefield frame of the opening view
// at 16 and 8 bits, the start to the first title frame, Start's two pictures, and every frame of
// a 30-day computer-against-computer war (median and slowest, as counters).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

#include "tests/support/game_harness.hpp"
#include "ui/screens/title_screen.hpp"

namespace gm {
namespace {

using testing::GameHarness;
using testing::ScriptedOptions;

double ThreadMilliseconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

LaunchOptions Options(int bits, bool bothComputer = false) {
  LaunchOptions o = ScriptedOptions();
  o.bits = bits;
  o.settings.soundOn = 0;
  if (bothComputer) o.settings.germanPlayer = o.settings.sovietPlayer = 1;
  return o;
}

void BM_BattlefieldFrame(benchmark::State& state) {
  GameHarness g(Options(static_cast<int>(state.range(0))));
  g.Platform().SetKeptFrames(0);
  g.StartGame();
  // A German formation of the opening view selected: its reach overlay is drawn too.
  for (int i = 0; i < 108 && g.W().Selection[0] == 0; ++i) {
    g.MoveTo(testing::ViewCellMiddle(i % 12, i / 12));
    g.Click(testing::ViewCellMiddle(i % 12, i / 12));
    g.Frames(1);
  }
  g.MoveTo(400, 300);
  for (auto _ : state) g.Frames(1);
  state.counters["selected"] = g.W().Selection[0];
}
BENCHMARK(BM_BattlefieldFrame)->Arg(16)->Arg(8)->Unit(benchmark::kMillisecond);

void BM_StartUpToTheFirstTitleFrame(benchmark::State& state) {
  for (auto _ : state) {
    GameHarness g(Options(16));
    g.Frames(1);
    benchmark::DoNotOptimize(g.Platform().FrameHashes().size());
  }
}
BENCHMARK(BM_StartUpToTheFirstTitleFrame)->Unit(benchmark::kMillisecond);

void BM_StartsAtlasAndOverview(benchmark::State& state) {
  GameHarness g(Options(16));
  OffscreenPictures& p = g.Ctx().pictures;
  for (auto _ : state) {
    DrawTerrainAtlas(g.Ctx(), *p.TerrainAtlas);
    DrawOverviewPicture(g.Ctx(), *p.OverviewPicture);
  }
}
BENCHMARK(BM_StartsAtlasAndOverview)->Unit(benchmark::kMillisecond);

// Each frame of 30 days of the computer against itself, timed one by one.
void BM_ComputerWarFrames(benchmark::State& state) {
  std::vector<double> ms;
  for (auto _ : state) {
    GameHarness g(Options(16, true));
    g.Platform().SetKeptFrames(0);
    g.StartGame();
    const int startDay = g.W().GameHeader.Day + 31 * g.W().GameHeader.Month;
    while (g.W().GameHeader.Day + 31 * g.W().GameHeader.Month - startDay < 30 &&
           g.W().ScreenFlags[kFlagScreen] == kScreenGame) {
      // The frame's own processor time: other programs taking the processor do not count.
      const double t0 = ThreadMilliseconds();
      g.Frames(1);
      ms.push_back(ThreadMilliseconds() - t0);
    }
  }
  std::sort(ms.begin(), ms.end());
  state.counters["frames"] = static_cast<double>(ms.size());
  state.counters["median_ms"] = ms.empty() ? 0 : ms[ms.size() / 2];
  state.counters["p99_ms"] = ms.empty() ? 0 : ms[ms.size() * 99 / 100];
  state.counters["max_ms"] = ms.empty() ? 0 : ms.back();
}
BENCHMARK(BM_ComputerWarFrames)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace gm
