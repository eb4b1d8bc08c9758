// The start of a game without a screen: the start-up settings and the title screen's Start.
#pragma once

#include <cstdint>

#include "world/world.hpp"

namespace gm {

// The choices of the start-up dialog.
struct StartSettings {
  std::uint8_t firstCoalition = kGermanSide;
  std::uint8_t germanPlayer = 0;  // 1 computer
  std::uint8_t sovietPlayer = 1;
  std::uint8_t turnLength = 0;  // 0 one day, 1 four days
  std::uint8_t soundOn = 1;
};

// The window's creation: the two coalitions and the settings; the computer completes no turn.
void ApplyStartSettings(World& w, const StartSettings& settings);

// A new game on the loaded scenario: production statuses, the opening side, the players and the
// turn length copied into the header, and the first side's screen (computer turn or map).
void StartGame(World& w);

// Clears the computer's turn state: state 0, no order waiting, no pass, no record examined.
void ResetComputerTurn(World& w);

// The hand-over to the side on move, as after a turn change: the computer's state cleared and
// its screen, or the map screen for a human side.
void HandOverToSideOnMove(World& w);

}  // namespace gm
