// Archive writers against hand-laid bytes: our tools write the game's image and sound archives,
// so every header byte, tag, name and field order must be the one the readers expect.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>
#include <vector>

#include "media/picture_collection.hpp"
#include "media/wave_collection.hpp"

namespace gm {
namespace {

// Little-endian byte assembly, kept apart from the code under test.
struct Bytes {
  std::vector<uint8_t> b;
  Bytes& u8(std::initializer_list<int> v) {
    for (int x : v) b.push_back(uint8_t(x));
    return *this;
  }
  Bytes& u16(uint32_t v) { return u8({int(v & 255), int((v >> 8) & 255)}); }
  Bytes& u32(uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
  Bytes& text(std::string_view s) {
    b.insert(b.end(), s.begin(), s.end());
    return *this;
  }
  Bytes& str(std::string_view s) { return u8({int(s.size())}).text(s); }  // short string
  Bytes& raw(const std::vector<uint8_t>& v) {
    b.insert(b.end(), v.begin(), v.end());
    return *this;
  }
};

// Resource header, "TPF0", class name and an empty component name, then the given stream.
std::vector<uint8_t> Resource(std::string_view rootClass, const std::vector<uint8_t>& body) {
  std::string upper(rootClass);
  for (char& c : upper) c = char(c >= 'a' && c <= 'z' ? c - 32 : c);
  Bytes stream;
  stream.text("TPF0").str(rootClass).str("").raw(body);
  Bytes all;
  all.u8({0xFF}).u16(0x000A).text(upper).u8({0}).u16(0x1030).u32(uint32_t(stream.b.size()));
  return all.raw(stream.b).b;
}

TEST(ArchiveLayout, ImageArchiveBytesAreLaidOutAsTheReaderTakesThem) {
  TPictureCollection list;
  for (int i = 0; i < 256; ++i) list.ColorTable[size_t(i)] = RgbQuad{uint8_t(i), 2, 3, 4};
  auto& item = list.Add();
  item.SetName("Cursors");
  item.Picture.SetColors(list.ColorTable);
  item.Picture.SetSize(3, 2, 8);
  item.Picture.ScanLine(0)[0] = 7;  // top row, stored last
  item.Picture.ScanLine(1)[2] = 9;
  item.PatternWidth = 300;  // 16-bit integer
  item.PatternHeight = 20;
  item.SkipWidth = 1;
  item.SystemMemory = true;
  item.Transparent = false;
  item.SetTransparentColor(RgbColor(255, 0, 255));

  Bytes dib;
  dib.u32(40).u32(3).u32(2).u16(1).u16(8).u32(0).u32(8).u32(0).u32(0).u32(0).u32(0);
  for (int i = 0; i < 256; ++i) dib.u8({i, 2, 3, 4});
  dib.u8({0, 0, 9, 0}).u8({7, 0, 0, 0});  // bottom row first, rows of 4 bytes
  Bytes block;
  block.str("TDIB").raw(dib.b);

  Bytes body;
  body.str("List.ColorTable").u8({10}).u32(1024);
  for (int i = 0; i < 256; ++i) body.u8({i, 2, 3, 4});
  body.str("List").u8({14, 1});
  body.str("Name").u8({6}).str("Cursors");
  body.str("PatternHeight").u8({2, 20});
  body.str("PatternWidth").u8({3}).u16(300);
  body.str("Picture.Data").u8({10}).u32(uint32_t(block.b.size())).raw(block.b);
  body.str("SkipWidth").u8({2, 1});  // SkipHeight 0 is left out
  body.str("SystemMemory").u8({9});
  body.str("Transparent").u8({8});
  body.str("TransparentColor").u8({4}).u32(0x00FF00FF);
  body.u8({0, 0, 0, 0});  // item, collection, properties, children

  ByteWriter out;
  list.SaveToStream(out);
  const auto expected = Resource("TPictureCollectionComponent", body.b);
  EXPECT_EQ(out.Data(), expected);
  TPictureCollection back;
  ByteReader in(expected);
  back.LoadFromStream(in);
  const auto& read = back.Find("CURSORS");
  EXPECT_EQ(read.PatternWidth, 300);
  EXPECT_EQ(read.SkipWidth, 1);
  EXPECT_TRUE(read.SystemMemory);
  EXPECT_EQ(read.Picture.DecodeRgb(), item.Picture.DecodeRgb());
}

TEST(ArchiveLayout, SoundArchiveBytesAreLaidOutAsTheReaderTakesThem) {
  TWaveCollection list;
  auto& item = list.Add();
  item.SetName("click");
  item.SetLooped(true);
  item.SetMaxPlayingCount(3);
  item.Wave.SetPcm(1, 22050, 8, {0, 256, -256});
  list.Add().SetName("start");  // no sound: an empty block

  Bytes fmt;
  fmt.u16(1).u16(1).u32(22050).u32(22050).u16(1).u16(8);
  Bytes riff;
  riff.text("RIFF").u32(4 + 8 + 16 + 8 + 3).text("WAVE");
  riff.text("fmt ").u32(16).raw(fmt.b).text("data").u32(3).u8({128, 129, 127});

  Bytes body;
  body.str("List").u8({14, 1});
  body.str("Name").u8({6}).str("click");
  body.str("Looped").u8({9});
  body.str("MaxPlayingCount").u8({2, 3});
  body.str("Wave.WAVE").u8({10}).u32(uint32_t(riff.b.size())).raw(riff.b);
  body.u8({0, 1});
  body.str("Name").u8({6}).str("start");
  body.str("Looped").u8({8});
  body.str("MaxPlayingCount").u8({2, 0});
  body.str("Wave.WAVE").u8({10}).u32(0);
  body.u8({0, 0, 0, 0});

  ByteWriter out;
  list.SaveToStream(out);
  const auto expected = Resource("TWaveCollectionComponent", body.b);
  EXPECT_EQ(out.Data(), expected);
  TWaveCollection back;
  ByteReader in(expected);
  back.LoadFromStream(in);
  EXPECT_TRUE(back.Find("CLICK").Looped());
  EXPECT_EQ(back.Find("click").MaxPlayingCount(), 3);
  EXPECT_EQ(back.Find("click").Wave.Data, item.Wave.Data);
  EXPECT_TRUE(back.Find("start").Wave.Empty());
}

}  // namespace
}  // namespace gm
