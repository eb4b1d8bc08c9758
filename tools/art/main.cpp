// gravmark-art: builds the image archives from the art catalogue.
//   gravmark-art <catalogue.txt> <graphic.dxg out> <techn.dxg out> [<sheet prefix>]
// With a sheet prefix it also writes <prefix>graphic.png and <prefix>techn.png for review.
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/posix_file_system.hpp"
#include "tools/art/art_build.hpp"

int main(int argc, char** argv) {
  if (argc != 4 && argc != 5) {
    std::fprintf(
        stderr, "usage: gravmark-art <catalogue.txt> <graphic.dxg> <techn.dxg> [<sheet prefix>]\n");
    return 2;
  }
  gm::PosixFileSystem fs;
  std::vector<std::uint8_t> text;
  if (gm::Status s = fs.ReadWholeFile(argv[1], text); !s) {
    std::fprintf(stderr, "gravmark-art: %s\n", s.Message().c_str());
    return 1;
  }
  try {
    const auto items = gm::art::ParseCatalogue(
        std::string_view(reinterpret_cast<const char*>(text.data()), text.size()), argv[1]);
    const char* names[] = {"graphic", "techn"};
    for (int a = 0; a < 2; ++a) {
      // Atomic, so a failed build leaves no half archive.
      if (gm::Status s = fs.WriteFileAtomic(argv[2 + a], gm::art::BuildArchive(items, names[a]));
          !s) {
        std::fprintf(stderr, "gravmark-art: %s\n", s.Message().c_str());
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
