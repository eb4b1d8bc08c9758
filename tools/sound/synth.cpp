// Layer rendering: seeded noise or an oscillator, through one-pole filters and an envelope,
// mixed and softly limited so loud layers saturate rather than wrap.
#include "tools/sound/synth.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "media/byte_stream.hpp"
#include "media/wave_collection.hpp"

namespace gm::sound {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kRelease = 0.005;  // seconds of fade at a layer's end, so it stops without a tick

// Our own generator, so the noise is the same on every machine and library.
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed * 2654435761u + 0x9E3779B9u) {
    if (state_ == 0) state_ = 1;
  }
  double Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return double(state_) / 2147483647.5 - 1.0;
  }

 private:
  uint32_t state_;
};

// Share of the way a one-pole filter moves per sample at cut-off `hz`.
double PoleStep(double hz) {
  return 1.0 - std::exp(-kTwoPi * hz / kSampleRate);
}

double Envelope(const Layer& l, double t) {
  double env = 1.0;
  if (l.attack > 0 && t < l.attack) {
    env = t / l.attack;
  } else if (l.decay > 0) {
    env = std::exp(-(t - l.attack) / l.decay);
  }
  if (l.len - t < kRelease) env *= std::max(0.0, (l.len - t) / kRelease);
  if (l.tremolo > 0) env *= 1.0 - l.depth * (0.5 - 0.5 * std::cos(kTwoPi * l.tremolo * t));
  return env;
}

void MixLayer(const Layer& l, int round, std::vector<double>& mix) {
  const int64_t first = std::llround((l.start + round * l.every) * kSampleRate);
  const int64_t count = std::llround(l.len * kSampleRate);
  Noise noise(l.seed + uint32_t(round) * 7919u);
  const double lowStep = l.lowpass > 0 ? PoleStep(l.lowpass) : 1.0;
  const double highStep = l.highpass > 0 ? PoleStep(l.highpass) : 0.0;
  double low = 0, bass = 0, phase = 0;
  for (int64_t i = 0; i < count; ++i) {
    const int64_t at = first + i;
    if (at >= int64_t(mix.size())) break;
    const double t = double(i) / kSampleRate;
    double x;
    if (l.kind == LayerKind::kNoise) {
      x = noise.Next();
    } else {
      const double f = l.to > 0 ? l.freq + (l.to - l.freq) * t / l.len : l.freq;
      phase += f / kSampleRate;
      phase -= std::floor(phase);
      switch (l.shape) {
        case ToneShape::kSine:
          x = std::sin(kTwoPi * phase);
          break;
        case ToneShape::kSquare:
          x = phase < 0.5 ? 1.0 : -1.0;
          break;
        default:
          x = 2.0 * phase - 1.0;
          break;
      }
    }
    low += lowStep * (x - low);
    bass += highStep * (low - bass);
    if (at >= 0) mix[size_t(at)] += l.gain * Envelope(l, t) * (low - bass);
  }
}

}  // namespace

std::vector<int16_t> RenderEffect(const Effect& effect) {
  std::vector<double> mix(size_t(std::llround(effect.length * kSampleRate)), 0.0);
  for (const Layer& l : effect.layers) {
    for (int round = 0; round < l.repeat; ++round) MixLayer(l, round, mix);
  }
  std::vector<int16_t> samples(mix.size());
  for (size_t i = 0; i < mix.size(); ++i) {
    samples[i] = int16_t(std::lround(std::tanh(mix[i]) * 32000.0));
  }
  return samples;
}

std::vector<uint8_t> BuildSoundArchive(const std::vector<Effect>& effects) {
  TWaveCollection waves;
  for (const Effect& e : effects) {
    TWaveCollectionItem& item = waves.Add();
    item.SetName(e.name);
    item.Wave.SetPcm(1, kSampleRate, 16, RenderEffect(e));
  }
  ByteWriter out;
  waves.SaveToStream(out);
  return out.Data();
}

}  // namespace gm::sound
