// The message of a link that opened nothing, or whose opener still ran when the game stopped
// waiting: a headline, and below it the guide's path for the player to open by hand, fitted to
// the room it has.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/ui_context.hpp"

namespace gm {

inline constexpr std::string_view kLinkFailedHeadline =
    "No program opened the guide. Open it by hand:";
// A browser may have opened it, or the opener hangs: the path, quietly.
inline constexpr std::string_view kLinkUnconfirmedHeadline =
    "If no browser opened, the guide is at:";

// A path in at most two lines: of `largeGlyphs` glyphs of the large font where it fits, else of
// twice as many small ones, each broken after a '/' where one lies in reach, or at the column
// where those breaks take a third line. A path longer still keeps its beginning and its end (the
// file's name) around "...".
struct PathLines {
  int font = 3;
  std::vector<std::string> lines;
};
PathLines FitPathLines(std::string_view path, std::size_t largeGlyphs);

// Draws the headline (the quiet one when ctx.ui.LinkUnconfirmed) at (x, y) and ctx.ui.LinkMessage
// below it, within `width` pixels.
void DrawLinkMessage(UiContext& ctx, std::int32_t x, std::int32_t y, std::int32_t width);

}  // namespace gm
