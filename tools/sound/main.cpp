// gravmark-sounds: builds the sound archive data/snd_eng.dxw from the effect recipes.
//   gravmark-sounds <effects.txt> <archive out>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/sound/synth.hpp"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: gravmark-sounds <effects.txt> <archive out>\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "gravmark-sounds: cannot read %s\n", argv[1]);
    return 1;
  }
  std::ostringstream text;
  text << in.rdbuf();
  std::vector<gm::sound::Effect> effects;
  if (gm::Status s = gm::sound::ParseEffects(text.str(), argv[1], effects); !s) {
    std::fprintf(stderr, "gravmark-sounds: %s\n", s.Message().c_str());
    return 1;
  }
  const std::vector<uint8_t> bytes = gm::sound::BuildSoundArchive(effects);
  // Written beside the target and renamed over it, so a failed build leaves no half archive.
  const std::string out = argv[2], temp = out + ".tmp";
  {
    std::ofstream file(temp, std::ios::binary | std::ios::trunc);
    if (!file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()))) {
      std::fprintf(stderr, "gravmark-sounds: cannot write %s\n", temp.c_str());
      return 1;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, out, ec);
  if (ec) {
    std::fprintf(stderr, "gravmark-sounds: cannot write %s: %s\n", out.c_str(),
                 ec.message().c_str());
    return 1;
  }
  return 0;
}
