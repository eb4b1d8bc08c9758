// The memory-only platform: frame hashes and kept frames, 8-bit conversion through the palette,
// PNG output, scripted pointer events, the music record and its end events.
#include "platform/headless/headless_platform.hpp"

#include <gtest/gtest.h>
#include <unistd.h>
#include <zlib.h>

#include <cstring>
#include <fstream>
#include <vector>

#include "platform/headless/png_writer.hpp"

namespace gm {
namespace {

FrameView View(const std::vector<std::uint8_t>& px, int w, int h, FrameFormat f,
               const Rgb565Palette* pal = nullptr, int pitch = 0) {
  FrameView v;
  v.pixels = px.data();
  v.width = w;
  v.height = h;
  v.format = f;
  v.pitch = pitch ? pitch : w * (f == FrameFormat::kRgb565 ? 2 : 1);
  v.palette = pal;
  return v;
}

TEST(HeadlessFrames, HashFollowsVisiblePixelsOnly) {
  HeadlessPlatform p;
  // Same 2 x 2 picture twice, once with padding bytes at the end of each row.
  std::vector<std::uint8_t> packed = {1, 2, 3, 4, 5, 6, 7, 8};
  std::vector<std::uint8_t> padded = {1, 2, 3, 4, 0xEE, 0xEE, 5, 6, 7, 8, 0xDD, 0xDD};
  p.Present(View(packed, 2, 2, FrameFormat::kRgb565));
  p.Present(View(padded, 2, 2, FrameFormat::kRgb565, nullptr, 6));
  packed[7] ^= 1;
  p.Present(View(packed, 2, 2, FrameFormat::kRgb565));
  ASSERT_EQ(p.FrameHashes().size(), 3u);
  EXPECT_EQ(p.FrameHashes()[0], p.FrameHashes()[1]);
  EXPECT_NE(p.FrameHashes()[0], p.FrameHashes()[2]);
}

// A frame that says it changed nothing since the one shown has that one's hash; said of a frame
// that is not the one shown, or of a frame that did change, it is hashed anew.
TEST(HeadlessFrames, OnlyAnUnchangedFollowerReusesTheHash) {
  std::vector<std::uint8_t> a = {1, 2, 3, 4}, b = {9, 9, 9, 9};
  const PixelRect all{0, 0, 2, 1};
  struct Case {
    const char* what;
    std::uint64_t since;
    bool listsAChange;
    bool reused;
  };
  const Case cases[] = {
      {"unchanged since the frame shown", 7, false, true},
      {"counted from another frame", 6, false, false},
      {"counted from no frame", 0, false, false},
      {"changed since the frame shown", 7, true, false},
  };
  for (const Case& c : cases) {
    HeadlessPlatform p;
    FrameView first = View(a, 2, 1, FrameFormat::kRgb565);
    first.serial = 7;
    p.Present(first);
    // The pixels are b's: a reused hash shows as a's.
    FrameView next = View(b, 2, 1, FrameFormat::kRgb565);
    next.serial = 8;
    next.since = c.since;
    if (c.listsAChange) next.changed = {&all, 1};
    p.Present(next);
    ASSERT_EQ(p.FrameHashes().size(), 2u) << c.what;
    EXPECT_EQ(p.FrameHashes()[1] == p.FrameHashes()[0], c.reused) << c.what;
    if (!c.reused) {
      EXPECT_EQ(p.FrameHashes()[1], HeadlessPlatform::HashFrame(next)) << c.what;
    }
    EXPECT_EQ(p.LastFrameHistory().serial, 8u) << c.what;
    EXPECT_EQ(p.LastFrameHistory().changed.size(), c.listsAChange ? 1u : 0u) << c.what;
  }
  // After a refused frame nothing counts as shown.
  HeadlessPlatform p;
  FrameView first = View(a, 2, 1, FrameFormat::kRgb565);
  first.serial = 7;
  p.Present(first);
  p.Present(View(a, 2, 1, FrameFormat::kIndexed8, nullptr));
  FrameView next = View(b, 2, 1, FrameFormat::kRgb565);
  next.serial = 8;
  next.since = 7;
  p.Present(next);
  EXPECT_EQ(p.FrameHashes().back(), HeadlessPlatform::HashFrame(next));
}

TEST(HeadlessFrames, EightBitFramesAreShownThroughTheirPalette) {
  HeadlessPlatform p;
  Rgb565Palette pal{};
  pal[0] = 0x0000;  // black
  pal[1] = 0xF800;  // pure red
  pal[2] = 0x07E0;  // pure green
  pal[255] = 0xFFFF;
  std::vector<std::uint8_t> px = {0, 1, 2, 255};
  p.Present(View(px, 4, 1, FrameFormat::kIndexed8, &pal));
  ASSERT_EQ(p.KeptFrames().size(), 1u);
  const std::vector<std::uint8_t> want = {0, 0, 0, 255, 0, 0, 0, 255, 0, 255, 255, 255};
  EXPECT_EQ(p.KeptFrames()[0].rgb, want);
  // An 8-bit frame without colours is refused, not read.
  p.Present(View(px, 4, 1, FrameFormat::kIndexed8, nullptr));
  EXPECT_EQ(p.FrameHashes().size(), 1u);
}

TEST(HeadlessFrames, PngHoldsTheFrame) {
  std::vector<std::uint8_t> rgb(3 * 3 * 2);
  for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<std::uint8_t>(i * 13);
  const auto png = EncodePng(3, 2, rgb);
  ASSERT_GT(png.size(), 8u + 25 + 12 + 12);
  EXPECT_EQ(std::memcmp(png.data(), "\x89PNG\r\n\x1a\n", 8), 0);
  EXPECT_EQ(std::memcmp(png.data() + 12, "IHDR", 4), 0);
  // IDAT follows IHDR (8 + 25 bytes); inflate it and compare with the rows.
  const std::size_t idat = 8 + 25;
  const std::uint32_t len =
      (png[idat] << 24) | (png[idat + 1] << 16) | (png[idat + 2] << 8) | png[idat + 3];
  ASSERT_EQ(std::memcmp(png.data() + idat + 4, "IDAT", 4), 0);
  std::vector<std::uint8_t> raw(2 * (1 + 9));
  uLongf rawLen = raw.size();
  ASSERT_EQ(uncompress(raw.data(), &rawLen, png.data() + idat + 8, len), Z_OK);
  ASSERT_EQ(rawLen, raw.size());
  for (int y = 0; y < 2; ++y) {
    EXPECT_EQ(raw[y * 10], 0);
    EXPECT_EQ(std::memcmp(&raw[y * 10 + 1], &rgb[y * 9], 9), 0);
  }
  // The file ends with IEND and its fixed CRC.
  EXPECT_EQ(std::memcmp(png.data() + png.size() - 8, "IEND\xae\x42\x60\x82", 8), 0);
}

TEST(HeadlessFrames, KeepsTheAskedNumberOfFramesAndWritesThem) {
  HeadlessPlatform p;
  p.SetKeptFrames(2);
  std::vector<std::uint8_t> px(4, 0);
  for (int i = 0; i < 3; ++i) {
    px[0] = static_cast<std::uint8_t>(i);
    p.Present(View(px, 2, 1, FrameFormat::kRgb565));
  }
  ASSERT_EQ(p.KeptFrames().size(), 2u);
  EXPECT_EQ(p.KeptFrames()[0].rgb[2], UINT8_C(2 << 3 | 2 >> 2));  // latest: blue 2
  const auto file = std::filesystem::temp_directory_path() /
                    ("gm_headless_frame_" + std::to_string(::getpid()) + ".png");
  EXPECT_TRUE(p.WriteFramePng(file, 1).IsOk());
  EXPECT_GT(std::filesystem::file_size(file), 40u);
  std::filesystem::remove(file);
  EXPECT_FALSE(p.WriteFramePng(file, 2).IsOk());
}

TEST(HeadlessInput, ClickComesAsMoveDownUpClick) {
  HeadlessPlatform p;
  p.Click(740, 103);
  p.MoveMouse(10, 10);
  p.PressButton(kMouseRight);
  p.ReleaseButton(kMouseRight);
  using K = PlatformEvent::Kind;
  const std::vector<K> want = {K::kMouseMove, K::kMouseDown, K::kMouseUp, K::kClick,
                               K::kMouseMove, K::kMouseDown, K::kMouseUp};
  std::vector<K> got;
  PlatformEvent e;
  std::vector<PlatformEvent> all;
  while (p.PollEvent(e)) {
    got.push_back(e.kind);
    all.push_back(e);
  }
  EXPECT_EQ(got, want);
  EXPECT_EQ(all[1].buttons, kMouseLeft);
  EXPECT_EQ(all[2].buttons, 0);
  EXPECT_EQ(all[3].x, 740);
  EXPECT_EQ(all[3].y, 103);
  EXPECT_EQ(all[5].buttons, kMouseRight);
  const MouseMotion m = p.ReadMouse();
  EXPECT_EQ(m.dx, 10);
  EXPECT_EQ(m.dy, 10);
  EXPECT_EQ(p.ReadMouse().dx, 0);
}

TEST(HeadlessMusic, EndsAreReportedAsTheyHappen) {
  HeadlessPlatform p;
  EXPECT_TRUE(p.PlayMusic("data/001.mid"));
  p.FinishMusic();
  EXPECT_TRUE(p.PlayMusic("data/002.mid"));
  EXPECT_TRUE(p.PlayMusic("data/003.mid"));  // replaces 002
  p.StopMusic();
  p.StopMusic();  // nothing playing: no second end
  std::vector<MusicEnd> ends;
  PlatformEvent e;
  while (p.PollEvent(e)) {
    if (e.kind == PlatformEvent::Kind::kMusicEnded) ends.push_back(e.musicEnd);
  }
  EXPECT_EQ(ends, (std::vector<MusicEnd>{MusicEnd::kSuccessful, MusicEnd::kSuperseded,
                                         MusicEnd::kAborted}));
  EXPECT_EQ(p.MusicCalls().size(), 5u);
  p.SetMusicAvailable(false);
  EXPECT_FALSE(p.PlayMusic("data/004.mid"));
  EXPECT_FALSE(p.MusicPlaying());
}

}  // namespace
}  // namespace gm
