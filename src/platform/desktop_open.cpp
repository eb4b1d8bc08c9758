// Detached program start by fork/exec with an argument vector.
#include "platform/desktop_open.hpp"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
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

}  // namespace

bool SpawnDetached(const std::vector<std::string>& argv) {
  if (argv.empty()) return false;
  const std::string program = ResolveProgram(argv[0]);
  if (program.empty()) {
    LogLine("cannot start " + argv[0] + ": not found");
    return false;
  }
  std::vector<char*> args;
  args.reserve(argv.size() + 1);
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);

  // The grandchild reports a failed exec through this pipe; a successful exec closes it.
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return false;
  const pid_t child = fork();
  if (child < 0) {
    close(fds[0]);
    close(fds[1]);
    return false;
  }
  if (child == 0) {
    close(fds[0]);
    setsid();
    const pid_t grandchild = fork();
    if (grandchild == 0) {
      execv(program.c_str(), args.data());
      const int err = errno;
      (void)!write(fds[1], &err, sizeof err);
      _exit(127);
    }
    _exit(grandchild < 0 ? 1 : 0);
  }
  close(fds[1]);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  int err = 0;
  ssize_t got;
  while ((got = read(fds[0], &err, sizeof err)) < 0 && errno == EINTR) {
  }
  close(fds[0]);
  const bool forked = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  if (!forked || got > 0) {
    LogLine("cannot start " + argv[0] + ": " +
            std::system_category().message(got > 0 ? err : ECHILD));
    return false;
  }
  return true;
}

bool OpenWithDesktop(std::string_view address, const std::string& opener) {
  if (address.empty() || address.front() == '-') {
    LogLine("refusing to open \"" + std::string(address) + "\"");
    return false;
  }
  return SpawnDetached({opener, std::string(address)});
}

}  // namespace gm
