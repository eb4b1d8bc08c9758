// A step button of the unit staff page booking its amount on the chosen field.
#pragma once

#include "world/world.hpp"

namespace gm {

// Books step button `button` (1..5: +1, +5, +10, +100, +1000) on the chosen field when the
// button is live. The field's first booking fixes what it draws on: the pool row under the
// cursor (men, cars, horses) or the model under the cursor (equipment). Then the page is
// refreshed (mode 3) and the automatic refit is withdrawn for this opening of the page.
// Nothing is spent: Apply spends the bookings.
void BookRefitStep(World& w, int button);

}  // namespace gm
