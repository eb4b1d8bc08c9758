// The eight equipment groups of a ground formation: the pairs that share one nominal count of the
// type, the model category that fills them and the refit page fields that show them.
#pragma once

#include <array>
#include <cstdint>

#include "world/tables/table_types.hpp"

namespace gm {

struct EquipmentGroup {
  int first;     // first pair of the group
  int last;      // last pair of the group
  int category;  // model category 1..8 that the group takes
  std::uint16_t TFormationType::*nominal;
  int firstField;  // refit page field of the first pair
};

// Pairs 6 and 7 belong to no group: the refit never reads or writes them.
inline constexpr std::array<EquipmentGroup, 8> kEquipmentGroups = {{
    {0, 5, 1, &TFormationType::Tanks, 5},
    {8, 10, 2, &TFormationType::SPGuns, 11},
    {11, 13, 3, &TFormationType::ArmouredCars, 14},
    {14, 17, 4, &TFormationType::FieldGuns, 17},
    {18, 20, 5, &TFormationType::Howitzers, 21},
    {21, 24, 6, &TFormationType::Mortars, 24},
    {25, 27, 7, &TFormationType::ATGuns, 28},
    {28, 30, 8, &TFormationType::AAGuns, 31},
}};

// The group that shows refit page field `field` (5..33), or nullptr for any other field.
constexpr const EquipmentGroup* GroupOfField(int field) {
  for (const EquipmentGroup& g : kEquipmentGroups) {
    if (field >= g.firstField && field <= g.firstField + (g.last - g.first)) return &g;
  }
  return nullptr;
}

// The pair that refit page field `field` (5..33) fills, or -1 for any other field.
constexpr int PairOfField(int field) {
  for (const EquipmentGroup& g : kEquipmentGroups) {
    if (field >= g.firstField && field <= g.firstField + (g.last - g.first)) {
      return g.first + (field - g.firstField);
    }
  }
  return -1;
}

// The nominal count of the group in type `t`, read by value from the packed row.
inline std::uint16_t NominalOf(const TFormationType& t, const EquipmentGroup& g) {
  const std::uint16_t n = t.*g.nominal;
  return n;
}

static_assert(PairOfField(5) == 0 && PairOfField(10) == 5 && PairOfField(11) == 8);
static_assert(PairOfField(33) == 30 && PairOfField(4) == -1 && PairOfField(34) == -1);

}  // namespace gm
