// A Battlefield-like frame in the headless backend: 108 keyed 60 x 60 tiles, the sidebar and
// the bottom panel into the 800 x 600 back buffer, then the flip; keyed-blit throughput beside
// memcpy over the same buffers.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "media/display_device.hpp"
#include "media/surface.hpp"
#include "platform/headless/headless_platform.hpp"

namespace gm {
namespace {

constexpr int kTile = 60;
constexpr int kCols = 12;
constexpr int kRows = 9;
constexpr int kTiles = kCols * kRows;  // 108

// Everything one frame needs: the display, a tile atlas of 5 x 5 patterns with a transparent
// corner in each tile, and the two panels.
struct Scene {
  HeadlessPlatform platform;
  TDXDraw draw{&platform};
  std::unique_ptr<TDirectDrawSurface> atlas;
  std::unique_ptr<TDirectDrawSurface> sidebar;
  std::unique_ptr<TDirectDrawSurface> bottom;

  explicit Scene(int bits) {
    platform.SetKeptFrames(0);  // hash only, as the tests' flips do
    draw.SetOptions(doFullScreen | doCenter);
    draw.Display().SetWidth(800);
    draw.Display().SetHeight(600);
    draw.Display().SetBitCount(bits);
    draw.SetSurfaceSize(800, 600);
    draw.Initialize();
    const SurfaceFormat format = draw.Surface()->Format();
    atlas = std::make_unique<TDirectDrawSurface>(format);
    atlas->SetSize(5 * kTile, 5 * kTile);
    for (int y = 0; y < atlas->Height(); ++y) {
      for (int x = 0; x < atlas->Width(); ++x) {
        const bool corner = (x % kTile) + (y % kTile) < 20;
        atlas->SetPixel(x, y, corner ? 0 : static_cast<std::uint32_t>(1 + (x * 7 + y * 13) % 200));
      }
    }
    atlas->SetTransparentColor(0);
    sidebar = std::make_unique<TDirectDrawSurface>(format);
    sidebar->SetSize(80, 600);
    sidebar->Fill(3);
    bottom = std::make_unique<TDirectDrawSurface>(format);
    bottom->SetSize(720, 60);
    bottom->Fill(5);
  }

  void Compose() {
    TDirectDrawSurface& back = *draw.Surface();
    for (int r = 0; r < kRows; ++r) {
      for (int c = 0; c < kCols; ++c) {
        const int pattern = (r * kCols + c) % 25;
        const TRect src = Bounds((pattern % 5) * kTile, (pattern / 5) * kTile, kTile, kTile);
        back.Draw(c * kTile, r * kTile, src, *atlas, true);
      }
    }
    back.BltFast(720, 0, sidebar->ClientRect(), kBltFastWait, *sidebar);
    back.BltFast(0, 540, bottom->ClientRect(), kBltFastWait, *bottom);
  }
};

void BM_BattlefieldFrame(benchmark::State& state) {
  Scene scene(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    scene.Compose();
    scene.draw.Flip();
    benchmark::DoNotOptimize(scene.draw.Surface()->Row(0));
  }
  state.counters["frames"] = static_cast<double>(scene.platform.FrameHashes().size());
}
BENCHMARK(BM_BattlefieldFrame)
    ->Arg(16)
    ->Arg(8)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->DisplayAggregatesOnly(true);

void BM_ComposeOnly(benchmark::State& state) {
  Scene scene(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    scene.Compose();
    benchmark::DoNotOptimize(scene.draw.Surface()->Row(0));
  }
}
BENCHMARK(BM_ComposeOnly)
    ->Arg(16)
    ->Arg(8)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->DisplayAggregatesOnly(true);

void BM_FlipOnly(benchmark::State& state) {
  Scene scene(static_cast<int>(state.range(0)));
  for (auto _ : state) scene.draw.Flip();
}
BENCHMARK(BM_FlipOnly)
    ->Arg(16)
    ->Arg(8)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->DisplayAggregatesOnly(true);

// 108 keyed tile draws; bytes counted are the tile pixels written or skipped.
void BM_KeyedTileBlits(benchmark::State& state) {
  Scene scene(static_cast<int>(state.range(0)));
  TDirectDrawSurface& back = *scene.draw.Surface();
  const std::int64_t bytesPerFrame = std::int64_t{kTiles} * kTile * kTile * (back.BitCount() / 8);
  for (auto _ : state) {
    for (int i = 0; i < kTiles; ++i) {
      const int pattern = i % 25;
      back.Draw((i % kCols) * kTile, (i / kCols) * kTile,
                Bounds((pattern % 5) * kTile, (pattern / 5) * kTile, kTile, kTile), *scene.atlas,
                true);
    }
    benchmark::DoNotOptimize(back.Row(0));
  }
  state.SetBytesProcessed(state.iterations() * bytesPerFrame);
}
BENCHMARK(BM_KeyedTileBlits)
    ->Arg(16)
    ->Arg(8)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->DisplayAggregatesOnly(true);

// The same tile rows copied with memcpy between the same two surfaces.
void BM_MemcpyTiles(benchmark::State& state) {
  Scene scene(static_cast<int>(state.range(0)));
  TDirectDrawSurface& back = *scene.draw.Surface();
  TDirectDrawSurface& atlas = *scene.atlas;
  const int bpp = back.BitCount() / 8;
  const std::int64_t bytesPerFrame = std::int64_t{kTiles} * kTile * kTile * bpp;
  for (auto _ : state) {
    for (int i = 0; i < kTiles; ++i) {
      const int pattern = i % 25;
      const int sx = (pattern % 5) * kTile, sy = (pattern / 5) * kTile;
      const int dx = (i % kCols) * kTile, dy = (i / kCols) * kTile;
      for (int row = 0; row < kTile; ++row) {
        std::memcpy(back.Row(dy + row) + dx * bpp, atlas.Row(sy + row) + sx * bpp,
                    static_cast<std::size_t>(kTile * bpp));
      }
    }
    benchmark::DoNotOptimize(back.Row(0));
  }
  state.SetBytesProcessed(state.iterations() * bytesPerFrame);
}
BENCHMARK(BM_MemcpyTiles)
    ->Arg(16)
    ->Arg(8)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->DisplayAggregatesOnly(true);

}  // namespace
}  // namespace gm
