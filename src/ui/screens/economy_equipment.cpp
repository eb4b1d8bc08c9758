// Pages 2..4 of the Economy window: each model's pieces per nation in formations, in reserve and
// in repair; and the equipment list they share with page 5: cursor, rows, arrows and clicks.
#include <array>

#include "ui/glyph_text.hpp"
#include "ui/image_draw.hpp"
#include "ui/screens/economy_pages.hpp"
#include "ui/ui_texts.hpp"
#include "world/tables/tables.hpp"

namespace gm {

namespace {

using ModelValue = std::uint32_t (*)(const World& w, int nation, int model);

std::uint32_t InFormations(const World& w, int n, int m) {
  return static_cast<std::uint32_t>(w.Lists.TypeCount(n, m));
}
std::uint32_t InReserve(const World& w, int n, int m) {
  return w.Economy.EquipmentStock[static_cast<std::size_t>(EconomyIndex(n, m))];
}
std::uint32_t InRepair(const World& w, int n, int m) {
  return w.Economy.RepairQueue[static_cast<std::size_t>(EconomyIndex(n, m))];
}

struct EquipmentPage {
  ModelValue value;
  std::array<EconomyRow, 2> EconomyTextTable::*description;
};

// Pages 2, 3 and 4.
constexpr std::array<EquipmentPage, 3> kPages = {{
    {InFormations, &EconomyTextTable::inUnitsNote},
    {InReserve, &EconomyTextTable::inStoreNote},
    {InRepair, &EconomyTextTable::inRepairNote},
}};

bool ListPage(int page) {
  return page >= 2 && page <= 5;
}

}  // namespace

int EquipmentListModel(const World& w, int entry) {
  const auto& list = w.Lists.EquipmentList;
  if (entry < 1 || entry > list.kCapacity || list.Status(entry) != 1) return 0;
  const int m = list.Entry(entry);
  return m >= 1 && m <= kEquipmentModelRows ? m : 0;
}

int CursorEntry(const World& w) {
  const auto& list = w.Lists.EquipmentList;
  return list.TopRow + list.CursorRow - 1;
}

void DrawListCursorBar(const UiContext& ctx) {
  DrawListCursor(ctx, EquipmentListRow(ctx.w.Lists.EquipmentList.CursorRow));
}

void DrawListArrows(const UiContext& ctx) {
  const auto& list = ctx.w.Lists.EquipmentList;
  DrawScrollArrows(ctx, kEquipmentListArrows, list.UpEnabled == 1, list.DownEnabled == 1);
}

void DrawEquipmentPage(UiContext& ctx, int page) {
  const EquipmentPage& shown = kPages[static_cast<std::size_t>(page - 2)];
  const World& w = ctx.w;
  DrawListCursorBar(ctx);
  DrawEquipmentRows(ctx, [&](int m, std::int32_t y) {
    for (int n = 1; n <= 8; ++n) {
      DrawGlyphText(ctx, NumberText(shown.value(w, n, m)).View(), NationValueX(n), y, 1);
    }
  });
  DrawListArrows(ctx);
  DrawDescriptionLines(ctx, EconomyTexts.*shown.description);
}

void ScrollEquipmentList(UiContext& ctx) {
  const ListScrollFields fields = ScrollFieldsOf(ctx.w.Lists.EquipmentList);
  KeepScrollArrows(fields);
  if (ctx.ui.LeftButtonDown == 1 && ListPage(ctx.ui.EconomyPage)) {
    ScrollHeldArrow(fields, kEquipmentListArrows, ctx.ui.MouseX, ctx.ui.MouseY);
  }
}

void ClickEquipmentListRow(UiContext& ctx) {
  if (!ListPage(ctx.ui.EconomyPage) || !kEquipmentListRows.Contains(ctx.ui.MouseX, ctx.ui.MouseY))
    return;
  ctx.w.Lists.EquipmentList.CursorRow =
      static_cast<std::uint16_t>(kEquipmentList.RowAt(ctx.ui.MouseY));
}

}  // namespace gm
