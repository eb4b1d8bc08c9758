// PNG encoding with zlib: signature, IHDR (8-bit RGB), one IDAT, IEND.
#include "platform/headless/png_writer.hpp"

#include <zlib.h>

#include <fstream>

namespace gm {

namespace {

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v >> 24));
  out.push_back(static_cast<std::uint8_t>(v >> 16));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
  out.push_back(static_cast<std::uint8_t>(v));
}

void PutChunk(std::vector<std::uint8_t>& out, const char* type,
              const std::vector<std::uint8_t>& data) {
  PutU32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  uLong crc = crc32(0L, Z_NULL, 0);
  crc = crc32(crc, out.data() + start, static_cast<uInt>(out.size() - start));
  PutU32(out, static_cast<std::uint32_t>(crc));
}

}  // namespace

std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint8_t>& rgb) {
  std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> header;
  PutU32(header, static_cast<std::uint32_t>(width));
  PutU32(header, static_cast<std::uint32_t>(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter, no interlace
  PutChunk(out, "IHDR", header);

  // Each row starts with filter type 0 (none).
  const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
  std::vector<std::uint8_t> raw;
  raw.reserve((rowBytes + 1) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);
    const auto* row = rgb.data() + rowBytes * static_cast<std::size_t>(y);
    raw.insert(raw.end(), row, row + rowBytes);
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<std::uint8_t> packed(packedSize);
  compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 6);
  packed.resize(packedSize);
  PutChunk(out, "IDAT", packed);
  PutChunk(out, "IEND", {});
  return out;
}

Status WritePng(const std::filesystem::path& file, int width, int height,
                const std::vector<std::uint8_t>& rgb) {
  if (width < 1 || height < 1 ||
      rgb.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3) {
    return Status::Error("picture has no pixels");
  }
  const auto bytes = EncodePng(width, height, rgb);
  std::ofstream f(file, std::ios::binary | std::ios::trunc);
  if (!f) return Status::Error("cannot write " + file.string());
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!f) return Status::Error("cannot write " + file.string());
  return Status::Ok();
}

}  // namespace gm
