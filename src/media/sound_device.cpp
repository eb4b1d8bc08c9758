// The sound device over our mixer, its buffers, and the sound component's life cycle.
#include "media/sound_device.hpp"

#include <algorithm>
#include <cstring>
#include <exception>

#include "media/device_errors.hpp"

namespace gm {

namespace {

std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
         (static_cast<std::uint32_t>(b[at + 2]) << 16) |
         (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

// Largest sound the mixer takes: far above the game's few seconds of effects.
constexpr std::uint32_t kMaxBufferBytes = 64u << 20;

}  // namespace

// ---- TDirectSound

TDirectSound::TDirectSound(Platform* platform) : platform_(platform) {
  if (platform_ != nullptr) outputRunning_ = platform_->StartAudio(&mixer_);
}

TDirectSound::~TDirectSound() {
  if (platform_ != nullptr) platform_->StopAudio();
  while (!buffers_.empty()) {
    // Buffers owned elsewhere lose their sound; the objects themselves stay with their owners.
    TDirectSoundBuffer* b = buffers_.back();
    b->Release();
    buffers_.pop_back();
    b->detached_ = true;
  }
}

void TDXSoundDirectSound::BufferLost() {
  TDirectSound::BufferLost();
  owner_.Restore();
}

// ---- TDirectSoundBuffer

TDirectSoundBuffer::TDirectSoundBuffer(TDirectSound& device) : device_(device) {
  device_.buffers_.push_back(this);
}

TDirectSoundBuffer::~TDirectSoundBuffer() {
  Release();
  if (!detached_) std::erase(device_.buffers_, this);
}

void TDirectSoundBuffer::Attach(std::shared_ptr<MixerVoice> voice, std::vector<std::uint8_t> format,
                                std::uint32_t flags) {
  if (voice_ != nullptr) device_.mixer_.Stop(*voice_);
  voice_ = std::move(voice);
  caps_ = {};
  format_.clear();
  lockCount_ = 0;
  lockCopy_.clear();
  frequency_ = pan_ = volume_ = 0;
  if (voice_ == nullptr) return;
  caps_.dwSize = 20;
  caps_.dwFlags = flags;
  caps_.dwBufferBytes = static_cast<std::uint32_t>(voice_->data->bytes.size());
  format_ = std::move(format);
}

void TDirectSoundBuffer::Release() {
  if (detached_) return;
  Attach(nullptr, {}, 0);
}

bool TDirectSoundBuffer::CreateBuffer(const TDSBufferDesc& desc) {
  Release();
  if (detached_) return false;
  std::int32_t result = 0;
  auto data = std::make_shared<SampleData>();
  const auto& f = desc.format;
  if (f.size() < 16) {
    result = DSERR_BADFORMAT;
  } else {
    const std::uint16_t tag = U16(f, 0);
    data->channels = U16(f, 2);
    data->rate = static_cast<int>(std::min<std::uint32_t>(U32(f, 4), 1'000'000));
    data->blockAlign = U16(f, 12);
    data->bits = U16(f, 14);
    const bool known = tag == 1 && (data->bits == 8 || data->bits == 16) &&
                       (data->channels == 1 || data->channels == 2) && data->rate >= 100 &&
                       data->blockAlign == data->channels * data->bits / 8;
    if (!known) {
      result = DSERR_BADFORMAT;
    } else if (desc.dwBufferBytes == 0 || desc.dwBufferBytes > kMaxBufferBytes ||
               desc.dwBufferBytes % static_cast<std::uint32_t>(data->blockAlign) != 0) {
      result = DSERR_INVALIDPARAM;
    }
  }
  device_.StoreDXResult(result);
  StoreDXResult(result);
  if (result != 0) return false;
  data->bytes.assign(desc.dwBufferBytes, data->bits == 8 ? 0x80 : 0);
  Attach(device_.mixer_.NewVoice(std::move(data)), f, desc.dwFlags);
  return true;
}

void TDirectSoundBuffer::Assign(const TDirectSoundBuffer& source) {
  if (&source == this) return;
  if (source.voice_ == nullptr) {
    Release();
    return;
  }
  if (detached_) return;
  device_.StoreDXResult(0);
  Attach(device_.mixer_.NewVoice(source.voice_->data), source.format_, source.caps_.dwFlags);
}

MixerVoice& TDirectSoundBuffer::Voice() {
  if (voice_ == nullptr) {
    throw EDirectSoundBufferError(FormatMessage("%s not made", "IDirectSoundBuffer"));
  }
  return *voice_;
}

std::uint32_t TDirectSoundBuffer::Status() {
  MixerVoice& v = Voice();
  SetDXResult(0);
  std::uint32_t s = 0;
  if (device_.mixer_.Playing(v)) s |= DSBSTATUS_PLAYING;
  if (device_.mixer_.Looping(v)) s |= DSBSTATUS_LOOPING;
  return s;
}

bool TDirectSoundBuffer::Playing() {
  return (Status() & (DSBSTATUS_PLAYING | DSBSTATUS_LOOPING)) != 0;
}

bool TDirectSoundBuffer::Play(bool loop) {
  Voice();
  device_.mixer_.Play(voice_, loop);
  SetDXResult(0);
  if (device_.platform_ != nullptr) device_.platform_->NoteSound(Label, loop);
  return true;
}

void TDirectSoundBuffer::Stop() {
  device_.mixer_.Stop(Voice());
  SetDXResult(0);
}

void TDirectSoundBuffer::SetPosition(std::uint32_t byteOffset) {
  device_.mixer_.SetPosition(Voice(), byteOffset);
  SetDXResult(0);
}

void TDirectSoundBuffer::SetFrequency(std::int32_t samplesPerSecond) {
  MixerVoice& v = Voice();
  if (samplesPerSecond != 0 && (samplesPerSecond < 100 || samplesPerSecond > 200000)) {
    SetDXResult(DSERR_INVALIDPARAM);
    return;
  }
  frequency_ = samplesPerSecond;
  device_.mixer_.SetFrequency(v, samplesPerSecond);
  SetDXResult(0);
}

void TDirectSoundBuffer::SetPan(std::int32_t pan) {
  MixerVoice& v = Voice();
  if (pan < -10000 || pan > 10000) {
    SetDXResult(DSERR_INVALIDPARAM);
    return;
  }
  pan_ = pan;
  device_.mixer_.SetVolumePan(v, volume_, pan_);
  SetDXResult(0);
}

void TDirectSoundBuffer::SetVolume(std::int32_t volume) {
  MixerVoice& v = Voice();
  if (volume < -10000 || volume > 0) {
    SetDXResult(DSERR_INVALIDPARAM);
    return;
  }
  volume_ = volume;
  device_.mixer_.SetVolumePan(v, volume_, pan_);
  SetDXResult(0);
}

bool TDirectSoundBuffer::Lock(std::uint32_t position, std::uint32_t size, std::uint8_t*& part1,
                              std::uint32_t& size1, std::uint8_t*& part2, std::uint32_t& size2) {
  if (voice_ == nullptr || lockCount_ != 0) return false;
  const auto total = static_cast<std::uint32_t>(voice_->data->bytes.size());
  if (position >= total || size == 0 || size > total) {
    SetDXResult(DSERR_INVALIDPARAM);
    return false;
  }
  lockCopy_ = voice_->data->bytes;
  size1 = std::min(size, total - position);
  part1 = lockCopy_.data() + position;
  size2 = size - size1;
  part2 = size2 > 0 ? lockCopy_.data() : nullptr;
  lockCount_ = 1;
  SetDXResult(0);
  return true;
}

void TDirectSoundBuffer::Unlock() {
  if (voice_ == nullptr || lockCount_ <= 0) return;
  --lockCount_;
  device_.mixer_.SetData(*voice_, lockCopy_);
  lockCopy_.clear();
  lockCopy_.shrink_to_fit();
  SetDXResult(0);
}

void TDirectSoundBuffer::Check() {
  if (DXResult() != DSERR_BUFFERLOST || device_.inBufferLost_) return;
  device_.inBufferLost_ = true;
  try {
    device_.BufferLost();
  } catch (...) {
    device_.inBufferLost_ = false;
    throw;
  }
  device_.inBufferLost_ = false;
}

// ---- TCustomDXSound

TCustomDXSound::TCustomDXSound(Platform* platform) : platform_(platform) {
  SetOptions(0);
}

TCustomDXSound::~TCustomDXSound() {
  Finalize();
  Notify(snDestroying);
}

void TCustomDXSound::DoFinalize() {
  if (OnFinalize) OnFinalize(*this);
}
void TCustomDXSound::DoInitialize() {
  if (OnInitialize) OnInitialize(*this);
}
void TCustomDXSound::DoInitializing() {
  if (OnInitializing) OnInitializing(*this);
}
void TCustomDXSound::DoRestore() {
  if (OnRestore) OnRestore(*this);
}

void TCustomDXSound::Initialize() {
  Finalize();
  if (platform_ == nullptr) throw EDXSoundError("Form not found");
  Notify(snInitializing);
  DoInitializing();
  internalInitialized_ = true;
  try {
    dsound_ = std::make_unique<TDXSoundDirectSound>(platform_, *this);
    dsound_->GlobalFocus = (nowOptions_ & soGlobalFocus) != 0;
    initialized_ = true;
  } catch (...) {
    Finalize();
    throw;
  }
  Notify(snInitialize);
  doInitializeCalled_ = true;
  DoInitialize();
  Restore();
}

void TCustomDXSound::Finalize() {
  if (!internalInitialized_) return;
  // The device goes whatever the handlers raise; the first failure is raised afterwards.
  std::exception_ptr failure;
  if (doInitializeCalled_) {
    doInitializeCalled_ = false;
    try {
      DoFinalize();
    } catch (...) {
      failure = std::current_exception();
    }
  }
  try {
    Notify(snFinalize);
  } catch (...) {
    if (!failure) failure = std::current_exception();
  }
  initialized_ = false;
  internalInitialized_ = false;
  SetOptions(options_);
  dsound_.reset();
  if (failure) std::rethrow_exception(failure);
}

void TCustomDXSound::Restore() {
  if (!initialized_) return;
  Notify(snRestore);
  DoRestore();
}

void TCustomDXSound::Loaded() {
  if (!AutoInitialize) return;
  try {
    Initialize();
  } catch (const EDirectSoundError&) {
    // No sound device: the game goes on silent.
  }
}

void TCustomDXSound::SetOptions(TDXSoundOptions value) {
  options_ = value;
  if (!initialized_) {
    nowOptions_ = value;
    return;
  }
  nowOptions_ = static_cast<TDXSoundOptions>((value & ~soExclusive) | (nowOptions_ & soExclusive));
  dsound_->GlobalFocus = (nowOptions_ & soGlobalFocus) != 0;
  dsound_->StickyFocus = (nowOptions_ & soStickyFocus) != 0;
}

void TCustomDXSound::RegisterNotifyEvent(const void* key, NotifyCallback callback) {
  UnRegisterNotifyEvent(key);
  notifyList_.Add(key, callback);
  if (initialized_) {
    callback(*this, snInitialize);
    callback(*this, snRestore);
  }
}

void TCustomDXSound::UnRegisterNotifyEvent(const void* key) {
  std::optional<NotifyCallback> callback = notifyList_.Remove(key);
  if (!callback) return;
  if (initialized_) (*callback)(*this, snFinalize);
}

void TCustomDXSound::Notify(TDXSoundNotifyType kind) {
  notifyList_.Notify(*this, kind);
}

}  // namespace gm
