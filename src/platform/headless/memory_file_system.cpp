// A file system held in memory, for tests, benchmarks and the headless sim.
#include "platform/headless/memory_file_system.hpp"

#include <algorithm>
#include <utility>

namespace gm {

MemoryFileSystem::MemoryFileSystem(std::string programFolder)
    : programFolder_(std::move(programFolder)) {
  if (programFolder_.empty() || programFolder_.back() != '/') programFolder_.push_back('/');
}

bool MemoryFileSystem::Exists(const std::string& path) const {
  return files_.count(path) > 0;
}

Status MemoryFileSystem::FileSize(const std::string& path, std::uint64_t& bytes) const {
  auto it = files_.find(path);
  bytes = it == files_.end() ? 0 : it->second.size();
  if (it == files_.end())
    return Status::Error(path + ": cannot examine: No such file or directory");
  return Status::Ok();
}

Status MemoryFileSystem::ReadWholeFile(const std::string& path,
                                       std::vector<std::uint8_t>& out) const {
  return ReadPrefix(path, files_.count(path) ? files_.at(path).size() : 0, out);
}

Status MemoryFileSystem::ReadPrefix(const std::string& path, std::size_t maxBytes,
                                    std::vector<std::uint8_t>& out) const {
  out.clear();
  auto it = files_.find(path);
  if (it == files_.end()) return Status::Error(path + ": cannot open: No such file or directory");
  if (unreadable_.count(path)) return Status::Error(path + ": cannot read: Input/output error");
  std::size_t n = std::min(maxBytes, it->second.size());
  out.assign(it->second.begin(), it->second.begin() + static_cast<std::ptrdiff_t>(n));
  return Status::Ok();
}

Status MemoryFileSystem::WriteFileAtomic(const std::string& path,
                                         std::span<const std::uint8_t> bytes) {
  if (failWrites_) {
    return Status::Error(path + ": cannot write: No space left on device");
  }
  files_[path].assign(bytes.begin(), bytes.end());
  unreadable_.erase(path);
  return Status::Ok();
}

Status MemoryFileSystem::CheckWritable(const std::string& path) const {
  if (failWrites_) return Status::Error(path + ": cannot write: Read-only file system");
  return Status::Ok();
}

void MemoryFileSystem::PutFile(const std::string& path, std::vector<std::uint8_t> bytes) {
  files_[path] = std::move(bytes);
}

void MemoryFileSystem::RemoveFile(const std::string& path) {
  files_.erase(path);
  unreadable_.erase(path);
}

const std::vector<std::uint8_t>* MemoryFileSystem::FileBytes(const std::string& path) const {
  auto it = files_.find(path);
  return it == files_.end() ? nullptr : &it->second;
}

}  // namespace gm
