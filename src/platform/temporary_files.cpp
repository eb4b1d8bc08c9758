// The temporary files of atomic writes: unique names, their locks, and the clean-up of those a
// killed write left behind.
#include "platform/temporary_files.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <ctime>
#include <random>

namespace gm {

namespace {

constexpr std::string_view kSuffix = ".tmp";
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

// Whether the temporary file at `name` was left by a write that never finished, and if so
// removes it. It is opened (never through a link) and locked first: a live writer holds its lock,
// so the open fails to lock and the file stays. The name is checked to name the locked file
// still, so nothing put there since is removed.
void RemoveIfStale(const std::string& name, std::time_t now) {
  struct stat st {};
  if (::lstat(name.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
  if (st.st_mtime > now || now - st.st_mtime < kStaleTemporaryAge.count()) return;
  const int fd = ::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return;
  struct stat open {};
  if (::fstat(fd, &open) == 0 && SameFile(open, st) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
      StillNamed(fd, name)) {
    ::unlink(name.c_str());
  }
  ::close(fd);
}

}  // namespace

bool IsTemporaryNameOf(std::string_view name, std::string_view file) {
  const std::size_t length = file.size() + 1 + kTemporaryTagLength + kSuffix.size();
  if (file.empty() || name.size() != length || !name.starts_with(file) ||
      !name.ends_with(kSuffix) || name[file.size()] != '.') {
    return false;
  }
  const std::string_view tag = name.substr(file.size() + 1, kTemporaryTagLength);
  for (char c : tag) {
    if (!IsTagLetter(c)) return false;
  }
  return true;
}

int CreateTemporaryFile(const std::string& path, int& fd, std::string& tmp) {
  fd = -1;
  int err = EEXIST;
  for (int attempt = 0; attempt < kCreateTries; ++attempt) {
    tmp = path + "." + NewTag() + std::string(kSuffix);
    fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
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
  const auto [folder, file] = SplitPath(path);
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return;
  const std::time_t now = std::time(nullptr);
  while (const dirent* entry = ::readdir(dir)) {
    if (IsTemporaryNameOf(entry->d_name, file)) RemoveIfStale(folder + entry->d_name, now);
  }
  ::closedir(dir);
}

}  // namespace gm
