// The turn change: recovery of the side that has moved, the days of the turn, the side flip,
// the end-of-war test, the music and the hand-over to the next player.
#pragma once

#include <string>

#include "flow/flow_services.hpp"
#include "world/world.hpp"

namespace gm {

// Days one turn lasts: 1, or 4 in the fast mode.
int TurnDays(const World& w);

// Draws the next music track (a number 0..9 from the game's generator, left in the fights' work
// value RandomValue) and returns its file, "data/001.mid" .. "data/010.mid".
std::string PickRandomMusic(World& w);

// Ends the turn of the side on move. When the end-of-war test has ended the war the final screen
// stays; otherwise the next side gets the computer-turn screen or the map.
void NextTurn(World& w, FlowServices& services);

}  // namespace gm
