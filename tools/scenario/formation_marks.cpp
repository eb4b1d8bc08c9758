// Formations on the review picture: a ground formation fills its cell in its coalition's colour
// (magenta Soviet, cyan German), an air formation a white-centred mark of the same colour.
#include "tools/scenario/order_of_battle.hpp"
#include "tools/scenario/picture.hpp"
#include "world/world_access.hpp"

namespace gm::scenario {

void MarkFormations(const World& w, std::vector<std::uint8_t>& rgb) {
  constexpr int k = kPicturePixelsPerCell;
  const int width = kColumns * k, height = kRows * k;
  if (rgb.size() != static_cast<std::size_t>(width) * height * 3) return;
  auto set = [&](int px, int py, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    std::uint8_t* p = &rgb[(static_cast<std::size_t>(py) * width + px) * 3];
    p[0] = r;
    p[1] = g;
    p[2] = b;
  };
  for (const TFormation& f : w.Formations) {
    if (f.Branch == 0 || !InTheatre(f.X, f.Y) || f.X >= kColumns) continue;
    const bool soviet = InNationSet(kSovietNations, NationOf(f));
    const int px = f.X * k, py = (f.Y - kFirstRow) * k;
    if (f.Branch == 1) {
      for (int dy = 0; dy < k; ++dy)
        for (int dx = 0; dx < k; ++dx)
          soviet ? set(px + dx, py + dy, 255, 0, 255) : set(px + dx, py + dy, 0, 230, 255);
    } else {
      for (int d = 0; d < k; ++d) {
        soviet ? set(px + d, py + k / 2, 255, 0, 255) : set(px + d, py + k / 2, 0, 230, 255);
        soviet ? set(px + k / 2, py + d, 255, 0, 255) : set(px + k / 2, py + d, 0, 230, 255);
      }
      set(px + k / 2, py + k / 2, 255, 255, 255);
    }
  }
}

}  // namespace gm::scenario
