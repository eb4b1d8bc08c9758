// The machine's file system: program folder, partial and whole reads, atomic replacement.
#include "platform/posix_file_system.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "platform/headless/memory_file_system.hpp"
#include "platform/program_folder.hpp"
#include "tests/platform/temp_folder.hpp"

namespace gm {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

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
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST(PosixFileSystem, FailedWritesKeepTheOldFile) {
  TempFolder dir;
  ASSERT_TRUE(dir.Valid());
  PosixFileSystem fs(dir.Path());
  const std::string path = dir.Path() + "slot2.sav";
  const std::vector<std::uint8_t> old{1, 2, 3};
  WriteFileBytes(path, old);
  // Something in the way of the temporary file.
  std::filesystem::create_directory(path + ".tmp");
  Status s = fs.WriteFileAtomic(path, std::vector<std::uint8_t>{4, 5});
  EXPECT_FALSE(s);
  EXPECT_NE(s.Message().find("slot2.sav.tmp"), std::string::npos);
  EXPECT_EQ(ReadFileBytes(path), old);
  EXPECT_TRUE(std::filesystem::is_directory(path + ".tmp"));

  // A folder that does not exist.
  EXPECT_FALSE(fs.WriteFileAtomic(dir.Path() + "gone/slot3.sav", old));
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
      {"a stale temporary file", [&] { WriteFileBytes(d + "s.sav.tmp", {1}); }, ""},
      {"a link", [&] { std::filesystem::create_symlink(d + "victim", d + "s.sav"); }, ""},
      {"a dangling link", [&] { std::filesystem::create_symlink(d + "gone", d + "s.sav"); }, ""},
      {"a FIFO", [&] { ::mkfifo((d + "s.sav").c_str(), 0644); }, "is a FIFO; only a regular"},
      {"a FIFO as the temporary file", [&] { ::mkfifo((d + "s.sav.tmp").c_str(), 0644); },
       "a FIFO stands there"},
      {"a folder as the temporary file",
       [&] { std::filesystem::create_directory(d + "s.sav.tmp"); }, "a folder stands there"},
      {"a link as the temporary file",
       [&] { std::filesystem::create_symlink(d + "victim", d + "s.sav.tmp"); },
       "a symbolic link stands there"},
      // A stale temporary file is removed, never truncated: the other name keeps its file.
      {"a hard link as the temporary file",
       [&] { std::filesystem::create_hard_link(d + "victim", d + "s.sav.tmp"); }, ""},
      {"a link to a folder", [&] { std::filesystem::create_symlink(d + "sub", d + "s.sav"); }, ""},
  };
  const std::vector<std::uint8_t> bytes{4, 5};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(d + "s.sav");
    std::filesystem::remove_all(d + "s.sav.tmp");
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
      EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(d + "s.sav.tmp")));
      continue;
    }
    EXPECT_NE(check.Message().find(c.refusal), std::string::npos) << check.Message();
    EXPECT_NE(write.Message().find(c.refusal), std::string::npos) << write.Message();
    EXPECT_EQ(write.Message().rfind(d + "s.sav: ", 0), 0u) << write.Message();
    EXPECT_EQ(std::filesystem::symlink_status(d + "s.sav").type(), before);
  }
  // A device node is never replaced; the check alone is tried on one, writing nothing.
  const Status device = fs.CheckWritable("/dev/null");
  EXPECT_NE(device.Message().find("is a character device"), std::string::npos) << device.Message();
}

// In a child process: a 64 KB write under a 4 KB file-size limit, with the signal ignored as the
// programs ignore it. Exits 0 when the write failed saying why, kept the old file and left no
// temporary file.
[[noreturn]] void WriteUnderAFileSizeLimit(const std::string& folder, const std::string& path) {
  IgnoreFileSizeSignal();
  const rlimit limit{4096, 4096};
  ::setrlimit(RLIMIT_FSIZE, &limit);
  PosixFileSystem fs(folder);
  const Status s = fs.WriteFileAtomic(path, std::vector<std::uint8_t>(64 * 1024, 7));
  const bool reported = !s && s.Message().find("File too large") != std::string::npos;
  const bool kept = ReadFileBytes(path) == std::vector<std::uint8_t>{1, 2, 3};
  const bool tidy = !std::filesystem::exists(path + ".tmp");
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
