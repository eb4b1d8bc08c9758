// The New unit page: the formation types the side on move may raise, the card, picture and message
// of the one under the cursor, the scroll arrows, OK and Cancel.
#include "ui/screens/new_unit_page.hpp"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "flow/screen_flags.hpp"
#include "ui/click_sound.hpp"
#include "ui/glyph_text.hpp"
#include "ui/image_draw.hpp"
#include "ui/screens/sidebar.hpp"
#include "ui/tile_map.hpp"
#include "ui/ui_texts.hpp"
#include "world/raise_places.hpp"
#include "world/tables/tables.hpp"

namespace gm {

namespace {

constexpr int kRows = kNewUnitList.count;

// The list's panel on the left, the card's on the right, OK and Cancel below the list.
constexpr PageTileRow kListAndCardRow =
    InWindow(JoinTiles(FrameMiddle<5>(sprite::kListPanel), FrameMiddle<5>(sprite::kInnerPanel)));
constexpr PageTiles kReinforcementTiles = {
    kWindowTopRow,
    InWindow(JoinTiles(FrameTop<5>(sprite::kListPanel), FrameTop<5>(sprite::kInnerPanel))),
    kListAndCardRow,
    kListAndCardRow,
    kListAndCardRow,
    kListAndCardRow,
    InWindow(JoinTiles(FrameBottom<5>(sprite::kListPanel), FrameMiddle<5>(sprite::kInnerPanel))),
    InWindow(JoinTiles(sprite::kOkButton.left, sprite::kOkButton.right, sprite::kWindow.interior,
                       sprite::kCancelButton.left, sprite::kCancelButton.right,
                       FrameBottom<5>(sprite::kInnerPanel))),
    kWindowBottomRow,
};

// The card's lines of an army type and of an air type, in the order of their labels: the
// type's counts.
using TypeCount = std::uint16_t TFormationType::*;
constexpr std::array<TypeCount, kArmyCardLines> kArmyCard = {
    &TFormationType::Men,          &TFormationType::Tanks,     &TFormationType::SPGuns,
    &TFormationType::ArmouredCars, &TFormationType::FieldGuns, &TFormationType::Howitzers,
    &TFormationType::Mortars,      &TFormationType::ATGuns,    &TFormationType::AAGuns,
    &TFormationType::Cars,         &TFormationType::Horses,
};
constexpr std::array<TypeCount, kAirCardLines> kAirCard = {
    &TFormationType::Fighters,
    &TFormationType::TacticalBombers,
    &TFormationType::Bombers,
    &TFormationType::LevelBombers,
};

constexpr std::int32_t kLabelX = 375;
constexpr std::int32_t kValueX = 575;

// The entry under the cursor, or 0 when the cursor stands on a row past the last entry: such a
// row is blank and OK does nothing for it.
int CursorEntry(const PagedList<200, 20>& list) {
  const int e = list.TopRow + list.CursorRow - 1;
  return e >= 1 && e <= list.ItemCount && e <= list.kCapacity ? e : 0;
}

const TFormationType& TypeRow(std::uint16_t type) {
  return FormationTypes[type <= kFormationTypeRows ? type : 0];
}

// As many labels as counts, or it does not compile.
template <std::size_t N>
void DrawCardLines(UiContext& ctx, const TFormationType& t, const std::array<TypeCount, N>& counts,
                   const std::array<LabelRow, N>& labels) {
  for (std::size_t j = 0; j < N; ++j) {
    const std::int32_t y = 102 + 12 * static_cast<std::int32_t>(j);
    DrawGlyphText(ctx, labels[j], kLabelX, y, 1);
    DrawGlyphText(ctx, std::to_string(t.*counts[j]), kValueX, y, 1);
  }
}

void DrawCard(UiContext& ctx, const TFormationType& t) {
  if (t.Branch != 1 && t.Branch != 2) return;
  DrawGlyphText(ctx, UiLabels.staffOfWartime, kLabelX, 75, 1);
  DrawGlyphText(ctx, std::to_string(t.Month) + " " + std::to_string(t.Year), kValueX, 75, 1);
  if (t.Branch == 1) {
    DrawCardLines(ctx, t, kArmyCard, UiLabels.armyCard);
  } else {
    DrawCardLines(ctx, t, kAirCard, UiLabels.airCard);
  }
}

void DrawRows(UiContext& ctx, const PagedList<200, 20>& list) {
  const int last = std::min<int>(list.BottomRow, list.ItemCount);
  for (int e = list.TopRow; e <= last; ++e) {
    // The name two pixels below the row's top, the flag one.
    const std::int32_t top = NewUnitListRow(e - list.TopRow + 1).top;
    const TFormationType& t = TypeRow(list.Entry(e));
    DrawGlyphText(ctx, t.Name.View(), 77, top + 2, list.Status(e) == kRaiseAvailable ? 2 : 1);
    const auto flag = sprite::SettlementFlag(t.Nation, ctx.ui.BlinkPhase == 0);
    DrawImage(ctx, flag.left, 312, top + 1);
    DrawImage(ctx, flag.right, 327, top + 1);
  }
}

}  // namespace

void DrawReinforcementPage(UiContext& ctx) {
  PagedList<200, 20>& list = ctx.w.Lists.ReinforcementList;
  // The held arrows move the list first, so the frame shows where they left it.
  const ListScrollFields fields = ScrollFieldsOf(list);
  KeepScrollArrows(fields);
  if (ctx.ui.LeftButtonDown == 1)
    ScrollHeldArrow(fields, kNewUnitArrows, ctx.ui.MouseX, ctx.ui.MouseY);

  DrawTileMap(ctx, kReinforcementTiles);
  DrawListCursor(ctx, NewUnitListRow(list.CursorRow));
  DrawRows(ctx, list);
  DrawScrollArrows(ctx, kNewUnitArrows, list.UpEnabled == 1, list.DownEnabled == 1);

  const int entry = CursorEntry(list);
  const std::uint8_t status = entry != 0 ? list.Status(entry) : 0;
  if (entry != 0) {
    const std::uint16_t type = list.Entry(entry);
    DrawCard(ctx, TypeRow(type));
    DrawImage(ctx, sprite::UnitSymbol(type), 480, 240);
    DrawGlyphText(ctx, FormingMessage(status), 20, 552, 1);
  }
  // OK is shown unusable whenever it would do nothing.
  if (status != kRaiseAvailable) {
    DrawImage(ctx, sprite::kDeadOkButton.left, 60, 420);
    DrawImage(ctx, sprite::kDeadOkButton.right, 120, 420);
  }
  DrawPageButtonFlash(ctx, kNewUnitOkButton);
  DrawPageButtonFlash(ctx, kNewUnitCancelButton);
}

void ClickReinforcementPage(UiContext& ctx) {
  World& w = ctx.w;
  PagedList<200, 20>& list = w.Lists.ReinforcementList;
  const std::int32_t mx = ctx.ui.MouseX, my = ctx.ui.MouseY;
  if (kNewUnitOkButton.Contains(mx, my)) {
    const int entry = CursorEntry(list);
    if (entry != 0 && list.Status(entry) == kRaiseAvailable) {
      w.Selection[0] = 0;
      w.ScreenFlags[kFlagUnitStaff] = 0;
      PlayClickSound(ctx);
      // The map screen saved by the New unit button stays saved for the placement's end.
      EnterPlacementMode(w);
      w.Lists.PlacementPending = 1;
      w.Lists.PlacementType = list.Entry(entry);
      MarkPlacementCells(w);
      ctx.ui.PageMessage.clear();
    }
  }
  if (kNewUnitCancelButton.Contains(mx, my)) {
    PlayClickSound(ctx);
    RestoreScreenFlags(w);
    w.Lists.PlacementPending = 0;
    w.Lists.PlacementType = 0;
  }
  if (kNewUnitListRows.Contains(mx, my)) {
    list.CursorRow = static_cast<std::uint16_t>(kNewUnitList.RowAt(my));
    if (list.CursorRow > 1) list.UpEnabled = 1;
    if (list.CursorRow < kRows) list.DownEnabled = 1;
    if (list.TopRow == list.MinTopRow && list.CursorRow == 1) list.UpEnabled = 0;
    if (list.BottomRow == list.ItemCount && list.CursorRow == kRows) list.DownEnabled = 0;
    PlayClickSound(ctx);
  }
}

}  // namespace gm
