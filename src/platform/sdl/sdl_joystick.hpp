// The first joystick's axes and buttons, opened when first read.
#pragma once

#include <SDL.h>

#include "platform/platform.hpp"

namespace gm {

class SdlJoystick {
 public:
  SdlJoystick() = default;
  ~SdlJoystick() { Close(); }
  SdlJoystick(const SdlJoystick&) = delete;
  SdlJoystick& operator=(const SdlJoystick&) = delete;

  int Count() const;
  bool Read(int id, JoystickReading& reading);
  void Close();

 private:
  SDL_Joystick* joystick_ = nullptr;
  int index_ = -1;
};

}  // namespace gm
