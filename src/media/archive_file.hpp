// Whole archive files: read into memory before a load, written at once after a save, with the
// read errors the image and sound lists raise.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace gm {

class FileSystem;

// Far above the game's archives (the largest, graphic.dxg, is some 16 MB).
inline constexpr std::size_t kMaxArchiveBytes = 256 * 1024 * 1024;

// The file's bytes; raises "Cannot open file %s" with the file's name (its caller names the full
// path) followed by the system's reason, when it cannot be read, or its size, when it is larger
// than kMaxArchiveBytes (nothing is read then).
std::vector<uint8_t> ReadArchiveFile(const FileSystem& fs, const std::string& path);
// Replaces the file in one step; a failed write raises with the file system's message.
void WriteArchiveFile(FileSystem& fs, const std::string& path, std::span<const uint8_t> bytes);

}  // namespace gm
