// Opening the sound device and feeding it from our mixer.
#include "platform/sdl/sdl_audio.hpp"

#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <string>

#include "platform/log.hpp"

namespace gm {

namespace {

const char* FirstExisting(std::initializer_list<const char*> paths) {
  for (const char* p : paths) {
    std::error_code ec;
    if (std::filesystem::exists(p, ec)) return p;
  }
  return nullptr;
}

}  // namespace

bool SdlAudio::Open() {
  if (tried_) return mixerOpen_ || device_ != 0;
  tried_ = true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    LogLine(std::string("no sound device, the game is silent: ") + SDL_GetError());
    return false;
  }
  // The soundfont must be named before the device opens; the built-in synthesiser takes the
  // freepats set instead.
  if (const char* font = FirstExisting({"/usr/share/sounds/sf2/TimGM6mb.sf2",
                                        "/usr/share/sounds/sf2/default-GM.sf2",
                                        "/usr/share/sounds/sf3/default-GM.sf3"})) {
    Mix_SetSoundFonts(font);
  }
  if (const char* cfg = FirstExisting({"/etc/timidity/freepats.cfg"})) Mix_SetTimidityCfg(cfg);
  const bool midiLoaded = (Mix_Init(MIX_INIT_MID) & MIX_INIT_MID) != 0;
  return OpenMixer(midiLoaded) || OpenPlainDevice();
}

bool SdlAudio::OpenMixer(bool midiLoaded) {
  if (Mix_OpenAudioDevice(kOutputRate, AUDIO_S16SYS, 2, 1024, nullptr, 0) != 0) return false;
  mixerOpen_ = true;
  Mix_SetPostMix(PostMix, this);
  // The MIDI libraries load even without a soundfont or patch set; only a synthesiser that
  // opened with the device offers a MIDI decoder. Without one, music stays off for the run
  // instead of failing at every track.
  musicAvailable_ = midiLoaded && Mix_HasMusicDecoder("MIDI") == SDL_TRUE;
  if (!musicAvailable_) LogLine("no MIDI synthesiser, music is silent");
  return true;
}

bool SdlAudio::OpenPlainDevice() {
  // Without SDL2_mixer's device our mixer alone may still be heard; one line tells which.
  const std::string musicError = Mix_GetError();
  musicAvailable_ = false;
  SDL_AudioSpec want{};
  want.freq = kOutputRate;
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  want.samples = 1024;
  want.callback = DeviceCallback;
  want.userdata = this;
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
  if (device_ == 0) {
    LogLine(std::string("no sound device, the game is silent: ") + SDL_GetError());
    return false;
  }
  LogLine("no music device, music is silent: " + musicError);
  SDL_PauseAudioDevice(device_, 0);
  return true;
}

void SdlAudio::Close() {
  Stop();
  if (mixerOpen_) {
    Mix_CloseAudio();
    Mix_Quit();
    mixerOpen_ = false;
  }
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  device_ = 0;
}

void SdlAudio::MixSource(std::int16_t* out, int frames) {
  std::lock_guard lock(sourceMutex_);
  if (source_ == nullptr) {
    std::memset(out, 0, static_cast<std::size_t>(frames) * 4);
    return;
  }
  source_->Mix(out, frames);
}

void SDLCALL SdlAudio::DeviceCallback(void* self, Uint8* stream, int len) {
  static_cast<SdlAudio*>(self)->MixSource(reinterpret_cast<std::int16_t*>(stream), len / 4);
}

void SDLCALL SdlAudio::PostMix(void* self, Uint8* stream, int len) {
  auto* a = static_cast<SdlAudio*>(self);
  const int frames = len / 4;
  a->mixScratch_.resize(static_cast<std::size_t>(frames) * 2);
  a->MixSource(a->mixScratch_.data(), frames);
  auto* out = reinterpret_cast<std::int16_t*>(stream);
  for (int i = 0; i < frames * 2; ++i) {
    const int sum = out[i] + a->mixScratch_[static_cast<std::size_t>(i)];
    out[i] = static_cast<std::int16_t>(std::clamp(sum, -32768, 32767));
  }
}

bool SdlAudio::Start(AudioSource* source) {
  if (!Open()) return false;
  std::lock_guard lock(sourceMutex_);
  source_ = source;
  return true;
}

void SdlAudio::Stop() {
  std::lock_guard lock(sourceMutex_);
  source_ = nullptr;
}

}  // namespace gm
