// Showing the game's 800 x 600 RGB565 frame in a window's own pixel buffer: scaled to the window
// by nearest pixel and letterboxed, and sending the screen only the blocks that changed since the
// last frame shown. A game standing still, or moving only a part of its picture, then costs little.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

namespace gm {

class WindowFrame {
 public:
  // The frame's place in an area of width x height: the largest 4:3 rectangle, centred.
  static SDL_Rect FrameRect(int width, int height);

  // Shows `frame` (800 x 600 RGB565, row by row) in the window. False when the window has no
  // pixel buffer (the caller then draws through a renderer instead).
  bool Show(SDL_Window* window, const std::vector<std::uint16_t>& frame);
  // The next Show draws everything (the window was exposed, resized or restored).
  void Invalidate() { whole_ = true; }

 private:
  void Build(const SDL_Surface& surface);
  // Copies the frame's rectangle [fx0, fx1) x [fy0, fy1), scaled, into the window's pixels and
  // adds the window rectangle it covers.
  void Copy(SDL_Surface& surface, const std::vector<std::uint16_t>& frame, int fx0, int fy0,
            int fx1, int fy1);

  std::vector<std::uint16_t> shown_;
  std::vector<std::uint32_t> colour_;  // RGB565 -> the window's pixel value
  std::uint32_t format_ = 0;
  int width_ = 0;
  int height_ = 0;
  SDL_Rect rect_{};
  std::vector<SDL_Rect> updates_;
  bool whole_ = true;
};

}  // namespace gm
