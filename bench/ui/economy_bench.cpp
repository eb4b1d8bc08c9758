// The Economy window on the real scenario, headless: every frame of each of its six pages, and
// the window's own drawing alone, one time per frame (median and slowest as counters).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "tests/support/game_harness.hpp"
#include "ui/screens/economy_window.hpp"

namespace gm {
namespace {

using testing::GameHarness;
using Clock = std::chrono::steady_clock;

// The German side's window open on `page`, the pointer resting over the list.
void OpenPage(GameHarness& g, int page) {
  g.Platform().SetKeptFrames(0);
  g.StartGame();
  for (const HitRect& area : {SidebarButtonRect(kEconomyButton), EconomyTabRect(page)}) {
    g.MoveTo(testing::Middle(area));
    g.Click(testing::Middle(area));
    g.Frames(1);
  }
  g.MoveTo(300, 250);
  g.Frames(1);
}

void Report(benchmark::State& state, std::vector<double>& ms) {
  std::sort(ms.begin(), ms.end());
  state.counters["median_ms"] = ms.empty() ? 0 : ms[ms.size() / 2];
  state.counters["max_ms"] = ms.empty() ? 0 : ms.back();
}

LaunchOptions Quiet() {
  LaunchOptions o = testing::ScriptedOptions();
  o.settings.soundOn = 0;
  return o;
}

// Whole frames: panels, sidebar, the window, pointer, overlay and the flip.
void BM_EconomyFrame(benchmark::State& state) {
  GameHarness g(Quiet());
  OpenPage(g, static_cast<int>(state.range(0)));
  std::vector<double> ms;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    g.Frames(1);
    ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
  }
  Report(state, ms);
}
BENCHMARK(BM_EconomyFrame)->DenseRange(1, 6)->Unit(benchmark::kMicrosecond);

// The window's stage alone.
void BM_DrawEconomyWindow(benchmark::State& state) {
  GameHarness g(Quiet());
  OpenPage(g, static_cast<int>(state.range(0)));
  std::vector<double> ms;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    DrawEconomyWindow(g.Ctx());
    ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
  }
  Report(state, ms);
}
BENCHMARK(BM_DrawEconomyWindow)->DenseRange(1, 6)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace gm
