// Gravmark's entry point. Until the main window exists it starts the game the way the window
// will, reports what the scenario holds, and exits; a missing or damaged scenario ends it with a
// message naming the file.
#include <cstdio>
#include <memory>

#include "flow/start_up.hpp"
#include "platform/clock.hpp"
#include "platform/posix_file_system.hpp"
#include "world/scenario_file.hpp"
#include "world/world.hpp"

int main() {
  gm::PosixFileSystem fs;
  gm::SystemClock clock;
  auto world = std::make_unique<gm::World>();
  const gm::Status started = gm::StartUp(*world, fs, clock, gm::StartSettings{});
  if (!started) {
    std::fprintf(stderr, "gravmark: %s\n", started.Message().c_str());
    return 1;
  }
  int ground = 0;
  int air = 0;
  for (const gm::TFormation& f : world->Formations) {
    ground += f.Branch == 1;
    air += f.Branch == 2;
  }
  std::printf(
      "Gravmark: scenario %s loaded: %d.%d.%d, %d settlements, %d ground and %d air "
      "formations.\n",
      gm::ScenarioPath(fs).c_str(), world->GameHeader.Day, world->GameHeader.Month,
      world->GameHeader.Year, world->GameHeader.SettlementCount, ground, air);
  std::puts(
      "The main window is not built yet; the computer can already play headless: "
      "./gravmark-sim --help");
  return 0;
}
