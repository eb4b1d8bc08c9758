// Reads a screenshot of the virtual display (xwd's format, 24 or 32 bits a pixel) for the real
// window test: the game's frame, shown at LEFT, TOP in WIDTH x HEIGHT screen pixels (a window at
// another size than 800 x 600 scales it), is taken back to 800 x 600 by nearest pixel and written
// as PNG for people to look at, and a checksum of the frame's middle (x 110..689, y 60..359: the
// title picture, the map or a page's window, without the title's moving parade, the sidebar or
// the panel below; or of the frame's AREA when given) and the colour of one frame pixel are
// printed for the test to compare.
//
//   xwd_frame SHOT.xwd LEFT TOP WIDTH HEIGHT PIXEL_X PIXEL_Y [OUT.png|-] [AREA]
//   AREA: left,top,right,bottom in frame pixels (right and bottom outside it)
//   prints: <checksum in hex> <pixel as rrggbb>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/headless/png_writer.hpp"

namespace {

constexpr int kFrameWidth = 800;
constexpr int kFrameHeight = 600;

std::uint32_t BigWord(const std::vector<std::uint8_t>& d, std::size_t at) {
  return (std::uint32_t{d[at]} << 24) | (std::uint32_t{d[at + 1]} << 16) |
         (std::uint32_t{d[at + 2]} << 8) | std::uint32_t{d[at + 3]};
}

struct Shot {
  std::vector<std::uint8_t> bytes;
  std::size_t pixels = 0;  // where the pixels start
  std::uint32_t width = 0, height = 0, bitsPerPixel = 0, bytesPerLine = 0;
  bool lsbFirst = true;

  bool Read(const char* file) {
    std::ifstream in(file, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (bytes.size() < 100) return false;
    const std::uint32_t header = BigWord(bytes, 0);
    width = BigWord(bytes, 16);
    height = BigWord(bytes, 20);
    lsbFirst = BigWord(bytes, 28) == 0;
    bitsPerPixel = BigWord(bytes, 44);
    bytesPerLine = BigWord(bytes, 48);
    const std::uint32_t colours = BigWord(bytes, 76);
    pixels = std::size_t{header} + 12u * colours;
    return (bitsPerPixel == 24 || bitsPerPixel == 32) &&
           pixels + std::size_t{bytesPerLine} * height <= bytes.size();
  }

  // The pixel at (x, y) of the screen as 0xRRGGBB; black outside the screen.
  std::uint32_t At(int x, int y) const {
    if (x < 0 || y < 0 || x >= static_cast<int>(width) || y >= static_cast<int>(height)) return 0;
    const std::size_t step = bitsPerPixel / 8;
    const std::uint8_t* p = &bytes[pixels + std::size_t{bytesPerLine} * y + step * x];
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < step; ++i) {
      const std::size_t k = lsbFirst ? i : step - 1 - i;
      v |= std::uint32_t{p[k]} << (8 * i);
    }
    return v & 0xFFFFFF;
  }
};

}  // namespace

int main(int argc, char** argv) {
  int area[4] = {110, 60, 690, 360};
  if (argc == 10 &&
      std::sscanf(argv[9], "%d,%d,%d,%d", &area[0], &area[1], &area[2], &area[3]) != 4) {
    argc = 0;
  }
  if (argc < 8 || argc > 10) {
    std::fputs(
        "usage: xwd_frame SHOT.xwd LEFT TOP WIDTH HEIGHT PIXEL_X PIXEL_Y [OUT.png|-] [AREA]\n",
        stderr);
    return 2;
  }
  Shot shot;
  if (!shot.Read(argv[1])) {
    std::fprintf(stderr, "xwd_frame: %s is no screenshot of 24 or 32 bits a pixel\n", argv[1]);
    return 1;
  }
  const int left = std::stoi(argv[2]), top = std::stoi(argv[3]);
  const int width = std::max(std::stoi(argv[4]), 1), height = std::max(std::stoi(argv[5]), 1);
  // A screen pixel that shows frame pixel (x, y): the first one the game scales it to.
  const auto at = [&](int x, int y) {
    return shot.At(left + (x * width + kFrameWidth - 1) / kFrameWidth,
                   top + (y * height + kFrameHeight - 1) / kFrameHeight);
  };
  std::vector<std::uint8_t> rgb;
  rgb.reserve(std::size_t{kFrameWidth} * kFrameHeight * 3);
  std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (int y = 0; y < kFrameHeight; ++y) {
    for (int x = 0; x < kFrameWidth; ++x) {
      const std::uint32_t v = at(x, y);
      rgb.push_back(static_cast<std::uint8_t>(v >> 16));
      rgb.push_back(static_cast<std::uint8_t>(v >> 8));
      rgb.push_back(static_cast<std::uint8_t>(v));
      if (x >= area[0] && x < area[2] && y >= area[1] && y < area[3]) {
        hash = (hash ^ v) * 1099511628211ull;
      }
    }
  }
  if (argc >= 9 && std::string(argv[8]) != "-") {
    if (gm::Status s = gm::WritePng(argv[8], kFrameWidth, kFrameHeight, rgb); !s) {
      std::fprintf(stderr, "xwd_frame: %s\n", s.Message().c_str());
      return 1;
    }
  }
  std::printf("%016llx %06x\n", static_cast<unsigned long long>(hash),
              at(std::stoi(argv[6]), std::stoi(argv[7])));
  return 0;
}
