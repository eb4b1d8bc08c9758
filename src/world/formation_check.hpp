// The record check of the formations: a record that cannot be a valid formation is wiped, and
// no map cell is left naming a free record.
#pragma once

#include "world/world.hpp"

namespace gm {

// True when the record fails the check: branch or type 0, either copy of its position outside
// the theatre, or a pair with a count whose model is 0 or beyond its table (aircraft rows
// 1..400 in pairs 0..7 of an air formation and in pairs 6 and 7 of any; equipment rows 1..800
// elsewhere).
bool FormationRecordFails(const TFormation& f);

// Wipes words 0..86 of every failing record among all 10,000, then clears every cell word that
// names a free record (or no record at all). Returns how many used records were wiped.
int CheckFormationRecords(World& w);

}  // namespace gm
