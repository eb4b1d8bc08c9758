// Page 6 of the Economy window: men, equipment by category, cars, horses and aircraft by class
// each nation has lost.
#include <array>

#include "ui/glyph_text.hpp"
#include "ui/screens/economy_pages.hpp"
#include "world/records.hpp"

namespace gm {

namespace {

struct LossRow {
  std::string_view label;
  const TEconomy::NationTable& (*table)(const TEconomy& e);
};

template <TEconomy::NationTable TEconomy::*Table>
const TEconomy::NationTable& Field(const TEconomy& e) {
  return e.*Table;
}
template <int Category>
const TEconomy::NationTable& EquipmentLoss(const TEconomy& e) {
  return e.EquipmentLosses[Category - 1];
}
template <int Class>
const TEconomy::NationTable& AircraftLoss(const TEconomy& e) {
  return e.AircraftLosses[Class];
}

constexpr std::array<LossRow, 16> kRows = {{
    {"Dead", Field<&TEconomy::DeadMen>},
    {"Surrenders", Field<&TEconomy::SurrenderedMen>},
    {"Tanks", EquipmentLoss<1>},
    {"Assault art.", EquipmentLoss<2>},
    {"Armor cars", EquipmentLoss<3>},
    {"Field cannon", EquipmentLoss<4>},
    {"Howitzers:", EquipmentLoss<5>},
    {"Mortars:", EquipmentLoss<6>},
    {"AT cannons", EquipmentLoss<7>},
    {"AD cannons", EquipmentLoss<8>},
    {"Cars", Field<&TEconomy::CarLosses>},
    {"Horses", Field<&TEconomy::HorseLosses>},
    {"Fighters", AircraftLoss<0>},
    {"Tactic bombers", AircraftLoss<1>},
    {"Bombers", AircraftLoss<2>},
    {"Level bombers", AircraftLoss<3>},
}};

constexpr std::array<std::string_view, 3> kDescription = {
    "This page shows total amount of human and war losses", "", ""};

}  // namespace

void DrawLossesPage(UiContext& ctx) {
  for (std::size_t r = 0; r < kRows.size(); ++r) {
    const std::int32_t y = EconomyRowY(static_cast<int>(r) + 1);
    DrawGlyphText(ctx, kRows[r].label, kEconomyLabelX, y, 1);
    const TEconomy::NationTable& table = kRows[r].table(ctx.w.Economy);
    for (int n = 1; n <= 8; ++n) {
      const auto value =
          static_cast<std::uint32_t>(table[static_cast<std::size_t>(NationIndex(n))]);
      DrawGlyphText(ctx, NumberText(value).View(), NationValueX(n), y, 1);
    }
  }
  DrawDescriptionLines(ctx, kDescription);
}

}  // namespace gm
