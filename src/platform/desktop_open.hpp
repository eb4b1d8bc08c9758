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

// Opens a file or web address with xdg-open (or the given opener). Refuses an empty address or
// one starting with '-', which the opener would read as an option.
bool OpenWithDesktop(std::string_view address, const std::string& opener = "xdg-open");

}  // namespace gm
