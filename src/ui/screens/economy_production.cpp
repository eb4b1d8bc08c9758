// Page 5 of the Economy window: each model's daily output per nation, the production orders of
// the coalition on move and their cells, what production costs against what the nations earn,
// and the card and picture of the model under the cursor.
#include <array>
#include <string>

#include "ui/glyph_text.hpp"
#include "ui/image_draw.hpp"
#include "ui/screens/economy_pages.hpp"
#include "ui/tile_map.hpp"
#include "ui/ui_texts.hpp"
#include "world/economy_totals.hpp"
#include "world/tables/tables.hpp"

namespace gm {

namespace {

constexpr std::int32_t kPictureX = 490;
constexpr std::int32_t kPictureY = 430;

// Order marks by ProductionStatus: not producible, decrease, keep, increase.
struct OrderMark {
  std::string_view text;
  int font;
};
constexpr std::array<OrderMark, 4> kOrderMarks = {{{"[X]", 1}, {"[-]", 2}, {"[=]", 2}, {"[+]", 2}}};

constexpr std::int32_t RateX(int n) {
  return 181 + 60 * (n - 1);
}

// The columns a side may order in are fixed by nation number.
bool OrdersOpen(int nation, std::uint8_t sideOnMove) {
  const std::uint32_t bit = 1u << nation;
  if (sideOnMove == kGermanSide) return (kGermanNations & bit) != 0;
  if (sideOnMove == kSovietSide) return (kSovietNations & bit) != 0;
  return false;
}

std::uint8_t& StatusOf(World& w, int n, int m) {
  return w.Economy.ProductionStatus[static_cast<std::size_t>(EconomyIndex(n, m))];
}
std::uint8_t StatusOf(const World& w, int n, int m) {
  return w.Economy.ProductionStatus[static_cast<std::size_t>(EconomyIndex(n, m))];
}
std::uint8_t RateOf(const World& w, int n, int m) {
  return w.Economy.ProductionRate[static_cast<std::size_t>(EconomyIndex(n, m))];
}

// The panels above and below the list, and what each nation earns against what its production
// costs.
void DrawEconomyBalance(const UiContext& ctx) {
  DrawTileRow(ctx, FrameTop<10>(sprite::kInnerPanel), 60, 12);
  DrawTileRow(ctx, BarRow<6>(sprite::kTextStrip), 60, 480);
  DrawGlyphText(ctx, EconomyTexts.realEconomic, kEconomyLabelX, 35, 1);
  DrawGlyphText(ctx, EconomyTexts.requiredEconomic, kEconomyLabelX, 50, 1);
  for (int n = 1; n <= 8; ++n) {
    const auto i = static_cast<std::size_t>(n - 1);
    const std::int32_t x = 190 + 60 * (n - 1);
    DrawGlyphText(ctx, NumberText(ctx.w.SettlementValueByHolder[i]).View(), x, 35, 1);
    DrawGlyphText(ctx, NumberText(ctx.w.ProductionValue[i]).View(), x, 50, 1);
  }
}

void DrawProductionRows(const UiContext& ctx) {
  const World& w = ctx.w;
  DrawEquipmentRows(ctx, [&](int m, std::int32_t y) {
    for (int n = 1; n <= 8; ++n) {
      DrawGlyphText(ctx, NumberText(std::uint32_t{RateOf(w, n, m)}).View(), RateX(n), y, 1);
      if (!OrdersOpen(n, w.SideOnMove)) continue;
      const std::uint8_t status = StatusOf(w, n, m);
      if (status < kOrderMarks.size()) {
        DrawGlyphText(ctx, kOrderMarks[status].text, ProductionOrderX(n), y,
                      kOrderMarks[status].font);
      }
    }
  });
}

void DrawModelCard(const UiContext& ctx, const TEquipmentModel& e) {
  const ModelCardLabels& card = UiLabels.modelCard;
  if (e.IntroMonth >= 1 && e.IntroMonth <= 12) {
    DrawLabelledNumber(ctx, MonthName(e.IntroMonth), e.IntroYear, 73, 493);
  }
  DrawLabelledNumber(ctx, card.cost, e.Cost, 183, 493);
  const std::string_view answer = e.AirTransportable == 0 ? card.no : card.yes;
  DrawGlyphText(ctx, std::string(card.airTransport).append(answer), 303, 493, 1);
  DrawLabelledNumber(ctx, card.airDefense, e.AirDefense, 73, 505);
  DrawLabelledNumber(ctx, card.infantryAttack, e.InfantryAttack, 183, 505);
  DrawLabelledNumber(ctx, card.airAttack, e.AirAttack, 303, 505);
  DrawLabelledNumber(ctx, card.groundDefense, e.GroundDefense, 73, 517);
  DrawLabelledNumber(ctx, card.armorAttack, e.ArmorAttack, 183, 517);
  DrawLabelledNumber(ctx, card.movement, e.Movement, 303, 517);
}

}  // namespace

void DrawProductionPage(UiContext& ctx) {
  DrawEconomyBalance(ctx);
  DrawListCursorBar(ctx);
  DrawProductionRows(ctx);
  DrawListArrows(ctx);

  const int m = EquipmentListModel(ctx.w, CursorEntry(ctx.w));
  if (m != 0) DrawModelCard(ctx, EquipmentModels[static_cast<std::size_t>(m)]);
  DrawImage(ctx, sprite::kTextStrip.left, 480, 420);
  DrawImage(ctx, sprite::kTextStrip.right, 540, 420);
  if (m != 0) DrawImage(ctx, sprite::EquipmentPicture(m), kPictureX, kPictureY);
  DrawImage(ctx, sprite::kPictureSlotFrame, kPictureX, kPictureY);

  // The last line, the order marks' key, in the second font.
  DrawDescriptionLines(ctx, EconomyTexts.productionNote);
  DrawGlyphText(ctx, EconomyTexts.orderMarksKey, 13, 577, 2);
  DrawGlyphText(ctx, EconomyTexts.productionHint, 368, 553, ctx.ui.BlinkPhase == 1 ? 2 : 1);
}

void ClickProductionOrders(UiContext& ctx) {
  if (ctx.ui.EconomyPage != 5) return;
  World& w = ctx.w;
  for (int c = 1; c <= 8; ++c) {
    if (!ProductionOrderCell(c).Contains(ctx.ui.MouseX, ctx.ui.MouseY)) continue;
    if (!OrdersOpen(c, w.SideOnMove)) continue;
    // The list-row test of this click has already moved the cursor to the clicked row.
    const int m = EquipmentListModel(w, CursorEntry(w));
    if (m == 0) continue;
    std::uint8_t& status = StatusOf(w, c, m);
    if (status == 0) continue;  // not producible here: nothing to order
    status = status >= 3 ? 1 : static_cast<std::uint8_t>(status + 1);
    SumProductionValue(w);
    SumSettlementValue(w);
  }
}

}  // namespace gm
