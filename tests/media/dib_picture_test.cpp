// Bitmap pictures: every depth through our writer and reader, hand-made headers, RLE8 and RLE4.
#include <gtest/gtest.h>

#include <vector>

#include "media/dib.hpp"
#include "media/media_error.hpp"

namespace gm {
namespace {

RgbQuad Entry(int i) {
  return RgbQuad{uint8_t(i * 3), uint8_t(i * 5), uint8_t(i), 0};
}
TColor EntryColor(int i) {
  return RgbColor(uint8_t(i), uint8_t(i * 5), uint8_t(i * 3));
}

Palette256 TestTable() {
  Palette256 t{};
  for (int i = 0; i < 256; ++i) t[size_t(i)] = Entry(i);
  return t;
}

// A picture payload with a 40-byte header, masks and colour table as given.
std::vector<uint8_t> Payload(int32_t w, int32_t h, uint16_t bits, uint32_t compression,
                             const std::vector<uint8_t>& pixels, int tableEntries = 0,
                             std::vector<uint32_t> masks = {}, uint32_t imageSize = 0) {
  ByteWriter out;
  out.U32(40);
  out.I32(w);
  out.I32(h);
  out.U16(1);
  out.U16(bits);
  out.U32(compression);
  out.U32(imageSize ? imageSize : uint32_t(pixels.size()));
  out.U32(0);
  out.U32(0);
  out.U32(uint32_t(tableEntries));
  out.U32(0);
  for (uint32_t m : masks) out.U32(m);
  for (int i = 0; i < tableEntries; ++i) {
    RgbQuad q = Entry(i);
    out.U8(q.blue);
    out.U8(q.green);
    out.U8(q.red);
    out.U8(0);
  }
  out.Bytes(pixels);
  return out.Data();
}

TDIB Read(const std::vector<uint8_t>& bytes) {
  TDIB dib;
  ByteReader in(bytes);
  dib.ReadData(in);
  return dib;
}

// Fills a w x h picture through its scan lines with pixel values v(x, y) and gives the colours.
struct DepthCase {
  int32_t bits;
  DibMasks masks;
  uint32_t (*value)(int x, int y);
  TColor (*color)(uint32_t v);
};

void Put(uint8_t* row, int32_t bits, int x, uint32_t v) {
  switch (bits) {
    case 1:
      row[x / 8] = uint8_t((row[x / 8] & ~(0x80 >> (x % 8))) | ((v & 1) << (7 - x % 8)));
      break;
    case 4:
      row[x / 2] = x % 2 == 0 ? uint8_t((row[x / 2] & 0x0F) | (v << 4))
                              : uint8_t((row[x / 2] & 0xF0) | (v & 15));
      break;
    case 8:
      row[x] = uint8_t(v);
      break;
    case 16:
      row[2 * x] = uint8_t(v);
      row[2 * x + 1] = uint8_t(v >> 8);
      break;
    case 24:
      for (int i = 0; i < 3; ++i) row[3 * x + i] = uint8_t(v >> (8 * i));
      break;
    default:
      for (int i = 0; i < 4; ++i) row[4 * x + i] = uint8_t(v >> (8 * i));
  }
}

TEST(DibPicture, EveryDepthSurvivesWriteAndRead) {
  const DepthCase cases[] = {
      {1, kMasks888, [](int x, int y) { return uint32_t((x + y) % 2); },
       [](uint32_t v) { return EntryColor(int(v)); }},
      {4, kMasks888, [](int x, int y) { return uint32_t((x * 3 + y) % 16); },
       [](uint32_t v) { return EntryColor(int(v)); }},
      {8, kMasks888, [](int x, int y) { return uint32_t(x * 40 + y); },
       [](uint32_t v) { return EntryColor(int(v)); }},
      // 5-5-5: 0x7C00 is full red, 0x03E0 full green, 0x001F full blue.
      {16, kMasks555,
       [](int x, int) {
         return uint32_t(x % 3 == 0 ? 0x7C00 : x % 3 == 1 ? 0x03E0 : 0x001F);
       },
       [](uint32_t v) {
         return v == 0x7C00   ? RgbColor(255, 0, 0)
                : v == 0x03E0 ? RgbColor(0, 255, 0)
                              : RgbColor(0, 0, 255);
       }},
      // 5-6-5: 0xF800 red, 0x07E0 green, 0xFFFF white.
      {16, kMasks565,
       [](int x, int) {
         return uint32_t(x % 3 == 0 ? 0xF800 : x % 3 == 1 ? 0x07E0 : 0xFFFF);
       },
       [](uint32_t v) {
         return v == 0xF800   ? RgbColor(255, 0, 0)
                : v == 0x07E0 ? RgbColor(0, 255, 0)
                              : RgbColor(255, 255, 255);
       }},
      // Stored blue, green, red.
      {24, kMasks888, [](int x, int y) { return uint32_t(0x102030 + x * 0x010000 + y); },
       [](uint32_t v) { return RgbColor(uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)); }},
      {32, kMasks888, [](int x, int y) { return uint32_t(0x405060 + x * 0x0100 + y * 0x010000); },
       [](uint32_t v) { return RgbColor(uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)); }},
  };
  const int32_t w = 5, h = 3;
  for (const DepthCase& c : cases) {
    SCOPED_TRACE(c.bits);
    TDIB dib;
    dib.SetColors(TestTable());
    dib.SetSize(w, h, c.bits, c.masks);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) Put(dib.ScanLine(y), c.bits, x, c.value(x, y));
    }
    ByteWriter out;
    dib.WriteData(out);
    TDIB back = Read(out.Data());
    EXPECT_EQ(back.BitCount(), c.bits);
    EXPECT_EQ(back.Masks(), c.masks);
    const auto rgb = back.DecodeRgb();
    ASSERT_EQ(rgb.size(), size_t(w * h));
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        EXPECT_EQ(rgb[size_t(y * w + x)], c.color(c.value(x, y))) << x << "," << y;
      }
    }
    // The same picture as a BMP file.
    ByteWriter file;
    dib.SaveToStream(file);
    TDIB fromFile;
    ByteReader in(file.Data());
    fromFile.LoadFromStream(in);
    EXPECT_EQ(fromFile.DecodeRgb(), rgb);
  }
}

