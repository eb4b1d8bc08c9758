// Formation types by what they are, for the tests' hand-made worlds and the review pictures.
#pragma once

#include <cstdint>

namespace gm::testing {

inline constexpr std::uint16_t kSovietRifles = 7;          // nation 5, army
inline constexpr std::uint16_t kSovietAirborne = 18;       // nation 5, may drop
inline constexpr std::uint16_t kGermanInfantry = 74;       // nation 2, army
inline constexpr std::uint16_t kRomanianInfantry = 117;    // nation 4, army
inline constexpr std::uint16_t kSecondSovietCavalry = 50;  // nation 8, army
inline constexpr std::uint16_t kSovietFighters = 51;       // nation 5, air
inline constexpr std::uint16_t kGermanFighters = 161;      // nation 2, air

}  // namespace gm::testing
