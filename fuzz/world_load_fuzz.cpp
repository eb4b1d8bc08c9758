// Fuzzes the loader's in-memory path: any bytes either load into a consistent world or are
// refused with the world untouched.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "world/formation_check.hpp"
#include "world/tables/tables.hpp"
#include "world/world_file.hpp"

namespace {

using gm::World;
using gm::WorldFileKind;

void Require(bool ok) {
  if (!ok) std::abort();
}

// Raw input rarely has the exact length; shaped input builds a file of the length its header
// asks for from a compact prefix (map size, counts, date, sides, folded near their limits so that
// most files pass the header), the rest of the file repeating the remaining input.
std::vector<std::uint8_t> Shape(const std::uint8_t* data, std::size_t size, WorldFileKind kind) {
  std::uint8_t key[13] = {};
  std::memcpy(key, data, std::min(size, sizeof key));
  auto word = [&](int at) { return static_cast<std::uint16_t>(key[at] | key[at + 1] << 8); };
  gm::TGameHeader h{};
  // Saves stay small so that runs are quick; a scenario always stores the whole map.
  h.MapWidth = word(0) % 41;
  h.MapHeight = word(2) % 41;
  h.FormationCount = word(4) % 301;
  h.SettlementCount = word(6) % 301;
  h.Day = key[8] % 33;
  h.Month = key[9] % 14;
  h.Year = static_cast<std::uint16_t>(1938 + key[10] % 9);
  h.SideOnMove = key[11] % 3;
  h.OpeningCoalition = key[12] % 3;
  const std::size_t used = std::min(size, sizeof key);
  data += used;
  size -= used;
  std::vector<std::uint8_t> file(gm::WorldFileSize(h, kind));
  std::memcpy(file.data(), &h, sizeof h);
  for (std::size_t i = sizeof h; i < file.size(); ++i) {
    file[i] = size ? data[(i - sizeof h) % size] : 0;
  }
  return file;
}

void CheckConsistent(const World& w) {
  for (const gm::TFormation& f : w.Formations) {
    if (f.Branch == 0) continue;
    Require(!gm::FormationRecordFails(f));
    Require(f.Branch <= 2 && f.FormationType <= gm::kFormationTypeRows &&
            gm::FormationTypes[f.FormationType].Nation != 0);
  }
  for (const gm::TMapCell& c : w.MapCells) {
    Require(c.Terrain < gm::kTerrainTileCount);
    Require(c.GroundFormation == 0 || w.Formations[c.GroundFormation - 1].Branch != 0);
    Require(c.AirFormation == 0 || w.Formations[c.AirFormation - 1].Branch != 0);
    Require(c.Settlement <= w.GameHeader.SettlementCount);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // `before` always equals `world` between runs.
  static auto world = std::make_unique<World>();
  static auto before = std::make_unique<World>();
  if (size == 0) return 0;
  const bool shaped = data[0] & 1;
  // Shaped scenarios (4 MB each) are drawn one time in eight to keep the pace up.
  const WorldFileKind kind = (shaped ? (data[0] & 14) == 14 : (data[0] & 2))
                                 ? WorldFileKind::kScenario
                                 : WorldFileKind::kSave;
  ++data;
  --size;
  std::vector<std::uint8_t> file =
      shaped ? Shape(data, size, kind) : std::vector<std::uint8_t>(data, data + size);

  if (!gm::DecodeWorldFile(file, kind, "fuzz", *world)) {
    Require(std::memcmp(before.get(), world.get(), sizeof(World)) == 0);
    return 0;
  }
  CheckConsistent(*world);
  // What loaded saves again into a file that loads to the same world.
  std::vector<std::uint8_t> again;
  Require(static_cast<bool>(gm::EncodeWorldFile(*world, kind, again)));
  std::memcpy(static_cast<void*>(before.get()), world.get(), sizeof(World));
  Require(static_cast<bool>(gm::DecodeWorldFile(again, kind, "fuzz", *world)));
  Require(std::memcmp(before.get(), world.get(), sizeof(World)) == 0);
  return 0;
}
