// Mixing of the playing voices into 16-bit stereo output.
#include "media/sound_mixer.hpp"

#include <algorithm>
#include <cmath>

namespace gm {

namespace {

// One channel sample of frame f as a signed 16-bit value.
inline int SampleAt(const SampleData& d, std::uint32_t frame, int channel) {
  const std::uint8_t* p = d.bytes.data() + static_cast<std::size_t>(frame) * d.blockAlign;
  if (d.bits == 8) return (static_cast<int>(p[channel]) - 128) << 8;
  const std::uint8_t* s = p + channel * 2;
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(s[0] | (s[1] << 8)));
}

std::int32_t GainOf(int hundredthsDb) {
  hundredthsDb = std::clamp(hundredthsDb, -10000, 0);
  if (hundredthsDb <= -10000) return 0;
  return static_cast<std::int32_t>(std::lround(65536.0 * std::pow(10.0, hundredthsDb / 2000.0)));
}

}  // namespace

std::shared_ptr<MixerVoice> SoundMixer::NewVoice(std::shared_ptr<SampleData> data) {
  auto v = std::make_shared<MixerVoice>();
  v->data = std::move(data);
  return v;
}

void SoundMixer::SetData(MixerVoice& voice, const std::vector<std::uint8_t>& bytes) {
  std::lock_guard lock(mutex_);
  voice.data->bytes = bytes;
  const std::uint64_t end = static_cast<std::uint64_t>(voice.data->Frames()) << 16;
  if (voice.position > end) voice.position = end;
}

void SoundMixer::Play(const std::shared_ptr<MixerVoice>& voice, bool loop) {
  std::lock_guard lock(mutex_);
  voice->looping = loop;
  if (!voice->playing) {
    voice->playing = true;
    active_.push_back(voice);
  }
}

void SoundMixer::Stop(MixerVoice& voice) {
  std::lock_guard lock(mutex_);
  voice.playing = false;
  voice.looping = false;
  std::erase_if(active_, [&](const auto& v) { return v.get() == &voice; });
}

void SoundMixer::SetPosition(MixerVoice& voice, std::uint32_t byteOffset) {
  std::lock_guard lock(mutex_);
  const auto& d = *voice.data;
  const std::uint32_t frame = std::min<std::uint32_t>(
      byteOffset / static_cast<std::uint32_t>(std::max(d.blockAlign, 1)), d.Frames());
  voice.position = static_cast<std::uint64_t>(frame) << 16;
}

void SoundMixer::SetFrequency(MixerVoice& voice, int frequency) {
  std::lock_guard lock(mutex_);
  voice.frequency = std::clamp(frequency, 0, 200000);
}

void SoundMixer::SetVolumePan(MixerVoice& voice, int volume, int pan) {
  const std::int32_t gain = GainOf(volume);
  pan = std::clamp(pan, -10000, 10000);
  const std::int64_t left = pan > 0 ? GainOf(-pan) : 65536;
  const std::int64_t right = pan < 0 ? GainOf(pan) : 65536;
  std::lock_guard lock(mutex_);
  voice.gainLeft = static_cast<std::int32_t>(gain * left >> 16);
  voice.gainRight = static_cast<std::int32_t>(gain * right >> 16);
}

bool SoundMixer::Playing(const MixerVoice& voice) const {
  std::lock_guard lock(mutex_);
  return voice.playing;
}

bool SoundMixer::Looping(const MixerVoice& voice) const {
  std::lock_guard lock(mutex_);
  return voice.playing && voice.looping;
}

std::size_t SoundMixer::ActiveVoices() const {
  std::lock_guard lock(mutex_);
  return active_.size();
}

void SoundMixer::Mix(std::int16_t* stereo, int frames) {
  if (frames <= 0) return;
  std::lock_guard lock(mutex_);
  accum_.assign(static_cast<std::size_t>(frames) * 2, 0);
  for (auto& vp : active_) {
    MixerVoice& v = *vp;
    const SampleData& d = *v.data;
    const std::uint32_t length = d.Frames();
    if (length == 0 || d.rate <= 0) {
      v.playing = false;
      continue;
    }
    const std::uint64_t end = static_cast<std::uint64_t>(length) << 16;
    const int rate = v.frequency > 0 ? v.frequency : d.rate;
    const std::uint64_t step =
        std::max<std::uint64_t>((static_cast<std::uint64_t>(rate) << 16) / outputRate_, 1);
    const int rightChannel = d.channels > 1 ? 1 : 0;
    for (int i = 0; i < frames; ++i) {
      if (v.position >= end) {
        if (!v.looping) {
          v.playing = false;
          break;
        }
        v.position %= end;
      }
      // Linear interpolation between this frame and the next (the first again when looping).
      const auto f = static_cast<std::uint32_t>(v.position >> 16);
      const int frac = static_cast<int>(v.position & 0xFFFF);
      std::uint32_t next = f + 1;
      if (next >= length) next = v.looping ? 0 : f;
      const int l0 = SampleAt(d, f, 0);
      const int r0 = SampleAt(d, f, rightChannel);
      const int l = l0 + (((SampleAt(d, next, 0) - l0) * frac) >> 16);
      const int r = r0 + (((SampleAt(d, next, rightChannel) - r0) * frac) >> 16);
      accum_[2 * i] += static_cast<std::int32_t>((static_cast<std::int64_t>(l) * v.gainLeft) >> 16);
      accum_[2 * i + 1] +=
          static_cast<std::int32_t>((static_cast<std::int64_t>(r) * v.gainRight) >> 16);
      v.position += step;
    }
  }
  std::erase_if(active_, [](const auto& v) { return !v->playing; });
  for (std::size_t i = 0; i < accum_.size(); ++i) {
    stereo[i] = static_cast<std::int16_t>(std::clamp(accum_[i], -32768, 32767));
  }
}

}  // namespace gm
