// Off-screen drawing surfaces in memory (RGB565 or 8-bit palettised): the back buffer and the
// game's pictures alike, with fills, fast blits, colour-keyed clipped draws and stretched draws.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "media/color.hpp"

namespace gm {

class TDirectDrawSurfaceCanvas;

// BltFast flags: use the source's colour key; wait for the device (no effect in memory).
inline constexpr uint32_t kBltFastSrcColorKey = 0x1;
inline constexpr uint32_t kBltFastWait = 0x10;

// What a locked surface hands out: the top row and the byte distance between rows.
struct SurfaceLock {
  uint8_t* bits = nullptr;
  int32_t pitch = 0;
  int32_t width = 0;
  int32_t height = 0;
  int32_t bitCount = 0;
};

// The pixel format of a device's surfaces: 16 (RGB565) or 8 (indexes into a palette).
struct SurfaceFormat {
  int32_t bitCount = 16;
  const Palette256* palette = nullptr;  // 8-bit only; null means the fixed palette
};

class TDirectDrawSurface {
 public:
  explicit TDirectDrawSurface(SurfaceFormat format = {});
  ~TDirectDrawSurface();
  TDirectDrawSurface(const TDirectDrawSurface&) = delete;
  TDirectDrawSurface& operator=(const TDirectDrawSurface&) = delete;

  // Makes a blank (all 0) surface of w x h; w < 1 or h < 1 releases it instead.
  void SetSize(int32_t w, int32_t h);
  // True while the surface holds pixels.
  bool HasSurface() const { return width_ > 0; }
  // Memory surfaces are never lost: restore succeeds whenever the surface exists.
  bool Restore() { return HasSurface(); }

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  int32_t BitCount() const { return format_.bitCount; }
  TRect ClientRect() const { return {0, 0, width_, height_}; }
  const SurfaceFormat& Format() const { return format_; }
  const Palette256& Palette() const;

  // Kept for the callers that choose placement; every surface lives in system memory here.
  bool SystemMemory = false;

  // Row access for the display's present step and for tests.
  int32_t Pitch() const { return pitch_; }
  uint8_t* Row(int32_t y) { return pixels_.data() + size_t(y) * size_t(pitch_); }
  const uint8_t* Row(int32_t y) const { return pixels_.data() + size_t(y) * size_t(pitch_); }

  // The device colour (pixel value) nearest to an RGB colour, and back.
  uint32_t ColorMatch(TColor color) const;
  TColor PixelColor(uint32_t deviceColor) const;

  // Source colour key used by keyed blits from this surface.
  void SetTransparentColor(uint32_t deviceColor) { colorKey_ = deviceColor; }
  uint32_t TransparentColor() const { return colorKey_; }

  // Fills the whole surface, or a rectangle clipped to it, with a device colour.
  void Fill(uint32_t deviceColor);
  void FillRect(const TRect& rect, uint32_t deviceColor);

  // Copies the source rectangle to (x, y) without clipping; answers false (and draws nothing)
  // when there is no surface, the formats differ, or either rectangle leaves its surface.
  bool BltFast(int32_t x, int32_t y, const TRect& srcRect, uint32_t flags,
               const TDirectDrawSurface& source);
  // Copies the source rectangle to (x, y), clipped at every edge of both surfaces; with
  // transparent, pixels equal to the source's colour key are skipped.
  void Draw(int32_t x, int32_t y, const TRect& srcRect, const TDirectDrawSurface& source,
            bool transparent);
  // Scales the source rectangle into the destination rectangle (nearest pixel), clipped.
  void StretchDraw(const TRect& destRect, const TRect& srcRect, const TDirectDrawSurface& source,
                   bool transparent);

  // One lock at a time; a second lock fails until Unlock.
  bool Lock(SurfaceLock& out);
  void Unlock();
  int32_t LockCount() const { return lockCount_; }

  // Pixel value at (x, y); 0 outside the surface. Writes outside are ignored.
  uint32_t Pixel(int32_t x, int32_t y) const;
  void SetPixel(int32_t x, int32_t y, uint32_t deviceColor);

  // Text drawing for the loading messages; made on first use.
  TDirectDrawSurfaceCanvas& Canvas();

 private:
  bool FormatMatches(const TDirectDrawSurface& other) const;
  void CopyRect(int32_t dx, int32_t dy, const TRect& src, const TDirectDrawSurface& source,
                bool keyed);

  SurfaceFormat format_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  int32_t pitch_ = 0;
  std::vector<uint8_t> pixels_;
  uint32_t colorKey_ = 0;
  int32_t lockCount_ = 0;
  std::unique_ptr<TDirectDrawSurfaceCanvas> canvas_;
};

// RGB565 packing used by 16-bit surfaces.
constexpr uint16_t PackRgb565(uint8_t r, uint8_t g, uint8_t b) {
  return uint16_t(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

}  // namespace gm
