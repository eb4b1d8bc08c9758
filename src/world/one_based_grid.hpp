// A square grid numbered from 1, row first: the layout of the reach grids.
#pragma once

#include <array>
#include <cassert>

namespace gm {

// Plain data (zero when value-initialised); element (row, col) with both in 1..N.
template <typename T, int N>
struct OneBasedGrid {
  static constexpr int kSize = N;

  std::array<T, N * N> cells;

  static constexpr bool Contains(int row, int col) {
    return row >= 1 && row <= N && col >= 1 && col <= N;
  }
  T& operator()(int row, int col) {
    assert(Contains(row, col));
    return cells[(row - 1) * N + (col - 1)];
  }
  const T& operator()(int row, int col) const {
    assert(Contains(row, col));
    return cells[(row - 1) * N + (col - 1)];
  }
  void Fill(T value) { cells.fill(value); }
};

}  // namespace gm
