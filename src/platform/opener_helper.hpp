// The helper process that tries the openers one after another, and how it speaks to the game.
// RunOpenerHelper runs in the child of a fork until it ends: it may call only async-signal-safe
// functions, so everything it needs is prepared before the fork.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace gm {

// What the helper says of each opener it tried, one fixed-size record at a time (a write of
// this size to a pipe is never split).
enum class OpenerReportKind : std::int32_t {
  kNotStarted,
  kExited,  // with a status other than 0
  kKilled,
  kOpened,   // ended with 0
  kRunning,  // still running at the deadline (or past what can be learnt of it)
};
struct OpenerReport {
  std::int32_t opener = 0;  // index into the openers handed over
  OpenerReportKind kind = OpenerReportKind::kNotStarted;
  std::int32_t value = 0;  // kNotStarted: errno; kExited: status; kKilled: signal
};

// An opener ready to start: found on PATH, its arguments as execv takes them.
struct PreparedOpener {
  std::string program;
  std::vector<std::string> words;
  std::vector<char*> argv;  // into words, ending with nullptr
};

// What the helper is handed besides its openers. Both descriptors lie above 2.
struct HelperSetup {
  int reports = -1;      // the write end of the pipe the game reads
  int devNull = -1;      // /dev/null, open for reading and writing
  long descriptors = 0;  // how many descriptors there may be, for a kernel without close_range
  timespec deadline{};   // on CLOCK_MONOTONIC: the patience's end
};

// Where the kernel refuses close_range, the helper closes descriptors one by one up to the limit
// of open files, but never past this many: a limit it cannot read, or one of millions, would keep
// the opening pending for minutes.
inline constexpr unsigned long kMostDescriptorsClosed = 65536;

// Closes each descriptor from `first` to `last` below `count` (the limit of open files; 0 or less
// where it could not be read) and below kMostDescriptorsClosed. Async-signal-safe.
void CloseEachDescriptor(unsigned first, unsigned last, long count);

// In a session of its own, with /dev/null for its standard streams, no descriptor of the game's
// but the pipe and the default action of the signals the game ignores, tries each opener until one
// opens the address or the deadline passes, reporting each; then ends.
[[noreturn]] void RunOpenerHelper(const std::vector<PreparedOpener>& openers,
                                  const HelperSetup& setup);

}  // namespace gm
