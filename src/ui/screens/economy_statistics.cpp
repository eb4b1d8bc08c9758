// Page 1 of the Economy window: settlements, pools and formations of the eight nations.
#include <array>

#include "ui/glyph_text.hpp"
#include "ui/screens/economy_pages.hpp"
#include "ui/ui_texts.hpp"
#include "world/records.hpp"

namespace gm {

namespace {

enum StatTable { kOwned = 0, kHeld = 1, kHeldValue = 2, kAirbases = 3 };

using NationValue = std::uint32_t (*)(const World& w, int nation);

template <StatTable T>
std::uint32_t Stat(const World& w, int n) {
  return static_cast<std::uint32_t>(w.StatCounts[T][NationIndex(n)]);
}

template <TEconomy::NationTable TEconomy::*Pool>
std::uint32_t PoolOf(const World& w, int n) {
  return static_cast<std::uint32_t>((w.Economy.*Pool)[NationIndex(n)]);
}

template <NationCounts ListState::*Counts>
std::uint32_t CountOf(const World& w, int n) {
  return static_cast<std::uint32_t>((w.Lists.*Counts)[NationIndex(n)]);
}

struct StatRow {
  StatLabelRow label;
  NationValue value;
  const std::array<std::string_view, 9>* caps;  // written after the value, by nation
};

constexpr std::array<StatRow, 16> kRows = {{
    {kStatCityOnStart, Stat<kOwned>, nullptr},
    {kStatCityCurrent, Stat<kHeld>, nullptr},
    {kStatEconomics, Stat<kHeldValue>, nullptr},
    {kStatConscript, PoolOf<&TEconomy::RecruitPool>, nullptr},
    {kStatEliteReserve, PoolOf<&TEconomy::VeteranPool>, nullptr},
    {kStatWounded, PoolOf<&TEconomy::WoundedPool>, nullptr},
    {kStatCars, PoolOf<&TEconomy::CarPool>, nullptr},
    {kStatCarsInRepair, PoolOf<&TEconomy::CarRepairPool>, nullptr},
    {kStatCarsPerDay, PoolOf<&TEconomy::DailyCars>, nullptr},
    {kStatHorses, PoolOf<&TEconomy::HorsePool>, nullptr},
    {kStatAirbases, Stat<kAirbases>, nullptr},
    {kStatArmyUnits, CountOf<&ListState::NationFormationCount>, &ArmyCapTexts},
    {kStatAirUnits, CountOf<&ListState::NationAirCount>, &AirCapTexts},
    {kStatMenInArmy, CountOf<&ListState::NationMen>, nullptr},
    {kStatCarsInArmy, CountOf<&ListState::NationCars>, nullptr},
    {kStatHorsesInArmy, CountOf<&ListState::NationHorses>, nullptr},
}};

}  // namespace

void DrawStatisticsPage(UiContext& ctx) {
  for (std::size_t r = 0; r < kRows.size(); ++r) {
    const StatRow& row = kRows[r];
    const std::int32_t y = EconomyRowY(static_cast<int>(r) + 1);
    DrawGlyphText(ctx, StatLabels[row.label], kEconomyLabelX, y, 1);
    for (int n = 1; n <= 8; ++n) {
      const std::uint32_t value = row.value(ctx.w, n);
      if (row.caps != nullptr) {
        DrawNumberWithSuffix(ctx, value, (*row.caps)[static_cast<std::size_t>(n)], NationValueX(n),
                             y);
      } else {
        DrawGlyphText(ctx, NumberText(value).View(), NationValueX(n), y, 1);
      }
    }
  }
  DrawDescriptionLines(ctx, kEconomyStatisticsNote, 3);
}

}  // namespace gm
