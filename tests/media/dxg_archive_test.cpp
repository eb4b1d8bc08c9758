// Image archives: write -> read round trips, patterns cut row by row, drawing pattern k.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "media/component_stream.hpp"
#include "media/display_device.hpp"
#include "media/media_error.hpp"
#include "media/picture_collection.hpp"
#include "platform/headless/headless_platform.hpp"

namespace gm {
namespace {

// A 16-bit 5-6-5 picture whose pixel (x, y) holds x + 1000 y (wrapping at 16 bits).
TDIB NumberedPicture(int32_t w, int32_t h) {
  TDIB dib;
  dib.SetSize(w, h, 16, kMasks565);
  for (int y = 0; y < h; ++y) {
    uint8_t* row = dib.ScanLine(y);
    for (int x = 0; x < w; ++x) {
      uint16_t v = uint16_t(x + 1000 * y);
      row[2 * x] = uint8_t(v);
      row[2 * x + 1] = uint8_t(v >> 8);
    }
  }
  return dib;
}

std::vector<uint8_t> Save(const TPictureCollection& list) {
  ByteWriter out;
  list.SaveToStream(out);
  return out.Data();
}

void Load(TPictureCollection& list, const std::vector<uint8_t>& bytes) {
  ByteReader in(bytes);
  list.LoadFromStream(in);
}

const SurfaceFormat kRgb565{16, nullptr};

TEST(ImageArchive, WriteThenReadKeepsEveryItem) {
  TPictureCollection list;
  for (int i = 0; i < 256; ++i) list.ColorTable[size_t(i)] = RgbQuad{uint8_t(i), 1, 2, 3};
  auto& a = list.Add();
  a.SetName("Terrain01");
  a.Picture = NumberedPicture(60, 40);
  a.PatternWidth = 20;
  a.PatternHeight = 20;
  a.SetTransparentColor(RgbColor(255, 0, 255));
  auto& b = list.Add();
  b.SetName("Cursors");
  b.Picture.SetColors(list.ColorTable);
  b.Picture.SetSize(9, 3, 8);
  b.SkipWidth = 2;
  b.SkipHeight = 1;
  b.SystemMemory = true;
  b.Transparent = false;
  list.Add().SetName("Empty");
  std::string longName(300, 'n');
  list.Add().SetName(longName);

  TPictureCollection back;
  Load(back, Save(list));
  ASSERT_EQ(back.Count(), 4);
  EXPECT_EQ(back.ColorTable, list.ColorTable);
  const auto& a2 = back.Find("TERRAIN01");
  EXPECT_EQ(a2.PatternWidth, 20);
  EXPECT_EQ(a2.PatternHeight, 20);
  EXPECT_EQ(a2.TransparentColor(), RgbColor(255, 0, 255));
  EXPECT_TRUE(a2.Transparent);
  EXPECT_FALSE(a2.SystemMemory);
  EXPECT_EQ(a2.Picture.DecodeRgb(), a.Picture.DecodeRgb());
  const auto& b2 = back.Find("cursors");
  EXPECT_EQ(b2.SkipWidth, 2);
  EXPECT_EQ(b2.SkipHeight, 1);
  EXPECT_TRUE(b2.SystemMemory);
  EXPECT_FALSE(b2.Transparent);
  EXPECT_EQ(b2.Picture.BitCount(), 8);
  EXPECT_EQ(b2.Picture.Width(), 9);
  EXPECT_TRUE(back.Find("empty").Picture.Empty());
  EXPECT_EQ(back.IndexOf(longName), 3);
  // A second save of what was read gives the same bytes.
  EXPECT_EQ(Save(back), Save(list));
}

struct CutCase {
  int32_t w, h, pw, ph, skipW, skipH;
  bool systemMemory;
  int32_t patterns;
  int32_t surfaces;
};

TEST(ImageArchive, PicturesAreCutRowByRow) {
  const CutCase cases[] = {
      {600, 40, 20, 20, 0, 0, false, 60, 2},  // blocks 520 and 80 wide
      {600, 40, 20, 20, 0, 0, true, 60, 1},
      {50, 50, 20, 20, 0, 0, false, 4, 4},  // the last 10 pixels each way are never drawn
      {64, 20, 20, 20, 2, 0, false, 3, 1},  // columns at 0, 22, 44
      {30, 30, 0, 0, 5, 5, false, 1, 1},    // the whole picture, skips play no part
      {10, 10, 20, 20, 0, 0, false, 0, 0},  // cells larger than the picture
      {1200, 1200, 60, 60, 0, 0, false, 400, 9},
  };
  for (const CutCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " cells " << c.pw << "x" << c.ph);
    TPictureCollection list;
    auto& item = list.Add();
    item.Picture = NumberedPicture(c.w, c.h);
    item.PatternWidth = c.pw;
    item.PatternHeight = c.ph;
    item.SkipWidth = c.skipW;
    item.SkipHeight = c.skipH;
    item.SystemMemory = c.systemMemory;
    list.InitializeImages(&kRgb565);
    list.Restore();
    ASSERT_EQ(item.PatternCount(), c.patterns);
    EXPECT_EQ(item.SurfaceCount(), c.surfaces);
    // Every pattern, drawn unkeyed, shows its own cell of the picture.
    const int32_t pw = c.pw > 0 ? c.pw : c.w, ph = c.ph > 0 ? c.ph : c.h;
    const int32_t cols = c.patterns == 1 ? 1 : (c.w + c.skipW) / (pw + c.skipW);
    TDirectDrawSurface back(kRgb565);
    back.SetSize(pw, ph);
    item.Transparent = false;
    for (int32_t k = 0; k < item.PatternCount(); ++k) {
      item.Draw(back, 0, 0, k);
      const int32_t x0 = (k % cols) * (pw + c.skipW), y0 = (k / cols) * (ph + c.skipH);
      for (int32_t y : {0, ph - 1}) {
        for (int32_t x : {0, pw - 1}) {
          ASSERT_EQ(back.Pixel(x, y), uint16_t(x0 + x + 1000 * (y0 + y))) << "pattern " << k;
        }
      }
    }
  }
}

TEST(ImageArchive, PatternPlacementOnBlocks) {
  TPictureCollection list;
  auto& item = list.Add();
  item.Picture = NumberedPicture(600, 40);
  item.PatternWidth = 20;
  item.PatternHeight = 20;
  list.InitializeImages(&kRgb565);
  list.Restore();
  ASSERT_EQ(item.SurfaceCount(), 2);
  EXPECT_EQ(item.Surface(0).Width(), 520);
  EXPECT_EQ(item.Surface(1).Width(), 80);
  EXPECT_EQ(item.Surface(1).Height(), 40);
  EXPECT_EQ(item.Patterns()[26].surface, 1);
  EXPECT_EQ(item.Patterns()[26].rect, (TRect{0, 0, 20, 20}));
  EXPECT_EQ(item.Patterns()[30].surface, 0);
  EXPECT_EQ(item.Patterns()[30].rect, (TRect{0, 20, 20, 40}));
}

TEST(ImageArchive, DrawGuardsAndTransparency) {
  TPictureCollection list;
  auto& item = list.Add();
  item.SetName("Units");
  // 2 x 1 picture: magenta (the key) then white.
  item.Picture.SetSize(2, 1, 24);
  uint8_t* row = item.Picture.ScanLine(0);
  const uint8_t px[] = {255, 0, 255, 255, 255, 255};
  std::copy(std::begin(px), std::end(px), row);
  item.SetTransparentColor(RgbColor(255, 0, 255));
  TDirectDrawSurface back(kRgb565);
  back.SetSize(4, 4);
  back.Fill(7);
  item.Draw(back, 0, 0, 0);  // not initialised: nothing
  EXPECT_EQ(back.Pixel(1, 0), 7u);

  list.InitializeImages(&kRgb565);
  list.Restore();
  ASSERT_EQ(item.PatternCount(), 1);
  item.Draw(back, 0, 0, -1);
  item.Draw(back, 0, 0, 1);
  EXPECT_EQ(back.Pixel(1, 0), 7u);
  item.Draw(back, 0, 0, 0);
  EXPECT_EQ(back.Pixel(0, 0), 7u);  // keyed
  EXPECT_EQ(back.Pixel(1, 0), 0xFFFFu);
  item.StretchDraw(back, TRect{0, 1, 4, 3}, 0);
  EXPECT_EQ(back.Pixel(0, 1), 7u);
  EXPECT_EQ(back.Pixel(3, 2), 0xFFFFu);
  // Changing the key colour reaches the surfaces already made.
  item.SetTransparentColor(RgbColor(255, 255, 255));
  back.Fill(7);
  item.Draw(back, 0, 0, 0);
  EXPECT_EQ(back.Pixel(0, 0), 0xF81Fu);
  EXPECT_EQ(back.Pixel(1, 0), 7u);
  // On an 8-bit display the same picture draws with palette entries.
  const SurfaceFormat indexed{8, nullptr};
  list.InitializeImages(&indexed);
  list.Restore();
  TDirectDrawSurface back8(indexed);
  back8.SetSize(2, 1);
  item.Draw(back8, 0, 0, 0);
  EXPECT_EQ(back8.Pixel(0, 0), back8.ColorMatch(RgbColor(255, 0, 255)));
  EXPECT_NE(back8.Pixel(0, 0), 0u);
  EXPECT_EQ(back8.Pixel(1, 0), 0u);  // keyed white

  list.FinalizeImages();
  EXPECT_FALSE(item.Initialized());
  EXPECT_EQ(item.SurfaceCount(), 0);
  EXPECT_THROW(list.InitializeImages(nullptr), EPictureCollectionError);
}

// Hand-made archive pieces for the cases our writer never produces.
std::vector<uint8_t> Archive(const std::function<void(ComponentWriter&)>& items) {
  ByteWriter out;
  ComponentWriter w(out);
  w.WriteRootStart("TPictureCollectionComponent");
  w.WriteStr("List");
  w.WriteCollectionBegin();
  items(w);
  w.WriteListEnd();
  w.WriteListEnd();
  w.WriteListEnd();
  w.Finish();
  return out.Data();
}

TEST(ImageArchive, ReadsOtherClassesIdentifiersAndBitmapFiles) {
  TDIB pic = NumberedPicture(3, 2);
  ByteWriter bmp;
  pic.SaveToStream(bmp);
  const auto bytes = Archive([&](ComponentWriter& w) {
    w.WriteInteger(5);  // an item index before the item: ignored
    w.WriteItemBegin();
    w.WriteStr("name");
    w.WriteString("Photo");
    w.WriteStr("Picture.Data");
    ByteWriter block;
    ComponentWriter(block).WriteStr("TJPEGImage");
    block.Text("not ours");
    w.WriteBinary(block.Data());
    w.WriteStr("TRANSPARENTCOLOR");
    w.Stream().U8(uint8_t(ValueTag::kIdent));
    w.WriteStr("clFuchsia");
    w.WriteStr("Transparent");
    w.Stream().U8(uint8_t(ValueTag::kIdent));
    w.WriteStr("False");
    w.WriteListEnd();
    w.WriteItemBegin();
    w.WriteStr("Name");
    w.Stream().U8(uint8_t(ValueTag::kWString));
    w.Stream().U32(3);
    for (char c : {'B', 'm', 'p'}) w.Stream().U16(uint16_t(c));
    w.WriteStr("Picture.Data");
    ByteWriter block2;
    ComponentWriter(block2).WriteStr("TBitmap");
    block2.U32(uint32_t(bmp.Size()));
    block2.Bytes(bmp.Data());
    w.WriteBinary(block2.Data());
    w.WriteListEnd();
  });
  TPictureCollection list;
  Load(list, bytes);
  ASSERT_EQ(list.Count(), 2);
  const auto& photo = list.Find("photo");
  EXPECT_TRUE(photo.Picture.Empty());
  EXPECT_EQ(photo.TransparentColor(), RgbColor(255, 0, 255));
  EXPECT_FALSE(photo.Transparent);
  EXPECT_EQ(list.Find("BMP").Picture.DecodeRgb(), pic.DecodeRgb());
}

TEST(ImageArchive, LoadingIntoAnInitialisedListBuildsSurfaces) {
  TPictureCollection source;
  auto& item = source.Add();
  item.SetName("Table1");
  item.Picture = NumberedPicture(8, 8);
  const auto bytes = Save(source);
  TPictureCollection list;
  list.InitializeImages(&kRgb565);
  Load(list, bytes);
  EXPECT_TRUE(list.Find("table1").Initialized());
  EXPECT_EQ(list.Find("table1").PatternCount(), 1);
}

TEST(ImageList, FollowsTheDisplayThroughItsLifeCycle) {
  HeadlessPlatform platform;
  auto draw = std::make_unique<TDXDraw>(&platform);
  TDXImageList images;
  auto& item = images.Items.Add();
  item.SetName("Table3");
  item.Picture = NumberedPicture(120, 60);
  item.PatternWidth = 60;
  images.SetDXDraw(draw.get());
  EXPECT_FALSE(item.Initialized());
  draw->Initialize();
  ASSERT_TRUE(item.Initialized());
  EXPECT_EQ(item.PatternCount(), 2);  // built by the display's restore at the end of its start
  item.Transparent = false;
  images.Items.Find("TABLE3").Draw(*draw->Surface(), 10, 10, 1);
  // Pattern 1 starts at column 60 of the picture, in whatever format the display runs.
  TDirectDrawSurface& back = *draw->Surface();
  EXPECT_EQ(back.Pixel(10, 10), back.ColorMatch(item.Picture.DecodeRgb()[60]));
  draw->Finalize();
  EXPECT_FALSE(item.Initialized());
  EXPECT_EQ(item.SurfaceCount(), 0);
  draw->Initialize();
  EXPECT_EQ(item.PatternCount(), 2);
  draw.reset();  // the display goes first: the list lets go of it
  EXPECT_EQ(images.DXDraw(), nullptr);
}

}  // namespace
}  // namespace gm
