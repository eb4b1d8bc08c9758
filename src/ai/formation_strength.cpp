// Strength of a formation and of its type as the computer player compares them.
#include "ai/formation_strength.hpp"

namespace gm {

namespace {

// Weight of each equipment pair in the strength sum.
constexpr int PairWeight(int pair) {
  if (pair <= 5) return 100;
  if (pair <= 7) return 0;
  if (pair <= 10) return 50;
  if (pair <= 20) return 20;
  if (pair <= 24) return 5;
  return 15;
}

}  // namespace

std::int32_t FormationStrength(const TFormation& f) {
  std::int32_t s = f.Men;
  for (int k = 0; k < kEquipmentPairs; ++k) s += PairWeight(k) * f.pairs[k].Count;
  return s + 5 * f.Cars + 2 * f.Horses;
}

std::int32_t NominalStrength(const TFormationType& t) {
  return t.Men + 100 * t.Tanks + 50 * t.SPGuns + 20 * (t.ArmouredCars + t.FieldGuns + t.Howitzers) +
         15 * (t.ATGuns + t.AAGuns) + 5 * (t.Mortars + t.Cars) + 2 * t.Horses;
}

}  // namespace gm
