// The hand-set glyphs of the small fonts (6 x 12 cells): 5 pixels wide, 7 rows from the cap
// line to the baseline and 2 rows of descenders, drawn pixel by pixel so that every letter
// keeps its shape at that size.
#pragma once

#include <array>

namespace gm::art {

// Rows top to bottom ('#' ink, '.' blank): rows 0..6 down to the baseline, 7..8 descenders.
using PixelGlyph = std::array<const char*, 9>;

// The glyph of a character code 32..126; nullptr for others.
const PixelGlyph* SmallAsciiGlyph(int code);

// Diacritics over a letter, two rows of five pixels; cedilla under it.
enum class Accent { kNone, kGrave, kAcute, kCircumflex, kTilde, kDiaeresis, kRing, kCedilla };

// A Latin-1 letter with a diacritic (À .. ÿ): its base letter and the mark; base 0 for codes
// that are not such letters.
struct Decomposed {
  char base = 0;
  Accent accent = Accent::kNone;
};
Decomposed Decompose(int code);

// The two rows of an accent, five pixels wide.
std::array<const char*, 2> AccentRows(Accent a);

}  // namespace gm::art
