// The game calendar: one day on at the end of the second coalition's turn.
#pragma once

#include "world/world.hpp"

namespace gm {

// True on the turn of the side that opened the war: the calendar and the economy stand still.
inline bool DayStandsStill(const World& w) {
  return w.OpeningCoalition == w.SideOnMove;
}

// Days in a month of the calendar; 0 for a month outside it (before 1939 or after 1945).
int DaysInMonth(int year, int month);

// Moves the date on by one day unless the opening coalition is on move. The date never leaves the
// calendar: on its last day (31 December 1945), or on a date outside it, it stays.
void AdvanceDate(World& w);

}  // namespace gm
