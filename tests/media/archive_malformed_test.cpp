// Damaged archives, pictures and waves are refused with their message, never read past.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "media/component_stream.hpp"
#include "media/media_error.hpp"
#include "media/picture_collection.hpp"
#include "media/wave_collection.hpp"
#include "platform/posix_file_system.hpp"
#include "tests/platform/temp_folder.hpp"

namespace gm {
namespace {

using Bytes = std::vector<uint8_t>;

// An image archive whose one item gets the properties written by `item`.
Bytes ImageArchive(const std::function<void(ComponentWriter&)>& item,
                   const std::function<void(ComponentWriter&)>& root = nullptr) {
  ByteWriter out;
  ComponentWriter w(out);
  w.WriteRootStart("TPictureCollectionComponent");
  if (root) root(w);
  w.WriteStr("List");
  w.WriteCollectionBegin();
  w.WriteItemBegin();
  item(w);
  w.WriteListEnd();
  w.WriteListEnd();
  w.WriteListEnd();
  w.WriteListEnd();
  w.Finish();
  return out.Data();
}

// An item whose "Picture.Data" is "TDIB" followed by the given picture bytes.
Bytes PictureArchive(const Bytes& dib) {
  return ImageArchive([&](ComponentWriter& w) {
    ByteWriter block;
    ComponentWriter(block).WriteStr("TDIB");
    block.Bytes(dib);
    w.WriteStr("Picture.Data");
    w.WriteBinary(block.Data());
  });
}

Bytes DibHeader(int32_t w, int32_t h, uint16_t bits, uint32_t compression, uint32_t imageSize,
                uint32_t headerSize = 40) {
  ByteWriter out;
  out.U32(headerSize);
  out.I32(w);
  out.I32(h);
  out.U16(1);
  out.U16(bits);
  out.U32(compression);
  out.U32(imageSize);
  for (int i = 0; i < 4; ++i) out.U32(0);
  return out.Data();
}

Bytes Concat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::string LoadImagesError(const Bytes& bytes) {
  TPictureCollection list;
  ByteReader in(bytes);
  try {
    list.LoadFromStream(in);
  } catch (const MediaError& e) {
    return e.what();
  }
  return "";
}

TEST(MalformedImageArchive, RefusedWithTheMessage) {
  Bytes unterminated = {0xFF, 0x0A, 0x00};
  unterminated.insert(unterminated.end(), 100, 'A');
  Bytes noHeader = {'T', 'P', 'F', '0', 0, 0, 0, 0};
  Bytes badSignature = ImageArchive([](ComponentWriter&) {});
  badSignature[3 + 28 + 6] = 'X';  // after "TPICTURECOLLECTIONCOMPONENT\0", flags and size
  const Bytes uncompressed = DibHeader(4, 4, 8, kBiRgb, 0);
  struct Case {
    const char* what;
    Bytes bytes;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"empty file", {}, "Invalid stream format"},
      {"no resource header", noHeader, "Invalid stream format"},
      {"unterminated resource name", unterminated, "Invalid stream format"},
      {"wrong signature", badSignature, "Invalid stream format"},
      {"negative skip", ImageArchive([](ComponentWriter& w) {
         w.WriteStr("SkipWidth");
         w.WriteInteger(-20);
       }),
       "Invalid property value"},
      {"negative row skip", ImageArchive([](ComponentWriter& w) {
         w.WriteStr("SkipHeight");
         w.WriteInteger(-1);
       }),
       "Invalid property value"},
      {"unknown property", ImageArchive([](ComponentWriter& w) {
         w.WriteStr("Colour");
         w.WriteInteger(1);
       }),
       "Property Colour does not exist"},
      {"string where a number belongs", ImageArchive([](ComponentWriter& w) {
         w.WriteStr("PatternWidth");
         w.WriteString("20");
       }),
       "Invalid property value"},
      {"unknown colour name", ImageArchive([](ComponentWriter& w) {
         w.WriteStr("TransparentColor");
         w.Stream().U8(uint8_t(ValueTag::kIdent));
         w.WriteStr("clPlaid");
       }),
       "Invalid property value"},
      {"short colour table",
       ImageArchive([](ComponentWriter&) {},
                    [](ComponentWriter& w) {
                      w.WriteStr("List.ColorTable");
                      w.WriteBinary(Bytes(1000));
                    }),
       "Stream read error"},
      {"block longer than the file", ImageArchive([](ComponentWriter& w) {
         w.WriteStr("Picture.Data");
         w.Stream().U8(uint8_t(ValueTag::kBinary));
         w.Stream().U32(0xFFFFFFF0u);
       }),
       "Stream read error"},
      {"huge wide string", ImageArchive([](ComponentWriter& w) {
         w.WriteStr("Name");
         w.Stream().U8(uint8_t(ValueTag::kWString));
         w.Stream().U32(0x7FFFFFFFu);
       }),
       "Stream read error"},
      {"bad picture header size", PictureArchive(DibHeader(4, 4, 8, 0, 0, 20)), "DIB is invalid"},
      {"picture header cut short", PictureArchive({40, 0}), "DIB is invalid"},
      {"bit count 7", PictureArchive(DibHeader(4, 4, 7, 0, 0)), "Bitcount in invalid (7)"},
      {"unknown compression", PictureArchive(DibHeader(4, 4, 8, 9, 0)), "DIB is invalid"},
      {"RLE8 at 4 bits", PictureArchive(DibHeader(4, 4, 4, kBiRle8, 0)), "DIB is invalid"},
      {"odd 16-bit masks",
       PictureArchive(Concat(DibHeader(4, 4, 16, kBiBitFields, 0), Bytes(12, 0xFF))),
       "PixelFormat in invalid"},
      {"huge width", PictureArchive(DibHeader(100000, 4, 8, 0, 0)), "DIB is invalid"},
      {"zero height", PictureArchive(DibHeader(4, 0, 8, 0, 0)), "DIB is invalid"},
      {"negative width", PictureArchive(DibHeader(-4, 4, 8, 0, 0)), "DIB is invalid"},
      {"most negative height", PictureArchive(DibHeader(4, INT32_MIN, 8, 0, 0)), "DIB is invalid"},
      {"area past the cap", PictureArchive(DibHeader(16000, 16000, 32, 0, 0)), "DIB is invalid"},
      {"pixels past the cap", PictureArchive(DibHeader(8192, 4096, 1, 0, 0)), "DIB is invalid"},
      {"rows missing", PictureArchive(Concat(Concat(uncompressed, Bytes(1024)), Bytes(15))),
       "Stream read error"},
      {"RLE data longer than the block", PictureArchive(DibHeader(4, 4, 8, kBiRle8, 5000)),
       "Stream read error"},
      {"bitmap file without BM", ImageArchive([](ComponentWriter& w) {
         ByteWriter block;
         ComponentWriter(block).WriteStr("TBitmap");
         block.U32(20);
         block.Text("XX");
         block.Data().resize(block.Size() + 18);
         w.WriteStr("Picture.Data");
         w.WriteBinary(block.Data());
       }),
       "DIB is invalid"},
      {"cells of one pixel over a big picture", ImageArchive([](ComponentWriter& w) {
         TDIB dib;
         dib.SetSize(2048, 1024, 1);
         ByteWriter block;
         ComponentWriter(block).WriteStr("TDIB");
         dib.WriteData(block);
         w.WriteStr("Picture.Data");
         w.WriteBinary(block.Data());
         w.WriteStr("PatternWidth");
         w.WriteInteger(1);
         w.WriteStr("PatternHeight");
         w.WriteInteger(1);
       }),
       "Invalid property value"},
  };
  for (const Case& c : cases) EXPECT_EQ(LoadImagesError(c.bytes), c.message) << c.what;
}

TEST(MalformedImageArchive, EveryTruncationFailsCleanlyAndKeepsEarlierItems) {
  TPictureCollection list;
  for (const char* name : {"Table1", "Table2"}) {
    auto& item = list.Add();
    item.SetName(name);
    item.Picture.SetSize(7, 5, 24);
    item.PatternWidth = 3;
  }
  ByteWriter out;
  list.SaveToStream(out);
  const Bytes& full = out.Data();
  for (size_t n = 0; n < full.size(); ++n) {
    Bytes cut(full.begin(), full.begin() + long(n));
    TPictureCollection back;
    ByteReader in(cut);
    EXPECT_THROW(back.LoadFromStream(in), MediaError) << n;
    EXPECT_LE(back.Count(), 2);
  }
  // Cut inside the second item: the first stays.
  Bytes cut(full.begin(), full.end() - 20);
  TPictureCollection back;
  ByteReader in(cut);
  EXPECT_THROW(back.LoadFromStream(in), MediaError);
  ASSERT_GE(back.Count(), 1);
  EXPECT_EQ(back.Items(0).Name(), "Table1");
}

std::string LoadWavesError(const Bytes& riff) {
  ByteWriter out;
  ComponentWriter w(out);
  w.WriteRootStart("TWaveCollectionComponent");
  w.WriteStr("List");
  w.WriteCollectionBegin();
  w.WriteItemBegin();
  w.WriteStr("Wave.WAVE");
  w.WriteBinary(riff);
  w.WriteListEnd();
  w.WriteListEnd();
  w.WriteListEnd();
  w.WriteListEnd();
  w.Finish();
  TWaveCollection list;
  ByteReader in(out.Data());
  try {
    list.LoadFromStream(in);
  } catch (const MediaError& e) {
    return e.what();
  }
  return "";
}

Bytes RiffWith(const char* id, uint32_t size, size_t actual) {
  ByteWriter out;
  out.Text("RIFF");
  out.U32(0);
  out.Text("WAVE");
  out.Text(id);
  out.U32(size);
  out.Data().resize(out.Size() + actual);
  return out.Data();
}

TEST(MalformedSoundArchive, RefusedWithTheMessage) {
  Bytes notRiff = RiffWith("data", 0, 0);
  notRiff[0] = 'X';
  Bytes notWave = RiffWith("data", 0, 0);
  notWave[8] = 'X';
  struct Case {
    const char* what;
    Bytes riff;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"not RIFF", notRiff, "Wave is invalid"},
      {"not WAVE", notWave, "Wave is invalid"},
      {"shorter than a RIFF header", Bytes{'R', 'I', 'F', 'F'}, "Wave is invalid"},
      {"format chunk past the end", RiffWith("fmt ", 1000, 16), "Stream read error"},
      {"data chunk past the end", RiffWith("data", 0xFFFFFFFFu, 10), "Stream read error"},
      {"an empty block is an empty wave", {}, ""},
      {"odd chunk past the end ends the walk", RiffWith("LIST", 0x80000000u, 4), ""},
  };
  for (const Case& c : cases) EXPECT_EQ(LoadWavesError(c.riff), c.message) << c.what;
}

