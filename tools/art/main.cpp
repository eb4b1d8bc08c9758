// gravmark-art: builds the image archives from the art catalogue.
//   gravmark-art <catalogue.txt> <graphic.dxg out> <techn.dxg out> [<sheet prefix>]
// With a sheet prefix it also writes <prefix>graphic.png and <prefix>techn.png for review.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "tools/art/art_build.hpp"

namespace {

// Written beside the target and renamed over it, so a failed build leaves no half archive.
bool WriteFile(const std::string& out, const std::vector<uint8_t>& bytes) {
  const std::string temp = out + ".tmp";
  {
    std::ofstream file(temp, std::ios::binary | std::ios::trunc);
    if (!file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size())))
      return false;
  }
  std::error_code ec;
  std::filesystem::rename(temp, out, ec);
  return !ec;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 && argc != 5) {
    std::fprintf(
        stderr, "usage: gravmark-art <catalogue.txt> <graphic.dxg> <techn.dxg> [<sheet prefix>]\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "gravmark-art: cannot read %s\n", argv[1]);
    return 1;
  }
  std::ostringstream text;
  text << in.rdbuf();
  try {
    const auto items = gm::art::ParseCatalogue(text.str(), argv[1]);
    const char* names[] = {"graphic", "techn"};
    for (int a = 0; a < 2; ++a) {
      if (!WriteFile(argv[2 + a], gm::art::BuildArchive(items, names[a]))) {
        std::fprintf(stderr, "gravmark-art: cannot write %s\n", argv[2 + a]);
        return 1;
      }
      if (argc == 5 &&
          !gm::art::WriteContactSheet(items, names[a], std::string(argv[4]) + names[a] + ".png")) {
        std::fprintf(stderr, "gravmark-art: cannot write the contact sheet\n");
        return 1;
      }
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "gravmark-art: %s\n", e.what());
    return 1;
  }
  return 0;
}
