// Reach-grid builders on the cells of real formations: the computer player builds a move grid
// for every formation it decides for, and the map builds an air range on each selection.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/posix_file_system.hpp"
#include "tests/support/world_builders.hpp"
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
  bool formationsSynthetic = false;
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
    testing::SetCoalitions(*world);
    CollectFormations();
    if (real && (ground.empty() || air.empty())) {
      PlaceSyntheticFormations();
      CollectFormations();
    }
  }

  void CollectFormations() {
    ground.clear();
    air.clear();
    for (int n = 1; n <= kMaxFormations; ++n) {
      TFormation& f = Formation(*world, n);
      if (f.Branch == 0 || !InTheatre(f.X, f.Y)) continue;
      f.OrdersLeft = 2;
      (f.Branch == 2 ? air : ground).push_back(n);
    }
  }

  // A scenario map without formations gets the synthetic world's records, each moved to a
  // random passable cell of the theatre.
  void PlaceSyntheticFormations() {
    formationsSynthetic = true;
    const auto synthetic = testing::MakeSyntheticWorld({.usedFormations = 3000});
    for (TMapCell& c : world->MapCells) c.GroundFormation = c.AirFormation = 0;
    world->Formations = synthetic->Formations;
    std::mt19937 rng(1941);
    for (int n = 1; n <= kMaxFormations; ++n) {
      TFormation& f = Formation(*world, n);
      if (f.Branch == 0) continue;
      for (int tries = 0; tries < 1000; ++tries) {
        const int x = static_cast<int>(rng() % 360), y = 30 + static_cast<int>(rng() % 300);
        TMapCell& c = Cell(*world, x, y);
        std::uint16_t& word = f.Branch == 2 ? c.AirFormation : c.GroundFormation;
        if (word != 0 || TerrainTiles[c.Terrain].MoveCost == kImpassableCost) continue;
        word = static_cast<std::uint16_t>(n);
        f.X = f.xCopy = static_cast<std::uint16_t>(x);
        f.Y = f.yCopy = static_cast<std::uint16_t>(y);
        break;
      }
    }
  }

  std::string Source() const {
    if (!real) return "synthetic world";
    return formationsSynthetic ? "built scenario map, synthetic formations" : "built scenario";
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
  state.SetLabel(f.Source() + ", " + std::to_string(formations.size()) + " formations");
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
  state.SetLabel(f.Source() + ", range " + std::to_string(f.world->Reach.AirRangeRadius));
}

BENCHMARK(BM_BuildMoveGrid)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_BuildAirRange)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_BuildAirRangeFullSquare)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace gm
