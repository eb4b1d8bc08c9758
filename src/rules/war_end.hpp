// The end-of-war test: a coalition's collapse and the end date.
#pragma once

#include "world/world.hpp"

namespace gm {

inline constexpr std::uint8_t kWarGoesOn = 0;
inline constexpr std::uint8_t kSovietVictory = 1;  // the German coalition has collapsed
inline constexpr std::uint8_t kGermanVictory = 2;  // the Soviet coalition has collapsed
inline constexpr std::uint8_t kEndDateReached = 3;

// Recomputes WarResult from the settlements and the date. The rule only reports: whoever called
// the rule that ran the test shows the final screen once WarResult is not kWarGoesOn.
void CheckWarEnd(World& w);

}  // namespace gm
