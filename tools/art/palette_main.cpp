// gravmark-palette: the 8-bit display's palette fitted to the art of the catalogue.
//   gravmark-palette <catalogue.txt> <palette.inc out>
// Writes the 256 entries as C++ initialisers, which src/media compiles in.
#include <cstdint>
#include <cstdio>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/posix_file_system.hpp"
#include "tools/art/palette_fit.hpp"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: gravmark-palette <catalogue.txt> <palette.inc>\n");
    return 2;
  }
  gm::PosixFileSystem fs;
  std::vector<std::uint8_t> text;
  if (gm::Status s = fs.ReadWholeFile(argv[1], text); !s) {
    std::fprintf(stderr, "gravmark-palette: %s\n", s.Message().c_str());
    return 1;
  }
  try {
    const auto items = gm::art::ParseCatalogue(
        std::string_view(reinterpret_cast<const char*>(text.data()), text.size()), argv[1]);
    const std::string source =
        gm::art::PaletteSource(gm::art::FitPalette(gm::art::CountArtColours(items)));
    // Atomic, so a failed run leaves no half file.
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(source.data()), source.size());
    if (gm::Status s = fs.WriteFileAtomic(argv[2], bytes); !s) {
      std::fprintf(stderr, "gravmark-palette: %s\n", s.Message().c_str());
      return 1;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "gravmark-palette: %s\n", e.what());
    return 1;
  }
  return 0;
}
