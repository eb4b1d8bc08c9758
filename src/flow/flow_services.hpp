// What the screen-free flow needs besides the world: the sound and music sinks and the clock
// that the fights reseed the generator from.
#pragma once

#include "flow/media_sinks.hpp"
#include "platform/clock.hpp"

namespace gm {

struct FlowServices {
  SoundSink& sound;
  MusicSink& music;
  Clock& clock;
};

}  // namespace gm
