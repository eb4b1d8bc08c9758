// The game's side of an opening: the openers prepared and the helper forked, then what it
// reports read between frames.
#include "platform/desktop_open.hpp"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <system_error>

#include "platform/desktop_openers.hpp"
#include "platform/log.hpp"
#include "platform/opener_helper.hpp"

namespace gm {

namespace {

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

// The descriptor moved above the standard streams, where the helper needs its own: the game
// gives closed standard streams /dev/null as it starts, but a program using this may not.
int AboveStandard(int fd) {
  if (fd < 0 || fd > 2) return fd;
  const int moved = fcntl(fd, F_DUPFD_CLOEXEC, 3);
  close(fd);
  return moved;
}

// The process groups in which a process runs. A zombie does not: where nothing reaps the orphans
// (a container's first process may not), an opener that ended would stay in its group for ever.
// Empty when /proc cannot be read.
std::set<int> RunningGroups() {
  std::set<int> groups;
  std::error_code unreadable;
  for (const auto& entry : std::filesystem::directory_iterator("/proc", unreadable)) {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream stat(entry.path() / "stat");
    std::string text;
    std::getline(stat, text);
    // "pid (name) state ppid pgrp ...": the name may hold blanks and parentheses.
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream fields(text.substr(close + 1));
    char state = 0;
    long parent = 0;
    int group = 0;
    if (fields >> state >> parent >> group && state != 'Z' && state != 'X') groups.insert(group);
  }
  return groups;
}

void CloseAll(std::initializer_list<int> fds) {
  for (const int fd : fds) {
    if (fd >= 0) close(fd);
  }
}

}  // namespace

void DesktopOpener::Open(std::string_view address) {
  Step();
  if (helper_ >= 0) return;
  // Openers left running past their patience are counted while any process of their group
  // lives (the browser one started among them). A few may stand, for a browser that keeps its
  // opener waiting takes the next link itself; beyond that they are openers that hang. They are
  // looked at only once that many stand, and so never pass that number.
  if (leftRunning_.size() >= kMostOpenersLeftRunning) {
    const std::set<int> running = RunningGroups();
    std::erase_if(leftRunning_, [&running](int group) {
      const bool gone = kill(-group, 0) != 0 && errno == ESRCH;
      return gone || (!running.empty() && !running.contains(group));
    });
  }
  if (leftRunning_.size() >= kMostOpenersLeftRunning) {
    outcome_ = OpenOutcome::kUnconfirmed;
    const std::string asked(address);
    LogLine(std::to_string(leftRunning_.size()) +
            " openers of earlier links still run, so no other is started: if no browser opened " +
            asked + ", open " + ByHand(asked) + " by hand");
    return;
  }
  address_ = address;
  names_.clear();
  outcome_ = OpenOutcome::kPending;
  if (address.empty() || address.front() == '-') {
    LogLine("refusing to open \"" + address_ + "\"");
    outcome_ = OpenOutcome::kFailed;
    return;
  }
  // Everything the helper needs is ready before the fork.
  std::vector<PreparedOpener> openers;
  for (auto& words : DesktopOpeners(address)) {
    std::string program = ResolveProgram(words[0]);
    if (program.empty()) continue;
    openers.push_back({std::move(program), std::move(words), {}});
  }
  for (PreparedOpener& p : openers) {
    for (std::string& w : p.words) p.argv.push_back(w.data());
    p.argv.push_back(nullptr);
    names_.push_back(p.words[0]);
  }
  if (openers.empty()) return Fail();
  int fds[2] = {-1, -1};
  const int devNull = AboveStandard(open("/dev/null", O_RDWR | O_CLOEXEC));
  if (devNull >= 0 && pipe2(fds, O_CLOEXEC) == 0) {
    fds[0] = AboveStandard(fds[0]);
    fds[1] = AboveStandard(fds[1]);
  }
  if (devNull < 0 || fds[0] < 0 || fds[1] < 0) {
    LogLine("cannot open " + address_ + ": " + std::system_category().message(errno));
    CloseAll({devNull, fds[0], fds[1]});
    return Fail();
  }
  const HelperSetup setup{fds[1], devNull, sysconf(_SC_OPEN_MAX), DeadlineAfter(patience_)};
  const pid_t pid = fork();
  if (pid == 0) RunOpenerHelper(openers, setup);
  const int err = errno;
  CloseAll({fds[1], devNull});
  if (pid < 0) {
    close(fds[0]);
    LogLine("cannot open " + address_ + ": " + std::system_category().message(err));
    return Fail();
  }
  fcntl(fds[0], F_SETFL, fcntl(fds[0], F_GETFL) | O_NONBLOCK);
  helper_ = pid;
  reports_ = fds[0];
  pending_.clear();
  heard_ = OpenOutcome::kNone;
}

OpenOutcome DesktopOpener::Poll() {
  Step();
  const OpenOutcome outcome = outcome_;
  if (outcome != OpenOutcome::kPending) outcome_ = OpenOutcome::kNone;
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
  // The helper led its own process group, in which an opener it left running stays.
  if (heard_ == OpenOutcome::kUnconfirmed) leftRunning_.push_back(helper_);
  helper_ = -1;
  if (heard_ == OpenOutcome::kNone) return Fail();
  outcome_ = heard_;
}

void DesktopOpener::ReadReports() {
  char buffer[16 * sizeof(OpenerReport)];
  for (;;) {
    const ssize_t got = read(reports_, buffer, sizeof buffer);
    if (got > 0) {
      pending_.append(buffer, static_cast<std::size_t>(got));
    } else if (got == 0 || errno != EINTR) {
      break;
    }
  }
  while (pending_.size() >= sizeof(OpenerReport)) {
    OpenerReport r;
    std::memcpy(&r, pending_.data(), sizeof r);
    pending_.erase(0, sizeof r);
    if (r.opener < 0 || static_cast<std::size_t>(r.opener) >= names_.size()) continue;
    const std::string& name = names_[static_cast<std::size_t>(r.opener)];
    switch (r.kind) {
      case OpenerReportKind::kOpened:
        heard_ = OpenOutcome::kOpened;
        break;
      case OpenerReportKind::kRunning:
        heard_ = OpenOutcome::kUnconfirmed;
        LogLine(name + " still runs after " + std::to_string(patience_.count()) +
                " ms: if no browser opened " + address_ + ", open " + ByHand(address_) +
                " by hand");
        break;
      case OpenerReportKind::kNotStarted:
        LogLine("cannot start " + name + ": " + std::system_category().message(r.value));
        break;
      case OpenerReportKind::kExited:
        LogLine(name + " did not open it: it ended with status " + std::to_string(r.value));
        break;
      case OpenerReportKind::kKilled:
        LogLine(name + " did not open it: it was ended by signal " + std::to_string(r.value));
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
