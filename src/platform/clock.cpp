// The machine's clocks: UTC time of day and a monotonic millisecond counter.
#include "platform/clock.hpp"

#include <chrono>

namespace gm {

std::uint32_t SystemClock::MillisecondsOfDay() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const auto sinceMidnight = now - floor<days>(now);
  return static_cast<std::uint32_t>(duration_cast<milliseconds>(sinceMidnight).count());
}

std::uint32_t SystemClock::TickMilliseconds() {
  using namespace std::chrono;
  const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  return static_cast<std::uint32_t>(ms);
}

}  // namespace gm
