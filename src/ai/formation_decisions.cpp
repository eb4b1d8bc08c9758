// The decision rules for one computer formation, in their fixed order, and the switch.
#include "ai/formation_decisions.hpp"

#include <array>
#include <cstdlib>

#include "ai/auto_refit.hpp"
#include "ai/decision_window.hpp"
#include "ai/formation_strength.hpp"
#include "ai/nearest_targets.hpp"
#include "world/merging.hpp"
#include "world/reach_grids.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr int kN = kGroundGridSize;
constexpr int kC = kGroundGridCentre;
constexpr int kFarAway = 10'000;

// The formation in hand at (x, y), its grid and the cells around it; grid cell (a, b) is map
// cell (x - 10 + b, y - 10 + a).
struct Hand {
  World& w;
  TFormation& f;
  int x;
  int y;
  DecisionWindow window;
  // The grid's code-1 cells row by row, as (a, b).
  std::array<std::array<std::int8_t, 2>, kN * kN> moves;
  int moveCount = 0;
  bool targetSet = false;  // a rule has chosen a target cell in this decision

  Hand(World& world, TFormation& formation, int cx, int cy)
      : w(world), f(formation), x(cx), y(cy), window(world, cx, cy) {
    for (int a = 1; a <= kN; ++a) {
      for (int b = 1; b <= kN; ++b) {
        moves[moveCount] = {static_cast<std::int8_t>(a), static_cast<std::int8_t>(b)};
        moveCount += Code(a, b) == kReachMove;
      }
    }
  }
  int Code(int a, int b) const { return w.GroundReachGrid(a, b); }
  int MapX(int b) const { return x - kC + b; }
  int MapY(int a) const { return y - kC + a; }
};

void SetTarget(Hand& h, int a, int b, std::uint8_t decision) {
  h.w.TargetX = h.MapX(b);
  h.w.TargetY = h.MapY(a);
  h.w.Ai.AiTargetGridY = a;
  h.w.Ai.AiTargetGridX = b;
  h.w.Ai.AiDecision = decision;
  h.targetSet = true;
}

// The code-1 cell nearest to map cell (tx, ty), row by row, strictly nearer wins; false when
// none is nearer than `start`.
bool NearestMoveCell(const Hand& h, int tx, int ty, int start, int& ra, int& rb) {
  int best = start;
  bool found = false;
  for (int i = 0; i < h.moveCount; ++i) {
    const int a = h.moves[i][0], b = h.moves[i][1];
    const int d = std::abs(h.MapX(b) - tx) + std::abs(h.MapY(a) - ty);
    if (d < best) {
      best = d;
      ra = a;
      rb = b;
      found = true;
    }
  }
  return found;
}

void MoveTowards(Hand& h, const FoundCell& goal) {
  int a = 0, b = 0;
  if (goal.found && NearestMoveCell(h, goal.x, goal.y, kFarAway, a, b)) SetTarget(h, a, b, kAiMove);
}

// Rules 3 and 4: towards the nearest enemy formation, overridden by a move towards the nearest
// enemy-held settlement whenever there is one.
void MoveTowardsNearestEnemy(Hand& h) {
  FoundCell goal = NearestEnemySettlement(h.w, h.x, h.y);
  if (!goal.found) goal = NearestEnemyFormation(h.w, h.x, h.y);
  MoveTowards(h, goal);
}

// Rule 1 and 2: strength, readiness and the counts.
void Measure(const Hand& h, DecisionScratch& s) {
  const TFormationType& t = TypeOf(h.f);
  s.AiStrengthNow = FormationStrength(h.f);
  s.AiStrengthNominal = NominalStrength(t);
  s.AiEquipReadiness = static_cast<double>(s.AiStrengthNow - h.f.Men + 1) /
                       static_cast<double>(s.AiStrengthNominal - t.Men + 1);
  for (int a = kC - 2; a <= kC + 2; ++a) {
    for (int b = kC - 2; b <= kC + 2; ++b) {
      const int code = h.Code(a, b);
      if (code == kReachFire || code == kReachAssault) ++s.AiNearEnemyCount;
      if (code == kReachAssault && std::abs(a - kC) <= 1 && std::abs(b - kC) <= 1) {
        ++s.AiAdjacentEnemyCount;
      }
    }
  }
  s.AiWindowOwnCount = h.window.OwnInTheatre();
  s.AiWindowEnemyCount = h.window.EnemyInTheatre();
}

