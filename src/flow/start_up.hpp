// Start-up, written once for the game, its window and the headless sim: the settings, the
// generator, the scenario with its record check and every formation's orders.
#pragma once

#include "flow/start_game.hpp"
#include "platform/clock.hpp"
#include "platform/file_system.hpp"
#include "platform/status.hpp"
#include "world/world.hpp"

namespace gm {

// Puts a fresh world into its state before the title screen: the two coalitions and the
// settings (ApplyStartSettings), the generator seeded from `clock`, no selection, the scenario
// loaded whole with its record check, every formation given its orders, the header's
// opening-side copy set to the first coalition, and the title screen shown (saved as the
// screen to return to). A new game then starts with StartGame.
// On failure the message names the scenario file and the problem and no record has changed; the
// caller reports it and ends the program.
Status StartUp(World& w, const FileSystem& fs, Clock& clock, const StartSettings& settings);

}  // namespace gm
