// The whole scenario build: source data in, a filled world and its worked-out theatre out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/status.hpp"
#include "tools/scenario/theatre.hpp"
#include "world/world.hpp"

namespace gm::scenario {

struct BuildResult {
  Theatre theatre;
  std::vector<std::uint16_t> tiles;  // theatre cells, row by row from row 30
  int towns = 0;
  int airfields = 0;
};

// Reads tools/scenario/data from `dataDir` and fills the all-zero world `w`.
Status BuildScenario(const std::string& dataDir, World& w, BuildResult& result);

}  // namespace gm::scenario
