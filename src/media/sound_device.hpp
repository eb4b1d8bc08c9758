// The sound device: TDirectSound (the device over our mixer, with its buffers),
// TDirectSoundBuffer (one sound: play, stop, status, position, frequency, pan, volume, lock,
// duplicate) and the component TCustomDXSound / TDXSound that starts and stops sound for the
// game and tells registered wave lists when to build, drop or restore their buffers.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "media/directx_object.hpp"
#include "media/notify_list.hpp"
#include "media/sound_mixer.hpp"
#include "platform/platform.hpp"

namespace gm {

class TDirectSoundBuffer;
class TCustomDXSound;

// Buffer status bits.
inline constexpr std::uint32_t DSBSTATUS_PLAYING = 0x1;
inline constexpr std::uint32_t DSBSTATUS_BUFFERLOST = 0x2;
inline constexpr std::uint32_t DSBSTATUS_LOOPING = 0x4;

// Buffer description flags.
inline constexpr std::uint32_t DSBCAPS_PRIMARYBUFFER = 0x1;
inline constexpr std::uint32_t DSBCAPS_CTRLFREQUENCY = 0x20;
inline constexpr std::uint32_t DSBCAPS_CTRLPAN = 0x40;
inline constexpr std::uint32_t DSBCAPS_CTRLVOLUME = 0x80;
inline constexpr std::uint32_t DSBCAPS_STICKYFOCUS = 0x4000;
inline constexpr std::uint32_t DSBCAPS_GLOBALFOCUS = 0x8000;

// Result codes.
inline constexpr std::int32_t DSERR_BUFFERLOST = static_cast<std::int32_t>(0x88780096);
inline constexpr std::int32_t DSERR_BADFORMAT = static_cast<std::int32_t>(0x88780064);
inline constexpr std::int32_t DSERR_INVALIDPARAM = static_cast<std::int32_t>(0x80070057);

// What a buffer is made from: size in bytes and the wave format record (as a RIFF "fmt " chunk
// holds it: tag, channels, rate, bytes per second, block align, bits).
struct TDSBufferDesc {
  std::uint32_t dwSize = 36;
  std::uint32_t dwFlags = 0;
  std::uint32_t dwBufferBytes = 0;
  std::vector<std::uint8_t> format;
};

// The five u32 of a buffer's capabilities.
struct TDSBCaps {
  std::uint32_t dwSize = 0;
  std::uint32_t dwFlags = 0;
  std::uint32_t dwBufferBytes = 0;
  std::uint32_t dwUnlockTransferRate = 0;
  std::uint32_t dwPlayCpuOverhead = 0;
};

// The sound device: our mixer, fed to the platform's sound output.
class TDirectSound : public TDirectX {
  friend class TDirectSoundBuffer;

 public:
  // Starts the platform's output on the mixer; without a device the game is silent (the
  // platform logs it) and buffers still work, unheard. A null platform mixes for no one.
  explicit TDirectSound(Platform* platform);
  ~TDirectSound() override;
  TDirectSound(const TDirectSound&) = delete;
  TDirectSound& operator=(const TDirectSound&) = delete;

  bool GlobalFocus = false;
  bool StickyFocus = false;

  SoundMixer& Mixer() { return mixer_; }
  Platform* GetPlatform() const { return platform_; }
  bool OutputRunning() const { return outputRunning_; }
  int BufferCount() const { return static_cast<int>(buffers_.size()); }
  TDirectSoundBuffer* Buffers(int index) const {
    return buffers_.at(static_cast<std::size_t>(index));
  }

  // Called by the lost-buffer check of a buffer; the component's device restores.
  virtual void BufferLost() {}

 private:
  SoundMixer mixer_;
  Platform* platform_;
  bool outputRunning_ = false;
  bool inBufferLost_ = false;
  std::vector<TDirectSoundBuffer*> buffers_;
};

// The component's device: a lost buffer restores the component.
class TDXSoundDirectSound final : public TDirectSound {
 public:
  TDXSoundDirectSound(Platform* platform, TCustomDXSound& owner)
      : TDirectSound(platform), owner_(owner) {}
  void BufferLost() override;

 private:
  TCustomDXSound& owner_;
};

class TDirectSoundBuffer final : public TDirectX {
  friend class TDirectSound;

 public:
  explicit TDirectSoundBuffer(TDirectSound& device);
  ~TDirectSoundBuffer() override;
  TDirectSoundBuffer(const TDirectSoundBuffer&) = delete;
  TDirectSoundBuffer& operator=(const TDirectSoundBuffer&) = delete;

  TDirectSound& Device() const { return device_; }
  bool HasBuffer() const { return voice_ != nullptr; }

