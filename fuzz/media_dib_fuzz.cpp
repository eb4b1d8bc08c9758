// Fuzz target: bitmap picture reader (BMP file and bare picture), RLE expansion and decoding.
#include <cstddef>
#include <cstdint>

#include "media/dib.hpp"
#include "media/media_error.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (bool file : {true, false}) {
    gm::TDIB dib;
    gm::ByteReader in(std::span<const uint8_t>(data, size));
    try {
      if (file) {
        dib.LoadFromStream(in);
      } else {
        dib.ReadData(in);
      }
    } catch (const gm::MediaError&) {
      continue;
    }
    if (int64_t(dib.Width()) * dib.Height() > (1 << 22)) continue;
    (void)dib.DecodeRgb();
    if (!dib.Empty()) {
      dib.ScanLine(0)[0] ^= 1;  // forces the private, expanded copy
      gm::ByteWriter out;
      dib.WriteData(out);
    }
  }
  return 0;
}
