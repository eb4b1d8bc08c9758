// gravmark-music: renders the ten music tracks data/001.mid .. data/010.mid from their texts.
//   gravmark-music <tracks dir> <out dir>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/music/track_text.hpp"

namespace {

constexpr int kTrackCount = 10;

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  // Written beside the target and renamed over it, so a failed build leaves no half file.
  const std::string temp = path + ".tmp";
  {
    std::ofstream file(temp, std::ios::binary | std::ios::trunc);
    if (!file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()))) {
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  return !ec;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: gravmark-music <tracks dir> <out dir>\n");
    return 2;
  }
  for (int i = 1; i <= kTrackCount; ++i) {
    char name[8];
    std::snprintf(name, sizeof name, "%03d", i);
    const std::string textPath = std::string(argv[1]) + "/" + name + ".txt";
    std::ifstream in(textPath, std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "gravmark-music: cannot read %s\n", textPath.c_str());
      return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    gm::music::Track track;
    if (gm::Status s = gm::music::ParseTrack(text.str(), textPath, track); !s) {
      std::fprintf(stderr, "gravmark-music: %s\n", s.Message().c_str());
      return 1;
    }
    const std::string outPath = std::string(argv[2]) + "/" + name + ".mid";
    if (!WriteFile(outPath, gm::music::WriteMidiFile(track))) {
      std::fprintf(stderr, "gravmark-music: cannot write %s\n", outPath.c_str());
      return 1;
    }
  }
  return 0;
}
