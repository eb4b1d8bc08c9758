// Gravmark's entry point. Until the main window exists it loads the scenario the way start-up
// does, reports what it holds, and exits; a missing or damaged scenario ends it with a message.
#include <cstdio>
#include <memory>

#include "platform/posix_file_system.hpp"
#include "world/scenario_file.hpp"
#include "world/world.hpp"
#include "world/world_access.hpp"

int main() {
  gm::PosixFileSystem fs;
  auto world = std::make_unique<gm::World>();
  world->SovietCoalition = gm::kSovietNations;
  world->GermanCoalition = gm::kGermanNations;
  const gm::Status loaded = gm::LoadScenarioAtStartUp(*world, fs);
  if (!loaded) {
    std::fprintf(stderr, "gravmark: %s\n", loaded.Message().c_str());
    return 1;
  }
  int ground = 0;
  int air = 0;
  for (const gm::TFormation& f : world->Formations) {
    ground += f.Branch == 1;
    air += f.Branch == 2;
  }
  std::printf("Gravmark: scenario %s loaded: %d.%d.%d, %d settlements, %d ground and %d air "
              "formations.\n",
              gm::ScenarioPath(fs).c_str(), world->GameHeader.Day, world->GameHeader.Month,
              world->GameHeader.Year, world->GameHeader.SettlementCount, ground, air);
  std::puts("The main window is not built yet; the computer can already play headless: "
            "./gravmark-sim --help");
  return 0;
}
