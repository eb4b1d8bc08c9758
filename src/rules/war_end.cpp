// The end-of-war test: a coalition's collapse and the end date.
#include "rules/war_end.hpp"

#include "world/holdings.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

// The war ends by date on 9 May 1945. Any later date ends it too: a four-day turn can step over
// the day, and the calendar has no months after 1945.
bool EndDateReached(const TGameHeader& h) {
  if (h.Year != 1945) return h.Year > 1945;
  if (h.Month != 5) return h.Month > 5;
  return h.Day >= 9;
}

// A coalition has collapsed when it holds under a tenth of the settlements its nations own.
// Counted in integers, so a coalition that owns none has not collapsed.
bool Collapsed(int held, int owned) {
  return 10 * held < owned;
}

}  // namespace

void CheckWarEnd(World& w) {
  w.WarResult = kWarGoesOn;
  // The valued settlements each side owns and holds, kept counted through every capture.
  const HoldingsIndex& h = ReadyHoldings(w);
  if (Collapsed(h.Held[kGermanSide], h.Owned[kGermanSide])) w.WarResult = kSovietVictory;
  if (Collapsed(h.Held[kSovietSide], h.Owned[kSovietSide])) w.WarResult = kGermanVictory;
  if (w.WarResult == kWarGoesOn && EndDateReached(w.GameHeader)) w.WarResult = kEndDateReached;
}

}  // namespace gm
