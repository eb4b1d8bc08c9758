// Writes an RGB picture as a PNG file, so people can look at frames of headless runs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "platform/status.hpp"

namespace gm {

// rgb holds width * height * 3 bytes, rows top to bottom.
Status WritePng(const std::filesystem::path& file, int width, int height,
                const std::vector<std::uint8_t>& rgb);

// The PNG bytes alone (for tests and for callers that store them elsewhere).
std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint8_t>& rgb);

}  // namespace gm
