// The buttons of the Unit staff page.
#include "ui/screens/unit_staff_buttons.hpp"

#include <cstdint>

#include "flow/screen_flags.hpp"
#include "refit/apply_refit.hpp"
#include "refit/book_refit_step.hpp"
#include "refit/refit_auto_fill.hpp"
#include "ui/click_handler.hpp"
#include "ui/hit_rect.hpp"
#include "ui/image_draw.hpp"
#include "ui/screens/sidebar.hpp"

namespace gm {

namespace {

// The right-hand column: +1, +5, +10, +100, +1000, then the automatic refit, 60 pixels each.
constexpr std::int32_t kColumnX = 600;
constexpr std::int32_t kColumnTop = 60;
constexpr std::int32_t kTile = 60;
constexpr int kAutoFillRow = kRefitStepCount;  // row 5 of the column

constexpr HitRect ColumnButton(int row) {
  return {kColumnX, kColumnTop + kTile * row, kColumnX + kTile - 1, kColumnTop + kTile * row + 59};
}

constexpr std::int32_t kApplyX = 380;
constexpr std::int32_t kCloseX = 500;
constexpr std::int32_t kButtonY = 430;
constexpr HitRect kApply{kApplyX, kButtonY, kApplyX + 79, kButtonY + 39};
constexpr HitRect kClose{kCloseX, kButtonY, kCloseX + 79, kButtonY + 39};

bool Hit(const UiContext& ctx, const HitRect& r) {
  return r.Contains(ctx.ui.MouseX, ctx.ui.MouseY);
}

// After Apply or the automatic refit: no formation selected, the map back, the page's sidebar
// button off (the formation has no orders left).
void LeaveRefitted(UiContext& ctx) {
  World& w = ctx.w;
  w.Selection[0] = 0;
  RestoreScreenFlags(w);
  w.ScreenFlags[kFlagUnitStaff] = kPageHidden;
}

}  // namespace

void DrawRefitDeadButtons(UiContext& ctx) {
  const TRefitPage& p = ctx.w.Refit.RefitPage;
  for (int i = 0; i < kRefitStepCount; ++i) {
    if (p.Step(i + 1) == 0) {
      DrawImage(ctx, sprite::kDeadStepButtons[i], kColumnX, ColumnButton(i).top);
    }
  }
  if (p.AutoRefitOffered == 0) {
    DrawImage(ctx, sprite::kDeadAutoRefitButton, kColumnX, ColumnButton(kAutoFillRow).top);
  }
  if (p.PendingTotal == 0) {
    DrawImage(ctx, sprite::kDeadOkButton.left, 360, 420);
    DrawImage(ctx, sprite::kDeadOkButton.right, 420, 420);
  }
}

void DrawRefitButtonHover(UiContext& ctx) {
  for (int row = 0; row <= kAutoFillRow; ++row) {
    if (Hit(ctx, ColumnButton(row))) {
      const auto flash = sprite::kTileButtonFlash;
      DrawImage(ctx, ctx.ui.BlinkPhase == 1 ? flash.light : flash.dark, kColumnX,
                ColumnButton(row).top);
    }
  }
  DrawPageButtonFlash(ctx, kApplyX, kButtonY);
  DrawPageButtonFlash(ctx, kCloseX, kButtonY);
}

bool ClickRefitApply(UiContext& ctx) {
  if (!Hit(ctx, kApply) || ctx.w.Refit.RefitPage.PendingTotal == 0) return false;
  PlayClickSound(ctx);
  ApplyRefit(ctx.w);
  LeaveRefitted(ctx);
  return true;
}

bool ClickRefitClose(UiContext& ctx) {
  if (!Hit(ctx, kClose)) return false;
  PlayClickSound(ctx);
  RestoreScreenFlags(ctx.w);
  return true;
}

bool ClickRefitSteps(UiContext& ctx) {
  bool acted = false;
  for (int button = 1; button <= kRefitStepCount; ++button) {
    if (!Hit(ctx, ColumnButton(button - 1)) || ctx.w.Refit.RefitPage.Step(button) != 1) continue;
    BookRefitStep(ctx.w, button);
    PlayClickSound(ctx);
    acted = true;
  }
  return acted;
}

bool ClickRefitAutoFill(UiContext& ctx) {
  if (!Hit(ctx, ColumnButton(kAutoFillRow)) || ctx.w.Refit.RefitPage.AutoRefitOffered != 1) {
    return false;
  }
  RefitAutoFill(ctx.w);
  PlayClickSound(ctx);
  LeaveRefitted(ctx);
  return true;
}

}  // namespace gm
