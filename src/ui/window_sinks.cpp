// Sound and music of the window.
#include "ui/window_sinks.hpp"

#include "platform/log.hpp"

namespace gm {

namespace {

// A play that ends sooner than this was no play: the file is damaged.
constexpr std::uint32_t kShortestTrackMs = 1000;

}  // namespace

void WaveListSound::PlaySound(std::string_view name) {
  const std::int32_t i = waves_.IndexOf(name);
  if (i < 0) return;
  waves_.Items(i).Play(false);
}

void MusicPlayer::Stop() {
  if (playing_) platform_.StopMusic();
  playing_ = false;
}

void MusicPlayer::Open(const std::string& track) {
  file_ = platform_.ProgramFolder() / track;
}

void MusicPlayer::Play() {
  if (file_.empty()) return;
  startedAt_ = platform_.GetClock().TickMilliseconds();
  playing_ = platform_.PlayMusic(file_);
}

void MusicPlayer::Close() {
  Stop();
  file_.clear();
}

void MusicPlayer::Notify(MusicEnd how) {
  // A superseded or stopped play has already been replaced or ended by us.
  if (how != MusicEnd::kSuccessful || !playing_) return;
  if (platform_.GetClock().TickMilliseconds() - startedAt_ < kShortestTrackMs) {
    playing_ = false;
    if (endedAtOnce_.insert(file_).second) {
      LogLine(file_.string() +
              ": the track ended as soon as it began; no music until the next turn");
    }
    return;
  }
  Play();
}

}  // namespace gm
