// Reading a joystick through SDL.
#include "platform/sdl/sdl_joystick.hpp"

#include <algorithm>

namespace gm {

int SdlJoystick::Count() const {
  if (SDL_WasInit(SDL_INIT_JOYSTICK) == 0) return 0;
  return std::max(SDL_NumJoysticks(), 0);
}

bool SdlJoystick::Read(int id, JoystickReading& reading) {
  if (id < 0 || id >= Count()) return false;
  if (joystick_ == nullptr || index_ != id) {
    if (joystick_ != nullptr) SDL_JoystickClose(joystick_);
    joystick_ = SDL_JoystickOpen(id);
    index_ = joystick_ != nullptr ? id : -1;
    if (joystick_ == nullptr) return false;
  }
  SDL_JoystickUpdate();
  const int axes = SDL_JoystickNumAxes(joystick_);
  reading.x = axes > 0 ? SDL_JoystickGetAxis(joystick_, 0) : 0;
  reading.y = axes > 1 ? SDL_JoystickGetAxis(joystick_, 1) : 0;
  reading.z = axes > 2 ? SDL_JoystickGetAxis(joystick_, 2) : 0;
  reading.buttons = 0;
  const int buttons = std::min(SDL_JoystickNumButtons(joystick_), 32);
  for (int b = 0; b < buttons; ++b) {
    if (SDL_JoystickGetButton(joystick_, b) != 0) reading.buttons |= 1u << b;
  }
  return true;
}

void SdlJoystick::Close() {
  if (joystick_ != nullptr) SDL_JoystickClose(joystick_);
  joystick_ = nullptr;
  index_ = -1;
}

}  // namespace gm
