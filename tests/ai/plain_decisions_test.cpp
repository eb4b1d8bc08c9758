// The decision of a computer formation against the chain of rules written out plainly: every
// rule in its order, each reading the map cell by cell and the whole theatre for rules 3 and 4.
// On random fronts the two must choose the same target, order, merge and refit, and leave the
// same scratch values.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "ai/formation_decisions.hpp"
#include "ai/formation_strength.hpp"
#include "ai_world.hpp"
#include "world/holdings.hpp"
#include "world/merging.hpp"
#include "world/reach_grids.hpp"
#include "world/tables/tables.hpp"

namespace gm {
namespace {

using testing::AiWorld;

struct Chosen {
  int targetX = 0, targetY = 0, gridX = 0, gridY = 0;
  int decision = kAiNone, merge = 0, refit = 0;
  DecisionScratch s;
};

const TFormation* GroundAt(const World& w, int x, int y) {
  return OnMap(x, y) ? UsedFormation(w, Cell(w, x, y).GroundFormation) : nullptr;
}
bool EnemyAt(const World& w, int x, int y) {
  const TFormation* g = GroundAt(w, x, y);
  return g != nullptr && IsEnemy(w, NationOf(*g));
}
int HolderAt(const World& w, int x, int y) {
  if (!OnMap(x, y)) return 0;
  const int s = Cell(w, x, y).Settlement;
  return s >= 1 && s <= kMaxSettlements ? Settlement(w, s).HolderNation : 0;
}
bool TownAt(const World& w, int x, int y) {
  return OnMap(x, y) && Cell(w, x, y).Settlement != 0;
}

// The rules as the rulebook gives them, on the formation of the selected cell, whose grid and
// merge flags are built.
Chosen PlainDecide(const World& w) {
  const int x = w.Selection[1], y = w.Selection[2];
  const TFormation& f = *GroundAt(w, x, y);
  const TFormationType& type = TypeOf(f);
  Chosen c;
  c.targetX = w.TargetX;
  c.targetY = w.TargetY;
  c.merge = w.Ai.AiMergeDirection;
  DecisionScratch& s = c.s;
  auto code = [&](int a, int b) { return w.GroundReachGrid(a, b); };
  auto target = [&](int a, int b, int decision) {
    c.targetX = x - 10 + b, c.targetY = y - 10 + a, c.gridY = a, c.gridX = b;
    c.decision = decision;
  };
  auto nearestMove = [&](int tx, int ty, int start, int& ra, int& rb) {
    int best = start;
    for (int a = 1; a <= 19; ++a) {
      for (int b = 1; b <= 19; ++b) {
        const int d = std::abs(x - 10 + b - tx) + std::abs(y - 10 + a - ty);
        if (code(a, b) == kReachMove && d < best) best = d, ra = a, rb = b;
      }
    }
    return best < start;
  };
  // Rules 1 and 2.
  s.AiStrengthNow = FormationStrength(f);
  s.AiStrengthNominal = NominalStrength(type);
  s.AiEquipReadiness = static_cast<double>(s.AiStrengthNow - f.Men + 1) /
                       static_cast<double>(s.AiStrengthNominal - type.Men + 1);
  for (int a = 8; a <= 12; ++a) {
    for (int b = 8; b <= 12; ++b) {
      s.AiNearEnemyCount += code(a, b) == 2 || code(a, b) == 3;
      s.AiAdjacentEnemyCount += code(a, b) == 3 && std::abs(a - 10) <= 1 && std::abs(b - 10) <= 1;
    }
  }
  for (int yy = y - 9; yy <= y + 9; ++yy) {
    for (int xx = x - 9; xx <= x + 9; ++xx) {
      const TFormation* g = InTheatre(xx, yy) ? GroundAt(w, xx, yy) : nullptr;
      if (g != nullptr) s.AiWindowOwnCount += IsOwn(w, NationOf(*g));
      if (g != nullptr) s.AiWindowEnemyCount += IsEnemy(w, NationOf(*g));
    }
  }
  // Rules 3 and 4: the four half-planes, row by row, then the nearest reachable cell.
  auto towardsNearest = [&](auto&& meets) {
    int best = 10'000, ex = 0, ey = 0;
    auto scan = [&](int r0, int r1, int c0, int c1) {
      for (int r = r0; r <= r1; ++r) {
        for (int col = c0; col <= c1; ++col) {
          int px = 0, py = 0;
          if (!meets(col, r, px, py)) continue;
          const int d = std::abs(px - x) + std::abs(py - y);
          if (d < best) best = d, ex = px, ey = py;
        }
      }
    };
    if (y > 30) scan(30, y - 1, 0, 359);
    if (x < 359) scan(30, 329, x + 1, 359);
    if (y < 329) scan(y + 1, 329, 0, 359);
    if (x > 0) scan(30, 329, 0, x - 1);
    int a = 0, b = 0;
    if (best < 10'000 && nearestMove(ex, ey, 10'000, a, b)) target(a, b, kAiMove);
  };
  towardsNearest([&](int cx, int cy, int& px, int& py) {
    if (!EnemyAt(w, cx, cy)) return false;
    px = GroundAt(w, cx, cy)->X, py = GroundAt(w, cx, cy)->Y;
    return true;
  });
  towardsNearest([&](int cx, int cy, int& px, int& py) {
    px = cx, py = cy;
    return IsEnemy(w, HolderAt(w, cx, cy));
  });
  // Rule 5.
  s.AiBestValue = 1'000'000'000;
  for (int a = 1; a <= 19; ++a) {
    for (int b = 1; b <= 19; ++b) {
      if (code(a, b) != 0 || !EnemyAt(w, x - 10 + b, y - 10 + a)) continue;
      s.AiCandidateValue = FormationStrength(*GroundAt(w, x - 10 + b, y - 10 + a));
      if (s.AiCandidateValue >= s.AiBestValue) continue;
      s.AiBestValue = s.AiCandidateValue;
      int ma = 0, mb = 0;
      if (nearestMove(x - 10 + b, y - 10 + a, 100, ma, mb)) target(ma, mb, kAiMove);
    }
  }
  // Rule 6: north-west, north, north-east, east, south-east, south, south-west, west.
  const int around[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}};
  s.AiBestValue = 1'000'000'000;
  for (int a = 1; a <= 19; ++a) {
    for (int b = 1; b <= 19; ++b) {
      if (code(a, b) != kReachMove) continue;
      for (const auto& [dx, dy] : around) {
        const int nx = x - 10 + b + dx, ny = y - 10 + a + dy;
        if (!EnemyAt(w, nx, ny)) continue;
        s.AiCandidateValue = FormationStrength(*GroundAt(w, nx, ny));
        if (s.AiCandidateValue >= s.AiBestValue) continue;
        s.AiBestValue = s.AiCandidateValue;
        target(a, b, kAiMove);
      }
    }
  }
  // Rule 7.
  s.AiBestValue = 1'000'000'000;
  for (int a = 8; a <= 12; ++a) {
    for (int b = 8; b <= 12; ++b) {
      const TFormation* g = GroundAt(w, x - 10 + b, y - 10 + a);
      if ((code(a, b) != 2 && code(a, b) != 3) || g == nullptr) continue;
      s.AiCandidateValue = FormationStrength(*g);
      if (s.AiCandidateValue >= s.AiBestValue) continue;
      s.AiBestValue = s.AiCandidateValue;
      c.targetX = g->X, c.targetY = g->Y, c.gridY = a, c.gridX = b;
      c.decision = code(a, b) == 2 ? kAiFire : kAiAssault;
    }
  }
  // Rule 8.
  if (c.decision == kAiFire && s.AiBestValue < s.AiStrengthNow && f.OrdersLeft == 2) {
    const int beside[8][2] = {{-1, 1}, {1, -1}, {1, 1}, {-1, -1}, {0, 1}, {0, -1}, {-1, 0}, {1, 0}};
    for (const auto& [da, db] : beside) {
      const int a = c.gridY + da, b = c.gridX + db;
      if (a < 1 || a > 19 || b < 1 || b > 19 || code(a, b) != kReachMove) continue;
      c.targetX += db, c.targetY += da, c.gridY = a, c.gridX = b, c.decision = kAiMove;
      break;
    }
  }
  // Rule 9.
  const bool onTown = TownAt(w, x, y);
  for (int pass = 1; pass <= 3; ++pass) {
    for (int a = 1; a <= 19; ++a) {
      for (int b = 1; b <= 19; ++b) {
        const int mx = x - 10 + b, my = y - 10 + a;
        if (code(a, b) != kReachMove || !TownAt(w, mx, my)) continue;
        const int holder = HolderAt(w, mx, my);
        const bool take = (pass == 1 && IsEnemy(w, holder) && !onTown) ||
                          (pass == 2 && IsEnemy(w, holder) && onTown && s.AiNearEnemyCount == 0) ||
                          (pass == 3 && IsOwn(w, holder) &&
                           2 * s.AiWindowOwnCount < s.AiWindowEnemyCount && !onTown);
        if (take) target(a, b, kAiMove);
      }
    }
  }
  // Rule 10.
  if (onTown && IsOwn(w, HolderAt(w, x, y)) && s.AiEquipReadiness < 0.9 &&
      s.AiAdjacentEnemyCount == 0) {
    c.decision = kAiStay, c.refit = 1;
  }
  if (c.refit != 1 && f.Ammo == 0 && s.AiAdjacentEnemyCount < 8) c.decision = kAiStay;
  if (c.refit != 1 && f.Ammo < 7 && s.AiNearEnemyCount > 3 && s.AiAdjacentEnemyCount < 8) {
    c.decision = kAiStay;
  }
  // Rule 11.
  for (int direction : {1, 2, 3, 4, 6, 7, 8, 9}) {
    if (w.NeighbourFlags[FlagByteForMergeDirection(direction)] == 1) {
      c.decision = kAiMerge, c.merge = direction;
    }
  }
  return c;
}