// Rule 5: beside the weakest enemy that stands in the window but out of reach.
void MoveTowardsWeakestOutOfReach(Hand& h, DecisionScratch& s) {
  s.AiBestValue = 1'000'000'000;
  for (int i = 0; i < h.window.EnemyCount(); ++i) {  // row by row
    const int a = h.window.Enemy(i) / DecisionWindow::kSpan;
    const int b = h.window.Enemy(i) % DecisionWindow::kSpan;
    if (a < 1 || a > kN || b < 1 || b > kN || h.Code(a, b) != kReachNone) continue;
    s.AiCandidateValue = h.window.Strength(a, b);
    if (s.AiCandidateValue >= s.AiBestValue) continue;
    s.AiBestValue = s.AiCandidateValue;
    int ma = 0, mb = 0;
    if (NearestMoveCell(h, h.MapX(b), h.MapY(a), 100, ma, mb)) SetTarget(h, ma, mb, kAiMove);
  }
}

// Rule 6: the reachable cell beside the weakest enemy.
void MoveNextToWeakest(Hand& h, DecisionScratch& s) {
  // North-west, north, north-east, east, south-east, south, south-west, west.
  static constexpr std::array<std::array<int, 2>, 8> kAround = {
      {{-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}}};
  s.AiBestValue = 1'000'000'000;
  for (int i = 0; i < h.moveCount; ++i) {
    const int a = h.moves[i][0], b = h.moves[i][1];
    if (!h.window.Has(a, b, DecisionWindow::kEnemyBeside)) continue;
    for (const auto& [dx, dy] : kAround) {
      if (!h.window.Has(a + dy, b + dx, DecisionWindow::kEnemyGround)) continue;
      s.AiCandidateValue = h.window.Strength(a + dy, b + dx);
      if (s.AiCandidateValue >= s.AiBestValue) continue;
      s.AiBestValue = s.AiCandidateValue;
      SetTarget(h, a, b, kAiMove);
    }
  }
}

// Rule 7: fire on or assault the weakest enemy in reach. Returns the order chosen, or none.
std::uint8_t StrikeWeakestInReach(Hand& h, DecisionScratch& s) {
  std::uint8_t order = kAiNone;
  s.AiBestValue = 1'000'000'000;
  for (int a = kC - 2; a <= kC + 2; ++a) {
    for (int b = kC - 2; b <= kC + 2; ++b) {
      const int code = h.Code(a, b);
      if (code != kReachFire && code != kReachAssault) continue;
      if (!h.window.Has(a, b, DecisionWindow::kAnyGround)) continue;
      s.AiCandidateValue = h.window.Strength(a, b);
      if (s.AiCandidateValue >= s.AiBestValue) continue;
      s.AiBestValue = s.AiCandidateValue;
      h.w.TargetX = h.window.Ground(a, b).X;
      h.w.TargetY = h.window.Ground(a, b).Y;
      h.w.Ai.AiTargetGridY = a;
      h.w.Ai.AiTargetGridX = b;
      order = code == kReachFire ? kAiFire : kAiAssault;
      h.w.Ai.AiDecision = order;
      h.targetSet = true;
    }
  }
  return order;
}

// Rule 8: a weaker target that rule 7 chose to fire on is closed in on instead.
void CloseIn(Hand& h, const DecisionScratch& s) {
  if (s.AiBestValue >= s.AiStrengthNow || h.f.OrdersLeft != 2) return;
  // (row offset, column offset) from the target.
  static constexpr std::array<std::array<int, 2>, 8> kBeside = {
      {{-1, 1}, {1, -1}, {1, 1}, {-1, -1}, {0, 1}, {0, -1}, {-1, 0}, {1, 0}}};
  for (const auto& [da, db] : kBeside) {
    const int a = h.w.Ai.AiTargetGridY + da, b = h.w.Ai.AiTargetGridX + db;
    if (!OneBasedGrid<std::int32_t, kN>::Contains(a, b) || h.Code(a, b) != kReachMove) continue;
    h.w.TargetX += db;
    h.w.TargetY += da;
    h.w.Ai.AiTargetGridY = a;
    h.w.Ai.AiTargetGridX = b;
    h.w.Ai.AiDecision = kAiMove;
    return;
  }
}

