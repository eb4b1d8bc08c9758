// The candidate list of the Unit staff page.
#include "ui/screens/unit_staff_candidates.hpp"

#include <cstdint>
#include <string_view>

#include "refit/update_refit_panel.hpp"
#include "ui/click_sound.hpp"
#include "ui/glyph_text.hpp"
#include "ui/image_draw.hpp"
#include "ui/ui_texts.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

// Row r's text three pixels below the row's top.
constexpr std::int32_t kTextX = 376;
constexpr std::int32_t kTextDrop = 3;

bool EquipmentField(const TRefitPage& p) {
  return p.SelectedField >= kFirstEquipmentField && p.SelectedField <= kRefitFieldCount;
}

int FontFor(const TRefitPage& p, int entry) {
  return entry >= 1 && entry <= kRefitCandidateCount && p.Enabled(entry) == 1 ? 2 : 1;
}

}  // namespace

void DrawRefitCursorBar(UiContext& ctx) {
  DrawListCursor(ctx, RefitCandidateRow(ctx.w.Refit.RefitPage.ListCursor));
}

void DrawRefitCandidates(UiContext& ctx) {
  const TRefitPage& p = ctx.w.Refit.RefitPage;
  const auto row = [&](std::string_view text, int entry, int r) {
    DrawGlyphText(ctx, text, kTextX, RefitCandidateRow(r).top + kTextDrop, FontFor(p, entry));
  };
  switch (p.SelectedField) {
    case kAmmoField:
      row(StaffFieldLabel(kAmmoField), 1, 1);
      return;
    case kMenField:
      row(UiLabels.eliteReserves, kVeteranRow, 1);
      row(UiLabels.conscript, kRecruitRow, 2);
      return;
    case kCarsField:
      row(StaffFieldLabel(kCarsField), 1, 1);
      return;
    case kHorsesField:
      row(StaffFieldLabel(kHorsesField), 1, 1);
      return;
    default:
      break;
  }
  if (!EquipmentField(p)) return;
  for (int i = p.ListTop; i <= p.ListBottom && i <= kRefitCandidateCount; ++i) {
    const std::uint16_t m = p.Candidate(i);
    if (m >= 1 && m <= kEquipmentModelRows) {
      row(EquipmentModels[m].Name.View(), i, i - p.ListTop + 1);
    }
  }
  DrawScrollArrows(ctx, kRefitCandidateArrows, p.CanScrollUp == 1, p.CanScrollDown == 1);
}

void ScrollRefitCandidates(UiContext& ctx) {
  TRefitPage& p = ctx.w.Refit.RefitPage;
  if (!EquipmentField(p)) return;
  const ListScrollFields list{p.ListFirst,  p.ListCount,   p.ListTop,       p.ListBottom,
                              p.ListCursor, p.CanScrollUp, p.CanScrollDown, kRefitListRows};
  KeepScrollArrows(list);
  if (ctx.ui.LeftButtonDown == 1) {
    ScrollHeldArrow(list, kRefitCandidateArrows, ctx.ui.MouseX, ctx.ui.MouseY);
  }
  UpdateRefitPanel(ctx.w, kRefitRefresh);
}

bool ClickRefitCandidates(UiContext& ctx) {
  const UiState& ui = ctx.ui;
  if (!kRefitCandidateRows.Contains(ui.MouseX, ui.MouseY)) return false;
  TRefitPage& p = ctx.w.Refit.RefitPage;
  p.PreviousCursor = p.ListCursor;
  p.ListCursor = static_cast<std::uint16_t>(kRefitCandidates.RowAt(ui.MouseY));
  // The supplies have one row, the men two: a click below them keeps the highlight.
  if (p.SelectedField == kAmmoField || p.SelectedField == kCarsField ||
      p.SelectedField == kHorsesField) {
    p.ListCursor = 1;
  } else if (p.SelectedField == kMenField && p.ListCursor > kRecruitRow) {
    p.ListCursor = p.PreviousCursor;
  }
  UpdateRefitPanel(ctx.w, kRefitRefresh);
  if (p.ListCursor > 1) p.CanScrollUp = 1;
  if (p.ListCursor < kRefitListRows) p.CanScrollDown = 1;
  if (p.ListTop == p.ListFirst && p.ListCursor == 1) p.CanScrollUp = 0;
  if (p.ListBottom == p.ListCount && p.ListCursor == kRefitListRows) p.CanScrollDown = 0;
  PlayClickSound(ctx);
  return true;
}

}  // namespace gm
