// Scratch values of the fights: strengths and defence of the current fire phase, the kind of
// the last ground fight, the retreat decision of an assault and the air strike's search masks.
#pragma once

#include <array>
#include <cstdint>

namespace gm {

inline constexpr std::uint8_t kCombatAssault = 1;
inline constexpr std::uint8_t kCombatBombardment = 2;

struct CombatState {
  std::int32_t AttackStrength;  // strength of the side firing in the current phase
  std::int32_t AAStrength;      // anti-aircraft strength of one neighbour in an air strike
  std::int32_t DefenceBase;     // defence base of the side fired on
  std::int32_t RandomValue;     // work value of the spread (the music choice uses it too)
  std::uint8_t CombatMode;      // 1 the last ground fight was an assault, 2 an artillery fire

  // Assault outcome: where the attacker stands (1..8), how many of the nine cells around the
  // defender are blocked (9: encircled) and the chosen retreat cell (1..9 row by row, 0 none).
  std::uint8_t AttackDirection;
  std::uint8_t BlockedCount;
  std::uint8_t RetreatCell;

  // Air strike: fighter candidates around the target ([row][column], offsets -3..+3) and the
  // neighbours whose air defence fires (byte 3 * (dy + 1) + (dx + 1)).
  std::array<std::array<std::uint8_t, 7>, 7> InterceptMask;
  std::array<std::uint8_t, 9> EnemyAAFlags;
};

}  // namespace gm
