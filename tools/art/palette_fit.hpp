// The 8-bit display's palette fitted to the art: the colours of every picture of both image
// archives counted as the 16-bit display shows them, then 256 colours chosen to stand for them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "media/color.hpp"
#include "tools/art/art_catalogue.hpp"

namespace gm::art {

// How many pixels of each RGB565 colour, 65536 counts.
using ColourCounts = std::vector<uint64_t>;

// The pixels of every item, the see-through ones of keyed items left out.
ColourCounts CountArtColours(const std::vector<ArtItem>& items);

// Entry 0 black (the transparent key, and black alone), entry 255 white, and 254 colours that
// stand for the counted ones with the least error to the eye: a median cut in Oklab refined by
// k-means, every entry a colour the 16-bit display can show. The same counts give the same
// palette.
Palette256 FitPalette(const ColourCounts& counts);

// The palette as C++ initialisers, one "{r, g, b}," line an entry, under a heading comment.
std::string PaletteSource(const Palette256& palette);

}  // namespace gm::art
