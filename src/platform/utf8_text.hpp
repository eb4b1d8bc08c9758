// Text counted and cut by characters, so that no cut splits a UTF-8 sequence: a path may hold
// any bytes, and half a character stops the text it lands in. A byte that begins no valid
// sequence counts as a character of its own, as it is drawn as one.
#pragma once

#include <cstddef>
#include <string_view>

namespace gm {

// The length of the UTF-8 sequence at the start of `text`, 0 when it is none (or `text` is
// empty): no overlong form, no surrogate, nothing past U+10FFFF.
std::size_t Utf8SequenceLength(std::string_view text);

// The characters of `text`.
std::size_t Utf8Columns(std::string_view text);

// The bytes of the first `columns` characters of `text` (all of it when it has fewer).
std::size_t Utf8Prefix(std::string_view text, std::size_t columns);

// The last character boundary at or before byte `at`, and the first at or after it.
std::size_t Utf8BoundaryBefore(std::string_view text, std::size_t at);
std::size_t Utf8BoundaryAfter(std::string_view text, std::size_t at);

}  // namespace gm
