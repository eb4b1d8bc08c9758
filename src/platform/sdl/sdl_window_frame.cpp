// The window's own pixel buffer as the game's screen.
#include "platform/sdl/sdl_window_frame.hpp"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace gm {

namespace {

// The first window pixel whose frame pixel is at or after `frameAt`.
int WindowStart(int frameAt, int start, int span, int frameSpan) {
  return start + static_cast<int>((static_cast<long>(frameAt) * span + frameSpan - 1) / frameSpan);
}

#if defined(__SSE2__)
// RGB565 pixels as 32-bit window pixels of 8-bit channels at the format's places, eight at a time
// with the channels widened as Build widens them (c * 255 / 31, c * 255 / 63, by multiplying
// and shifting). A span of eight pixels or more is done whole, its last vector overlapping the
// one before where the span is not a multiple of eight (both write the same values there).
// Returns how many were done: none of a span shorter than a vector.
int Rgb565To32(const std::uint16_t* src, std::uint8_t* dst, int n, const SDL_PixelFormat& f) {
  if (n < 8) return 0;
  const __m128i k255 = _mm_set1_epi16(255);
  const __m128i by31 = _mm_set1_epi16(8457);  // (x * 8457) >> 18 = x / 31 for x = c * 255
  const __m128i by63 = _mm_set1_epi16(8323);  // (x * 8323) >> 19 = x / 63 for x = c * 255
  const __m128i low5 = _mm_set1_epi16(31);
  const __m128i low6 = _mm_set1_epi16(63);
  const __m128i zero = _mm_setzero_si128();
  const __m128i alpha = _mm_set1_epi32(static_cast<int>(f.Amask));
  const __m128i rs = _mm_cvtsi32_si128(f.Rshift);
  const __m128i gs = _mm_cvtsi32_si128(f.Gshift);
  const __m128i bs = _mm_cvtsi32_si128(f.Bshift);
  const auto store = [&](int x) {
    const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + x));
    const __m128i r =
        _mm_srli_epi16(_mm_mulhi_epu16(_mm_mullo_epi16(_mm_srli_epi16(c, 11), k255), by31), 2);
    const __m128i g = _mm_srli_epi16(
        _mm_mulhi_epu16(_mm_mullo_epi16(_mm_and_si128(_mm_srli_epi16(c, 5), low6), k255), by63), 3);
    const __m128i b =
        _mm_srli_epi16(_mm_mulhi_epu16(_mm_mullo_epi16(_mm_and_si128(c, low5), k255), by31), 2);
    const auto pack = [&](__m128i r32, __m128i g32, __m128i b32) {
      return _mm_or_si128(_mm_or_si128(_mm_sll_epi32(r32, rs), _mm_sll_epi32(g32, gs)),
                          _mm_or_si128(_mm_sll_epi32(b32, bs), alpha));
    };
    auto* at = reinterpret_cast<__m128i*>(dst + 4 * static_cast<std::size_t>(x));
    _mm_storeu_si128(at, pack(_mm_unpacklo_epi16(r, zero), _mm_unpacklo_epi16(g, zero),
                              _mm_unpacklo_epi16(b, zero)));
    _mm_storeu_si128(at + 1, pack(_mm_unpackhi_epi16(r, zero), _mm_unpackhi_epi16(g, zero),
                                  _mm_unpackhi_epi16(b, zero)));
  };
  for (int x = 0; x + 8 <= n; x += 8) store(x);
  if (n % 8 != 0) store(n - 8);
  return n;
}
#endif

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
    // Window pixels of four bytes with whole-byte channels are worked out eight at a time,
    // where that gives every colour exactly as the table does.
    vectors_ = false;
#if defined(__SSE2__)
    const SDL_PixelFormat& f = *surface.format;
    if (f.BytesPerPixel == 4 && f.Rloss == 0 && f.Gloss == 0 && f.Bloss == 0) {
      std::vector<std::uint16_t> all(65536);
      for (std::size_t c = 0; c < all.size(); ++c) all[c] = static_cast<std::uint16_t>(c);
      std::vector<std::uint32_t> out(65536);
      Rgb565To32(all.data(), reinterpret_cast<std::uint8_t*>(out.data()), 65536, f);
      vectors_ = out == colour_;
    }
