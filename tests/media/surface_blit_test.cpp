// Memory surfaces: keyed draws clipped at every edge, fast blits, stretched draws, locks, text.
#include <gtest/gtest.h>

#include <string>

#include "media/fixed_palette.hpp"
#include "media/media_error.hpp"
#include "media/surface.hpp"
#include "media/surface_canvas.hpp"

namespace gm {
namespace {

constexpr uint32_t kKey = 0;    // transparent
constexpr uint32_t kInk = 7;    // opaque source pixels
constexpr uint32_t kBack = 99;  // destination background

// A 4 x 4 source: opaque except a transparent centre 2 x 2 hole.
void MakeSource(TDirectDrawSurface& s) {
  s.SetSize(4, 4);
  s.Fill(kInk);
  for (int y = 1; y < 3; ++y) {
    for (int x = 1; x < 3; ++x) s.SetPixel(x, y, kKey);
  }
  s.SetTransparentColor(kKey);
}

// What a keyed draw of MakeSource at (x, y) must leave at destination pixel (dx, dy).
uint32_t Expected(int x, int y, int dx, int dy) {
  int sx = dx - x, sy = dy - y;
  if (sx < 0 || sy < 0 || sx >= 4 || sy >= 4) return kBack;
  if (sx >= 1 && sx <= 2 && sy >= 1 && sy <= 2) return kBack;
  return kInk;
}

class SurfaceFormats : public ::testing::TestWithParam<int32_t> {};

TEST_P(SurfaceFormats, KeyedDrawClipsAtEveryEdge) {
  const SurfaceFormat fmt{GetParam(), nullptr};
  TDirectDrawSurface src(fmt);
  MakeSource(src);
  // Positions that cut the source at the left, top, right, bottom, two corners, and not at all.
  const int positions[][2] = {{-2, 3}, {3, -3}, {8, 2},  {2, 9}, {-3, -3},
                              {9, 9},  {3, 3},  {-4, 0}, {10, 0}};
  for (auto [x, y] : positions) {
    TDirectDrawSurface dst(fmt);
    dst.SetSize(10, 10);
    dst.Fill(kBack);
    dst.Draw(x, y, src.ClientRect(), src, true);
    for (int dy = 0; dy < 10; ++dy) {
      for (int dx = 0; dx < 10; ++dx) {
        ASSERT_EQ(dst.Pixel(dx, dy), Expected(x, y, dx, dy))
            << "draw at " << x << "," << y << " pixel " << dx << "," << dy;
      }
    }
  }
}

TEST_P(SurfaceFormats, UnkeyedDrawCopiesTheKeyColourToo) {
  const SurfaceFormat fmt{GetParam(), nullptr};
  TDirectDrawSurface src(fmt), dst(fmt);
  MakeSource(src);
  dst.SetSize(6, 6);
  dst.Fill(kBack);
  dst.Draw(1, 1, TRect{1, 1, 3, 3}, src, false);
  EXPECT_EQ(dst.Pixel(1, 1), kKey);
  EXPECT_EQ(dst.Pixel(2, 2), kKey);
  EXPECT_EQ(dst.Pixel(3, 3), kBack);
}

TEST_P(SurfaceFormats, LongRowsUseTheWideKeyedPathCorrectly) {
  // Rows longer than one vector step, with keyed pixels at odd places.
  const SurfaceFormat fmt{GetParam(), nullptr};
  TDirectDrawSurface src(fmt), dst(fmt);
  src.SetSize(37, 3);
  for (int x = 0; x < 37; ++x) {
    for (int y = 0; y < 3; ++y) src.SetPixel(x, y, (x * 7 + y) % 5 == 0 ? kKey : 10 + x);
  }
  src.SetTransparentColor(kKey);
  dst.SetSize(40, 3);
  dst.Fill(kBack);
  dst.Draw(2, 0, src.ClientRect(), src, true);
  for (int x = 0; x < 37; ++x) {
    for (int y = 0; y < 3; ++y) {
      uint32_t want = (x * 7 + y) % 5 == 0 ? kBack : uint32_t(10 + x);
      ASSERT_EQ(dst.Pixel(x + 2, y), want) << x << "," << y;
    }
  }
}

// Rows are copied by vectors of two widths, the last one overlapping the one before, and short
// rows pixel by pixel: every width, keyed or not, at uneven places in both surfaces, must leave
// what copying one pixel at a time leaves.
TEST_P(SurfaceFormats, EveryRowWidthCopiesLikeOnePixelAtATime) {
  const SurfaceFormat fmt{GetParam(), nullptr};
  TDirectDrawSurface src(fmt);
  src.SetSize(83, 4);
  // Keyed pixels at the first and last places of rows and in runs; the rest all different.
  const auto source = [](int x, int y) {
    return (x + 3 * y) % 7 == 0 || x % 29 < 2 ? kKey : uint32_t(1 + (x * 5 + y * 11) % 250);
  };
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 83; ++x) src.SetPixel(x, y, source(x, y));
  }
  src.SetTransparentColor(kKey);
  const auto back = [](int x, int y) { return uint32_t(100 + (x + y) % 97); };
  for (bool keyed : {true, false}) {
    for (int w = 1; w <= 80; ++w) {
      TDirectDrawSurface dst(fmt);
      dst.SetSize(90, 5);
      for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 90; ++x) dst.SetPixel(x, y, back(x, y));
      }
      dst.Draw(5, 1, TRect{3, 0, 3 + w, 4}, src, keyed);
      for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 90; ++x) {
          const bool inside = x >= 5 && x < 5 + w && y >= 1 && y < 5;
          const uint32_t s = inside ? source(x - 5 + 3, y - 1) : kKey;
          const uint32_t want = inside && (!keyed || s != kKey) ? s : back(x, y);
          ASSERT_EQ(dst.Pixel(x, y), want)
              << (keyed ? "keyed" : "plain") << " width " << w << " pixel " << x << "," << y;
        }
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Depths, SurfaceFormats, ::testing::Values(16, 8));

