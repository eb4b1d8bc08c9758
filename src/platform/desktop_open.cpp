// The openers tried in turn by a helper process, each started by fork/exec with an argument
// vector, and what the helper reports of them.
#include "platform/desktop_open.hpp"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "platform/log.hpp"

namespace gm {

namespace {

// Finds the program on PATH before forking: the child then only calls async-signal-safe
// functions, which matters because the sound thread may be running.
std::string ResolveProgram(const std::string& name) {
  if (name.find('/') != std::string::npos) return name;
  const char* path = std::getenv("PATH");
  std::string_view dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
  while (!dirs.empty()) {
    const auto colon = dirs.find(':');
    const std::string_view dir = colon == 0 ? std::string_view(".") : dirs.substr(0, colon);
    dirs = colon == std::string_view::npos ? std::string_view{} : dirs.substr(colon + 1);
    const std::filesystem::path candidate = std::filesystem::path(dir) / name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate.string();
  }
  return {};
}

// What the helper says of each opener it tried, one fixed-size record at a time (a write of
// this size to a pipe is never split).
struct Report {
  std::int32_t opener = 0;  // index into the openers handed over
  std::int32_t kind = 0;    // ReportKind
  std::int32_t value = 0;   // kNotStarted: errno; kExited: status; kKilled: signal
};
enum ReportKind : std::int32_t {
  kNotStarted,
  kExited,  // with a status other than 0
  kKilled,
  kOpened,  // ended with 0, or still running at the deadline
};

// An opener ready to start: found on PATH, its arguments as execv takes them.
struct Prepared {
  std::string program;
  std::vector<std::string> words;
  std::vector<char*> argv;  // into words, ending with nullptr
};

timespec DeadlineAfter(std::chrono::milliseconds patience) {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  const auto ms = patience.count();
  t.tv_sec += static_cast<time_t>(ms / 1000);
  t.tv_nsec += static_cast<long>((ms % 1000) * 1000000);
  if (t.tv_nsec >= 1000000000L) {
    t.tv_nsec -= 1000000000L;
    ++t.tv_sec;
  }
  return t;
}

// From here to RunHelper the code runs in the helper, between fork and _exit, and so calls only
// async-signal-safe functions: the game's sound thread may have held a lock the fork copied.
bool Passed(const timespec& deadline) {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec > deadline.tv_sec ||
         (now.tv_sec == deadline.tv_sec && now.tv_nsec >= deadline.tv_nsec);
}

void Send(int fd, int opener, ReportKind kind, int value) {
  const Report r{opener, kind, value};
  while (write(fd, &r, sizeof r) < 0 && errno == EINTR) {
  }
}

// Starts the opener and waits for it until the deadline, then sends the report it earned.
// True when it opened the address.
bool TryOpener(const Prepared& opener, int index, int fd, const timespec& deadline) {
  // A failed exec comes back through this pipe; a successful one closes it.
  int exec[2];
  if (pipe2(exec, O_CLOEXEC) != 0) {
    Send(fd, index, kNotStarted, errno);
    return false;
  }
  const pid_t pid = fork();
  if (pid == 0) {
    close(exec[0]);
    // The game ignores these for its saves and its log; the program started must not inherit
    // that.
    signal(SIGXFSZ, SIG_DFL);
    signal(SIGPIPE, SIG_DFL);
    execv(opener.program.c_str(), opener.argv.data());
    const int err = errno;
    (void)!write(exec[1], &err, sizeof err);
    _exit(127);
  }
  const int forkError = errno;
  close(exec[1]);
  if (pid < 0) {
    close(exec[0]);
    Send(fd, index, kNotStarted, forkError);
    return false;
  }
  int err = 0;
  ssize_t got;
  while ((got = read(exec[0], &err, sizeof err)) < 0 && errno == EINTR) {
  }
  close(exec[0]);
  int status = 0;
  if (got > 0) {
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    Send(fd, index, kNotStarted, err);
    return false;
  }
  for (;;) {
    const pid_t ended = waitpid(pid, &status, WNOHANG);
    if (ended == pid) break;
    // Still running at the deadline (or past what can be learnt of it): it has the address.
    if ((ended < 0 && errno != EINTR) || Passed(deadline)) {
      Send(fd, index, kOpened, 1);
      return true;
    }
    const timespec step{0, 10 * 1000000L};
    nanosleep(&step, nullptr);
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
    Send(fd, index, kOpened, 0);
    return true;
  }
  if (WIFSIGNALED(status)) {
    Send(fd, index, kKilled, WTERMSIG(status));
  } else {
    Send(fd, index, kExited, WEXITSTATUS(status));
  }
  return false;
}

[[noreturn]] void RunHelper(const std::vector<Prepared>& openers, int fd,
                            const timespec& deadline) {
  // A session of its own: a terminal's Ctrl+C for the game does not reach the browser.
  setsid();
  // The helper learns how its openers end, whatever the game did with this signal.
  signal(SIGCHLD, SIG_DFL);
  for (std::size_t i = 0; i < openers.size(); ++i) {
    // Past the deadline a failed opener is not followed by another.
    if (i > 0 && Passed(deadline)) break;
    if (TryOpener(openers[i], static_cast<int>(i), fd, deadline)) break;
  }
  _exit(0);
}

// A $BROWSER command for the address: its words, "%s" standing for the address (added last
// when no word holds it) and "%%" for '%'.
std::vector<std::string> BrowserCommand(std::string_view command, std::string_view address) {
  std::vector<std::string> argv;
  bool placed = false;
  std::size_t at = 0;
  while (at < command.size()) {
    const std::size_t end = std::min(command.find_first_of(" \t", at), command.size());
    std::string word;
    for (std::size_t i = at; i < end; ++i) {
      if (command[i] == '%' && i + 1 < end && command[i + 1] == 's') {
        word.append(address);
        placed = true;
        ++i;
      } else if (command[i] == '%' && i + 1 < end && command[i + 1] == '%') {
        word.push_back('%');
        ++i;
      } else {
        word.push_back(command[i]);
      }
    }
    if (!word.empty()) argv.push_back(std::move(word));
    at = end + 1;
  }
  if (!argv.empty() && !placed) argv.emplace_back(address);
  return argv;
}

// What the player can open by hand: a file address as its file's path, any other as it is.
std::string ByHand(std::string_view address) {
  constexpr std::string_view kFile = "file://";
  if (address.substr(0, kFile.size()) != kFile) return std::string(address);
  std::string_view rest = address.substr(kFile.size());
  rest = rest.substr(0, rest.find('#'));
  std::string path;
  for (std::size_t i = 0; i < rest.size(); ++i) {
    unsigned byte = 0;
    if (rest[i] == '%' && i + 2 < rest.size() &&
        std::from_chars(rest.data() + i + 1, rest.data() + i + 3, byte, 16).ptr ==
            rest.data() + i + 3) {
      path.push_back(static_cast<char>(byte));
      i += 2;
    } else {
      path.push_back(rest[i]);
    }
  }
  return path;
}

}  // namespace

std::vector<std::vector<std::string>> DesktopOpeners(std::string_view address) {
  std::vector<std::vector<std::string>> openers;
  for (const char* program : {"xdg-open", "sensible-browser", "x-www-browser"}) {
    openers.push_back({program, std::string(address)});
  }
  const char* browser = std::getenv("BROWSER");
  std::string_view commands = browser != nullptr ? browser : "";
  while (!commands.empty()) {
    const std::size_t colon = std::min(commands.find(':'), commands.size());
    if (auto argv = BrowserCommand(commands.substr(0, colon), address); !argv.empty()) {
      openers.push_back(std::move(argv));
    }
    commands = commands.substr(std::min(colon + 1, commands.size()));
  }
  return openers;
}

void DesktopOpener::Open(std::string_view address) {
  Abandon();
  address_ = address;
  names_.clear();
  outcome_ = OpenOutcome::kPending;
  if (address.empty() || address.front() == '-') {
    LogLine("refusing to open \"" + address_ + "\"");
    outcome_ = OpenOutcome::kFailed;
    return;
  }
  // Everything the helper needs is ready before the fork.
  std::vector<Prepared> openers;
  for (auto& words : DesktopOpeners(address)) {
    std::string program = ResolveProgram(words[0]);
    if (program.empty()) continue;
    openers.push_back({std::move(program), std::move(words), {}});
  }
  for (Prepared& p : openers) {
    for (std::string& w : p.words) p.argv.push_back(w.data());
    p.argv.push_back(nullptr);
    names_.push_back(p.words[0]);
  }
  if (openers.empty()) return Fail();
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) {
    LogLine("cannot open " + address_ + ": " + std::system_category().message(errno));
    return Fail();
  }
  const timespec deadline = DeadlineAfter(patience_);
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    RunHelper(openers, fds[1], deadline);
  }
  const int err = errno;
  close(fds[1]);
  if (pid < 0) {
    close(fds[0]);
    LogLine("cannot open " + address_ + ": " + std::system_category().message(err));
    return Fail();
  }
  fcntl(fds[0], F_SETFL, fcntl(fds[0], F_GETFL) | O_NONBLOCK);
  helper_ = pid;
  reports_ = fds[0];
  pending_.clear();
  opened_ = false;
}

