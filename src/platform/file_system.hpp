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

  // The size of the regular file at the path, without reading it. Fails, naming the path, when
  // nothing or something other than a regular file stands there.
  virtual Status FileSize(const std::string& path, std::uint64_t& bytes) const = 0;

  // Reads the whole file into `out`. Only a regular file is read: a FIFO or a device is refused
  // without waiting on it. On failure `out` is left empty.
  virtual Status ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out) const = 0;

  // Reads at most `maxBytes` from the start of the file into `out` (fewer when the file is
  // shorter). On failure `out` is left empty.
  virtual Status ReadPrefix(const std::string& path, std::size_t maxBytes,
                            std::vector<std::uint8_t>& out) const = 0;

  // Replaces the file with `bytes` so that a crash or failure leaves either the old file or the
  // new one, never a mix: the bytes go first to a temporary file of this write's own beside it
  // (`<path>.gravmark-<tag>.tmp`, created anew, locked while it is written; for a name too long
  // to take that, a shortened one), which then takes the file's place with the permissions of
  // the file it replaces (of a link's target). Two writes to one path at once each land whole,
  // one after the other. A temporary file left by a write that was killed is removed by a later
  // write; a write that finds no room names those still there. Only a regular file or a
  // symbolic link (the link itself, not what it points to) is replaced; a folder, FIFO or device
  // at the path refuses the write, saying what stands there. On failure the old file is
  // untouched and no temporary file of this write is left behind.
  virtual Status WriteFileAtomic(const std::string& path, std::span<const std::uint8_t> bytes) = 0;

  // Tells, before any work is done, whether a file could be written at the path: fails, naming
  // the path, when its folder is missing, is no folder or refuses new files, when the name is
  // longer than the folder takes, or when something WriteFileAtomic refuses stands at the path.
  // Writes nothing.
  virtual Status CheckWritable(const std::string& path) const = 0;
};

}  // namespace gm
