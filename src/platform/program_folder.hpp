// The folder of the running program: where the game finds its data files and keeps its saves.
// Both the file system and the platform answer from this one function.
#pragma once

#include <filesystem>

namespace gm {

// The folder holding the running executable, from /proc/self/exe; the current folder when the
// link cannot be read.
std::filesystem::path RunningProgramFolder();

}  // namespace gm
