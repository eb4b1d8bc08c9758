// Reading, writing and decoding of device-independent bitmap pictures.
#include "media/dib.hpp"

#include <algorithm>
#include <cstring>

#include "media/fixed_palette.hpp"
#include "media/media_error.hpp"

namespace gm {

namespace {

// Bounds for pictures read from files: far above the game's pictures, far below trouble.
constexpr int64_t kMaxSide = 16384;
constexpr int64_t kMaxImageBytes = int64_t(64) << 20;
constexpr int64_t kMaxPixels = int64_t(1) << 24;

[[noreturn]] void Invalid() {
  throw EInvalidGraphic(std::string(kDibInvalid));
}

int64_t RowLengthOf(int64_t width, int64_t bitCount) {
  return ((width * bitCount + 31) / 32) * 4;
}

void CheckFormat(int32_t bitCount, const DibMasks& masks) {
  switch (bitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
    case 32:
      if (masks != kMasks888) throw EInvalidGraphic("PixelFormat in invalid");
      break;
    case 16:
      if (masks != kMasks555 && masks != kMasks565) throw EInvalidGraphic("PixelFormat in invalid");
      break;
    default:
      throw EInvalidGraphic(FormatMessage("Bitcount in invalid (%d)", bitCount));
  }
}

void CheckSize(int64_t width, int64_t height, int64_t bitCount) {
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) Invalid();
  if (RowLengthOf(width, bitCount) * height > kMaxImageBytes || width * height > kMaxPixels) {
    Invalid();
  }
}

int32_t PaletteCountOf(int32_t bitCount) {
  return bitCount <= 8 ? (1 << bitCount) : 0;
}

// Expands a masked channel to 8 bits.
uint8_t Channel(uint32_t v, uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (((mask >> shift) & 1) == 0) ++shift;
  uint32_t m = mask >> shift;
  uint32_t c = (v >> shift) & m;
  return uint8_t(c * 255 / m);
}

}  // namespace

const Palette256& TDIB::Colors() const {
  static const Palette256 kEmpty{};
  return image_ ? image_->colorTable : kEmpty;
}

void TDIB::SetSize(int32_t w, int32_t h, int32_t bitCount, DibMasks masks) {
  if (w < 1 || h < 1) {
    Clear();
    return;
  }
  if (bitCount != 16 && masks == DibMasks{}) masks = kMasks888;
  if (bitCount == 16 && masks == kMasks888) masks = kMasks555;
  CheckFormat(bitCount, masks);
  // The same size and format keeps the picture as it is.
  if (image_ && image_->Width == w && image_->Height == h && image_->BitCount == bitCount &&
      image_->masks == masks) {
    return;
  }
  CheckSize(w, h, bitCount);
  auto img = std::make_shared<TDIBSharedImage>();
  img->BitCount = bitCount;
  img->Width = w;
  img->Height = h;
  img->masks = masks;
  if (image_) img->colorTable = image_->colorTable;
  img->PaletteCount = PaletteCountOf(bitCount);
  img->rowLength = int32_t(RowLengthOf(w, bitCount));
  img->compression = (bitCount == 16 || bitCount == 32) ? kBiBitFields : kBiRgb;
  img->bits.assign(size_t(img->rowLength) * size_t(h), 0);
  image_ = std::move(img);
}

void TDIB::SetColors(const Palette256& colors) {
  if (!image_) image_ = std::make_shared<TDIBSharedImage>();
  MakePrivate();
  image_->colorTable = colors;
}

void TDIB::MakePrivate() {
  if (!image_) return;
  if (image_.use_count() == 1 && !Compressed()) return;
  auto copy = std::make_shared<TDIBSharedImage>(*image_);
  if (Compressed()) {
    ExpandRle(image_->bits, image_->compression == kBiRle4, image_->rowLength, image_->Height,
              copy->bits);
    copy->compression = kBiRgb;
  }
  image_ = std::move(copy);
}

uint8_t* TDIB::ScanLine(int32_t y) {
  if (Empty() || y < 0 || y >= Height()) return nullptr;
  MakePrivate();
  return image_->bits.data() + size_t(Height() - 1 - y) * size_t(image_->rowLength);
}

void TDIB::LoadFromStream(ByteReader& in) {
  if (in.AtEnd()) return;
  if (in.Remaining() < 14) Invalid();
  if (in.U16() != 0x4D42) Invalid();
  in.Skip(12);  // file size, reserved words, bits offset: not needed
  ReadData(in);
}

