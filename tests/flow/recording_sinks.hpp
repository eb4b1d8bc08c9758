// Sound and music sinks that remember every call, and the services around them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "flow/flow_services.hpp"
#include "platform/clock.hpp"

namespace gm::testing {

class RecordingSound final : public SoundSink {
 public:
  void PlaySound(std::string_view name) override { played.emplace_back(name); }
  std::vector<std::string> played;
};

class RecordingMusic final : public MusicSink {
 public:
  void Stop() override { calls.push_back("stop"); }
  void Open(const std::string& track) override { calls.push_back("open " + track); }
  void Play() override { calls.push_back("play"); }
  std::vector<std::string> calls;
};

struct RecordingServices {
  RecordingSound sound;
  RecordingMusic music;
  FixedClock clock{12'345'678};
  FlowServices services{sound, music, clock};
};

}  // namespace gm::testing
