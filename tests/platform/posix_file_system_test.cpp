// The machine's file system: program folder, partial and whole reads, atomic replacement.
#include "platform/posix_file_system.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <tuple>

#include "platform/headless/memory_file_system.hpp"
#include "platform/program_folder.hpp"
#include "tests/platform/temp_folder.hpp"
#include "tests/support/file_size_limit.hpp"

namespace gm {
namespace {

using testing::FileSizeLimit;
using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

// The names in a folder.
std::set<std::string> Entries(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

TEST(PosixFileSystem, ProgramFolderIsTheTestExecutablesFolder) {
  const std::string folder = PosixFileSystem::ExecutableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_EQ(PosixFileSystem().ProgramFolder(), folder);
  // The file system and the platform find the folder the same way.
  EXPECT_EQ(folder, RunningProgramFolder().string() + "/");
  EXPECT_TRUE(std::filesystem::exists(folder + "platform_tests"));
}

TEST(PosixFileSystem, ReadsWholeFilesAndPrefixes) {
  TempFolder dir;
  ASSERT_TRUE(dir.Valid());
  PosixFileSystem fs(dir.Path());
  const std::string path = dir.Path() + "a.bin";
  WriteFileBytes(path, {1, 2, 3, 4, 5});
  std::vector<std::uint8_t> out;
  ASSERT_TRUE(fs.ReadWholeFile(path, out));
  EXPECT_EQ(out, (std::vector<std::uint8_t>{1, 2, 3, 4, 5}));
  ASSERT_TRUE(fs.ReadPrefix(path, 3, out));
  EXPECT_EQ(out, (std::vector<std::uint8_t>{1, 2, 3}));
  ASSERT_TRUE(fs.ReadPrefix(path, 1000, out));
  EXPECT_EQ(out.size(), 5u);

  // Missing files and folders are errors naming the path; a folder is not a file.
  EXPECT_FALSE(fs.Exists(dir.Path() + "missing.bin"));
  Status missing = fs.ReadWholeFile(dir.Path() + "missing.bin", out);
  EXPECT_FALSE(missing);
  EXPECT_NE(missing.Message().find("missing.bin"), std::string::npos);
  EXPECT_TRUE(out.empty());
  std::filesystem::create_directory(dir.Path() + "sub");
  EXPECT_FALSE(fs.Exists(dir.Path() + "sub"));
  EXPECT_FALSE(fs.ReadWholeFile(dir.Path() + "sub", out));
}

// A FIFO opened for reading waits for a writer: the type must be known before any read. Devices
// and folders are no files either; each refusal says what stands at the path.
TEST(PosixFileSystem, OnlyRegularFilesAreReadAndNothingWaits) {
  TempFolder dir;
  ASSERT_TRUE(dir.Valid());
  PosixFileSystem fs(dir.Path());
  ASSERT_EQ(::mkfifo((dir.Path() + "slot1.sav").c_str(), 0644), 0);
  std::filesystem::create_directory(dir.Path() + "data");
  struct Case {
    std::string path;
    const char* kind;
  };
  const Case cases[] = {
      {dir.Path() + "slot1.sav", "is a FIFO, not a regular file"},
      {"/dev/null", "is a character device, not a regular file"},
      {dir.Path() + "data", "is a folder, not a regular file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    std::vector<std::uint8_t> out{1};
    const Status whole = fs.ReadWholeFile(c.path, out);
    EXPECT_EQ(whole.Message(), c.path + ": " + c.kind);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(fs.ReadPrefix(c.path, 1000, out).Message(), c.path + ": " + c.kind);
    std::uint64_t size = 7;
    EXPECT_EQ(fs.FileSize(c.path, size).Message(), c.path + ": " + c.kind);
    EXPECT_FALSE(fs.Exists(c.path));
  }
  WriteFileBytes(dir.Path() + "slot2.sav", {1, 2, 3});
  std::uint64_t size = 0;
  ASSERT_TRUE(fs.FileSize(dir.Path() + "slot2.sav", size));
  EXPECT_EQ(size, 3u);
  EXPECT_FALSE(fs.FileSize(dir.Path() + "slot3.sav", size));
}

// In a child process that leads a session without a terminal: a terminal's name read as a file.
// Exits 0 when it was refused and did not become the session's controlling terminal, which
// would tie the game to it (its hang-up and keyboard signals).
[[noreturn]] void ReadATerminal() {
  ::setsid();
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) std::_Exit(2);
  const std::string terminal = ::ptsname(master);
  std::vector<std::uint8_t> out;
  const Status s = PosixFileSystem("/").ReadWholeFile(terminal, out);
  const bool refused = s.Message() == terminal + ": is a character device, not a regular file";
  const int tty = ::open("/dev/tty", O_RDONLY | O_NOCTTY);
  std::_Exit(refused && tty < 0 ? 0 : 1);
}

// Whether this machine hands out pseudo-terminals (a bare chroot has no /dev/pts).
bool PseudoTerminalsAvailable() {
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0) return false;
  const bool ok = ::grantpt(master) == 0 && ::unlockpt(master) == 0 &&
                  std::filesystem::exists(::ptsname(master));
  ::close(master);
  return ok;
}

TEST(PosixFileSystem, ATerminalReadAsAFileIsRefusedWithoutTakingIt) {
  if (!PseudoTerminalsAvailable()) GTEST_SKIP() << "no pseudo-terminals here (/dev/pts)";
  EXPECT_EXIT(ReadATerminal(), ::testing::ExitedWithCode(0), "");
}

TEST(PosixFileSystem, AtomicWriteReplacesTheFileAndLeavesNoTemporary) {
  TempFolder dir;
  ASSERT_TRUE(dir.Valid());
  PosixFileSystem fs(dir.Path());
  const std::string path = dir.Path() + "slot1.sav";
  const std::vector<std::uint8_t> first{9, 9, 9}, second{7, 7};
  ASSERT_TRUE(fs.WriteFileAtomic(path, first));
  ASSERT_TRUE(fs.WriteFileAtomic(path, second));
  EXPECT_EQ(ReadFileBytes(path), second);
  EXPECT_EQ(Entries(dir.Path()), std::set<std::string>{"slot1.sav"});
}

TEST(PosixFileSystem, FailedWritesKeepTheOldFile) {
  TempFolder dir;
  ASSERT_TRUE(dir.Valid());
  PosixFileSystem fs(dir.Path());
  const std::string path = dir.Path() + "slot2.sav";
  const std::vector<std::uint8_t> old{1, 2, 3};
  WriteFileBytes(path, old);
  WriteFileBytes(path + ".gravmark-Killed.tmp", {1});  // what a killed save left, holding room
  // A disk that takes no more than a few bytes: the message names the temporary file, which
  // goes again, and what killed saves left, which the player may remove.
  Status s;
  {
    const FileSizeLimit fullDisk(2);
    s = fs.WriteFileAtomic(path, std::vector<std::uint8_t>{4, 5, 6, 7});
  }
  EXPECT_EQ(s.Message().rfind(path + ": cannot write " + path + ".", 0), 0u) << s.Message();
  EXPECT_NE(s.Message().find(".tmp: File too large; "), std::string::npos) << s.Message();
  EXPECT_TRUE(s.Message().ends_with(": " + path + ".gravmark-Killed.tmp")) << s.Message();
  EXPECT_EQ(ReadFileBytes(path), old);
  EXPECT_EQ(Entries(dir.Path()),
            (std::set<std::string>{"slot2.sav", "slot2.sav.gravmark-Killed.tmp"}));

  // A folder that does not exist: the temporary file it could not create is named.
  s = fs.WriteFileAtomic(dir.Path() + "gone/slot3.sav", old);
  EXPECT_EQ(s.Message().rfind(
                dir.Path() + "gone/slot3.sav: cannot create " + dir.Path() + "gone/slot3.sav.", 0),
            0u)
      << s.Message();
}

// The rename replaces whatever stands at the path: only a regular file or a symbolic link may be
// replaced, and the temporary file must be one of our own. The check beforehand agrees.
TEST(PosixFileSystem, WritesReplaceOnlyFilesAndLinks) {
  TempFolder dir;
  ASSERT_TRUE(dir.Valid());
  PosixFileSystem fs(dir.Path());
  const std::string d = dir.Path();
  WriteFileBytes(d + "victim", {6, 6, 6});
  std::filesystem::create_directory(d + "sub");
  struct Case {
    const char* name;
    std::function<void()> prepare;  // in the temporary folder; the save goes to d + "s.sav"
    const char* refusal;            // in the message; empty: the write goes ahead
  };
  const Case cases[] = {
      {"a file", [&] { WriteFileBytes(d + "s.sav", {1}); }, ""},
      {"a link", [&] { std::filesystem::create_symlink(d + "victim", d + "s.sav"); }, ""},
      {"a dangling link", [&] { std::filesystem::create_symlink(d + "gone", d + "s.sav"); }, ""},
      {"a FIFO", [&] { ::mkfifo((d + "s.sav").c_str(), 0644); }, "is a FIFO; only a regular"},
      {"a folder", [&] { std::filesystem::create_directory(d + "s.sav"); }, "is a folder"},
      {"a link to a folder", [&] { std::filesystem::create_symlink(d + "sub", d + "s.sav"); }, ""},
  };
  const std::vector<std::uint8_t> bytes{4, 5};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(d + "s.sav");
    c.prepare();
    const auto before = std::filesystem::symlink_status(d + "s.sav").type();
    const Status check = fs.CheckWritable(d + "s.sav");
    const Status write = fs.WriteFileAtomic(d + "s.sav", bytes);
    EXPECT_EQ(ReadFileBytes(d + "victim"), (std::vector<std::uint8_t>{6, 6, 6}));
    if (*c.refusal == 0) {
      EXPECT_TRUE(check) << check.Message();
      ASSERT_TRUE(write) << write.Message();
      EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(d + "s.sav")));
      EXPECT_EQ(ReadFileBytes(d + "s.sav"), bytes);
      EXPECT_EQ(Entries(d), (std::set<std::string>{"s.sav", "sub", "victim"}));
      continue;
    }
    EXPECT_NE(check.Message().find(c.refusal), std::string::npos) << check.Message();
    EXPECT_NE(write.Message().find(c.refusal), std::string::npos) << write.Message();
    EXPECT_EQ(write.Message().rfind(d + "s.sav: ", 0), 0u) << write.Message();
    EXPECT_EQ(std::filesystem::symlink_status(d + "s.sav").type(), before);
    EXPECT_EQ(Entries(d), (std::set<std::string>{"s.sav", "sub", "victim"}));
  }
  // A device node is never replaced; the check alone is tried on one, writing nothing.
  const Status device = fs.CheckWritable("/dev/null");
  EXPECT_NE(device.Message().find("is a character device"), std::string::npos) << device.Message();
}