TEST(Surface, BltFastRefusesRectanglesOutsideEitherSurface) {
  TDirectDrawSurface src, dst;
  src.SetSize(20, 20);
  src.Fill(5);
  dst.SetSize(30, 30);
  struct Case {
    int x, y;
    TRect rect;
    bool ok;
  };
  const Case cases[] = {
      {0, 0, {0, 0, 20, 20}, true}, {10, 10, {0, 0, 20, 20}, true}, {11, 0, {0, 0, 20, 20}, false},
      {-1, 0, {0, 0, 5, 5}, false}, {0, 0, {-1, 0, 5, 5}, false},   {0, 0, {0, 0, 21, 5}, false},
      {0, 0, {5, 5, 5, 9}, false},
  };
  for (const Case& c : cases) {
    dst.Fill(0);
    EXPECT_EQ(dst.BltFast(c.x, c.y, c.rect, 0, src), c.ok) << c.x << "," << c.y;
    if (!c.ok) {
      EXPECT_EQ(dst.Pixel(std::max(c.x, 0), std::max(c.y, 0)), 0u) << "drew on refusal";
    }
  }
  TDirectDrawSurface none;
  EXPECT_FALSE(none.BltFast(0, 0, {0, 0, 1, 1}, 0, src));
}

TEST(Surface, BltFastWithKeyFlagSkipsKeyedPixels) {
  TDirectDrawSurface src, dst;
  src.SetSize(2, 1);
  src.SetPixel(0, 0, 3);
  src.SetPixel(1, 0, 9);
  src.SetTransparentColor(3);
  dst.SetSize(2, 1);
  dst.Fill(1);
  ASSERT_TRUE(dst.BltFast(0, 0, src.ClientRect(), kBltFastSrcColorKey | kBltFastWait, src));
  EXPECT_EQ(dst.Pixel(0, 0), 1u);
  EXPECT_EQ(dst.Pixel(1, 0), 9u);
}

TEST(Surface, DrawPastTheRightOrBottomEdgeDrawsNothing) {
  TDirectDrawSurface src, dst;
  src.SetSize(4, 4);
  src.Fill(2);
  dst.SetSize(8, 8);
  dst.Draw(9, 0, src.ClientRect(), src, false);
  dst.Draw(0, 9, src.ClientRect(), src, false);
  dst.Draw(2147483600, 2147483600, src.ClientRect(), src, false);
  dst.Draw(-2147483600, 0, src.ClientRect(), src, false);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) ASSERT_EQ(dst.Pixel(x, y), 0u);
  }
}

