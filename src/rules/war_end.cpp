// The end-of-war test: a coalition's collapse and the end date.
#include "rules/war_end.hpp"

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
  int sovietOwned = 0, germanOwned = 0, sovietHeld = 0, germanHeld = 0;
  for (const TSettlement& s : w.Settlements) {
    if (s.Value == 0) continue;
    sovietOwned += InNationSet(kSovietNations, s.OwnerNation);
    germanOwned += InNationSet(kGermanNations, s.OwnerNation);
    sovietHeld += InNationSet(kSovietNations, s.HolderNation);
    germanHeld += InNationSet(kGermanNations, s.HolderNation);
  }
  if (Collapsed(germanHeld, germanOwned)) w.WarResult = kSovietVictory;
  if (Collapsed(sovietHeld, sovietOwned)) w.WarResult = kGermanVictory;
  if (w.WarResult == kWarGoesOn && EndDateReached(w.GameHeader)) w.WarResult = kEndDateReached;
}

}  // namespace gm