// In a child process: a 64 KB write under a 4 KB file-size limit, with the signal ignored as the
// programs ignore it. Exits 0 when the write failed saying why, kept the old file and left no
// temporary file.
// The permissions of each temporary file that `write` locked, as they were at the lock, which a
// write takes right after creating the file (see flock below).
std::atomic<bool> watchingLocks{false};
std::vector<mode_t> lockedModes;

std::vector<mode_t> ModesOfTemporariesAsLocked(const std::function<void()>& write) {
  lockedModes.clear();
  watchingLocks = true;
  write();
  watchingLocks = false;
  return lockedModes;
}

void NoteLockedTemporary(int fd) {
  char link[PATH_MAX] = {};
  const std::string proc = "/proc/self/fd/" + std::to_string(fd);
  const ssize_t n = ::readlink(proc.c_str(), link, sizeof link - 1);
  struct stat st {};
  if (n > 0 && std::strstr(link, ".gravmark-") != nullptr && ::fstat(fd, &st) == 0) {
    lockedModes.push_back(st.st_mode & 07777);
  }
}

[[noreturn]] void WriteUnderAFileSizeLimit(const std::string& folder, const std::string& path) {
  const FileSizeLimit limit(4096);
  PosixFileSystem fs(folder);
  const Status s = fs.WriteFileAtomic(path, std::vector<std::uint8_t>(64 * 1024, 7));
  const bool reported = !s && s.Message().find("File too large") != std::string::npos;
  const bool kept = ReadFileBytes(path) == std::vector<std::uint8_t>{1, 2, 3};
  const bool tidy = Entries(folder) == std::set<std::string>{"slot1.sav"};
  std::_Exit(reported && kept && tidy ? 0 : 1);
}

