// The error box's text broken into lines.
#include "platform/sdl/sdl_message_lines.hpp"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/utf8_text.hpp"

namespace gm {

namespace {

// The pieces a line may break between, each marked when a blank joins it to the one before,
// and when it begins a part too long to share a line (it then begins one). `part` is the
// message's part ("file", "what", "why") it comes from.
struct Piece {
  std::string_view text;
  bool blank;
  bool opens = false;
  std::size_t part = 0;
};

// A line of the box and the part its first piece comes from.
struct Line {
  std::string text;
  std::size_t part;
};

// `text` cut after each `separator`, a piece keeping the separator's first `kept` characters
// (a part before ": " its colon, a path's step its slash, a word nothing).
void Split(std::string_view text, std::string_view separator, std::size_t kept, bool blank,
           std::size_t part, std::vector<Piece>& pieces) {
  while (!text.empty()) {
    const std::size_t at = text.find(separator);
    if (at == std::string_view::npos) {
      pieces.push_back({text, blank, false, part});
      return;
    }
    pieces.push_back({text.substr(0, at + kept), blank, false, part});
    text.remove_prefix(at + separator.size());
  }
}

// `piece` alone when it fits a line, else split at `separator`, the first of its pieces joined
// to what came before as the piece was and beginning a line.
void SplitIfLong(const Piece& piece, std::string_view separator, std::size_t kept, bool blank,
                 std::size_t columns, std::vector<Piece>& pieces) {
  if (Utf8Columns(piece.text) <= columns) {
    pieces.push_back(piece);
    return;
  }
  const std::size_t first = pieces.size();
  Split(piece.text, separator, kept, blank, piece.part, pieces);
  if (pieces.size() > first) {
    pieces[first].blank = piece.blank;
    pieces[first].opens = true;
  }
}

std::vector<Line> BreakLines(std::string_view message, std::size_t columns) {
  std::vector<Piece> paragraphs, parts, words, steps;
  // A line break in the message (a file's name may hold one) begins a line.
  Split(message, "\n", 0, false, 0, paragraphs);
  for (const Piece& paragraph : paragraphs) {
    const std::size_t first = parts.size();
    Split(paragraph.text, ": ", 1, true, 0, parts);
    if (first < parts.size()) parts[first].opens = true;
  }
  for (std::size_t i = 0; i < parts.size(); ++i) parts[i].part = i;
  for (const Piece& part : parts) SplitIfLong(part, " ", 0, true, columns, words);
  for (const Piece& word : words) SplitIfLong(word, "/", 1, false, columns, steps);
  std::vector<Line> lines;
  Line line{"", 0};
  std::size_t used = 0;  // the line's columns
  const auto endLine = [&] {
    lines.push_back(std::move(line));
    line = {"", 0};
    used = 0;
  };
  for (Piece step : steps) {
    std::size_t size = Utf8Columns(step.text);
    if (used > 0 && (step.opens || used + (step.blank ? 1 : 0) + size > columns)) endLine();
    // A name too long for a line even alone (no slash in it) is cut at the column, between
    // characters.
    while (size > columns) {
      const std::size_t cut = Utf8Prefix(step.text, columns);
      line = {std::string(step.text.substr(0, cut)), step.part};
      endLine();
      step.text.remove_prefix(cut);
      step.blank = false;
      size -= columns;
    }
    if (used == 0) line.part = step.part;
    if (used > 0 && step.blank) {
      line.text += ' ';
      ++used;
    }
    line.text += step.text;
    used += size;
  }
  lines.push_back(std::move(line));
  return lines;
}

// The longest run of lines that begin in one part, as [begin, end).
std::pair<std::size_t, std::size_t> LongestRun(const std::vector<Line>& lines) {
  std::pair<std::size_t, std::size_t> longest{0, 0};
  for (std::size_t begin = 0, end = 0; begin < lines.size(); begin = end) {
    while (end < lines.size() && lines[end].part == lines[begin].part) ++end;
    if (end - begin > longest.second - longest.first) longest = {begin, end};
  }
  return longest;
}

// Lines beyond `maxLines` taken from the middle of the longest run (a long path), so that what
// comes after it, the reason, stays: its first lines end in "...", its last stay whole.
void Shorten(std::vector<Line>& lines, std::size_t columns, std::size_t maxLines) {
  constexpr std::string_view kGap = "...";
  maxLines = std::max<std::size_t>(maxLines, 2);
  while (lines.size() > maxLines) {
    auto [begin, end] = LongestRun(lines);
    if (end - begin < 3) begin = 0, end = lines.size();  // no run to shorten: the whole text
    // A run shorter than what must go keeps two lines, and the next round takes the rest.
    const std::size_t excess = lines.size() - maxLines, run = end - begin;
    const std::size_t keep = run > excess + 2 ? run - excess : 2;
    const std::size_t head = keep / 2;
    std::string& last = lines[begin + head - 1].text;
    const std::size_t room = columns > kGap.size() ? columns - kGap.size() : 0;
    last = last.substr(0, Utf8Prefix(last, room)) + std::string(kGap);
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(begin + head),
                lines.begin() + static_cast<std::ptrdiff_t>(end - (keep - head)));
  }
}

}  // namespace

std::string MessageBoxLines(std::string_view message, std::size_t columns, std::size_t maxLines) {
  columns = std::max<std::size_t>(columns, 1);
  std::vector<Line> lines = BreakLines(message, columns);
  Shorten(lines, columns, maxLines);
  std::string text;
  for (const Line& line : lines) text += line.text + '\n';
  text.pop_back();
  return text;
}

std::string DrawableText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const auto c = static_cast<unsigned char>(text[0]);
    const std::size_t sequence = c >= 0x80 ? Utf8SequenceLength(text) : 0;
    if (sequence != 0) {
      out += text.substr(0, sequence);
    } else if (c == '\t') {
      out += ' ';
    } else if (c == '\n' || (c >= 0x20 && c < 0x7F)) {
      out += static_cast<char>(c);
    } else {
      out += '?';
    }
    text.remove_prefix(sequence != 0 ? sequence : 1);
  }
  return out;
}

}  // namespace gm
