// The window's own pixel buffer as the game's screen.
#include "platform/sdl/sdl_window_frame.hpp"

#include <algorithm>
#include <cstring>

#include "platform/platform.hpp"

namespace gm {

namespace {

// Changes are looked for in blocks of this size; a row of changed blocks goes out as one piece.
constexpr int kBlockWidth = 40;
constexpr int kBlockHeight = 20;

// The first window pixel whose frame pixel is at or after `frameAt`.
int WindowStart(int frameAt, int start, int span, int frameSpan) {
  return start + static_cast<int>((static_cast<long>(frameAt) * span + frameSpan - 1) / frameSpan);
}

}  // namespace

SDL_Rect WindowFrame::FrameRect(int width, int height) {
  if (width <= 0 || height <= 0) return {0, 0, kFrameWidth, kFrameHeight};
  int w = width, h = width * kFrameHeight / kFrameWidth;
  if (h > height) {
    h = height;
    w = height * kFrameWidth / kFrameHeight;
  }
  return {(width - w) / 2, (height - h) / 2, w, h};
}

void WindowFrame::Build(const SDL_Surface& surface) {
  if (surface.format->format != format_) {
    format_ = surface.format->format;
    colour_.resize(65536);
    for (std::uint32_t c = 0; c < 65536; ++c) {
      const auto r = static_cast<Uint8>(((c >> 11) & 31) * 255 / 31);
      const auto g = static_cast<Uint8>(((c >> 5) & 63) * 255 / 63);
      const auto b = static_cast<Uint8>((c & 31) * 255 / 31);
      colour_[c] = SDL_MapRGB(surface.format, r, g, b);
    }
  }
  width_ = surface.w;
  height_ = surface.h;
  rect_ = FrameRect(width_, height_);
}

void WindowFrame::Copy(SDL_Surface& surface, const std::vector<std::uint16_t>& frame, int fx0,
                       int fy0, int fx1, int fy1) {
  const SDL_Rect& r = rect_;
  const int x0 = WindowStart(fx0, r.x, r.w, kFrameWidth);
  const int x1 = WindowStart(fx1, r.x, r.w, kFrameWidth);
  const int y0 = WindowStart(fy0, r.y, r.h, kFrameHeight);
  const int y1 = WindowStart(fy1, r.y, r.h, kFrameHeight);
  if (x0 >= x1 || y0 >= y1) return;
  const int bytes = surface.format->BytesPerPixel;
  for (int y = y0; y < y1; ++y) {
    const int fy = static_cast<int>(static_cast<long>(y - r.y) * kFrameHeight / r.h);
    const std::uint16_t* src = frame.data() + static_cast<std::size_t>(fy) * kFrameWidth;
    auto* dst =
        static_cast<std::uint8_t*>(surface.pixels) + static_cast<std::size_t>(y) * surface.pitch;
    for (int x = x0; x < x1; ++x) {
      const int fx = static_cast<int>(static_cast<long>(x - r.x) * kFrameWidth / r.w);
      const std::uint32_t v = colour_[src[fx]];
      if (bytes == 4) {
        std::memcpy(dst + 4 * x, &v, 4);
      } else if (bytes == 2) {
        const auto v16 = static_cast<std::uint16_t>(v);
        std::memcpy(dst + 2 * x, &v16, 2);
      } else {
        std::memcpy(dst + bytes * x, &v, static_cast<std::size_t>(bytes));  // little-endian
      }
    }
  }
  updates_.push_back({x0, y0, x1 - x0, y1 - y0});
}

bool WindowFrame::Show(SDL_Window* window, const std::vector<std::uint16_t>& frame) {
  SDL_Surface* surface = SDL_GetWindowSurface(window);
  if (surface == nullptr || surface->format->BytesPerPixel < 2) return false;
  if (surface->w != width_ || surface->h != height_ || surface->format->format != format_) {
    Build(*surface);
    whole_ = true;
  }
  if (shown_.size() != frame.size()) whole_ = true;
  if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return false;
  updates_.clear();
  if (whole_) {
    // The borders around a letterboxed frame are black.
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    Copy(*surface, frame, 0, 0, kFrameWidth, kFrameHeight);
    updates_.assign(1, SDL_Rect{0, 0, width_, height_});
  } else {
    for (int by = 0; by < kFrameHeight; by += kBlockHeight) {
      int runStart = -1;
      for (int bx = 0; bx <= kFrameWidth; bx += kBlockWidth) {
        bool changed = false;
        for (int y = by; bx < kFrameWidth && !changed && y < by + kBlockHeight; ++y) {
          const std::size_t at = static_cast<std::size_t>(y) * kFrameWidth + bx;
          changed = std::memcmp(&frame[at], &shown_[at], kBlockWidth * 2) != 0;
        }
        if (changed && runStart < 0) runStart = bx;
        if (!changed && runStart >= 0) {
          Copy(*surface, frame, runStart, by, bx, by + kBlockHeight);
          runStart = -1;
        }
      }
    }
  }
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  if (!updates_.empty()) {
    SDL_UpdateWindowSurfaceRects(window, updates_.data(), static_cast<int>(updates_.size()));
  }
  shown_ = frame;
  whole_ = false;
  return true;
}

}  // namespace gm