// Past the file-size limit a write raises SIGXFSZ, which kills a program that does not ignore it.
// Ignored, the write fails like a full disk: the old file stays and no temporary file is left.
TEST(PosixFileSystem, AWritePastTheFileSizeLimitFailsInsteadOfKilling) {
  TempFolder dir;
  ASSERT_TRUE(dir.Valid());
  const std::string path = dir.Path() + "slot1.sav";
  WriteFileBytes(path, {1, 2, 3});
  EXPECT_EXIT(WriteUnderAFileSizeLimit(dir.Path(), path), ::testing::ExitedWithCode(0), "");
}

// Where a temporary's name would pass the folder's limit it is shortened, between characters, and
// still known as the file's own: a write that finds no room names one a killed write left.
TEST(PosixFileSystem, EveryNameTheFolderTakesIsSaved) {
  TempFolder dir;
  ASSERT_TRUE(dir.Valid());
  const std::string d = dir.Path();
  PosixFileSystem fs(d);
  const std::size_t most = static_cast<std::size_t>(::pathconf(d.c_str(), _PC_NAME_MAX));
  std::string cyrillic = "d";  // and two-byte letters up to the limit
  while (cyrillic.size() + 2 <= most) cyrillic += "\xd0\x96";
  for (const std::string& name : {std::string(most - 20, 'a'), std::string(most - 19, 'b'),
                                  std::string(most, 'c'), cyrillic}) {
    SCOPED_TRACE(name.size());
    const FileSizeLimit fullDisk(1);
    std::string tmp = fs.WriteFileAtomic(d + name, std::vector<std::uint8_t>{1, 2}).Message();
    const std::size_t from = tmp.find("cannot write " + d) + 13 + d.size();
    tmp = tmp.substr(from, tmp.find(": File too large") - from);
    const std::size_t kept = std::min(tmp.find('~'), name.size());
    EXPECT_EQ(tmp.substr(0, kept), name.substr(0, kept));
    EXPECT_NE(static_cast<unsigned char>(name[kept]) & 0xC0, 0x80) << tmp;
    WriteFileBytes(d + tmp, {3});  // as a killed write leaves it
    const Status full = fs.WriteFileAtomic(d + name, std::vector<std::uint8_t>{1, 2});
    EXPECT_TRUE(full.Message().ends_with(": " + d + tmp)) << full.Message();
    ASSERT_TRUE(fs.WriteFileAtomic(d + name, std::vector<std::uint8_t>{4}));
    EXPECT_TRUE(std::filesystem::remove(d + name) && std::filesystem::remove(d + tmp));
  }
}

