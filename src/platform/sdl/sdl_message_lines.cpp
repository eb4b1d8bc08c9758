// The error box's text broken into lines.
#include "platform/sdl/sdl_message_lines.hpp"

#include <vector>

namespace gm {

namespace {

// The pieces a line may break between, each marked when a blank joins it to the one before,
// and when it begins a part too long to share a line (it then begins one).
struct Piece {
  std::string_view text;
  bool blank;
  bool opens = false;
};

// `text` cut after each `separator`, a piece keeping the separator's first `kept` characters
// (a part before ": " its colon, a path's step its slash, a word nothing).
void Split(std::string_view text, std::string_view separator, std::size_t kept, bool blank,
           std::vector<Piece>& pieces) {
  while (!text.empty()) {
    const std::size_t at = text.find(separator);
    if (at == std::string_view::npos) {
      pieces.push_back({text, blank});
      return;
    }
    pieces.push_back({text.substr(0, at + kept), blank});
    text.remove_prefix(at + separator.size());
  }
}

// `piece` alone when it fits a line, else split at `separator`, the first of its pieces joined
// to what came before as the piece was and beginning a line.
void SplitIfLong(const Piece& piece, std::string_view separator, std::size_t kept, bool blank,
                 std::size_t columns, std::vector<Piece>& pieces) {
  if (piece.text.size() <= columns) {
    pieces.push_back(piece);
    return;
  }
  const std::size_t first = pieces.size();
  Split(piece.text, separator, kept, blank, pieces);
  if (pieces.size() > first) {
    pieces[first].blank = piece.blank;
    pieces[first].opens = true;
  }
}

}  // namespace

std::string MessageBoxLines(std::string_view message, std::size_t columns) {
  std::vector<Piece> parts, words, steps;
  Split(message, ": ", 1, true, parts);
  for (const Piece& part : parts) SplitIfLong(part, " ", 0, true, columns, words);
  for (const Piece& word : words) SplitIfLong(word, "/", 1, false, columns, steps);
  std::string text, line;
  const auto endLine = [&] {
    text += line + '\n';
    line.clear();
  };
  for (Piece step : steps) {
    if (!line.empty() &&
        (step.opens || line.size() + (step.blank ? 1 : 0) + step.text.size() > columns)) {
      endLine();
    }
    // A name too long for a line even alone (no slash in it) is cut at the column.
    while (step.text.size() > columns) {
      line = step.text.substr(0, columns);
      endLine();
      step = {step.text.substr(columns), false};
    }
    if (!line.empty() && step.blank) line += ' ';
    line += step.text;
  }
  return text + line;
}

namespace {

// The length of the UTF-8 sequence at the start of `text`, 0 when it is none: the lead byte's
// length, continuation bytes after it, no overlong form, no surrogate, nothing past U+10FFFF.
std::size_t SequenceLength(std::string_view text) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the second byte's range
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  }
  if (length == 0 || text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

std::string DrawableText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const auto c = static_cast<unsigned char>(text[0]);
    const std::size_t sequence = c >= 0x80 ? SequenceLength(text) : 0;
    const std::size_t used = sequence != 0 ? sequence : 1;
    if (sequence != 0) {
      out += text.substr(0, sequence);
    } else if (c == '\t') {
      out += ' ';
    } else if (c == '\n' || (c >= 0x20 && c < 0x7F)) {
      out += static_cast<char>(c);
    } else {
      out += '?';
    }
    text.remove_prefix(used);
  }
  return out;
}

}  // namespace gm