void TDIB::ReadData(ByteReader& in) {
  if (in.Remaining() < 4) Invalid();
  const uint32_t headerSize = in.U32();
  int64_t width = 0, height = 0;
  int32_t bitCount = 0;
  uint32_t compression = kBiRgb, imageSize = 0, colorsUsed = 0;
  size_t entrySize = 4;
  if (headerSize == 12) {
    width = in.U16();
    height = in.U16();
    in.U16();  // planes
    bitCount = in.U16();
    entrySize = 3;
  } else if (headerSize == 40) {
    width = in.I32();
    height = in.I32();
    in.U16();  // planes
    bitCount = in.U16();
    compression = in.U32();
    imageSize = in.U32();
    in.Skip(8);  // pixels per metre
    colorsUsed = in.U32();
    in.U32();  // colours important
  } else {
    Invalid();
  }
  DibMasks masks = bitCount == 16 ? kMasks555 : kMasks888;
  if (compression == kBiBitFields) {
    masks.red = in.U32();
    masks.green = in.U32();
    masks.blue = in.U32();
  }
  // Everything the header says is checked before the colour table and the bits are read.
  CheckFormat(bitCount, masks);
  if (compression > kBiBitFields) Invalid();
  // Run-length data must match its depth: RLE8 only at 8 bits, RLE4 only at 4.
  if ((compression == kBiRle8 && bitCount != 8) || (compression == kBiRle4 && bitCount != 4)) {
    Invalid();
  }
  const bool topDown = height < 0;
  height = topDown ? -height : height;
  CheckSize(width, height, bitCount);
  uint64_t colorCount = colorsUsed;
  if (colorCount == 0 && bitCount <= 8) colorCount = uint64_t(1) << bitCount;
  colorCount = std::min<uint64_t>(colorCount, 256);
  in.Need(colorCount * entrySize);
  auto img = std::make_shared<TDIBSharedImage>();
  for (size_t i = 0; i < colorCount; ++i) {
    RgbQuad& q = img->colorTable[i];
    q.blue = in.U8();
    q.green = in.U8();
    q.red = in.U8();
    if (entrySize == 4) q.reserved = in.U8();
  }
  img->BitCount = bitCount;
  img->Width = int32_t(width);
  img->Height = int32_t(height);
  img->masks = masks;
  img->PaletteCount = PaletteCountOf(bitCount);
  img->rowLength = int32_t(RowLengthOf(width, bitCount));
  const uint64_t size = uint64_t(img->rowLength) * uint64_t(height);
  if (compression == kBiRle8 || compression == kBiRle4) {
    auto data = in.Bytes(imageSize);
    img->bits.assign(data.begin(), data.end());
    img->compression = compression;
  } else {
    auto data = in.Bytes(size);
    img->bits.resize(size_t(size));
    const size_t rowLen = size_t(img->rowLength);
    for (size_t r = 0; r < size_t(height); ++r) {
      // Rows are kept bottom row first whichever order the file uses.
      size_t from = topDown ? (size_t(height) - 1 - r) : r;
      std::memcpy(img->bits.data() + r * rowLen, data.data() + from * rowLen, rowLen);
    }
    img->compression = (bitCount == 16 || bitCount == 32) ? kBiBitFields : kBiRgb;
  }
  image_ = std::move(img);
}

void TDIB::WriteData(ByteWriter& out) const {
  if (Empty()) return;
  const TDIBSharedImage& img = *image_;
  const bool masked = img.BitCount == 16 || img.BitCount == 32;
  out.U32(40);
  out.I32(img.Width);
  out.I32(img.Height);
  out.U16(1);
  out.U16(uint16_t(img.BitCount));
  out.U32(masked ? kBiBitFields : img.compression);
  out.U32(uint32_t(img.bits.size()));
  out.U32(0);
  out.U32(0);
  out.U32(0);
  out.U32(0);
  if (masked) {
    out.U32(img.masks.red);
    out.U32(img.masks.green);
    out.U32(img.masks.blue);
  }
  for (int32_t i = 0; i < img.PaletteCount; ++i) {
    const RgbQuad& q = img.colorTable[size_t(i)];
    out.U8(q.blue);
    out.U8(q.green);
    out.U8(q.red);
    out.U8(q.reserved);
  }
  out.Bytes(img.bits);
}

void TDIB::SaveToStream(ByteWriter& out) const {
  if (Empty()) return;
  const uint32_t infoSize =
      40 + ((BitCount() == 16 || BitCount() == 32) ? 12 : 0) + uint32_t(PaletteCount()) * 4;
  out.U16(0x4D42);
  out.U32(infoSize + 14 + uint32_t(image_->bits.size()));
  out.U16(0);
  out.U16(0);
  out.U32(infoSize + 14);
  WriteData(out);
}

std::vector<TColor> TDIB::DecodeRgb() const {
  std::vector<TColor> rgb;
  if (Empty()) return rgb;
  const TDIBSharedImage& img = *image_;
  std::vector<uint8_t> expanded;
  const std::vector<uint8_t>* rows = &img.bits;
  if (Compressed()) {
    ExpandRle(img.bits, img.compression == kBiRle4, img.rowLength, img.Height, expanded);
    rows = &expanded;
  }
  const size_t w = size_t(img.Width), h = size_t(img.Height);
  rgb.resize(w * h);
  auto fromTable = [&](uint32_t index) {
    const RgbQuad& q = img.colorTable[index & 255];
    return RgbColor(q.red, q.green, q.blue);
  };
  for (size_t y = 0; y < h; ++y) {
    const uint8_t* row = rows->data() + (h - 1 - y) * size_t(img.rowLength);
    TColor* out = rgb.data() + y * w;
    for (size_t x = 0; x < w; ++x) {
      switch (img.BitCount) {
        case 1:
          out[x] = fromTable((row[x / 8] >> (7 - x % 8)) & 1);
          break;
        case 4:
          out[x] = fromTable((x % 2 == 0) ? (row[x / 2] >> 4) : (row[x / 2] & 15));
          break;
        case 8:
          out[x] = fromTable(row[x]);
          break;
        case 16: {
          uint32_t v = uint32_t(row[2 * x] | (row[2 * x + 1] << 8));
          out[x] = RgbColor(Channel(v, img.masks.red), Channel(v, img.masks.green),
                            Channel(v, img.masks.blue));
          break;
        }
        case 24:
          out[x] = RgbColor(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
          break;
        default:
          out[x] = RgbColor(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
          break;
      }
    }
  }
  return rgb;
}

}  // namespace gm
