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
// record check; on failure the world is untouched and the message names the file and the
// problem. Start-up then calls ReadyAllFormations.
Status LoadScenario(World& w, const FileSystem& fs);

// The world's part of start-up once the settings are known: LoadScenario, then every formation
// gets its orders (ReadyAllFormations) and the header's opening-side copy takes FirstCoalition.
// A failure must end start-up: the caller shows the message and exits with a non-zero code.
Status LoadScenarioAtStartUp(World& w, const FileSystem& fs);

}  // namespace gm
