// The computer's new formations: where they are raised, of which type, and what they start with.
#include "ai/new_formations.hpp"

#include <algorithm>
#include <array>
#include <vector>

#include "ai/formation_strength.hpp"
#include "world/formation_lists.hpp"
#include "world/new_formation.hpp"
#include "world/random.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr int kEnemyRadius = 30;  // an enemy within this many columns and rows

// Score of a type when choosing what to raise: like the nominal strength, but horses count once.
std::int32_t RaiseScore(const TFormationType& t) {
  return t.Men + 100 * t.Tanks + 50 * t.SPGuns + 20 * (t.ArmouredCars + t.FieldGuns + t.Howitzers) +
         15 * (t.ATGuns + t.AAGuns) + 5 * (t.Mortars + t.Cars) + t.Horses;
}

bool Available(const World& w, const TFormationType& t) {
  const int year = w.GameHeader.Year;
  const int month = w.GameHeader.Month;
  return t.Year < year || (t.Year == year && t.Month <= month);
}

bool EnemyGroundAt(const World& w, int x, int y, std::uint32_t enemySet) {
  const TFormation* f = UsedFormation(w, Cell(w, x, y).GroundFormation);
  return f != nullptr && InNationSet(enemySet, NationOf(*f));
}

// Counts of enemy ground formations over the rectangles of the map, so that "an enemy within 30
// columns and 30 rows" costs four reads instead of a 61 x 61 scan for every settlement. Raising
// puts only own formations on the map, so the counts hold for the whole spawn.
class EnemyCounts {
 public:
  EnemyCounts(const World& w, std::uint32_t enemySet)
      : width_(std::min(kMapWidth, kTheatreMaxX + kEnemyRadius + 1)),
        height_(std::min(kMapHeight, kTheatreMaxY + kEnemyRadius + 1)),
        sums_(static_cast<std::size_t>((width_ + 1) * (height_ + 1)), 0) {
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        At(x + 1, y + 1) =
            At(x, y + 1) + At(x + 1, y) - At(x, y) + (EnemyGroundAt(w, x, y, enemySet) ? 1 : 0);
      }
    }
  }
  // True when an enemy ground formation stands within 30 columns and 30 rows of (x, y).
  bool Nearby(int x, int y) const {
    const int x0 = std::max(0, x - kEnemyRadius), y0 = std::max(0, y - kEnemyRadius);
    const int x1 = std::min(width_, x + kEnemyRadius + 1),
              y1 = std::min(height_, y + kEnemyRadius + 1);
    if (x0 >= x1 || y0 >= y1) return false;
    return At(x1, y1) - At(x0, y1) - At(x1, y0) + At(x0, y0) > 0;
  }

 private:
  std::int32_t& At(int x, int y) { return sums_[static_cast<std::size_t>(y * (width_ + 1) + x)]; }
  std::int32_t At(int x, int y) const {
    return sums_[static_cast<std::size_t>(y * (width_ + 1) + x)];
  }
  int width_;
  int height_;
  std::vector<std::int32_t> sums_;
};

bool EnemyBeside(const World& w, int x, int y, std::uint32_t enemySet) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if ((dx != 0 || dy != 0) && OnMap(x + dx, y + dy) &&
          EnemyGroundAt(w, x + dx, y + dy, enemySet)) {
        return true;
      }
    }
  }
  return false;
}

// Raises a formation of the nation's drawn type in (x, y); false when no type could be drawn.
bool Raise(World& w, int x, int y, int nation, int record) {
  ChooseBestTypes(w, static_cast<std::uint16_t>(nation));
  if (w.Ai.PickedType == 0) return false;  // nothing to raise: never a formation of type 0
  RaiseFormationRecord(w, record, x, y, w.Ai.PickedType);
  const int p = FormationTypes[w.Ai.PickedType].Nation;
  if (p >= 1 && p <= 8) {
    // The pool is an unsigned count; a short one is emptied, the men are raised all the same.
    std::int32_t& pool = w.Economy.RecruitPool[NationIndex(p)];
    const auto held = static_cast<std::uint32_t>(pool);
    constexpr auto men = static_cast<std::uint32_t>(kNewFormationMen);
    pool = static_cast<std::int32_t>(held < men ? 0u : held - men);
  }
  return true;
}

}  // namespace

void ChooseBestTypes(World& w, std::uint16_t nation) {
  if (nation < 1 || nation > 8) return;
  std::array<std::uint16_t, 3>& best = w.Ai.BestTypes[nation - 1];
  for (int entry = 0; entry < 3; ++entry) {
    std::int32_t bestScore = 0;
    int kept = 0;
    for (int t = 1; t <= kFormationTypeRows; ++t) {
      const TFormationType& type = FormationTypes[t];
      if (type.Nation != nation || type.Branch != 1 || !Available(w, type)) continue;
      // Nation 8 fields one best type: its later scans skip nothing.
      if (nation != 8 && ((entry >= 1 && t == best[0]) || (entry >= 2 && t == best[1]))) continue;
      const std::int32_t score = RaiseScore(type);
      if (score > bestScore) {
        bestScore = score;
        kept = t;
      }
    }
    if (kept != 0) best[entry] = static_cast<std::uint16_t>(kept);
  }
  // The draw falls on the filled entries only: a nation short of three types raises one of those
  // it has, and one with none raises nothing.
  std::array<std::uint16_t, 3> filled{};
  int count = 0;
  for (const std::uint16_t type : best) {
    if (type != 0) filled[count++] = type;
  }
  w.Ai.PickedType = count == 0 ? 0 : filled[Random(w, count)];
}

void SpawnNewFormations(World& w, std::uint8_t flag) {
  CountGroundFormations(w);
  const std::uint32_t enemySet = EnemyCoalition(w);
  // The nations that raise for each side, with their caps (GroundFormationCap).
  const std::uint32_t ownNations = w.SideOnMove == kSovietSide   ? kSovietNations
                                   : w.SideOnMove == kGermanSide ? kGermanNations
                                                                 : 0u;
  const EnemyCounts enemies(w, enemySet);
  for (int x = 30; x <= kTheatreMaxX; ++x) {
    for (int y = kTheatreMinY; y <= kTheatreMaxY; ++y) {
      const TMapCell& cell = Cell(w, x, y);
      if (cell.Settlement == 0 || cell.Settlement > kMaxSettlements) continue;
      const TSettlement& s = Settlement(w, cell.Settlement);
      const int holder = s.HolderNation;
      // Every test is a plain condition, so the cheap ones go first.
      if (!InNationSet(ownNations, holder)) continue;
      if (s.Value == 0 || cell.GroundFormation != 0) continue;
      if (w.Lists.NationFormationCount[holder - 1] >= GroundFormationCap(holder)) continue;
      if (EnemyBeside(w, x, y, enemySet)) continue;
      if (flag == 1 && !enemies.Nearby(x, y)) continue;
      const int record = HighestFreeFormationRecord(w);
      if (record == 0) continue;
      if (Raise(w, x, y, holder, record)) ++w.Lists.NationFormationCount[holder - 1];
    }
  }
  if (flag == 1) w.Ai.AiState = kAiNewFormationsDone;
}

}  // namespace gm
