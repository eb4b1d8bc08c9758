// The window, its full screen and the frame shown in it.
#include "platform/sdl/sdl_window.hpp"

#include <algorithm>
#include <string>
#include <string_view>

#include "platform/log.hpp"

namespace gm {

namespace {

// A window of the frame's size, centred.
constexpr SDL_Rect kWindowedPlace{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kFrameWidth,
                                  kFrameHeight};

// Where a full-screen window goes: the whole display it is on (the first before it exists).
//
// SDL takes full screen as granted and reports the display's size at once. Where nothing grants
// it (no window manager, or one that refuses), the window keeps the size it was made with, and a
// picture and pointer scaled for the display's size would miss the window. Placed over the whole
// display first, the window has the size SDL reports whether full screen is granted or not; a
// window manager that then gives it another size tells SDL, which reports that one.
SDL_Rect FullScreenPlace(SDL_Window* window) {
  const int display = window != nullptr ? SDL_GetWindowDisplayIndex(window) : 0;
  SDL_Rect bounds{};
  if (display < 0 || SDL_GetDisplayBounds(display, &bounds) != 0 || bounds.w <= 0 ||
      bounds.h <= 0) {
    return kWindowedPlace;
  }
  return bounds;
}

}  // namespace

bool DrawsNowhere(const char* driver) {
  return driver == nullptr || SDL_strcasecmp(driver, "dummy") == 0 ||
         SDL_strcasecmp(driver, "offscreen") == 0;
}

bool DisplayMissing(const char* driver, const char* asked) {
  if (!DrawsNowhere(driver)) return false;
  if (driver == nullptr || asked == nullptr) return true;
  // SDL_VIDEODRIVER may list several drivers, comma-separated.
  const std::string_view name(driver);
  for (std::string_view list(asked);;) {
    const std::string_view one = list.substr(0, list.find(','));
    if (one.size() == name.size() && SDL_strncasecmp(one.data(), driver, name.size()) == 0)
      return false;
    if (one.size() == list.size()) return true;
    list.remove_prefix(one.size() + 1);
  }
}

std::string NoDisplayReason(const char* x11, const char* wayland) {
  const auto named = [](const char* v) { return v != nullptr && *v != '\0'; };
  std::string which;
  if (named(x11)) which = std::string("the X display ") + x11 + " (DISPLAY)";
  if (named(wayland)) {
    which += (which.empty() ? "the Wayland display " : " and the Wayland display ") +
             std::string(wayland) + " (WAYLAND_DISPLAY)";
  }
  if (which.empty()) return "no display could be reached (is DISPLAY or WAYLAND_DISPLAY set?)";
  return "no display could be reached: " + which + " did not answer";
}

bool SdlWindow::Open(const WindowSettings& settings) {
  Close();
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  Uint32 flags = SDL_WINDOW_RESIZABLE;
  SDL_Rect place = kWindowedPlace;
  if (settings.fullScreen) {
    flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    place = FullScreenPlace(nullptr);
  }
  window_ = SDL_CreateWindow(settings.title.c_str(), place.x, place.y, place.w, place.h, flags);
  if (window_ == nullptr) {
    LogLine(std::string("cannot open the window: ") + SDL_GetError());
    return false;
  }
  // The game draws into the window's own pixel buffer, sending only what changed; without
  // one it draws through a renderer, an accelerated one first.
  SDL_ShowCursor(SDL_DISABLE);
  frame_.Invalidate();
  mustPresent_ = true;
  // The window's own buffer, not one SDL would emulate through a 3D renderer.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_GetWindowSurface(window_) != nullptr) return true;
  if (!MakeRenderer() || !MakeTexture()) {
    Close();
    return false;
  }
  return true;
}

bool SdlWindow::MakeRenderer() {
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
  if (renderer_ == nullptr) {
    LogLine(std::string("no accelerated renderer, drawing in software: ") + SDL_GetError());
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  }
  if (renderer_ == nullptr) {
    LogLine(std::string("cannot draw in the window: ") + SDL_GetError());
    return false;
  }
  return true;
}

bool SdlWindow::MakeTexture() {
  mustPresent_ = true;
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING,
                               kFrameWidth, kFrameHeight);
  if (texture_ == nullptr) {
    LogLine(std::string("cannot make the frame texture: ") + SDL_GetError());
    return false;
  }
  return true;
}

void SdlWindow::Close() {
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
  if (window_ != nullptr) SDL_DestroyWindow(window_);
  texture_ = nullptr;
  renderer_ = nullptr;
  window_ = nullptr;
}

void SdlWindow::SetTitle(std::string_view title) {
  if (window_ != nullptr) SDL_SetWindowTitle(window_, std::string(title).c_str());
}

