// The scenario file, data/evrasia.scn in the program's folder, read once at start-up.
#pragma once

#include <string>

#include "platform/file_system.hpp"
#include "platform/status.hpp"
#include "world/world.hpp"

namespace gm {

// The scenario's full path in the program's folder.
std::string ScenarioPath(const FileSystem& fs);

// Reads and validates the whole scenario, then replaces the world's records with it and runs the
// record check with the theatre's bounds; on failure the world is untouched and the message names
// the file and the problem. Start-up (flow/start_up.hpp) calls it and then readies the formations.
Status LoadScenario(World& w, const FileSystem& fs);

}  // namespace gm