  // Makes the sound memory from a description; false (result in DXResult) for a format the
  // mixer cannot play, a size of 0 or one that is not whole frames.
  bool CreateBuffer(const TDSBufferDesc& desc);
  // Duplicate: shares the source's sample data with its own position, frequency, pan, volume.
  // A source without a buffer leaves this one without.
  void Assign(const TDirectSoundBuffer& source);
  void Release();

  std::uint32_t Status();
  bool Playing();
  bool Play(bool loop);
  void Stop();
  void SetPosition(std::uint32_t byteOffset);
  void SetFrequency(std::int32_t samplesPerSecond);
  void SetPan(std::int32_t pan);
  void SetVolume(std::int32_t volume);
  std::int32_t Frequency() const { return frequency_; }
  std::int32_t Pan() const { return pan_; }
  std::int32_t Volume() const { return volume_; }

  // Gives the sample memory from position for size bytes, in up to two parts (the second from
  // the start when the range wraps). One lock at a time; writes count from Unlock.
  bool Lock(std::uint32_t position, std::uint32_t size, std::uint8_t*& part1, std::uint32_t& size1,
            std::uint8_t*& part2, std::uint32_t& size2);
  void Unlock();

  const TDSBCaps& Caps() const { return caps_; }
  const std::vector<std::uint8_t>& Format() const { return format_; }
  std::int32_t FormatSize() const { return static_cast<std::int32_t>(format_.size()); }

  // The name the sound is recorded under when it starts (the wave list sets its item's name).
  std::string Label;

 protected:
  // The lost-buffer check: a lost buffer restores the device's component once.
  void Check() override;

 private:
  MixerVoice& Voice();  // raises "IDirectSoundBuffer not made" without a buffer
  void Attach(std::shared_ptr<MixerVoice> voice, std::vector<std::uint8_t> format,
              std::uint32_t flags);

  TDirectSound& device_;
  std::shared_ptr<MixerVoice> voice_;
  TDSBCaps caps_{};
  std::vector<std::uint8_t> format_;
  std::int32_t frequency_ = 0;
  std::int32_t pan_ = 0;
  std::int32_t volume_ = 0;
  std::vector<std::uint8_t> lockCopy_;
  std::int32_t lockCount_ = 0;
  bool detached_ = false;  // the device went away first
};

// Notification kinds sent to registered callbacks.
enum TDXSoundNotifyType : std::uint8_t {
  snDestroying = 0,
  snInitializing = 1,
  snInitialize = 2,
  snFinalize = 3,
  snRestore = 4,
};

// Sound options: bit 0 global focus, bit 1 sticky focus, bit 2 exclusive.
using TDXSoundOptions = std::uint8_t;
inline constexpr TDXSoundOptions soGlobalFocus = 1;
inline constexpr TDXSoundOptions soStickyFocus = 2;
inline constexpr TDXSoundOptions soExclusive = 4;

class TCustomDXSound {
 public:
  using NotifyEvent = std::function<void(TCustomDXSound& sender)>;
  using NotifyCallback = std::function<void(TCustomDXSound& sender, TDXSoundNotifyType kind)>;

  // The platform stands for the main window the sound belongs to; without one, Initialize
  // fails with "Form not found".
  explicit TCustomDXSound(Platform* platform);
  virtual ~TCustomDXSound();
  TCustomDXSound(const TCustomDXSound&) = delete;
  TCustomDXSound& operator=(const TCustomDXSound&) = delete;

  void Initialize();
  void Finalize();
  void Restore();
  // After the owner's settings are read: starts sound when AutoInitialize, swallowing device
  // errors (the game goes on silent).
  void Loaded();

  bool Initialized() const { return initialized_; }
  TDXSoundDirectSound* DSound() const { return dsound_.get(); }
  TDXSoundOptions Options() const { return options_; }
  TDXSoundOptions NowOptions() const { return nowOptions_; }
  void SetOptions(TDXSoundOptions value);

  // Callbacks are told in reverse order of registration; key tells registrations apart.
  void RegisterNotifyEvent(const void* key, NotifyCallback callback);
  void UnRegisterNotifyEvent(const void* key);

  bool AutoInitialize = true;
  NotifyEvent OnFinalize;
  NotifyEvent OnInitialize;
  NotifyEvent OnInitializing;
  NotifyEvent OnRestore;

 protected:
  virtual void DoFinalize();
  virtual void DoInitialize();
  virtual void DoInitializing();
  virtual void DoRestore();

 private:
  void Notify(TDXSoundNotifyType kind);

  Platform* platform_;
  bool doInitializeCalled_ = false;
  std::unique_ptr<TDXSoundDirectSound> dsound_;
  bool initialized_ = false;
  bool internalInitialized_ = false;
  NotifyList<TCustomDXSound, TDXSoundNotifyType> notifyList_;
  TDXSoundOptions nowOptions_ = 0;
  TDXSoundOptions options_ = 0;
};

class TDXSound final : public TCustomDXSound {
 public:
  using TCustomDXSound::TCustomDXSound;
};

}  // namespace gm
