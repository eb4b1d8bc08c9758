// Termination signals caught into one flag.
#include "platform/sdl/sdl_signals.hpp"

#include <array>
#include <atomic>
#include <csignal>

namespace gm {

namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};

// Set from whichever thread the signal lands on; lock-free, so the handler may touch it.
std::atomic<int> pending{0};
static_assert(std::atomic<int>::is_always_lock_free);
std::array<bool, kSignals.size()> caught{};

// Async-signal-safe: the handler calls it too.
void RestoreDefaultAction(int signal) {
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigemptyset(&fallback.sa_mask);
  sigaction(signal, &fallback, nullptr);
}

void OnTerminationSignal(int signal) {
  if (pending.exchange(1) == 0) return;
  // Nobody read the first one: the default action, now.
  RestoreDefaultAction(signal);
  raise(signal);
}

}  // namespace

void CatchTerminationSignals() {
  for (std::size_t i = 0; i < kSignals.size(); ++i) {
    if (caught[i]) continue;
    struct sigaction now {};
    if (sigaction(kSignals[i], nullptr, &now) != 0 || now.sa_handler != SIG_DFL) continue;
    struct sigaction handler {};
    handler.sa_handler = OnTerminationSignal;
    sigemptyset(&handler.sa_mask);
    // Interrupted waits go on by themselves; the flag is read when the wait ends.
    handler.sa_flags = SA_RESTART;
    caught[i] = sigaction(kSignals[i], &handler, nullptr) == 0;
  }
}

void ReleaseTerminationSignals() {
  for (std::size_t i = 0; i < kSignals.size(); ++i) {
    if (!caught[i]) continue;
    RestoreDefaultAction(kSignals[i]);
    caught[i] = false;
  }
  pending.store(0);
}

bool TerminationSignalPending() {
  return pending.load() != 0;
}

bool TakeTerminationSignal() {
  return pending.exchange(0) != 0;
}

}  // namespace gm
