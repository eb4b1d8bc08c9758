// The window's own pixel buffer: where the frame sits in windows of any shape, and that sending
// only the changed blocks leaves the window showing exactly what a whole redraw would.
#include "platform/sdl/sdl_window_frame.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

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

TEST(WindowFrame, ChangedBlocksMatchAWholeRedraw) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
  // Scaled up, scaled down with letterbox bars at the sides, and bars above and below.
  for (const auto& [w, h] : {std::pair{1037, 777}, std::pair{700, 400}, std::pair{640, 700}}) {
    SDL_Window* window = SDL_CreateWindow("t", 0, 0, w, h, SDL_WINDOW_HIDDEN);
    ASSERT_NE(window, nullptr) << SDL_GetError();
    std::mt19937 rng(static_cast<unsigned>(w));
    std::vector<std::uint16_t> frame(800 * 600);
    for (auto& p : frame) p = static_cast<std::uint16_t>(rng());
    WindowFrame shown;
    ASSERT_TRUE(shown.Show(window, frame));
    // A few single pixels, a block edge and a whole row of blocks change.
    frame[0] ^= 0xFFFF;
    frame[599 * 800 + 799] ^= 0x1234;
    frame[20 * 800 + 39] ^= 0x0F0F;
    frame[20 * 800 + 40] ^= 0xF0F0;
    for (int x = 0; x < 800; ++x) frame[300 * 800 + x] = 0xFFFF;
    ASSERT_TRUE(shown.Show(window, frame));
    const std::vector<std::uint8_t> partial = Pixels(window);
    shown.Invalidate();
    ASSERT_TRUE(shown.Show(window, frame));
    EXPECT_TRUE(partial == Pixels(window)) << w << "x" << h;
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
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

}  // namespace
}  // namespace gm
