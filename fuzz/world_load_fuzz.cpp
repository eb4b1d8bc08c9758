// Fuzzes the loader's in-memory path: any bytes either load into a world that passes the
// whole-world check and saves and loads again unchanged, or are refused with the world untouched.
//
// Pace: validation builds the world a file would load into in a scratch world kept from run to
// run; the loader builds it again in a fresh one and, when it passes, moves it into the world
// (passes over the whole 7.5 MB, slow under the fuzzer's instrumentation). So every input is
// validated, one refused input in 8 also goes through the loader to show the world untouched,
// and files that pass are loaded in full for one input in 128; both picked by a hash of the
// input so that a failure always reproduces. One world serves every run.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "world/world_check.hpp"
#include "world/world_file.hpp"

namespace {

using gm::World;
using gm::WorldFileKind;

void Require(bool ok) {
  if (!ok) std::abort();
}

// Raw input rarely has the length its header asks for; shaped input builds into `file` one of the
// length its header asks for from a compact prefix (map size, counts, date, sides, folded near
// their limits so that most files pass the header, and a few bytes after the economy block), the
// rest repeating the remaining input. Saves keep small maps and counts, as their header allows;
// a scenario always stores the whole map, and its header must say so.
void Shape(const std::uint8_t* data, std::size_t size, WorldFileKind kind,
           std::vector<std::uint8_t>& file) {
  std::uint8_t key[14] = {};
  std::memcpy(key, data, std::min(size, sizeof key));
  auto word = [&](int at) { return static_cast<std::uint16_t>(key[at] | key[at + 1] << 8); };
  gm::TGameHeader h{};
  const bool scenario = kind == WorldFileKind::kScenario;
  h.MapWidth = scenario ? gm::kMapWidth : word(0) % 41;
  h.MapHeight = scenario ? gm::kMapHeight : word(2) % 41;
  h.FormationCount = word(4) % 301;
  h.SettlementCount = word(6) % 301;
  h.Day = key[8] % 33;
  h.Month = key[9] % 14;
  h.Year = static_cast<std::uint16_t>(1938 + key[10] % 9);
  h.SideOnMove = key[11] % 3;
  h.OpeningCoalition = key[12] % 3;
  const std::size_t trailing = key[13] % 4 == 0 ? key[13] / 4 : 0;  // bytes after the economy
  const std::size_t used = std::min(size, sizeof key);
  data += used;
  size -= used;
  file.resize(gm::WorldFileSize(h, kind) + trailing);
  std::memcpy(file.data(), &h, sizeof h);
  std::uint8_t* body = file.data() + sizeof h;
  const std::size_t length = file.size() - sizeof h;
  if (size == 0) {
    std::memset(body, 0, length);
    return;
  }
  // The input repeated: whole copies, doubling what is already written.
  const std::size_t first = std::min(size, length);
  std::memcpy(body, data, first);
  for (std::size_t done = first; done < length;) {
    const std::size_t n = std::min(done, length - done);
    std::memcpy(body + done, body, n);
    done += n;
  }
}

// What a refused file must not have changed: every block the loader writes has its first and last
// record here, with the header, the economy and the loaded variables whole.
struct Witness {
  gm::TGameHeader header;
  gm::TEconomy economy;
  gm::TMapCell cells[2];
  gm::TFormation formations[2];
  gm::TSettlement settlements[2];
  std::int32_t view[4];
  std::uint8_t sides[2];

  explicit Witness(const World& w)
      : header(w.GameHeader),
        economy(w.Economy),
        cells{w.MapCells.front(), w.MapCells.back()},
        formations{w.Formations.front(), w.Formations.back()},
        settlements{w.Settlements.front(), w.Settlements.back()},
        view{w.ViewX, w.ViewY, w.MapWidth, w.MapHeight},
        sides{w.SideOnMove, w.OpeningCoalition} {}

  bool operator==(const Witness& o) const {
    auto same = [](const auto& a, const auto& b) { return std::memcmp(&a, &b, sizeof a) == 0; };
    return same(header, o.header) && same(economy, o.economy) && same(cells, o.cells) &&
           same(formations, o.formations) && same(settlements, o.settlements) &&
           same(view, o.view) && same(sides, o.sides);
  }
};

// FNV-1a of the input.
std::uint32_t InputHash(const std::uint8_t* data, std::size_t size) {
  std::uint32_t h = 2166136261u;
  for (std::size_t i = 0; i < size; ++i) h = (h ^ data[i]) * 16777619u;
  return h;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static auto world = std::make_unique<World>();
  static auto scratch = std::make_unique<World>();  // where validation builds a file's world
  static std::vector<std::uint8_t> file;            // keeps its capacity from run to run
  if (size == 0) return 0;
  const std::uint32_t hash = InputHash(data, size);
  const bool loadInFull = (hash >> 8) % 128 == 0;
  const bool refuseInFull = (hash >> 16) % 8 == 0;
  const bool shaped = data[0] & 1;
  // A shaped scenario stores the whole map (4 MB): one input in 256 is one, by its hash, so that
  // the corpus cannot drift towards them.
  const WorldFileKind kind = (shaped ? hash % 256 == 0 : (data[0] & 2) != 0)
                                 ? WorldFileKind::kScenario
                                 : WorldFileKind::kSave;
  ++data;
  --size;
  if (shaped) {
    Shape(data, size, kind, file);
  } else {
    file.assign(data, data + size);
  }

  if (!gm::ValidateWorldFile(file, kind, "fuzz", *scratch)) {
    if (!refuseInFull) return 0;
    const Witness before(*world);
    Require(!gm::DecodeWorldFile(file, kind, "fuzz", *world));
    Require(Witness(*world) == before);
    return 0;
  }
  if (!loadInFull) return 0;
  Require(static_cast<bool>(gm::DecodeWorldFile(file, kind, "fuzz", *world)));
  Require(static_cast<bool>(gm::CheckWholeWorld(*world)));
  // What loaded saves again into a file that loads to the same world: its file image and what
  // the loader sets besides it come back unchanged.
  static std::vector<std::uint8_t> once, twice;
  Require(static_cast<bool>(gm::EncodeWorldFile(*world, kind, once)));
  const Witness loaded(*world);
  Require(static_cast<bool>(gm::DecodeWorldFile(once, kind, "fuzz", *world)));
  Require(static_cast<bool>(gm::EncodeWorldFile(*world, kind, twice)));
  Require(once == twice && Witness(*world) == loaded);
  return 0;
}
