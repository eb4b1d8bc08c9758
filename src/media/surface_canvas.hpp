// Text canvas of a surface: the loading messages drawn with a small built-in bitmap font.
#pragma once

#include <cstdint>
#include <string_view>

#include "media/color.hpp"

namespace gm {

class TDirectDrawSurface;

class TDirectDrawSurfaceCanvas {
 public:
  explicit TDirectDrawSurfaceCanvas(TDirectDrawSurface& surface) : surface_(surface) {}

  TColor BrushColor = RgbColor(255, 255, 255);
  bool BrushSolid = true;  // fill the text's background with the brush colour
  TColor FontColor = RgbColor(0, 0, 0);
  int32_t FontSize = 8;

  // Writes the text with its top-left corner at (x, y), clipped to the surface.
  void TextOut(int32_t x, int32_t y, std::string_view text);
  int32_t TextWidth(std::string_view text) const;
  int32_t TextHeight() const;
  // Ends a run of drawing; the surface may then be blitted or flipped.
  void Release() {}

 private:
  int32_t Scale() const;
  TDirectDrawSurface& surface_;
};

// 8 x 8 glyph of a printable ASCII character (row bytes, bit 0 the leftmost pixel); other
// codes give a blank.
const uint8_t* Glyph8x8(unsigned char code);

}  // namespace gm
