// The game's own sound mixer: voices over shared PCM sample data (8- or 16-bit, mono or
// stereo, any rate), resampled to the output rate, with volume, pan and looping, summed in
// 32 bits and saturated, so overlapping sounds never wrap around.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/platform.hpp"

namespace gm {

// PCM data as a wave file holds it; shared by a sound buffer and its duplicates.
struct SampleData {
  std::vector<std::uint8_t> bytes;
  int channels = 1;
  int bits = 16;
  int rate = 22050;
  int blockAlign = 2;
  std::uint32_t Frames() const {
    return blockAlign > 0 ? static_cast<std::uint32_t>(bytes.size() / blockAlign) : 0;
  }
};

// One play position over sample data. Its fields are changed only through the mixer.
struct MixerVoice {
  std::shared_ptr<SampleData> data;
  std::uint64_t position = 0;  // in frames, 16.16 fixed point
  int frequency = 0;           // 0: the data's own rate
  std::int32_t gainLeft = 65536;
  std::int32_t gainRight = 65536;
  bool playing = false;
  bool looping = false;
};

class SoundMixer final : public AudioSource {
 public:
  explicit SoundMixer(int outputRate = kOutputRate) : outputRate_(outputRate) {}

  std::shared_ptr<MixerVoice> NewVoice(std::shared_ptr<SampleData> data);
  // Replaces the voice's sample data (after the buffer was written).
  void SetData(MixerVoice& voice, const std::vector<std::uint8_t>& bytes);
  void Play(const std::shared_ptr<MixerVoice>& voice, bool loop);
  void Stop(MixerVoice& voice);
  // Position in bytes of the sample data, as the buffer counts it.
  void SetPosition(MixerVoice& voice, std::uint32_t byteOffset);
  void SetFrequency(MixerVoice& voice, int frequency);
  // Volume and pan in hundredths of a decibel: volume 0 full, -10000 silent; pan -10000 left
  // only .. 0 centre .. 10000 right only.
  void SetVolumePan(MixerVoice& voice, int volume, int pan);
  bool Playing(const MixerVoice& voice) const;
  bool Looping(const MixerVoice& voice) const;
  std::size_t ActiveVoices() const;

  // AudioSource: called by the sound thread.
  void Mix(std::int16_t* stereo, int frames) override;

 private:
  int outputRate_;
  mutable std::mutex mutex_;
  std::vector<std::shared_ptr<MixerVoice>> active_;
  std::vector<std::int32_t> accum_;
};

}  // namespace gm
