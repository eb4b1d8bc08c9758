// Finding formations and their targets in the world, then ordering them by clicks and keys.
#include "map_actions.hpp"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "flow/screen_flags.hpp"
#include "world/merging.hpp"
#include "world/reach_grids.hpp"
#include "world/world_access.hpp"

namespace gm::testing {

namespace {

constexpr int kKeyS = 'S';
// The merge letters by NeighbourFlags byte, row by row from the north-west; byte 4 is the
// formation itself.
constexpr std::array<int, 9> kMergeLetters = {'Q', 'W', 'E', 'A', 0, 'D', 'Z', 'X', 'C'};

bool EnemyGroundAt(const World& w, int x, int y, bool withoutAir) {
  if (!InTheatre(x, y)) return false;
  const TMapCell& c = Cell(w, x, y);
  const TFormation* f = UsedFormation(w, c.GroundFormation);
  if (f == nullptr || !IsEnemy(w, NationOf(*f))) return false;
  return !withoutAir || UsedFormation(w, c.AirFormation) == nullptr;
}

// Whether an enemy ground formation stands where the order of `code` could reach it once the
// view is centred on the formation at (x, y); moves and rebases need no enemy.
bool TargetLikely(const World& w, const TFormation& f, std::int32_t code, MapLayer layer) {
  int nearest = 1, farthest = 1;
  if (layer == kLayerArmy && code == kReachFire) nearest = farthest = 2;
  if (layer == kLayerAir && code == kAirStrike) farthest = 4;
  if ((layer == kLayerArmy && code == kReachMove) || (layer == kLayerAir && code == kAirRebase)) {
    return true;
  }
  for (int dy = -farthest; dy <= farthest; ++dy) {
    for (int dx = -farthest; dx <= farthest; ++dx) {
      const int ring = std::max(std::abs(dx), std::abs(dy));
      if (ring < nearest) continue;
      if (EnemyGroundAt(w, f.X + dx, f.Y + dy, layer == kLayerAir)) return true;
    }
  }
  return false;
}

// The reach-grid code of a map cell for the selected formation, or -1 outside the grid.
std::int32_t MarkAt(const World& w, MapLayer layer, int x, int y) {
  const int dx = x - w.Selection[1], dy = y - w.Selection[2];
  if (layer == kLayerArmy) {
    const int row = kGroundGridCentre + dy, col = kGroundGridCentre + dx;
    return w.GroundReachGrid.Contains(row, col) ? w.GroundReachGrid(row, col) : -1;
  }
  const int row = kAirGridCentre + dy, col = kAirGridCentre + dx;
  return w.AirReachGrid.Contains(row, col) ? w.AirReachGrid(row, col) : -1;
}

// The first cell of the view that the selected formation's grid marks with `code`, nearest the
// formation first.
std::optional<CellPos> MarkedCellInView(Player& p, MapLayer layer, std::int32_t code) {
  const World& w = p.W();
  const int sx = w.Selection[1], sy = w.Selection[2];
  for (int ring = 1; ring < kBattlefieldColumns; ++ring) {
    for (int dy = -ring; dy <= ring; ++dy) {
      for (int dx = -ring; dx <= ring; ++dx) {
        if (std::max(std::abs(dx), std::abs(dy)) != ring) continue;
        const CellPos c{sx + dx, sy + dy};
        if (p.InView(c) && MarkAt(w, layer, c.x, c.y) == code) return c;
      }
    }
  }
  return std::nullopt;
}

}  // namespace

int SoundsPlayed(GameHarness& g, const std::string& label) {
  const auto& sounds = g.Platform().Sounds();
  return static_cast<int>(
      std::count_if(sounds.begin(), sounds.end(), [&](const auto& s) { return s.label == label; }));
}

std::optional<OrderDone> OrderByMark(Player& p, MapLayer layer, std::int32_t code,
                                     const std::string& picture) {
  const std::uint8_t branch = layer == kLayerArmy ? 1 : 2;
  for (int n = 1; n <= kMaxFormations; ++n) {
    const TFormation& f = Formation(p.W(), n);
    if (f.Branch != branch || f.OrdersLeft == 0 || !InTheatre(f.X, f.Y)) continue;
    if (!IsOwn(p.W(), NationOf(f)) || !TargetLikely(p.W(), f, code, layer)) continue;
    const CellPos from{f.X, f.Y};
    if (!p.Select(from, layer)) continue;
    if (const std::optional<CellPos> to = MarkedCellInView(p, layer, code)) {
      p.ClickAt(p.CellMiddle(*to));
      if (!picture.empty()) {
        p.Frames(10);  // the animation's middle
        p.Dump(picture);
      }
      p.WaitForAnimation();
      return OrderDone{from, *to};
    }
  }
  return std::nullopt;
}

std::optional<MergeDone> MergeNeighbour(Player& p) {
  for (int n = 1; n <= kMaxFormations; ++n) {
    const TFormation& f = Formation(p.W(), n);
    if (f.Branch != 1 || f.OrdersLeft == 0 || !InTheatre(f.X, f.Y)) continue;
    if (!IsOwn(p.W(), NationOf(f))) continue;
    // The neighbours the merge would take, as the selection will find them.
    bool any = false;
    for (int dy = -1; dy <= 1 && !any; ++dy) {
      for (int dx = -1; dx <= 1 && !any; ++dx) {
        const TFormation* m =
            InTheatre(f.X + dx, f.Y + dy)
                ? UsedFormation(p.W(), Cell(p.W(), f.X + dx, f.Y + dy).GroundFormation)
                : nullptr;
        any = m != nullptr && m != &f && NationOf(*m) == NationOf(f) &&
              std::int32_t{m->Men} + f.Men <= TypeOf(f).Men;
      }
    }
    if (!any) continue;
    const CellPos at{f.X, f.Y};
    if (!p.Select(at, kLayerArmy)) continue;
    const auto& flags = p.W().NeighbourFlags;
    for (std::size_t k = 0; k < flags.size(); ++k) {
      if (flags[k] != 1 || kMergeLetters[k] == 0) continue;
      const CellPos absorbed{at.x + static_cast<int>(k % 3) - 1,
                             at.y + static_cast<int>(k / 3) - 1};
      const World& w = p.W();
      const int men = Formation(w, Cell(w, at.x, at.y).GroundFormation).Men +
                      Formation(w, Cell(w, absorbed.x, absorbed.y).GroundFormation).Men;
      GameHarness& g = p.Game();
      g.Key(kKeyS, true);
      p.Frames(2);
      p.Dump("merge_keys");
      g.Key(kMergeLetters[k], true);
      p.Frames(1);
      g.Key(kMergeLetters[k], false);
      g.Key(kKeyS, false);
      p.Frames(1);
      return MergeDone{at, absorbed, men};
    }
  }
  return std::nullopt;
}

}  // namespace gm::testing
