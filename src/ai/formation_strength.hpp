// How strong the computer judges a formation, and the type it was raised from: men plus weighted
// equipment, cars and horses.
#pragma once

#include <cstdint>

#include "world/tables/table_types.hpp"
#include "world/world.hpp"

namespace gm {

// Men + 100 x tanks (pairs 0..5) + 50 x self-propelled guns (8..10) + 20 x pairs 11..20 + 5 x
// mortars (21..24) + 15 x anti-tank and anti-aircraft guns (25..30) + 5 x cars + 2 x horses.
// Pairs 6 and 7 (aircraft) do not count.
std::int32_t FormationStrength(const TFormation& f);

// The same weights applied to the nominal counts of a formation type.
std::int32_t NominalStrength(const TFormationType& t);

}  // namespace gm
