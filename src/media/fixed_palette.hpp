// The 256 colours of the 8-bit display, fitted to the game's own pictures, and the matching of
// colours to them.
#pragma once

#include <cstdint>

#include "media/color.hpp"

namespace gm {

// Fitted at build time to the pictures of both image archives (tools/art, gravmark-palette);
// a build without the data tools has no pictures and takes a 6 x 6 x 6 colour cube with greys.
// Entry 0 is black, the transparent key of the keyed pictures.
const Palette256& FixedPalette();

// The entry of a palette nearest to an RGB colour to the eye (Oklab; the lowest index on ties).
uint8_t NearestPaletteIndex(const Palette256& palette, uint8_t r, uint8_t g, uint8_t b);

// The fixed palette's entry for an RGB colour, through a table over the 65536 colours of the
// 16-bit display, so that both depths tell the same colours apart. Entry 0 stands for black
// alone: a dark colour never turns into the transparent key.
uint8_t FixedPaletteIndex(uint8_t r, uint8_t g, uint8_t b);

}  // namespace gm
