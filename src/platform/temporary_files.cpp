// The temporary files of atomic writes: unique names, their locks, and the clean-up of those a
// killed write left behind.
#include "platform/temporary_files.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <random>

namespace gm {

namespace {

constexpr std::string_view kMark = ".gravmark-";
constexpr std::string_view kSuffix = ".tmp";
// What a temporary's name adds to its stem: the mark, the tag and the suffix.
constexpr std::size_t kAddedLength = kMark.size() + kTemporaryTagLength + kSuffix.size();
// What a shortened stem adds to the part of the name it keeps: '~' and eight hex digits.
constexpr std::size_t kChecksumLength = 9;
constexpr std::string_view kTagLetters =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
// 62^6 names: a clash is all but impossible, so a few tries only cover a folder full of them.
constexpr int kCreateTries = 100;

bool IsTagLetter(char c) {
  return kTagLetters.find(c) != std::string_view::npos;
}

// Random bits from the system; should it fail, the clock, the process and a count still make
// names that differ between two programs and between two writes of one.
std::uint64_t TagBits() {
  try {
    std::random_device device;
    return (std::uint64_t{device()} << 32) ^ device();
  } catch (...) {
    static std::atomic<std::uint64_t> count{0};
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<std::uint64_t>(now.tv_nsec) ^
           (static_cast<std::uint64_t>(::getpid()) << 32) ^ (++count << 48);
  }
}

std::string NewTag() {
  std::uint64_t bits = TagBits();
  std::string tag(kTemporaryTagLength, 'a');
  for (char& c : tag) {
    c = kTagLetters[bits % kTagLetters.size()];
    bits /= kTagLetters.size();
  }
  return tag;
}

// A path's folder (with its '/', or empty) and its name: "a/b.sav" -> "a/", "b.sav".
std::pair<std::string, std::string> SplitPath(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return {"", path};
  return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// True while the name still names the file open at `fd`.
bool StillNamed(int fd, const std::string& name) {
  struct stat open {
  }, named{};
  return ::fstat(fd, &open) == 0 && ::lstat(name.c_str(), &named) == 0 && SameFile(open, named);
}

// Waits for the lock; a file system that keeps no locks leaves the age alone to guard the file.
void Lock(int fd) {
  while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
  }
}

// FNV-1a: the same checksum of a name in every program and every build.
std::uint32_t NameChecksum(std::string_view name) {
  std::uint32_t h = 2166136261u;
  for (char c : name) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  return h;
}

// What the temporary names of `file` begin with, in a folder whose names are at most
// `nameLimit` bytes: the file's own name, or where a temporary's name would pass the limit, as
// much of it as fits, cut between characters, with a checksum of the whole name after a '~', so
// that two long names alike at the start keep temporaries of their own.
std::string TemporaryStem(std::string_view file, std::size_t nameLimit) {
  if (file.size() + kAddedLength <= nameLimit) return std::string(file);
  std::size_t keep =
      nameLimit > kAddedLength + kChecksumLength ? nameLimit - kAddedLength - kChecksumLength : 0;
  while (keep > 0 && (static_cast<unsigned char>(file[keep]) & 0xC0) == 0x80) --keep;
  char checksum[kChecksumLength + 1];
  std::snprintf(checksum, sizeof checksum, "~%08x", static_cast<unsigned>(NameChecksum(file)));
  return std::string(file.substr(0, keep)) + checksum;
}

// True when `name` is `stem` followed by the mark, a tag and the suffix.
bool HasStem(std::string_view name, std::string_view stem) {
  if (stem.empty() || name.size() != stem.size() + kAddedLength || !name.starts_with(stem) ||
      !name.substr(stem.size()).starts_with(kMark) || !name.ends_with(kSuffix)) {
    return false;
  }
  for (char c : name.substr(stem.size() + kMark.size(), kTemporaryTagLength)) {
    if (!IsTagLetter(c)) return false;
  }
  return true;
}

// Opens the regular file at `name` (never through a link) and takes its lock without waiting;
// `st` is what stands there. Returns the descriptor, or -1 when it cannot be opened or a live
// writer holds its lock.
int OpenUnheld(const std::string& name, struct stat& st) {
  if (::lstat(name.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
  const int fd = ::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat open {};
  if (::fstat(fd, &open) == 0 && SameFile(open, st) && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    return fd;
  }
  ::close(fd);
  return -1;
}

// Calls `visit(name, fd, st)` for each temporary file of `path` that no write holds, its lock
// taken while the call runs. The file the path itself names (a link's target, or the file under
// a second name) is never among them, whatever its name.
template <typename Visit>
void ForEachUnheldTemporary(const std::string& path, Visit visit) {
  const auto [folder, file] = SplitPath(path);
  const std::string stem = TemporaryStem(file, FolderNameLimit(folder));
  struct stat named {};
  const bool namesAFile = ::stat(path.c_str(), &named) == 0;
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    if (!HasStem(entry->d_name, stem)) continue;
    const std::string name = folder + entry->d_name;
    struct stat st {};
    const int fd = OpenUnheld(name, st);
    if (fd < 0) continue;
    if (!namesAFile || !SameFile(named, st)) visit(name, fd, st);
    ::close(fd);
  }
  ::closedir(dir);
}

}  // namespace

std::size_t FolderNameLimit(const std::string& folder) {
  const long limit = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
  return limit > 0 ? static_cast<std::size_t>(limit) : NAME_MAX;
}

std::size_t TemporaryPathLength(const std::string& path) {
  const auto [folder, file] = SplitPath(path);
  return folder.size() + TemporaryStem(file, FolderNameLimit(folder)).size() + kAddedLength;
}

int CreateTemporaryFile(const std::string& path, mode_t mode, int& fd, std::string& tmp) {
  const auto [folder, file] = SplitPath(path);
  const std::string stem = folder + TemporaryStem(file, FolderNameLimit(folder));
  fd = -1;
  int err = EEXIST;
  for (int attempt = 0; attempt < kCreateTries; ++attempt) {
    tmp = stem + std::string(kMark) + NewTag() + std::string(kSuffix);
    fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
    if (fd < 0) {
      err = errno;
      if (err == EEXIST) continue;
      return err;
    }
    Lock(fd);
    // Between the creation and the lock another program's clean-up may have taken the file for
    // a stale one (its clock far ahead of ours): then its name is gone and another is made.
    if (StillNamed(fd, tmp)) return 0;
    ::close(fd);
    fd = -1;
  }
  return err;
}

void RemoveStaleTemporaryFiles(const std::string& path) {
  const std::time_t now = std::time(nullptr);
  ForEachUnheldTemporary(path, [now](const std::string& name, int fd, const struct stat& st) {
    const bool old = st.st_mtime <= now && now - st.st_mtime >= kStaleTemporaryAge.count();
    // The name is checked to name the locked file still, so nothing put there since is removed.
    if (old && StillNamed(fd, name)) ::unlink(name.c_str());
  });
}

std::vector<std::string> LeftTemporaryFiles(const std::string& path) {
  std::vector<std::string> left;
  ForEachUnheldTemporary(
      path, [&left](const std::string& name, int, const struct stat&) { left.push_back(name); });
  std::sort(left.begin(), left.end());
  return left;
}

}  // namespace gm
