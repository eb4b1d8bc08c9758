// The fixed 256-colour palette of the 8-bit display mode and its nearest-colour lookup.
#pragma once

#include <cstdint>

#include "media/color.hpp"

namespace gm {

// Entries 0..215 are a 6 x 6 x 6 colour cube (entry 0 black, 215 white), 216..255 a grey ramp.
const Palette256& FixedPalette();

// The entry of a palette nearest to an RGB colour (squared distance; the lowest index on ties).
uint8_t NearestPaletteIndex(const Palette256& palette, uint8_t r, uint8_t g, uint8_t b);

// Nearest entry of the fixed palette through a 15-bit lookup table (for whole pictures).
uint8_t FixedPaletteIndex(uint8_t r, uint8_t g, uint8_t b);

}  // namespace gm
