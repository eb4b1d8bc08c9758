// Hold, retreat or surrender after an assault; morale and the books of both sides.
#include "rules/assault_outcome.hpp"

#include <algorithm>

#include "rules/capture.hpp"
#include "rules/loss_books.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

// Where the attacker stands beside the defender, directions 1..8 (attacker minus defender).
constexpr CellOffset kDirections[9] = {{0, 0},   {1, 1},  {0, 1},  {-1, 1}, {-1, 0},
                                       {-1, -1}, {0, -1}, {1, -1}, {1, 0}};

// Retreat cells to try, best first, by the attacker's direction: away from the attacker.
constexpr std::uint8_t kRetreatPriority[9][7] = {
    {},
    {1, 4, 2, 3, 7, 8, 6},
    {2, 3, 1, 4, 6, 9, 7},
    {3, 2, 6, 9, 1, 4, 8},
    {6, 9, 3, 2, 8, 7, 1},
    {9, 6, 8, 7, 3, 2, 4},
    {8, 7, 9, 6, 4, 1, 3},
    {7, 8, 4, 1, 9, 6, 2},
    {4, 1, 7, 8, 2, 3, 9},
};

// Mask byte of an offset: the outcome keeps its flags column by column.
constexpr int MaskIndex(int dx, int dy) {
  return 3 * (dx + 1) + (dy + 1);
}

bool EdgeBlocks(int x, int y, int dx, int dy) {
  return (dx < 0 && x <= kTheatreMinX) || (dx > 0 && x >= kTheatreMaxX) ||
         (dy < 0 && y <= kTheatreMinY) || (dy > 0 && y >= kTheatreMaxY);
}

bool CellBlocks(const World& w, int x, int y) {
  if (!InTheatre(x, y)) return true;
  const TMapCell& c = Cell(w, x, y);
  if (c.Terrain < kTerrainTileCount && TerrainTiles[c.Terrain].MoveCost == 255) return true;
  if (c.Settlement > 0 && c.Settlement <= kMaxSettlements) {
    const TSettlement& s = Settlement(w, c.Settlement);
    if (s.OwnerNation == kNeutralNation || s.HolderNation == kNeutralNation) return true;
  }
  return UsedFormation(w, c.GroundFormation) != nullptr;
}

// Fills NeighbourMask around the defender's cell and returns how many of the nine are blocked.
int BuildRetreatMask(World& w, int x, int y) {
  auto& mask = w.NeighbourMask;
  int blocked = 0;
  for (int dx = -1; dx <= 1; ++dx) {
    for (int dy = -1; dy <= 1; ++dy) {
      std::uint8_t& flag = mask[MaskIndex(dx, dy)];
      if (dx == 0 && dy == 0) {
        flag = 1;
      } else {
        flag = EdgeBlocks(x, y, dx, dy) || CellBlocks(w, x + dx, y + dy) ? 1 : 0;
      }
      blocked += flag;
    }
  }
  return blocked;
}

int DirectionOf(int dx, int dy) {
  for (int d = 1; d <= 8; ++d) {
    if (kDirections[d].dx == dx && kDirections[d].dy == dy) return d;
  }
  return 0;
}

void AddMorale(TFormation& f, int delta) {
  f.Morale = SaturatingAdd16(f.Morale, delta);
}

// A won retreat or surrender raises morale up to 600 (a held fight may have left it above).
void RaiseMoraleTo600(TFormation& f, int gain) {
  if (f.Morale < 600) f.Morale = static_cast<std::uint16_t>(f.Morale + gain);
  if (f.Morale > 600) f.Morale = 600;
}

AssaultOutcome Decide(const TFormation& defender, std::int64_t a, std::int64_t d,
                      std::uint16_t menBefore) {
  // A defender that had no men cannot have lost a share of them: it holds.
  if (menBefore == 0) return AssaultOutcome::Held;
  const long double q = static_cast<long double>(defender.Men) / menBefore;
  const bool heavy = d > 3 * a;
  const bool retreats = (heavy && q < 0.7L && defender.Experience < 120 && defender.Morale < 140) ||
                        (heavy && q < 0.9L && defender.Morale < 100) ||
                        (heavy && defender.Morale < 60) || defender.Ammo == 0;
  return retreats ? AssaultOutcome::Retreated : AssaultOutcome::Held;
}

}  // namespace

CellOffset RetreatCellOffset(int cellNumber) {
  return {(cellNumber - 1) % 3 - 1, (cellNumber - 1) / 3 - 1};
}

