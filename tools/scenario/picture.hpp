// The review picture of the theatre: terrain colours by tile, 1941 borders between holders and
// the towns in their holder's colour, written as a PNG beside the scenario.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/status.hpp"
#include "tools/scenario/theatre.hpp"

namespace gm::scenario {

inline constexpr int kPicturePixelsPerCell = 3;
inline constexpr int kPictureWidth = kColumns * kPicturePixelsPerCell;
inline constexpr int kPictureHeight = kRows * kPicturePixelsPerCell;

using Rgb = std::array<std::uint8_t, 3>;

// Sets one pixel of the picture's RGB pixels; a pixel off the picture is left out.
void SetPixel(std::vector<std::uint8_t>& rgb, int px, int py, Rgb c);

// RGB pixels, row by row, of the picture.
std::vector<std::uint8_t> DrawTheatre(const Theatre& t, const std::vector<std::uint16_t>& tiles);

// A PNG image (8-bit RGB, stored without compression so that no library is needed).
std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint8_t>& rgb);

}  // namespace gm::scenario
