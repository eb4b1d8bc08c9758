// Starting the desktop opener: the usual openers tried in turn, arguments reaching the program as
// they are (never through a shell), and a line naming the file to open by hand when no opener is
// there.
#include "platform/desktop_open.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>

#include "platform/log.hpp"
#include "platform/posix_file_system.hpp"
#include "platform/program_folder.hpp"

namespace gm {
namespace {

std::string WaitForFile(const std::filesystem::path& f) {
  for (int i = 0; i < 200 && !std::filesystem::exists(f); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::ifstream in(f);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// A folder for fake openers, PATH and BROWSER set for one test and put back after it, and the
// log collected.
class DesktopOpen : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("gm_open_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_ / "bin");
    for (const char* name : {"PATH", "BROWSER"}) {
      const char* v = std::getenv(name);
      saved_.emplace_back(name, v != nullptr ? std::optional<std::string>(v) : std::nullopt);
    }
    setenv("PATH", (dir_ / "bin").c_str(), 1);
    unsetenv("BROWSER");
    SetLogSink([this](std::string_view l) { log_.emplace_back(l); });
  }
  void TearDown() override {
    SetLogSink({});
    for (const auto& [name, value] : saved_) {
      if (value) {
        setenv(name.c_str(), value->c_str(), 1);
      } else {
        unsetenv(name.c_str());
      }
    }
    std::filesystem::remove_all(dir_);
  }
  // An opener in bin/ that writes its name and each argument, one a line, to out.txt.
  void FakeOpener(const std::string& name, bool executable = true) {
    const auto script = dir_ / "bin" / name;
    const auto out = (dir_ / "out.txt").string();
    std::ofstream(script) << "#!/bin/sh\nprintf '%s\\n' \"${0##*/}\" \"$@\" > '" << out
                          << ".part'\nexec /bin/mv '" << out << ".part' '" << out << "'\n";
    std::filesystem::permissions(script, executable ? std::filesystem::perms::owner_all
                                                    : std::filesystem::perms::owner_read);
  }
  std::string Opened() { return WaitForFile(dir_ / "out.txt"); }

  std::filesystem::path dir_;
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
  std::vector<std::string> log_;
};

TEST_F(DesktopOpen, TheFirstOpenerThereOpensTheAddress) {
  const std::string address = "file:///games/help/gvm.htm#about";
  struct Case {
    const char* what;
    std::vector<const char*> openers;  // in bin/
    const char* notExecutable;         // in bin/ but not runnable
    const char* browser;               // $BROWSER, or none
    std::string opened;                // what out.txt holds
  };
  const Case cases[] = {
      {"xdg-open first",
       {"xdg-open", "sensible-browser", "x-www-browser"},
       nullptr,
       nullptr,
       "xdg-open\n" + address + "\n"},
      {"then sensible-browser",
       {"sensible-browser", "x-www-browser"},
       nullptr,
       nullptr,
       "sensible-browser\n" + address + "\n"},
      {"then x-www-browser",
       {"x-www-browser", "mybrowser"},
       "xdg-open",
       "mybrowser",
       "x-www-browser\n" + address + "\n"},
      {"then $BROWSER's commands in turn",
       {"mybrowser"},
       nullptr,
       "nothere:mybrowser --new-tab %s --title=50%%",
       "mybrowser\n--new-tab\n" + address + "\n--title=50%\n"},
      {"$BROWSER without %s",
       {"mybrowser"},
       nullptr,
       "mybrowser -x",
       "mybrowser\n-x\n" + address + "\n"},
  };
  for (const Case& c : cases) {
    std::filesystem::remove_all(dir_ / "bin");
    std::filesystem::create_directories(dir_ / "bin");
    std::filesystem::remove(dir_ / "out.txt");
    for (const char* o : c.openers) FakeOpener(o);
    if (c.notExecutable != nullptr) FakeOpener(c.notExecutable, false);
    if (c.browser != nullptr) {
      setenv("BROWSER", c.browser, 1);
    } else {
      unsetenv("BROWSER");
    }
    log_.clear();
    EXPECT_TRUE(OpenWithDesktop(address)) << c.what;
    EXPECT_EQ(Opened(), c.opened) << c.what;
    EXPECT_TRUE(log_.empty()) << c.what << ": " << (log_.empty() ? "" : log_.front());
  }
}

TEST_F(DesktopOpen, WithNoOpenerOneLineNamesTheFileToOpenByHand) {
  setenv("BROWSER", "nothere:alsonothere %s", 1);
  EXPECT_FALSE(OpenWithDesktop("file:///my%20games/gravmark%231/help/gvm.htm#about"));
  ASSERT_EQ(log_.size(), 1u);
  EXPECT_NE(log_[0].find("open /my games/gravmark#1/help/gvm.htm by hand"), std::string::npos)
      << log_[0];
  EXPECT_NE(log_[0].find("xdg-open"), std::string::npos) << log_[0];
}

TEST_F(DesktopOpen, AddressWithShellCharactersIsOneArgument) {
  FakeOpener("xdg-open");
  const std::string address = "https://example.org/a b;touch " + (dir_ / "pwned").string() + "&`x`";
  ASSERT_TRUE(OpenWithDesktop(address));
  EXPECT_EQ(Opened(), "xdg-open\n" + address + "\n");
  EXPECT_FALSE(std::filesystem::exists(dir_ / "pwned"));
}

TEST_F(DesktopOpen, RefusesOptionsEmptyAddressesAndMissingPrograms) {
  FakeOpener("xdg-open");
  EXPECT_FALSE(OpenWithDesktop(""));
  EXPECT_FALSE(OpenWithDesktop("--help"));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "out.txt"));
  EXPECT_FALSE(SpawnDetached({"gm-no-such-program-anywhere"}));
  EXPECT_FALSE(SpawnDetached({"/nonexistent/bin/opener", "x"}));
  EXPECT_TRUE(SpawnDetached({"/bin/true"}));
}

// The game ignores the file-size signal; a program it starts gets the default back, so that a
// write past the limit ends it (status 128 + 25) as it would anywhere else.
TEST_F(DesktopOpen, StartedProgramsDoNotInheritTheIgnoredFileSizeSignal) {
  const auto script = dir_ / "bin" / "xdg-open";
  const auto out = (dir_ / "out.txt").string();
  std::ofstream(script) << "#!/bin/sh\n(ulimit -f 1; exec /bin/dd if=/dev/zero of='" << out
                        << ".big' bs=4096 count=4 2>/dev/null)\necho $? > '" << out
                        << ".part'\nexec /bin/mv '" << out << ".part' '" << out << "'\n";
  std::filesystem::permissions(script, std::filesystem::perms::owner_all);
  IgnoreFileSizeSignal();
  const bool opened = OpenWithDesktop("file:///games/help/gvm.htm");
  std::signal(SIGXFSZ, SIG_DFL);
  ASSERT_TRUE(opened);
  EXPECT_EQ(Opened(), "153\n");
}

TEST(ProgramFolder, IsTheTestsFolder) {
  EXPECT_TRUE(std::filesystem::exists(RunningProgramFolder()));
  EXPECT_TRUE(std::filesystem::is_directory(RunningProgramFolder()));
}

}  // namespace
}  // namespace gm
