// The buttons of the Unit staff page.
#include "ui/screens/unit_staff_buttons.hpp"

#include <cstdint>

#include "flow/screen_flags.hpp"
#include "refit/apply_refit.hpp"
#include "refit/book_refit_step.hpp"
#include "refit/refit_auto_fill.hpp"
#include "ui/click_sound.hpp"
#include "ui/image_draw.hpp"
#include "ui/screens/sidebar.hpp"

namespace gm {

namespace {

constexpr std::int32_t kColumnX = RefitColumnButton(0).left;

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
      DrawImage(ctx, sprite::kDeadStepButtons[i], kColumnX, RefitColumnButton(i).top);
    }
  }
  if (p.AutoRefitOffered == 0) {
    DrawImage(ctx, sprite::kDeadAutoRefitButton, kColumnX,
              RefitColumnButton(kRefitAutoFillRow).top);
  }
  if (p.PendingTotal == 0) {
    DrawImage(ctx, sprite::kDeadOkButton.left, 360, 420);
    DrawImage(ctx, sprite::kDeadOkButton.right, 420, 420);
  }
}

void DrawRefitButtonHover(UiContext& ctx) {
  for (int row = 0; row <= kRefitAutoFillRow; ++row) {
    if (Hit(ctx, RefitColumnButton(row))) {
      DrawImage(ctx, InBlink(ctx, sprite::kTileButtonFlash), kColumnX, RefitColumnButton(row).top);
    }
  }
  DrawPageButtonFlash(ctx, kRefitApplyButton);
  DrawPageButtonFlash(ctx, kRefitCloseButton);
}

bool ClickRefitApply(UiContext& ctx) {
  if (!Hit(ctx, kRefitApplyButton) || ctx.w.Refit.RefitPage.PendingTotal == 0) return false;
  PlayClickSound(ctx);
  ApplyRefit(ctx.w);
  LeaveRefitted(ctx);
  return true;
}

bool ClickRefitClose(UiContext& ctx) {
  if (!Hit(ctx, kRefitCloseButton)) return false;
  PlayClickSound(ctx);
  RestoreScreenFlags(ctx.w);
  return true;
}

bool ClickRefitSteps(UiContext& ctx) {
  bool acted = false;
  for (int button = 1; button <= kRefitStepCount; ++button) {
    if (!Hit(ctx, RefitColumnButton(button - 1)) || ctx.w.Refit.RefitPage.Step(button) != 1)
      continue;
    BookRefitStep(ctx.w, button);
    PlayClickSound(ctx);
    acted = true;
  }
  return acted;
}

bool ClickRefitAutoFill(UiContext& ctx) {
  if (!Hit(ctx, RefitColumnButton(kRefitAutoFillRow)) ||
      ctx.w.Refit.RefitPage.AutoRefitOffered != 1) {
    return false;
  }
  RefitAutoFill(ctx.w);
  PlayClickSound(ctx);
  LeaveRefitted(ctx);
  return true;
}

}  // namespace gm
