// The Unit staff page: its window, the rule and status lines, and the order in which its parts
// draw and take clicks.
#include "ui/screens/unit_staff_page.hpp"

#include <array>
#include <cstdint>

#include "refit/renew_messages.hpp"
#include "ui/glyph_text.hpp"
#include "ui/image_draw.hpp"
#include "ui/screens/unit_staff_buttons.hpp"
#include "ui/screens/unit_staff_candidates.hpp"
#include "ui/screens/unit_staff_fields.hpp"
#include "ui/tile_map.hpp"
#include "ui/ui_texts.hpp"

namespace gm {

namespace {

// The field list's panel on the left, the candidate list's in the middle, the button column on
// the right, Apply and Close below.
constexpr PageTileRow ListsRow(const TileRow<5>& fields, const TileRow<4>& candidates,
                               sprite::WindowTile button) {
  return InWindow(JoinTiles(fields, candidates, button));
}
constexpr PageTileRow StepRow(int step) {
  return ListsRow(FrameMiddle<5>(sprite::kInnerPanel), FrameMiddle<4>(sprite::kListPanel),
                  sprite::kStepButtons[step]);
}
constexpr PageTiles kWindow = {
    kWindowTopRow,
    ListsRow(FrameTop<5>(sprite::kInnerPanel), FrameTop<4>(sprite::kListPanel),
             sprite::kStepButtons[0]),
    StepRow(1),
    StepRow(2),
    StepRow(3),
    StepRow(4),
    ListsRow(FrameMiddle<5>(sprite::kInnerPanel), FrameBottom<4>(sprite::kListPanel),
             sprite::kAutoRefitButton),
    InWindow(JoinTiles(FrameBottom<5>(sprite::kInnerPanel), sprite::kOkButton.left,
                       sprite::kOkButton.right, sprite::kCancelButton.left,
                       sprite::kCancelButton.right, sprite::kWindow.interior)),
    kWindowBottomRow,
};

constexpr std::int32_t kRuleX = 20;
constexpr std::int32_t kRuleY = 552;
constexpr std::int32_t kLinePitch = 12;
constexpr std::int32_t kStatusX = 370;

void DrawRuleAndStatus(UiContext& ctx) {
  for (int i = 0; i < 3; ++i) {
    DrawGlyphText(ctx, HintTexts.refitRule[static_cast<std::size_t>(i)], kRuleX,
                  kRuleY + kLinePitch * i, 1);
  }
  const std::int32_t message = ctx.w.Refit.MessageNo;
  if (message >= 1 && message <= kRenewMessageCount) {
    DrawGlyphText(ctx, RenewMessages[static_cast<std::size_t>(message)], kStatusX, kRuleY, 1);
  }
}

}  // namespace

void DrawUnitStaffPage(UiContext& ctx) {
  DrawTileMap(ctx, kWindow);
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

}  // namespace gm
