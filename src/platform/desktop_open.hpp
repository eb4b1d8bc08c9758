// Starting other programs: the desktop's opener for files and web addresses, run from an
// argument vector (never through a shell).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gm {

// Runs argv[0] (searched on PATH when it has no '/') with the given arguments, detached: the
// game neither waits for it nor leaves a zombie. True when the program was started.
bool SpawnDetached(const std::vector<std::string>& argv);

// The programs tried in turn to open `address`, each as an argument vector: xdg-open,
// sensible-browser, x-www-browser, then each command of $BROWSER (commands separated by ':',
// "%s" in one standing for the address, which is added last otherwise).
std::vector<std::vector<std::string>> DesktopOpeners(std::string_view address);

// Opens a file or web address with the first of DesktopOpeners that starts. When none does, one
// log line says what to open by hand (a file address as its file's path). Refuses an empty
// address or one starting with '-', which an opener would read as an option.
bool OpenWithDesktop(std::string_view address);

}  // namespace gm
