// A file system held in memory, for tests, benchmarks and the headless sim: files are byte
// vectors by path, and reads or writes can be made to fail on purpose.
#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/file_system.hpp"

namespace gm {

class MemoryFileSystem final : public FileSystem {
 public:
  explicit MemoryFileSystem(std::string programFolder = "/game/");

  std::string ProgramFolder() const override { return programFolder_; }
  bool Exists(const std::string& path) const override;
  Status FileSize(const std::string& path, std::uint64_t& bytes) const override;
  Status ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out) const override;
  Status ReadPrefix(const std::string& path, std::size_t maxBytes,
                    std::vector<std::uint8_t>& out) const override;
  Status WriteFileAtomic(const std::string& path, std::span<const std::uint8_t> bytes) override;
  Status CheckWritable(const std::string& path) const override;

  // Direct access for tests.
  void PutFile(const std::string& path, std::vector<std::uint8_t> bytes);
  void RemoveFile(const std::string& path);
  const std::vector<std::uint8_t>* FileBytes(const std::string& path) const;
  // Reads of this path fail as an unreadable file would.
  void MakeUnreadable(const std::string& path) { unreadable_.insert(path); }
  // Every write fails as on a full or read-only disk.
  void FailWrites(bool fail) { failWrites_ = fail; }

 private:
  std::string programFolder_;
  std::map<std::string, std::vector<std::uint8_t>> files_;
  std::set<std::string> unreadable_;
  bool failWrites_ = false;
};

}  // namespace gm
