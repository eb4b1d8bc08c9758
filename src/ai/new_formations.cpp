// The computer's new formations: where they are raised, of which type, and what they start with.
#include "ai/new_formations.hpp"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "ai/formation_strength.hpp"
#include "world/formation_lists.hpp"
#include "world/holdings.hpp"
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

// Where enemy ground formations stand, a bit per cell and 1000 bits per row, so that "an enemy
// within 30 columns and 30 rows" reads two words of 61 rows instead of a 61 x 61 square of
// cells. A formation counts where its cell names it, as a reading of the cells finds it. Raising
// puts only own formations on the map, so the bits hold for the whole spawn.
class EnemyPlaces {
 public:
  EnemyPlaces(const World& w, std::uint32_t enemySet) : bits_(kMapHeight * kWordsPerRow, 0) {
    for (int n = 1; n <= kMaxFormations; ++n) {
      const TFormation& f = Formation(w, n);
      if (f.Branch == 0 || !OnMap(f.X, f.Y) || Cell(w, f.X, f.Y).GroundFormation != n) continue;
      if (InNationSet(enemySet, NationOf(f))) {
        bits_[f.Y * kWordsPerRow + f.X / 64] |= std::uint64_t{1} << (f.X % 64);
      }
    }
  }
  // True when an enemy ground formation stands within 30 columns and 30 rows of (x, y).
  bool Nearby(int x, int y) const {
    const int x0 = std::max(0, x - kEnemyRadius), x1 = std::min(kMapWidth - 1, x + kEnemyRadius);
    const int y0 = std::max(0, y - kEnemyRadius), y1 = std::min(kMapHeight - 1, y + kEnemyRadius);
    const int w0 = x0 / 64, w1 = x1 / 64;
    std::uint64_t found = 0;
    for (int r = y0; r <= y1; ++r) {
      for (int k = w0; k <= w1; ++k) {
        std::uint64_t mask = ~std::uint64_t{0};
        if (k == w0) mask &= ~std::uint64_t{0} << (x0 % 64);
        if (k == w1 && x1 % 64 != 63) mask &= (std::uint64_t{1} << (x1 % 64 + 1)) - 1;
        found |= bits_[r * kWordsPerRow + k] & mask;
      }
    }
    return found != 0;
  }

 private:
  static constexpr int kWordsPerRow = (kMapWidth + 63) / 64;
  std::vector<std::uint64_t> bits_;
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
  // The settlement cells that pass the tests no raise can change (a raise fills only its own
  // cell, with an own formation), then visited column by column from column 30 as the theatre
  // is; the caps and the free records are tested as the raises go.
  std::optional<EnemyPlaces> enemies;  // gathered only when a settlement gets that far
  std::vector<std::int32_t> places;    // into the index's cells
  const HoldingsIndex& h = ReadyHoldings(w);
  for (int i = 0; i < h.BlockFirst[kHoldingsBlocks]; ++i) {
    const HoldingsCell& c = h.Cells[i];
    if (c.X < 30 || !InNationSet(ownNations, c.Holder)) continue;
    if (Settlement(w, c.Settlement).Value == 0 || Cell(w, c.X, c.Y).GroundFormation != 0) continue;
    if (EnemyBeside(w, c.X, c.Y, enemySet)) continue;
    if (flag == 1) {
      if (!enemies) enemies.emplace(w, enemySet);
      if (!enemies->Nearby(c.X, c.Y)) continue;
    }
    places.push_back(i);
  }
  std::sort(places.begin(), places.end(), [&h](std::int32_t a, std::int32_t b) {
    return std::pair(h.Cells[a].X, h.Cells[a].Y) < std::pair(h.Cells[b].X, h.Cells[b].Y);
  });
  for (const std::int32_t i : places) {
    const HoldingsCell& c = h.Cells[i];
    const int holder = c.Holder;  // no raise captures, so the index stays exact meanwhile
    if (w.Lists.NationFormationCount[holder - 1] >= GroundFormationCap(holder)) continue;
    const int record = HighestFreeFormationRecord(w);
    if (record == 0) continue;
    if (Raise(w, c.X, c.Y, holder, record)) ++w.Lists.NationFormationCount[holder - 1];
  }
  if (flag == 1) w.Ai.AiState = kAiNewFormationsDone;
}

}  // namespace gm
