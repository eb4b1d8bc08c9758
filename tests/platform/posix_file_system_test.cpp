// The machine's file system: program folder, partial and whole reads, atomic replacement.
#include "platform/posix_file_system.hpp"

#include <gtest/gtest.h>

#include <filesystem>

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
