// Fuzz target: RIFF wave reader and sample decoding.
#include <cstddef>
#include <cstdint>

#include "media/media_error.hpp"
#include "media/wave.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  gm::TWave wave;
  gm::ByteReader in(std::span<const uint8_t>(data, size));
  try {
    wave.ReadRiff(in);
  } catch (const gm::MediaError&) {
    return 0;
  }
  (void)wave.Pcm();
  (void)wave.SamplesS16();
  gm::ByteWriter out;
  wave.WriteRiff(out);
  return 0;
}
