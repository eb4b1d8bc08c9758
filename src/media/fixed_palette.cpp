// The 8-bit display's palette and the matching of colours to it.
#include "media/fixed_palette.hpp"

#include <vector>

#include "media/perceptual_color.hpp"
#include "media/surface.hpp"
#include "platform/pixel_convert.hpp"

namespace gm {

namespace {

#if defined(GM_ART_PALETTE)
// Red, green and blue of each entry, as gravmark-palette wrote them for this build's art.
constexpr std::uint8_t kArtPalette[256][3] = {
#include "media/art_palette.inc"
};

Palette256 MakeFixedPalette() {
  Palette256 t{};
  for (int i = 0; i < 256; ++i)
    t[i] = RgbQuad{kArtPalette[i][2], kArtPalette[i][1], kArtPalette[i][0], 0};
  return t;
}
#else
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
#endif

Oklab OklabOf(const RgbQuad& q) {
  return ToOklab(q.red, q.green, q.blue);
}

std::vector<uint8_t> MakeLookup() {
  const Palette256& palette = FixedPalette();
  std::vector<Oklab> entries;  // entries 1..255: 0 is kept for black
  for (int i = 1; i < 256; ++i) entries.push_back(OklabOf(palette[i]));
  const NearestOklab nearest(std::move(entries));
  std::vector<uint8_t> lut(65536);
  for (int c = 1; c < 65536; ++c) {
    uint8_t rgb[3];
    Rgb565ToRgb888(uint16_t(c), rgb);
    lut[c] = uint8_t(1 + nearest.Nearest(ToOklab(rgb[0], rgb[1], rgb[2])));
  }
  return lut;
}

}  // namespace

const Palette256& FixedPalette() {
  static const Palette256 palette = MakeFixedPalette();
  return palette;
}

uint8_t NearestPaletteIndex(const Palette256& palette, uint8_t r, uint8_t g, uint8_t b) {
  const Oklab c = ToOklab(r, g, b);
  int best = 0;
  float bestDistance = Distance2(c, OklabOf(palette[0]));
  for (int i = 1; i < 256 && bestDistance > 0; ++i) {
    const float d = Distance2(c, OklabOf(palette[i]));
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return uint8_t(best);
}

uint8_t FixedPaletteIndex(uint8_t r, uint8_t g, uint8_t b) {
  static const std::vector<uint8_t> lut = MakeLookup();
  return lut[PackRgb565(r, g, b)];
}

}  // namespace gm
