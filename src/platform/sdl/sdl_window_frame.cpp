// The window's own pixel buffer as the game's screen.
#include "platform/sdl/sdl_window_frame.hpp"

#include <algorithm>
#include <cstring>

namespace gm {

namespace {

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
  columnOf_.resize(static_cast<std::size_t>(rect_.w));
  for (int x = 0; x < rect_.w; ++x) {
    columnOf_[static_cast<std::size_t>(x)] =
        static_cast<int>(static_cast<long>(x) * kFrameWidth / rect_.w);
  }
  rowOf_.resize(static_cast<std::size_t>(rect_.h));
  for (int y = 0; y < rect_.h; ++y) {
    rowOf_[static_cast<std::size_t>(y)] =
        static_cast<int>(static_cast<long>(y) * kFrameHeight / rect_.h);
  }
}

template <class Pixel>
void WindowFrame::ConvertRow(std::uint8_t* dst, const Pixel* src, const std::uint32_t* colours,
                             int x0, int x1, int bytes) const {
  // A window as wide as the frame takes its columns one for one.
  const bool unscaled = rect_.w == kFrameWidth;
  const int* column = columnOf_.data();
  const auto at = [&](int x) { return colours[src[unscaled ? x - rect_.x : column[x - rect_.x]]]; };
  if (bytes == 4) {
    for (int x = x0; x < x1; ++x) {
      const std::uint32_t v = at(x);
      std::memcpy(dst + 4 * static_cast<std::size_t>(x), &v, 4);
    }
  } else if (bytes == 2) {
    for (int x = x0; x < x1; ++x) {
      const auto v = static_cast<std::uint16_t>(at(x));
      std::memcpy(dst + 2 * static_cast<std::size_t>(x), &v, 2);
    }
  } else {
    for (int x = x0; x < x1; ++x) {
      const std::uint32_t v = at(x);
      std::memcpy(dst + static_cast<std::size_t>(bytes) * static_cast<std::size_t>(x), &v,
                  static_cast<std::size_t>(bytes));  // little-endian
    }
  }
}

void WindowFrame::Copy(SDL_Surface& surface, const FrameView& frame, const PixelRect& area) {
  const SDL_Rect& r = rect_;
  const int x0 = WindowStart(area.left, r.x, r.w, kFrameWidth);
  const int x1 = WindowStart(area.right, r.x, r.w, kFrameWidth);
  const int y0 = WindowStart(area.top, r.y, r.h, kFrameHeight);
  const int y1 = WindowStart(area.bottom, r.y, r.h, kFrameHeight);
  if (x0 >= x1 || y0 >= y1) return;
  const bool indexed = frame.format == FrameFormat::kIndexed8;
  const std::uint32_t* colours = indexed ? indexed_.data() : colour_.data();
  const int bytes = surface.format->BytesPerPixel;
  const auto spanBytes = static_cast<std::size_t>(x1 - x0) * static_cast<std::size_t>(bytes);
  auto* pixels = static_cast<std::uint8_t*>(surface.pixels);
  int lastRow = -1;
  for (int y = y0; y < y1; ++y) {
    std::uint8_t* dst =
        pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(surface.pitch);
    const int fy = rowOf_[static_cast<std::size_t>(y - r.y)];
    if (fy == lastRow) {
      // Scaled up, the window row above showed the same frame row.
      const std::size_t from = static_cast<std::size_t>(x0) * static_cast<std::size_t>(bytes);
      std::memcpy(dst + from, dst - surface.pitch + from, spanBytes);
      continue;
    }
    lastRow = fy;
    const std::uint8_t* src = frame.pixels + static_cast<std::size_t>(fy) * frame.pitch;
    if (indexed) {
      ConvertRow(dst, src, colours, x0, x1, bytes);
    } else {
      ConvertRow(dst, reinterpret_cast<const std::uint16_t*>(src), colours, x0, x1, bytes);
    }
  }
  updates_.push_back({x0, y0, x1 - x0, y1 - y0});
}

bool WindowFrame::Show(SDL_Window* window, const FrameView& frame, bool whole) {
  SDL_Surface* surface = SDL_GetWindowSurface(window);
  if (surface == nullptr || surface->format->BytesPerPixel < 2) return false;
  if (surface->w != width_ || surface->h != height_ || surface->format->format != format_) {
    Build(*surface);
    whole_ = true;
  }
  if (frame.format == FrameFormat::kIndexed8) {
    indexed_.resize(256);
    for (std::size_t i = 0; i < 256; ++i) indexed_[i] = colour_[(*frame.palette)[i]];
  }
  if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return false;
  updates_.clear();
  if (whole_ || whole) {
    // The borders around a letterboxed frame are black.
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    Copy(*surface, frame, {0, 0, kFrameWidth, kFrameHeight});
    updates_.assign(1, SDL_Rect{0, 0, width_, height_});
  } else {
    for (const PixelRect& area : frame.changed) {
      Copy(*surface, frame,
           {std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, kFrameWidth),
            std::min(area.bottom, kFrameHeight)});
    }
  }
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  if (!updates_.empty()) {
    SDL_UpdateWindowSurfaceRects(window, updates_.data(), static_cast<int>(updates_.size()));
  }
  whole_ = false;
  return true;
}

}  // namespace gm
