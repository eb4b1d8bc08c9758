// Pixel conversions used when a frame is presented or saved as a picture.
#pragma once

#include <array>
#include <cstdint>

namespace gm {

// 256 palette entries already packed as RGB565, for converting 8-bit frames.
using Rgb565Palette = std::array<std::uint16_t, 256>;

// Converts one row of palette indices to RGB565.
inline void ConvertIndexedRow(const std::uint8_t* src, std::uint16_t* dst, int width,
                              const Rgb565Palette& palette) {
  for (int x = 0; x < width; ++x) dst[x] = palette[src[x]];
}

// Expands RGB565 to 8 bits a channel with the high bits repeated, so white stays 255.
inline void Rgb565ToRgb888(std::uint16_t p, std::uint8_t* out) {
  const int r = (p >> 11) & 31;
  const int g = (p >> 5) & 63;
  const int b = p & 31;
  out[0] = static_cast<std::uint8_t>((r << 3) | (r >> 2));
  out[1] = static_cast<std::uint8_t>((g << 2) | (g >> 4));
  out[2] = static_cast<std::uint8_t>((b << 3) | (b >> 2));
}

}  // namespace gm
