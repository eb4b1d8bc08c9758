// The error box.
#include "platform/sdl/sdl_message_box.hpp"

#include <string>

#include "platform/log.hpp"
#include "platform/sdl/sdl_message_lines.hpp"

namespace gm {

void ShowMessageBox(SDL_Window* over, std::string_view title, std::string_view message) {
  // SDL's stand-in drivers have no screen for the player to read a box on; a box there would
  // only wait for a click that never comes.
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver == nullptr || SDL_strcmp(driver, "dummy") == 0 ||
      SDL_strcmp(driver, "offscreen") == 0) {
    return;
  }
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, std::string(title).c_str(),
                               MessageBoxLines(message).c_str(), over) != 0) {
    LogLine(std::string("cannot show a message box: ") + SDL_GetError());
  }
}

}  // namespace gm
