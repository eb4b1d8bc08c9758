// The art catalogue: every picture item of the two image archives with its pattern size,
// pattern count, colour key and what each pattern shows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gm::art {

struct PatternNote {
  int first = 0;
  int last = 0;
  std::string text;
};

struct ArtItem {
  std::string archive;  // "graphic" or "techn"
  std::string name;
  int width = 0;  // of one pattern
  int height = 0;
  int count = 0;
  int columns = 0;              // cells a row in the picture; divides count
  std::optional<uint32_t> key;  // transparent colour as 0xRRGGBB; none for opaque pictures
  std::vector<PatternNote> notes;
};

// Parses the catalogue text; throws std::runtime_error naming "<source>:<line>" on bad input.
std::vector<ArtItem> ParseCatalogue(std::string_view text, std::string_view source);

// Columns of a picture grid when the catalogue names none: the largest divisor of the count not
// above 16, so the picture holds exactly `count` cells.
int GridColumns(int count);

}  // namespace gm::art
