// Click and hover rectangles. The game writes them as inclusive pixel ranges and tests them with
// strict bounds on both sides: X 740..779 holds for 739 < x < 780.
#pragma once

#include <cstdint>

namespace gm {

struct HitRect {
  std::int32_t left;
  std::int32_t top;
  std::int32_t right;   // inclusive
  std::int32_t bottom;  // inclusive

  constexpr bool Contains(std::int32_t x, std::int32_t y) const {
    return left - 1 < x && x < right + 1 && top - 1 < y && y < bottom + 1;
  }
};

}  // namespace gm
