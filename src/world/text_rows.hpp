// Checks of a text table's rows, run as the tables compile: a row is drawn glyph by glyph, so it
// holds printable ASCII only and no more characters than its table's rows can hold. Here, below
// the screens, so that the tables kept beside the rules that pick their rows (refit's) are
// checked alike.
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

// One row of a table of rows up to `Length` long, checked where it is written. It has no
// default, so a table or struct of rows that lacks one does not compile.
template <std::size_t Length = kTextRowAnyLength>
class TextRow {
 public:
  // Implicit, so that a table is written as its texts.
  consteval TextRow(const char* text) : TextRow(std::string_view(text)) {}
  consteval TextRow(std::string_view text) : text_(text) {
    if (!GlyphRow(text, Length)) throw "a text row too long or with a character the fonts lack";
  }

  constexpr operator std::string_view() const { return text_; }
  constexpr std::string_view View() const { return text_; }

 private:
  std::string_view text_;
};

}  // namespace gm
