// Worlds to fight on at scale: the built scenario, given formations when its map has none, and
// the synthetic full-size world. Shared by the fight invariant tests and the assault benchmark.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/world_builders.hpp"
#include "tests/world/synthetic_world.hpp"
#include "world/tables/tables.hpp"
#include "world/world.hpp"
#include "world/world_access.hpp"
#include "world/world_file.hpp"

namespace gm::testing {

// Gives a map without formations the synthetic world's records, packed row by row into the
// passable cells of a block of the theatre, so that many stand beside an enemy.
inline void PackSyntheticFormations(World& w) {
  const auto synthetic = MakeSyntheticWorld({.usedFormations = 3000});
  for (TMapCell& c : w.MapCells) c.GroundFormation = c.AirFormation = 0;
  w.Formations = synthetic->Formations;
  int x = 120, y = 120;
  auto next = [&] {
    if (++x > 239) {
      x = 120;
      ++y;
    }
  };
  for (int n = 1; n <= kMaxFormations; ++n) {
    TFormation& f = Formation(w, n);
    if (f.Branch == 0) continue;
    while (y <= kTheatreMaxY && TerrainTiles[Cell(w, x, y).Terrain].MoveCost == 255) next();
    if (y > kTheatreMaxY) {
      f = TFormation{};
      continue;
    }
    TMapCell& c = Cell(w, x, y);
    (f.Branch == 2 ? c.AirFormation : c.GroundFormation) = static_cast<std::uint16_t>(n);
    f.X = f.xCopy = static_cast<std::uint16_t>(x);
    f.Y = f.yCopy = static_cast<std::uint16_t>(y);
    // Air formations share a cell with the next ground formation.
    if (f.Branch == 1) next();
  }
}

// The built scenario at `path`, with formations packed in when it has none; nullptr when the
// file is missing or does not load.
inline std::unique_ptr<World> LoadFightScenario(const std::string& path, bool* packed = nullptr) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return nullptr;
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
  auto w = std::make_unique<World>();
  if (!DecodeWorldFile(bytes, WorldFileKind::kScenario, path, *w).IsOk()) return nullptr;
  bool hasGround = false;
  for (const TFormation& f : w->Formations) hasGround = hasGround || f.Branch == 1;
  if (!hasGround) PackSyntheticFormations(*w);
  if (packed != nullptr) *packed = !hasGround;
  testing::SetCoalitions(*w);
  return w;
}

}  // namespace gm::testing
