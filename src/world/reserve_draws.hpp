// Drawing on a nation's reserves: the men, car and horse pools read as unsigned counts, and the
// blend of experience and morale when men join a formation, and the topping up of a formation's
// men, cars and horses towards its type's strength.
#pragma once

#include <cstdint>

#include "world/records.hpp"

namespace gm {

// Experience and morale of the men each pool gives.
inline constexpr std::uint32_t kVeteranExperience = 100;
inline constexpr std::uint32_t kVeteranMorale = 105;
inline constexpr std::uint32_t kRecruitExperience = 1;
inline constexpr std::uint32_t kRecruitMorale = 85;

// A pool as the economy keeps it: an unsigned count in a 32-bit word.
constexpr std::uint32_t PoolCount(std::int32_t pool) {
  return static_cast<std::uint32_t>(pool);
}

// Takes up to `need` from a pool: all of the need when the pool covers it, else what the pool
// holds. Returns what was taken.
std::uint32_t TakeFromPool(std::int32_t& pool, std::uint32_t need);

// Adds `added` men of experience `e` and morale `m` to the formation, averaging its experience
// and morale by head count (each at least 1). The men count stops at 65,535.
void BlendMen(TFormation& f, std::uint32_t added, std::uint32_t e, std::uint32_t m);

// Men from one pool up to `staff`, joining with the pool's experience `e` and morale `m`: all
// that is missing when the pool covers it, else what the pool holds. Returns the men taken.
std::uint32_t DrawMenFrom(TFormation& f, std::uint16_t staff, std::int32_t& pool, std::uint32_t e,
                          std::uint32_t m);

// Tops `count` up to `staff` from a pool the same way (cars, horses). Returns what was taken.
std::uint32_t DrawCountFrom(std::uint16_t& count, std::uint16_t staff, std::int32_t& pool);

}  // namespace gm
