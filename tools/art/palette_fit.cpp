// Counting the art's colours and fitting the 8-bit palette to them.
#include "tools/art/palette_fit.hpp"

#include <algorithm>
#include <array>
#include <cstdio>
#include <numeric>

#include "media/perceptual_color.hpp"
#include "media/surface.hpp"
#include "platform/pixel_convert.hpp"
#include "tools/art/art_render.hpp"

namespace gm::art {

namespace {

constexpr int kFree = 254;  // entries between black (0) and white (255)

// A colour as the 16-bit display shows it.
Oklab Shown(uint16_t c) {
  uint8_t rgb[3];
  Rgb565ToRgb888(c, rgb);
  return ToOklab(rgb[0], rgb[1], rgb[2]);
}

// The nearest colour the 16-bit display can show.
RgbQuad Displayable(const Oklab& c) {
  uint8_t r, g, b, rgb[3];
  FromOklab(c, r, g, b);
  Rgb565ToRgb888(PackRgb565(r, g, b), rgb);
  return RgbQuad{rgb[2], rgb[1], rgb[0], 0};
}

struct Bin {
  Oklab colour;
  double weight;
};

float Axis(const Oklab& c, int axis) {
  return axis == 0 ? c.L : axis == 1 ? c.a : c.b;
}

// A run of bins and how much they spread: the weighted squared error about their mean, and
// the axis along which they spread most.
struct Box {
  std::size_t begin, end;
  double error = 0;
  int axis = 0;
};

Box Measure(const std::vector<Bin>& bins, std::size_t begin, std::size_t end) {
  Box box{begin, end};
  double w = 0, sum[3] = {}, squares[3] = {};
  for (std::size_t i = begin; i < end; ++i) {
    w += bins[i].weight;
    for (int k = 0; k < 3; ++k) {
      const double v = Axis(bins[i].colour, k);
      sum[k] += bins[i].weight * v;
      squares[k] += bins[i].weight * v * v;
    }
  }
  double widest = -1;
  for (int k = 0; k < 3; ++k) {
    const double spread = std::max(0.0, squares[k] - sum[k] * sum[k] / w);
    box.error += spread;
    if (spread > widest) widest = spread, box.axis = k;
  }
  if (end - begin < 2) box.error = 0;
  return box;
}

Oklab Mean(const std::vector<Bin>& bins, std::size_t begin, std::size_t end) {
  double w = 0, sum[3] = {};
  for (std::size_t i = begin; i < end; ++i) {
    w += bins[i].weight;
    for (int k = 0; k < 3; ++k) sum[k] += bins[i].weight * Axis(bins[i].colour, k);
  }
  return {float(sum[0] / w), float(sum[1] / w), float(sum[2] / w)};
}

// Median cut: the box with the largest error is split at the weighted median of its widest
// axis until there are `count` boxes or none spreads any more; their means.
std::vector<Oklab> MedianCut(std::vector<Bin> bins, int count) {
  std::vector<Box> boxes{Measure(bins, 0, bins.size())};
  while (int(boxes.size()) < count) {
    auto widest = std::max_element(boxes.begin(), boxes.end(),
                                   [](const Box& x, const Box& y) { return x.error < y.error; });
    if (widest->error <= 0) break;
    const Box box = *widest;
    auto first = bins.begin() + std::ptrdiff_t(box.begin);
    auto last = bins.begin() + std::ptrdiff_t(box.end);
    std::stable_sort(first, last, [axis = box.axis](const Bin& x, const Bin& y) {
      return Axis(x.colour, axis) < Axis(y.colour, axis);
    });
    double total = 0, run = 0;
    for (auto it = first; it != last; ++it) total += it->weight;
    std::size_t cut = box.begin + 1;
    for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
      run += bins[i].weight;
      cut = i + 1;
      if (run >= total / 2) break;
    }
    *widest = Measure(bins, box.begin, cut);
    boxes.push_back(Measure(bins, cut, box.end));
  }
  std::vector<Oklab> means;
  for (const Box& b : boxes) means.push_back(Mean(bins, b.begin, b.end));
  return means;
}

// Lloyd's k-means from the given centres; the last centre stays where it is.
std::vector<Oklab> KMeans(const std::vector<Bin>& bins, std::vector<Oklab> centres) {
  std::vector<int> owner(bins.size(), -1);
  for (int round = 0; round < 24; ++round) {
    const NearestOklab nearest(centres);
    bool moved = false;
    for (std::size_t i = 0; i < bins.size(); ++i) {
      const int k = nearest.Nearest(bins[i].colour);
      moved |= k != owner[i];
      owner[i] = k;
    }
    if (!moved) break;
    std::vector<double> w(centres.size()), sum(3 * centres.size());
    for (std::size_t i = 0; i < bins.size(); ++i) {
      const auto k = std::size_t(owner[i]);
      w[k] += bins[i].weight;
      for (int a = 0; a < 3; ++a) sum[3 * k + a] += bins[i].weight * Axis(bins[i].colour, a);
    }
    for (std::size_t k = 0; k + 1 < centres.size(); ++k) {  // an empty cluster keeps its place
      if (w[k] > 0)
        centres[k] = {float(sum[3 * k] / w[k]), float(sum[3 * k + 1] / w[k]),
                      float(sum[3 * k + 2] / w[k])};
    }
  }
  return centres;
}

}  // namespace

ColourCounts CountArtColours(const std::vector<ArtItem>& items) {
  ColourCounts counts(65536);
  for (const ArtItem& item : items) {
    const ArtPixels pixels = RenderPixels(item);
    for (uint32_t c : pixels.rgb) {
      if (item.key && c == *item.key) continue;
      ++counts[PackRgb565(uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c))];
    }
  }
  return counts;
}

Palette256 FitPalette(const ColourCounts& counts) {
  // Black is entry 0 alone; white is entry 255 and stands for the colours nearest to it.
  std::vector<Bin> bins;
  for (std::size_t c = 1; c < counts.size() && c < 65536; ++c)
    if (counts[c] > 0) bins.push_back({Shown(uint16_t(c)), double(counts[c])});
  std::vector<Oklab> centres = bins.empty() ? std::vector<Oklab>{} : MedianCut(bins, kFree);
  // Entries the art leaves free: a ramp of greys.
  for (int k = int(centres.size()); k < kFree; ++k) {
    const uint8_t v = uint8_t((k + 1) * 255 / (kFree + 1));
    centres.push_back(ToOklab(v, v, v));
  }
  centres.push_back(Shown(0xFFFF));
  centres = KMeans(bins, std::move(centres));
  centres.pop_back();
  std::stable_sort(centres.begin(), centres.end(),
                   [](const Oklab& x, const Oklab& y) { return x.L < y.L; });
  Palette256 palette{};
  palette[255] = RgbQuad{255, 255, 255, 0};
  for (int k = 0; k < kFree; ++k) palette[std::size_t(k + 1)] = Displayable(centres[size_t(k)]);
  return palette;
}

std::string PaletteSource(const Palette256& palette) {
  std::string out =
      "// The 8-bit display's 256 colours (red, green, blue), fitted to the art by\n"
      "// gravmark-palette from tools/art/catalogue.txt. Written at build time.\n";
  for (const RgbQuad& q : palette) {
    char line[32];
    std::snprintf(line, sizeof line, "{%d, %d, %d},\n", q.red, q.green, q.blue);
    out += line;
  }
  return out;
}

}  // namespace gm::art
