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
  StatLabelRow label;
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
    {kStatDead, Field<&TEconomy::DeadMen>},
    {kStatSurrenders, Field<&TEconomy::SurrenderedMen>},
    {EquipmentLossRow(1), EquipmentLoss<1>},
    {EquipmentLossRow(2), EquipmentLoss<2>},
    {EquipmentLossRow(3), EquipmentLoss<3>},
    {EquipmentLossRow(4), EquipmentLoss<4>},
    {EquipmentLossRow(5), EquipmentLoss<5>},
    {EquipmentLossRow(6), EquipmentLoss<6>},
    {EquipmentLossRow(7), EquipmentLoss<7>},
    {EquipmentLossRow(8), EquipmentLoss<8>},
    {kStatCarLosses, Field<&TEconomy::CarLosses>},
    {kStatHorseLosses, Field<&TEconomy::HorseLosses>},
    {AircraftLossRow(0), AircraftLoss<0>},
    {AircraftLossRow(1), AircraftLoss<1>},
    {AircraftLossRow(2), AircraftLoss<2>},
    {AircraftLossRow(3), AircraftLoss<3>},
}};

}  // namespace

void DrawLossesPage(UiContext& ctx) {
  for (std::size_t r = 0; r < kRows.size(); ++r) {
    const std::int32_t y = EconomyRowY(static_cast<int>(r) + 1);
    DrawGlyphText(ctx, StatLabels[kRows[r].label], kEconomyLabelX, y, 1);
    const TEconomy::NationTable& table = kRows[r].table(ctx.w.Economy);
    for (int n = 1; n <= 8; ++n) {
      const auto value =
          static_cast<std::uint32_t>(table[static_cast<std::size_t>(NationIndex(n))]);
      DrawGlyphText(ctx, NumberText(value).View(), NationValueX(n), y, 1);
    }
  }
  DrawDescriptionLines(ctx, kEconomyLossesNote, 1);
}

}  // namespace gm
