// Wave data of the sound archive: the format record and the samples of one sound, read from and
// written to RIFF WAVE files, with the samples decoded for the mixer.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "media/byte_stream.hpp"

namespace gm {

// The fields of a PCM wave format record ("fmt " chunk).
struct PcmFormat {
  uint16_t formatTag = 1;
  uint16_t channels = 1;
  uint32_t samplesPerSec = 22050;
  uint32_t avgBytesPerSec = 0;
  uint16_t blockAlign = 0;
  uint16_t bitsPerSample = 16;
};

class TWave {
 public:
  std::vector<uint8_t> Format;  // the wave format record as stored
  std::vector<uint8_t> Data;    // the sample bytes

  int32_t Size() const { return int32_t(Data.size()); }
  int32_t FormatSize() const { return int32_t(Format.size()); }
  bool Empty() const { return Data.empty(); }
  void Clear() {
    Format.clear();
    Data.clear();
  }

  // Reads a RIFF WAVE file from the reader's block; raises "Wave is invalid" or "Stream read
  // error". The wave stays as it was when this fails.
  void ReadRiff(ByteReader& in);
  void WriteRiff(ByteWriter& out) const;

  // The format as PCM fields, when the record is long enough to hold them.
  std::optional<PcmFormat> Pcm() const;
  // Samples as signed 16-bit, channels interleaved; empty unless 8- or 16-bit PCM.
  std::vector<int16_t> SamplesS16() const;
  // Makes a PCM wave from 16-bit samples (8-bit stores them unsigned, as RIFF does).
  void SetPcm(uint16_t channels, uint32_t rate, uint16_t bits, const std::vector<int16_t>& samples);
};

}  // namespace gm
