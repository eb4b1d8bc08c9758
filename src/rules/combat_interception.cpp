// Interceptor search and the enemy air defence around an air order's target.
#include "rules/combat_interception.hpp"

#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr int kFighterKind = 21;
constexpr int kAirDefenceKind = 10;
constexpr int kSearchRadius = 3;

bool IsEnemyFighter(const World& w, int x, int y) {
  const TFormation* f = UsedFormation(w, Cell(w, x, y).AirFormation);
  return f != nullptr && IsEnemy(w, NationOf(*f)) && KindOf(*f) == kFighterKind;
}

std::uint8_t& MaskAt(World& w, int dx, int dy) {
  return w.Combat.InterceptMask[dy + kSearchRadius][dx + kSearchRadius];
}

}  // namespace

void FindInterceptor(World& w) {
  const int tx = w.TargetX, ty = w.TargetY;
  for (int dy = -kSearchRadius; dy <= kSearchRadius; ++dy) {
    for (int dx = -kSearchRadius; dx <= kSearchRadius; ++dx) {
      const bool candidate =
          (dx != 0 || dy != 0) && OnMap(tx + dx, ty + dy) && IsEnemyFighter(w, tx + dx, ty + dy);
      MaskAt(w, dx, dy) = candidate ? 1 : 0;
    }
  }

  // Ring by ring, clockwise from the north-west corner; the first candidate is kept.
  int fx = 0, fy = 0;
  bool found = false;
  for (int r = 1; r <= kSearchRadius; ++r) {
    const int side = 2 * r;
    for (int step = 0; step < 4 * side; ++step) {
      const int edge = step / side, along = step % side;
      int dx = 0, dy = 0;
      switch (edge) {
        case 0:
          dx = -r + along, dy = -r;
          break;  // north edge, eastward
        case 1:
          dx = r, dy = -r + along;
          break;  // east edge, southward
        case 2:
          dx = r - along, dy = r;
          break;  // south edge, westward
        default:
          dx = -r, dy = r - along;
          break;  // west edge, northward
      }
      std::uint8_t& m = MaskAt(w, dx, dy);
      if (m == 0) continue;
      if (found) {
        m = 0;
      } else {
        found = true;
        fx = tx + dx;
        fy = ty + dy;
      }
    }
  }
  if (!found) return;

  const int id = Cell(w, fx, fy).AirFormation;
  for (int i = 0; i < 8; ++i) {
    const int nx = tx + kNeighbourDx[i], ny = ty + kNeighbourDy[i];
    if (!OnMap(nx, ny)) continue;
    TMapCell& to = Cell(w, nx, ny);
    if (to.AirFormation != 0 && (nx != fx || ny != fy)) continue;
    TFormation& f = Formation(w, id);
    f.X = f.xCopy = static_cast<std::uint16_t>(nx);
    f.Y = f.yCopy = static_cast<std::uint16_t>(ny);
    Cell(w, fx, fy).AirFormation = 0;
    to.AirFormation = static_cast<std::uint16_t>(id);
    return;
  }
}

void FindEnemyAA(World& w) {
  w.Combat.EnemyAAFlags.fill(0);
  for (int i = 0; i < 8; ++i) {
    const int dx = kNeighbourDx[i], dy = kNeighbourDy[i];
    const int nx = w.TargetX + dx, ny = w.TargetY + dy;
    if (!OnMap(nx, ny)) continue;
    const TFormation* f = UsedFormation(w, Cell(w, nx, ny).GroundFormation);
    if (f == nullptr) continue;
    const int guns = f->pairs[28].Count + f->pairs[29].Count + f->pairs[30].Count;
    if (guns > 0 && f->Ammo > 0 && IsEnemy(w, NationOf(*f)) && KindOf(*f) == kAirDefenceKind) {
      w.Combat.EnemyAAFlags[EnemyAAFlagIndex(dx, dy)] = 1;
    }
  }
}

}  // namespace gm
