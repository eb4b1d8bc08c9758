// Memory surfaces: sizing, colour matching, fills, fast and keyed blits, stretched draws, locks.
#include "media/surface.hpp"

#include <algorithm>
#include <cstring>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define GM_KEYED_AVX2 1
#endif

#include "media/fixed_palette.hpp"
#include "media/media_error.hpp"
#include "media/surface_canvas.hpp"

namespace gm {

namespace {

// Largest surface side and size accepted: far above the game's 800 x 600, far below trouble.
constexpr int64_t kMaxSide = 16384;
constexpr int64_t kMaxBytes = int64_t(256) << 20;

#if defined(__SSE2__)
void Store(void* at, __m128i v) {
  _mm_storeu_si128(static_cast<__m128i*>(at), v);
}
#endif

// Keyed rows of `bytes` bytes in lanes of `Lane` bytes: pixels equal to the key keep what the
// destination had. A row of at least one vector ends with a vector over its last pixels,
// overlapping the one before and blended before anything is stored: both give the overlapped
// pixels the same values, and no pixel is left to a slower loop.
template <int Lane>
void KeyedRowSse(uint8_t* d, const uint8_t* s, int32_t bytes, uint32_t key) {
#if defined(__SSE2__)
  if (bytes >= 16) {
    const __m128i k = Lane == 2 ? _mm_set1_epi16(int16_t(key)) : _mm_set1_epi8(int8_t(key));
    const auto blend = [&](int32_t x) {
      __m128i sv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + x));
      __m128i dv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + x));
      __m128i isKey = Lane == 2 ? _mm_cmpeq_epi16(sv, k) : _mm_cmpeq_epi8(sv, k);
      return _mm_or_si128(_mm_and_si128(isKey, dv), _mm_andnot_si128(isKey, sv));
    };
    const __m128i tail = blend(bytes - 16);
    for (int32_t x = 0; x + 16 <= bytes; x += 16) Store(d + x, blend(x));
    Store(d + bytes - 16, tail);
    return;
  }
#endif
  using Pixel = std::conditional_t<Lane == 2, uint16_t, uint8_t>;
  Pixel* dst = reinterpret_cast<Pixel*>(d);
  const Pixel* src = reinterpret_cast<const Pixel*>(s);
  for (int32_t x = 0; x < bytes / Lane; ++x) {
    if (src[x] != Pixel(key)) dst[x] = src[x];
  }
}

#if defined(GM_KEYED_AVX2)
// Rows of `bytes` bytes (at least 32) with 256-bit vectors, on processors that have them: keyed
// (lanes of `Lane` bytes, the last vector overlapping as in KeyedRowSse) or plain copies,
// which for the game's short rows beat a call to memmove per row.
template <int Lane, bool Keyed>
__attribute__((target("avx2"))) void RowsAvx2(uint8_t* d, size_t dPitch, const uint8_t* s,
                                              size_t sPitch, int32_t bytes, int32_t rows,
                                              uint32_t key) {
  const __m256i k = Lane == 2 ? _mm256_set1_epi16(int16_t(key)) : _mm256_set1_epi8(int8_t(key));
  const int32_t last = bytes - 32;
  for (int32_t y = 0; y < rows; ++y, d += dPitch, s += sPitch) {
    __m256i sv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + last));
    __m256i tail = sv;
    if (Keyed) {
      const __m256i dv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d + last));
      tail = _mm256_blendv_epi8(sv, dv,
                                Lane == 2 ? _mm256_cmpeq_epi16(sv, k) : _mm256_cmpeq_epi8(sv, k));
    }
    for (int32_t x = 0; x < last; x += 32) {
      sv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + x));
      if (Keyed) {
        const __m256i dv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d + x));
        sv = _mm256_blendv_epi8(sv, dv,
                                Lane == 2 ? _mm256_cmpeq_epi16(sv, k) : _mm256_cmpeq_epi8(sv, k));
      }
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + x), sv);
    }
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + last), tail);
  }
}

bool HasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}
#endif

bool Inside(const TRect& r, int64_t w, int64_t h) {
  return r.Left >= 0 && r.Top >= 0 && r.Right <= w && r.Bottom <= h && !r.Empty();
}

}  // namespace

TDirectDrawSurface::TDirectDrawSurface(SurfaceFormat format) : format_(format) {}

TDirectDrawSurface::~TDirectDrawSurface() = default;

const Palette256& TDirectDrawSurface::Palette() const {
  return format_.palette ? *format_.palette : FixedPalette();
}

void TDirectDrawSurface::SetSize(int32_t w, int32_t h) {
  if (w < 1 || h < 1) {
    pixels_.clear();
    pixels_.shrink_to_fit();
    width_ = height_ = pitch_ = 0;
    lockCount_ = 0;
    return;
  }
  const int64_t bytesPerPixel = format_.bitCount / 8;
  if ((format_.bitCount != 8 && format_.bitCount != 16) || w > kMaxSide || h > kMaxSide ||
      int64_t(w) * h * bytesPerPixel > kMaxBytes) {
    throw EDirectDrawSurfaceError(FormatMessage("%s cannot be made", "Surface"));
  }
  pitch_ = int32_t(w * bytesPerPixel);
  pixels_.assign(size_t(pitch_) * size_t(h), 0);
  width_ = w;
  height_ = h;
  colorKey_ = 0;
  lockCount_ = 0;
}

