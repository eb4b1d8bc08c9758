// The file system of the machine, through POSIX calls.
#include "platform/posix_file_system.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "platform/log.hpp"
#include "platform/program_folder.hpp"
#include "platform/temporary_files.hpp"

namespace gm {

namespace {

Status ErrnoError(const std::string& path, const std::string& what, int err) {
  return Status::Error(path + ": " + what + ": " + std::strerror(err));
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Get() const { return fd_; }
  // Closes now and reports the result; the destructor then does nothing.
  int Close() {
    int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

std::string WithSlash(std::string folder) {
  if (folder.empty()) return "./";
  if (folder.back() != '/') folder.push_back('/');
  return folder;
}

std::string FolderOf(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// What stands at a path, for the messages.
const char* KindOf(mode_t mode) {
  if (S_ISREG(mode)) return "a regular file";
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISCHR(mode)) return "a character device";
  if (S_ISBLK(mode)) return "a block device";
  if (S_ISSOCK(mode)) return "a socket";
  if (S_ISLNK(mode)) return "a symbolic link";
  return "not a regular file";
}

Status NotARegularFile(const std::string& path, mode_t mode) {
  return Status::Error(path + ": is " + KindOf(mode) + ", not a regular file");
}

// Reads up to `limit` bytes; a file that changes size while read is read as far as it goes. The
// open does not wait: a FIFO with no writer would hold it for ever, so the type is checked on the
// open descriptor before anything is read (a regular file reads the same without blocking mode).
// Nor does it make a terminal at the path the game's controlling terminal.
Status ReadUpTo(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& out) {
  out.clear();
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (fd.Get() < 0) return ErrnoError(path, "cannot open", errno);
  struct stat st {};
  if (::fstat(fd.Get(), &st) != 0) return ErrnoError(path, "cannot examine", errno);
  if (!S_ISREG(st.st_mode)) return NotARegularFile(path, st.st_mode);
  std::size_t expected = static_cast<std::size_t>(st.st_size);
  std::vector<std::uint8_t> bytes(std::min(expected, limit));
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::read(fd.Get(), bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return ErrnoError(path, "cannot read", errno);
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  bytes.resize(done);
  out = std::move(bytes);
  return Status::Ok();
}

// Returns 0, or the errno of the failure.
int WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

// Why a write to `path` may not go ahead: something other than a regular file or a symbolic link
// at the path, which the rename would replace (a device node, a FIFO, a folder).
Status CheckReplaceable(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode)) {
    return Status::Error(path + ": is " + KindOf(st.st_mode) +
                         "; only a regular file or a symbolic link is replaced");
  }
  return Status::Ok();
}

// A name longer than its folder takes fails every write; it is told before any work is done.
Status CheckNameFits(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::size_t length = slash == std::string::npos ? path.size() : path.size() - slash - 1;
  const std::size_t limit = FolderNameLimit(FolderOf(path));
  if (length > limit) {
    return Status::Error(path + ": the name is too long: " + std::to_string(length) +
                         " bytes, where the folder takes up to " + std::to_string(limit));
  }
  // The temporary file written first has the longer path.
  if (const std::size_t tmp = TemporaryPathLength(path); tmp >= PATH_MAX) {
    return Status::Error(path + ": the path is too long: its temporary file would have " +
                         std::to_string(tmp) + " bytes, where the system takes up to " +
                         std::to_string(PATH_MAX - 1));
  }
  return Status::Ok();
}

// The permissions of the file a write replaces (through a link, of the file it points to), which
// the new file keeps; none for a new file, which gets what the umask gives.
std::optional<mode_t> ModeToKeep(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return st.st_mode & (S_IRWXU | S_IRWXG | S_IRWXO);
}

// A write that found no room names what killed writes left beside the file: they hold room
// until a later write removes them, and the player may remove them at once.
Status WithLeftTemporaries(const Status& s, const std::string& path, int err) {
  if (err != ENOSPC && err != EDQUOT && err != EFBIG) return s;
  const std::vector<std::string> left = LeftTemporaryFiles(path);
  if (left.empty()) return s;
  constexpr std::size_t kNamed = 3;
  std::string text =
      s.Message() +
      (left.size() == 1 ? "; an unfinished temporary file" : "; unfinished temporary files") +
      " beside it, which can be removed: ";
  for (std::size_t i = 0; i < left.size() && i < kNamed; ++i) text += (i ? ", " : "") + left[i];
  if (left.size() > kNamed) text += " and " + std::to_string(left.size() - kNamed) + " more";
  return Status::Error(text);
}

}  // namespace

void IgnoreFileSizeSignal() {
  std::signal(SIGXFSZ, SIG_IGN);
}

PosixFileSystem::PosixFileSystem() : programFolder_(ExecutableFolder()) {}

PosixFileSystem::PosixFileSystem(std::string programFolder)
    : programFolder_(WithSlash(std::move(programFolder))) {}

std::string PosixFileSystem::ExecutableFolder() {
  return WithSlash(RunningProgramFolder().string());
}

bool PosixFileSystem::Exists(const std::string& path) const {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

Status PosixFileSystem::FileSize(const std::string& path, std::uint64_t& bytes) const {
  bytes = 0;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return ErrnoError(path, "cannot examine", errno);
  if (!S_ISREG(st.st_mode)) return NotARegularFile(path, st.st_mode);
  bytes = static_cast<std::uint64_t>(st.st_size);
  return Status::Ok();
}

Status PosixFileSystem::ReadWholeFile(const std::string& path,
                                      std::vector<std::uint8_t>& out) const {
  return ReadUpTo(path, std::numeric_limits<std::size_t>::max(), out);
}

Status PosixFileSystem::ReadPrefix(const std::string& path, std::size_t maxBytes,
                                   std::vector<std::uint8_t>& out) const {
  return ReadUpTo(path, maxBytes, out);
}

Status PosixFileSystem::WriteFileAtomic(const std::string& path,
                                        std::span<const std::uint8_t> bytes) {
  // Messages name the file the caller asked for first, then the temporary file when it failed.
  if (Status s = CheckReplaceable(path); !s) return s;
  if (Status s = CheckNameFits(path); !s) return s;
  const std::optional<mode_t> mode = ModeToKeep(path);
  RemoveStaleTemporaryFiles(path);
  // A private file's bytes are never readable by others on the way: the temporary is created
  // with the mode it keeps, so that nobody can open it before it has it. The owner may read and
  // write it until it is whole, so that a killed write's file can be found and removed; the
  // exact mode comes just before the rename.
  const mode_t owner = S_IRUSR | S_IWUSR;
  const mode_t creation = mode ? *mode | owner : 0644;
  int created = -1;
  std::string tmp;
  if (int err = CreateTemporaryFile(path, creation, created, tmp); err != 0) {
    return WithLeftTemporaries(ErrnoError(path, "cannot create " + tmp, err), path, err);
  }
  const auto keepMode = [&](int fd, mode_t m) {
    if (::fchmod(fd, m) != 0) {
      LogLine(ErrnoError(tmp, "cannot take the permissions of " + path, errno).Message());
    }
  };
  // The umask took its bits off the creation's mode; a file replaced keeps its own whole. Only
  // bits are added here, never taken away.
  if (mode) keepMode(created, creation);
  // The lock lives on the file's open description, which `fd` and `held` share: the file is
  // closed (and its close checked) before the rename, the lock let go only after it.
  Descriptor fd(created), held(::dup(created));
  int err = 0;
  const auto failed = [&](const std::string& what, int e) {
    err = e;
    return ErrnoError(path, what, e);
  };
  Status result = [&]() -> Status {
    if (held.Get() < 0) return failed("cannot hold " + tmp, errno);
    if (int e = WriteAll(fd.Get(), bytes); e != 0) return failed("cannot write " + tmp, e);
    if (::fsync(fd.Get()) != 0) return failed("cannot flush " + tmp + " to disk", errno);
    if (fd.Close() != 0) return failed("cannot close " + tmp, errno);
    if (mode && (*mode | owner) != *mode) keepMode(held.Get(), *mode);
    if (::rename(tmp.c_str(), path.c_str()) != 0) return failed("cannot replace", errno);
    return Status::Ok();
  }();
  if (!result) {
    // The name is ours alone, and locked: nobody else has put anything there.
    ::unlink(tmp.c_str());
    return WithLeftTemporaries(result, path, err);
  }
  held.Close();
  // The rename is durable only once the folder itself is on disk. By now the new file has
  // replaced the old one, so a folder that cannot be flushed is told in the log, not reported as
  // a failed write that kept the old file.
  const std::string folder = FolderOf(path);
  Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.Get() < 0 || ::fsync(dir.Get()) != 0) {
    LogLine(
        ErrnoError(folder, "written, but the folder cannot be flushed to disk", errno).Message());
  }
  return Status::Ok();
}

Status PosixFileSystem::CheckWritable(const std::string& path) const {
  const std::string folder = FolderOf(path);
  struct stat st {};
  const std::string into = "cannot write into the folder " + folder;
  if (::stat(folder.c_str(), &st) != 0) return ErrnoError(path, into, errno);
  if (!S_ISDIR(st.st_mode)) return ErrnoError(path, into, ENOTDIR);
  if (::access(folder.c_str(), W_OK | X_OK) != 0) return ErrnoError(path, into, errno);
  if (Status s = CheckNameFits(path); !s) return s;
  // A link at the path is replaced by the write, whatever it points to: it is not followed here.
  if (::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    return Status::Error(path + ": is a folder");
  }
  return CheckReplaceable(path);
}

}  // namespace gm
