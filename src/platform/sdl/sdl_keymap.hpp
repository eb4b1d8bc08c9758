// The keyboard: SDL's scancodes as the game's virtual-key codes, and the keys held now.
#pragma once

#include <cstdint>

#include "platform/platform.hpp"

namespace gm {

// The virtual-key code of an SDL scancode; 0 for keys the game has no code for.
std::uint8_t VirtualKeyOfScancode(int scancode);

// The keys held as of the last event pump, by virtual-key code.
void ReadSdlKeyboard(KeySnapshot& keys);

}  // namespace gm
