// gravmark-sim: a headless game with both coalitions played by the computer.
#include <iostream>
#include <string>

#include "platform/posix_file_system.hpp"
#include "sim_game.hpp"
#include "sim_options.hpp"

int main(int argc, char** argv) {
  gm::IgnoreFileSizeSignal();
  gm::SimOptions options;
  std::string error;
  if (!gm::ParseSimOptions(argc, argv, options, error)) {
    std::cerr << "gravmark-sim: " << error << "\n" << gm::kSimUsage;
    return 2;
  }
  if (options.help) {
    std::cout << gm::kSimUsage;
    return std::cout.flush() ? 0 : 1;
  }
  return gm::RunSim(options, std::cout, std::cerr);
}
