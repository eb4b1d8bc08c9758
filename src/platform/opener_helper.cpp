// Everything here runs in a child of the game between fork and _exit (or exec), and so calls only
// async-signal-safe functions: the game's sound thread may have held a lock the fork copied.
#include "platform/opener_helper.hpp"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace gm {

namespace {

bool Passed(const timespec& deadline) {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec > deadline.tv_sec ||
         (now.tv_sec == deadline.tv_sec && now.tv_nsec >= deadline.tv_nsec);
}

void Send(int fd, int opener, OpenerReportKind kind, int value) {
  const OpenerReport r{opener, kind, value};
  while (write(fd, &r, sizeof r) < 0 && errno == EINTR) {
  }
}

void CloseRange(unsigned first, unsigned last, long count) {
  if (first > last || close_range(first, last, 0) == 0) return;
  CloseEachDescriptor(first, last, count);
}

// The game's descriptors are not the helper's, nor its openers': a browser holding the game's
// output pipe would keep a reader such as `gravmark | cat` waiting after the game ended, and
// one reading its input would take what was typed for the game. /dev/null, rather than a pipe to
// the helper, also spares an opener writing on after the helper ended a SIGPIPE.
void LeaveTheGamesDescriptors(const HelperSetup& setup) {
  for (int fd = 0; fd <= 2; ++fd) dup2(setup.devNull, fd);
  const auto keep = static_cast<unsigned>(setup.reports);
  CloseRange(3, keep - 1, setup.descriptors);
  CloseRange(keep + 1, ~0U, setup.descriptors);
}

// Starts the opener and waits for it until the deadline, then sends the report it earned.
// True when it has the address.
bool TryOpener(const PreparedOpener& opener, int index, const HelperSetup& setup) {
  const int fd = setup.reports;
  // A failed exec comes back through this pipe; a successful one closes it.
  int exec[2];
  if (pipe2(exec, O_CLOEXEC) != 0) {
    Send(fd, index, OpenerReportKind::kNotStarted, errno);
    return false;
  }
  const pid_t pid = fork();
  if (pid == 0) {
    close(exec[0]);
    execv(opener.program.c_str(), opener.argv.data());
    const int err = errno;
    (void)!write(exec[1], &err, sizeof err);
    _exit(127);
  }
  const int forkError = errno;
  close(exec[1]);
  if (pid < 0) {
    close(exec[0]);
    Send(fd, index, OpenerReportKind::kNotStarted, forkError);
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
    Send(fd, index, OpenerReportKind::kNotStarted, err);
    return false;
  }
  for (;;) {
    const pid_t ended = waitpid(pid, &status, WNOHANG);
    if (ended == pid) break;
    if ((ended < 0 && errno != EINTR) || Passed(setup.deadline)) {
      Send(fd, index, OpenerReportKind::kRunning, 0);
      return true;
    }
    const timespec step{0, 10 * 1000000L};
    nanosleep(&step, nullptr);
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
    Send(fd, index, OpenerReportKind::kOpened, 0);
    return true;
  }
  if (WIFSIGNALED(status)) {
    Send(fd, index, OpenerReportKind::kKilled, WTERMSIG(status));
  } else {
    Send(fd, index, OpenerReportKind::kExited, WEXITSTATUS(status));
  }
  return false;
}

}  // namespace

void CloseEachDescriptor(unsigned first, unsigned last, long count) {
  // A descriptor takes the lowest free number, so the game's lie far below this bound.
  const unsigned long end = count > 0 && static_cast<unsigned long>(count) < kMostDescriptorsClosed
                                ? static_cast<unsigned long>(count)
                                : kMostDescriptorsClosed;
  for (unsigned long fd = first; fd <= last && fd < end; ++fd) close(static_cast<int>(fd));
}

void RunOpenerHelper(const std::vector<PreparedOpener>& openers, const HelperSetup& setup) {
  // A session of its own: a terminal's Ctrl+C for the game does not reach the browser.
  setsid();
  // The helper learns how its openers end, whatever the game did with this signal; and the
  // signals the game ignores for its saves and its log are neither the helper's nor, as an
  // ignored signal would be through exec, its openers'.
  signal(SIGCHLD, SIG_DFL);
  signal(SIGXFSZ, SIG_DFL);
  signal(SIGPIPE, SIG_DFL);
  LeaveTheGamesDescriptors(setup);
  for (std::size_t i = 0; i < openers.size(); ++i) {
    // Past the deadline a failed opener is not followed by another.
    if (i > 0 && Passed(setup.deadline)) break;
    if (TryOpener(openers[i], static_cast<int>(i), setup)) break;
  }
  _exit(0);
}

}  // namespace gm
