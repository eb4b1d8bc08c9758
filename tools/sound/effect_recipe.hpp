// The sound effects' recipes: each sound a few layers of noise or tone, each layer with its
// timing, envelope, filters and pitch, read from the committed recipe text.
#pragma once

#include <string>
#include <vector>

#include "platform/status.hpp"

namespace gm::sound {

enum class LayerKind { kNoise, kTone };
enum class ToneShape { kSine, kSquare, kSaw };

struct Layer {
  LayerKind kind = LayerKind::kNoise;
  double start = 0;  // seconds from the sound's start
  double len = 0.1;  // seconds
  double attack = 0.002;
  double decay = 0;  // exponential fall's time constant in seconds; 0 holds the level
  double gain = 0.5;
  double lowpass = 0;   // Hz, 0 = none
  double highpass = 0;  // Hz, 0 = none
  double freq = 440;    // tone pitch at the start
  double to = 0;        // tone pitch at the end, 0 = steady
  ToneShape shape = ToneShape::kSine;
  double tremolo = 0;  // Hz of the loudness wobble, 0 = none
  double depth = 0.5;  // share of the loudness the wobble takes
  int repeat = 1;      // the layer played this many times ...
  double every = 0.1;  // ... this many seconds apart
  unsigned seed = 1;   // noise seed, so every build draws the same noise
};

struct Effect {
  std::string name;
  double length = 1;  // seconds
  std::vector<Layer> layers;
};

// Reads the recipe text; `source` names it in messages ("effects.txt:12: ...").
Status ParseEffects(const std::string& text, const std::string& source,
                    std::vector<Effect>& effects);

}  // namespace gm::sound