TEST(PlainDecisions, TheSameChoiceOnRandomFronts) {
  AiWorld t;
  World& w = t.w();
  std::mt19937 rng(1942);
  auto uniform = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  const std::uint16_t tiles[] = {0, 50, 50, 50, 202, 450};  // road, plain, river, sea
  // Soviet rifles and cavalry, German and Romanian infantry, a German panzer division.
  const std::uint16_t types[] = {7, 50, 74, 117, testing::kGermanPanzer};
  const std::uint16_t holders[] = {0, 2, 4, 5, 8, 10};
  int decisions[6] = {};
  for (int trial = 0; trial < 400; ++trial) {
    SCOPED_TRACE("trial " + std::to_string(trial));
    w.SideOnMove = static_cast<std::uint8_t>(trial % 2);
    const int x = trial % 7 == 0 ? uniform(0, 3) : uniform(0, 359);
    const int y = trial % 11 == 0 ? uniform(326, 329) : uniform(30, 329);
    std::vector<int> cells;
    auto mark = [&](int cx, int cy) { cells.push_back(cy * kMapWidth + cx); };
    for (int cy = y - 12; cy <= y + 12; ++cy) {
      for (int cx = x - 12; cx <= x + 12; ++cx) {
        if (!OnMap(cx, cy)) continue;
        Cell(w, cx, cy).Terrain = tiles[uniform(0, 5)];
        mark(cx, cy);
      }
    }
    // The formation in hand, then a front of both sides around it and a few far away.
    int formations = 0, towns = 0;
    auto place = [&](int cx, int cy, std::uint16_t type) -> TFormation* {
      if (!InTheatre(cx, cy) || Cell(w, cx, cy).GroundFormation != 0) return nullptr;
      TFormation& f = Formation(w, ++formations);
      f = TFormation{};
      f.X = f.xCopy = static_cast<std::uint16_t>(cx);
      f.Y = f.yCopy = static_cast<std::uint16_t>(cy);
      f.Branch = 1;
      f.FormationType = type;
      f.Men = static_cast<std::uint16_t>(uniform(1, 12) * 100);
      f.pairs[0].Count = static_cast<std::uint16_t>(uniform(0, 3) == 0 ? uniform(0, 20) : 0);
      f.pairs[18].Count = static_cast<std::uint16_t>(uniform(0, 2) == 0 ? uniform(1, 10) : 0);
      f.pairs[18].Model = f.pairs[18].Count > 0 ? 1 : 0;
      f.Cars = static_cast<std::uint16_t>(uniform(0, 300));
      f.Ammo = static_cast<std::uint16_t>(std::array{0, 3, 6, 10, 10}[uniform(0, 4)]);
      f.OrdersLeft = static_cast<std::uint16_t>(uniform(1, 2));
      Cell(w, cx, cy).GroundFormation = static_cast<std::uint16_t>(formations);
      mark(cx, cy);
      return &f;
    };
    TFormation* self = place(x, y, types[w.SideOnMove == kSovietSide ? uniform(0, 1) : 2]);
    ASSERT_NE(self, nullptr);
    const int nearby = uniform(0, 30);
    for (int i = 0; i < nearby; ++i) {
      place(x + uniform(-10, 10), y + uniform(-10, 10), types[uniform(0, 4)]);
    }
    for (int i = uniform(0, 3); i > 0; --i) place(uniform(0, 359), uniform(30, 329), types[2]);
    const int townCount = uniform(0, 12);
    for (int i = 0; i < townCount; ++i) {
      const bool far = i % 4 == 3;
      const int cx = far ? uniform(0, 359) : x + uniform(-10, 10);
      const int cy = far ? uniform(30, 329) : y + uniform(-10, 10);
      if (!InTheatre(cx, cy) || Cell(w, cx, cy).Settlement != 0) continue;
      Cell(w, cx, cy).Settlement = static_cast<std::uint16_t>(++towns);
      Settlement(w, towns).HolderNation = holders[uniform(0, 5)];
      Settlement(w, towns).Value = 30;
      mark(cx, cy);
    }
    if (uniform(0, 3) == 0 && Cell(w, x, y).Settlement == 0) {  // the formation on a town
      Cell(w, x, y).Settlement = static_cast<std::uint16_t>(++towns);
      Settlement(w, towns).HolderNation = holders[uniform(0, 5)];
    }
    RebuildHoldings(w);
    w.TargetX = uniform(0, 359);  // left by the formation before: kept unless a rule moves it
    w.TargetY = uniform(30, 329);
    w.Ai.AiMergeDirection = static_cast<std::uint8_t>(uniform(0, 9));

    w.Selection = {1, static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y)};
    BuildMoveGrid(w);
    FindMergeCandidates(w);
    w.Ai.AiDecision = kAiNone;  // as the driver leaves them
    w.Ai.AiTargetGridX = w.Ai.AiTargetGridY = 0;
    const Chosen wanted = PlainDecide(w);
    const DecisionScratch s = DecideFormation(w);
    EXPECT_EQ(w.Ai.AiDecision, wanted.decision);
    EXPECT_EQ(w.TargetX, wanted.targetX);
    EXPECT_EQ(w.TargetY, wanted.targetY);
    EXPECT_EQ(w.Ai.AiTargetGridX, wanted.gridX);
    EXPECT_EQ(w.Ai.AiTargetGridY, wanted.gridY);
    EXPECT_EQ(w.Ai.AiMergeDirection, wanted.merge);
    EXPECT_EQ(w.Ai.AiRefitAllowed, wanted.refit);
    EXPECT_EQ(s.AiStrengthNow, wanted.s.AiStrengthNow);
    EXPECT_EQ(s.AiEquipReadiness, wanted.s.AiEquipReadiness);
    EXPECT_EQ(s.AiNearEnemyCount, wanted.s.AiNearEnemyCount);
    EXPECT_EQ(s.AiAdjacentEnemyCount, wanted.s.AiAdjacentEnemyCount);
    EXPECT_EQ(s.AiWindowOwnCount, wanted.s.AiWindowOwnCount);
    EXPECT_EQ(s.AiWindowEnemyCount, wanted.s.AiWindowEnemyCount);
    EXPECT_EQ(s.AiBestValue, wanted.s.AiBestValue);
    EXPECT_EQ(s.AiCandidateValue, wanted.s.AiCandidateValue);
    ++decisions[w.Ai.AiDecision];

    for (const int at : cells) w.MapCells[at] = TMapCell{testing::kPlainTile, 0, 0, 0, 0, 0};
    for (int n = 1; n <= formations; ++n) Formation(w, n) = TFormation{};
    for (int n = 1; n <= towns; ++n) Settlement(w, n) = TSettlement{};
  }
  // Every kind of decision came up.
  for (int d = kAiNone; d <= kAiMerge; ++d) EXPECT_GT(decisions[d], 0) << "decision " << d;
}

}  // namespace
}  // namespace gm
