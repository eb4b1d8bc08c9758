// The file system of the machine, through POSIX calls.
#pragma once

#include <string>

#include "platform/file_system.hpp"

namespace gm {

class PosixFileSystem final : public FileSystem {
 public:
  // Uses the folder of the running executable as the program folder.
  PosixFileSystem();
  // Uses `programFolder` instead (a '/' is appended when missing): tests use temporary folders.
  explicit PosixFileSystem(std::string programFolder);

  std::string ProgramFolder() const override { return programFolder_; }
  bool Exists(const std::string& path) const override;
  Status FileSize(const std::string& path, std::uint64_t& bytes) const override;
  Status ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out) const override;
  Status ReadPrefix(const std::string& path, std::size_t maxBytes,
                    std::vector<std::uint8_t>& out) const override;
  Status WriteFileAtomic(const std::string& path, std::span<const std::uint8_t> bytes) override;
  Status CheckWritable(const std::string& path) const override;

  // The running program's folder (RunningProgramFolder) ending in '/'.
  static std::string ExecutableFolder();

 private:
  std::string programFolder_;
};

// A write past the file-size limit (ulimit -f) raises SIGXFSZ, which ends the process unless it
// is ignored; ignored, the write fails with EFBIG and the save reports it like any full disk.
// Both programs call this once at start-up.
void IgnoreFileSizeSignal();

}  // namespace gm
