// The temporary files an atomic write puts beside the file it replaces. Each write makes one of
// its own, `<file>.<tag>.tmp` with a tag of random letters and digits, and holds a lock on it for
// as long as it writes, so that two programs saving into one file never meet at one name and a
// file left by a write that was killed can be told from one still being written.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace gm {

inline constexpr std::size_t kTemporaryTagLength = 6;

// A temporary file nobody holds a lock on and nobody has written for this long is left over
// from a write that never finished. The age guards a writer whose file system keeps no locks
// (or only for this machine) and the moment between a file's creation and its lock.
inline constexpr std::chrono::seconds kStaleTemporaryAge{600};

// True when `name` (a name in a folder) is one of the temporary names of `file` (the name of the
// file they replace, in the same folder).
bool IsTemporaryNameOf(std::string_view name, std::string_view file);

// Creates a new temporary file beside `path`, exclusively and never through a symbolic link,
// readable as a saved file is, and locks it. Sets `fd` (open for writing) and `tmp` (its path).
// Returns 0, or the errno of the failure with `tmp` naming the file it could not create.
int CreateTemporaryFile(const std::string& path, int& fd, std::string& tmp);

// Removes the temporary files of `path` that writes which never finished left behind: regular
// files of its temporary names, unlocked, and untouched for kStaleTemporaryAge. Whatever else
// stands there (a live writer's file, a folder, a link) stays. Nothing it cannot remove fails.
void RemoveStaleTemporaryFiles(const std::string& path);

}  // namespace gm
