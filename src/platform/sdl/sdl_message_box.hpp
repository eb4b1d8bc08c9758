// The error box: a window of its own over the game's, centred on the display, with the
// message's picture (its title in a caption bar of its own) and an OK button. It takes the
// keyboard as it appears, with a window manager or without: Return, Enter, Space or Escape close
// it, as do a click on OK and the close of either window: a fresh press only, not a repeat nor a
// key held since before the box appeared. A termination signal, or SDL's quit, ends it too.
#pragma once

#include <SDL.h>

#include <bitset>
#include <cstdint>
#include <string_view>

#include "platform/sdl/sdl_message_picture.hpp"

namespace gm {

enum class MessageBoxEnd : std::uint8_t {
  kOpen,        // the box stays
  kClosed,      // the player closed it
  kTerminated,  // the program was told to end
};

class SdlMessageBox {
 public:
  // Opens the box; Shown() says whether it could.
  SdlMessageBox(SDL_Window* over, std::string_view title, std::string_view message);
  ~SdlMessageBox();
  SdlMessageBox(const SdlMessageBox&) = delete;
  SdlMessageBox& operator=(const SdlMessageBox&) = delete;

  bool Shown() const { return window_ != nullptr; }
  SDL_Window* Window() const { return window_; }
  const MessagePicture& Picture() const { return picture_; }

  // What one event does to the box.
  MessageBoxEnd Handle(const SDL_Event& e);
  // Waits until the box is closed or the program is told to end.
  MessageBoxEnd Run();

 private:
  void Present();
  bool OnOk(int x, int y) const;
  bool Held(SDL_Scancode key) const;

  MessagePicture picture_;
  SDL_Window* window_ = nullptr;
  SDL_Surface* pixels_ = nullptr;        // the picture as drawn
  bool pressed_ = false;                 // OK held down
  std::bitset<SDL_NUM_SCANCODES> held_;  // keys down since before the box appeared
  int cursorShown_ = SDL_ENABLE;         // the pointer's state before the box showed it
};

// The box for why the game cannot start, where there is a screen to show it on: none on SDL's
// stand-in drivers, where it would only wait for a player who cannot see it.
void ShowMessageBox(SDL_Window* over, std::string_view title, std::string_view message);

}  // namespace gm