uint32_t TDirectDrawSurface::ColorMatch(TColor color) const {
  uint8_t r = RedOf(color), g = GreenOf(color), b = BlueOf(color);
  if (format_.bitCount == 16) return PackRgb565(r, g, b);
  if (format_.palette == nullptr || format_.palette == &FixedPalette()) {
    return FixedPaletteIndex(r, g, b);
  }
  return NearestPaletteIndex(*format_.palette, r, g, b);
}

TColor TDirectDrawSurface::PixelColor(uint32_t v) const {
  if (format_.bitCount == 16) {
    auto r = uint8_t(((v >> 11) & 31) * 255 / 31);
    auto g = uint8_t(((v >> 5) & 63) * 255 / 63);
    auto b = uint8_t((v & 31) * 255 / 31);
    return RgbColor(r, g, b);
  }
  const RgbQuad& q = Palette()[v & 255];
  return RgbColor(q.red, q.green, q.blue);
}

void TDirectDrawSurface::Fill(uint32_t deviceColor) {
  FillRect(ClientRect(), deviceColor);
}

void TDirectDrawSurface::FillRect(const TRect& rect, uint32_t deviceColor) {
  if (!HasSurface()) return;
  int32_t l = std::max(rect.Left, 0), t = std::max(rect.Top, 0);
  int32_t r = std::min(rect.Right, width_), b = std::min(rect.Bottom, height_);
  if (l >= r || t >= b) return;
  for (int32_t y = t; y < b; ++y) {
    if (format_.bitCount == 16) {
      auto* row = reinterpret_cast<uint16_t*>(Row(y));
      std::fill(row + l, row + r, uint16_t(deviceColor));
    } else {
      std::fill(Row(y) + l, Row(y) + r, uint8_t(deviceColor));
    }
  }
}

bool TDirectDrawSurface::FormatMatches(const TDirectDrawSurface& other) const {
  return format_.bitCount == other.format_.bitCount;
}

void TDirectDrawSurface::CopyRect(int32_t dx, int32_t dy, const TRect& src,
                                  const TDirectDrawSurface& source, bool keyed) {
  if (&source == this) {
    // Overlapping copy within one surface: go through a scratch copy of the source rectangle.
    TDirectDrawSurface scratch(format_);
    scratch.SetSize(src.Width(), src.Height());
    scratch.SetTransparentColor(colorKey_);
    scratch.CopyRect(0, 0, src, *this, false);
    CopyRect(dx, dy, scratch.ClientRect(), scratch, keyed);
    return;
  }
  const int32_t w = src.Width();
  const int32_t bpp = format_.bitCount / 8;
#if defined(GM_KEYED_AVX2)
  if (w * bpp >= 32 && HasAvx2()) {
    uint8_t* d = Row(dy) + size_t(dx) * bpp;
    const uint8_t* s = source.Row(src.Top) + size_t(src.Left) * bpp;
    const auto rows = !keyed     ? RowsAvx2<1, false>
                      : bpp == 2 ? RowsAvx2<2, true>
                                 : RowsAvx2<1, true>;
    rows(d, size_t(pitch_), s, size_t(source.pitch_), w * bpp, src.Height(), source.colorKey_);
    return;
  }
#endif
  for (int32_t y = 0; y < src.Height(); ++y) {
    uint8_t* d = Row(dy + y) + size_t(dx) * bpp;
    const uint8_t* s = source.Row(src.Top + y) + size_t(src.Left) * bpp;
    if (!keyed) {
      std::memmove(d, s, size_t(w) * bpp);
    } else {
      (bpp == 2 ? KeyedRowSse<2> : KeyedRowSse<1>)(d, s, w * bpp, source.colorKey_);
    }
  }
}

bool TDirectDrawSurface::BltFast(int32_t x, int32_t y, const TRect& srcRect, uint32_t flags,
                                 const TDirectDrawSurface& source) {
  if (!HasSurface() || !source.HasSurface() || !FormatMatches(source)) return false;
  if (!Inside(srcRect, source.width_, source.height_)) return false;
  TRect dst{x, y, 0, 0};
  if (int64_t(x) + srcRect.Width() > width_ || int64_t(y) + srcRect.Height() > height_ || x < 0 ||
      y < 0) {
    return false;
  }
  dst.Right = x + srcRect.Width();
  dst.Bottom = y + srcRect.Height();
  CopyRect(dst.Left, dst.Top, srcRect, source, (flags & kBltFastSrcColorKey) != 0);
  return true;
}

