// The openers' list, read from the fixed names and $BROWSER, and the programs found on PATH.
#include "platform/desktop_openers.hpp"

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <filesystem>

namespace gm {

namespace {

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

// Looked up before the fork: the child then only calls async-signal-safe functions, which
// matters because the sound thread may be running.
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

}  // namespace gm
