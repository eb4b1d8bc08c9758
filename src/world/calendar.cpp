// The game calendar over the month lengths of 1939..1945.
#include "world/calendar.hpp"

#include "world/tables/tables.hpp"

namespace gm {

int DaysInMonth(int year, int month) {
  if (month < 1 || month > 12) return 0;
  const int index = (year - kMonthDaysFirstYear) * 12 + month - 1;
  if (index < 0 || index >= kMonthDaysCount) return 0;
  return MonthDays[index];
}

void AdvanceDate(World& w) {
  if (DayStandsStill(w)) return;
  TGameHeader& h = w.GameHeader;
  const int length = DaysInMonth(h.Year, h.Month);
  if (length == 0) return;  // no calendar entry to count from
  if (h.Day < length) {
    ++h.Day;
  } else if (h.Month != 12) {
    h.Day = 1;
    ++h.Month;
  } else if (DaysInMonth(h.Year + 1, 1) != 0) {
    h.Day = 1;
    h.Month = 1;
    ++h.Year;
  }
  // A day past the month's end rolls over like its last day. On 31 December of the calendar's
  // last year the date stays; the war has ended by then.
}

}  // namespace gm
