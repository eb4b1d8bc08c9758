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

using Caps = std::array<CapRow, 8>;
struct StatRow {
  StatLabelRow StatisticsLabels::*label;
  NationValue value;
  Caps EconomyTextTable::*caps;  // written after the value, by nation; null for none
};

using Label = StatisticsLabels;
constexpr std::array<StatRow, 16> kRows = {{
    {&Label::cityOnStart, Stat<kOwned>, nullptr},
    {&Label::cityCurrent, Stat<kHeld>, nullptr},
    {&Label::economics, Stat<kHeldValue>, nullptr},
    {&Label::conscript, PoolOf<&TEconomy::RecruitPool>, nullptr},
    {&Label::eliteReserve, PoolOf<&TEconomy::VeteranPool>, nullptr},
    {&Label::wounded, PoolOf<&TEconomy::WoundedPool>, nullptr},
    {&Label::cars, PoolOf<&TEconomy::CarPool>, nullptr},
    {&Label::carsInRepair, PoolOf<&TEconomy::CarRepairPool>, nullptr},
    {&Label::carsPerDay, PoolOf<&TEconomy::DailyCars>, nullptr},
    {&Label::horses, PoolOf<&TEconomy::HorsePool>, nullptr},
    {&Label::airbases, Stat<kAirbases>, nullptr},
    {&Label::armyUnits, CountOf<&ListState::NationFormationCount>, &EconomyTextTable::armyCaps},
    {&Label::airUnits, CountOf<&ListState::NationAirCount>, &EconomyTextTable::airCaps},
    {&Label::menInArmy, CountOf<&ListState::NationMen>, nullptr},
    {&Label::carsInArmy, CountOf<&ListState::NationCars>, nullptr},
    {&Label::horsesInArmy, CountOf<&ListState::NationHorses>, nullptr},
}};

}  // namespace

void DrawStatisticsPage(UiContext& ctx) {
  for (std::size_t r = 0; r < kRows.size(); ++r) {
    const StatRow& row = kRows[r];
    const std::int32_t y = EconomyRowY(static_cast<int>(r) + 1);
    DrawGlyphText(ctx, StatLabels.statistics.*row.label, kEconomyLabelX, y, 1);
    for (int n = 1; n <= 8; ++n) {
      const std::uint32_t value = row.value(ctx.w, n);
      if (row.caps != nullptr) {
        const Caps& caps = EconomyTexts.*row.caps;
        DrawNumberWithSuffix(ctx, value, caps[static_cast<std::size_t>(n - 1)], NationValueX(n), y);
      } else {
        DrawGlyphText(ctx, NumberText(value).View(), NationValueX(n), y, 1);
      }
    }
  }
  DrawDescriptionLines(ctx, EconomyTexts.statisticsNote);
}

}  // namespace gm
