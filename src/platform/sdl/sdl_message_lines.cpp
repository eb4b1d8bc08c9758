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

}  // namespace gm
