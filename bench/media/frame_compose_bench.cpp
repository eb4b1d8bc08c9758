// Composing a Battlefield-like frame: 108 keyed 60 x 60 terrain tiles plus the two panels drawn
// into the 800 x 600 back buffer by name and pattern, and the keyed blit against memcpy.
#include <benchmark/benchmark.h>

#include <cstring>

#include "media/picture_collection.hpp"

namespace gm {
namespace {

constexpr int32_t kTile = 60;
constexpr int32_t kCols = 12;
constexpr int32_t kRows = 9;

// A picture with varied colours and about a sixth of its pixels black (the colour key).
TDIB Picture(int32_t w, int32_t h, uint32_t seed) {
  TDIB dib;
  dib.SetSize(w, h, 24);
  uint32_t s = seed;
  for (int32_t y = 0; y < h; ++y) {
    uint8_t* row = dib.ScanLine(y);
    for (int32_t x = 0; x < w; ++x) {
      s = s * 1664525u + 1013904223u;
      const bool key = (s >> 29) == 0;
      row[3 * x] = key ? 0 : uint8_t(s >> 8);
      row[3 * x + 1] = key ? 0 : uint8_t(s >> 16);
      row[3 * x + 2] = key ? 0 : uint8_t((s >> 24) | 1);
    }
  }
  return dib;
}

struct Scene {
  explicit Scene(int32_t bitCount) : format{bitCount, nullptr}, back(format) {
    auto& terrain = list.Add();
    terrain.SetName("Terrain01");
    terrain.Picture = Picture(25 * kTile, kTile, 1);
    terrain.PatternWidth = kTile;
    terrain.PatternHeight = kTile;
    auto& side = list.Add();
    side.SetName("Table2");
    side.Picture = Picture(80, 600, 2);
    side.Transparent = false;
    auto& bottom = list.Add();
    bottom.SetName("Table1");
    bottom.Picture = Picture(720, 60, 3);
    bottom.Transparent = false;
    list.InitializeImages(&format);
    list.Restore();
    back.SetSize(800, 600);
  }
  void Compose() {
    for (int32_t r = 0; r < kRows; ++r) {
      for (int32_t c = 0; c < kCols; ++c) {
        list.Find("Terrain01").Draw(back, c * kTile, r * kTile, (r * kCols + c) % 25);
      }
    }
    list.Find("Table2").Draw(back, 720, 0, 0);
    list.Find("Table1").Draw(back, 0, 540, 0);
  }
  SurfaceFormat format;
  TPictureCollection list;
  TDirectDrawSurface back;
};

void BM_ComposeBattlefieldFrame(benchmark::State& state) {
  Scene scene(int32_t(state.range(0)));
  for (auto _ : state) {
    scene.Compose();
    benchmark::DoNotOptimize(scene.back.Row(0));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ComposeBattlefieldFrame)
    ->Arg(16)
    ->Arg(8)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

// The 108 tile copies alone, keyed (skipping key pixels) or plain, and the same rows by memcpy.
void TileCopies(benchmark::State& state, int mode) {
  Scene scene(16);
  const auto& terrain = scene.list.Find("Terrain01");
  const int64_t bytesPerFrame = int64_t(kRows) * kCols * kTile * kTile * 2;
  for (auto _ : state) {
    for (int32_t r = 0; r < kRows; ++r) {
      for (int32_t c = 0; c < kCols; ++c) {
        const int32_t k = (r * kCols + c) % 25;
        if (mode < 2) {
          scene.back.Draw(c * kTile, r * kTile, terrain.Patterns()[size_t(k)].rect,
                          terrain.Surface(terrain.Patterns()[size_t(k)].surface), mode == 0);
          continue;
        }
        const PicturePattern& p = terrain.Patterns()[size_t(k)];
        const TDirectDrawSurface& src = terrain.Surface(p.surface);
        for (int32_t y = 0; y < kTile; ++y) {
          std::memcpy(scene.back.Row(r * kTile + y) + size_t(c) * kTile * 2,
                      src.Row(p.rect.Top + y) + size_t(p.rect.Left) * 2, kTile * 2);
        }
      }
    }
    benchmark::DoNotOptimize(scene.back.Row(0));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * bytesPerFrame);
}

void BM_ComposeKeyedTiles(benchmark::State& state) {
  TileCopies(state, 0);
}
void BM_ComposePlainTiles(benchmark::State& state) {
  TileCopies(state, 1);
}
void BM_ComposeMemcpyTiles(benchmark::State& state) {
  TileCopies(state, 2);
}
BENCHMARK(BM_ComposeKeyedTiles)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComposePlainTiles)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComposeMemcpyTiles)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace gm