// A save whose temporary file's path would pass the system's limit is refused before anything
// is written; one just within it is saved.
TEST(PosixFileSystem, ASaveWhoseTemporaryPathPassesTheSystemsLimitIsRefusedFirst) {
  TempFolder dir;
  ASSERT_TRUE(dir.Valid());
  PosixFileSystem fs(dir.Path());
  const std::string name = "s.sav";
  const std::size_t added = std::string(".gravmark-000000.tmp").size();
  for (const std::size_t over : {0, 1}) {
    SCOPED_TRACE(over);
    std::string folder = dir.Path() + (over ? "b/" : "a/");
    const std::size_t want = PATH_MAX - 1 + over - name.size() - added;  // the folder's length
    while (folder.size() + 203 < want) folder += std::string(200, 'f') + "/";
    folder += std::string(want - folder.size() - 1, 'g') + "/";
    std::error_code ec;
    ASSERT_TRUE(std::filesystem::create_directories(folder, ec)) << ec.message();
    const Status checked = fs.CheckWritable(folder + name);
    const Status written = fs.WriteFileAtomic(folder + name, std::vector<std::uint8_t>{1});
    EXPECT_EQ(checked.IsOk(), over == 0) << checked.Message();
    EXPECT_EQ(written.IsOk(), over == 0) << written.Message();
    EXPECT_EQ(std::filesystem::exists(folder + name), over == 0);
    if (over) {
      EXPECT_NE(checked.Message().find("the path is too long"), std::string::npos);
    }
  }
}

