// The window's own pixel buffer: where the frame sits in windows of any shape, and that sending
// only the rectangles a frame changed leaves the window showing exactly what a whole redraw
// would.
#include "platform/sdl/sdl_window_frame.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include "media/presented_frame.hpp"

namespace gm {
namespace {

TEST(WindowFrame, FrameRectIsTheLargestCentredFourByThree) {
  struct Case {
    int w, h;
    SDL_Rect want;
  };
  const Case cases[] = {
      {800, 600, {0, 0, 800, 600}},  {1000, 600, {100, 0, 800, 600}},
      {800, 700, {0, 50, 800, 600}}, {1920, 1080, {240, 0, 1440, 1080}},
      {400, 303, {0, 1, 400, 300}},  {0, 0, {0, 0, 800, 600}},
      {-5, 600, {0, 0, 800, 600}},
  };
  for (const Case& c : cases) {
    const SDL_Rect r = WindowFrame::FrameRect(c.w, c.h);
    EXPECT_EQ(r.x, c.want.x) << c.w << "x" << c.h;
    EXPECT_EQ(r.y, c.want.y) << c.w << "x" << c.h;
    EXPECT_EQ(r.w, c.want.w) << c.w << "x" << c.h;
    EXPECT_EQ(r.h, c.want.h) << c.w << "x" << c.h;
  }
}

std::vector<std::uint8_t> Pixels(SDL_Window* window) {
  SDL_Surface* s = SDL_GetWindowSurface(window);
  const auto* p = static_cast<const std::uint8_t*>(s->pixels);
  return {p, p + static_cast<std::size_t>(s->pitch) * s->h};
}

// An 800 x 600 frame of either depth, its pixels random, and the palette of the 8-bit one.
struct Frame {
  Frame(int bits, unsigned seed) : bytes(bits / 8) {
    std::mt19937 rng(seed);
    pixels.resize(800 * 600 * static_cast<std::size_t>(bytes));
    for (auto& p : pixels) p = static_cast<std::uint8_t>(rng());
    for (auto& c : palette) c = static_cast<std::uint16_t>(rng());
  }
  FrameView View(const PresentedFrame& presented) const {
    FrameView v;
    v.pixels = pixels.data();
    v.width = 800;
    v.height = 600;
    v.pitch = 800 * bytes;
    v.format = bytes == 1 ? FrameFormat::kIndexed8 : FrameFormat::kRgb565;
    v.palette = &palette;
    v.serial = presented.Serial();
    v.since = presented.Since();
    v.changed = presented.Changes();
    return v;
  }
  void Take(PresentedFrame& presented) const {
    presented.Take(pixels.data(), 800, 600, 800 * bytes, bytes);
  }
  // Every byte of the pixel (x, y) changed.
  void Change(int x, int y) {
    for (int b = 0; b < bytes; ++b)
      pixels[(static_cast<std::size_t>(y) * 800 + x) * bytes + b] ^= 0x5A;
  }
  int bytes;
  std::vector<std::uint8_t> pixels;
  Rgb565Palette palette{};
};

// Frame after frame, the window shown only the rectangles the display found changed ends up
// exactly as a whole redraw of the last frame: scaled up, scaled down with letterbox bars at the
// sides, bars above and below, at both depths, for changes of any width and place.
TEST(WindowFrame, ChangedRectanglesMatchAWholeRedraw) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
  for (int bits : {16, 8}) {
    for (const auto& [w, h] :
         {std::pair{1037, 777}, std::pair{700, 400}, std::pair{640, 700}, std::pair{800, 600}}) {
      SDL_Window* window = SDL_CreateWindow("t", 0, 0, w, h, SDL_WINDOW_HIDDEN);
      ASSERT_NE(window, nullptr) << SDL_GetError();
      Frame frame(bits, static_cast<unsigned>(w));
      PresentedFrame presented;
      WindowFrame shown;
      frame.Take(presented);
      ASSERT_TRUE(shown.Show(window, frame.View(presented), true));
      // Single pixels in the corners, both sides of a block edge, a whole row, a column.
      frame.Change(0, 0);
      frame.Change(799, 599);
      frame.Change(39, 20);
      frame.Change(40, 20);
      for (int x = 0; x < 800; ++x) frame.Change(x, 300);
      frame.Take(presented);
      ASSERT_TRUE(shown.Show(window, frame.View(presented), false));
      for (int y = 0; y < 600; ++y) frame.Change(517, y);
      frame.Take(presented);
      ASSERT_TRUE(shown.Show(window, frame.View(presented), false));
      // Spans of every length up to two vectors and past, at every column modulo four, many to
      // a row: areas beside and under one another, of odd widths and places.
      std::mt19937 rng(static_cast<unsigned>(h));
      for (int round = 0; round < 4; ++round) {
        for (int i = 0; i < 60; ++i) {
          const int length = 1 + static_cast<int>(rng() % 24);
          const int x = static_cast<int>(rng() % static_cast<unsigned>(800 - length));
          const int y = static_cast<int>(rng() % 600);
          for (int k = 0; k < length; ++k) frame.Change(x + k, y);
        }
        frame.Take(presented);
        ASSERT_TRUE(shown.Show(window, frame.View(presented), false));
      }
      const std::vector<std::uint8_t> partial = Pixels(window);
      shown.Invalidate();
      ASSERT_TRUE(shown.Show(window, frame.View(presented), false));
      EXPECT_TRUE(partial == Pixels(window)) << bits << " bits, " << w << "x" << h;
      // The bars stay black.
      SDL_Surface* s = SDL_GetWindowSurface(window);
      const SDL_Rect r = WindowFrame::FrameRect(s->w, s->h);
      if (r.x > 0 || r.y > 0) {
        std::uint32_t corner = 0;
        std::memcpy(&corner, s->pixels, static_cast<std::size_t>(s->format->BytesPerPixel));
        EXPECT_EQ(corner, SDL_MapRGB(s->format, 0, 0, 0)) << w << "x" << h;
      }
      SDL_DestroyWindow(window);
    }
  }
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

// Every RGB565 colour reaches the window as SDL's value for its channels widened to 8 bits,
// unscaled and scaled, straight and through an 8-bit frame's palette.
TEST(WindowFrame, EveryColourReachesTheWindowWidened) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
  const auto widened = [](const SDL_PixelFormat* f, std::uint16_t c) {
    return SDL_MapRGB(f, static_cast<Uint8>((c >> 11) * 255 / 31),
                      static_cast<Uint8>(((c >> 5) & 63) * 255 / 63),
                      static_cast<Uint8>((c & 31) * 255 / 31));
  };
  for (int bits : {16, 8}) {
    for (const auto& [w, h] : {std::pair{800, 600}, std::pair{1600, 1200}}) {
      SDL_Window* window = SDL_CreateWindow("t", 0, 0, w, h, SDL_WINDOW_HIDDEN);
      ASSERT_NE(window, nullptr) << SDL_GetError();
      Frame frame(bits, 1);
      // Every colour once in the 16-bit frame; in the 8-bit one, palettes of colours in turn.
      const auto colourAt = [&](std::size_t i) {
        return bits == 16 ? static_cast<std::uint16_t>(i % 65536) : frame.palette[frame.pixels[i]];
      };
      if (bits == 16) {
        for (std::size_t i = 0; i < 800 * 600; ++i) {
          const auto c = static_cast<std::uint16_t>(i % 65536);
          std::memcpy(&frame.pixels[2 * i], &c, 2);
        }
      }
      PresentedFrame presented;
      frame.Take(presented);
      WindowFrame shown;
      ASSERT_TRUE(shown.Show(window, frame.View(presented), true));
      SDL_Surface* s = SDL_GetWindowSurface(window);
      const int scale = w / 800;
      for (int y = 0; y < 600; ++y) {
        const auto* row = static_cast<const std::uint8_t*>(s->pixels) +
                          static_cast<std::size_t>(y * scale) * s->pitch;
        for (int x = 0; x < 800; ++x) {
          std::uint32_t got = 0;
          std::memcpy(&got, row + static_cast<std::size_t>(x * scale) * s->format->BytesPerPixel,
                      static_cast<std::size_t>(s->format->BytesPerPixel));
          const std::uint16_t c = colourAt(static_cast<std::size_t>(y) * 800 + x);
          ASSERT_EQ(got, widened(s->format, c))
              << bits << " bits, " << w << "x" << h << ", colour " << c << " at " << x << "," << y;
        }
      }
      SDL_DestroyWindow(window);
    }
  }
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

// Shown without its changes, a changed frame leaves the window as it was: what goes to the
// screen is only what the frame lists.
TEST(WindowFrame, OnlyTheListedRectanglesAreSent) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
  SDL_Window* window = SDL_CreateWindow("t", 0, 0, 800, 600, SDL_WINDOW_HIDDEN);
  ASSERT_NE(window, nullptr) << SDL_GetError();
  Frame frame(16, 7);
  PresentedFrame presented;
  WindowFrame shown;
  frame.Take(presented);
  ASSERT_TRUE(shown.Show(window, frame.View(presented), true));
  const std::vector<std::uint8_t> before = Pixels(window);
  frame.Change(400, 300);
  FrameView unlisted = frame.View(presented);
  unlisted.changed = {};
  ASSERT_TRUE(shown.Show(window, unlisted, false));
  EXPECT_TRUE(before == Pixels(window));
  SDL_DestroyWindow(window);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

}  // namespace
}  // namespace gm