TEST(MalformedSoundArchive, EveryTruncationFailsCleanly) {
  TWaveCollection list;
  auto& item = list.Add();
  item.SetName("click");
  item.Wave.SetPcm(1, 11025, 8, std::vector<int16_t>(40, 1000));
  ByteWriter out;
  list.SaveToStream(out);
  const Bytes& full = out.Data();
  for (size_t n = 0; n < full.size(); ++n) {
    Bytes cut(full.begin(), full.begin() + long(n));
    TWaveCollection back;
    ByteReader in(cut);
    EXPECT_THROW(back.LoadFromStream(in), MediaError) << n;
  }
}

// An archive that cannot be read says which file, by its name, and the system's reason; whoever
// reports the load puts the full path in front, so the message does not repeat it. A FIFO in its
// place is refused at once instead of waiting for a writer, and a huge file (sparse, so it costs
// no disk) by its size instead of running out of memory.
TEST(UnreadableArchive, SaysWhyItCannotBeOpened) {
  testing::TempFolder dir;
  ASSERT_TRUE(dir.Valid());
  ASSERT_EQ(::mkfifo((dir.Path() + "techn.dxg").c_str(), 0644), 0);
  std::filesystem::create_directory(dir.Path() + "huge");
  for (const char* name : {"huge/graphic.dxg", "huge/snd_eng.dxw"}) {
    testing::WriteFileBytes(dir.Path() + name, {});
    std::filesystem::resize_file(dir.Path() + name, std::uintmax_t{1} << 40);
  }
  const PosixFileSystem fs(dir.Path());
  struct Case {
    std::string file;
    std::string message;
  };
  const Case cases[] = {
      {"graphic.dxg", "Cannot open file graphic.dxg: No such file or directory"},
      {"techn.dxg", "Cannot open file techn.dxg: is a FIFO, not a regular file"},
      {"snd_eng.dxw", "Cannot open file snd_eng.dxw: No such file or directory"},
      {"huge/graphic.dxg",
       "Cannot open file graphic.dxg: the file is 1099511627776 bytes, larger than any archive "
       "(268435456 bytes)"},
      {"huge/snd_eng.dxw",
       "Cannot open file snd_eng.dxw: the file is 1099511627776 bytes, larger than any archive "
       "(268435456 bytes)"},
  };
  for (const Case& c : cases) {
    std::string message;
    try {
      if (c.file.ends_with(".dxw")) {
        TWaveCollection waves;
        waves.LoadFromFile(fs, dir.Path() + c.file);
      } else {
        TPictureCollection images;
        images.LoadFromFile(fs, dir.Path() + c.file);
      }
    } catch (const EReadError& e) {
      message = e.what();
    }
    EXPECT_EQ(message, c.message);
  }
}

TEST(MalformedBitmapFile, RefusedWithTheMessage) {
  TDIB dib;
  Bytes shortFile = {'B', 'M', 0, 0};
  ByteReader a(shortFile);
  EXPECT_THROW(dib.LoadFromStream(a), EInvalidGraphic);
  Bytes nothing;
  ByteReader b(nothing);
  EXPECT_NO_THROW(dib.LoadFromStream(b));
  EXPECT_TRUE(dib.Empty());
  // A failed read keeps the picture it had.
  dib.SetSize(2, 2, 8);
  Bytes bad = DibHeader(4, 4, 3, 0, 0);
  ByteReader c(bad);
  EXPECT_THROW(dib.ReadData(c), EInvalidGraphic);
  EXPECT_EQ(dib.Width(), 2);
}

}  // namespace
}  // namespace gm
