// Kills the step buttons of a field whose booking draws on another row than the cursor's.
#pragma once

#include "world/world.hpp"

namespace gm {

// Acts while the men field or an equipment field is chosen: when the field has a booking whose
// choice differs from ListCursor, every step button goes dead and the message is 2.
void ResetRefitButtons(World& w);

}  // namespace gm
