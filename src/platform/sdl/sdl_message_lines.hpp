// The error box's text in lines that fit the box: the box does not wrap its text itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace gm {

// About 470 pixels of the box's font: the box fits a display 800 pixels wide.
inline constexpr std::size_t kMessageBoxColumns = 72;

// The message as the error box shows it, in lines of at most `columns` characters: the box does
// not wrap its text itself. A line breaks between the message's parts ("file: what: why") where
// they do not fit together, inside a part too long for a line between its words, and inside a
// word too long (a path) after a '/'; a line break stays one. Beyond `maxLines`, the longest run of
// lines of one part (a long path) loses its middle to "...", so that the reason after it stays.
std::string MessageBoxLines(std::string_view message, std::size_t columns = kMessageBoxColumns,
                            std::size_t maxLines = SIZE_MAX);

// The text with what a font cannot draw replaced by '?': bytes that are not UTF-8 (a file name
// may hold any) and control characters. A tab becomes a blank; line breaks stay.
std::string DrawableText(std::string_view text);

}  // namespace gm