void TDirectDrawSurface::Draw(int32_t x, int32_t y, const TRect& srcRect,
                              const TDirectDrawSurface& source, bool transparent) {
  if (!HasSurface() || !source.HasSurface() || !FormatMatches(source)) return;
  if (x > width_ || y > height_) return;
  if (srcRect.Left > srcRect.Right || srcRect.Top > srcRect.Bottom) return;  // mirrored
  // Clip in 64 bits so that extreme positions cannot overflow.
  int64_t sl = srcRect.Left, st = srcRect.Top, sr = srcRect.Right, sb = srcRect.Bottom;
  int64_t dl = x, dt = y, dr = dl + (sr - sl), db = dt + (sb - st);
  auto cut = [](int64_t& lo1, int64_t& lo2, int64_t limit) {
    if (lo1 < limit) {
      lo2 += limit - lo1;
      lo1 = limit;
    }
  };
  auto cutHigh = [](int64_t& hi1, int64_t& hi2, int64_t limit) {
    if (hi1 > limit) {
      hi2 -= hi1 - limit;
      hi1 = limit;
    }
  };
  cut(dl, sl, 0);
  cut(dt, st, 0);
  cutHigh(dr, sr, width_);
  cutHigh(db, sb, height_);
  cut(sl, dl, 0);
  cut(st, dt, 0);
  cutHigh(sr, dr, source.width_);
  cutHigh(sb, db, source.height_);
  if (dl >= dr || dt >= db || sl >= sr || st >= sb) return;
  TRect src{int32_t(sl), int32_t(st), int32_t(sr), int32_t(sb)};
  CopyRect(int32_t(dl), int32_t(dt), src, source, transparent);
}

void TDirectDrawSurface::StretchDraw(const TRect& destRect, const TRect& srcRect,
                                     const TDirectDrawSurface& source, bool transparent) {
  if (!HasSurface() || !source.HasSurface() || !FormatMatches(source)) return;
  if (destRect.Empty() || srcRect.Empty()) return;
  if (!Inside(srcRect, source.width_, source.height_)) return;
  if (&source == this) {
    TDirectDrawSurface scratch(format_);
    scratch.SetSize(srcRect.Width(), srcRect.Height());
    scratch.SetTransparentColor(colorKey_);
    scratch.CopyRect(0, 0, srcRect, *this, false);
    StretchDraw(destRect, scratch.ClientRect(), scratch, transparent);
    return;
  }
  const int64_t dw = int64_t(destRect.Right) - destRect.Left;
  const int64_t dh = int64_t(destRect.Bottom) - destRect.Top;
  const int64_t sw = srcRect.Width(), sh = srcRect.Height();
  const int32_t x0 = int32_t(std::max<int64_t>(destRect.Left, 0));
  const int32_t x1 = int32_t(std::min<int64_t>(destRect.Right, width_));
  const int32_t y0 = int32_t(std::max<int64_t>(destRect.Top, 0));
  const int32_t y1 = int32_t(std::min<int64_t>(destRect.Bottom, height_));
  if (x0 >= x1 || y0 >= y1) return;
  // Source column of every destination column, sampled at the pixel centre.
  std::vector<int32_t> colMap(size_t(x1 - x0));
  for (int32_t x = x0; x < x1; ++x) {
    int64_t off = ((2 * (x - int64_t(destRect.Left)) + 1) * sw) / (2 * dw);
    colMap[size_t(x - x0)] = int32_t(srcRect.Left + off);
  }
  const uint32_t key = source.colorKey_;
  for (int32_t y = y0; y < y1; ++y) {
    int64_t offY = ((2 * (y - int64_t(destRect.Top)) + 1) * sh) / (2 * dh);
    const uint8_t* s = source.Row(int32_t(srcRect.Top + offY));
    if (format_.bitCount == 16) {
      auto* d = reinterpret_cast<uint16_t*>(Row(y));
      auto* s16 = reinterpret_cast<const uint16_t*>(s);
      for (int32_t x = x0; x < x1; ++x) {
        uint16_t v = s16[colMap[size_t(x - x0)]];
        if (!transparent || v != uint16_t(key)) d[x] = v;
      }
    } else {
      uint8_t* d = Row(y);
      for (int32_t x = x0; x < x1; ++x) {
        uint8_t v = s[colMap[size_t(x - x0)]];
        if (!transparent || v != uint8_t(key)) d[x] = v;
      }
    }
  }
}

bool TDirectDrawSurface::Lock(SurfaceLock& out) {
  if (!HasSurface() || lockCount_ >= 1) return false;
  lockCount_ = 1;
  out = SurfaceLock{pixels_.data(), pitch_, width_, height_, format_.bitCount};
  return true;
}

void TDirectDrawSurface::Unlock() {
  if (lockCount_ >= 1) --lockCount_;
}

uint32_t TDirectDrawSurface::Pixel(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  if (format_.bitCount == 16) return reinterpret_cast<const uint16_t*>(Row(y))[x];
  return Row(y)[x];
}

void TDirectDrawSurface::SetPixel(int32_t x, int32_t y, uint32_t deviceColor) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  if (format_.bitCount == 16) {
    reinterpret_cast<uint16_t*>(Row(y))[x] = uint16_t(deviceColor);
  } else {
    Row(y)[x] = uint8_t(deviceColor);
  }
}

TDirectDrawSurfaceCanvas& TDirectDrawSurface::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<TDirectDrawSurfaceCanvas>(*this);
  return *canvas_;
}

}  // namespace gm
