// The reach grids around the selected formation: movement points, move costs, the relaxation of
// paths through the 19 x 19 window, the fire, assault and drop marks, and the air range square.
#include "world/reach_grids.hpp"

#include <algorithm>
#include <cstdlib>

#include "world/tables/tables.hpp"
#include "world/world_access.hpp"

namespace gm {

static_assert(decltype(ReachState::MoveCostGrid)::kSize == kGroundGridSize);

namespace {

constexpr int kGround = kGroundGridSize;
constexpr int kGroundCells = kGround * kGround;
constexpr int kCentre = kGroundGridCentre;
constexpr int kCentreIndex = (kCentre - 1) * kGround + (kCentre - 1);

// Directions in the order the relaxation tries them: lower left, left, upper left, up, upper
// right, right, lower right, down (rows grow downwards).
constexpr int StepCol[8] = {-1, -1, -1, 0, 1, 1, 1, 0};
constexpr int StepRow[8] = {1, 0, -1, -1, -1, 0, 1, 1};

constexpr int kRelaxPasses = 5;
constexpr int kRelaxRings = 9;  // rings 0..8; ring 9 receives values but is never visited

// Visits of rings 0..d in one pass: ring 0 is the centre, visited four times, ring d > 0 has
// 8d cells, its corners visited twice.
constexpr std::array<int, kRelaxRings> MakeRingEnds() {
  std::array<int, kRelaxRings> ends{};
  int n = 0;
  for (int d = 0; d < kRelaxRings; ++d) {
    n += d == 0 ? 4 : 8 * d + 4;
    ends[d] = n;
  }
  return ends;
}
constexpr auto kRingEnd = MakeRingEnds();
constexpr int kVisitsPerPass = kRingEnd[kRelaxRings - 1];

// Visits of one pass: rings 0..8, each as top row left to right, right column downwards, bottom
// row right to left, left column upwards, so that rings 0..d are kRingEnd[d] visits long. Flat
// 0-based indices into the 19 x 19 window.
constexpr std::array<std::int16_t, kVisitsPerPass> MakeVisitOrder() {
  std::array<std::int16_t, kVisitsPerPass> order{};
  int n = 0;
  auto add = [&](int row, int col) {
    order[n++] = static_cast<std::int16_t>((row - 1) * kGround + (col - 1));
  };
  for (int d = 0; d < kRelaxRings; ++d) {
    for (int c = kCentre - d; c <= kCentre + d; ++c) add(kCentre - d, c);
    for (int r = kCentre - d; r <= kCentre + d; ++r) add(r, kCentre + d);
    for (int c = kCentre + d; c >= kCentre - d; --c) add(kCentre + d, c);
    for (int r = kCentre + d; r >= kCentre - d; --r) add(r, kCentre - d);
  }
  return order;
}
constexpr auto kVisitOrder = MakeVisitOrder();

constexpr std::array<int, 8> MakeNeighbourOffsets() {
  std::array<int, 8> off{};
  for (int i = 0; i < 8; ++i) off[i] = StepRow[i] * kGround + StepCol[i];
  return off;
}
constexpr auto kNeighbourOffset = MakeNeighbourOffsets();

int TileMoveCost(int tile) {
  return tile >= 0 && tile < kTerrainTileCount ? TerrainTiles[tile].MoveCost : kImpassableCost;
}

bool IsNeutralSettlement(const World& w, int id) {
  if (id < 1 || id > kMaxSettlements) return false;
  const TSettlement& s = Settlement(w, id);
  return s.OwnerNation == kNeutralNation || s.HolderNation == kNeutralNation;
}

bool IsDropCapable(int type) {
  return std::find(DropCapableTypes.begin(), DropCapableTypes.end(), type) !=
         DropCapableTypes.end();
}

// The cost of entering each cell of the window; returns the lowest. Cells outside the theatre
// cannot be entered.
std::int32_t FillMoveCosts(const World& w, int x0, int y0,
                           std::array<std::int32_t, kGroundCells>& cost) {
  cost.fill(kImpassableCost);
  std::int32_t lowest = kImpassableCost;
  const int left = x0 - kCentre, top = y0 - kCentre;  // map cell of grid column and row 0
  const int cFirst = std::max(1, kTheatreMinX - left),
            cLast = std::min(kGround, kTheatreMaxX - left);
  const int rFirst = std::max(1, kTheatreMinY - top), rLast = std::min(kGround, kTheatreMaxY - top);
  for (int r = rFirst; r <= rLast && cFirst <= cLast; ++r) {
    const TMapCell* row = &Cell(w, left + cFirst, top + r);
    std::int32_t* out = &cost[(r - 1) * kGround + (cFirst - 1)];
    for (int c = 0; c <= cLast - cFirst; ++c) {
      const TMapCell& cell = row[c];
      std::int32_t value = TileMoveCost(cell.Terrain);
      if ((cell.GroundFormation | cell.Settlement) != 0) {
        if (UsedFormation(w, cell.GroundFormation) != nullptr) value = kImpassableCost;
        if (IsNeutralSettlement(w, cell.Settlement)) value = kImpassableCost;
      }
      out[c] = value;
      lowest = std::min(lowest, value);
    }
  }
  return lowest;
}

// Five fixed sweeps that carry the points left along every path found so far. A visit changes
// a neighbour only when the visited cell holds at least the cheapest cost of the window, and no
// cell of ring d holds more than the allowance less d times that cost: the rings beyond can be
// left out of every sweep. A sweep that changes nothing leaves the next ones nothing to change.
void Relax(std::array<std::int32_t, kGroundCells>& g,
           const std::array<std::int32_t, kGroundCells>& cost, std::int32_t allowance,
           std::int32_t cheapest) {
  const int rings = cheapest > 0 ? std::min<int>(kRelaxRings, allowance / cheapest) : kRelaxRings;
  if (rings <= 0) return;
  const int visits = kRingEnd[rings - 1];
  for (int pass = 0; pass < kRelaxPasses; ++pass) {
    bool changed = false;
    for (int i = 0; i < visits; ++i) {
      const int idx = kVisitOrder[i];
      const std::int32_t v = g[idx];
      if (v < cheapest) continue;
      for (const int off : kNeighbourOffset) {
        const int n = idx + off;
        const std::int32_t candidate = v - cost[n];
        if (g[n] < candidate) {
          g[n] = candidate;
          changed = true;
        }
      }
    }
    if (!changed) return;
  }
}

// Fire marks on the outer ring, assault marks on the inner ring of the 5 x 5 block.
void MarkOrders(World& w, int x0, int y0, const TFormation& self) {
  const int firePieces = [&] {
    int n = 0;
    for (int k = 18; k <= 24; ++k) n += self.pairs[k].Count;
    return n;
  }();
  for (int dr = -2; dr <= 2; ++dr) {
    for (int dc = -2; dc <= 2; ++dc) {
      std::int32_t& e = w.GroundReachGrid(kCentre + dr, kCentre + dc);
      const int x = x0 + dc, y = y0 + dr;
      if (!InTheatre(x, y)) {
        e = kReachNone;
        continue;
      }
      const TFormation* other = UsedFormation(w, Cell(w, x, y).GroundFormation);
      if (other == nullptr) continue;
      const int ring = std::max(std::abs(dr), std::abs(dc));
      const int nation = NationOf(*other);
      if (IsOwn(w, nation)) {
        e = kReachNone;
      } else if (IsEnemy(w, nation)) {
        if (ring == 2) e = (firePieces > 0 && self.Ammo > 0) ? kReachFire : kReachNone;
        if (ring == 1) e = self.Ammo > 0 ? kReachAssault : kReachNone;
      }
      if (self.OrdersLeft == 0) e = kReachNone;
    }
  }
}

// From an airbase, drop-capable formations may land on any free passable cell of the
// window that they cannot walk to, except the three cells of each corner.
void MarkDrops(World& w, int x0, int y0) {
  for (int r = 1; r <= kGround; ++r) {
    const int y = y0 - kCentre + r;
    for (int c = 1; c <= kGround; ++c) {
      const int x = x0 - kCentre + c;
      std::int32_t& e = w.GroundReachGrid(r, c);
      if (!InTheatre(x, y)) {
        e = kReachNone;
        continue;
      }
      const TMapCell& cell = Cell(w, x, y);
      if (e == kReachNone && UsedFormation(w, cell.GroundFormation) == nullptr) e = kReachDrop;
      if (TileMoveCost(cell.Terrain) == kImpassableCost) e = kReachNone;
    }
  }
  constexpr int kCorners[12][2] = {{1, 1},   {1, 2},   {2, 1},   {1, 18}, {1, 19}, {2, 19},
                                   {18, 19}, {19, 18}, {19, 19}, {18, 1}, {19, 1}, {19, 2}};
  for (const auto& rc : kCorners) w.GroundReachGrid(rc[0], rc[1]) = kReachNone;
}

}  // namespace

std::int32_t MovementAllowance(const TFormation& f) {
  auto sum = [&](int first, int last) {
    std::int32_t n = 0;
    for (int k = first; k <= last; ++k) n += f.pairs[k].Count;
    return n;
  };
  const std::int64_t supply = std::int64_t{f.Men} + 10 * std::int64_t{f.Cars} + f.Horses;
  const std::int64_t load =
      10 * std::int64_t{sum(14, 30)} + f.Men - 4 * sum(0, 5) - 5 * sum(8, 10) - 6 * sum(11, 13);
  // The supply-to-load ratio against 3.0, 2.5, 2.0, 1.5 and 1.0, each bound belonging to the
  // lower level; compared exactly in integers. A load of 0 or below gets the lowest level.
  int level = 1;
  if (load > 0) {
    if (supply > 3 * load) {
      level = 6;
    } else if (2 * supply > 5 * load) {
      level = 5;
    } else if (supply > 2 * load) {
      level = 4;
    } else if (2 * supply > 3 * load) {
      level = 3;
    } else if (supply > load) {
      level = 2;
    }
  }
  return 10 * level;
}

void BuildMoveGrid(World& w) {
  const int x0 = w.Selection[1], y0 = w.Selection[2];
  auto& g = w.GroundReachGrid.cells;
  auto& cost = w.Reach.MoveCostGrid.cells;
  const TFormation* self =
      OnMap(x0, y0) ? UsedFormation(w, Cell(w, x0, y0).GroundFormation) : nullptr;
  if (self == nullptr) {  // nothing selected: nothing possible
    g.fill(kReachNone);
    cost.fill(kImpassableCost);
    w.Reach.MoveAllowance = 10;
    return;
  }

  // Movement points.
  w.Reach.MoveAllowance = MovementAllowance(*self);

  // Costs, then the points left on arrival at each cell.
  g.fill(-1);
  const std::int32_t cheapest = FillMoveCosts(w, x0, y0, cost);
  g[kCentreIndex] = w.Reach.MoveAllowance;
  Relax(g, cost, w.Reach.MoveAllowance, cheapest);

  // Reachable cells, plus every free passable neighbour whatever the allowance.
  for (auto& e : g) e = e < 0 ? kReachNone : kReachMove;
  for (int dr = -1; dr <= 1; ++dr) {
    for (int dc = -1; dc <= 1; ++dc) {
      if (w.Reach.MoveCostGrid(kCentre + dr, kCentre + dc) < kImpassableCost) {
        w.GroundReachGrid(kCentre + dr, kCentre + dc) = kReachMove;
      }
    }
  }
  g[kCentreIndex] = kReachNone;

  // Order and drop marks.
  MarkOrders(w, x0, y0, *self);
  if (Cell(w, x0, y0).Terrain == kAirbaseTile && IsDropCapable(self->FormationType)) {
    MarkDrops(w, x0, y0);
  }

  // The own cell; a formation without orders can do nothing.
  g[kCentreIndex] = kReachOwnCell;
  if (self->OrdersLeft == 0) g.fill(kReachNone);
}

void ClipAirRange(World& w) {
  const int x0 = w.Selection[1], y0 = w.Selection[2];
  constexpr int kC = kAirGridCentre;
  // Grid columns whose map column lies on the map: x = x0 - 131 + c within 0..999.
  const int cFirst = std::max(1, kC - x0);
  const int cLast = std::min(kAirGridSize, kC + (kMapWidth - 1) - x0);
  for (int r = 1; r <= kAirGridSize; ++r) {
    const int y = y0 - kC + r;
    std::int32_t* row = &w.AirReachGrid(r, 1);
    if (y < 0 || y >= kMapHeight || cFirst > cLast) {
      std::fill(row, row + kAirGridSize, 0);
      continue;
    }
    std::fill(row, row + (cFirst - 1), 0);
    std::fill(row + cLast, row + kAirGridSize, 0);
  }
}

void BuildAirRange(World& w) {
  const int x0 = w.Selection[1], y0 = w.Selection[2];
  constexpr int kC = kAirGridCentre;
  const TFormation* self = OnMap(x0, y0) ? UsedFormation(w, Cell(w, x0, y0).AirFormation) : nullptr;
  if (self == nullptr) {  // nothing selected: nothing possible
    w.AirReachGrid.Fill(kReachNone);
    w.Reach.AirRangeRadius = 0;
    return;
  }

  // The range is the shortest radius among the aircraft held, capped at 130. Pairs that name no
  // aircraft model are ignored.
  int radius = kMaxAirRange;
  for (int k = 0; k < 8; ++k) {
    const TEquipmentPair& p = self->pairs[k];
    if (p.Count == 0 || p.Model < 1 || p.Model > kAircraftModelRows) continue;
    radius = std::min<int>(radius, AircraftModels[p.Model].Radius);
  }
  w.Reach.AirRangeRadius = radius;

  // The square of half-width R (the whole grid at 130), then off-map cells cut away.
  const int lo = kC - radius, hi = kC + radius;
  for (int r = 1; r <= kAirGridSize; ++r) {
    std::int32_t* row = &w.AirReachGrid(r, 1);
    if (r < lo || r > hi) {
      std::fill(row, row + kAirGridSize, 0);
      continue;
    }
    std::fill(row, row + (lo - 1), 0);
    std::fill(row + (lo - 1), row + hi, kAirRebase);
    std::fill(row + hi, row + kAirGridSize, 0);
  }
  ClipAirRange(w);

  // Within the square on the map: own air bases are taken, enemy ground formations without an
  // air formation above them are strike targets, enemy air formations are air targets.
  const std::uint32_t own = OwnCoalition(w), enemy = EnemyCoalition(w);
  const int rFirst = std::max(lo, kC - y0), rLast = std::min(hi, kC + (kMapHeight - 1) - y0);
  const int cFirst = std::max(lo, kC - x0), cLast = std::min(hi, kC + (kMapWidth - 1) - x0);
  for (int r = rFirst; r <= rLast && cFirst <= cLast; ++r) {
    const TMapCell* cells = &Cell(w, x0 - kC + cFirst, y0 - kC + r);
    std::int32_t* row = &w.AirReachGrid(r, 1);
    for (int c = cFirst; c <= cLast; ++c) {
      const TMapCell& cell = cells[c - cFirst];
      if ((cell.AirFormation | cell.GroundFormation) == 0) continue;
      if (const TFormation* air = UsedFormation(w, cell.AirFormation)) {
        const int nation = NationOf(*air);
        if (InNationSet(own, nation)) {
          row[c - 1] = kReachNone;
        } else if (InNationSet(enemy, nation)) {
          row[c - 1] = kAirEnemyAir;
        }
      } else if (const TFormation* ground = UsedFormation(w, cell.GroundFormation)) {
        if (InNationSet(enemy, NationOf(*ground))) row[c - 1] = kAirStrike;
      }
    }
  }

  w.AirReachGrid(kC, kC) = kAirOwnCell;
  if (self->OrdersLeft == 0) w.AirReachGrid.Fill(kReachNone);
}

}  // namespace gm