TEST(DibPicture, RowLengthsAreWholeDoubleWords) {
  TDIB a, b;
  a.SetSize(3, 1, 24);
  b.SetSize(33, 1, 1);
  EXPECT_EQ(a.RowLength(), 12);
  EXPECT_EQ(b.RowLength(), 8);
  ByteWriter out;
  TDIB c;
  c.SetSize(2, 2, 16, kMasks565);
  c.WriteData(out);
  // Compression 3 and the three masks follow the 40-byte header.
  ByteReader r(out.Data());
  r.Skip(16);
  EXPECT_EQ(r.U32(), kBiBitFields);
  r.Skip(20);
  EXPECT_EQ(r.U32(), 0xF800u);
  EXPECT_EQ(r.U32(), 0x7E0u);
  EXPECT_EQ(r.U32(), 0x1Fu);
}

// Tools size a picture and then paint it: asking for the size it already has keeps the paint.
TEST(DibPicture, SettingTheSameSizeKeepsThePixels) {
  struct Case {
    int32_t w, h, bits;
    DibMasks masks;
    bool kept;
  };
  for (const Case c : {Case{4, 3, 8, {}, true}, Case{4, 3, 16, kMasks555, true},
                       Case{4, 3, 16, kMasks565, false}, Case{5, 3, 16, kMasks555, false},
                       Case{4, 2, 16, kMasks555, false}, Case{4, 3, 24, {}, false}}) {
    TDIB dib;
    dib.SetSize(4, 3, c.bits == 8 ? 8 : 16, c.bits == 8 ? kMasks888 : kMasks555);
    dib.ScanLine(1)[0] = 0x5A;
    dib.SetSize(c.w, c.h, c.bits, c.masks);
    EXPECT_EQ(dib.ScanLine(1)[0] == 0x5A, c.kept) << c.w << "x" << c.h << " at " << c.bits;
  }
}

TEST(DibPicture, CoreHeaderWithThreeByteColours) {
  ByteWriter out;
  out.U32(12);
  out.U16(3);  // width
  out.U16(2);  // height
  out.U16(1);
  out.U16(1);                                   // bits
  out.U8(0), out.U8(0), out.U8(0);              // entry 0 black
  out.U8(255), out.U8(255), out.U8(255);        // entry 1 white
  for (uint8_t b : {0xA0, 0, 0, 0}) out.U8(b);  // bottom row: 1 0 1
  for (uint8_t b : {0x40, 0, 0, 0}) out.U8(b);  // top row: 0 1 0
  const auto rgb = Read(out.Data()).DecodeRgb();
  const TColor k = RgbColor(0, 0, 0), W = RgbColor(255, 255, 255);
  EXPECT_EQ(rgb, (std::vector<TColor>{k, W, k, W, k, W}));
}

TEST(DibPicture, SixteenBitsWithoutMasksIsFiveFiveFive) {
  const auto bytes = Payload(2, 1, 16, kBiRgb, {0x00, 0x7C, 0xE0, 0x03});
  TDIB dib = Read(bytes);
  EXPECT_EQ(dib.Masks(), kMasks555);
  EXPECT_EQ(dib.DecodeRgb(), (std::vector<TColor>{RgbColor(255, 0, 0), RgbColor(0, 255, 0)}));
}

TEST(DibPicture, NegativeHeightStoresTopRowFirst) {
  // Two rows of one 8-bit pixel, padded to 4 bytes: the file's first row is the top one.
  const auto bytes = Payload(1, -2, 8, kBiRgb, {7, 0, 0, 0, 9, 0, 0, 0}, 256);
  TDIB dib = Read(bytes);
  EXPECT_EQ(dib.Height(), 2);
  EXPECT_EQ(dib.DecodeRgb(), (std::vector<TColor>{EntryColor(7), EntryColor(9)}));
}

