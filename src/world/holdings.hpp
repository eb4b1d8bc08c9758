// Who holds the settlements, kept ready for the readers that ask it all the time: the end-of-war
// test (settlements owned and held by each side), and the computer's search for the nearest
// enemy-held settlement and its new formations (the theatre's settlement cells in blocks of
// 8 x 8, their holders, and which nations hold a settlement in each block).
//
// Derived from the records and never saved: a load builds it anew, every change of a holder
// goes through ChangeSettlementHolder, which keeps it exact, and a world built by hand gets it
// from its first reader.
#pragma once

#include <array>
#include <cstdint>

#include "platform/status.hpp"
#include "world/records.hpp"

namespace gm {

struct World;

// Every cell of the theatre may hold a settlement; cells may share a settlement number, so the
// settlement table does not bound them.
inline constexpr int kMaxSettlementCells =
    (kTheatreMaxX - kTheatreMinX + 1) * (kTheatreMaxY - kTheatreMinY + 1);

// Blocks of 8 x 8 theatre cells, numbered row by row from the theatre's top-left corner.
inline constexpr int kHoldingsBlockCells = 8;
inline constexpr int kHoldingsBlockColumns =
    (kTheatreMaxX - kTheatreMinX + kHoldingsBlockCells) / kHoldingsBlockCells;  // 45
inline constexpr int kHoldingsBlockRows =
    (kTheatreMaxY - kTheatreMinY + kHoldingsBlockCells) / kHoldingsBlockCells;  // 38
inline constexpr int kHoldingsBlocks = kHoldingsBlockColumns * kHoldingsBlockRows;

// A settlement cell and the holder of its settlement.
struct HoldingsCell {
  std::uint16_t X;
  std::uint16_t Y;
  std::uint16_t Settlement;
  std::uint16_t Holder;
};

struct HoldingsIndex {
  std::uint8_t Built;  // 0 until built from the records

  // Settlement records with a Value above 0 whose owner, and whose holder, is a nation of each
  // side ([0] Soviet, [1] German); records 1..20000, as the end-of-war test counts them.
  std::array<std::int32_t, 2> Owned;
  std::array<std::int32_t, 2> Held;

  // The theatre's settlement cells block by block, row by row within a block: those of block b
  // are Cells[BlockFirst[b]] .. Cells[BlockFirst[b + 1] - 1].
  std::array<std::int32_t, kHoldingsBlocks + 1> BlockFirst;
  std::array<HoldingsCell, kMaxSettlementCells> Cells;
  // Bit n set: a settlement cell of the block is held by nation n (1..31).
  std::array<std::uint32_t, kHoldingsBlocks> BlockHolders;
  // The lowest and highest block whose cells name each settlement, both kNoBlock when no theatre
  // cell names it: a capture re-reads only the blocks from the one to the other.
  std::array<std::array<std::int16_t, 2>, kMaxSettlements> SettlementBlocks;
};

inline constexpr std::int16_t kNoBlock = -1;

// The block of a theatre cell.
constexpr int HoldingsBlockOf(int x, int y) {
  return ((y - kTheatreMinY) / kHoldingsBlockCells) * kHoldingsBlockColumns +
         (x - kTheatreMinX) / kHoldingsBlockCells;
}

// Builds the index from the settlement records and the map's settlement words.
void RebuildHoldings(World& w);

// The index, built first when the world has none yet.
const HoldingsIndex& ReadyHoldings(World& w);

// Gives settlement `number` (1..kMaxSettlements) its new holder and value, as a capture does,
// and keeps the index exact: the one way the game changes who holds a settlement. A debug build
// then holds the whole index against the records and stops at the first difference.
void ChangeSettlementHolder(World& w, int number, std::uint16_t holder, std::uint16_t value);

// Compares the index with one built afresh from the records; the message names what differs.
Status CheckHoldings(const World& w);

}  // namespace gm
