// SDL's events as the game's: pointer moves, presses, releases and completed clicks in frame
// pixels, focus, a request to close the window, a request to end the program (a termination
// signal, SDL's quit) and the end of a music play. Also keeps what the pointer did between reads
// (relative movement, wheel, buttons held).
#pragma once

#include <SDL.h>

#include <cstdint>
#include <deque>

#include "platform/platform.hpp"
#include "platform/sdl/sdl_window.hpp"

namespace gm {

class SdlEvents {
 public:
  explicit SdlEvents(SdlWindow& window) : window_(window) {}

  bool Poll(PlatformEvent& event);
  void Wait(int timeoutMs);
  MouseMotion ReadMouse();
  bool HasFocus() const { return focus_; }
  void SetFocus(bool focus) { focus_ = focus; }

 private:
  // False when the SDL event means nothing to the game.
  bool Translate(const SDL_Event& e, PlatformEvent& event);
  void MouseMove(const SDL_MouseMotionEvent& m, PlatformEvent& event);
  void MouseDown(const SDL_MouseButtonEvent& b, PlatformEvent& event);
  void MouseUp(const SDL_MouseButtonEvent& b, PlatformEvent& event);
  bool WindowEvent(const SDL_WindowEvent& w, PlatformEvent& event);
  void FocusLost(PlatformEvent& event);

  SdlWindow& window_;
  bool focus_ = true;
  std::uint8_t buttons_ = 0;
  std::uint8_t pressedOnWindow_ = 0;
  MouseMotion motion_{};
  std::deque<PlatformEvent> queued_;  // events owed before SDL's next ones
};

}  // namespace gm
