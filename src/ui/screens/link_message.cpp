// A link's message and the lines its path is broken into.
#include "ui/screens/link_message.hpp"

#include <algorithm>

#include "platform/utf8_text.hpp"
#include "ui/glyph_text.hpp"

namespace gm {

namespace {

constexpr int kLargeFont = 3;
constexpr int kPathFont = 5;       // the links' gold, large
constexpr int kSmallPathFont = 2;  // the same, small
constexpr std::size_t kMaxLines = 2;

// Lines of at most `width` glyphs (a glyph a byte), each ending after the last '/' that fits (a
// line is cut where none does, between characters: half a character is no part of a path).
std::vector<std::string> Wrap(std::string_view text, std::size_t width) {
  std::vector<std::string> lines;
  while (text.size() > width) {
    std::size_t cut = text.rfind('/', width - 1);
    if (cut == std::string_view::npos || cut == 0)
      cut = std::max<std::size_t>(Utf8BoundaryBefore(text, width), 1) - 1;
    lines.emplace_back(text.substr(0, cut + 1));
    text.remove_prefix(cut + 1);
  }
  if (!text.empty()) lines.emplace_back(text);
  return lines;
}

}  // namespace

PathLines FitPathLines(std::string_view path, std::size_t largeGlyphs) {
  if (largeGlyphs < 4) return {};
  if (auto lines = Wrap(path, largeGlyphs); lines.size() <= kMaxLines) {
    return {kPathFont, std::move(lines)};
  }
  const std::size_t small = 2 * largeGlyphs;
  if (auto lines = Wrap(path, small); lines.size() <= kMaxLines) {
    return {kSmallPathFont, std::move(lines)};
  }
  // Its breaks after a '/' take too much room, but the path itself fits: cut at the column
  // rather than lose any of it.
  const std::size_t first = Utf8BoundaryBefore(path, small);
  if (path.size() - first <= small) {
    std::vector<std::string> lines{std::string(path.substr(0, first))};
    if (first < path.size()) lines.emplace_back(path.substr(first));
    return {kSmallPathFont, std::move(lines)};
  }
  // Longer still: its beginning, and its end (the file's name) after "...".
  constexpr std::string_view kGap = "...";
  const std::size_t tail = Utf8BoundaryAfter(path, path.size() - (small - kGap.size()));
  return {kSmallPathFont,
          {std::string(path.substr(0, first)), std::string(kGap) + std::string(path.substr(tail))}};
}

void DrawLinkMessage(UiContext& ctx, std::int32_t x, std::int32_t y, std::int32_t width) {
  DrawGlyphText(ctx, ctx.ui.LinkUnconfirmed ? kLinkUnconfirmedHeadline : kLinkFailedHeadline, x, y,
                kLargeFont);
  const int large = GlyphAdvance(kLargeFont);
  const PathLines fitted =
      FitPathLines(ctx.ui.LinkMessage, static_cast<std::size_t>(width / large));
  const std::int32_t step = fitted.font == kPathFont ? 16 : 12;
  std::int32_t lineY = y + 18;
  for (const std::string& line : fitted.lines) {
    DrawGlyphText(ctx, line, x, lineY, fitted.font);
    lineY += step;
  }
}

}  // namespace gm
