// New ground formations raised by the computer in held settlements near the enemy, of types
// drawn from the nation's three strongest.
#pragma once

#include <cstdint>

#include "world/new_formation.hpp"
#include "world/world.hpp"

namespace gm {

// Fills the nation's row of Ai.BestTypes with its three strongest army types available at the
// current date and draws Ai.PickedType from it (nation 8 keeps one best type in all three
// entries). The draw falls only on entries that a scan has filled; with none filled PickedType
// is 0 and nothing is drawn. A nation outside 1..8 changes nothing.
void ChooseBestTypes(World& w, std::uint16_t nation);

// Raises one formation of 300 men in every settlement of the side on move that passes the tests
// (an enemy within 30 cells when `flag` is 1, value above 0, a free cell with no enemy beside
// it, its nation below its cap, a free record). With flag 1 AiState then becomes 6.
void SpawnNewFormations(World& w, std::uint8_t flag);

}  // namespace gm
