// Opening files and web addresses with the desktop's opener, run from an argument vector (never
// through a shell), and learning how the opener ended without making the game wait.
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.hpp"

namespace gm {

// How long an opener may run before the game stops waiting for it: a browser it started in its
// place keeps running, and may well have opened the address.
inline constexpr std::chrono::milliseconds kOpenerPatience{4000};

// One opening at a time. Open finds the openers on PATH (desktop_openers.hpp) and hands them to
// a helper process of its own session (opener_helper.hpp), which starts them one after another:
// an opener that cannot start, ends with a status other than 0 or is killed is followed by the
// next, as long as the patience lasts. The first that ends with 0 has opened the address
// (kOpened); one still running when the patience is over is left to run, and may have
// (kUnconfirmed) and is never killed; the helper then ends. Neither the helper nor an opener keeps
// the game's descriptors. Poll and Step only look: they never wait, and they reap the helper, so
// neither it nor an opener is left as a zombie. Each failure is logged; when every opener failed
// (or none is there) one line says what to open by hand (a file address as its file's path). An
// empty address, or one starting with '-' (an opener would read it as an option), is refused.
class DesktopOpener {
 public:
  explicit DesktopOpener(std::chrono::milliseconds patience = kOpenerPatience)
      : patience_(patience) {}
  // A helper still at work is stopped; an opener it started is left to run.
  ~DesktopOpener() { Abandon(); }
  DesktopOpener(const DesktopOpener&) = delete;
  DesktopOpener& operator=(const DesktopOpener&) = delete;

  // Starts opening `address`. While an opening is pending it starts nothing; nor while
  // kMostOpenersLeftRunning openers that earlier openings left running still run, answering
  // kUnconfirmed then, so that clicks on a link whose opener hangs do not pile up openers.
  void Open(std::string_view address);
  // Where the opening stands; kOpened, kUnconfirmed and kFailed are answered once, then kNone.
  OpenOutcome Poll();
  // Takes in what the helper has said and reaps it once it has ended; keeps the outcome for Poll.
  void Step();

 private:
  void Abandon();
  void ReadReports();
  void Fail();

  std::chrono::milliseconds patience_;
  int helper_ = -1;               // the helper's process id while it runs
  std::vector<int> leftRunning_;  // the process groups of openers left running past patience
  int reports_ = -1;              // the pipe it reports through
  std::string pending_;           // bytes of a report not yet whole
  std::string address_;
  std::vector<std::string> names_;  // the openers handed to the helper, as the log names them
  OpenOutcome heard_ = OpenOutcome::kNone;  // what the reports say so far
  OpenOutcome outcome_ = OpenOutcome::kNone;
};

}  // namespace gm
