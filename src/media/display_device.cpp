// Display device: option rules, mode choice, the initialise / finalise / restore order with its
// notifications and events, and Flip to the platform's window.
#include "media/display_device.hpp"

#include <algorithm>
#include <exception>
#include <limits>
#include <string>

#include "media/device_errors.hpp"

namespace gm {

// ---- TDXDrawDisplay

void TDXDrawDisplay::SetBitCount(std::int32_t value) {
  if (value != 8 && value != 16 && value != 24 && value != 32) {
    throw EDirectDrawError("It should be either of 8 or 16 or 24 or 32");
  }
  bitCount_ = value;
}

void TDXDrawDisplay::LoadModes() {
  if (!modes_.empty()) return;
  // The window always shows an 800 x 600 frame; its pixels are 8-bit (palette) or RGB565.
  modes_ = {{kFrameWidth, kFrameHeight, 8}, {kFrameWidth, kFrameHeight, 16}};
  std::stable_sort(modes_.begin(), modes_.end(), [](const auto& a, const auto& b) {
    if (a.Width != b.Width) return a.Width < b.Width;
    if (a.Height != b.Height) return a.Height < b.Height;
    return a.BitCount < b.BitCount;
  });
}

int TDXDrawDisplay::Count() {
  LoadModes();
  return static_cast<int>(modes_.size());
}

const TDXDrawDisplayMode& TDXDrawDisplay::Modes(int index) {
  LoadModes();
  return modes_.at(static_cast<std::size_t>(index));
}

int TDXDrawDisplay::IndexOf(std::int32_t width, std::int32_t height, std::int32_t bitCount) {
  LoadModes();
  for (std::size_t i = 0; i < modes_.size(); ++i) {
    const auto& m = modes_[i];
    if (m.Width == width && m.Height == height && m.BitCount == bitCount) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

bool TDXDrawDisplay::SearchMode(std::int32_t width, std::int32_t height, std::int32_t bitCount,
                                bool keepRatio, TDXDrawDisplayMode& found) {
  bool any = false;
  std::int32_t bestW = std::numeric_limits<std::int32_t>::max();
  std::int32_t bestH = bestW;
  for (const auto& m : modes_) {
    if (keepRatio && static_cast<std::int64_t>(m.Width) * height !=
                         static_cast<std::int64_t>(width) * m.Height) {
      continue;
    }
    if (m.Width > bestW || m.Height > bestH) continue;
    const bool sizeOk = FixedSize ? (m.Width == width && m.Height == height)
                                  : (m.Width >= width && m.Height >= height);
    const bool bitsOk = FixedBitCount
                            ? m.BitCount == bitCount
                            : ((m.BitCount > 8 && bitCount > 8) || m.BitCount >= bitCount);
    if (!sizeOk || !bitsOk) continue;
    bestW = m.Width;
    bestH = m.Height;
    found = m;
    any = true;
  }
  return any;
}

bool TDXDrawDisplay::SetDisplayMode(std::int32_t width, std::int32_t height,
                                    std::int32_t bitCount) {
  if (width < 1 || height < 1) return false;
  if (bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32) return false;
  LoadModes();
  TDXDrawDisplayMode found{};
  if (IndexOf(width, height, bitCount) >= 0) {
    found = {width, height, bitCount};
  } else {
    const bool ok = (FixedRatio && SearchMode(width, height, bitCount, true, found)) ||
                    SearchMode(width, height, bitCount, false, found);
    if (!ok) return false;
    if (found.BitCount != bitCount && IndexOf(found.Width, found.Height, bitCount) >= 0) {
      found.BitCount = bitCount;
    }
  }
  width_ = found.Width;
  height_ = found.Height;
  bitCount_ = found.BitCount;
  return true;
}

// ---- TCustomDXDraw

TCustomDXDraw::TCustomDXDraw(Platform* platform) : platform_(platform) {
  SetOptions(kDefaultDXDrawOptions);
}

TCustomDXDraw::~TCustomDXDraw() {
  try {
    Finalize();
  } catch (...) {
    // A handler failing while the display goes away changes nothing now.
  }
  Notify(ntDestroying);
}

void TCustomDXDraw::DoFinalize() {
  if (OnFinalize) OnFinalize(*this);
}
void TCustomDXDraw::DoFinalizeSurface() {
  if (OnFinalizeSurface) OnFinalizeSurface(*this);
}
void TCustomDXDraw::DoInitialize() {
  if (OnInitialize) OnInitialize(*this);
}
void TCustomDXDraw::DoInitializeSurface() {
  if (OnInitializeSurface) OnInitializeSurface(*this);
}
void TCustomDXDraw::DoInitializing() {
  if (OnInitializing) OnInitializing(*this);
}
void TCustomDXDraw::DoRestoreSurface() {
  if (OnRestoreSurface) OnRestoreSurface(*this);
}

void TCustomDXDraw::SetOptions(TDXDrawOptions value) {
  options_ = value;
  if (initialized_) {
    // Only the presentation options change while running.
    constexpr TDXDrawOptions kRunning = doWaitVBlank | doStretch | doCenter;
    nowOptions_ = static_cast<TDXDrawOptions>((value & kRunning) | (nowOptions_ & ~kRunning));
    if (!(nowOptions_ & do3D)) {
      nowOptions_ &=
          static_cast<TDXDrawOptions>(~(doRetainedMode | doHardware | doSelectDriver | doZBuffer));
    }
    return;
  }
  TDXDrawOptions now = value;
  if (!(now & doFullScreen)) {
    now &= static_cast<TDXDrawOptions>(
        ~(doNoWindowChange | doAllowReboot | doAllowPalette256 | doFlip));
  }
  if (!(now & do3D)) {
    now &= static_cast<TDXDrawOptions>(
        ~(doDirectX7Mode | doRetainedMode | doHardware | doSelectDriver | doZBuffer));
  }
  if (now & doSystemMemory) now &= static_cast<TDXDrawOptions>(~doFlip);
  if (now & doDirectX7Mode) now &= static_cast<TDXDrawOptions>(~doRetainedMode);
  now &= static_cast<TDXDrawOptions>(~doHardware);
  nowOptions_ = now;
}

std::int32_t TCustomDXDraw::SurfaceWidth() const {
  return surface_ && surface_->HasSurface() ? surface_->Width() : keptWidth_;
}

std::int32_t TCustomDXDraw::SurfaceHeight() const {
  return surface_ && surface_->HasSurface() ? surface_->Height() : keptHeight_;
}

void TCustomDXDraw::MakeSurface() {
  SurfaceFormat format;
  format.bitCount = display_.BitCount() == 8 ? 8 : 16;
  surface_ = std::make_unique<TDirectDrawSurface>(format);
  surface_->SetSize(std::max(keptWidth_, 1), std::max(keptHeight_, 1));
  surface_->Fill(0);
  presented_.Forget();
  const auto& palette = surface_->Palette();
  for (int i = 0; i < 256; ++i) {
    presentPalette_[static_cast<std::size_t>(i)] = PackRgb565(
        palette[static_cast<std::size_t>(i)].red, palette[static_cast<std::size_t>(i)].green,
        palette[static_cast<std::size_t>(i)].blue);
  }
}

void TCustomDXDraw::Initialize() {
  initializedOnce_ = true;
  Finalize();
  if (platform_ == nullptr) throw EDXDrawError("Form not found");
  try {
    DoInitializing();
    updating_ = true;
    internalInitialized_ = true;
    Notify(ntInitializing);
    if (!windowOpen_) {
      WindowSettings settings;
      settings.fullScreen = (nowOptions_ & doFullScreen) != 0;
      if (!platform_->OpenWindow(settings)) {
        throw EDXDrawError(FormatMessage("%s cannot be made", "Primary Surface"));
      }
      windowOpen_ = true;
    }
    // The window always takes the asked mode's pixel depth; full screen or not only decides
    // how the frame is shown.
    if (!display_.SetDisplayMode(display_.Width(), display_.Height(), display_.BitCount())) {
      throw EDXDrawError("Display mode cannot be changed (" + std::to_string(display_.Width()) +
                         "x" + std::to_string(display_.Height()) + " " +
                         std::to_string(display_.BitCount()) + "bit)");
    }
    MakeSurface();
    updating_ = false;
  } catch (...) {
    updating_ = false;
    Finalize();
    throw;
  }
  initialized_ = true;
  ++restoreNotifyCounter_;
  Notify(ntSetSurfaceSize);
  Notify(ntInitialize);
  doInitializeCalled_ = true;
  DoInitialize();
  Notify(ntInitializeSurface);
  doInitializeSurfaceCalled_ = true;
  DoInitializeSurface();
  --restoreNotifyCounter_;
  Restore();
}

void TCustomDXDraw::Finalize() {
  if (!internalInitialized_) return;
  keptWidth_ = SurfaceWidth();
  keptHeight_ = SurfaceHeight();
  display_.ClearModes();
  updating_ = true;
  // Everything is released whatever the handlers raise; the first failure is raised after.
  std::exception_ptr failure;
  auto guarded = [&failure](auto&& step) {
    try {
      step();
    } catch (...) {
      if (!failure) failure = std::current_exception();
    }
  };
  if (doInitializeSurfaceCalled_) {
    doInitializeSurfaceCalled_ = false;
    guarded([&] { DoFinalizeSurface(); });
  }
  guarded([&] { Notify(ntFinalizeSurface); });
  if (doInitializeCalled_) {
    doInitializeCalled_ = false;
    guarded([&] { DoFinalize(); });
  }
  guarded([&] { Notify(ntFinalize); });
  internalInitialized_ = false;
  initialized_ = false;
  SetOptions(options_);
  surface_.reset();
  updating_ = false;
  if (failure) std::rethrow_exception(failure);
}

void TCustomDXDraw::Restore() {
  if (!initialized_ || updating_) return;
  updating_ = true;
  try {
    const bool restored = platform_->RestoreFrame() && surface_ && surface_->Restore();
    if (restored) {
      surface_->Fill(0);
      presented_.Forget();
      Notify(ntRestore);
      DoRestoreSurface();
    }
  } catch (...) {
    updating_ = false;
    throw;
  }
  updating_ = false;
}

bool TCustomDXDraw::CanDraw() {
  if (!initialized_ || updating_ || !surface_ || !surface_->HasSurface()) return false;
  if (!platform_->FrameLost()) return true;
  Restore();
  return !platform_->FrameLost();
}

void TCustomDXDraw::Flip() {
  if (!initialized_ || updating_) return;
  if (!CanDraw()) return;
  FrameView frame;
  frame.pixels = surface_->Row(0);
  frame.width = surface_->Width();
  frame.height = surface_->Height();
  frame.pitch = surface_->Pitch();
  frame.format = surface_->BitCount() == 8 ? FrameFormat::kIndexed8 : FrameFormat::kRgb565;
  frame.palette = &presentPalette_;
  presented_.Take(frame.pixels, frame.width, frame.height, frame.pitch, surface_->BitCount() / 8);
  frame.serial = presented_.Serial();
  frame.since = presented_.Since();
  frame.changed = presented_.Changes();
  platform_->Present(frame);
}

void TCustomDXDraw::FormShown() {
  if (AutoInitialize && !initializedOnce_) Initialize();
}

void TCustomDXDraw::SetSurfaceSize(std::int32_t width, std::int32_t height) {
  if (width == SurfaceWidth() && height == SurfaceHeight()) return;
  if (updating_) return;
  if (initialized_) {
    try {
      keptWidth_ = std::max(width, 1);
      keptHeight_ = std::max(height, 1);
      ++restoreNotifyCounter_;
      Notify(ntFinalizeSurface);
      if (doInitializeSurfaceCalled_) {
        doInitializeSurfaceCalled_ = false;
        DoFinalizeSurface();
      }
      MakeSurface();
      Notify(ntInitializeSurface);
      doInitializeSurfaceCalled_ = true;
      DoInitializeSurface();
      --restoreNotifyCounter_;
    } catch (...) {
      restoreNotifyCounter_ = 0;
      Finalize();
      throw;
    }
  } else {
    keptWidth_ = width;
    keptHeight_ = height;
  }
  Notify(ntSetSurfaceSize);
}

void TCustomDXDraw::RegisterNotifyEvent(const void* key, NotifyCallback callback) {
  UnRegisterNotifyEvent(key);
  notifyList_.Add(key, callback);
  callback(*this, ntSetSurfaceSize);
  if (initialized_) {
    callback(*this, ntInitialize);
    if (doInitializeSurfaceCalled_) callback(*this, ntInitializeSurface);
  }
  if (restoreNotifyCounter_ == 0) callback(*this, ntRestore);
}

void TCustomDXDraw::UnRegisterNotifyEvent(const void* key) {
  std::optional<NotifyCallback> callback = notifyList_.Remove(key);
  if (!callback) return;
  if (doInitializeSurfaceCalled_) (*callback)(*this, ntFinalizeSurface);
  if (initialized_) (*callback)(*this, ntFinalize);
}

void TCustomDXDraw::Notify(TDXDrawNotifyType kind) {
  notifyList_.Notify(*this, kind);
}

}  // namespace gm
