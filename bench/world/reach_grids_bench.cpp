// Reach-grid builders on the cells of real formations: the computer player builds a move grid
// for every formation it decides for, and the map builds an air range on each selection.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/posix_file_system.hpp"
#include "tests/world/synthetic_world.hpp"
#include "world/reach_grids.hpp"
#include "world/world_access.hpp"
#include "world/world_file.hpp"

namespace gm {
namespace {

// The built scenario when it exists and loads (build/data/evrasia.scn beside the bench's
// folder, or GM_SCENARIO), else a synthetic full-size world; every formation ready to act.
struct Fixture {
  std::unique_ptr<World> world = std::make_unique<World>();
  bool real = false;
  std::vector<int> ground, air;  // formation numbers in the theatre, by branch

  Fixture() {
    const char* env = std::getenv("GM_SCENARIO");
    const std::string path =
        env ? env : PosixFileSystem::ExecutableFolder() + "../data/evrasia.scn";
    PosixFileSystem disk;
    std::vector<std::uint8_t> bytes;
    if (disk.Exists(path) && disk.ReadWholeFile(path, bytes) &&
        DecodeWorldFile(bytes, WorldFileKind::kScenario, path, *world)) {
      real = true;
    } else {
      world = testing::MakeSyntheticWorld();
    }
    world->SovietCoalition = kSovietNations;
    world->GermanCoalition = kGermanNations;
    for (int n = 1; n <= kMaxFormations; ++n) {
      TFormation& f = Formation(*world, n);
      if (f.Branch == 0 || !InTheatre(f.X, f.Y)) continue;
      f.OrdersLeft = 2;
      (f.Branch == 2 ? air : ground).push_back(n);
    }
  }

  // Selects formation n as the side it belongs to would.
  void Select(int n) {
    const TFormation& f = Formation(*world, n);
    world->Selection = {1, f.X, f.Y};
    world->SideOnMove = InNationSet(kGermanNations, NationOf(f)) ? kGermanSide : kSovietSide;
  }
};

Fixture& Shared() {
  static Fixture f;
  return f;
}

// One build per iteration, cycling through every formation of the branch.
void Cycle(benchmark::State& state, const std::vector<int>& formations, void (*build)(World&)) {
  Fixture& f = Shared();
  if (formations.empty()) {
    state.SkipWithError("no formation of this branch");
    return;
  }
  std::size_t i = 0;
  for (auto _ : state) {
    f.Select(formations[i]);
    build(*f.world);
    benchmark::ClobberMemory();
    if (++i == formations.size()) i = 0;
  }
  state.SetLabel(std::string(f.real ? "built scenario, " : "synthetic world, ") +
                 std::to_string(formations.size()) + " formations");
}

void BM_BuildMoveGrid(benchmark::State& state) {
  Cycle(state, Shared().ground, BuildMoveGrid);
}
void BM_BuildAirRange(benchmark::State& state) {
  Cycle(state, Shared().air, BuildAirRange);
}

// The widest case: an air formation whose aircraft all reach 130 cells or more, or that holds
// none, in the middle of the map; every cell of the 261 x 261 grid is in range.
void BM_BuildAirRangeFullSquare(benchmark::State& state) {
  Fixture& f = Shared();
  if (f.air.empty()) {
    state.SkipWithError("no air formation");
    return;
  }
  const int n = f.air[f.air.size() / 2];
  TFormation& air = Formation(*f.world, n);
  const TFormation saved = air;
  for (int k = 0; k < 8; ++k) air.pairs[k].Count = 0;
  f.Select(n);
  for (auto _ : state) {
    BuildAirRange(*f.world);
    benchmark::ClobberMemory();
  }
  air = saved;
  state.SetLabel(std::string(f.real ? "built scenario" : "synthetic world") + ", range " +
                 std::to_string(f.world->Reach.AirRangeRadius));
}

BENCHMARK(BM_BuildMoveGrid)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_BuildAirRange)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_BuildAirRangeFullSquare)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace gm
