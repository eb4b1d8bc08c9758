// One ground assault resolved from start to end (fire passes, outcome, books, clean-up) on real
// formations; the built scenario when it exists, else a synthetic full-size world.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/clock.hpp"
#include "platform/posix_file_system.hpp"
#include "rules/assault_fire.hpp"
#include "tests/rules/fight_worlds.hpp"
#include "tests/support/world_builders.hpp"
#include "world/world_access.hpp"

namespace gm {
namespace {

// An attacker, the enemy beside it, and everything an assault may change, to put back.
struct Duel {
  int attacker, defender;
  int ax, ay, dx, dy;
  std::uint8_t side;
  TFormation attackerRecord, defenderRecord;
  TMapCell around[3][3];  // the defender's block of cells
};

struct Fixture {
  std::unique_ptr<World> world = std::make_unique<World>();
  bool real = false;
  bool packed = false;  // the scenario's map with synthetic formations
  std::vector<Duel> duels;

  Fixture() {
    const char* env = std::getenv("GM_SCENARIO");
    const std::string path =
        env ? env : PosixFileSystem::ExecutableFolder() + "../data/evrasia.scn";
    world = testing::LoadFightScenario(path, &packed);
    real = world != nullptr;
    if (!real) world = testing::MakeSyntheticWorld();
    World& w = *world;
    testing::SetCoalitions(w);
    for (int n = 1; n <= kMaxFormations && duels.size() < 256; ++n) {
      const TFormation& a = Formation(w, n);
      if (a.Branch != 1 || !InTheatre(a.X, a.Y) || Cell(w, a.X, a.Y).GroundFormation != n) {
        continue;
      }
      w.SideOnMove = InNationSet(kGermanNations, NationOf(a)) ? kGermanSide : kSovietSide;
      if (!IsOwn(w, NationOf(a))) continue;
      for (int k = 0; k < 9; ++k) {
        const int x = a.X + k % 3 - 1, y = a.Y + k / 3 - 1;
        if (k == 4 || !InTheatre(x, y) || x == 0 || x == 359 || y == 30 || y == 329) continue;
        const int d = Cell(w, x, y).GroundFormation;
        const TFormation* f = UsedFormation(w, d);
        if (f == nullptr || f->Branch != 1 || !IsEnemy(w, NationOf(*f))) continue;
        Duel duel{n, d, a.X, a.Y, x, y, w.SideOnMove, a, *f, {}};
        for (int j = 0; j < 9; ++j)
          duel.around[j / 3][j % 3] = Cell(w, x + j % 3 - 1, y + j / 3 - 1);
        duels.push_back(duel);
        break;
      }
    }
  }

  // Puts the two formations and the defender's cells back as they were before the fight.
  void Restore(const Duel& d) {
    World& w = *world;
    Formation(w, d.attacker) = d.attackerRecord;
    Formation(w, d.defender) = d.defenderRecord;
    for (int j = 0; j < 9; ++j)
      Cell(w, d.dx + j % 3 - 1, d.dy + j / 3 - 1) = d.around[j / 3][j % 3];
    Cell(w, d.ax, d.ay).GroundFormation = static_cast<std::uint16_t>(d.attacker);
    w.SideOnMove = d.side;
    w.Selection = {1, static_cast<std::uint16_t>(d.ax), static_cast<std::uint16_t>(d.ay)};
    w.TargetX = d.dx;
    w.TargetY = d.dy;
  }
};

Fixture& Shared() {
  static Fixture f;
  return f;
}

void BM_ResolveAssault(benchmark::State& state) {
  Fixture& f = Shared();
  if (f.duels.empty()) {
    state.SkipWithError("no neighbouring enemies");
    return;
  }
  FixedClock clock(12'345'678);
  std::size_t i = 0;
  for (auto _ : state) {
    const Duel& d = f.duels[i++ % f.duels.size()];
    f.Restore(d);
    benchmark::DoNotOptimize(ResolveAssault(*f.world, clock));
    clock.Advance(1);
  }
  state.SetLabel(std::string(!f.real    ? "synthetic"
                             : f.packed ? "scenario map, packed formations"
                                        : "scenario") +
                 ", " + std::to_string(f.duels.size()) + " duels");
}
BENCHMARK(BM_ResolveAssault)->Repetitions(9)->ReportAggregatesOnly(true);

// The restore alone, to subtract from the figure above.
void BM_RestoreOnly(benchmark::State& state) {
  Fixture& f = Shared();
  if (f.duels.empty()) {
    state.SkipWithError("no neighbouring enemies");
    return;
  }
  std::size_t i = 0;
  for (auto _ : state) {
    f.Restore(f.duels[i++ % f.duels.size()]);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_RestoreOnly)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace gm
