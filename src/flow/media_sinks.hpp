// Where the turn and order flow sends its sounds and music: small interfaces that the window
// fills with its wave list and media player, and silent ones for headless runs.
#pragma once

#include <string>
#include <string_view>

namespace gm {

// Plays a wave of the sound archive by name, without waiting.
class SoundSink {
 public:
  virtual ~SoundSink() = default;
  virtual void PlaySound(std::string_view name) = 0;
};

// The music player: one MIDI track at a time, named relative to the program's folder.
class MusicSink {
 public:
  virtual ~MusicSink() = default;
  virtual void Stop() = 0;
  virtual void Open(const std::string& track) = 0;
  virtual void Play() = 0;
};

class NullSound final : public SoundSink {
 public:
  void PlaySound(std::string_view) override {}
};

class NullMusic final : public MusicSink {
 public:
  void Stop() override {}
  void Open(const std::string&) override {}
  void Play() override {}
};

}  // namespace gm
