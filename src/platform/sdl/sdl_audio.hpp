// The one sound device: SDL2_mixer's, which plays the MIDI music and takes our mixer after it
// (post-mix), or, when SDL2_mixer cannot open, a plain SDL device running our mixer alone.
// Opened on first use; a machine without sound only means silence.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/platform.hpp"

namespace gm {

class SdlAudio {
 public:
  SdlAudio() = default;
  ~SdlAudio() { Close(); }
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  // Opens the device once; later calls answer whether it opened.
  bool Open();
  // Closes SDL2_mixer or the plain device; the music must be freed first.
  void Close();
  bool Start(AudioSource* source);
  void Stop();

  // SDL2_mixer's device is open, and it has a MIDI synthesiser.
  bool MixerOpen() const { return mixerOpen_; }
  bool MusicAvailable() const { return musicAvailable_; }

 private:
  bool OpenMixer(bool midiLoaded);
  bool OpenPlainDevice();
  void MixSource(std::int16_t* out, int frames);
  static void SDLCALL PostMix(void* self, Uint8* stream, int len);
  static void SDLCALL DeviceCallback(void* self, Uint8* stream, int len);

  bool tried_ = false;
  bool mixerOpen_ = false;
  bool musicAvailable_ = false;
  SDL_AudioDeviceID device_ = 0;
  std::mutex sourceMutex_;
  AudioSource* source_ = nullptr;
  std::vector<std::int16_t> mixScratch_;
};

}  // namespace gm
