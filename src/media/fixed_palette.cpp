// The fixed 8-bit palette: a colour cube plus greys, and nearest-colour matching against it.
#include "media/fixed_palette.hpp"

#include <vector>

namespace gm {

namespace {

Palette256 MakeFixedPalette() {
  Palette256 t{};
  int i = 0;
  for (int r = 0; r < 6; ++r) {
    for (int g = 0; g < 6; ++g) {
      for (int b = 0; b < 6; ++b) {
        t[i++] = RgbQuad{uint8_t(b * 51), uint8_t(g * 51), uint8_t(r * 51), 0};
      }
    }
  }
  // Greys between the cube's steps, so dark and light shades keep their detail.
  for (int k = 0; k < 40; ++k) {
    auto v = uint8_t((k + 1) * 255 / 41);
    t[i++] = RgbQuad{v, v, v, 0};
  }
  return t;
}

std::vector<uint8_t> MakeLookup() {
  std::vector<uint8_t> lut(32768);
  const Palette256& pal = FixedPalette();
  for (int c = 0; c < 32768; ++c) {
    auto r = uint8_t(((c >> 10) & 31) * 255 / 31);
    auto g = uint8_t(((c >> 5) & 31) * 255 / 31);
    auto b = uint8_t((c & 31) * 255 / 31);
    lut[c] = NearestPaletteIndex(pal, r, g, b);
  }
  return lut;
}

}  // namespace

const Palette256& FixedPalette() {
  static const Palette256 palette = MakeFixedPalette();
  return palette;
}

uint8_t NearestPaletteIndex(const Palette256& palette, uint8_t r, uint8_t g, uint8_t b) {
  int best = 0;
  int bestDist = 1 << 30;
  for (int i = 0; i < 256; ++i) {
    int dr = int(palette[i].red) - r;
    int dg = int(palette[i].green) - g;
    int db = int(palette[i].blue) - b;
    int d = dr * dr + dg * dg + db * db;
    if (d < bestDist) {
      bestDist = d;
      best = i;
      if (d == 0) break;
    }
  }
  return uint8_t(best);
}

uint8_t FixedPaletteIndex(uint8_t r, uint8_t g, uint8_t b) {
  static const std::vector<uint8_t> lut = MakeLookup();
  return lut[((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3)];
}

}  // namespace gm
