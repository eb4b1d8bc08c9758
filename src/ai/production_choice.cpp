// Production statuses chosen by the computer for the nations of the side on move.
#include "ai/production_choice.hpp"

#include <array>

#include "world/production_status.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr std::array<int, 2> kSovietNationOrder = {5, 8};
constexpr std::array<int, 6> kGermanNationOrder = {1, 2, 3, 4, 6, 7};
constexpr int kStockKeptUp = 500;  // more in stock than this and a chosen model ramps down

bool Eligible(World& w, int n, int c, int m) {
  const TEquipmentModel& em = EquipmentModels[m];
  return em.Category == c && em.Nation == n && ProductionStatusOf(w.Economy, n, m) > 0;
}

void ChooseForGroup(World& w, int n, int c) {
  std::array<int, 3> best = {0, 0, 0};
  for (int scan = 0; scan < 3; ++scan) {
    std::uint16_t bestScore = 0;
    for (int m = 1; m <= kEquipmentModelRows; ++m) {
      if (!Eligible(w, n, c, m)) continue;
      if (m == best[0] || m == best[1]) continue;
      const std::uint16_t score = ProductionScore(EquipmentModels[m]);
      if (score > bestScore) {
        bestScore = score;
        best[scan] = m;
      }
    }
  }
  for (int m = 1; m <= kEquipmentModelRows; ++m) {
    if (!Eligible(w, n, c, m)) continue;
    const bool chosen = m == best[0] || m == best[1] || m == best[2];
    std::uint8_t& status = ProductionStatusOf(w.Economy, n, m);
    if (chosen && EquipmentStockOf(w.Economy, n, m) <= kStockKeptUp) {
      status = kStatusRampingUp;
    } else {
      status = kStatusRampingDown;
    }
  }
}

}  // namespace

std::uint16_t ProductionScore(const TEquipmentModel& m) {
  std::uint16_t sum = 0;
  switch (m.Category) {
    case 1:
    case 2:
    case 3:
      sum = static_cast<std::uint16_t>(m.InfantryAttack + m.ArmorAttack + m.GroundDefense);
      break;
    case 8:
      sum = static_cast<std::uint16_t>(m.InfantryAttack + m.ArmorAttack + m.AirAttack);
      break;
    default:
      sum = static_cast<std::uint16_t>(m.InfantryAttack + m.ArmorAttack);
      break;
  }
  const auto base = static_cast<std::uint16_t>(sum * 10);
  return m.Cost < base ? static_cast<std::uint16_t>(base - m.Cost) : std::uint16_t{0};
}

void AiProductionChoice(World& w) {
  if (w.AiCompletesTurn != 0) return;
  auto run = [&w](const auto& nations) {
    for (int n : nations) {
      for (int c = 1; c <= 8; ++c) ChooseForGroup(w, n, c);
    }
  };
  if (w.SideOnMove == kSovietSide) run(kSovietNationOrder);
  if (w.SideOnMove == kGermanSide) run(kGermanNationOrder);
}

}  // namespace gm
