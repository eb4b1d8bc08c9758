// The display device: the window the whole game is drawn on, its 800 x 600 back buffer
// (Surface), the display modes (800 x 600 at 16 or 8 bits), Flip (the back buffer to the
// platform's window, with the blocks that changed since the last flip), Restore with its restore
// event, and notifications to the image lists that build their surfaces when the display starts,
// stops or is restored.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "media/notify_list.hpp"
#include "media/presented_frame.hpp"
#include "media/surface.hpp"
#include "platform/pixel_convert.hpp"
#include "platform/platform.hpp"

namespace gm {

class TCustomDXDraw;

// Display options, as bits of a 16-bit word.
using TDXDrawOptions = std::uint16_t;
inline constexpr TDXDrawOptions doFullScreen = 1 << 0;
inline constexpr TDXDrawOptions doNoWindowChange = 1 << 1;
inline constexpr TDXDrawOptions doAllowReboot = 1 << 2;
inline constexpr TDXDrawOptions doWaitVBlank = 1 << 3;
inline constexpr TDXDrawOptions doAllowPalette256 = 1 << 4;
inline constexpr TDXDrawOptions doSystemMemory = 1 << 5;
inline constexpr TDXDrawOptions doStretch = 1 << 6;
inline constexpr TDXDrawOptions doCenter = 1 << 7;
inline constexpr TDXDrawOptions doFlip = 1 << 8;
inline constexpr TDXDrawOptions do3D = 1 << 9;
inline constexpr TDXDrawOptions doDirectX7Mode = 1 << 10;
inline constexpr TDXDrawOptions doRetainedMode = 1 << 11;
inline constexpr TDXDrawOptions doHardware = 1 << 12;
inline constexpr TDXDrawOptions doSelectDriver = 1 << 13;
inline constexpr TDXDrawOptions doZBuffer = 1 << 14;

inline constexpr TDXDrawOptions kDefaultDXDrawOptions =
    doAllowReboot | doWaitVBlank | doCenter | doDirectX7Mode | doHardware | doSelectDriver;

enum TDXDrawNotifyType : std::uint8_t {
  ntDestroying = 0,
  ntInitializing = 1,
  ntInitialize = 2,
  ntInitializeSurface = 3,
  ntFinalize = 4,
  ntFinalizeSurface = 5,
  ntRestore = 6,
  ntSetSurfaceSize = 7,
};

struct TDXDrawDisplayMode {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::int32_t BitCount = 0;
};

// The mode asked for and the modes the platform offers: 800 x 600 at 8 and at 16 bits.
class TDXDrawDisplay {
 public:
  std::int32_t BitCount() const { return bitCount_; }
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  // 8, 16, 24 or 32, else "It should be either of 8 or 16 or 24 or 32".
  void SetBitCount(std::int32_t value);
  void SetWidth(std::int32_t value) { width_ = value < 0 ? 0 : value; }
  void SetHeight(std::int32_t value) { height_ = value < 0 ? 0 : value; }
  bool FixedBitCount = true;
  bool FixedRatio = true;
  bool FixedSize = false;

  // The modes, ordered by width, then height, then bits; read again after each finalisation.
  int Count();
  const TDXDrawDisplayMode& Modes(int index);
  int IndexOf(std::int32_t width, std::int32_t height, std::int32_t bitCount);

  // Chooses the mode for (width, height, bits): the exact one, else the best by the search
  // rules. False when none fits.
  bool SetDisplayMode(std::int32_t width, std::int32_t height, std::int32_t bitCount);
  void ClearModes() { modes_.clear(); }

 private:
  void LoadModes();
  bool SearchMode(std::int32_t width, std::int32_t height, std::int32_t bitCount, bool keepRatio,
                  TDXDrawDisplayMode& found);

  std::int32_t bitCount_ = 8;
  std::int32_t width_ = 640;
  std::int32_t height_ = 480;
  std::vector<TDXDrawDisplayMode> modes_;
};

class TCustomDXDraw {
 public:
  using NotifyEvent = std::function<void(TCustomDXDraw& sender)>;
  using NotifyCallback = std::function<void(TCustomDXDraw& sender, TDXDrawNotifyType kind)>;

  // The platform stands for the form the display sits on; without one, Initialize fails with
  // "Form not found".
  explicit TCustomDXDraw(Platform* platform);
  virtual ~TCustomDXDraw();
  TCustomDXDraw(const TCustomDXDraw&) = delete;
  TCustomDXDraw& operator=(const TCustomDXDraw&) = delete;

  void Initialize();
  void Finalize();
  void Restore();
  bool CanDraw();
  // Presents the back buffer; does nothing before initialisation or while updating, and a
  // failing present is logged by the platform, never raised.
  void Flip();
  // The form's window is shown: the first showing initialises when AutoInitialize.
  void FormShown();

  bool Initialized() const { return initialized_; }
  bool Updating() const { return updating_; }
  TDXDrawOptions Options() const { return options_; }
  TDXDrawOptions NowOptions() const { return nowOptions_; }
  void SetOptions(TDXDrawOptions value);
  TDXDrawDisplay& Display() { return display_; }
  // The back buffer; null while not initialised.
  TDirectDrawSurface* Surface() const { return surface_.get(); }
  std::int32_t SurfaceWidth() const;
  std::int32_t SurfaceHeight() const;
  void SetSurfaceSize(std::int32_t width, std::int32_t height);
  Platform* GetPlatform() const { return platform_; }

  void RegisterNotifyEvent(const void* key, NotifyCallback callback);
  void UnRegisterNotifyEvent(const void* key);

  bool AutoInitialize = true;
  NotifyEvent OnFinalize;
  NotifyEvent OnFinalizeSurface;
  NotifyEvent OnInitialize;
  NotifyEvent OnInitializeSurface;
  NotifyEvent OnInitializing;
  NotifyEvent OnRestoreSurface;

 protected:
  virtual void DoFinalize();
  virtual void DoFinalizeSurface();
  virtual void DoInitialize();
  virtual void DoInitializeSurface();
  virtual void DoInitializing();
  virtual void DoRestoreSurface();

 private:
  void Notify(TDXDrawNotifyType kind);
  void MakeSurface();

  Platform* platform_;
  TDXDrawDisplay display_;
  bool doInitializeCalled_ = false;
  bool doInitializeSurfaceCalled_ = false;
  bool initialized_ = false;
  bool initializedOnce_ = false;
  bool internalInitialized_ = false;
  bool updating_ = false;
  bool windowOpen_ = false;
  TDXDrawOptions nowOptions_ = 0;
  TDXDrawOptions options_ = 0;
  int restoreNotifyCounter_ = 0;
  NotifyList<TCustomDXDraw, TDXDrawNotifyType> notifyList_;
  std::int32_t keptWidth_ = 640;
  std::int32_t keptHeight_ = 480;
  std::unique_ptr<TDirectDrawSurface> surface_;
  Rgb565Palette presentPalette_{};
  PresentedFrame presented_;
};

class TDXDraw final : public TCustomDXDraw {
 public:
  using TCustomDXDraw::TCustomDXDraw;
};

}  // namespace gm
