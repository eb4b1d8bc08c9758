// Frame timer: ticks due when the interval has passed (also across the clock's wrap), lag
// counts, the frame rate over one-second windows, and the idle-handler and activation rules.
#include "media/frame_timer.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace gm {
namespace {

struct Rig {
  AppEvents app;
  FixedClock clock;
  TDXTimer timer{app, clock};
  std::vector<std::int32_t> lags;
  explicit Rig(std::uint32_t start = 0) : clock(0, start) {
    timer.OnTimer = [this](TCustomDXTimer&, std::int32_t lag) { lags.push_back(lag); };
  }
  // Sets the clock to start + at and runs one idle call.
  void IdleAt(std::uint32_t start, std::uint32_t at) {
    clock.Advance(start + at - clock.TickMilliseconds());
    app.Idle();
  }
};

TEST(FrameTimer, TicksWhenTheIntervalHasPassedAcrossTheClockWrap) {
  struct Case {
    std::uint32_t start;
    std::uint32_t interval;
    std::vector<std::uint32_t> idleAt;
    std::vector<std::int32_t> lags;
  };
  const std::vector<Case> cases = {
      {0, 20, {19, 20, 45, 90}, {1, 1, 2}},
      {0xFFFFFFF0u, 20, {19, 20, 45, 90}, {1, 1, 2}},  // wraps between 15 and 16
      {0xFFFFFFFFu, 20, {1, 30, 100}, {1, 3}},
      {0, 0, {0, 0, 7, 7}, {1, 1, 7, 1}},  // interval 0: every idle call, lag = ms since last
      {0, 50, {49, 50, 149, 151}, {1, 1}},
  };
  for (const auto& c : cases) {
    Rig r(c.start);
    r.timer.SetInterval(c.interval);
    r.timer.SetActiveOnly(false);
    r.timer.SetEnabled(false);
    r.timer.SetEnabled(true);  // resumes at the start time
    for (auto t : c.idleAt) r.IdleAt(c.start, t);
    EXPECT_EQ(r.lags, c.lags) << "start " << c.start << " interval " << c.interval;
  }
}

TEST(FrameTimer, FrameRateIsMeasuredOncePerSecondWindow) {
  Rig r;
  r.timer.SetInterval(20);
  r.timer.SetEnabled(false);
  r.timer.SetEnabled(true);
  std::uint32_t t = 0;
  for (int i = 0; i < 49; ++i) r.IdleAt(0, t += 20);
  EXPECT_EQ(r.timer.FrameRate(), 0);  // still in the first second
  r.IdleAt(0, t += 20);               // 50 ticks in 1000 ms
  EXPECT_EQ(r.timer.FrameRate(), 50);
  for (int i = 0; i < 24; ++i) r.IdleAt(0, t += 40);
  EXPECT_EQ(r.timer.FrameRate(), 50);  // the second window is not over yet
  r.IdleAt(0, t += 40);                // 25 ticks in 1000 ms
  EXPECT_EQ(r.timer.FrameRate(), 25);
  // 3 ticks in 1200 ms: 2.5 rounds to the even 2; 7 ticks in 2000 ms: 3.5 rounds to 4.
  r.IdleAt(0, t += 400);
  r.IdleAt(0, t += 400);
  r.IdleAt(0, t += 400);
  EXPECT_EQ(r.timer.FrameRate(), 2);
  for (int i = 0; i < 7; ++i) r.IdleAt(0, t += i == 6 ? 2000 - 6 * 100 : 100);
  EXPECT_EQ(r.timer.FrameRate(), 4);
}

TEST(FrameTimer, IntervalSetterAndLoading) {
  Rig r;
  r.timer.SetInterval(0);
  EXPECT_EQ(r.timer.Interval(), 0u);
  r.timer.SetInterval(0x80000000u);  // read as negative: no minimum
  EXPECT_EQ(r.timer.Interval(), 0u);

  Rig loading;
  loading.timer.SetLoading(true);
  loading.timer.SetEnabled(false);
  loading.timer.SetEnabled(true);
  EXPECT_FALSE(loading.timer.Initialized());
  EXPECT_FALSE(loading.app.HasIdleHandler());
  loading.timer.Loaded();
  EXPECT_TRUE(loading.timer.Initialized());
  EXPECT_TRUE(loading.timer.Running());
}

TEST(FrameTimer, OnlyOneTimerDrivesTheIdleHandler) {
  AppEvents app;
  FixedClock clock;
  TDXTimer a(app, clock), b(app, clock);
  int ticksA = 0, ticksB = 0;
  a.OnTimer = [&](TCustomDXTimer&, std::int32_t) { ++ticksA; };
  b.OnTimer = [&](TCustomDXTimer&, std::int32_t) { ++ticksB; };
  a.SetInterval(0);
  b.SetInterval(0);
  a.Loaded();
  b.Loaded();
  app.Idle();
  EXPECT_EQ(ticksA, 0);
  EXPECT_EQ(ticksB, 1);
  // Stopping the timer that lost the handler leaves the other running.
  a.SetEnabled(false);
  app.Idle();
  EXPECT_EQ(ticksB, 2);
  b.SetEnabled(false);
  EXPECT_FALSE(app.Idle());
}

TEST(FrameTimer, ActivationEventsAndActiveOnlySuspension) {
  Rig r;
  std::vector<std::string> seen;
  r.timer.OnActivate = [&](TCustomDXTimer&) { seen.push_back("on"); };
  r.timer.OnDeactivate = [&](TCustomDXTimer&) { seen.push_back("off"); };
  r.timer.SetInterval(20);
  r.timer.Loaded();  // ActiveOnly by default
  r.app.SetActive(false);
  EXPECT_FALSE(r.timer.Running());
  r.clock.Advance(5000);
  r.app.SetActive(true);  // resumption restarts the clocks: no burst
  r.IdleAt(0, r.clock.TickMilliseconds() + 25);
  EXPECT_EQ(r.lags, std::vector<std::int32_t>{1});
  EXPECT_EQ(seen, (std::vector<std::string>{"off", "on"}));
  // The game's timer keeps ticking while inactive and only hears the events.
  r.timer.SetActiveOnly(false);
  r.app.SetActive(false);
  EXPECT_TRUE(r.timer.Running());
}

}  // namespace
}  // namespace gm
