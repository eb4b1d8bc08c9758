// Playing, stopping and replacing the MIDI track.
#include "platform/sdl/sdl_music.hpp"

#include <atomic>
#include <cstddef>
#include <string>

#include "platform/log.hpp"

namespace gm {

namespace {

// Far above any MIDI track of the game (a few kilobytes): a larger file is no track of ours.
constexpr std::size_t kMaxTrackBytes = 16 * 1024 * 1024;

// The music-finished hook of SDL2_mixer takes no user data, so the few things it needs live
// here: the event type to push and whether the end was asked for by us (stop or replace).
std::atomic<Uint32> gMusicEventType{0};
// How the end of a play we cause should be reported; kSuccessful when we cause none.
std::atomic<MusicEnd> gMusicEndCause{MusicEnd::kSuccessful};

void SDLCALL OnMusicFinished() {
  // Runs on the sound thread (or inside Mix_HaltMusic): only push an event.
  SDL_Event e{};
  e.type = gMusicEventType.load();
  e.user.code = static_cast<Sint32>(gMusicEndCause.load());
  SDL_PushEvent(&e);
}

}  // namespace

void SdlMusic::RegisterEndEvent() {
  gMusicEventType = SDL_RegisterEvents(1);
}

bool MusicEndEvent(const SDL_Event& e, PlatformEvent& event) {
  if (e.type != gMusicEventType.load() || e.type == 0) return false;
  event.kind = PlatformEvent::Kind::kMusicEnded;
  event.musicEnd = static_cast<MusicEnd>(e.user.code);
  return true;
}

void SdlMusic::Halt(MusicEnd cause) {
  if (Mix_PlayingMusic() != 0) {
    // The hook fires inside the halt and reports the end with our cause.
    gMusicEndCause = cause;
    Mix_HaltMusic();
    gMusicEndCause = MusicEnd::kSuccessful;
  }
}

bool SdlMusic::Play(const std::filesystem::path& file) {
  if (!audio_.Open() || !audio_.MixerOpen() || !audio_.MusicAvailable()) return false;
  if (!hooked_) Mix_HookMusicFinished(OnMusicFinished);
  hooked_ = true;
  Halt(MusicEnd::kSuperseded);
  if (music_ != nullptr) Mix_FreeMusic(music_);
  music_ = nullptr;
  // Read through the file system, never by SDL's own open, which would wait on a FIFO for ever.
  Status s = files_.ReadPrefix(file.string(), kMaxTrackBytes + 1, track_);
  if (s && track_.size() > kMaxTrackBytes) {
    s = Status::Error(file.string() + ": larger than any track (" + std::to_string(kMaxTrackBytes) +
                      " bytes)");
  }
  if (s && track_.empty()) s = Status::Error(file.string() + ": the file is empty");
  if (s) {
    SDL_RWops* rw = SDL_RWFromConstMem(track_.data(), static_cast<int>(track_.size()));
    music_ = rw != nullptr ? Mix_LoadMUS_RW(rw, 1) : nullptr;
    if (music_ == nullptr || Mix_PlayMusic(music_, 0) != 0) {
      s = Status::Error(file.string() + ": " + Mix_GetError());
    }
  }
  if (!s) {
    // Told once a track: the next turn change may pick the same one.
    if (failed_.insert(file).second) LogLine("cannot play " + s.Message());
    return false;
  }
  return true;
}

void SdlMusic::Stop() {
  if (audio_.MixerOpen()) Halt(MusicEnd::kAborted);
}

void SdlMusic::Close() {
  if (!audio_.MixerOpen()) return;
  Halt(MusicEnd::kAborted);
  if (music_ != nullptr) Mix_FreeMusic(music_);
  music_ = nullptr;
  if (hooked_) Mix_HookMusicFinished(nullptr);
  hooked_ = false;
}

}  // namespace gm
