// The Standard MIDI File writer: header, the tempo track and one track a part, events timed by
// variable-length deltas.
#include <algorithm>

#include "tools/music/track_text.hpp"

namespace gm::music {

namespace {

struct Event {
  uint32_t tick;
  int order;  // at one tick: settings first, then note ends, then note starts
  std::vector<uint8_t> bytes;
};

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(v >> shift));
}

void PutDelta(std::vector<uint8_t>& out, uint32_t v) {
  uint8_t groups[5];
  int n = 0;
  do {
    groups[n++] = uint8_t(v & 0x7F);
    v >>= 7;
  } while (v != 0);
  while (n > 1) out.push_back(uint8_t(groups[--n] | 0x80));
  out.push_back(groups[0]);
}

std::vector<uint8_t> Meta(uint8_t type, const std::vector<uint8_t>& data) {
  std::vector<uint8_t> e{0xFF, type};
  PutDelta(e, uint32_t(data.size()));
  e.insert(e.end(), data.begin(), data.end());
  return e;
}

std::vector<uint8_t> Text(const std::string& s) {
  return std::vector<uint8_t>(s.begin(), s.end());
}

// One "MTrk" chunk of the events, in time order, closed by the end-of-track event.
void PutTrack(std::vector<uint8_t>& out, std::vector<Event> events, uint32_t end) {
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  std::vector<uint8_t> body;
  uint32_t now = 0;
  for (const Event& e : events) {
    PutDelta(body, e.tick - now);
    now = e.tick;
    body.insert(body.end(), e.bytes.begin(), e.bytes.end());
  }
  PutDelta(body, end > now ? end - now : 0);
  body.insert(body.end(), {0xFF, 0x2F, 0x00});
  out.insert(out.end(), {'M', 'T', 'r', 'k'});
  Put32(out, uint32_t(body.size()));
  out.insert(out.end(), body.begin(), body.end());
}

}  // namespace

std::vector<uint8_t> WriteMidiFile(const Track& track) {
  std::vector<uint8_t> out{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
  const size_t tracks = track.parts.size() + 1;
  out.insert(out.end(), {uint8_t(tracks >> 8), uint8_t(tracks), uint8_t(kTicksPerQuarter >> 8),
                         uint8_t(kTicksPerQuarter & 0xFF)});
  const uint32_t end = track.parts.empty() ? 0 : track.parts.front().end;

  const uint32_t usPerQuarter = uint32_t(60000000 / track.tempo);
  uint8_t unitPower = 0;
  while ((1 << unitPower) < track.beatUnit) ++unitPower;
  PutTrack(out,
           {{0, 0, Meta(0x03, Text(track.title))},
            {0, 0, Meta(0x58, {uint8_t(track.beats), unitPower, 24, 8})},
            {0, 0,
             Meta(0x51, {uint8_t(usPerQuarter >> 16), uint8_t(usPerQuarter >> 8),
                         uint8_t(usPerQuarter)})}},
           end);

  for (const Part& p : track.parts) {
    const uint8_t ch = uint8_t(p.channel - 1);
    std::vector<Event> events{{0, 0, Meta(0x03, Text(p.name))},
                              {0, 0, {uint8_t(0xC0 | ch), uint8_t(p.program - 1)}},
                              {0, 0, {uint8_t(0xB0 | ch), 7, uint8_t(p.volume)}},
                              {0, 0, {uint8_t(0xB0 | ch), 10, uint8_t(p.pan)}}};
    for (const Note& n : p.notes) {
      // Released a little early, so repeated notes are heard as separate strokes.
      const uint32_t off = n.start + n.length - std::min<uint32_t>(n.length / 8, 30);
      events.push_back({n.start, 2, {uint8_t(0x90 | ch), n.key, n.velocity}});
      events.push_back({off, 1, {uint8_t(0x80 | ch), n.key, 0}});
    }
    PutTrack(out, std::move(events), end);
  }
  return out;
}

}  // namespace gm::music