// Rule 9: settlements in reach; in each pass the last matching cell wins.
void TakeSettlements(Hand& h, const DecisionScratch& s) {
  using W = DecisionWindow;
  const bool onSettlement = h.window.Has(kC, kC, W::kSettlement);
  for (int pass = 1; pass <= 3; ++pass) {
    for (int i = 0; i < h.moveCount; ++i) {
      const int a = h.moves[i][0], b = h.moves[i][1];
      const std::uint8_t holds = h.window.Holds(a, b);
      if ((holds & W::kSettlement) == 0) continue;
      const bool enemyHeld = (holds & W::kEnemyHeld) != 0, ownHeld = (holds & W::kOwnHeld) != 0;
      bool take = false;
      if (pass == 1) take = enemyHeld && !onSettlement;
      if (pass == 2) take = enemyHeld && onSettlement && s.AiNearEnemyCount == 0;
      if (pass == 3) {
        take = ownHeld && 2 * s.AiWindowOwnCount < s.AiWindowEnemyCount && !onSettlement;
      }
      if (take) SetTarget(h, a, b, kAiMove);
    }
  }
}

// Rule 10: stay to refit on an own settlement, or to refill ammunition.
void Stay(Hand& h, const DecisionScratch& s) {
  ComputerPlayerState& ai = h.w.Ai;
  ai.AiRefitAllowed = 0;
  // Only a settlement cell is own-held.
  if (h.window.Has(kC, kC, DecisionWindow::kOwnHeld) && s.AiEquipReadiness < 0.9 &&
      s.AiAdjacentEnemyCount == 0) {
    ai.AiDecision = kAiStay;
    ai.AiRefitAllowed = 1;
  }
  if (ai.AiRefitAllowed != 1 && h.f.Ammo == 0 && s.AiAdjacentEnemyCount < 8) {
    ai.AiDecision = kAiStay;
  }
  if (ai.AiRefitAllowed != 1 && h.f.Ammo < 7 && s.AiNearEnemyCount > 3 &&
      s.AiAdjacentEnemyCount < 8) {
    ai.AiDecision = kAiStay;
  }
}

// Rule 11: merge with a flagged neighbour; the highest direction wins.
void Merge(Hand& h) {
  for (int direction : {1, 2, 3, 4, 6, 7, 8, 9}) {
    if (h.w.NeighbourFlags[FlagByteForMergeDirection(direction)] != 1) continue;
    h.w.Ai.AiDecision = kAiMerge;
    h.w.Ai.AiMergeDirection = static_cast<std::uint8_t>(direction);
  }
}

}  // namespace

DecisionScratch DecideFormation(World& w) {
  DecisionScratch s;
  const int x = w.Selection[1], y = w.Selection[2];
  TFormation* f = UsedFormation(w, Cell(w, x, y).GroundFormation);
  if (f == nullptr) return s;
  Hand h{w, *f, x, y};
  Measure(h, s);                                             // rules 1 and 2
  MoveTowardsWeakestOutOfReach(h, s);                        // rule 5
  MoveNextToWeakest(h, s);                                   // rule 6
  if (StrikeWeakestInReach(h, s) == kAiFire) CloseIn(h, s);  // rules 7 and 8
  TakeSettlements(h, s);                                     // rule 9
  // Rules 3 and 4 come first in the chain, but a target of any of rules 5 to 9 replaces theirs
  // whole (cell, grid place and decision), and they need a cell to move to: their searches of
  // the theatre run only when their target is the one that stands.
  if (!h.targetSet && h.moveCount > 0) MoveTowardsNearestEnemy(h);  // rules 3 and 4
  Stay(h, s);                                                       // rule 10
  Merge(h);                                                         // rule 11
  return s;
}

void ActOnDecision(World& w) {
  switch (w.Ai.AiDecision) {
    case kAiAssault:
    case kAiFire:
    case kAiMove:
      w.AiOrderPending = 1;
      break;
    case kAiStay:
      AiAutoRefit(w);
      break;
    case kAiMerge:
      MergeFormations(w, w.Ai.AiMergeDirection);
      break;
    default:
      break;
  }
}

}  // namespace gm
