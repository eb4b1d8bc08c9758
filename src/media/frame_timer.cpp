// Frame timer: idle-driven ticks with lag count and a frame rate measured once a second.
#include "media/frame_timer.hpp"

namespace gm {

TCustomDXTimer::TCustomDXTimer(AppEvents& app, Clock& clock) : app_(app), clock_(clock) {
  SetInterval(1000);
  app_.AddHook(this, [this](bool active) { AppHook(active); });
}

TCustomDXTimer::~TCustomDXTimer() {
  Finalize();
  app_.RemoveHook(this);
}

void TCustomDXTimer::DoActivate() {
  if (OnActivate) OnActivate(*this);
}
void TCustomDXTimer::DoDeactivate() {
  if (OnDeactivate) OnDeactivate(*this);
}
void TCustomDXTimer::DoTimer(std::int32_t lagCount) {
  if (OnTimer) OnTimer(*this, lagCount);
}

void TCustomDXTimer::SetActiveOnly(bool value) {
  if (value == activeOnly_) return;
  activeOnly_ = value;
  if (!initialized_) return;
  if (!activeOnly_ || app_.Active()) {
    if (!Running()) Resume();
  } else {
    Suspend();
  }
}

void TCustomDXTimer::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  if (loading_) return;
  if (enabled_) {
    Initialize();
  } else {
    Finalize();
  }
}

void TCustomDXTimer::SetInterval(std::uint32_t value) {
  if (value == interval_) return;
  interval_ = static_cast<std::int32_t>(value) < 0 ? 0 : value;
  timerIntervalFloor_ = value < 1 ? 1 : value;
}

void TCustomDXTimer::Loaded() {
  loading_ = false;
  if (enabled_) Initialize();
}

void TCustomDXTimer::Initialize() {
  Finalize();
  if (!activeOnly_ || app_.Active()) Resume();
  initialized_ = true;
}

void TCustomDXTimer::Finalize() {
  if (!initialized_) return;
  Suspend();
  initialized_ = false;
}

void TCustomDXTimer::Resume() {
  lastTickTime_ = clock_.TickMilliseconds();
  rateWindowStart_ = lastTickTime_;
  app_.SetIdleHandler(this, [this] { IdleTick(); });
}

void TCustomDXTimer::Suspend() {
  app_.ClearIdleHandler(this);
}

std::uint32_t TCustomDXTimer::MillisecondsUntilDue() {
  const std::uint32_t elapsed = clock_.TickMilliseconds() - lastTickTime_;
  return elapsed >= interval_ ? 0 : interval_ - elapsed;
}

void TCustomDXTimer::IdleTick() {
  const std::uint32_t now = clock_.TickMilliseconds();
  const std::uint32_t elapsed = now - lastTickTime_;  // wraps with the clock
  if (elapsed < interval_) return;
  lastTickTime_ = now;
  std::uint32_t lag = elapsed / timerIntervalFloor_;
  if (lag < 1) lag = 1;
  ++frameCounter_;
  std::int32_t window = static_cast<std::int32_t>(now - rateWindowStart_);
  if (window < 1) window = 1;
  if (window >= 1000) {
    // Nearest integer of frames * 1000 / window, an exact half to the even neighbour.
    const std::int64_t num = static_cast<std::int64_t>(frameCounter_) * 1000;
    std::int64_t q = num / window;
    const std::int64_t twiceRest = 2 * (num % window);
    if (twiceRest > window || (twiceRest == window && (q & 1) != 0)) ++q;
    frameRate_ = static_cast<std::int32_t>(q);
    frameCounter_ = 0;
    rateWindowStart_ = now;
  }
  DoTimer(lag > 0x7FFFFFFFu ? 0x7FFFFFFF : static_cast<std::int32_t>(lag));
}

void TCustomDXTimer::AppHook(bool active) {
  if (active) {
    DoActivate();
    if (initialized_ && activeOnly_) Resume();
  } else {
    DoDeactivate();
    if (initialized_ && activeOnly_) Suspend();
  }
}

}  // namespace gm
