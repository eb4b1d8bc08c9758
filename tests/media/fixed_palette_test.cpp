// The 8-bit palette and its colour matching: black alone takes the transparent key's entry,
// every entry matches itself, the lookup table finds the nearest entry to the eye (against a
// search of every entry), and the Oklab conversions of the fitting go there and back.
#include "media/fixed_palette.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

#include "media/perceptual_color.hpp"
#include "media/surface.hpp"
#include "platform/pixel_convert.hpp"

namespace gm {
namespace {

Oklab OklabOf(const RgbQuad& q) {
  return ToOklab(q.red, q.green, q.blue);
}

TEST(FixedPalette, BlackAloneTakesTheKeysEntryAndWhiteStaysWhite) {
  const struct {
    TColor colour;
    bool entryZero;
    int within;  // largest channel difference of the entry from the colour
  } cases[] = {
      {RgbColor(0, 0, 0), true, 0},         // black, the key of the keyed pictures
      {RgbColor(255, 255, 255), false, 0},  // white text
      {RgbColor(8, 4, 8), false, 16},       // darker than any ink, yet not see-through
      {RgbColor(0, 0, 8), false, 16},
      {RgbColor(22, 22, 18), false, 16},  // the pictures' dark ink
  };
  const Palette256& palette = FixedPalette();
  for (const auto& c : cases) {
    const uint8_t i = FixedPaletteIndex(RedOf(c.colour), GreenOf(c.colour), BlueOf(c.colour));
    EXPECT_EQ(i == 0, c.entryZero) << std::hex << c.colour;
    EXPECT_LE(std::abs(palette[i].red - RedOf(c.colour)), c.within) << std::hex << c.colour;
    EXPECT_LE(std::abs(palette[i].green - GreenOf(c.colour)), c.within) << std::hex << c.colour;
    EXPECT_LE(std::abs(palette[i].blue - BlueOf(c.colour)), c.within) << std::hex << c.colour;
  }
  EXPECT_EQ(palette[0], (RgbQuad{0, 0, 0, 0}));
}

TEST(FixedPalette, EveryEntryMatchesItsOwnColour) {
  const Palette256& palette = FixedPalette();
  TDirectDrawSurface s(SurfaceFormat{8, nullptr});
  s.SetSize(1, 1);
  for (int i = 0; i < 256; ++i) {
    const TColor c = RgbColor(palette[i].red, palette[i].green, palette[i].blue);
    EXPECT_EQ(s.PixelColor(s.ColorMatch(c)), c) << "entry " << i;
  }
}

// The table against a search of every entry (1..255: 0 is black's alone), over colours of the
// 16-bit display spread across the whole range.
TEST(FixedPalette, TheTableFindsTheNearestEntryToTheEye) {
  const Palette256& palette = FixedPalette();
  for (int c = 1; c < 65536; c += 41) {
    uint8_t rgb[3];
    Rgb565ToRgb888(uint16_t(c), rgb);
    const Oklab colour = ToOklab(rgb[0], rgb[1], rgb[2]);
    float best = 1e9f;
    for (int i = 1; i < 256; ++i) best = std::min(best, Distance2(colour, OklabOf(palette[i])));
    const uint8_t found = FixedPaletteIndex(rgb[0], rgb[1], rgb[2]);
    ASSERT_NE(found, 0) << c;
    EXPECT_FLOAT_EQ(Distance2(colour, OklabOf(palette[found])), best) << "RGB565 " << c;
  }
}

TEST(Oklab, ColoursComeBackFromIt) {
  for (int c = 0; c < 1 << 24; c += 99991) {
    const uint8_t r = uint8_t(c >> 16), g = uint8_t(c >> 8), b = uint8_t(c);
    uint8_t r2, g2, b2;
    FromOklab(ToOklab(r, g, b), r2, g2, b2);
    EXPECT_LE(std::abs(r - r2), 1) << c;
    EXPECT_LE(std::abs(g - g2), 1) << c;
    EXPECT_LE(std::abs(b - b2), 1) << c;
  }
}

}  // namespace
}  // namespace gm
