// Opening the unit staff page: the page put back to its opening state, and the check of whether
// the formation may draw on its nation's reserves where it stands and whether the automatic refit
// has anything to do.
#pragma once

#include "world/world.hpp"

namespace gm {

// The page as it opens: the ammunition field chosen, the cursor on row 1, the neighbour mask
// open all round, nothing booked or chosen; then the first refresh (mode 1).
void ResetRefitPage(World& w);

// For the ground formation on the Selection cell: RefitHereAllowed when it stands on a
// settlement held by its side and no neighbour carries an assault mark in its reach grid;
// AutoRefitOffered when it has both orders left and ammunition to take anywhere, or, where it
// may draw, men, a slot's equipment, cars or horses that its reserves can give. All eight
// neighbours closed offers nothing and says so (message 7). Changes no world record.
void RefitCheck(World& w);

}  // namespace gm
