// The clock behind everything that reads the time: the generator's seed and the frame timer.
// Tests, benchmarks and the headless sim install a fixed or virtual clock so runs repeat exactly.
#pragma once

#include <cstdint>

namespace gm {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since midnight, universal time: ((h*60+m)*60+s)*1000+ms.
  virtual std::uint32_t MillisecondsOfDay() = 0;
  // A monotonic millisecond counter that wraps at 2^32, for frame timing.
  virtual std::uint32_t TickMilliseconds() = 0;
};

// The machine's clocks.
class SystemClock final : public Clock {
 public:
  std::uint32_t MillisecondsOfDay() override;
  std::uint32_t TickMilliseconds() override;
};

// A clock that only moves when told to: for tests, benchmarks and reproducible sims.
class FixedClock final : public Clock {
 public:
  explicit FixedClock(std::uint32_t msOfDay = 0, std::uint32_t tick = 0)
      : msOfDay_(msOfDay), tick_(tick) {}
  std::uint32_t MillisecondsOfDay() override { return msOfDay_; }
  std::uint32_t TickMilliseconds() override { return tick_; }
  void SetMillisecondsOfDay(std::uint32_t ms) { msOfDay_ = ms; }
  void Advance(std::uint32_t ms) {
    tick_ += ms;
    msOfDay_ = (msOfDay_ + ms) % kMillisecondsPerDay;
  }

  static constexpr std::uint32_t kMillisecondsPerDay = 86'400'000;

 private:
  std::uint32_t msOfDay_;
  std::uint32_t tick_;
};

}  // namespace gm
