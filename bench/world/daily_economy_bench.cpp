// The daily economy at a turn change: a normal day for all nations, and the worst day, a nation
// that has lost every city while producing every model at full rate, which the cut takes to 0.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/posix_file_system.hpp"
#include "tests/support/world_builders.hpp"
#include "tests/world/synthetic_world.hpp"
#include "world/calendar.hpp"
#include "world/daily_economy.hpp"
#include "world/production_cut.hpp"
#include "world/production_status.hpp"
#include "world/tables/tables.hpp"
#include "world/world_file.hpp"

namespace gm {
namespace {

constexpr int kLoser = 2;  // the nation that loses its cities in the worst case

// The built scenario when it exists and loads (build/data/evrasia.scn beside the bench's
// folder, or GM_SCENARIO), else a synthetic full-size world with sane pools.
std::unique_ptr<World> LoadWorld(bool& real) {
  auto world = std::make_unique<World>();
  const char* env = std::getenv("GM_SCENARIO");
  const std::string path = env ? env : PosixFileSystem::ExecutableFolder() + "../data/evrasia.scn";
  PosixFileSystem disk;
  std::vector<std::uint8_t> bytes;
  real = disk.Exists(path) && disk.ReadWholeFile(path, bytes) &&
         DecodeWorldFile(bytes, WorldFileKind::kScenario, path, *world);
  if (!real) {
    world = testing::MakeSyntheticWorld();
    for (int n = 1; n <= kNationRows; ++n) {
      for (auto* pool :
           {&world->Economy.RecruitPool, &world->Economy.VeteranPool, &world->Economy.WoundedPool,
            &world->Economy.CarPool, &world->Economy.CarRepairPool, &world->Economy.HorsePool}) {
        (*pool)[n - 1] &= 0xFFFFF;
      }
    }
  }
  testing::SetSides(*world, kSovietSide);
  testing::SetDate(*world, 22, 6, 1941);
  InitProductionStatus(*world);
  return world;
}

const char* Label(bool real) {
  return real ? "built scenario" : "synthetic world";
}

void BM_DailyEconomyNormalDay(benchmark::State& state) {
  bool real = false;
  auto w = LoadWorld(real);
  for (auto _ : state) {
    DailyEconomy(*w);
    benchmark::ClobberMemory();
  }
  state.SetLabel(Label(real));
}
BENCHMARK(BM_DailyEconomyNormalDay)->Unit(benchmark::kMicrosecond);

// Nation 2 holds no settlement and produces every model at 255; each day starts from those rates.
std::unique_ptr<World> WorstCaseWorld(bool& real, std::array<std::uint8_t, 800>& fullRates) {
  auto w = LoadWorld(real);
  for (TSettlement& s : w->Settlements) {
    if (s.HolderNation == kLoser) s.HolderNation = 5;
  }
  for (int m = 1; m <= kEquipmentModelRows; ++m) {
    ProductionRateOf(w->Economy, kLoser, m) = 255;
    ProductionStatusOf(w->Economy, kLoser, m) = kStatusAvailable;
  }
  std::memcpy(fullRates.data(), &w->Economy.ProductionRate[EconomyIndex(kLoser, 1)], 800);
  return w;
}

void BM_DailyEconomyNationLosesAllCities(benchmark::State& state) {
  bool real = false;
  std::array<std::uint8_t, 800> fullRates{};
  auto w = WorstCaseWorld(real, fullRates);
  for (auto _ : state) {
    std::memcpy(&w->Economy.ProductionRate[EconomyIndex(kLoser, 1)], fullRates.data(), 800);
    DailyEconomy(*w);
    benchmark::ClobberMemory();
  }
  if (ProductionRateOf(w->Economy, kLoser, 1) != 0) state.SkipWithError("the cut did not run");
  state.SetLabel(Label(real));
}
BENCHMARK(BM_DailyEconomyNationLosesAllCities)->Unit(benchmark::kMicrosecond);

// The cut alone, from every rate at 255 down to 0.
void BM_CutFromFullRatesToNothing(benchmark::State& state) {
  bool real = false;
  std::array<std::uint8_t, 800> fullRates{};
  auto w = WorstCaseWorld(real, fullRates);
  w->SettlementValueByHolder[kLoser - 1] = 0;
  for (auto _ : state) {
    std::memcpy(&w->Economy.ProductionRate[EconomyIndex(kLoser, 1)], fullRates.data(), 800);
    CutProduction(*w, kLoser);
    benchmark::ClobberMemory();
  }
  state.SetLabel(Label(real));
}
BENCHMARK(BM_CutFromFullRatesToNothing)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace gm
