// RLE8 and RLE4 expansion of compressed pictures, bounded by the data and by the image.
#include "media/dib.hpp"

namespace gm {

void ExpandRle(std::span<const uint8_t> data, bool rle4, int32_t rowLength, int32_t height,
               std::vector<uint8_t>& rows) {
  const uint64_t size = uint64_t(rowLength) * uint64_t(height);
  rows.assign(size_t(size), 0);
  uint64_t x = 0;    // column; may run past the row into the bytes that follow
  uint64_t row = 0;  // stored row, 0 = bottom
  size_t pos = 0;
  // Writes one pixel at (x, row) unless it falls outside the image.
  auto put = [&](uint8_t value) {
    uint64_t offset = row * uint64_t(rowLength) + (rle4 ? x / 2 : x);
    if (row < uint64_t(height) && offset < size) {
      uint8_t& b = rows[size_t(offset)];
      if (!rle4) {
        b = value;
      } else if (x % 2 == 0) {
        b = uint8_t((b & 0x0F) | (value << 4));
      } else {
        b = uint8_t((b & 0xF0) | (value & 0x0F));
      }
    }
    ++x;
  };
  while (pos + 2 <= data.size()) {
    const uint8_t n = data[pos];
    const uint8_t code = data[pos + 1];
    pos += 2;
    if (n > 0) {
      for (int i = 0; i < n; ++i) {
        put(rle4 ? uint8_t((i % 2 == 0) ? (code >> 4) : (code & 0x0F)) : code);
      }
      continue;
    }
    if (code == 0) {  // end of line
      x = 0;
      ++row;
    } else if (code == 1) {  // end of picture
      return;
    } else if (code == 2) {  // delta
      if (pos + 2 > data.size()) return;
      x += data[pos];
      row += data[pos + 1];
      pos += 2;
    } else {  // absolute run of `code` pixels
      const size_t bytes = rle4 ? (size_t(code) + 1) / 2 : size_t(code);
      if (pos + bytes > data.size()) return;
      for (int i = 0; i < code; ++i) {
        if (rle4) {
          uint8_t b = data[pos + size_t(i) / 2];
          put((i % 2 == 0) ? uint8_t(b >> 4) : uint8_t(b & 0x0F));
        } else {
          put(data[pos + size_t(i)]);
        }
      }
      pos += bytes;
      if (pos % 2 != 0) ++pos;
    }
    if (row >= uint64_t(height)) return;
  }
}

}  // namespace gm
