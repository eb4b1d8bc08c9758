// Colours in the Oklab space, where equal distances look about equally different to the eye,
// and the nearest of a set of colours there. The 8-bit palette is fitted to the art in this
// space (tools/art) and colours are matched to it in the same one, so header-only.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <vector>

namespace gm {

struct Oklab {
  float L = 0, a = 0, b = 0;
};

inline float SrgbToLinear(float v) {
  return v <= 0.04045f ? v / 12.92f : std::pow((v + 0.055f) / 1.055f, 2.4f);
}

inline float LinearToSrgb(float v) {
  return v <= 0.0031308f ? 12.92f * v : 1.055f * std::pow(v, 1 / 2.4f) - 0.055f;
}

inline Oklab ToOklab(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  const float r = SrgbToLinear(red / 255.0f), g = SrgbToLinear(green / 255.0f),
              b = SrgbToLinear(blue / 255.0f);
  const float l = std::cbrt(0.4122214708f * r + 0.5363325363f * g + 0.0514459929f * b);
  const float m = std::cbrt(0.2119034982f * r + 0.6806995451f * g + 0.1073969566f * b);
  const float s = std::cbrt(0.0883024619f * r + 0.2817188376f * g + 0.6299787005f * b);
  return {0.2104542553f * l + 0.7936177850f * m - 0.0040720468f * s,
          1.9779984951f * l - 2.4285922050f * m + 0.4505937099f * s,
          0.0259040371f * l + 0.7827717662f * m - 0.8086757660f * s};
}

// Back to 8-bit sRGB, each channel rounded and clamped.
inline void FromOklab(const Oklab& c, std::uint8_t& red, std::uint8_t& green, std::uint8_t& blue) {
  const float l = c.L + 0.3963377774f * c.a + 0.2158037573f * c.b;
  const float m = c.L - 0.1055613458f * c.a - 0.0638541728f * c.b;
  const float s = c.L - 0.0894841775f * c.a - 1.2914855480f * c.b;
  const float l3 = l * l * l, m3 = m * m * m, s3 = s * s * s;
  const float rgb[3] = {4.0767416621f * l3 - 3.3077115913f * m3 + 0.2309699292f * s3,
                        -1.2684380046f * l3 + 2.6097574011f * m3 - 0.3413193965f * s3,
                        -0.0041960863f * l3 - 0.7034186147f * m3 + 1.7076147010f * s3};
  std::uint8_t out[3];
  for (int i = 0; i < 3; ++i) {
    const float v = std::round(LinearToSrgb(std::clamp(rgb[i], 0.0f, 1.0f)) * 255);
    out[i] = static_cast<std::uint8_t>(std::clamp(v, 0.0f, 255.0f));
  }
  red = out[0], green = out[1], blue = out[2];
}

inline float Distance2(const Oklab& x, const Oklab& y) {
  const float dL = x.L - y.L, da = x.a - y.a, db = x.b - y.b;
  return dL * dL + da * da + db * db;
}

// The nearest of a fixed set of colours, the lowest position on ties. The set is kept sorted
// by lightness so that a search stops once lightness alone puts the rest further away.
class NearestOklab {
 public:
  explicit NearestOklab(std::vector<Oklab> colours) : colours_(std::move(colours)) {
    order_.resize(colours_.size());
    std::iota(order_.begin(), order_.end(), 0);
    std::stable_sort(order_.begin(), order_.end(),
                     [this](int i, int j) { return colours_[i].L < colours_[j].L; });
    lightness_.reserve(order_.size());
    for (int i : order_) lightness_.push_back(colours_[static_cast<std::size_t>(i)].L);
  }

  // The position of the nearest colour in the set given; -1 for an empty set.
  int Nearest(const Oklab& c) const {
    const int n = static_cast<int>(order_.size());
    const int start = static_cast<int>(std::lower_bound(lightness_.begin(), lightness_.end(), c.L) -
                                       lightness_.begin());
    int best = -1;
    float bestDistance = 0;
    auto consider = [&](int k) {
      const int i = order_[static_cast<std::size_t>(k)];
      const float d = Distance2(c, colours_[static_cast<std::size_t>(i)]);
      if (best < 0 || d < bestDistance || (d == bestDistance && i < best)) {
        best = i;
        bestDistance = d;
      }
    };
    // Outwards from the colour's own lightness, each side until lightness alone is too far.
    for (int up = start, down = start - 1; up < n || down >= 0;) {
      bool going = false;
      if (up < n) {
        const float dL = lightness_[static_cast<std::size_t>(up)] - c.L;
        if (best < 0 || dL * dL <= bestDistance) {
          consider(up++);
          going = true;
        } else {
          up = n;
        }
      }
      if (down >= 0) {
        const float dL = c.L - lightness_[static_cast<std::size_t>(down)];
        if (best < 0 || dL * dL <= bestDistance) {
          consider(down--);
          going = true;
        } else {
          down = -1;
        }
      }
      if (!going) break;
    }
    return best;
  }

 private:
  std::vector<Oklab> colours_;
  std::vector<int> order_;        // positions in colours_, by lightness
  std::vector<float> lightness_;  // their lightness, ascending
};

}  // namespace gm
