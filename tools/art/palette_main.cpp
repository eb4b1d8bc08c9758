// gravmark-palette: the 8-bit display's palette fitted to the art of the catalogue.
//   gravmark-palette <catalogue.txt> <palette.inc out>
// Writes the 256 entries as C++ initialisers, which src/media compiles in.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "tools/art/palette_fit.hpp"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: gravmark-palette <catalogue.txt> <palette.inc>\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "gravmark-palette: cannot read %s\n", argv[1]);
    return 1;
  }
  std::ostringstream text;
  text << in.rdbuf();
  try {
    const auto items = gm::art::ParseCatalogue(text.str(), argv[1]);
    const std::string source =
        gm::art::PaletteSource(gm::art::FitPalette(gm::art::CountArtColours(items)));
    // Written beside the target and renamed over it, so a failed run leaves no half file.
    const std::string temp = std::string(argv[2]) + ".tmp";
    {
      std::ofstream out(temp, std::ios::binary | std::ios::trunc);
      if (!out.write(source.data(), std::streamsize(source.size()))) {
        std::fprintf(stderr, "gravmark-palette: cannot write %s\n", argv[2]);
        return 1;
      }
    }
    std::error_code ec;
    std::filesystem::rename(temp, argv[2], ec);
    if (ec) {
      std::fprintf(stderr, "gravmark-palette: cannot write %s\n", argv[2]);
      return 1;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "gravmark-palette: %s\n", e.what());
    return 1;
  }
  return 0;
}
