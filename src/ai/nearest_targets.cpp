// Nearest enemy formation and enemy-held settlement, in the order of the four half-plane scans.
//
// The scans read north (rows above), east (columns right, any row), south (rows below), west
// (same row, left), each row by row, and keep the first of the nearest. Of the cells at one
// distance, the first met is therefore the one of the earliest half-plane, then the lowest row,
// then the lowest column. Both searches work outwards from the formation and stop once nothing
// nearer or as near can be left, so the whole theatre is read only when nothing is near.
#include "ai/nearest_targets.hpp"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <tuple>

#include "world/holdings.hpp"
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
  int Distance() const { return std::get<0>(rank); }
  void Offer(int x, int y, int cx, int cy) {
    Rank r;
    if (!RankOf(x, y, cx, cy, r)) return;
    if (!cell.found || r < rank) {
      cell = {true, cx, cy};
      rank = r;
    }
  }
};

// Offers the theatre cells at distance d from (x, y) to `meet` in the order the scans meet
// them, until it accepts one; true when it did.
template <typename Meet>
bool MeetRing(int x, int y, int d, Meet&& meet) {
  auto at = [&meet](int cx, int cy) { return InTheatre(cx, cy) && meet(cx, cy); };
  // North: in each row above, the cell to the west, then the one to the east.
  for (int cy = std::max(y - d, kTheatreMinY); cy < y; ++cy) {
    const int r = d - (y - cy);
    if (at(x - r, cy) || (r != 0 && at(x + r, cy))) return true;
  }
  // East: one cell to the right in each row from the formation's own down.
  for (int cy = y; cy < y + d && cy <= kTheatreMaxY; ++cy) {
    if (at(x + d - (cy - y), cy)) return true;
  }
  // South: one cell to the left or straight below in each row below.
  for (int cy = y + 1; cy <= y + d && cy <= kTheatreMaxY; ++cy) {
    if (at(x - d + (cy - y), cy)) return true;
  }
  // West: the cell d to the left in the formation's own row.
  return at(x - d, y);
}

// The farthest any theatre cell lies from (x, y).
int FarthestTheatreDistance(int x, int y) {
  return std::max(std::abs(x - kTheatreMinX), std::abs(kTheatreMaxX - x)) +
         std::max(std::abs(y - kTheatreMinY), std::abs(kTheatreMaxY - y));
}

}  // namespace

FoundCell NearestEnemyFormation(const World& w, int x, int y) {
  const std::uint32_t enemies = EnemyCoalition(w);
  FoundCell found;
  const int farthest = FarthestTheatreDistance(x, y);
  for (int d = 1; d <= farthest && !found.found; ++d) {
    MeetRing(x, y, d, [&](int cx, int cy) {
      const TFormation* f = UsedFormation(w, Cell(w, cx, cy).GroundFormation);
      if (f == nullptr || !InNationSet(enemies, NationOf(*f))) return false;
      found = {true, f->X, f->Y};
      return true;
    });
  }
  return found;
}

FoundCell NearestEnemySettlement(World& w, int x, int y) {
  const HoldingsIndex& h = ReadyHoldings(w);
  const std::uint32_t enemies = EnemyCoalition(w);
  constexpr int kB = kHoldingsBlockCells;
  // The formation's block (the nearest one when it stands outside the theatre). A block k
  // blocks away in a column or row lies at least (k - 1) x 8 + 1 cells away.
  const int bx = std::clamp((x - kTheatreMinX) / kB, 0, kHoldingsBlockColumns - 1);
  const int by = std::clamp((y - kTheatreMinY) / kB, 0, kHoldingsBlockRows - 1);
  Best best;
  auto scan = [&](int cbx, int cby) {
    if (cbx < 0 || cbx >= kHoldingsBlockColumns || cby < 0 || cby >= kHoldingsBlockRows) return;
    const int b = cby * kHoldingsBlockColumns + cbx;
    if ((h.BlockHolders[b] & enemies) == 0) return;
    if (best.cell.found) {  // a block that lies farther than the best found so far
      const int x0 = kTheatreMinX + cbx * kB, y0 = kTheatreMinY + cby * kB;
      const int dx = std::max({0, x0 - x, x - (x0 + kB - 1)});
      const int dy = std::max({0, y0 - y, y - (y0 + kB - 1)});
      if (dx + dy > best.Distance()) return;
    }
    for (int i = h.BlockFirst[b]; i < h.BlockFirst[b + 1]; ++i) {
      const HoldingsCell& c = h.Cells[i];
      if (InNationSet(enemies, c.Holder)) best.Offer(x, y, c.X, c.Y);
    }
  };
  const int rings = std::max(kHoldingsBlockColumns, kHoldingsBlockRows);
  for (int k = 0; k < rings; ++k) {
    if (best.cell.found && best.Distance() <= (k - 1) * kB) break;
    for (int cbx = bx - k; cbx <= bx + k; ++cbx) {
      scan(cbx, by - k);
      if (k > 0) scan(cbx, by + k);
    }
    for (int cby = by - k + 1; cby <= by + k - 1; ++cby) {
      scan(bx - k, cby);
      scan(bx + k, cby);
    }
  }
  return best.cell;
}

}  // namespace gm
