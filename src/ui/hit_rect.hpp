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

// A list's rows 1..count of `pitch` pixels, row r from y origin + pitch r: each row's area, the
// whole list's, and the row a pixel of it lies in, all from the same numbers.
struct HitRows {
  std::int32_t left;
  std::int32_t right;  // inclusive
  std::int32_t origin;
  std::int32_t pitch;
  int count;

  constexpr HitRect Row(int r) const {
    return {left, origin + pitch * r, right, origin + pitch * (r + 1) - 1};
  }
  constexpr HitRect Area() const { return {left, Row(1).top, right, Row(count).bottom}; }
  // For y inside Area().
  constexpr int RowAt(std::int32_t y) const { return (y - origin) / pitch; }
};

}  // namespace gm
