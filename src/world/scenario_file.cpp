// The scenario file, read whole and validated before it replaces the world.
#include "world/scenario_file.hpp"

#include <cstdint>
#include <vector>

#include "world/world_file.hpp"

namespace gm {

std::string ScenarioPath(const FileSystem& fs) {
  return fs.ProgramFolder() + "data/evrasia.scn";
}

Status LoadScenario(World& w, const FileSystem& fs) {
  const std::string path = ScenarioPath(fs);
  std::vector<std::uint8_t> bytes;
  if (Status s = ReadWorldFile(fs, path, bytes); !s) return s;
  return DecodeWorldFile(bytes, WorldFileKind::kScenario, path, w);
}

}  // namespace gm
