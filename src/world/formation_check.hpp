// The record check of the formations: a record that cannot be a valid formation is wiped, and
// no map cell is left naming a free record.
#pragma once

#include <string>

#include "world/world.hpp"

namespace gm {

// The cells a formation may stand on, inclusive.
struct StandingArea {
  int minX, minY, maxX, maxY;
  constexpr bool Contains(int x, int y) const {
    return x >= minX && x <= maxX && y >= minY && y <= maxY;
  }
};

// The scenario's formations stand in the theatre: columns 0..359, rows 30..329.
inline constexpr StandingArea kTheatreArea{kTheatreMinX, kTheatreMinY, kTheatreMaxX, kTheatreMaxY};

// A save's formations stand anywhere on the map it stores (its header's width and height): an
// air formation that intercepted a strike on the theatre's edge may stand just outside it.
constexpr StandingArea StoredMapArea(const TGameHeader& h) {
  return {0, 0, h.MapWidth - 1, h.MapHeight - 1};
}

// Why the record fails the check, or "" when it passes: branch or type 0, either copy of its
// position outside `area`, or a pair with a count whose model is 0 or beyond 800 (beyond 400 in
// pairs 6 and 7).
std::string FormationRecordFault(const TFormation& f, const StandingArea& area);

inline bool FormationRecordFails(const TFormation& f, const StandingArea& area) {
  return !FormationRecordFault(f, area).empty();
}

// Wipes words 0..86 of every failing record among all 10,000, then clears every cell word that
// names a free record (or no record at all). Returns how many used records were wiped.
int CheckFormationRecords(World& w, const StandingArea& area);

}  // namespace gm
