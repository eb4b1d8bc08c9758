// The error box: why the game cannot start, over its window.
#pragma once

#include <SDL.h>

#include <string_view>

namespace gm {

// A message box over `over` (null: none), waiting for the player to close it; none without a
// display.
void ShowMessageBox(SDL_Window* over, std::string_view title, std::string_view message);

}  // namespace gm
