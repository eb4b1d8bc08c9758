// The whole game state in one struct: the records, the shared variables of every subsystem and
// the random generator's seed. Plain data, all zero when value-initialised.
#pragma once

#include <array>
#include <cstdint>
#include <type_traits>

#include "world/ai_state.hpp"
#include "world/combat_state.hpp"
#include "world/holdings.hpp"
#include "world/list_state.hpp"
#include "world/one_based_grid.hpp"
#include "world/reach_state.hpp"
#include "world/records.hpp"
#include "world/refit_state.hpp"
#include "world/screen_state.hpp"

namespace gm {

inline constexpr int kGroundGridSize = 19;  // rows and columns 1..19, centre (10, 10)
inline constexpr int kGroundGridCentre = 10;
inline constexpr int kAirGridSize = 261;  // rows and columns 1..261, centre (131, 131)
inline constexpr int kAirGridCentre = 131;

// Sides (coalitions).
inline constexpr std::uint8_t kSovietSide = 0;
inline constexpr std::uint8_t kGermanSide = 1;
// The coalitions' nation sets as start-up fills them: bit n for nation n.
inline constexpr std::uint32_t kSovietNations = 0x120;  // 5, 8
inline constexpr std::uint32_t kGermanNations = 0xDE;   // 1, 2, 3, 4, 6, 7

// About 7.5 MB: allocate it on the heap (std::make_unique<World>() gives an all-zero world).
struct World {
  // --- Records (numbered from 1 where noted: use the helpers of world_access.hpp) ---
  std::array<TMapCell, kMapWidth * kMapHeight> MapCells;  // cell (x, y) at y * 1000 + x
  std::array<TFormation, kMaxFormations> Formations;      // formation n at n - 1
  std::array<TSettlement, kMaxSettlements> Settlements;   // settlement n at n - 1
  TGameHeader GameHeader;
  TEconomy Economy;
  // Copies of the two sides of the last fight, taken just before it; the loss books read them.
  TFormation SnapshotA;
  TFormation SnapshotB;
  // Scratch values of the fights (combat_state.hpp).
  CombatState Combat;
  TSaveSlotTable SaveSlots;

  // --- Sides and start-up settings ---
  std::uint8_t SideOnMove;        // 0 Soviet, 1 German
  std::uint8_t OpeningCoalition;  // the side that moves first in each pair of turns
  std::uint8_t FirstCoalition;    // start-up settings, one byte each
  std::uint8_t GermanPlayer;      // 0 human, 1 computer
  std::uint8_t SovietPlayer;      // 0 human, 1 computer
  std::uint8_t TurnLength;        // 0 one day, 1 four days
  std::uint8_t SoundOn;
  std::uint32_t SovietCoalition;  // bit n set for nation n
  std::uint32_t GermanCoalition;

  // --- Views, selection and orders ---
  std::array<std::uint16_t, 3> Selection;  // [0] 1 while a cell is selected, [1] column, [2] row
  std::int32_t ViewX;                      // top-left cell of the Battlefield view
  std::int32_t ViewY;
  std::int32_t Map1X;  // top-left cell of the Map1 view
  std::int32_t Map1Y;
  std::int32_t MapWidth;  // 1000 and 400 once the scenario is loaded
  std::int32_t MapHeight;
  std::int32_t TargetX;  // target cell of the order being carried out
  std::int32_t TargetY;
  std::uint8_t WarResult;  // 0 none, 1 Soviet coalition won, 2 German coalition won, 3 end date

  // --- Screen state of the frame loop (names in screen_state.hpp) ---
  std::array<std::uint8_t, kScreenFlagCount> ScreenFlags;  // indexed by ScreenFlag
  std::array<std::uint8_t, kScreenFlagCount> SavedScreenFlags;
  std::uint8_t ActionTick;    // 0 idle, 1..26 frame of the running action animation
  gm::ActionKind ActionKind;  // what the animation resolves at its end

  // --- Computer player hand-shake ---
  std::uint8_t AiCompletesTurn;     // the end-turn page's "AI complete Your turn" switch
  std::uint8_t AiOrderPending;      // 1 while the computer's order waits for the frame tick
  std::int32_t FreeFormationIndex;  // record chosen for a new formation, counted from 0
  ComputerPlayerState Ai;           // the computer player's own state (ai_state.hpp)

  // --- Per-nation totals, element n - 1 for nation n ---
  std::array<std::int32_t, 8> SettlementValueByHolder;
  std::array<std::int32_t, 8> ProductionValue;
  // The economy page's four tables, element n - 1 for nation n (1..10): settlements owned at
  // the start, settlements held, held value (div 10 after the daily economy), airbases.
  std::array<std::array<std::int32_t, kNationRows>, 4> StatCounts;

  // --- Grids around the selected formation ---
  OneBasedGrid<std::int32_t, kGroundGridSize> GroundReachGrid;  // (row, col), 1..19
  OneBasedGrid<std::int32_t, kAirGridSize> AirReachGrid;        // (row, col), 1..261
  // Merge candidates: byte 3 * (dy + 1) + (dx + 1), rows from the top.
  std::array<std::uint8_t, 9> NeighbourFlags;
  // Refit page mask, byte 3 * (dy + 1) + (dx + 1) row by row; during an assault its outcome
  // keeps its blocked retreat cells here, byte 3 * (dx + 1) + (dy + 1) column by column.
  std::array<std::uint8_t, 9> NeighbourMask;
  // Working values of the reach-grid builders (move costs, movement points, air range).
  ReachState Reach;

  // --- Lists and per-nation counters of the pages (list_state.hpp) ---
  ListState Lists;

  // --- The unit staff page (refit_state.hpp) ---
  RefitState Refit;

  // --- Derived from the records, never saved (holdings.hpp) ---
  HoldingsIndex Holdings;

  // --- The random generator (random.hpp) ---
  std::uint32_t RandomSeed;
};

static_assert(std::is_aggregate_v<World>);
static_assert(std::is_trivially_copyable_v<World>);
static_assert(std::is_standard_layout_v<World>);

}  // namespace gm