AssaultOutcome ResolveAssaultOutcome(World& w) {
  CombatState& c = w.Combat;
  c.RetreatCell = 0;
  c.BlockedCount = 0;
  w.NeighbourMask.fill(0);
  w.NeighbourMask[MaskIndex(0, 0)] = 1;

  const int ax = w.Selection[1], ay = w.Selection[2];
  if (!OnMap(ax, ay) || !OnMap(w.TargetX, w.TargetY)) return AssaultOutcome::Held;
  const int attackerId = Cell(w, ax, ay).GroundFormation;
  const int defenderId = Cell(w, w.TargetX, w.TargetY).GroundFormation;
  if (UsedFormation(w, attackerId) == nullptr || UsedFormation(w, defenderId) == nullptr) {
    return AssaultOutcome::Held;
  }
  TFormation& attacker = Formation(w, attackerId);
  TFormation& defender = Formation(w, defenderId);

  AssaultOutcome outcome = AssaultOutcome::Held;
  if (c.CombatMode == kCombatAssault) {
    const std::int64_t a = std::max(0, w.SnapshotA.Men - attacker.Men);
    const std::int64_t d = std::max(0, w.SnapshotB.Men - defender.Men);
    outcome = Decide(defender, a, d, w.SnapshotB.Men);

    const int direction = DirectionOf(attacker.X - defender.X, attacker.Y - defender.Y);
    if (direction != 0) c.AttackDirection = static_cast<std::uint8_t>(direction);
    c.BlockedCount = static_cast<std::uint8_t>(BuildRetreatMask(w, w.TargetX, w.TargetY));

    if (outcome == AssaultOutcome::Retreated && direction != 0) {
      for (std::uint8_t cell : kRetreatPriority[direction]) {
        const CellOffset o = RetreatCellOffset(cell);
        if (w.NeighbourMask[MaskIndex(o.dx, o.dy)] == 0) {
          c.RetreatCell = cell;
          break;
        }
      }
    }

    if (outcome == AssaultOutcome::Retreated && c.BlockedCount < 9 && c.RetreatCell != 0) {
      const CellOffset o = RetreatCellOffset(c.RetreatCell);
      Cell(w, w.TargetX, w.TargetY).GroundFormation = 0;
      defender.X = static_cast<std::uint16_t>(defender.X + o.dx);
      defender.xCopy = static_cast<std::uint16_t>(defender.xCopy + o.dx);
      defender.Y = static_cast<std::uint16_t>(defender.Y + o.dy);
      defender.yCopy = static_cast<std::uint16_t>(defender.yCopy + o.dy);
      w.TargetX += o.dx;
      w.TargetY += o.dy;
      Cell(w, w.TargetX, w.TargetY).GroundFormation = static_cast<std::uint16_t>(defenderId);
      // A defender whose men all fell is removed by the clean-up; it takes no settlement first.
      if (defender.Men > 0) CaptureSettlement(w);
    } else if (outcome == AssaultOutcome::Retreated && c.BlockedCount == 9 &&
               defender.Morale < 80) {
      defender.Men = 0;
      outcome = AssaultOutcome::Surrendered;
    }

    switch (outcome) {
      case AssaultOutcome::Held:
        AddMorale(attacker, d > a ? 1 : d < a ? -1 : 0);
        AddMorale(defender, a > d ? 1 : a < d ? -1 : 0);
        break;
      case AssaultOutcome::Retreated:
        RaiseMoraleTo600(attacker, 2);
        if (defender.Morale > 2) defender.Morale = static_cast<std::uint16_t>(defender.Morale - 2);
        break;
      case AssaultOutcome::Surrendered:
        RaiseMoraleTo600(attacker, 5);
        break;
    }
  }

  const int attackerNation = NationOf(attacker);
  const int defenderNation = NationOf(defender);
  BookStandardLosses(w, attacker, w.SnapshotA, attackerNation);
  switch (outcome) {
    case AssaultOutcome::Held:
      BookStandardLosses(w, defender, w.SnapshotB, defenderNation);
      break;
    case AssaultOutcome::Retreated:
      BookRetreatLosses(w, defender, w.SnapshotB, defenderNation, attackerNation);
      break;
    case AssaultOutcome::Surrendered:
      BookSurrenderLosses(w, w.SnapshotB, defenderNation, attackerNation);
      break;
  }
  return outcome;
}

}  // namespace gm