// A write keeps the permissions of the file it replaces (through a link, of its target); a new
// file gets what the umask gives. The temporary has, from the moment it is created, no
// permission the kept file lacks but its owner's read and write: a private save is never open
// to others on the way.
TEST(PosixFileSystem, AWriteKeepsThePermissionsOfTheFileItReplaces) {
  TempFolder dir;
  ASSERT_TRUE(dir.Valid());
  const mode_t mask = ::umask(022);
  // The name, the mode of the file there (0: none), whether the name links to it, the mode kept.
  const std::tuple<const char*, mode_t, bool, mode_t> cases[] = {
      {"private.sav", 0600, false, 0600},     {"read-only.sav", 0444, false, 0444},
      {"write-only.sav", 0200, false, 0200},  {"owner-read.sav", 0400, false, 0400},
      {"linked.sav", 0640, true, 0640},       {"linked-private.sav", 0600, true, 0600},
      {"group-write.sav", 0660, false, 0660}, {"new.sav", 0, false, 0644}};
  for (const auto& [name, mode, link, kept] : cases) {
    const std::string path = dir.Path() + name, file = path + (link ? ".target" : "");
    if (mode != 0) {
      WriteFileBytes(file, {1});
      ::chmod(file.c_str(), mode);
    }
    if (link) std::filesystem::create_symlink(file, path);
    const std::vector<mode_t> seen = ModesOfTemporariesAsLocked([&] {
      ASSERT_TRUE(PosixFileSystem(dir.Path()).WriteFileAtomic(path, std::vector<std::uint8_t>{2}));
    });
    EXPECT_EQ(static_cast<mode_t>(std::filesystem::status(path).permissions()), kept) << name;
    ASSERT_EQ(seen.size(), 1u) << name;
    EXPECT_EQ(seen[0] & ~(kept | S_IRUSR | S_IWUSR), 0u)
        << name << ": created " << std::oct << seen[0];
  }
  ::umask(mask);
}

TEST(PosixFileSystem, TellsBeforehandWhetherAFileCanBeWritten) {
  TempFolder dir;
  ASSERT_TRUE(dir.Valid());
  PosixFileSystem fs(dir.Path());
  WriteFileBytes(dir.Path() + "plain", {1});
  std::filesystem::create_directory(dir.Path() + "sub");
  struct Case {
    std::string path;
    bool ok;
  };
  const Case cases[] = {
      {dir.Path() + "new.sav", true},
      {dir.Path() + "plain", true},  // an existing file is replaced
      {dir.Path() + "gone/new.sav", false},
      {dir.Path() + "plain/new.sav", false},
      {dir.Path() + "sub", false},
  };
  for (const Case& c : cases) {
    const Status s = fs.CheckWritable(c.path);
    EXPECT_EQ(static_cast<bool>(s), c.ok) << c.path << ": " << s.Message();
    if (!c.ok) {
      EXPECT_EQ(s.Message().rfind(c.path, 0), 0u) << s.Message();
    }
  }
  EXPECT_FALSE(std::filesystem::exists(dir.Path() + "new.sav"));
}

