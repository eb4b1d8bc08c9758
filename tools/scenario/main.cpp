// gravmark-scenario: builds data/evrasia.scn and its review picture from tools/scenario/data.
//   gravmark-scenario <data dir> <scenario out> <picture out>
//   gravmark-scenario --catalogue <text out>   (the tile catalogue, one tile a line)
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

#include "tools/scenario/order_of_battle.hpp"
#include "tools/scenario/picture.hpp"
#include "tools/scenario/scenario_build.hpp"
#include "tools/tiles/tile_catalogue.hpp"
#include "world/world_file.hpp"

namespace {

// Written beside the target and renamed over it, so that a failed build leaves no half file.
bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::string temp = path + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size())))
      return false;
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  return !ec;
}

int WriteCatalogue(const std::string& path) {
  std::string text = "# Terrain tiles 0..674: what each picture shows.\n";
  for (int t = 0; t < gm::tiles::kTileCount; ++t) text += gm::tiles::DescribeTile(t) + "\n";
  if (!WriteFile(path, std::vector<std::uint8_t>(text.begin(), text.end()))) {
    std::fprintf(stderr, "gravmark-scenario: cannot write %s\n", path.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--catalogue") return WriteCatalogue(argv[2]);
  if (argc != 4) {
    std::fprintf(stderr, "usage: gravmark-scenario <data dir> <scenario out> <picture out>\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  auto world = std::make_unique<gm::World>();
  gm::scenario::BuildResult result;
  if (gm::Status s = gm::scenario::BuildScenario(argv[1], *world, result); !s) {
    std::fprintf(stderr, "gravmark-scenario: %s\n", s.Message().c_str());
    return 1;
  }
  std::vector<std::uint8_t> bytes;
  if (gm::Status s = gm::EncodeWorldFile(*world, gm::WorldFileKind::kScenario, bytes); !s) {
    std::fprintf(stderr, "gravmark-scenario: %s\n", s.Message().c_str());
    return 1;
  }
  if (gm::Status s = gm::ValidateWorldFile(bytes, gm::WorldFileKind::kScenario, argv[2]); !s) {
    std::fprintf(stderr, "gravmark-scenario: the built scenario fails the loader's checks: %s\n",
                 s.Message().c_str());
    return 1;
  }
  if (!WriteFile(argv[2], bytes)) {
    std::fprintf(stderr, "gravmark-scenario: cannot write %s\n", argv[2]);
    return 1;
  }
  auto rgb = gm::scenario::DrawTheatre(result.theatre, result.tiles);
  gm::scenario::MarkFormations(*world, rgb);
  if (!WriteFile(argv[3], gm::scenario::EncodePng(gm::scenario::kPictureWidth,
                                                  gm::scenario::kPictureHeight, rgb))) {
    std::fprintf(stderr, "gravmark-scenario: cannot write %s\n", argv[3]);
    return 1;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("gravmark-scenario: %d towns, %d airfields, %.2f s\n", result.towns, result.airfields,
              seconds);
  return 0;
}
