// Checks of a text table's rows, run as the tables compile: a row is drawn glyph by glyph, so it
// holds printable ASCII only and no more characters than its table's rows can hold.
#pragma once

#include <cstddef>
#include <limits>
#include <string_view>

namespace gm {

// For tables whose rows have no fixed length.
inline constexpr std::size_t kTextRowAnyLength = std::numeric_limits<std::size_t>::max();

constexpr bool GlyphRow(std::string_view row, std::size_t length) {
  if (row.size() > length) return false;
  for (const char c : row) {
    if (c < ' ' || c > '~') return false;
  }
  return true;
}

template <typename Table>
constexpr bool AllGlyphRows(const Table& rows, std::size_t length) {
  for (const std::string_view row : rows) {
    if (!GlyphRow(row, length)) return false;
  }
  return true;
}

}  // namespace gm