// Decoded pixels of an 8- or 4-bit RLE picture as colour-table indexes, top row first.
std::vector<int> RleIndexes(int32_t w, int32_t h, uint16_t bits, const std::vector<uint8_t>& rle) {
  const uint32_t comp = bits == 8 ? kBiRle8 : kBiRle4;
  TDIB dib = Read(Payload(w, h, bits, comp, rle, 1 << bits));
  EXPECT_TRUE(dib.Compressed());
  std::vector<int> out;
  for (TColor c : dib.DecodeRgb()) out.push_back(RedOf(c));  // entry i has red i
  return out;
}

TEST(DibPicture, Rle8RunsAbsoluteRunsLineEndsAndDeltas) {
  // Run of 3 x 5, absolute run a b c (3 bytes + pad), end of line, delta (2, 1), run 2 x 7.
  const std::vector<uint8_t> rle = {3, 5, 0, 3, 10, 11, 12, 0, 0, 0, 0, 2, 2, 1, 2, 7, 0, 1};
  EXPECT_EQ(RleIndexes(6, 3, 8, rle), (std::vector<int>{0, 0, 7, 7, 0, 0,  // top: stored row 2
                                                        0, 0, 0, 0, 0, 0,  // stored row 1
                                                        5, 5, 5, 10, 11, 12}));
  // A delta of (2, 1) after 4 pixels of a row moves to column 6 of the next row up.
  EXPECT_EQ(RleIndexes(8, 2, 8, {4, 1, 0, 2, 2, 1, 1, 9, 0, 1}),
            (std::vector<int>{0, 0, 0, 0, 0, 0, 9, 0, 1, 1, 1, 1, 0, 0, 0, 0}));
  // A run past the row's end goes on into the fill bytes and the next row; the end of line
  // then starts from the row the run began in.
  EXPECT_EQ(RleIndexes(3, 2, 8, {5, 2, 0, 0, 1, 3, 0, 1}), (std::vector<int>{3, 0, 0, 2, 2, 2}));
}

TEST(DibPicture, Rle4NibblesRunsAndAbsoluteRuns) {
  // Run of 3 with 0x12 gives 1 2 1; an absolute run of 3 takes 2 bytes and no pad.
  EXPECT_EQ(RleIndexes(8, 1, 4, {3, 0x12, 0, 3, 0x34, 0x50, 2, 0x66, 0, 1}),
            (std::vector<int>{1, 2, 1, 3, 4, 5, 6, 6}));
  // The run's last pixel sets only the high nibble of the second byte.
  TDIB dib = Read(Payload(4, 1, 4, kBiRle4, {3, 0x12, 0, 1}, 16));
  const uint8_t* row = dib.ScanLine(0);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row[0], 0x12);
  EXPECT_EQ(row[1], 0x10);
  EXPECT_FALSE(dib.Compressed());
}

TEST(DibPicture, RleNeverReadsOrWritesOutOfBounds) {
  const std::vector<std::vector<uint8_t>> streams = {
      {255, 1, 255, 1, 255, 1, 255, 1},  // runs far past the picture, no end mark
      {0, 2, 255, 255, 5, 5},            // delta far beyond the last row
      {0, 200, 1, 2},                    // absolute run longer than the data
      {0, 2, 1},                         // delta cut short
      {7},                               // half a record
      {},
  };
  for (const auto& s : streams) {
    EXPECT_NO_THROW(RleIndexes(4, 2, 8, s));
    EXPECT_NO_THROW(RleIndexes(4, 2, 4, s));
  }
  EXPECT_EQ(RleIndexes(2, 1, 8, {255, 1}), (std::vector<int>{1, 1}));
}

TEST(DibPicture, RlePicturesAreWrittenBackCompressed) {
  const std::vector<uint8_t> rle = {3, 5, 0, 3, 10, 11, 12, 0, 0, 0, 0, 2, 2, 1, 2, 7, 0, 1};
  TDIB dib = Read(Payload(6, 3, 8, kBiRle8, rle, 256));
  ByteWriter out;
  dib.WriteData(out);
  TDIB back = Read(out.Data());
  EXPECT_TRUE(back.Compressed());
  EXPECT_EQ(back.Compression(), kBiRle8);
  EXPECT_EQ(back.DecodeRgb(), dib.DecodeRgb());
}

TEST(DibPicture, CopiesShareUntilOneChanges) {
  TDIB a;
  a.SetSize(2, 2, 8);
  TDIB b = a;
  EXPECT_TRUE(a.SharesImageWith(b));
  b.ScanLine(0)[0] = 4;
  EXPECT_FALSE(a.SharesImageWith(b));
  EXPECT_EQ(a.ScanLine(0)[0], 0);
}

}  // namespace
}  // namespace gm
