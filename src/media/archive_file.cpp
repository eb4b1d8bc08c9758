// Reading and writing whole archive files through the file system.
#include "media/archive_file.hpp"

#include "media/media_error.hpp"
#include "platform/file_system.hpp"

namespace gm {

std::vector<uint8_t> ReadArchiveFile(const FileSystem& fs, const std::string& path) {
  std::vector<uint8_t> bytes;
  if (!fs.ReadWholeFile(path, bytes)) {
    throw EReadError(FormatMessage("Cannot open file %s", path));
  }
  return bytes;
}

void WriteArchiveFile(FileSystem& fs, const std::string& path, std::span<const uint8_t> bytes) {
  Status s = fs.WriteFileAtomic(path, bytes);
  if (!s) throw EReadError(s.Message());
}

}  // namespace gm
