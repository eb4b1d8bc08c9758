// RIFF WAVE reading and writing, and PCM decoding for the mixer.
#include "media/wave.hpp"

#include <cstring>

#include "media/media_error.hpp"

namespace gm {

namespace {

bool Is(std::span<const uint8_t> b, const char* id) {
  return std::memcmp(b.data(), id, 4) == 0;
}

}  // namespace

void TWave::ReadRiff(ByteReader& in) {
  if (in.Remaining() < 12) throw EWaveStreamError(std::string(kWaveInvalid));
  auto riff = in.Bytes(4);
  in.U32();  // RIFF size: not used
  auto wave = in.Bytes(4);
  if (!Is(riff, "RIFF") || !Is(wave, "WAVE")) throw EWaveStreamError(std::string(kWaveInvalid));
  std::vector<uint8_t> format;
  std::span<const uint8_t> data;
  // Chunks follow each other with no pad byte; a short chunk header ends the walk.
  while (in.Remaining() >= 8) {
    auto id = in.Bytes(4);
    const uint32_t size = in.U32();
    if (id[0] == 0 && id[1] == 0 && id[2] == 0 && id[3] == 0) break;
    if (Is(id, "fmt ")) {
      auto b = in.Bytes(size);
      format.assign(b.begin(), b.end());
    } else if (Is(id, "data")) {
      data = in.Bytes(size);
    } else if (size <= in.Remaining()) {
      in.Skip(size);
    } else {
      break;  // a chunk running past the end: nothing readable follows it
    }
  }
  Format = std::move(format);
  Data.assign(data.begin(), data.end());
}

void TWave::WriteRiff(ByteWriter& out) const {
  out.Text("RIFF");
  out.U32(uint32_t(4 + 8 + Format.size() + 8 + Data.size()));
  out.Text("WAVE");
  out.Text("fmt ");
  out.U32(uint32_t(Format.size()));
  out.Bytes(Format);
  out.Text("data");
  out.U32(uint32_t(Data.size()));
  out.Bytes(Data);
}

std::optional<PcmFormat> TWave::Pcm() const {
  if (Format.size() < 16) return std::nullopt;
  ByteReader r(Format);
  PcmFormat f;
  f.formatTag = r.U16();
  f.channels = r.U16();
  f.samplesPerSec = r.U32();
  f.avgBytesPerSec = r.U32();
  f.blockAlign = r.U16();
  f.bitsPerSample = r.U16();
  return f;
}

std::vector<int16_t> TWave::SamplesS16() const {
  std::vector<int16_t> out;
  auto f = Pcm();
  if (!f || f->formatTag != 1 || f->channels == 0) return out;
  if (f->bitsPerSample == 8) {
    out.reserve(Data.size());
    for (uint8_t b : Data) out.push_back(int16_t((int(b) - 128) << 8));
  } else if (f->bitsPerSample == 16) {
    out.reserve(Data.size() / 2);
    for (size_t i = 0; i + 1 < Data.size(); i += 2) {
      out.push_back(int16_t(Data[i] | (Data[i + 1] << 8)));
    }
  }
  return out;
}

void TWave::SetPcm(uint16_t channels, uint32_t rate, uint16_t bits,
                   const std::vector<int16_t>& samples) {
  const uint16_t blockAlign = uint16_t(channels * (bits / 8));
  ByteWriter fmt;
  fmt.U16(1);
  fmt.U16(channels);
  fmt.U32(rate);
  fmt.U32(rate * blockAlign);
  fmt.U16(blockAlign);
  fmt.U16(bits);
  Format = fmt.Data();
  Data.clear();
  for (int16_t s : samples) {
    if (bits == 8) {
      Data.push_back(uint8_t((s >> 8) + 128));
    } else {
      Data.push_back(uint8_t(s));
      Data.push_back(uint8_t(uint16_t(s) >> 8));
    }
  }
}

}  // namespace gm
