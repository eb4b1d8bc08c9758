// Rendering the recipes to 22,050 Hz 16-bit mono samples, and the sound archive made of them.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/sound/effect_recipe.hpp"

namespace gm::sound {

inline constexpr uint32_t kSampleRate = 22050;

// The sound's samples; the same recipe always gives the same samples.
std::vector<int16_t> RenderEffect(const Effect& effect);

// The bytes of the sound archive (data/snd_eng.dxw) holding every effect under its name.
std::vector<uint8_t> BuildSoundArchive(const std::vector<Effect>& effects);

}  // namespace gm::sound
