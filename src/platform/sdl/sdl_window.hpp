// The game's window on SDL: opening and closing it, its title and full screen, showing the
// 800 x 600 frame (in the window's own pixel buffer, or through a renderer and an RGB565
// streaming texture when it has none), and mapping window positions back to frame pixels.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.hpp"
#include "platform/sdl/sdl_window_frame.hpp"

namespace gm {

// SDL's video drivers that draw nowhere (dummy, offscreen): SDL falls back to one when no
// display can be reached. `asked` is the SDL_VIDEODRIVER hint, null when unset: only a driver
// asked for by name counts as a display.
bool DrawsNowhere(const char* driver);
bool DisplayMissing(const char* driver, const char* asked);
// Why no display could be reached, from DISPLAY and WAYLAND_DISPLAY (null or empty when unset):
// the displays named that did not answer, or that none is named.
std::string NoDisplayReason(const char* x11, const char* wayland);

class SdlWindow {
 public:
  SdlWindow() = default;
  ~SdlWindow() { Close(); }
  SdlWindow(const SdlWindow&) = delete;
  SdlWindow& operator=(const SdlWindow&) = delete;

  bool Open(const WindowSettings& settings);
  void Close();
  void SetTitle(std::string_view title);
  void SetFullScreen(bool fullScreen);
  void Present(const FrameView& frame);
  // The window itself, for what stands over it (the error box); null while it is closed.
  SDL_Window* Handle() const { return window_; }
  // The renderer lost its texture (device reset); Restore makes it again.
  bool Lost() const { return frameLost_; }
  void MarkLost() { frameLost_ = true; }
  bool Restore();
  // The window was exposed, resized or restored: the next frame is shown whole.
  void MustPresent() { mustPresent_ = true; }

  bool Inside(int windowX, int windowY) const;
  // A window position (in the window's points) as a frame pixel, held to the frame's edges so
  // that the borders around a letterboxed frame still reach its edge rows and columns.
  void ToFrame(int windowX, int windowY, int& x, int& y) const;

 private:
  bool MakeRenderer();
  bool MakeTexture();
  // The frame's rectangle into the texture (8-bit frames through their palette).
  bool FillTexture(const FrameView& frame, const PixelRect& area);
  bool ShowThroughRenderer(const FrameView& frame, bool whole);
  void Fail(const char* what);

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  bool frameLost_ = false;
  bool presentFailing_ = false;
  // The number of the frame the window shows (0 when it shows none whole): a frame's changes
  // since that one are all it needs. A window event that may have spoilt the picture (exposed,
  // resized, restored) forces the next present whole.
  std::uint64_t shownSerial_ = 0;
  WindowFrame frame_;  // the window's own pixels, when it has them (no renderer then)
  bool mustPresent_ = true;
  std::vector<std::uint16_t> scratch_;  // an 8-bit frame's rectangle as RGB565, for the texture
};

}  // namespace gm
