// Where a test points: a pixel of the frame, found from a page's named hit area.
#pragma once

#include "ui/hit_rect.hpp"
#include "world/screen_state.hpp"

namespace gm::testing {

struct ScreenPoint {
  int x;
  int y;
};

// The middle of a hit area, where a person presses a button.
constexpr ScreenPoint Middle(const HitRect& r) {
  return {r.left + (r.right - r.left + 1) / 2, r.top + (r.bottom - r.top + 1) / 2};
}

// A point `dx`, `dy` from the area's top-left corner, where a picture keeps the pointer there.
constexpr ScreenPoint Inside(const HitRect& r, int dx, int dy) {
  return {r.left + dx, r.top + dy};
}

// The middle of the Battlefield view's cell in column c and row r of the view, from 0.
constexpr ScreenPoint ViewCellMiddle(int c, int r) {
  constexpr int kCell = kBattlefieldCellPixels;
  return {kCell * c + kCell / 2, kCell * r + kCell / 2};
}

}  // namespace gm::testing