TEST(Surface, DrawWithinOneSurfaceHandlesOverlap) {
  TDirectDrawSurface s;
  s.SetSize(6, 1);
  for (int x = 0; x < 6; ++x) s.SetPixel(x, 0, 10 + x);
  s.Draw(1, 0, TRect{0, 0, 4, 1}, s, false);
  const uint32_t want[] = {10, 10, 11, 12, 13, 15};
  for (int x = 0; x < 6; ++x) EXPECT_EQ(s.Pixel(x, 0), want[x]) << x;
}

TEST(Surface, StretchDrawScalesAndClips) {
  TDirectDrawSurface src, dst;
  src.SetSize(2, 2);
  src.SetPixel(0, 0, 1);
  src.SetPixel(1, 0, 2);
  src.SetPixel(0, 1, 3);
  src.SetPixel(1, 1, 0);  // keyed
  src.SetTransparentColor(0);
  dst.SetSize(5, 5);
  dst.Fill(9);
  dst.StretchDraw(TRect{-1, -1, 5, 5}, src.ClientRect(), src, true);
  // 2 x 2 blown up to 6 x 6 from (-1, -1): each source pixel covers 3 x 3.
  const uint32_t want[5][5] = {
      {1, 1, 2, 2, 2}, {1, 1, 2, 2, 2}, {3, 3, 9, 9, 9}, {3, 3, 9, 9, 9}, {3, 3, 9, 9, 9}};
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 5; ++x) EXPECT_EQ(dst.Pixel(x, y), want[y][x]) << x << "," << y;
  }
  // Shrinking 2 x 2 into one pixel takes one of the four, never reads outside.
  TDirectDrawSurface one;
  one.SetSize(1, 1);
  one.StretchDraw(TRect{0, 0, 1, 1}, src.ClientRect(), src, false);
  EXPECT_LT(one.Pixel(0, 0), 4u);
}

TEST(Surface, SizeLocksAndColourMatching) {
  TDirectDrawSurface s;
  s.SetSize(0, 10);
  EXPECT_FALSE(s.HasSurface());
  EXPECT_FALSE(s.Restore());
  s.SetSize(3, 2);
  ASSERT_TRUE(s.HasSurface());
  EXPECT_TRUE(s.Restore());
  SurfaceLock lock;
  ASSERT_TRUE(s.Lock(lock));
  EXPECT_EQ(lock.pitch, 6);
  EXPECT_FALSE(s.Lock(lock));
  EXPECT_EQ(s.LockCount(), 1);
  s.Unlock();
  EXPECT_TRUE(s.Lock(lock));
  s.Unlock();

  EXPECT_EQ(s.ColorMatch(RgbColor(255, 0, 255)), 0xF81Fu);
  EXPECT_EQ(s.ColorMatch(RgbColor(0, 0, 0)), 0u);
  EXPECT_EQ(s.PixelColor(0xFFFF), RgbColor(255, 255, 255));

  TDirectDrawSurface p8(SurfaceFormat{8, nullptr});
  p8.SetSize(1, 1);
  // Black and white keep their exact colours; the palette's own tests cover the rest.
  for (TColor c : {RgbColor(0, 0, 0), RgbColor(255, 255, 255)}) {
    EXPECT_EQ(p8.PixelColor(p8.ColorMatch(c)), c) << std::hex << c;
  }
  EXPECT_THROW(s.SetSize(100000, 100000), EDirectDrawSurfaceError);
}

TEST(Surface, CanvasWritesTextInsideTheSurfaceOnly) {
  TDirectDrawSurface s;
  s.SetSize(100, 30);
  auto& c = s.Canvas();
  c.BrushColor = RgbColor(0, 0, 0);
  c.FontColor = RgbColor(255, 255, 255);
  c.FontSize = 12;
  c.TextOut(90, 20, "Loading graphics");  // runs off the right and bottom edges
  c.TextOut(-5, -5, "Wait");
  c.Release();
  int ink = 0;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 100; ++x) ink += s.Pixel(x, y) == 0xFFFF;
  }
  EXPECT_GT(ink, 0);
}

}  // namespace
}  // namespace gm
