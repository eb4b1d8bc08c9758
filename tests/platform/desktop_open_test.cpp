// Opening with the desktop's opener: the usual openers tried in turn, arguments reaching the
// program as they are (never through a shell), how each ended learnt without waiting for it, and
// a line naming the file to open by hand when none opened it.
#include "platform/desktop_open.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <thread>

#include "platform/log.hpp"
#include "platform/opener_helper.hpp"
#include "platform/posix_file_system.hpp"
#include "platform/program_folder.hpp"
#include "platform/standard_streams.hpp"
#include "tests/support/text_file.hpp"

namespace gm {
namespace {

std::string WaitForFile(const std::filesystem::path& f) {
  for (int i = 0; i < 200 && !std::filesystem::exists(f); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return testing::ReadText(f);
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

  // Opens and polls every 10 ms, as the game's frames do, until the outcome is known (giving up
  // after 20 seconds). `polls` counts the answers kPending.
  OpenOutcome OpenAndWait(std::string_view address, DesktopOpener& opener, int* polls = nullptr) {
    opener.Open(address);
    for (int i = 0; i < 2000; ++i) {
      const OpenOutcome outcome = opener.Poll();
      if (outcome != OpenOutcome::kPending) return outcome;
      if (polls != nullptr) ++*polls;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return OpenOutcome::kPending;
  }
  OpenOutcome OpenAndWait(std::string_view address) {
    DesktopOpener opener;
    return OpenAndWait(address, opener);
  }

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
    EXPECT_EQ(OpenAndWait(address), OpenOutcome::kOpened) << c.what;
    EXPECT_EQ(Opened(), c.opened) << c.what;
    EXPECT_TRUE(log_.empty()) << c.what << ": " << (log_.empty() ? "" : log_.front());
  }
}

TEST_F(DesktopOpen, WithNoOpenerOneLineNamesTheFileToOpenByHand) {
  setenv("BROWSER", "nothere:alsonothere %s", 1);
  EXPECT_EQ(OpenAndWait("file:///my%20games/gravmark%231/help/gvm.htm#about"),
            OpenOutcome::kFailed);
  ASSERT_EQ(log_.size(), 1u);
  EXPECT_NE(log_[0].find("open /my games/gravmark#1/help/gvm.htm by hand"), std::string::npos)
      << log_[0];
  EXPECT_NE(log_[0].find("xdg-open"), std::string::npos) << log_[0];
}

TEST_F(DesktopOpen, AddressWithShellCharactersIsOneArgument) {
  FakeOpener("xdg-open");
  const std::string address = "https://example.org/a b;touch " + (dir_ / "pwned").string() + "&`x`";
  ASSERT_EQ(OpenAndWait(address), OpenOutcome::kOpened);
  EXPECT_EQ(Opened(), "xdg-open\n" + address + "\n");
  EXPECT_FALSE(std::filesystem::exists(dir_ / "pwned"));
}

TEST_F(DesktopOpen, RefusesOptionsEmptyAddressesAndMissingPrograms) {
  FakeOpener("xdg-open");
  EXPECT_EQ(OpenAndWait(""), OpenOutcome::kFailed);
  EXPECT_EQ(OpenAndWait("--help"), OpenOutcome::kFailed);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "out.txt"));
  std::filesystem::remove(dir_ / "bin" / "xdg-open");
  for (const auto& [browser, outcome] :
       {std::pair{"gm-no-such-program-anywhere", OpenOutcome::kFailed},
        std::pair{"/nonexistent/bin/opener x", OpenOutcome::kFailed},
        std::pair{"/bin/true", OpenOutcome::kOpened}}) {
    setenv("BROWSER", browser, 1);
    EXPECT_EQ(OpenAndWait("https://example.org/"), outcome) << browser;
  }
}

// The game ignores the file-size signal and SIGPIPE; a program it starts gets their defaults
// back, so that either ends it (status 128 + 25, 128 + 13) as it would anywhere else.
TEST_F(DesktopOpen, StartedProgramsDoNotInheritTheGamesIgnoredSignals) {
  const auto script = dir_ / "bin" / "xdg-open";
  const auto out = (dir_ / "out.txt").string();
  std::ofstream(script) << "#!/bin/sh\n(ulimit -f 1; exec /bin/dd if=/dev/zero of='" << out
                        << ".big' bs=4096 count=4 2>/dev/null)\nf=$?\n/bin/sh -c 'kill -PIPE $$'"
                        << "\necho $f $? > '" << out << ".part'\nexec /bin/mv '" << out
                        << ".part' '" << out << "'\n";
  std::filesystem::permissions(script, std::filesystem::perms::owner_all);
  IgnoreFileSizeSignal();
  PrepareStandardStreams();
  const OpenOutcome outcome = OpenAndWait("file:///games/help/gvm.htm");
  std::signal(SIGXFSZ, SIG_DFL);
  std::signal(SIGPIPE, SIG_DFL);
  ASSERT_EQ(outcome, OpenOutcome::kOpened);
  EXPECT_EQ(Opened(), "153 141\n");
}

// What an opener does once started.
enum class Acts {
  kOpens,        // records its arguments and ends with 0
  kFailsAtOnce,  // no browser behind it: a line on standard error, status 1
  kFailsLater,   // the same after a second, status 3
  kHangs,        // runs on (a browser that stays open)
  kIsKilled,     // ends by signal 9
  kCannotStart,  // its interpreter is missing: the exec fails
  kIsABrowser,   // a browser run in the foreground: the first start stays and takes later ones
};

// Whether process `pid` runs, and not as a child of this one.
bool RunsOnItsOwn(pid_t pid) {
  const std::string text = testing::ReadText("/proc/" + std::to_string(pid) + "/stat");
  const std::size_t close = text.rfind(')');
  if (close == std::string::npos) return false;
  std::istringstream rest(text.substr(close + 2));
  char state = 0;
  pid_t parent = 0;
  rest >> state >> parent;
  return state != 'Z' && parent != ::getpid();
}

// Whether this process has no child left, running or a zombie.
bool NoChildLeft() {
  int status = 0;
  return waitpid(-1, &status, WNOHANG) < 0 && errno == ECHILD;
}

class OpenerOutcome : public DesktopOpen {
 protected:
  // An opener in bin/ that notes its name in tried.txt and acts.
  void Script(const std::string& name, Acts acts) {
    // D stands for the test's folder.
    static constexpr const char* kBodies[] = {
        "printf '%s\\n' \"${0##*/}\" \"$@\" > D/out.part\nexec /bin/mv D/out.part D/out.txt\n",
        "echo \"Couldn't find a suitable web browser!\" >&2\nexit 1\n",
        "/bin/sleep 1\nexit 3\n",
        "echo $$ >> D/hangs.txt\necho $$ $PPID > D/hang.part\n/bin/mv D/hang.part D/hang.pid\n"
        "exec /bin/sleep 60\n",
        "kill -9 $$\n",
        "",
        "printf '%s\\n' \"$@\" >> D/browser.txt\n"
        "if read pid < D/browser.pid && kill -0 \"$pid\"; then exit 0; fi\n"
        "echo $$ > D/browser.pid\nexec /bin/sleep 60\n",
    };
    std::string body =
        std::string(acts == Acts::kCannotStart ? "#!/nonexistent/sh\n" : "#!/bin/sh\n") +
        "printf '%s\\n' " + name + " >> D/tried.txt\n" + kBodies[static_cast<int>(acts)];
    const std::string dir = dir_.string();
    for (auto at = body.find("D/"); at != std::string::npos;
         at = body.find("D/", at + dir.size())) {
      body.replace(at, 1, dir);
    }
    const auto script = dir_ / "bin" / name;
    std::ofstream(script) << body;
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
  }
  std::string Tried() { return testing::ReadText(dir_ / "tried.txt"); }
  // The process ids in a file of the test's folder, one a line.
  std::vector<pid_t> Pids(const char* file) {
    std::vector<pid_t> pids;
    std::ifstream in(dir_ / file);
    for (pid_t pid = 0; in >> pid;) pids.push_back(pid);
    return pids;
  }
  std::string Log() {
    std::string all;
    for (const std::string& l : log_) all += l + "\n";
    return all;
  }
};

TEST_F(OpenerOutcome, AnOpenerThatFailsIsFollowedByTheNextAndOnlyAllFailingIsAFailure) {
  const std::string address = "file:///games/help/gvm.htm#about";
  struct Case {
    const char* what;
    std::vector<std::pair<const char*, Acts>> openers;  // in bin/; "mybrowser" is $BROWSER
    OpenOutcome outcome;
    std::string tried;                // the openers started, in order
    std::vector<std::string> logged;  // each in a line of the log, in order
    bool slow;                        // the first opener takes a second or more
  };
  const std::string byHand = "open /games/help/gvm.htm by hand";
  const Case cases[] = {
      {"fails at once, then one opens",
       {{"xdg-open", Acts::kFailsAtOnce}, {"sensible-browser", Acts::kOpens}},
       OpenOutcome::kOpened,
       "xdg-open\nsensible-browser\n",
       {"xdg-open did not open it: it ended with status 1"},
       false},
      {"fails after a second and at once, then one opens",
       {{"xdg-open", Acts::kFailsLater},
        {"sensible-browser", Acts::kFailsAtOnce},
        {"x-www-browser", Acts::kOpens}},
       OpenOutcome::kOpened,
       "xdg-open\nsensible-browser\nx-www-browser\n",
       {"xdg-open did not open it: it ended with status 3",
        "sensible-browser did not open it: it ended with status 1"},
       true},
      {"all fail",
       {{"xdg-open", Acts::kFailsAtOnce}, {"sensible-browser", Acts::kFailsLater}},
       OpenOutcome::kFailed,
       "xdg-open\nsensible-browser\n",
       {"xdg-open did not open it: it ended with status 1",
        "sensible-browser did not open it: it ended with status 3", byHand},
       false},
      {"killed, cannot start, then $BROWSER opens",
       {{"xdg-open", Acts::kIsKilled},
        {"sensible-browser", Acts::kCannotStart},
        {"mybrowser", Acts::kOpens}},
       OpenOutcome::kOpened,
       "xdg-open\nmybrowser\n",
       {"xdg-open did not open it: it was ended by signal 9",
        "cannot start sensible-browser: No such file or directory"},
       false},
      {"only one that cannot start",
       {{"xdg-open", Acts::kCannotStart}},
       OpenOutcome::kFailed,
       "",
       {"cannot start xdg-open", byHand},
       false},
      {"a hanging opener may have opened it, and no other is started",
       {{"xdg-open", Acts::kHangs}, {"sensible-browser", Acts::kOpens}},
       OpenOutcome::kUnconfirmed,
       "xdg-open\n",
       {"xdg-open still runs after 3000 ms: if no browser opened " + address + ", " + byHand},
       true},
  };
  for (const Case& c : cases) {
    std::filesystem::remove_all(dir_ / "bin");
    std::filesystem::create_directories(dir_ / "bin");
    for (const char* f : {"out.txt", "tried.txt", "hang.pid"}) std::filesystem::remove(dir_ / f);
    setenv("BROWSER", "mybrowser", 1);
    for (const auto& [name, acts] : c.openers) Script(name, acts);
    log_.clear();
    DesktopOpener opener(std::chrono::milliseconds(3000));
    int pending = 0;
    EXPECT_EQ(OpenAndWait(address, opener, &pending), c.outcome) << c.what;
    // The frame that started it went on at once.
    if (c.slow) {
      EXPECT_GT(pending, 0) << c.what;
    }
    EXPECT_EQ(Tried(), c.tried) << c.what;
    std::size_t at = 0;
    for (const std::string& want : c.logged) {
      while (at < log_.size() && log_[at].find(want) == std::string::npos) ++at;
      EXPECT_LT(at, log_.size()) << c.what << ": no line \"" << want << "\" in order in\n" << Log();
    }
    if (c.outcome != OpenOutcome::kFailed) {
      EXPECT_EQ(log_.size(), c.logged.size()) << c.what << ":\n" << Log();
    }
    EXPECT_EQ(opener.Poll(), OpenOutcome::kNone) << c.what;
    EXPECT_TRUE(NoChildLeft()) << c.what;
    if (std::filesystem::exists(dir_ / "hang.pid")) {
      pid_t hanging = 0;
      std::ifstream(dir_ / "hang.pid") >> hanging;
      ASSERT_GT(hanging, 0);
      EXPECT_TRUE(RunsOnItsOwn(hanging)) << c.what << ": the opener still running was ended";
      kill(hanging, SIGKILL);
    }
  }
}

// Clicks while an opening is pending start nothing; an opening given up as the game leaves stops
// the helper at once. Past its patience an opener that hangs no longer holds back the next
// click, but no more than three stand at once: a click beyond starts none until one has ended.
// An opener started runs on either way, and nothing is left to reap.
TEST_F(OpenerOutcome, OneOpeningAtATimeAndAtMostThreeOpenersLeftRunning) {
  Script("xdg-open", Acts::kHangs);
  Script("sensible-browser", Acts::kOpens);
  for (const bool byNewOpening : {true, false}) {
    for (const char* f : {"hang.pid", "hangs.txt", "tried.txt"}) std::filesystem::remove(dir_ / f);
    auto opener = std::make_unique<DesktopOpener>(std::chrono::milliseconds(400));
    opener->Open("https://example.org/");
    const std::string pidText = WaitForFile(dir_ / "hang.pid");
    ASSERT_FALSE(pidText.empty());
    EXPECT_EQ(opener->Poll(), OpenOutcome::kPending);
    if (byNewOpening) {
      for (int click = 0; click < 9; ++click) opener->Open("https://example.org/");
      EXPECT_EQ(OpenAndWait("https://example.org/", *opener), OpenOutcome::kUnconfirmed);
      EXPECT_EQ(Tried(), "xdg-open\n");
      for (int more = 2; more <= 3; ++more) {
        EXPECT_EQ(OpenAndWait("https://example.org/", *opener), OpenOutcome::kUnconfirmed);
      }
      EXPECT_EQ(Tried(), "xdg-open\nxdg-open\nxdg-open\n");
      log_.clear();
      EXPECT_EQ(OpenAndWait("https://example.org/", *opener), OpenOutcome::kUnconfirmed);
      EXPECT_EQ(Tried(), "xdg-open\nxdg-open\nxdg-open\n");
      ASSERT_EQ(log_.size(), 1u);
      EXPECT_NE(log_[0].find("3 openers of earlier links still run"), std::string::npos) << log_[0];
      // One ends (nothing may reap it here: a zombie has ended too); the next click starts one.
      const std::vector<pid_t> hanging = Pids("hangs.txt");
      ASSERT_EQ(hanging.size(), 3u);
      kill(hanging[1], SIGKILL);
      for (int i = 0; i < 200 && RunsOnItsOwn(hanging[1]); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
      }
      EXPECT_EQ(OpenAndWait("https://example.org/", *opener), OpenOutcome::kUnconfirmed);
      EXPECT_EQ(Tried(), "xdg-open\nxdg-open\nxdg-open\nxdg-open\n");
    }
    opener.reset();
    EXPECT_TRUE(NoChildLeft()) << byNewOpening;
    const pid_t first = std::stoi(pidText);
    EXPECT_TRUE(RunsOnItsOwn(first)) << byNewOpening;
    for (const pid_t pid : Pids("hangs.txt")) kill(pid, SIGKILL);
  }
}

// A generic opener with no browser running starts one in the foreground, and it stays as long as
// the browser does. The next link is not held back by it: the opener started for it hands the
// address to the browser that stands and ends.
TEST_F(OpenerOutcome, ABrowserTheFirstLinkStartedTakesTheNext) {
  Script("xdg-open", Acts::kIsABrowser);
  DesktopOpener opener(std::chrono::milliseconds(400));
  EXPECT_EQ(OpenAndWait("file:///games/help/gvm.htm", opener), OpenOutcome::kUnconfirmed);
  log_.clear();
  EXPECT_EQ(OpenAndWait("file:///games/help/gvm.htm#about", opener), OpenOutcome::kOpened);
  EXPECT_EQ(testing::ReadText(dir_ / "browser.txt"),
            "file:///games/help/gvm.htm\nfile:///games/help/gvm.htm#about\n");
  EXPECT_TRUE(log_.empty()) << Log();
  for (const pid_t pid : Pids("browser.pid")) kill(pid, SIGKILL);
}

// The descriptors of process `pid` and what each stands for.
std::map<int, std::string> Descriptors(pid_t pid) {
  std::map<int, std::string> fds;
  std::error_code gone;
  const std::string dir = "/proc/" + std::to_string(pid) + "/fd";
  for (const auto& fd : std::filesystem::directory_iterator(dir, gone)) {
    fds[std::stoi(fd.path().filename().string())] = std::filesystem::read_symlink(fd, gone);
  }
  return fds;
}

// The game's input and output (a pipe here) and a save it is writing stay the game's: the opener
// and its helper have /dev/null for their standard streams, and none of the game's descriptors.
TEST_F(OpenerOutcome, NeitherTheOpenerNorItsHelperKeepsTheGamesDescriptors) {
  Script("xdg-open", Acts::kHangs);
  int game[2];
  ASSERT_EQ(pipe(game), 0);
  std::FILE* save = std::fopen((dir_ / "slot1.sav").c_str(), "w");
  const int kept[3] = {dup(0), dup(1), dup(2)};
  for (const int fd : {0, 1, 2}) dup2(game[fd == 0 ? 0 : 1], fd);
  std::set<std::string> games;
  for (const auto& [fd, what] : Descriptors(::getpid())) games.insert(what);
  games.erase("/dev/null");
  DesktopOpener opener;
  opener.Open("https://example.org/");
  for (const int fd : {0, 1, 2}) dup2(kept[fd], fd);
  for (const int fd : {kept[0], kept[1], kept[2], game[0], game[1], fileno(save)}) close(fd);
  pid_t hanging = 0, helper = 0;
  std::istringstream(WaitForFile(dir_ / "hang.pid")) >> hanging >> helper;
  for (const pid_t pid : {hanging, helper}) {
    const std::map<int, std::string> fds = Descriptors(pid);
    for (const int fd : {0, 1, 2}) EXPECT_EQ(fds.at(fd), "/dev/null") << pid << ": " << fd;
    for (const auto& [fd, what] : fds) EXPECT_FALSE(games.contains(what)) << pid << ": " << fd;
  }
  kill(hanging, SIGKILL);
}

// Where close_range is refused the helper closes descriptors one by one, up to the limit of open
// files but never without end: with a limit it cannot read, or one of billions, it closes those
// the game may hold and goes on at once (a loop to the limit would keep the link pending for
// minutes; the alarm ends such a child).
TEST(OpenerHelper, ClosesDescriptorsOneByOneWithinABound) {
  for (const long limit : {-1L, 0L, std::numeric_limits<long>::max(), 1024L}) {
    const pid_t child = fork();
    if (child == 0) {
      alarm(30);
      const int kept = dup2(open("/dev/null", O_RDONLY), 201);
      const int game = dup2(kept, 300);
      CloseEachDescriptor(202, ~0U, limit);
      const bool closed = game == 300 && fcntl(300, F_GETFD) < 0 && errno == EBADF;
      _exit(closed && fcntl(kept, F_GETFD) >= 0 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << limit << ": " << status;
  }
}

TEST(ProgramFolder, IsTheTestsFolder) {
  EXPECT_TRUE(std::filesystem::exists(RunningProgramFolder()));
  EXPECT_TRUE(std::filesystem::is_directory(RunningProgramFolder()));
}

}  // namespace
}  // namespace gm
