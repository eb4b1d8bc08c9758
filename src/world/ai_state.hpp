// The computer player's state: where its turn stands, the order it hands to the frame tick, the
// re-equipment permission of the current step and the best formation types found per nation.
#pragma once

#include <array>
#include <cstdint>

#include "world/records.hpp"

namespace gm {

// Values of AiState.
enum AiStateValue : std::uint8_t {
  kAiStart = 0,
  kAiFormations = 1,
  kAiProduction = 2,
  kAiNewFormations = 3,
  kAiNewFormationsDone = 6,
  kAiTurnDone = 10,
};

// Values of AiDecision.
enum AiDecisionValue : std::uint8_t {
  kAiNone = 0,
  kAiAssault = 1,
  kAiFire = 2,
  kAiMove = 3,
  kAiStay = 4,
  kAiMerge = 5,
};

struct ComputerPlayerState {
  std::uint8_t AiState;            // AiStateValue
  std::uint16_t AiPass;            // completed passes over the formation table: 0, 1, 2
  std::uint16_t AiFormationIndex;  // record examined last, 0 before the first
  std::uint8_t AiDecision;         // AiDecisionValue of the current step
  std::int32_t AiTargetGridX;      // target column in GroundReachGrid, 1..19
  std::int32_t AiTargetGridY;      // target row
  std::uint8_t AiMergeDirection;   // neighbour merged for decision 5
  std::uint8_t AiRefitAllowed;     // 1 when the stay on an own settlement may re-equip

  // The three strongest raisable types of nation n at BestTypes[n - 1], and the last drawn.
  std::array<std::array<std::uint16_t, 3>, 8> BestTypes;
  std::uint16_t PickedType;
};

}  // namespace gm
