// The temporary files an atomic write puts beside the file it replaces. Each write makes one of
// its own, `<file>.gravmark-<tag>.tmp` with a tag of random letters and digits, and holds a lock
// on it for as long as it writes, so that two programs saving into one file never meet at one
// name and a file left by a write that was killed can be told from one still being written. The
// mark in the name keeps a person's `<file>.backup.tmp` from ever being taken for one of them.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace gm {

inline constexpr std::size_t kTemporaryTagLength = 6;

// A temporary file nobody holds a lock on and nobody has written for this long is left over
// from a write that never finished. The age guards a writer whose file system keeps no locks
// (or only for this machine) and the moment between a file's creation and its lock.
inline constexpr std::chrono::seconds kStaleTemporaryAge{600};

// The longest name the folder takes (pathconf's _PC_NAME_MAX, NAME_MAX where it cannot tell);
// an empty folder is the working one.
std::size_t FolderNameLimit(const std::string& folder);

// The length of the path the temporary files of `path` get.
std::size_t TemporaryPathLength(const std::string& path);

// Creates a new temporary file beside `path`, exclusively and never through a symbolic link,
// with the permissions `mode` (less the umask) from its creation on, and locks it. Sets `fd`
// (open for writing) and `tmp` (its path). Returns 0, or the errno of the failure with `tmp`
// naming the file it could not create.
int CreateTemporaryFile(const std::string& path, mode_t mode, int& fd, std::string& tmp);

// Removes the temporary files of `path` that writes which never finished left behind: regular
// files of its temporary names, unlocked, and untouched for kStaleTemporaryAge. Whatever else
// stands there (a live writer's file, a folder, a link, the file `path` itself names through a
// link) stays. Nothing it cannot remove fails.
void RemoveStaleTemporaryFiles(const std::string& path);

// The paths of the temporary files of `path` that no write holds, whatever their age, in order:
// what killed writes left, holding room on the disk until a later write removes them.
std::vector<std::string> LeftTemporaryFiles(const std::string& path);

}  // namespace gm
