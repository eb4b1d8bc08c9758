// Page 1 of the Economy window: settlements, pools and formations of the eight nations.
#include <array>

#include "ui/glyph_text.hpp"
#include "ui/screens/economy_pages.hpp"
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

// The maxima written after the formation counts, by nation.
constexpr std::array<std::string_view, 8> kArmyCaps = {"/50",  "/500", "/150", "/70",
                                                       "/750", "/50",  "/10",  "/10"};
constexpr std::array<std::string_view, 8> kAirCaps = {"/5",   "/200", "/100", "/15",
                                                      "/250", "/10",  "/0",   "/0"};

struct StatRow {
  std::string_view label;
  NationValue value;
  const std::array<std::string_view, 8>* caps;
};

constexpr std::array<StatRow, 16> kRows = {{
    {"City on start", Stat<kOwned>, nullptr},
    {"City current", Stat<kHeld>, nullptr},
    {"Ecomonics", Stat<kHeldValue>, nullptr},
    {"Conscript", PoolOf<&TEconomy::RecruitPool>, nullptr},
    {"Elite reserve", PoolOf<&TEconomy::VeteranPool>, nullptr},
    {"Wounded", PoolOf<&TEconomy::WoundedPool>, nullptr},
    {"Cars", PoolOf<&TEconomy::CarPool>, nullptr},
    {"Cars-in repair", PoolOf<&TEconomy::CarRepairPool>, nullptr},
    {"Cars-per day", PoolOf<&TEconomy::DailyCars>, nullptr},
    {"Horses", PoolOf<&TEconomy::HorsePool>, nullptr},
    {"Airbases", Stat<kAirbases>, nullptr},
    {"Army units/MAX", CountOf<&ListState::NationFormationCount>, &kArmyCaps},
    {"Air units/MAX", CountOf<&ListState::NationAirCount>, &kAirCaps},
    {"Humans in army", CountOf<&ListState::NationMen>, nullptr},
    {"Cars in army", CountOf<&ListState::NationCars>, nullptr},
    {"Horses in army", CountOf<&ListState::NationHorses>, nullptr},
}};

constexpr std::array<std::string_view, 3> kDescription = {
    "This page shows war, economic and reserves factors", "", ""};

}  // namespace

void DrawStatisticsPage(UiContext& ctx) {
  for (std::size_t r = 0; r < kRows.size(); ++r) {
    const StatRow& row = kRows[r];
    const std::int32_t y = EconomyRowY(static_cast<int>(r) + 1);
    DrawGlyphText(ctx, row.label, kEconomyLabelX, y, 1);
    for (int n = 1; n <= 8; ++n) {
      const std::uint32_t value = row.value(ctx.w, n);
      if (row.caps != nullptr) {
        DrawNumberWithSuffix(ctx, value, (*row.caps)[static_cast<std::size_t>(n - 1)],
                             NationValueX(n), y);
      } else {
        DrawGlyphText(ctx, NumberText(value).View(), NationValueX(n), y, 1);
      }
    }
  }
  DrawDescriptionLines(ctx, kDescription);
}

}  // namespace gm