void SdlWindow::SetFullScreen(bool fullScreen) {
  if (window_ == nullptr) return;
  const bool was = (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) != 0;
  if (fullScreen && !was) {
    const SDL_Rect place = FullScreenPlace(window_);
    SDL_SetWindowPosition(window_, place.x, place.y);
    SDL_SetWindowSize(window_, place.w, place.h);
  }
  if (SDL_SetWindowFullscreen(window_, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
    LogLine(std::string("cannot change full screen: ") + SDL_GetError());
    return;
  }
  if (!fullScreen && was) {
    // Back to a window of the frame's size, not one over the whole display.
    SDL_SetWindowSize(window_, kWindowedPlace.w, kWindowedPlace.h);
    SDL_SetWindowPosition(window_, kWindowedPlace.x, kWindowedPlace.y);
  }
  mustPresent_ = true;
}

bool SdlWindow::Inside(int windowX, int windowY) const {
  if (window_ == nullptr) return false;
  int w = 0, h = 0;
  SDL_GetWindowSize(window_, &w, &h);
  return windowX >= 0 && windowY >= 0 && windowX < w && windowY < h;
}

void SdlWindow::ToFrame(int windowX, int windowY, int& x, int& y) const {
  int w = kFrameWidth, h = kFrameHeight;
  if (window_ != nullptr) SDL_GetWindowSize(window_, &w, &h);
  const SDL_Rect r = WindowFrame::FrameRect(w, h);
  // The frame's last column and row are the rectangle's: the pointer reaches the scrolling edges
  // in a window of any size.
  const auto scale = [](int at, int start, int span, int frame) {
    const long v = span > 1 ? static_cast<long>(at - start) * (frame - 1) / (span - 1) : 0;
    return static_cast<int>(std::clamp(v, 0L, static_cast<long>(frame - 1)));
  };
  x = scale(windowX, r.x, r.w, kFrameWidth);
  y = scale(windowY, r.y, r.h, kFrameHeight);
}

void SdlWindow::Fail(const char* what) {
  // A failing present is logged once per run of failures: the next frame tries again.
  if (!presentFailing_) LogLine(std::string(what) + ": " + SDL_GetError());
  presentFailing_ = true;
}

void SdlWindow::Present(const FrameView& frame) {
  if (window_ == nullptr || frame.pixels == nullptr) return Fail("present without a frame");
  if (renderer_ != nullptr && texture_ == nullptr) return Fail("present without a texture");
  if (frame.format == FrameFormat::kIndexed8 && frame.palette == nullptr) {
    return Fail("present of an 8-bit frame without palette");
  }
  if (frame.width != kFrameWidth || frame.height != kFrameHeight) {
    return Fail("present of a frame that is not 800 x 600");
  }
  // Only what changed since the frame the window shows is sent; a frame that changed nothing
  // is not sent at all: a game standing still costs its drawing, not the transfer to the screen.
  const bool whole = mustPresent_ || frame.since == 0 || frame.since != shownSerial_;
  if (!whole && frame.changed.empty()) {
    shownSerial_ = frame.serial;
    return;
  }
  shownSerial_ = 0;
  if (renderer_ == nullptr) {
    if (!frame_.Show(window_, frame, whole)) return Fail("cannot draw in the window");
  } else if (!ShowThroughRenderer(frame, whole)) {
    return;
  }
  presentFailing_ = false;
  shownSerial_ = frame.serial;
  mustPresent_ = false;
}

bool SdlWindow::FillTexture(const FrameView& frame, const PixelRect& area) {
  const SDL_Rect r{area.left, area.top, area.right - area.left, area.bottom - area.top};
  if (r.w <= 0 || r.h <= 0) return true;
  const std::uint8_t* src = frame.pixels + static_cast<std::size_t>(area.top) * frame.pitch;
  if (frame.format == FrameFormat::kRgb565) {
    return SDL_UpdateTexture(texture_, &r, src + static_cast<std::size_t>(area.left) * 2,
                             frame.pitch) == 0;
  }
  scratch_.resize(static_cast<std::size_t>(r.w) * static_cast<std::size_t>(r.h));
  for (int y = 0; y < r.h; ++y) {
    ConvertIndexedRow(src + static_cast<std::size_t>(y) * frame.pitch + area.left,
                      scratch_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(r.w),
                      r.w, *frame.palette);
  }
  return SDL_UpdateTexture(texture_, &r, scratch_.data(), r.w * 2) == 0;
}

bool SdlWindow::ShowThroughRenderer(const FrameView& frame, bool whole) {
  const PixelRect all{0, 0, kFrameWidth, kFrameHeight};
  for (const PixelRect& area : whole ? std::span<const PixelRect>(&all, 1) : frame.changed) {
    const PixelRect inside{std::max(area.left, 0), std::max(area.top, 0),
                           std::min(area.right, kFrameWidth), std::min(area.bottom, kFrameHeight)};
    if (!FillTexture(frame, inside)) {
      Fail("cannot fill the frame");
      return false;
    }
  }
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  const char* failed = nullptr;
  int outW = 0, outH = 0;
  const SDL_Rect srcRect{0, 0, kFrameWidth, kFrameHeight};
  if (SDL_RenderClear(renderer_) != 0) {
    failed = "cannot clear the window";
  } else if (SDL_GetRendererOutputSize(renderer_, &outW, &outH) != 0) {
    failed = "no output size";
  } else {
    const SDL_Rect dstRect = WindowFrame::FrameRect(outW, outH);
    if (SDL_RenderCopy(renderer_, texture_, &srcRect, &dstRect) != 0)
      failed = "cannot copy the frame";
  }
  if (failed != nullptr) {
    Fail(failed);
    return false;
  }
  SDL_RenderPresent(renderer_);
  return true;
}

bool SdlWindow::Restore() {
  if (renderer_ == nullptr) {
    // The window's own pixels are never lost; the next frame is drawn whole.
    frame_.Invalidate();
    frameLost_ = false;
    return window_ != nullptr;
  }
  if (!MakeTexture()) return false;
  frameLost_ = false;
  return true;
}

}  // namespace gm
