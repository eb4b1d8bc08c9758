// The file system as the game sees it: the program's folder, whole-file reads and atomic writes.
// The world code uses only this interface; tests swap in a temporary folder or memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/status.hpp"

namespace gm {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The folder of the program's own executable, ending in '/': the data and save files lie there.
  virtual std::string ProgramFolder() const = 0;

  // True when a regular file (not a folder) exists at the path.
  virtual bool Exists(const std::string& path) const = 0;

  // Reads the whole file into `out`. On failure `out` is left empty.
  virtual Status ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out) const = 0;

  // Reads at most `maxBytes` from the start of the file into `out` (fewer when the file is
  // shorter). On failure `out` is left empty.
  virtual Status ReadPrefix(const std::string& path, std::size_t maxBytes,
                            std::vector<std::uint8_t>& out) const = 0;

  // Replaces the file with `bytes` so that a crash or failure leaves either the old file or the
  // new one, never a mix: the bytes go to path + ".tmp" first, which then takes the file's place.
  // On failure the old file is untouched and no ".tmp" is left behind.
  virtual Status WriteFileAtomic(const std::string& path, std::span<const std::uint8_t> bytes) = 0;

  // Tells, before any work is done, whether a file could be written at the path: fails, naming
  // the path, when its folder is missing, is no folder or refuses new files, or when the path is a
  // folder. Writes nothing.
  virtual Status CheckWritable(const std::string& path) const = 0;
};

}  // namespace gm
