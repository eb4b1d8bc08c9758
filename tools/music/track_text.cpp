// Reading the track text: header lines, part lines, and note lines checked bar by bar.
#include "tools/music/track_text.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <sstream>

namespace gm::music {

namespace {

bool ToInt(const std::string& s, int& v) {
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  return ec == std::errc() && end == s.data() + s.size() && !s.empty();
}

// "c4", "f#3", "bb2": the MIDI key; false when the word is no pitch.
bool ToKey(const std::string& s, int& key) {
  static constexpr int kSteps[] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
  if (s.size() < 2 || s[0] < 'a' || s[0] > 'g') return false;
  int k = kSteps[s[0] - 'a'];
  size_t i = 1;
  if (s[i] == '#') {
    ++k, ++i;
  } else if (s[i] == 'b' && i + 1 < s.size()) {
    --k, ++i;
  }
  int octave = 0;
  if (!ToInt(s.substr(i), octave) || octave < -1 || octave > 9) return false;
  key = k + 12 * (octave + 1);
  return key >= 0 && key <= 127;
}

// "4", "8.", "2": ticks of that note value; false for anything else.
bool ToTicks(const std::string& s, uint32_t& ticks) {
  const bool dotted = !s.empty() && s.back() == '.';
  int value = 0;
  if (!ToInt(dotted ? s.substr(0, s.size() - 1) : s, value)) return false;
  if (value != 1 && value != 2 && value != 4 && value != 8 && value != 16 && value != 32) {
    return false;
  }
  ticks = uint32_t(kTicksPerQuarter * 4 / value);
  if (dotted) ticks += ticks / 2;
  return true;
}

Part* FindPart(Track& t, int channel) {
  for (Part& p : t.parts) {
    if (p.channel == channel) return &p;
  }
  return nullptr;
}

Status PartLine(Track& t, std::istringstream& words, const std::string& where) {
  Part p;
  std::string word;
  if (!(words >> word) || !ToInt(word, p.channel) || p.channel < 1 || p.channel > 16) {
    return Status::Error(where + "a part needs a channel 1..16");
  }
  if (FindPart(t, p.channel) != nullptr) return Status::Error(where + "channel given twice");
  while (words >> word) {
    std::string value;
    if (word == "name") {
      std::getline(words >> std::ws, p.name);
      break;
    }
    int v = 0;
    if (!(words >> value) || !ToInt(value, v)) {
      return Status::Error(where + "'" + word + "' needs a number");
    }
    if (word == "program" && v >= 1 && v <= 128) {
      p.program = v;
    } else if ((word == "volume" || word == "pan" || word == "velocity") && v >= 0 && v <= 127) {
      (word == "volume" ? p.volume : word == "pan" ? p.pan : p.velocity) = v;
    } else {
      return Status::Error(where + "bad part setting '" + word + " " + value + "'");
    }
  }
  t.parts.push_back(std::move(p));
  return Status::Ok();
}

// "1: ..." or "1 x3: ...": notes appended to channel 1's part, the line played three times.
Status NoteLine(Track& t, const std::string& head, std::istringstream& words,
                const std::string& where) {
  std::istringstream h(head.substr(0, head.size() - 1));
  std::string channelWord, repeatWord;
  h >> channelWord >> repeatWord;
  int channel = 0, repeat = 1;
  if (!ToInt(channelWord, channel) || FindPart(t, channel) == nullptr) {
    return Status::Error(where + "no part on channel '" + channelWord + "'");
  }
  if (!repeatWord.empty() &&
      (repeatWord[0] != 'x' || !ToInt(repeatWord.substr(1), repeat) || repeat < 1)) {
    return Status::Error(where + "a repeat is written x<count>, not '" + repeatWord + "'");
  }
  Part& part = *FindPart(t, channel);
  std::vector<Note> line;
  uint32_t at = 0, barStart = 0, ticks = uint32_t(kTicksPerQuarter);
  for (std::string word; words >> word;) {
    if (word == "|") {
      if (at - barStart != t.BarTicks() && at != 0) {
        return Status::Error(where + "a bar ending at beat " +
                             std::to_string(at * t.beatUnit / (4 * kTicksPerQuarter)) +
                             " does not fill its metre");
      }
      barStart = at;
      continue;
    }
    bool accent = false;
    if (word[0] == '>') {
      accent = true;
      word.erase(0, 1);
    }
    const auto slash = word.find('/');
    if (slash != std::string::npos && !ToTicks(word.substr(slash + 1), ticks)) {
      return Status::Error(where + "bad note value in '" + word + "'");
    }
    const std::string pitches = word.substr(0, slash);
    if (pitches.empty()) return Status::Error(where + "a note value without a pitch");
    if (pitches != "r") {
      std::istringstream chord(pitches);
      for (std::string p; std::getline(chord, p, '+');) {
        int key = 0;
        if (!ToKey(p, key)) return Status::Error(where + "bad pitch '" + p + "'");
        const int vel = std::min(127, part.velocity + (accent ? 20 : 0));
        line.push_back(Note{at, ticks, uint8_t(key), uint8_t(vel)});
      }
    }
    at += ticks;
  }
  if (at % t.BarTicks() != 0) return Status::Error(where + "the line does not end on a bar");
  for (int r = 0; r < repeat; ++r) {
    for (Note n : line) {
      n.start += part.end;
      part.notes.push_back(n);
    }
    part.end += at;
  }
  return Status::Ok();
}

}  // namespace

Status ParseTrack(const std::string& text, const std::string& source, Track& track) {
  track = Track{};
  std::istringstream in(text);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    // A comment starts at a '#' that begins a word; inside a word it is a sharp.
    for (size_t i = 0; i < line.size(); ++i) {
      if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t')) {
        line.erase(i);
        break;
      }
    }
    const std::string where = source + ":" + std::to_string(number) + ": ";
    // Note lines start with a channel number; a title may hold a colon of its own.
    const auto first = line.find_first_not_of(" \t");
    const auto colon = line.find(':');
    const bool notes = colon != std::string::npos && first != std::string::npos &&
                       std::isdigit(static_cast<unsigned char>(line[first]));
    std::istringstream words(notes ? line.substr(colon + 1) : line);
    if (notes) {
      if (Status s = NoteLine(track, line.substr(0, colon + 1), words, where); !s) return s;
      continue;
    }
    std::string head, a, b;
    if (!(words >> head)) continue;
    if (head == "title") {
      std::getline(words >> std::ws, track.title);
    } else if (head == "tempo") {
      if (!(words >> a) || !ToInt(a, track.tempo) || track.tempo < 20 || track.tempo > 300) {
        return Status::Error(where + "tempo needs quarter notes a minute, 20..300");
      }
    } else if (head == "metre") {
      if (!(words >> a >> b) || !ToInt(a, track.beats) || !ToInt(b, track.beatUnit) ||
          track.beats < 1 || track.beats > 12 ||
          (track.beatUnit != 2 && track.beatUnit != 4 && track.beatUnit != 8)) {
        return Status::Error(where + "metre needs beats a bar and a beat of 2, 4 or 8");
      }
    } else if (head == "part") {
      if (!track.parts.empty() && track.parts.front().end > 0) {
        return Status::Error(where + "parts come before the notes");
      }
      if (Status s = PartLine(track, words, where); !s) return s;
    } else {
      return Status::Error(where + "unknown line '" + head + "'");
    }
  }
  if (track.parts.empty()) return Status::Error(source + ": the track has no parts");
  for (const Part& p : track.parts) {
    if (p.end != track.parts.front().end) {
      return Status::Error(source + ": part '" + p.name + "' is " + std::to_string(p.end) +
                           " ticks long, the first part " +
                           std::to_string(track.parts.front().end));
    }
  }
  return Status::Ok();
}

}  // namespace gm::music
