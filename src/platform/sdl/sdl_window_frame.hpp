// Showing the game's 800 x 600 frame in a window's own pixel buffer: scaled to the window by
// nearest pixel and letterboxed, converted straight from the frame handed to Present, and only
// the rectangles the frame says changed. A game standing still, or moving only a part of its
// picture, then costs little.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

#include "platform/platform.hpp"

namespace gm {

class WindowFrame {
 public:
  // The frame's place in an area of width x height: the largest 4:3 rectangle, centred.
  static SDL_Rect FrameRect(int width, int height);

  // Shows `frame` (800 x 600, RGB565 or 8-bit with its palette) in the window: the whole frame
  // when `whole`, else only its changed rectangles. False when the window has no pixel buffer
  // (the caller then draws through a renderer instead).
  bool Show(SDL_Window* window, const FrameView& frame, bool whole);
  // The next Show draws everything (the window was exposed, resized or restored).
  void Invalidate() { whole_ = true; }

 private:
  void Build(const SDL_Surface& surface);
  // Adds the window rectangle a frame rectangle covers, scaled, to areas_ (none when it covers
  // no window pixel).
  void AddArea(const PixelRect& area);
  // Copies the frame into the window's pixels in areas_.
  void CopyAreas(SDL_Surface& surface, const FrameView& frame);
  // Asks for the frame pixels of window row y of the area ahead of their use.
  void Prefetch(const FrameView& frame, const SDL_Rect& area, int y) const;
  // One window row from frame row `src` (RGB565 or 8-bit indices), columns [x0, x1).
  template <class Pixel>
  void ConvertRow(std::uint8_t* dst, const Pixel* src, const std::uint32_t* colours, int x0, int x1,
                  int bytes) const;

  std::vector<std::uint32_t> colour_;   // RGB565 -> the window's pixel value
  std::vector<std::uint32_t> indexed_;  // 8-bit frames: palette index -> the window's pixel value
  std::uint32_t format_ = 0;
  SDL_PixelFormat layout_{};  // the window's channels: masks and places
  bool vectors_ = false;      // RGB565 frames are converted eight pixels at a time
  int width_ = 0;
  int height_ = 0;
  SDL_Rect rect_{};
  // The frame column of each window column of rect_, and the frame row of each window row.
  std::vector<int> columnOf_;
  std::vector<int> rowOf_;
  std::vector<SDL_Rect> areas_;  // the window rectangles being shown
  bool whole_ = true;
};

}  // namespace gm
