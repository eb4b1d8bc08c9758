// The Unit staff page: its window, the rule and status lines, and the order in which its parts
// draw and take clicks.
#include "ui/screens/unit_staff_page.hpp"

#include <array>
#include <cstdint>

#include "flow/screen_flags.hpp"
#include "refit/refit_check.hpp"
#include "refit/refit_conditions.hpp"
#include "refit/renew_messages.hpp"
#include "ui/click_handler.hpp"
#include "ui/glyph_text.hpp"
#include "ui/image_draw.hpp"
#include "ui/screens/unit_staff_buttons.hpp"
#include "ui/screens/unit_staff_candidates.hpp"
#include "ui/screens/unit_staff_fields.hpp"
#include "ui/ui_texts.hpp"

namespace gm {

namespace {

constexpr int kCols = 12;
constexpr int kRows = 9;
// Table3 tiles: the field list's panel on the left, the candidate list's in the middle, the
// button column on the right, Apply and Close below.
constexpr std::array<std::int32_t, kCols* kRows> kWindow = {
    20, 21, 21, 21, 21, 21, 21, 21, 21, 21, 21, 22,  //
    27, 0,  1,  1,  1,  2,  60, 61, 61, 62, 73, 23,  //
    27, 7,  9,  9,  9,  3,  67, 69, 69, 63, 74, 23,  //
    27, 7,  9,  9,  9,  3,  67, 69, 69, 63, 75, 23,  //
    27, 7,  9,  9,  9,  3,  67, 69, 69, 63, 76, 23,  //
    27, 7,  9,  9,  9,  3,  67, 69, 69, 63, 77, 23,  //
    27, 7,  9,  9,  9,  3,  64, 65, 65, 66, 78, 23,  //
    27, 4,  5,  5,  5,  6,  12, 13, 14, 15, 29, 23,  //
    24, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 26,  //
};

constexpr std::int32_t kRuleX = 20;
constexpr std::int32_t kRuleY = 552;
constexpr std::int32_t kLinePitch = 12;
constexpr std::int32_t kStatusX = 370;

void DrawRuleAndStatus(UiContext& ctx) {
  for (int i = 0; i < 3; ++i) {
    DrawGlyphText(ctx, HintTexts[kHintRefitRule + i], kRuleX, kRuleY + kLinePitch * i, 1);
  }
  const std::int32_t message = ctx.w.Refit.MessageNo;
  if (message >= 1 && message <= kRenewMessageCount) {
    DrawGlyphText(ctx, RenewMessages[static_cast<std::size_t>(message)], kStatusX, kRuleY, 1);
  }
}

}  // namespace

void DrawUnitStaffPage(UiContext& ctx) {
  DrawTileMap(ctx, kWindow.data(), kCols, kRows);
  DrawRefitDeadButtons(ctx);
  DrawRefitCursorBar(ctx);
  DrawRefitFields(ctx);
  DrawRefitCandidates(ctx);
  DrawRuleAndStatus(ctx);
  ScrollRefitCandidates(ctx);
  DrawRefitButtonHover(ctx);
}

void ClickUnitStaffPage(UiContext& ctx) {
  ClickRefitApply(ctx);
  ClickRefitClose(ctx);
  ClickRefitFields(ctx);
  ClickRefitCandidates(ctx);
  ClickRefitSteps(ctx);
  ClickRefitAutoFill(ctx);
}

void OpenUnitStaffPage(UiContext& ctx) {
  World& w = ctx.w;
  // Only a ground formation of the side on move, selected on the army layer, is refitted here.
  if (w.Selection[0] != 1 || w.ScreenFlags[kFlagLayer] != kLayerArmy) return;
  if (RefitFormation(w) == nullptr) return;
  SaveScreenFlags(w);
  OpenRefitPage(w);
  ctx.ui.PageMessage.clear();
  ResetRefitPage(w);
  PlayClickSound(ctx);
  RefitCheck(w);
}

}  // namespace gm
