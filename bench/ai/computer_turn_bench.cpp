// One computer turn for each coalition on the 22 June 1941 scenario, headless (animations run
// frame by frame without waiting), and, by hand, a whole war of one-day turns.
//
// The built scenario has no order of battle yet: when it has no formations, a front is laid
// along the line where the coalitions' settlements meet, one formation of each side per row,
// equipped from its type.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "flow/computer_frame.hpp"
#include "flow/media_sinks.hpp"
#include "flow/start_game.hpp"
#include "flow/start_up.hpp"
#include "platform/clock.hpp"
#include "platform/posix_file_system.hpp"
#include "rules/war_end.hpp"
#include "world/formation_lists.hpp"
#include "world/reach_grids.hpp"
#include "world/world_access.hpp"

namespace gm {
namespace {

// A formation of the type at full strength, its pairs filled with the nation's first models.
void Equip(TFormation& f) {
  const TFormationType& t = TypeOf(f);
  const std::uint16_t nominal[8] = {t.Tanks,     t.SPGuns,  t.ArmouredCars, t.FieldGuns,
                                    t.Howitzers, t.Mortars, t.ATGuns,       t.AAGuns};
  const int firstPair[8] = {0, 8, 11, 14, 18, 21, 25, 28};
  for (int c = 1; c <= 8; ++c) {
    if (nominal[c - 1] == 0) continue;
    for (int m = 1; m <= kEquipmentModelRows; ++m) {
      if (EquipmentModels[m].Category == c && EquipmentModels[m].Nation == t.Nation) {
        f.pairs[firstPair[c - 1]] = {nominal[c - 1], static_cast<std::uint16_t>(m)};
        break;
      }
    }
  }
  f.Men = t.Men;
  f.Cars = t.Cars;
  f.Horses = t.Horses;
  f.Ammo = 10;
  f.Experience = 50;
  f.Morale = 70;
}

bool Passable(const World& w, int x, int y) {
  return InTheatre(x, y) && TerrainTiles[Cell(w, x, y).Terrain].MoveCost != kImpassableCost &&
         Cell(w, x, y).GroundFormation == 0;
}

// Lays a front: in every row, where a German-held settlement is followed by a Soviet-held one,
// a German formation two cells west of the midpoint and a Soviet one two cells east.
int LayFront(World& w) {
  int next = 1;
  const auto place = [&](int x, int y, std::uint16_t type) {
    for (int dx = 0; dx < 6; ++dx) {
      const int xx = type == 74 ? x - dx : x + dx;
      if (!Passable(w, xx, y)) continue;
      TFormation& f = Formation(w, next);
      f = TFormation{};
      f.X = f.xCopy = static_cast<std::uint16_t>(xx);
      f.Y = f.yCopy = static_cast<std::uint16_t>(y);
      f.Branch = 1;
      f.FormationType = type;
      f.OrdersLeft = 2;
      Equip(f);
      Cell(w, xx, y).GroundFormation = static_cast<std::uint16_t>(next++);
      return;
    }
  };
  for (int y = kTheatreMinY; y <= kTheatreMaxY; ++y) {
    int lastGerman = -1;
    for (int x = kTheatreMinX; x <= kTheatreMaxX; ++x) {
      const int s = Cell(w, x, y).Settlement;
      if (s == 0) continue;
      const int holder = Settlement(w, s).HolderNation;
      if (InNationSet(kGermanNations, holder)) lastGerman = x;
      if (InNationSet(kSovietNations, holder) && lastGerman >= 0) {
        const int mid = (lastGerman + x) / 2;
        place(mid - 2, y, 74);  // German infantry division
        place(mid + 2, y, 7);   // Soviet rifle division
        break;
      }
    }
  }
  return next - 1;
}

// The scenario loaded and started with both sides played by the computer; nullptr without it.
std::unique_ptr<World> StartedWar(int& formations) {
  auto w = std::make_unique<World>();
  PosixFileSystem fs(PosixFileSystem::ExecutableFolder() + "..");
  StartSettings s;
  s.germanPlayer = 1;
  s.sovietPlayer = 1;
  s.soundOn = 0;
  FixedClock clock(1);
  if (!StartUp(*w, fs, clock, s)) return nullptr;
  formations = 0;
  for (const TFormation& f : w->Formations) formations += f.Branch == 1;
  if (formations == 0) formations = LayFront(*w);
  StartGame(*w);
  return w;
}

// Plays frames until the turn changes; returns the frames.
long PlayTurn(World& w, FlowServices& services, FixedClock& clock) {
  long frames = 0;
  for (bool changed = false; !changed && w.WarResult == kWarGoesOn; ++frames) {
    clock.Advance(20);
    changed = ComputerTurnFrame(w, services).turnChanged;
  }
  return frames;
}

void BM_ComputerTurn(benchmark::State& state) {
  const std::uint8_t side = static_cast<std::uint8_t>(state.range(0));
  int formations = 0;
  const std::unique_ptr<World> start = StartedWar(formations);
  if (!start) {
    state.SkipWithError("no data/evrasia.scn beside the benchmark's folder");
    return;
  }
  auto w = std::make_unique<World>();
  NullSound sound;
  NullMusic music;
  FixedClock clock(1);
  FlowServices services{sound, music, clock};
  long frames = 0;
  for (auto _ : state) {
    state.PauseTiming();
    *w = *start;
    w->SideOnMove = side;
    HandOverToSideOnMove(*w);
    state.ResumeTiming();
    frames = PlayTurn(*w, services, clock);
  }
  state.counters["formations"] = formations;
  state.counters["frames"] = static_cast<double>(frames);
}
BENCHMARK(BM_ComputerTurn)
    ->ArgName("side")
    ->Arg(kSovietSide)
    ->Arg(kGermanSide)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// The whole war with one-day turns: long, so it runs only with GM_BENCH_WAR=1.
void BM_WholeWar(benchmark::State& state) {
  if (std::getenv("GM_BENCH_WAR") == nullptr) {
    state.SkipWithError("set GM_BENCH_WAR=1 to play the whole war");
    return;
  }
  int formations = 0;
  for (auto _ : state) {
    std::unique_ptr<World> w = StartedWar(formations);
    if (!w) {
      state.SkipWithError("no data/evrasia.scn beside the benchmark's folder");
      return;
    }
    NullSound sound;
    NullMusic music;
    FixedClock clock(1);
    FlowServices services{sound, music, clock};
    long turns = 0;
    while (w->WarResult == kWarGoesOn) {
      PlayTurn(*w, services, clock);
      ++turns;
    }
    CountGroundFormations(*w);
    std::printf("war over on %02u.%02u.%u after %ld turns: result %u; ground formations by nation",
                w->GameHeader.Day, w->GameHeader.Month, w->GameHeader.Year, turns, w->WarResult);
    for (int n = 1; n <= 8; ++n) std::printf(" %d", w->Lists.NationFormationCount[n - 1]);
    std::printf("\n");
    state.counters["turns"] = static_cast<double>(turns);
  }
  state.counters["formations at start"] = formations;
}
BENCHMARK(BM_WholeWar)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace gm
