// The window's sound and music: waves of the sound archive played by name, and the music player
// that loops its track until it is stopped or replaced.
#pragma once

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>

#include "flow/media_sinks.hpp"
#include "media/wave_collection.hpp"
#include "platform/platform.hpp"

namespace gm {

// Plays a wave by name without waiting; a name missing from the list plays nothing.
class WaveListSound final : public SoundSink {
 public:
  explicit WaveListSound(TWaveCollection& waves) : waves_(waves) {}
  void PlaySound(std::string_view name) override;

 private:
  TWaveCollection& waves_;
};

// The music player: one MIDI file at a time, through the platform's synthesiser. A play that
// reaches the end of its track starts it again; one that was stopped, replaced or failed does
// not, nor one that ended within a second of its start (a damaged file, which would otherwise be
// loaded and ended over and over): that track waits for the next turn change, and says so once.
// Without a synthesiser the game is silent and says so once.
class MusicPlayer final : public MusicSink {
 public:
  explicit MusicPlayer(Platform& platform) : platform_(platform) {}
  void Stop() override;
  void Open(const std::string& track) override;
  void Play() override;
  void Close();
  // The end of a play, as the platform reports it.
  void Notify(MusicEnd how);

  const std::filesystem::path& File() const { return file_; }
  bool Playing() const { return playing_; }

 private:
  Platform& platform_;
  std::filesystem::path file_;
  bool playing_ = false;
  std::uint32_t startedAt_ = 0;                  // the platform's clock at the last play
  std::set<std::filesystem::path> endedAtOnce_;  // tracks already told of
};

}  // namespace gm
