// Device-independent bitmap pictures: 1, 4, 8, 16, 24 and 32 bits, RLE8 and RLE4, read from and
// written to the archive's picture blocks and to BMP files. Copies share one image until one
// of them changes it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "media/byte_stream.hpp"
#include "media/color.hpp"

namespace gm {

// Colour masks of 16- and 32-bit pictures (red, green, blue).
struct DibMasks {
  uint32_t red = 0xFF0000;
  uint32_t green = 0xFF00;
  uint32_t blue = 0xFF;
  friend bool operator==(const DibMasks&, const DibMasks&) = default;
};

inline constexpr DibMasks kMasks555{0x7C00, 0x3E0, 0x1F};
inline constexpr DibMasks kMasks565{0xF800, 0x7E0, 0x1F};
inline constexpr DibMasks kMasks888{0xFF0000, 0xFF00, 0xFF};

// Compression codes of the information header.
inline constexpr uint32_t kBiRgb = 0;
inline constexpr uint32_t kBiRle8 = 1;
inline constexpr uint32_t kBiRle4 = 2;
inline constexpr uint32_t kBiBitFields = 3;

struct TDIBSharedImage {
  int32_t BitCount = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  DibMasks masks;
  Palette256 colorTable{};
  int32_t PaletteCount = 0;
  int32_t rowLength = 0;  // bytes of one stored row, a multiple of 4
  uint32_t compression = kBiRgb;
  // Rows bottom row first, rowLength each; for RLE pictures the run-length data as read.
  std::vector<uint8_t> bits;
};

class TDIB {
 public:
  bool Empty() const { return !image_ || image_->Width == 0; }
  int32_t Width() const { return image_ ? image_->Width : 0; }
  int32_t Height() const { return image_ ? image_->Height : 0; }
  int32_t BitCount() const { return image_ ? image_->BitCount : 0; }
  int32_t PaletteCount() const { return image_ ? image_->PaletteCount : 0; }
  int32_t RowLength() const { return image_ ? image_->rowLength : 0; }
  bool Compressed() const {
    return image_ && (image_->compression == kBiRle8 || image_->compression == kBiRle4);
  }
  uint32_t Compression() const { return image_ ? image_->compression : kBiRgb; }
  DibMasks Masks() const { return image_ ? image_->masks : DibMasks{}; }
  const Palette256& Colors() const;
  // Whether two pictures share one image (a copy shares until either changes).
  bool SharesImageWith(const TDIB& other) const { return image_ && image_ == other.image_; }

  // A new blank picture; bit count 1, 4, 8, 16, 24 or 32; masks 5-5-5 or 5-6-5 at 16 bits.
  // w < 1 or h < 1 clears the picture. The colour table is kept; the same size, bit count and
  // masks change nothing.
  void SetSize(int32_t w, int32_t h, int32_t bitCount, DibMasks masks = {});
  void Clear() { image_.reset(); }
  void SetColors(const Palette256& colors);
  // Stored row bytes, y = 0 the top row; makes the image private and uncompressed first.
  uint8_t* ScanLine(int32_t y);

  // Reads a BMP file (14-byte "BM" header, then the picture); nothing when there are no bytes.
  void LoadFromStream(ByteReader& in);
  // Reads the picture that follows a BMP file header: information header, masks, colour table
  // and bits. The picture stays as it was when this fails.
  void ReadData(ByteReader& in);
  void SaveToStream(ByteWriter& out) const;
  void WriteData(ByteWriter& out) const;

  // The picture's colours, top row first, Width x Height entries.
  std::vector<TColor> DecodeRgb() const;

 private:
  void MakePrivate();
  std::shared_ptr<TDIBSharedImage> image_;
};

// Expands RLE8 or RLE4 data into rows of rowLength bytes (bottom row first), never reading past
// the data nor writing past the rows.
void ExpandRle(std::span<const uint8_t> data, bool rle4, int32_t rowLength, int32_t height,
               std::vector<uint8_t>& rows);

}  // namespace gm
