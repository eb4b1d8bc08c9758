// Drawing the catalogue's items with cairo: each pattern clipped to its own cell, and the
// pixels as the archives keep them. Needs no media code, so the palette fitter can use it too.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <vector>

#include "tools/art/art_catalogue.hpp"

namespace gm::art {

// An item's whole picture as 0xRRGGBB a pixel, row by row. In a keyed item every see-through
// pixel holds the key, and no drawn pixel does.
struct ArtPixels {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> rgb;
};

// Every pattern painted on a cleared ARGB surface; the caller destroys it.
cairo_surface_t* RenderSurface(const ArtItem& item);
ArtPixels RenderPixels(const ArtItem& item);

}  // namespace gm::art
