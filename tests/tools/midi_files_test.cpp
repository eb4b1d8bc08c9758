// The ten music files the build makes: each a well-formed Standard MIDI File of one to two
// minutes whose every note ends, the same bytes on every build; and note texts that would play
// wrong refused with their line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "tests/support/text_file.hpp"
#include "tools/music/track_text.hpp"

namespace gm::music {
namespace {

using testing::ReadText;

std::string TrackName(int n) {
  char name[8];
  std::snprintf(name, sizeof name, "%03d", n);
  return name;
}

// What a reader walking the file finds; `fault` says where it stopped, empty when it did not.
struct SmfSummary {
  std::string fault;
  int format = -1, trackCount = 0, chunks = 0, division = 0;
  uint32_t usPerQuarter = 0, lastTick = 0;
  int programs = 0, notes = 0;
};

uint32_t Read32(const std::string& b, size_t at) {
  return uint32_t(uint8_t(b[at])) << 24 | uint32_t(uint8_t(b[at + 1])) << 16 |
         uint32_t(uint8_t(b[at + 2])) << 8 | uint32_t(uint8_t(b[at + 3]));
}

SmfSummary WalkSmf(const std::string& b) {
  SmfSummary s;
  if (b.size() < 14 || b.compare(0, 4, "MThd") != 0 || Read32(b, 4) != 6) {
    s.fault = "header";
    return s;
  }
  s.format = uint8_t(b[8]) << 8 | uint8_t(b[9]);
  s.trackCount = uint8_t(b[10]) << 8 | uint8_t(b[11]);
  s.division = uint8_t(b[12]) << 8 | uint8_t(b[13]);
  for (size_t at = 14; at < b.size(); ++s.chunks) {
    if (at + 8 > b.size() || b.compare(at, 4, "MTrk") != 0) return s.fault = "chunk id", s;
    const size_t end = at + 8 + Read32(b, at + 4);
    if (end > b.size()) return s.fault = "chunk length", s;
    size_t p = at + 8;
    uint32_t tick = 0;
    bool ended = false;
    std::map<int, int> sounding;  // channel * 128 + key -> open notes
    auto byte = [&]() { return p < end ? uint8_t(b[p++]) : (s.fault = "runs past chunk", 0); };
    while (p < end && s.fault.empty() && !ended) {
      uint32_t delta = 0;
      for (int i = 0; i < 4; ++i) {
        const uint8_t c = byte();
        delta = delta << 7 | (c & 0x7F);
        if (c < 0x80) break;
      }
      tick += delta;
      const uint8_t status = byte();
      if (status == 0xFF) {
        const uint8_t type = byte(), len = byte();
        if (type == 0x51 && len == 3) s.usPerQuarter = Read32(b, p - 1) & 0xFFFFFF;
        ended = type == 0x2F && len == 0;
        p += len;
      } else if ((status & 0xF0) == 0xC0) {
        if (byte() > 127) s.fault = "program";
        ++s.programs;
      } else if ((status & 0xF0) == 0x90 || (status & 0xF0) == 0x80) {
        const int key = byte(), velocity = byte();
        int& open = sounding[(status & 0x0F) * 128 + key];
        if ((status & 0xF0) == 0x90 && velocity > 0) {
          ++open, ++s.notes;
        } else if (--open < 0) {
          s.fault = "note ended twice";
        }
      } else if ((status & 0xF0) == 0xB0) {
        p += 2;
      } else {
        s.fault = "unknown event";
      }
    }
    if (s.fault.empty() && (!ended || p != end)) s.fault = "end of track not last";
    for (const auto& [key, open] : sounding) {
      if (s.fault.empty() && open != 0) s.fault = "note never ends";
    }
    if (!s.fault.empty()) return s;
    s.lastTick = std::max(s.lastTick, tick);
    at = end;
  }
  return s;
}

TEST(MusicFiles, EachBuiltTrackIsAWellFormedMidiFileOfOneToTwoMinutes) {
  const char* buildDir = std::getenv("GM_BUILD_DIR");
  if (buildDir == nullptr) GTEST_SKIP() << "GM_BUILD_DIR is not set";
  for (int n = 1; n <= 10; ++n) {
    SCOPED_TRACE(TrackName(n));
    const SmfSummary s =
        WalkSmf(ReadText(std::string(buildDir) + "/data/" + TrackName(n) + ".mid"));
    ASSERT_EQ(s.fault, "");
    EXPECT_EQ(s.format, 1);
    EXPECT_EQ(s.trackCount, s.chunks);
    EXPECT_GE(s.chunks, 3);  // the tempo track and two parts at least
    EXPECT_EQ(s.division, kTicksPerQuarter);
    EXPECT_EQ(s.programs, s.chunks - 1);  // every part chooses its instrument
    EXPECT_GT(s.notes, 100);
    ASSERT_GT(s.usPerQuarter, 0u);
    const double seconds = double(s.lastTick) / s.division * s.usPerQuarter / 1e6;
    EXPECT_GE(seconds, 60.0);
    EXPECT_LE(seconds, 130.0);
  }
}

TEST(MusicFiles, EveryBuildWritesTheSameBytes) {
  const char* buildDir = std::getenv("GM_BUILD_DIR");
  for (int n = 1; n <= 10; ++n) {
    SCOPED_TRACE(TrackName(n));
    const std::string path = std::string(GM_MUSIC_SOURCE_DIR) + "/" + TrackName(n) + ".txt";
    Track track;
    Status s = ParseTrack(ReadText(path), path, track);
    ASSERT_TRUE(s) << s.Message();
    const std::vector<uint8_t> first = WriteMidiFile(track);
    EXPECT_EQ(WriteMidiFile(track), first);
    if (buildDir == nullptr) continue;
    const std::string built = ReadText(std::string(buildDir) + "/data/" + TrackName(n) + ".mid");
    EXPECT_TRUE(built == std::string(first.begin(), first.end())) << "the built file differs";
  }
}

TEST(MusicFiles, NotesLandOnTheirKeysAndTicks) {
  Track t;
  // A sharp inside a word is no comment, a '#' after a blank is; a title may hold a colon.
  Status s = ParseTrack(
      "title Victory: 1945\nmetre 3 4\npart 2 velocity 80 name A\n"
      "2 x2: | c#4/4. bb3/8 c4+e4/4 | >a0/2 r/4 |  # comment\n",
      "x", t);
  ASSERT_TRUE(s) << s.Message();
  EXPECT_EQ(t.title, "Victory: 1945");
  ASSERT_EQ(t.parts.size(), 1u);
  const Part& p = t.parts[0];
  EXPECT_EQ(p.end, 4u * 3 * kTicksPerQuarter);
  ASSERT_EQ(p.notes.size(), 10u);
  const struct {
    uint32_t start, length;
    int key, velocity;
  } kWant[] = {{0, 720, 61, 80},   {720, 240, 58, 80},   {960, 480, 60, 80},
               {960, 480, 64, 80}, {1440, 960, 21, 100}, {2880, 720, 61, 80}};
  for (size_t i = 0; i < std::size(kWant); ++i) {
    EXPECT_EQ(p.notes[i].start, kWant[i].start) << i;
    EXPECT_EQ(p.notes[i].length, kWant[i].length) << i;
    EXPECT_EQ(p.notes[i].key, kWant[i].key) << i;
    EXPECT_EQ(p.notes[i].velocity, kWant[i].velocity) << i;
  }
}

TEST(MusicFiles, BadNoteTextsAreRefusedWithTheirLine) {
  const std::string parts = "metre 4 4\npart 1 name A\npart 2 name B\n";
  const struct {
    std::string text;
    const char* message;
  } kCases[] = {
      {parts + "1: | c4/4 d4 e4 |\n2: | c4/1 |\n",
       "x:4: a bar ending at beat 3 does not fill its metre"},
      {parts + "1: | c4/1 | d4/4\n2: | c4/1 |\n", "x:4: the line does not end on a bar"},
      {parts + "3: | c4/1 |\n", "x:4: no part on channel '3'"},
      {parts + "1: | h4/1 |\n", "x:4: bad pitch 'h4'"},
      {parts + "1: | c4/3 |\n", "x:4: bad note value in 'c4/3'"},
      {parts + "1: | /4 c4 d4 e4 |\n", "x:4: a note value without a pitch"},
      {parts + "1 3: | c4/1 |\n", "x:4: a repeat is written x<count>, not '3'"},
      {parts + "1: | c4/1 |\n2 x2: | c4/1 |\n",
       "x: part 'B' is 3840 ticks long, the first part 1920"},
      {"part 1 program 129 name A\n", "x:1: bad part setting 'program 129'"},
      {"part 1 name A\npart 1 name B\n", "x:2: channel given twice"},
      {"part 1 name A\n1: | c4/1 |\npart 2 name B\n", "x:3: parts come before the notes"},
      {"tempo 5\n", "x:1: tempo needs quarter notes a minute, 20..300"},
      {"metre 3 5\n", "x:1: metre needs beats a bar and a beat of 2, 4 or 8"},
      {"tempo 90\n", "x: the track has no parts"},
  };
  for (const auto& c : kCases) {
    Track t;
    Status s = ParseTrack(c.text, "x", t);
    EXPECT_FALSE(s) << c.text;
    EXPECT_EQ(s.Message(), c.message) << c.text;
  }
}

}  // namespace
}  // namespace gm::music
