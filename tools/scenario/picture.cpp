// Drawing and PNG encoding of the review picture.
#include "tools/scenario/picture.hpp"

#include "tools/tiles/tile_catalogue.hpp"

namespace gm::scenario {

using tiles::Feature;
using tiles::Look;

namespace {

Rgb TileColour(const tiles::TileInfo& t) {
  switch (t.feature) {
    case Feature::kSea:
      return {40, 70, 150};
    case Feature::kRoad:
      return {150, 80, 40};
    case Feature::kMountainRoad:
      return {130, 80, 60};
    case Feature::kBridge:
      return {60, 30, 20};
    case Feature::kRiver:
    case Feature::kMountainRiver:
    case Feature::kMouth:
      return {70, 120, 230};
    case Feature::kAirbase:
      return {255, 255, 255};
    case Feature::kTown:
    case Feature::kPort:
      return {90, 90, 90};
    case Feature::kCoast:
      return {215, 205, 160};
    case Feature::kDesert:
      return {235, 220, 170};
    case Feature::kWood:
      return t.look == Look::kConiferForest ? Rgb{40, 100, 60}
             : t.look == Look::kLeafForest  ? Rgb{80, 140, 60}
                                            : Rgb{60, 120, 60};
    case Feature::kMountainWood:
      return {95, 110, 80};
    case Feature::kMountain:
      return {150, 140, 130};
    case Feature::kMarsh:
      return {120, 160, 150};
    case Feature::kHill:
      return {185, 175, 115};
    case Feature::kWoodHill:
      return {110, 140, 80};
    case Feature::kFort:
      return {170, 40, 40};
    case Feature::kPlain:
    case Feature::kOpenGround:
      switch (t.look) {
        case Look::kFields:
          return {205, 205, 135};
        case Look::kSteppe:
          return {220, 210, 150};
        case Look::kDrySteppe:
          return {228, 214, 168};
        default:
          return {175, 205, 125};
      }
  }
  return {0, 0, 0};
}

Rgb NationColour(int nation) {
  switch (nation) {
    case 1:
      return {240, 130, 0};  // Hungary
    case 2:
      return {20, 20, 20};  // Germany
    case 3:
      return {0, 150, 80};  // Italy
    case 4:
      return {235, 200, 0};  // Romania
    case 5:
      return {215, 0, 0};  // USSR
    case 6:
      return {250, 250, 250};  // Finland
    case 7:
      return {0, 110, 220};  // Slovakia
    case 8:
      return {230, 0, 200};
    default:
      return {150, 150, 255};  // neutral
  }
}

std::uint32_t Crc(const std::uint8_t* p, std::size_t n, std::uint32_t crc = 0xffffffffu) {
  for (std::size_t i = 0; i < n; ++i) {
    crc ^= p[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
  }
  return crc;
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<std::uint8_t>(v >> s));
}

void Chunk(std::vector<std::uint8_t>& out, const char* type,
           const std::vector<std::uint8_t>& data) {
  Put32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  Put32(out, Crc(out.data() + start, out.size() - start) ^ 0xffffffffu);
}

}  // namespace

void SetPixel(std::vector<std::uint8_t>& rgb, int px, int py, Rgb c) {
  if (px < 0 || py < 0 || px >= kPictureWidth || py >= kPictureHeight) return;
  std::uint8_t* p = &rgb[(static_cast<std::size_t>(py) * kPictureWidth + px) * 3];
  p[0] = c[0];
  p[1] = c[1];
  p[2] = c[2];
}

std::vector<std::uint8_t> DrawTheatre(const Theatre& t, const std::vector<std::uint16_t>& tileOf) {
  constexpr int k = kPicturePixelsPerCell;
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(kPictureWidth) * kPictureHeight * 3);
  auto set = [&rgb](int px, int py, Rgb c) { SetPixel(rgb, px, py, c); };
  const auto& cat = tiles::TileCatalogue();
  for (int y = kFirstRow; y < kFirstRow + kRows; ++y)
    for (int x = 0; x < kColumns; ++x) {
      const int i = Theatre::Index(x, y);
      const Rgb c = TileColour(cat[tileOf[i]]);
      for (int dy = 0; dy < k; ++dy)
        for (int dx = 0; dx < k; ++dx) set(x * k + dx, (y - kFirstRow) * k + dy, c);
    }
  // 1941 borders: a dark edge where the holders of two land cells differ.
  for (int y = kFirstRow; y < kFirstRow + kRows; ++y)
    for (int x = 0; x < kColumns; ++x) {
      if (!t.IsLand(x, y)) continue;
      const int h = t.holder[Theatre::Index(x, y)];
      if (t.IsLand(x + 1, y) && t.holder[Theatre::Index(x + 1, y)] != h)
        for (int d = 0; d < k; ++d) set(x * k + k - 1, (y - kFirstRow) * k + d, {60, 0, 60});
      if (t.IsLand(x, y + 1) && t.holder[Theatre::Index(x, y + 1)] != h)
        for (int d = 0; d < k; ++d) set(x * k + d, (y - kFirstRow) * k + k - 1, {60, 0, 60});
    }
  // Towns in their holder's colour, the larger ones bigger; airfields as white crosses.
  for (const Place& p : t.places) {
    const int cx = p.x * k + k / 2, cy = (p.y - kFirstRow) * k + k / 2;
    if (p.airfield) {
      for (int d = -1; d <= 1; ++d) {
        set(cx + d, cy, {255, 255, 255});
        set(cx, cy + d, {255, 255, 255});
      }
      continue;
    }
    const int r = p.value >= 80 ? 3 : p.value >= 55 ? 2 : 1;
    for (int dy = -r; dy <= r; ++dy)
      for (int dx = -r; dx <= r; ++dx) set(cx + dx, cy + dy, NationColour(p.holder));
  }
  return rgb;
}

std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint8_t>& rgb) {
  std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  std::vector<std::uint8_t> ihdr;
  Put32(ihdr, static_cast<std::uint32_t>(width));
  Put32(ihdr, static_cast<std::uint32_t>(height));
  ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});
  Chunk(out, "IHDR", ihdr);
  // The image rows, each after a filter byte 0, as a zlib stream of stored blocks.
  std::vector<std::uint8_t> raw;
  const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);
    raw.insert(raw.end(), rgb.begin() + y * rowBytes, rgb.begin() + (y + 1) * rowBytes);
  }
  std::vector<std::uint8_t> z = {0x78, 0x01};
  for (std::size_t at = 0; at < raw.size();) {
    const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
    const bool last = at + n == raw.size();
    z.push_back(last ? 1 : 0);
    z.push_back(static_cast<std::uint8_t>(n & 0xff));
    z.push_back(static_cast<std::uint8_t>(n >> 8));
    z.push_back(static_cast<std::uint8_t>(~n & 0xff));
    z.push_back(static_cast<std::uint8_t>((~n >> 8) & 0xff));
    z.insert(z.end(), raw.begin() + at, raw.begin() + at + n);
    at += n;
  }
  std::uint32_t a = 1, b = 0;  // Adler-32 of the raw rows
  for (std::uint8_t v : raw) {
    a = (a + v) % 65521;
    b = (b + a) % 65521;
  }
  Put32(z, (b << 16) | a);
  Chunk(out, "IDAT", z);
  Chunk(out, "IEND", {});
  return out;
}

}  // namespace gm::scenario
