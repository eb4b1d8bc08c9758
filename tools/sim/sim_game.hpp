// The headless computer-against-computer game: the frame loop, the line per turn and the summary.
#pragma once

#include <ostream>

#include "sim_options.hpp"

namespace gm {

// Runs the game as the options say. Returns the exit status: 0 done, 1 a file could not be
// loaded or saved or the report could not be written whole, 2 a turn that never ended, 3 a fault
// found by --check.
int RunSim(const SimOptions& options, std::ostream& out, std::ostream& err);

}  // namespace gm
