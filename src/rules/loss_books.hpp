// The loss books: a fight's losses, found by comparing a formation with its copy from before the
// fight, entered into the nations' statistics, pools, stocks and repair queues.
#pragma once

#include "world/world.hpp"

namespace gm {

// Losses of a formation that stays where it is, booked to `nation`: a quarter of a loss of four
// or more is destroyed, the rest wounded or damaged and back to the nation's reserves.
void BookStandardLosses(World& w, const TFormation& now, const TFormation& before, int nation);

// Losses of a retreating defender (nation `nation`): lost whole to it; the part not destroyed
// is captured by `capturer`, a third damaged and the rest whole.
void BookRetreatLosses(World& w, const TFormation& now, const TFormation& before, int nation,
                       int capturer);

// A surrendering defender: its whole strength before the fight, men dead or prisoners, the rest
// shared as in a retreat.
void BookSurrenderLosses(World& w, const TFormation& before, int nation, int capturer);

// Artillery fire: the ground formation of the target cell against SnapshotB, standard book.
void BookBombardmentLosses(World& w);

// Air strike: the target cell's ground formation (standard book, against SnapshotB) and its air
// formation (against SnapshotA): half of a loss of two or more aircraft destroyed, the rest to
// the repair queue.
void BookAirStrikeLosses(World& w);

}  // namespace gm
