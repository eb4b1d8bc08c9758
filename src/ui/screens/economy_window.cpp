// The Economy window's frame: the window tiles, the nation header and flags, the page tabs and
// Close, and the choice of page body; the window's click block.
#include "ui/screens/economy_window.hpp"

#include <array>

#include "flow/screen_flags.hpp"
#include "ui/click_sound.hpp"
#include "ui/glyph_text.hpp"
#include "ui/image_draw.hpp"
#include "ui/screens/economy_pages.hpp"
#include "ui/screens/sidebar.hpp"
#include "ui/tile_map.hpp"
#include "ui/ui_texts.hpp"

namespace gm {

namespace {

// The window over the map area: the nation header's strip, the list's panel, the tabs and Close.
constexpr PageTileRow kListMiddleRow = InWindow(FrameMiddle<10>(sprite::kListPanel));
constexpr PageTileRow kTabRow = JoinTiles(
    sprite::kWindow.left, sprite::kEconomyTabs[0], sprite::kEconomyTabs[1], sprite::kEconomyTabs[2],
    sprite::kEconomyTabs[3], sprite::kEconomyTabs[4], sprite::kEconomyTabs[5],
    SameRow<3>(sprite::kWindow.interior), sprite::kOkButton.left, sprite::kEconomyCloseRight);
constexpr PageTiles kEconomyTiles = {kWindowTopRow,
                                     InWindow(BarRow<10>(sprite::kTextStrip)),
                                     InWindow(FrameTop<10>(sprite::kListPanel)),
                                     kListMiddleRow,
                                     kListMiddleRow,
                                     kListMiddleRow,
                                     InWindow(FrameBottom<10>(sprite::kListPanel)),
                                     kTabRow,
                                     kWindowBottomRow};

// Each nation's flag, two 15-pixel halves that change with the blink.
void DrawNationFlags(const UiContext& ctx) {
  const bool light = ctx.ui.BlinkPhase != 1;
  for (int n = 1; n <= 8; ++n) {
    const auto flag = sprite::SettlementFlag(n, light);
    DrawImage(ctx, flag.left, 187 + 60 * (n - 1), 75);
    DrawImage(ctx, flag.right, 202 + 60 * (n - 1), 75);
  }
}

void DrawPageBody(UiContext& ctx) {
  switch (ctx.ui.EconomyPage) {
    case 1:
      DrawStatisticsPage(ctx);
      break;
    case 2:
    case 3:
    case 4:
      DrawEquipmentPage(ctx, ctx.ui.EconomyPage);
      break;
    case 5:
      DrawProductionPage(ctx);
      break;
    case 6:
      DrawLossesPage(ctx);
      break;
    default:
      break;
  }
}

// The tab under the pointer glows, the chosen one too; Close flashes its two halves.
void DrawHoverHighlights(const UiContext& ctx) {
  const std::int32_t mx = ctx.ui.MouseX, my = ctx.ui.MouseY;
  for (int p = 1; p <= kEconomyPageCount; ++p) {
    const HitRect tab = EconomyTabRect(p);
    if (tab.Contains(mx, my)) {
      DrawImage(ctx, InBlink(ctx, sprite::kButtonFrame), tab.left, tab.top);
    }
  }
  DrawPageButtonFlash(ctx, kEconomyCloseButton);
}

}  // namespace

void DrawLabelledNumber(const UiContext& ctx, std::string_view label, std::uint32_t value,
                        std::int32_t x, std::int32_t y, int font) {
  DrawGlyphText(ctx, label, x, y, font);
  const auto shift = static_cast<std::int32_t>(label.size()) * GlyphAdvance(font);
  DrawGlyphText(ctx, NumberText(value).View(), x + shift, y, font);
}

void DrawNumberWithSuffix(const UiContext& ctx, std::uint32_t value, std::string_view suffix,
                          std::int32_t x, std::int32_t y) {
  const NumberText number(value);
  DrawGlyphText(ctx, number.View(), x, y, 1);
  const auto shift = static_cast<std::int32_t>(number.View().size()) * GlyphAdvance(1);
  DrawGlyphText(ctx, suffix, x + shift, y, 1);
}

void DrawDescriptionLines(const UiContext& ctx, std::span<const EconomyRow> lines) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    DrawGlyphText(ctx, lines[i], 13, 553 + 12 * static_cast<std::int32_t>(i), 1);
  }
}

void DrawEconomyWindow(UiContext& ctx) {
  // The Economy button's open picture is the sidebar's own, drawn just before.
  DrawTileMap(ctx, kEconomyTiles);
  DrawGlyphText(ctx, EconomyTexts.header, 122, 93, 2);
  DrawNationFlags(ctx);
  const int page = ctx.ui.EconomyPage;
  if (page >= 1 && page <= kEconomyPageCount) {
    DrawImage(ctx, sprite::kChosenEconomyTabs[page - 1], 60 * page, 420);
  }
  DrawPageBody(ctx);
  ScrollEquipmentList(ctx);
  DrawHoverHighlights(ctx);
}

void ClickEconomyWindow(UiContext& ctx) {
  const std::int32_t mx = ctx.ui.MouseX, my = ctx.ui.MouseY;
  if (kEconomyCloseButton.Contains(mx, my)) {
    PlayClickSound(ctx);
    RestoreScreenFlags(ctx.w);
  }
  for (int p = 1; p <= kEconomyPageCount; ++p) {
    if (EconomyTabRect(p).Contains(mx, my)) {
      ctx.ui.EconomyPage = static_cast<std::uint8_t>(p);
      PlayClickSound(ctx);
    }
  }
  ClickEquipmentListRow(ctx);
  ClickProductionOrders(ctx);
}

}  // namespace gm