#endif
  }
  layout_ = *surface.format;
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
#if defined(__SSE2__)
    if constexpr (sizeof(Pixel) == 2) {
      if (unscaled && vectors_) {
        x0 += Rgb565To32(src + (x0 - rect_.x), dst + 4 * static_cast<std::size_t>(x0), x1 - x0,
                         layout_);
      }
    }
#endif
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

void WindowFrame::AddArea(const PixelRect& area) {
  const SDL_Rect& r = rect_;
  const int x0 = WindowStart(std::max(area.left, 0), r.x, r.w, kFrameWidth);
  const int x1 = WindowStart(std::min(area.right, kFrameWidth), r.x, r.w, kFrameWidth);
  const int y0 = WindowStart(std::max(area.top, 0), r.y, r.h, kFrameHeight);
  const int y1 = WindowStart(std::min(area.bottom, kFrameHeight), r.y, r.h, kFrameHeight);
  if (x0 < x1 && y0 < y1) areas_.push_back({x0, y0, x1 - x0, y1 - y0});
}

void WindowFrame::Prefetch(const FrameView& frame, const SDL_Rect& area, int y) const {
  if (y >= area.y + area.h) return;
  const int bytes = frame.format == FrameFormat::kIndexed8 ? 1 : 2;
  const int fx0 = columnOf_[static_cast<std::size_t>(area.x - rect_.x)];
  const int fx1 = columnOf_[static_cast<std::size_t>(area.x + area.w - 1 - rect_.x)] + 1;
  const std::uint8_t* row =
      frame.pixels + static_cast<std::size_t>(rowOf_[static_cast<std::size_t>(y - rect_.y)]) *
                         static_cast<std::size_t>(frame.pitch);
  for (int at = fx0 * bytes; at < fx1 * bytes; at += 64) __builtin_prefetch(row + at);
  __builtin_prefetch(row + fx1 * bytes - 1);
}

void WindowFrame::CopyAreas(SDL_Surface& surface, const FrameView& frame) {
  if (areas_.empty()) return;
  const bool indexed = frame.format == FrameFormat::kIndexed8;
  const std::uint32_t* colours = indexed ? indexed_.data() : colour_.data();
  const int bytes = surface.format->BytesPerPixel;
  auto* pixels = static_cast<std::uint8_t*>(surface.pixels);
  int top = areas_.front().y, bottom = top;
  for (const SDL_Rect& a : areas_) {
    top = std::min(top, a.y);
    bottom = std::max(bottom, a.y + a.h);
  }
  // Row by row across all the areas, the frame rows a few ahead asked for from memory: the
  // reads then run as one stream instead of one short stride per area.
  constexpr int kRowsAhead = 4;
  for (int y = top; y < bottom; ++y) {
    std::uint8_t* dst =
        pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(surface.pitch);
    const int fy = rowOf_[static_cast<std::size_t>(y - rect_.y)];
    const std::uint8_t* src = frame.pixels + static_cast<std::size_t>(fy) * frame.pitch;
    for (const SDL_Rect& a : areas_) {
      if (y < a.y || y >= a.y + a.h) continue;
      if (y > a.y && rowOf_[static_cast<std::size_t>(y - 1 - rect_.y)] == fy) {
        // Scaled up, the window row above showed the same frame row.
        const std::size_t from = static_cast<std::size_t>(a.x) * static_cast<std::size_t>(bytes);
        std::memcpy(dst + from, dst - surface.pitch + from,
                    static_cast<std::size_t>(a.w) * static_cast<std::size_t>(bytes));
        continue;
      }
      Prefetch(frame, a, y + kRowsAhead);
      if (indexed) {
        ConvertRow(dst, src, colours, a.x, a.x + a.w, bytes);
      } else {
        ConvertRow(dst, reinterpret_cast<const std::uint16_t*>(src), colours, a.x, a.x + a.w,
                   bytes);
      }
    }
  }
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
  areas_.clear();
  const bool everything = whole_ || whole;
  if (everything) {
    // The borders around a letterboxed frame are black.
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    AddArea({0, 0, kFrameWidth, kFrameHeight});
  } else {
    for (const PixelRect& area : frame.changed) AddArea(area);
  }
  CopyAreas(*surface, frame);
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  if (everything) areas_.assign(1, SDL_Rect{0, 0, width_, height_});
  if (!areas_.empty()) {
    SDL_UpdateWindowSurfaceRects(window, areas_.data(), static_cast<int>(areas_.size()));
  }
  whole_ = false;
  return true;
}

}  // namespace gm
