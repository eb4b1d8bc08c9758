// Wave lists: named sounds played by name without waiting, each play on a buffer of its own;
// read from and written to the sound archive (.dxw).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "media/byte_stream.hpp"
#include "media/hash_collection.hpp"
#include "media/wave.hpp"

namespace gm {

class FileSystem;
class TCustomDXSound;
class TDirectSoundBuffer;
class TWaveCollection;

class TWaveCollectionItem : public THashCollectionItem {
 public:
  // Made where the sound buffers are complete types.
  TWaveCollectionItem();
  ~TWaveCollectionItem() override;

  TWave Wave;
  int32_t Frequency = 0;  // 0: the wave's own rate
  int32_t Pan = 0;
  int32_t Volume = 0;

  bool Looped() const { return looped_; }
  // Stops every buffer of the item when the value changes.
  void SetLooped(bool looped);
  int32_t MaxPlayingCount() const { return maxPlayingCount_; }
  // Negative becomes 0 (no limit); a change drops the one-shot buffers.
  void SetMaxPlayingCount(int32_t count);

  bool Initialized() const { return initialized_; }
  // Plays the sound from its start; a looped item restarts its one buffer. With wait the call
  // returns when the sound has ended.
  void Play(bool wait);
  void Initialize();
  void Finalize();
  void Restore();

  // The one-shot buffers, oldest first (for tests).
  int32_t BufferCount() const { return int32_t(buffers_.size()); }
  TDirectSoundBuffer& Buffer(int32_t i) const { return *buffers_[size_t(i)]; }

 private:
  TWaveCollection* Owner() const;
  TDirectSoundBuffer* MainBuffer();
  TDirectSoundBuffer* PickBuffer();
  void LoadBuffer(TDirectSoundBuffer& buffer);

  bool initialized_ = false;
  bool looped_ = false;
  int32_t maxPlayingCount_ = 0;
  std::unique_ptr<TDirectSoundBuffer> main_;
  std::vector<std::unique_ptr<TDirectSoundBuffer>> buffers_;
};

class TWaveCollection : public TItemCollection<TWaveCollectionItem> {
 public:
  ~TWaveCollection() override;

  // The item of that name (ASCII case ignored); raises "Wave '%s' not found".
  TWaveCollectionItem& Find(std::string_view name) const;

  TCustomDXSound* DXSound() const { return dxSound_; }
  // True when bound to a sound component that is initialised.
  bool Initialized() const;
  void Initialize(TCustomDXSound* sound);
  void Finalize();
  void Restore();

  // Replaces the items with those of an archive; errors leave the items read so far.
  void LoadFromStream(ByteReader& in);
  void LoadFromFile(const FileSystem& fs, const std::string& path);
  void SaveToStream(ByteWriter& out) const;
  void SaveToFile(FileSystem& fs, const std::string& path) const;

 private:
  TCustomDXSound* dxSound_ = nullptr;
};

// The wave list component: a wave collection that follows its sound component's notifications.
class TDXWaveList {
 public:
  TDXWaveList() = default;
  ~TDXWaveList();
  TDXWaveList(const TDXWaveList&) = delete;
  TDXWaveList& operator=(const TDXWaveList&) = delete;

  TWaveCollection Items;
  TCustomDXSound* DXSound() const { return dxSound_; }
  void SetDXSound(TCustomDXSound* sound);

 private:
  TCustomDXSound* dxSound_ = nullptr;
};

}  // namespace gm
