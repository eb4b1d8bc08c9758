// Starting the desktop opener: arguments reach the program as they are, never through a shell.
#include "platform/desktop_open.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/program_folder.hpp"

namespace gm {
namespace {

std::filesystem::path TempDir() {
  auto d = std::filesystem::temp_directory_path() / ("gm_open_" + std::to_string(::getpid()));
  std::filesystem::create_directories(d);
  return d;
}

std::string WaitForFile(const std::filesystem::path& f) {
  for (int i = 0; i < 200 && !std::filesystem::exists(f); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  std::ifstream in(f);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(DesktopOpen, AddressWithShellCharactersIsOneArgument) {
  const auto dir = TempDir();
  const auto script = dir / "opener.sh";
  const auto out = dir / "args.txt";
  {
    std::ofstream s(script);
    s << "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > '" << out.string() << ".part'\nmv '"
      << out.string() << ".part' '" << out.string() << "'\n";
  }
  std::filesystem::permissions(script, std::filesystem::perms::owner_all);
  const std::string address = "https://example.org/a b;touch " + (dir / "pwned").string() + "&`x`";
  ASSERT_TRUE(OpenWithDesktop(address, script.string()));
  EXPECT_EQ(WaitForFile(out), "1|" + address + "|");
  EXPECT_FALSE(std::filesystem::exists(dir / "pwned"));
  std::filesystem::remove_all(dir);
}

TEST(DesktopOpen, RefusesOptionsEmptyAddressesAndMissingPrograms) {
  EXPECT_FALSE(OpenWithDesktop("", "/bin/true"));
  EXPECT_FALSE(OpenWithDesktop("--help", "/bin/true"));
  EXPECT_FALSE(SpawnDetached({"gm-no-such-program-anywhere"}));
  EXPECT_FALSE(SpawnDetached({"/nonexistent/bin/opener", "x"}));
  EXPECT_TRUE(SpawnDetached({"true"}));
}

TEST(DesktopOpen, ProgramFolderIsTheTestsFolder) {
  EXPECT_TRUE(std::filesystem::exists(RunningProgramFolder()));
  EXPECT_TRUE(std::filesystem::is_directory(RunningProgramFolder()));
}

}  // namespace
}  // namespace gm
