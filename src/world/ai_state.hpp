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

// Most settlement cells the theatre can hold: every one of its cells. Cells may share a
// settlement number, so the settlement table does not bound them.
inline constexpr int kMaxSettlementCells =
    (kTheatreMaxX - kTheatreMinX + 1) * (kTheatreMaxY - kTheatreMinY + 1);

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

  // Theatre cells holding a settlement, row by row, column by column: the map's settlement
  // words never change in play, so the searches for enemy-held settlements walk this list
  // instead of the whole theatre. Rebuilt at the start of each computer turn.
  std::int32_t SettlementCellCount;
  std::uint8_t SettlementCellsReady;
  std::array<std::uint32_t, kMaxSettlementCells> SettlementCells;  // y * 1000 + x
};

}  // namespace gm
