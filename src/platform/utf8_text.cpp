// UTF-8 sequences, characters and their boundaries.
#include "platform/utf8_text.hpp"

#include <algorithm>

namespace gm {

namespace {

// The bytes of the character at the start of a non-empty `text`.
std::size_t CharacterLength(std::string_view text) {
  return std::max<std::size_t>(Utf8SequenceLength(text), 1);
}

}  // namespace

std::size_t Utf8SequenceLength(std::string_view text) {
  if (text.empty()) return 0;
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
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

std::size_t Utf8Columns(std::string_view text) {
  std::size_t columns = 0;
  for (std::size_t at = 0; at < text.size(); at += CharacterLength(text.substr(at))) ++columns;
  return columns;
}

std::size_t Utf8Prefix(std::string_view text, std::size_t columns) {
  std::size_t at = 0;
  for (; at < text.size() && columns > 0; --columns) at += CharacterLength(text.substr(at));
  return at;
}

std::size_t Utf8BoundaryBefore(std::string_view text, std::size_t at) {
  std::size_t boundary = 0;
  while (boundary < text.size()) {
    const std::size_t next = boundary + CharacterLength(text.substr(boundary));
    if (next > at) break;
    boundary = next;
  }
  return boundary;
}

std::size_t Utf8BoundaryAfter(std::string_view text, std::size_t at) {
  std::size_t boundary = 0;
  while (boundary < at && boundary < text.size())
    boundary += CharacterLength(text.substr(boundary));
  return boundary;
}

}  // namespace gm
