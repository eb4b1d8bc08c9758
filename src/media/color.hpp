// Colours and rectangles shared by surfaces and pictures: TColor, palette entries, TRect.
#pragma once

#include <array>
#include <cstdint>

namespace gm {

// A 32-bit colour with red in the low byte, then green, then blue.
using TColor = uint32_t;

constexpr TColor RgbColor(uint8_t r, uint8_t g, uint8_t b) {
  return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}
constexpr uint8_t RedOf(TColor c) {
  return uint8_t(c);
}
constexpr uint8_t GreenOf(TColor c) {
  return uint8_t(c >> 8);
}
constexpr uint8_t BlueOf(TColor c) {
  return uint8_t(c >> 16);
}

// One colour-table entry as bitmaps store it: blue, green, red, reserved.
struct RgbQuad {
  uint8_t blue = 0;
  uint8_t green = 0;
  uint8_t red = 0;
  uint8_t reserved = 0;
  friend bool operator==(const RgbQuad&, const RgbQuad&) = default;
};

using Palette256 = std::array<RgbQuad, 256>;

// A rectangle; right and bottom are exclusive.
struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  constexpr int32_t Width() const { return Right - Left; }
  constexpr int32_t Height() const { return Bottom - Top; }
  constexpr bool Empty() const { return Right <= Left || Bottom <= Top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

constexpr TRect Bounds(int32_t x, int32_t y, int32_t w, int32_t h) {
  return {x, y, x + w, y + h};
}

}  // namespace gm
