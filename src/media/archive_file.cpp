// Reading and writing whole archive files through the file system.
#include "media/archive_file.hpp"

#include <algorithm>

#include "media/media_error.hpp"
#include "platform/file_system.hpp"

namespace gm {

namespace {

// The file system's reason without the path it starts with: whoever reports the load names the
// file's full path already.
std::string ReasonOf(const std::string& message, const std::string& path) {
  std::string reason = message;
  if (reason.rfind(path + ": ", 0) == 0) reason.erase(0, path.size() + 2);
  constexpr std::string_view kOpen = "cannot open: ";  // the headline says as much
  if (reason.rfind(kOpen, 0) == 0) reason.erase(0, kOpen.size());
  return reason;
}

}  // namespace

std::vector<uint8_t> ReadArchiveFile(const FileSystem& fs, const std::string& path) {
  const std::string name = path.substr(path.find_last_of('/') + 1);
  auto tooLarge = [&](std::uint64_t size) {
    return EReadError(FormatMessage("Cannot open file %s", name) + ": the file is " +
                      std::to_string(size) + " bytes, larger than any archive (" +
                      std::to_string(kMaxArchiveBytes) + " bytes)");
  };
  // A huge file (a sparse one costs no disk) is refused before anything is read into memory.
  std::uint64_t size = 0;
  if (fs.FileSize(path, size) && size > kMaxArchiveBytes) throw tooLarge(size);
  std::vector<uint8_t> bytes;
  if (Status s = fs.ReadPrefix(path, kMaxArchiveBytes + 1, bytes); !s) {
    throw EReadError(FormatMessage("Cannot open file %s", name) + ": " +
                     ReasonOf(s.Message(), path));
  }
  if (bytes.size() > kMaxArchiveBytes) {  // grown since it was measured
    (void)fs.FileSize(path, size);
    throw tooLarge(std::max<std::uint64_t>(size, bytes.size()));
  }
  return bytes;
}

void WriteArchiveFile(FileSystem& fs, const std::string& path, std::span<const uint8_t> bytes) {
  Status s = fs.WriteFileAtomic(path, bytes);
  if (!s) throw EReadError(s.Message());
}

}  // namespace gm
