// Page 6 of the Economy window: men, equipment by category, cars, horses and aircraft by class
// each nation has lost.
#include <array>

#include "ui/glyph_text.hpp"
#include "ui/screens/economy_pages.hpp"
#include "ui/ui_texts.hpp"
#include "world/records.hpp"

namespace gm {

namespace {

struct LossRow {
  StatLabelRow LossLabels::*label;
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

// Equipment by category 1..8, aircraft by class 0..3 (fighters, tactical bombers, bombers, level
// bombers).
using Label = LossLabels;
constexpr std::array<LossRow, 16> kRows = {{
    {&Label::dead, Field<&TEconomy::DeadMen>},
    {&Label::surrenders, Field<&TEconomy::SurrenderedMen>},
    {&Label::tanks, EquipmentLoss<1>},
    {&Label::assaultArtillery, EquipmentLoss<2>},
    {&Label::armorCars, EquipmentLoss<3>},
    {&Label::fieldCannon, EquipmentLoss<4>},
    {&Label::howitzers, EquipmentLoss<5>},
    {&Label::mortars, EquipmentLoss<6>},
    {&Label::atCannons, EquipmentLoss<7>},
    {&Label::adCannons, EquipmentLoss<8>},
    {&Label::cars, Field<&TEconomy::CarLosses>},
    {&Label::horses, Field<&TEconomy::HorseLosses>},
    {&Label::fighters, AircraftLoss<0>},
    {&Label::tacticBombers, AircraftLoss<1>},
    {&Label::bombers, AircraftLoss<2>},
    {&Label::levelBombers, AircraftLoss<3>},
}};

}  // namespace

void DrawLossesPage(UiContext& ctx) {
  for (std::size_t r = 0; r < kRows.size(); ++r) {
    const std::int32_t y = EconomyRowY(static_cast<int>(r) + 1);
    DrawGlyphText(ctx, StatLabels.losses.*kRows[r].label, kEconomyLabelX, y, 1);
    const TEconomy::NationTable& table = kRows[r].table(ctx.w.Economy);
    for (int n = 1; n <= 8; ++n) {
      const auto value =
          static_cast<std::uint32_t>(table[static_cast<std::size_t>(NationIndex(n))]);
      DrawGlyphText(ctx, NumberText(value).View(), NationValueX(n), y, 1);
    }
  }
  DrawDescriptionLines(ctx, EconomyTexts.lossesNote);
}

}  // namespace gm
