// Detached program start by fork/exec with an argument vector, and the openers tried in turn.
#include "platform/desktop_open.hpp"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
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

// Forks the program detached. 0 when it started, else the error that stopped it.
int ForkDetached(const std::string& program, const std::vector<std::string>& argv) {
  std::vector<char*> args;
  args.reserve(argv.size() + 1);
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);

  // The grandchild reports a failed exec through this pipe; a successful exec closes it.
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return errno;
  const pid_t child = fork();
  if (child < 0) {
    const int err = errno;
    close(fds[0]);
    close(fds[1]);
    return err;
  }
  if (child == 0) {
    close(fds[0]);
    setsid();
    const pid_t grandchild = fork();
    if (grandchild == 0) {
      // The game ignores the file-size signal for its own saves; the program started must not
      // inherit that.
      signal(SIGXFSZ, SIG_DFL);
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
  if (got > 0) return err;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : ECHILD;
}

// Starts argv[0]; false (and why) when it is not there or would not start.
bool Spawn(const std::vector<std::string>& argv, std::string& why) {
  if (argv.empty()) return false;
  const std::string program = ResolveProgram(argv[0]);
  if (program.empty()) {
    why = "not found";
    return false;
  }
  if (const int err = ForkDetached(program, argv); err != 0) {
    why = std::system_category().message(err);
    return false;
  }
  return true;
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

bool SpawnDetached(const std::vector<std::string>& argv) {
  std::string why;
  if (Spawn(argv, why)) return true;
  if (!argv.empty()) LogLine("cannot start " + argv[0] + ": " + why);
  return false;
}

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

bool OpenWithDesktop(std::string_view address) {
  if (address.empty() || address.front() == '-') {
    LogLine("refusing to open \"" + std::string(address) + "\"");
    return false;
  }
  std::string why;
  for (const auto& argv : DesktopOpeners(address)) {
    if (Spawn(argv, why)) return true;
  }
  LogLine(
      "no program found to open it (tried xdg-open, sensible-browser, x-www-browser and "
      "$BROWSER): open " +
      ByHand(address) + " by hand");
  return false;
}

}  // namespace gm
