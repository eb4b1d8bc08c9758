// The terrain tiles as the image archive holds them, for the tests that look at their pixels.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "media/color.hpp"
#include "tests/tools/committed_art.hpp"
#include "tools/art/art_build.hpp"
#include "tools/tiles/tile_catalogue.hpp"
#include "world/sprite_ids.hpp"

namespace gm::art {

// The tiles' pictures, each image drawn once.
class TerrainPictures {
 public:
  TColor At(int tile, int x, int y) {
    const SpriteId s = sprite::TerrainTile(tile);
    auto it = drawn_.find(s.image);
    if (it == drawn_.end()) {
      const ArtItem& item = CatalogueItem(s.image);
      it = drawn_.emplace(s.image, Drawn{item, RenderItem(item)}).first;
    }
    const Drawn& d = it->second;
    const int p = s.pattern;
    const int x0 = (p % d.item.columns) * 60, y0 = (p / d.item.columns) * 60;
    return d.rgb[size_t(y0 + y) * size_t(d.stride) + size_t(x0 + x)];
  }

 private:
  struct Drawn {
    Drawn(const ArtItem& i, const TDIB& dib) : item(i), rgb(dib.DecodeRgb()), stride(dib.Width()) {}
    ArtItem item;
    std::vector<TColor> rgb;
    int stride;
  };
  std::map<ImageId, Drawn> drawn_;
};

inline bool IsWater(TColor c) {
  return BlueOf(c) > RedOf(c) + 50;
}

// The first tile of a feature, with the given water sides for a coast or a harbour.
inline int TileOf(tiles::Feature feature, std::uint8_t sea = 0) {
  const auto& cat = tiles::TileCatalogue();
  for (int t = 0; t < tiles::kTileCount; ++t)
    if (cat[size_t(t)].feature == feature && cat[size_t(t)].sea == sea) return t;
  return -1;
}

}  // namespace gm::art