// What stands beside the file as a write begins, and whether the write takes it away: only a
// temporary file of its own name pattern, left long enough ago by a writer that holds no lock
// on it any more. A file some live writer holds, a fresh one, the file the path links to, or
// anything that is no regular file or has another name (a person's, without the game's mark)
// stays as it is.
TEST(TemporaryFiles, AWriteRemovesWhatKilledWritesLeftAndNothingElse) {
  TempFolder dir;
  ASSERT_TRUE(dir.Valid());
  PosixFileSystem fs(dir.Path());
  const std::string d = dir.Path();
  WriteFileBytes(d + "victim", {6, 6, 6});
  enum class Kind { kFile, kFolder, kLink, kHardLink, kFifo };
  struct Case {
    const char* name;
    Kind kind;
    bool old;     // untouched for longer than a write takes
    bool locked;  // a live writer holds its lock
    bool removed;
  };
  const Case cases[] = {
      {"s.sav.gravmark-Stale1.tmp", Kind::kFile, true, false, true},
      {"s.sav.gravmark-Stale2.tmp", Kind::kHardLink, true, false, true},  // only the name goes
      {"s.sav.gravmark-Fresh1.tmp", Kind::kFile, false, false, false},
      {"s.sav.gravmark-Alive1.tmp", Kind::kFile, true, true, false},
      {"s.sav.gravmark-Folder.tmp", Kind::kFolder, true, false, false},
      {"s.sav.gravmark-Linked.tmp", Kind::kLink, true, false, false},
      {"s.sav.gravmark-Fifo01.tmp", Kind::kFifo, true, false, false},
      {"s.sav.gravmark-Target.tmp", Kind::kFile, true, false, false},  // what s.sav links to
      {"s.sav.tmp", Kind::kFile, true, false, false},
      {"s.sav.backup.tmp", Kind::kFile, true, false, false},  // a person's files
      {"s.sav.Ab12Cd.tmp", Kind::kFile, true, false, false},
      {"t.sav.gravmark-Stale3.tmp", Kind::kFile, true, false, false},
      {"s.sav.gravmark-Stale4.tmp.keep", Kind::kFile, true, false, false},
  };
  std::vector<int> locks;
  for (const Case& c : cases) {
    const std::string path = d + c.name;
    switch (c.kind) {
      case Kind::kFile:
        WriteFileBytes(path, {1, 2});
        break;
      case Kind::kFolder:
        std::filesystem::create_directory(path);
        break;
      case Kind::kLink:
        std::filesystem::create_symlink(d + "victim", path);
        break;
      case Kind::kHardLink:
        std::filesystem::create_hard_link(d + "victim", path);
        break;
      case Kind::kFifo:
        ::mkfifo(path.c_str(), 0644);
        break;
    }
    if (c.old) {
      const timespec hourAgo{::time(nullptr) - 3600, 0};
      const timespec times[2] = {hourAgo, hourAgo};
      ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << c.name;
    }
    if (c.locked) {
      locks.push_back(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
      ASSERT_EQ(::flock(locks.back(), LOCK_EX), 0) << c.name;
    }
  }
  std::filesystem::create_symlink("s.sav.gravmark-Target.tmp", d + "s.sav");
  ASSERT_TRUE(fs.WriteFileAtomic(d + "s.sav", std::vector<std::uint8_t>{4, 5}));
  EXPECT_EQ(ReadFileBytes(d + "s.sav"), (std::vector<std::uint8_t>{4, 5}));
  for (const Case& c : cases) {
    const bool there = std::filesystem::exists(std::filesystem::symlink_status(d + c.name));
    EXPECT_EQ(there, !c.removed) << c.name;
  }
  EXPECT_EQ(ReadFileBytes(d + "victim"), (std::vector<std::uint8_t>{6, 6, 6}));
  // Once its writer is gone, the held one is stale too.
  for (int fd : locks) ::close(fd);
  ASSERT_TRUE(fs.WriteFileAtomic(d + "s.sav", std::vector<std::uint8_t>{7}));
  EXPECT_FALSE(std::filesystem::exists(d + "s.sav.gravmark-Alive1.tmp"));
  EXPECT_TRUE(std::filesystem::exists(d + "s.sav.gravmark-Fresh1.tmp"));
}

// Two programs saving into one file at once, over and over, with a third reading it: each write
// says it succeeded and did, every read finds one whole file, and no temporary file is left.
TEST(TemporaryFiles, TwoWritersAtOnceEachLandWhole) {
  TempFolder dir;
  ASSERT_TRUE(dir.Valid());
  const std::string path = dir.Path() + "slot1.sav";
  constexpr std::size_t kBytes = 256 * 1024;
  constexpr int kWrites = 150;
  std::atomic<int> writing{2};
  std::atomic<int> failures{0}, torn{0}, reads{0};
  auto writer = [&](std::uint8_t tag) {
    PosixFileSystem fs(dir.Path());
    for (int i = 0; i < kWrites; ++i) {
      std::vector<std::uint8_t> bytes(kBytes + tag, tag);
      bytes.back() = static_cast<std::uint8_t>(i);
      const Status s = fs.WriteFileAtomic(path, bytes);
      if (!s && failures++ == 0) {
        ADD_FAILURE() << "writer " << int{tag} << ", write " << i << ": " << s.Message();
      }
    }
    --writing;
  };
  auto reader = [&] {
    PosixFileSystem fs(dir.Path());
    std::vector<std::uint8_t> out;
    while (writing > 0) {
      if (!fs.ReadWholeFile(path, out)) continue;  // none landed yet
      ++reads;
      const std::uint8_t tag = out.empty() ? 0 : out.front();
      const bool whole = (tag == 1 || tag == 2) && out.size() == kBytes + tag &&
                         std::all_of(out.begin(), out.end() - 1, [&](auto b) { return b == tag; });
      if (!whole) ++torn;
    }
  };
  std::thread a(writer, 1), b(writer, 2), c(reader);
  a.join();
  b.join();
  c.join();
  EXPECT_EQ(failures, 0);
  EXPECT_EQ(torn, 0) << "of " << reads << " reads";
  const std::vector<std::uint8_t> last = ReadFileBytes(path);
  ASSERT_FALSE(last.empty());
  EXPECT_EQ(last.size(), kBytes + last.front());
  EXPECT_EQ(last.back(), kWrites - 1);
  EXPECT_EQ(Entries(dir.Path()), std::set<std::string>{"slot1.sav"});
}

TEST(MemoryFileSystem, BehavesLikeTheDiskAndFailsOnRequest) {
  MemoryFileSystem fs("/game");
  EXPECT_EQ(fs.ProgramFolder(), "/game/");
  std::vector<std::uint8_t> out;
  EXPECT_FALSE(fs.ReadWholeFile("/game/a", out));
  ASSERT_TRUE(fs.WriteFileAtomic("/game/a", std::vector<std::uint8_t>{1, 2, 3}));
  ASSERT_TRUE(fs.ReadPrefix("/game/a", 2, out));
  EXPECT_EQ(out.size(), 2u);
  fs.MakeUnreadable("/game/a");
  EXPECT_TRUE(fs.Exists("/game/a"));
  EXPECT_FALSE(fs.ReadWholeFile("/game/a", out));
  EXPECT_TRUE(fs.CheckWritable("/game/b"));
  fs.FailWrites(true);
  EXPECT_FALSE(fs.CheckWritable("/game/b"));
  EXPECT_FALSE(fs.WriteFileAtomic("/game/a", std::vector<std::uint8_t>{4}));
  EXPECT_EQ(fs.FileBytes("/game/a")->size(), 3u);
}

}  // namespace
}  // namespace gm

// This test program's flock, in place of the C library's: a write's temporary is seen as it
// stands the moment it is locked, before the write has changed anything of it.
extern "C" int flock(int fd, int operation) {
  if (gm::watchingLocks) gm::NoteLockedTemporary(fd);
  return static_cast<int>(::syscall(SYS_flock, fd, operation));
}
