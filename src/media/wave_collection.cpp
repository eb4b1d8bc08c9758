// Wave list items: buffers made from the wave, plays on free or extra buffers, looping.
#include "media/wave_collection.hpp"

#include <chrono>
#include <cstring>
#include <thread>

#include "media/device_errors.hpp"
#include "media/media_error.hpp"
#include "media/sound_device.hpp"

namespace gm {

TWaveCollectionItem::TWaveCollectionItem() = default;

TWaveCollectionItem::~TWaveCollectionItem() {
  Finalize();
}

TWaveCollection* TWaveCollectionItem::Owner() const {
  return static_cast<TWaveCollection*>(Collection());
}

void TWaveCollectionItem::SetLooped(bool looped) {
  if (looped == looped_) return;
  if (main_ && main_->HasBuffer()) main_->Stop();
  for (auto& b : buffers_) {
    if (b->HasBuffer()) b->Stop();
  }
  looped_ = looped;
}

void TWaveCollectionItem::SetMaxPlayingCount(int32_t count) {
  if (count < 0) count = 0;
  if (count == maxPlayingCount_) return;
  maxPlayingCount_ = count;
  if (initialized_) buffers_.clear();
}

void TWaveCollectionItem::Initialize() {
  Finalize();
  initialized_ = Owner() != nullptr && Owner()->Initialized();
}

void TWaveCollectionItem::Finalize() {
  if (!initialized_) return;
  initialized_ = false;
  buffers_.clear();
  main_.reset();
}

void TWaveCollectionItem::LoadBuffer(TDirectSoundBuffer& buffer) {
  TDirectSound& ds = *Owner()->DXSound()->DSound();
  TDSBufferDesc desc;
  desc.dwFlags = DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;
  if (ds.StickyFocus) {
    desc.dwFlags |= DSBCAPS_STICKYFOCUS;
  } else if (ds.GlobalFocus) {
    desc.dwFlags |= DSBCAPS_GLOBALFOCUS;
  }
  desc.dwBufferBytes = uint32_t(Wave.Size());
  desc.format = Wave.Format;
  if (!buffer.CreateBuffer(desc)) {
    throw EDirectSoundBufferError(FormatMessage("%s cannot be made", "Sound Buffer"));
  }
  uint8_t *p1 = nullptr, *p2 = nullptr;
  uint32_t s1 = 0, s2 = 0;
  if (!buffer.Lock(0, desc.dwBufferBytes, p1, s1, p2, s2)) {
    throw EDirectSoundBufferError(FormatMessage("%s cannot be locked", "Sound Buffer"));
  }
  std::memcpy(p1, Wave.Data.data(), s1);
  if (p2 != nullptr && s2 > 0) std::memcpy(p2, Wave.Data.data() + s1, s2);
  buffer.Unlock();
  buffer.Label = Name();
}

void TWaveCollectionItem::Restore() {
  if (Wave.Size() == 0) return;
  if (!initialized_) {
    if (Owner() != nullptr && Owner()->Initialized()) Initialize();
    if (!initialized_) return;
  }
  if (!main_) main_ = std::make_unique<TDirectSoundBuffer>(*Owner()->DXSound()->DSound());
  LoadBuffer(*main_);
  main_->SetFrequency(Frequency);
  main_->SetPan(Pan);
  main_->SetVolume(Volume);
}

TDirectSoundBuffer* TWaveCollectionItem::MainBuffer() {
  if (!main_ || !main_->HasBuffer()) Restore();
  return (main_ && main_->HasBuffer()) ? main_.get() : nullptr;
}

TDirectSoundBuffer* TWaveCollectionItem::PickBuffer() {
  for (auto& b : buffers_) {
    if (!b->Playing()) return b.get();
  }
  if (maxPlayingCount_ == 0 || maxPlayingCount_ > BufferCount()) {
    TDirectSoundBuffer* source = MainBuffer();
    if (source == nullptr) return nullptr;
    auto copy = std::make_unique<TDirectSoundBuffer>(source->Device());
    copy->Assign(*source);
    copy->Label = Name();
    buffers_.push_back(std::move(copy));
    return buffers_.back().get();
  }
  // Every allowed buffer plays: restart the one started longest ago.
  auto oldest = std::move(buffers_.front());
  buffers_.erase(buffers_.begin());
  buffers_.push_back(std::move(oldest));
  return buffers_.back().get();
}

void TWaveCollectionItem::Play(bool wait) {
  if (!initialized_) return;
  if (looped_) {
    TDirectSoundBuffer* b = MainBuffer();
    if (b == nullptr) return;
    b->Stop();
    b->SetPosition(0);
    b->Play(true);
    return;
  }
  TDirectSoundBuffer* b = PickBuffer();
  if (b == nullptr || !b->HasBuffer()) return;
  b->Stop();
  b->SetPosition(0);
  b->SetFrequency(Frequency);
  b->SetPan(Pan);
  b->SetVolume(Volume);
  b->Play(false);
  if (wait) {
    // Poll until the sound ends, but never longer than the sound itself and a second more.
    auto f = Wave.Pcm();
    const int64_t bytesPerSec = (f && f->avgBytesPerSec > 0) ? f->avgBytesPerSec : 1;
    const int64_t limitMs = int64_t(Wave.Size()) * 1000 / bytesPerSec + 1000;
    for (int64_t waited = 0; b->Playing() && waited < limitMs; waited += 10) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
}

TWaveCollection::~TWaveCollection() {
  Finalize();
  Clear();
}

TWaveCollectionItem& TWaveCollection::Find(std::string_view name) const {
  const int32_t i = IndexOf(name);
  if (i < 0) throw EWaveCollectionError(FormatMessage("Wave '%s' not found", name));
  return Items(i);
}

bool TWaveCollection::Initialized() const {
  return dxSound_ != nullptr && dxSound_->Initialized() && dxSound_->DSound() != nullptr;
}

void TWaveCollection::Initialize(TCustomDXSound* sound) {
  Finalize();
  dxSound_ = sound;
  for (int32_t i = 0; i < Count(); ++i) Items(i).Initialize();
}

void TWaveCollection::Finalize() {
  for (int32_t i = 0; i < Count(); ++i) Items(i).Finalize();
  dxSound_ = nullptr;
}

void TWaveCollection::Restore() {
  for (int32_t i = 0; i < Count(); ++i) Items(i).Restore();
}

TDXWaveList::~TDXWaveList() {
  SetDXSound(nullptr);
}

void TDXWaveList::SetDXSound(TCustomDXSound* sound) {
  if (dxSound_ != nullptr) dxSound_->UnRegisterNotifyEvent(this);
  dxSound_ = sound;
  if (dxSound_ == nullptr) return;
  dxSound_->RegisterNotifyEvent(this, [this](TCustomDXSound& sender, TDXSoundNotifyType kind) {
    switch (kind) {
      case snDestroying:
        sender.UnRegisterNotifyEvent(this);
        dxSound_ = nullptr;
        break;
      case snInitialize:
        Items.Initialize(&sender);
        break;
      case snFinalize:
        Items.Finalize();
        break;
      case snRestore:
        Items.Restore();
        break;
      default:
        break;
    }
  });
}

}  // namespace gm
