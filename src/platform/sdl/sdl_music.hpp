// MIDI music through SDL2_mixer: one track at a time, and the end of each play handed to the
// main thread as an SDL event, saying whether it ran to its end or was stopped or replaced.
#pragma once

#include <SDL.h>
#include <SDL2/SDL_mixer.h>

#include <cstdint>
#include <filesystem>
#include <set>
#include <vector>

#include "platform/platform.hpp"
#include "platform/posix_file_system.hpp"
#include "platform/sdl/sdl_audio.hpp"

namespace gm {

class SdlMusic {
 public:
  explicit SdlMusic(SdlAudio& audio) : audio_(audio) {}
  ~SdlMusic() { Close(); }
  SdlMusic(const SdlMusic&) = delete;
  SdlMusic& operator=(const SdlMusic&) = delete;

  // The SDL event type of a play's end; once, after SDL has started.
  static void RegisterEndEvent();
  // False when nothing can play (no synthesiser, a file that does not load). Only a regular
  // file is read, and without waiting on it: a FIFO in a track's place is refused at once.
  bool Play(const std::filesystem::path& file);
  void Stop();
  // Halts and frees the track before the sound device closes.
  void Close();

 private:
  void Halt(MusicEnd cause);

  SdlAudio& audio_;
  PosixFileSystem files_;
  Mix_Music* music_ = nullptr;
  std::vector<std::uint8_t> track_;  // the bytes music_ plays from, kept until it is freed
  bool hooked_ = false;
  std::set<std::filesystem::path> failed_;  // tracks that would not play, told of once
};

// The game's event for an SDL event that reports the end of a play; false for any other.
bool MusicEndEvent(const SDL_Event& e, PlatformEvent& event);

}  // namespace gm
