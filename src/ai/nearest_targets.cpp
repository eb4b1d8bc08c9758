// Nearest enemy formation and enemy-held settlement, in the order of the four half-plane scans.
//
// Scanning 108,000 cells twice per formation is too slow for one frame, so both searches visit
// only the candidates (used formation records, the listed settlement cells) and rank them by
// distance and then by the position at which the half-plane scans would first meet them:
// north (rows above), east (columns right, any row), south (rows below), west (same row, left).
#include "ai/nearest_targets.hpp"

#include <cstdint>
#include <cstdlib>
#include <tuple>

#include "world/world_access.hpp"

namespace gm {

namespace {

// Rank of a candidate: distance, then the half-plane that meets it first, then row and column.
using Rank = std::tuple<int, int, int, int>;

bool RankOf(int x, int y, int cx, int cy, Rank& rank) {
  int phase = 0;
  if (cy < y) {
    phase = 0;
  } else if (cx > x) {
    phase = 1;
  } else if (cy > y) {
    phase = 2;
  } else if (cx < x) {
    phase = 3;
  } else {
    return false;  // the formation's own cell
  }
  rank = {std::abs(cx - x) + std::abs(cy - y), phase, cy, cx};
  return true;
}

struct Best {
  FoundCell cell;
  Rank rank{};
  void Offer(int x, int y, int cx, int cy) {
    Rank r;
    if (!RankOf(x, y, cx, cy, r)) return;
    if (!cell.found || r < rank) {
      cell = {true, cx, cy};
      rank = r;
    }
  }
};

}  // namespace

void BuildSettlementCells(World& w) {
  ComputerPlayerState& ai = w.Ai;
  ai.SettlementCellCount = 0;
  for (int y = kTheatreMinY; y <= kTheatreMaxY; ++y) {
    for (int x = kTheatreMinX; x <= kTheatreMaxX; ++x) {
      const std::uint16_t s = Cell(w, x, y).Settlement;
      if (s == 0 || s > kMaxSettlements || ai.SettlementCellCount >= kMaxSettlementCells) continue;
      ai.SettlementCells[ai.SettlementCellCount++] = static_cast<std::uint32_t>(y * kMapWidth + x);
    }
  }
  ai.SettlementCellsReady = 1;
}

FoundCell NearestEnemyFormation(const World& w, int x, int y) {
  Best best;
  const std::uint32_t enemies = EnemyCoalition(w);
  for (int n = 1; n <= kMaxFormations; ++n) {
    const TFormation& f = Formation(w, n);
    if (f.Branch == 0 || !InNationSet(enemies, NationOf(f))) continue;
    // Only formations that stand in their cell's ground word count, as a cell scan sees them.
    if (!InTheatre(f.X, f.Y) || Cell(w, f.X, f.Y).GroundFormation != n) continue;
    best.Offer(x, y, f.X, f.Y);
  }
  return best.cell;
}

FoundCell NearestEnemySettlement(World& w, int x, int y) {
  if (w.Ai.SettlementCellsReady == 0) BuildSettlementCells(w);
  Best best;
  for (int i = 0; i < w.Ai.SettlementCellCount; ++i) {
    const std::uint32_t at = w.Ai.SettlementCells[i];
    const int cx = static_cast<int>(at % kMapWidth);
    const int cy = static_cast<int>(at / kMapWidth);
    const TSettlement& s = Settlement(w, Cell(w, cx, cy).Settlement);
    if (IsEnemy(w, s.HolderNation)) best.Offer(x, y, cx, cy);
  }
  return best.cell;
}

}  // namespace gm