OpenOutcome DesktopOpener::Poll() {
  Step();
  const OpenOutcome outcome = outcome_;
  if (outcome == OpenOutcome::kOpened || outcome == OpenOutcome::kFailed) {
    outcome_ = OpenOutcome::kNone;
  }
  return outcome;
}

void DesktopOpener::Step() {
  if (helper_ < 0) return;
  // Asked before reading: a helper that has ended has written all it will, so one read takes in
  // the rest.
  const pid_t ended = waitpid(helper_, nullptr, WNOHANG);
  const bool running = ended == 0 || (ended < 0 && errno == EINTR);
  ReadReports();
  if (running) return;
  close(reports_);
  reports_ = -1;
  helper_ = -1;
  if (opened_) {
    outcome_ = OpenOutcome::kOpened;
  } else {
    Fail();
  }
}

void DesktopOpener::ReadReports() {
  char buffer[16 * sizeof(Report)];
  for (;;) {
    const ssize_t got = read(reports_, buffer, sizeof buffer);
    if (got > 0) {
      pending_.append(buffer, static_cast<std::size_t>(got));
    } else if (got == 0 || errno != EINTR) {
      break;
    }
  }
  while (pending_.size() >= sizeof(Report)) {
    Report r;
    std::memcpy(&r, pending_.data(), sizeof r);
    pending_.erase(0, sizeof r);
    if (r.opener < 0 || static_cast<std::size_t>(r.opener) >= names_.size()) continue;
    const std::string& name = names_[static_cast<std::size_t>(r.opener)];
    switch (r.kind) {
      case kOpened:
        opened_ = true;
        break;
      case kNotStarted:
        LogLine("cannot start " + name + ": " + std::system_category().message(r.value));
        break;
      case kExited:
        LogLine(name + " did not open it: it ended with status " + std::to_string(r.value));
        break;
      case kKilled:
        LogLine(name + " did not open it: it was ended by signal " + std::to_string(r.value));
        break;
      default:
        break;
    }
  }
}

void DesktopOpener::Fail() {
  outcome_ = OpenOutcome::kFailed;
  LogLine("no program opened " + address_ +
          " (tried xdg-open, sensible-browser, x-www-browser and $BROWSER): open " +
          ByHand(address_) + " by hand");
}

void DesktopOpener::Abandon() {
  outcome_ = OpenOutcome::kNone;
  if (helper_ < 0) return;
  // Only the helper: an opener it started lies in its session and goes on.
  kill(helper_, SIGKILL);
  while (waitpid(helper_, nullptr, 0) < 0 && errno == EINTR) {
  }
  close(reports_);
  reports_ = -1;
  helper_ = -1;
}

}  // namespace gm
