// Keyboard scancodes of SDL to the game's virtual-key codes.
#pragma once

#include <cstdint>

namespace gm {

// The virtual-key code of an SDL scancode; 0 for keys the game has no code for.
std::uint8_t VirtualKeyOfScancode(int scancode);

}  // namespace gm
