// What the Economy window's pages share: the nation columns and list rows, numbers as the pages
// write them, the equipment list of pages 2..5, and each page's drawing and clicks.
#pragma once

#include <array>
#include <charconv>
#include <cstdint>
#include <span>
#include <string_view>

#include "ui/glyph_text.hpp"
#include "ui/hit_rect.hpp"
#include "ui/screens/list_scroll.hpp"
#include "ui/ui_context.hpp"
#include "ui/ui_texts.hpp"
#include "world/tables/tables.hpp"

namespace gm {

inline constexpr int kEconomyListRows = 16;
inline constexpr std::int32_t kEconomyLabelX = 77;
inline constexpr std::int32_t kEconomyRowPitch = 15;

// Row r (1..16) of a page's table or list.
constexpr std::int32_t EconomyRowY(int row) {
  return 153 + kEconomyRowPitch * (row - 1);
}
// The value column of nation n (1..8) on every page but production.
constexpr std::int32_t NationValueX(int n) {
  return 121 + 60 * n;
}

// The equipment list of pages 2..5: a click on row r (1..16) moves the cursor there, and the
// arrows above and below it scroll while the button is held.
inline constexpr HitRows kEquipmentList{75, 644, 135, kEconomyRowPitch, kEconomyListRows};
inline constexpr HitRect kEquipmentListRows = kEquipmentList.Area();
constexpr HitRect EquipmentListRow(int row) {
  return kEquipmentList.Row(row);
}
inline constexpr ListArrows kEquipmentListArrows{{90, 135, 149, 149}, {90, 391, 149, 405}};

// Page 5: nation n's order mark, and the cell a click on it answers in, down the whole list.
constexpr std::int32_t ProductionOrderX(int n) {
  return 206 + 60 * (n - 1);
}
constexpr HitRect ProductionOrderCell(int n) {
  return {ProductionOrderX(n), 150, ProductionOrderX(n) + 17, 389};
}

// A number as the pages write it: decimal, no sign, no grouping, no padding. Counts are never
// negative, so a 32-bit count past 2^31 is its unsigned value.
class NumberText {
 public:
  explicit NumberText(std::uint32_t value) {
    length_ = static_cast<std::size_t>(std::to_chars(digits_, digits_ + sizeof digits_, value).ptr -
                                       digits_);
  }
  explicit NumberText(std::int32_t value) : NumberText(static_cast<std::uint32_t>(value)) {}
  std::string_view View() const { return {digits_, length_}; }

 private:
  char digits_[10];
  std::size_t length_ = 0;
};

// Draws `label` followed directly by `value` at (x, y).
void DrawLabelledNumber(const UiContext& ctx, std::string_view label, std::uint32_t value,
                        std::int32_t x, std::int32_t y, int font = 1);
// Draws `value` followed directly by `suffix` at (x, y).
void DrawNumberWithSuffix(const UiContext& ctx, std::uint32_t value, std::string_view suffix,
                          std::int32_t x, std::int32_t y);
// A page's description in the bottom panel, font 1, its lines one under the other.
void DrawDescriptionLines(const UiContext& ctx, std::span<const EconomyRow> lines);

// --- The equipment list of pages 2..5 ---

// The model of list entry i, or 0 when the entry is empty or past the list.
int EquipmentListModel(const World& w, int entry);
// The entry the cursor stands on.
int CursorEntry(const World& w);
// Each shown row of the list that names a model: its name drawn, then row(model, y) for the
// row's own columns.
template <class Row>
void DrawEquipmentRows(const UiContext& ctx, Row&& row) {
  const World& w = ctx.w;
  const auto& list = w.Lists.EquipmentList;
  for (int r = 1; r <= kEconomyListRows; ++r) {
    const int entry = list.TopRow + r - 1;
    if (entry > list.BottomRow) break;
    const int m = EquipmentListModel(w, entry);
    if (m == 0) continue;
    const std::int32_t y = EconomyRowY(r);
    DrawGlyphText(ctx, EquipmentModels[static_cast<std::size_t>(m)].Name.View(), kEconomyLabelX, y,
                  1);
    row(m, y);
  }
}
// The cursor bar over the list's width on the cursor row.
void DrawListCursorBar(const UiContext& ctx);
// The up and down arrows, each while it is live.
void DrawListArrows(const UiContext& ctx);
// The arrow flags kept each frame; on pages 2..5 a held left button on a live arrow steps.
void ScrollEquipmentList(UiContext& ctx);
// A click on a list row of pages 2..5 moves the cursor there.
void ClickEquipmentListRow(UiContext& ctx);

// --- Pages ---

void DrawStatisticsPage(UiContext& ctx);           // 1
void DrawEquipmentPage(UiContext& ctx, int page);  // 2 in formations, 3 in reserve, 4 in repair
void DrawProductionPage(UiContext& ctx);           // 5
void DrawLossesPage(UiContext& ctx);               // 6

// The order cells of page 5.
void ClickProductionOrders(UiContext& ctx);

}  // namespace gm
