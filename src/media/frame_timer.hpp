// The frame timer: ticks from the application's idle processing once Interval milliseconds
// have passed since the last tick, reports how many intervals went by (the lag count) and
// measures the frame rate over windows of at least one second.
#pragma once

#include <cstdint>
#include <functional>

#include "media/app_events.hpp"
#include "platform/clock.hpp"

namespace gm {

class TCustomDXTimer {
 public:
  using NotifyEvent = std::function<void(TCustomDXTimer& sender)>;
  using TimerEvent = std::function<void(TCustomDXTimer& sender, std::int32_t lagCount)>;

  TCustomDXTimer(AppEvents& app, Clock& clock);
  virtual ~TCustomDXTimer();
  TCustomDXTimer(const TCustomDXTimer&) = delete;
  TCustomDXTimer& operator=(const TCustomDXTimer&) = delete;

  bool ActiveOnly() const { return activeOnly_; }
  void SetActiveOnly(bool value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  std::uint32_t Interval() const { return interval_; }
  void SetInterval(std::uint32_t value);
  std::int32_t FrameRate() const { return frameRate_; }
  bool Initialized() const { return initialized_; }
  // True while the timer's idle handler is installed.
  bool Running() const { return app_.IdleOwner() == this; }

  // While the owner's settings are read, Enabled does not start the timer; Loaded does.
  void SetLoading(bool loading) { loading_ = loading; }
  void Loaded();

  // One idle call: a tick when the interval has passed.
  void IdleTick();
  // Milliseconds until the next tick is due (0 when it is due now).
  std::uint32_t MillisecondsUntilDue();

  NotifyEvent OnActivate;
  NotifyEvent OnDeactivate;
  TimerEvent OnTimer;

 protected:
  virtual void DoActivate();
  virtual void DoDeactivate();
  virtual void DoTimer(std::int32_t lagCount);

 private:
  void Initialize();
  void Finalize();
  void Resume();
  void Suspend();
  void AppHook(bool active);

  AppEvents& app_;
  Clock& clock_;
  bool activeOnly_ = true;
  bool enabled_ = true;
  std::int32_t frameRate_ = 0;
  bool initialized_ = false;
  std::uint32_t interval_ = 0;
  std::uint32_t timerIntervalFloor_ = 1;
  std::int32_t frameCounter_ = 0;
  std::uint32_t lastTickTime_ = 0;
  std::uint32_t rateWindowStart_ = 0;
  bool loading_ = false;
};

class TDXTimer final : public TCustomDXTimer {
 public:
  using TCustomDXTimer::TCustomDXTimer;
};

}  // namespace gm
