// Month lengths of the Gregorian calendar for 1939..1945, the years the game's dates can take.
#include "world/tables/tables.hpp"

namespace gm {
namespace {

constexpr bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr std::array<std::uint16_t, kMonthDaysCount> BuildMonthDays() {
  constexpr std::uint16_t kCommonYear[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  std::array<std::uint16_t, kMonthDaysCount> days{};
  for (int i = 0; i < kMonthDaysCount; ++i) {
    const int year = kMonthDaysFirstYear + i / 12;
    const int month = i % 12 + 1;
    days[i] = (month == 2 && IsLeapYear(year)) ? 29 : kCommonYear[month - 1];
  }
  return days;
}

}  // namespace

constexpr std::array<std::uint16_t, kMonthDaysCount> MonthDays = BuildMonthDays();

}  // namespace gm
