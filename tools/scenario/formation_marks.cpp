// Formations on the review picture: a ground formation fills its cell in its coalition's colour
// (magenta Soviet, cyan German), an air formation a white-centred mark of the same colour.
#include "tools/scenario/order_of_battle.hpp"
#include "tools/scenario/picture.hpp"
#include "world/world_access.hpp"

namespace gm::scenario {

void MarkFormations(const World& w, std::vector<std::uint8_t>& rgb) {
  constexpr int k = kPicturePixelsPerCell;
  if (rgb.size() != static_cast<std::size_t>(kPictureWidth) * kPictureHeight * 3) return;
  for (const TFormation& f : w.Formations) {
    if (f.Branch == 0 || !InTheatre(f.X, f.Y)) continue;
    const Rgb colour =
        InNationSet(kSovietNations, NationOf(f)) ? Rgb{255, 0, 255} : Rgb{0, 230, 255};
    const int px = f.X * k, py = (f.Y - kFirstRow) * k;
    if (f.Branch == 1) {
      for (int dy = 0; dy < k; ++dy)
        for (int dx = 0; dx < k; ++dx) SetPixel(rgb, px + dx, py + dy, colour);
      continue;
    }
    for (int d = 0; d < k; ++d) {
      SetPixel(rgb, px + d, py + k / 2, colour);
      SetPixel(rgb, px + k / 2, py + d, colour);
    }
    SetPixel(rgb, px + k / 2, py + k / 2, {255, 255, 255});
  }
}

}  // namespace gm::scenario
