// The reach grids around the selected formation: where a ground formation can move, fire,
// assault or drop, and where an air formation can rebase or strike.
#pragma once

#include <array>
#include <cstdint>

#include "world/world.hpp"

namespace gm {

// Codes of GroundReachGrid.
inline constexpr std::int32_t kReachNone = 0;
inline constexpr std::int32_t kReachMove = 1;
inline constexpr std::int32_t kReachFire = 2;     // enemy two cells away, artillery can fire
inline constexpr std::int32_t kReachAssault = 3;  // adjacent enemy
inline constexpr std::int32_t kReachOwnCell = 4;
inline constexpr std::int32_t kReachDrop = 5;  // free cell for an airborne drop

// Codes of AirReachGrid.
inline constexpr std::int32_t kAirRebase = 1;
inline constexpr std::int32_t kAirStrike = 2;  // enemy ground formation with no air formation
inline constexpr std::int32_t kAirEnemyAir = 3;
inline constexpr std::int32_t kAirOwnCell = 4;

inline constexpr int kMaxAirRange = 130;
inline constexpr int kImpassableCost = 255;
inline constexpr int kAirbaseTile = 53;

// Formation types whose formations may drop from an airbase.
inline constexpr std::array<std::uint16_t, 8> DropCapableTypes = {18, 25,  89,  90,
                                                                  95, 108, 114, 157};

// Movement points (10..60) that a formation's supply (men, cars, horses) gives for its load
// (men and towed pieces, less what its vehicles carry).
std::int32_t MovementAllowance(const TFormation& f);

// Builds GroundReachGrid (and the move costs and allowance) for the ground formation in the
// selected cell. The selected cell must hold a ground formation.
void BuildMoveGrid(World& w);

// Builds AirReachGrid (and the range) for the air formation in the selected cell. The selected
// cell must hold an air formation.
void BuildAirRange(World& w);

// Clears every element of AirReachGrid whose cell lies off the map; a step of BuildAirRange.
void ClipAirRange(World& w);

}  // namespace gm
