// A music track as written in tools/music/tracks/NNN.txt: tempo, metre and the parts, each a
// General MIDI instrument on its own channel playing a list of notes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/status.hpp"

namespace gm::music {

inline constexpr int kTicksPerQuarter = 480;

struct Note {
  uint32_t start = 0;   // ticks from the track's start
  uint32_t length = 0;  // ticks
  uint8_t key = 60;     // MIDI key, middle C = c4 = 60
  uint8_t velocity = 90;
};

struct Part {
  int channel = 1;  // 1..16; 10 is percussion
  int program = 1;  // General MIDI program 1..128
  int volume = 100;
  int pan = 64;
  int velocity = 90;
  std::string name;
  std::vector<Note> notes;
  uint32_t end = 0;  // ticks written so far
};

struct Track {
  std::string title;
  int tempo = 100;   // quarter notes a minute
  int beats = 4;     // metre: beats a bar ...
  int beatUnit = 4;  // ... of this note value
  std::vector<Part> parts;

  uint32_t BarTicks() const { return uint32_t(beats * kTicksPerQuarter * 4 / beatUnit); }
};

// Reads a track text; `source` names it in messages ("001.txt:7: ...").
Status ParseTrack(const std::string& text, const std::string& source, Track& track);

// The track as a Standard MIDI File, format 1: a tempo track, then one track a part.
std::vector<uint8_t> WriteMidiFile(const Track& track);

}  // namespace gm::music
