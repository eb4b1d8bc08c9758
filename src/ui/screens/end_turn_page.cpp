// The End turn page: confirming the end of the human side's turn, or handing the rest of it to
// the computer.
#include "ui/screens/end_turn_page.hpp"

#include "flow/screen_flags.hpp"
#include "flow/start_game.hpp"
#include "flow/turn_change.hpp"
#include "ui/click_sound.hpp"
#include "ui/glyph_text.hpp"
#include "ui/image_draw.hpp"
#include "ui/screens/page_window.hpp"
#include "ui/screens/sidebar.hpp"
#include "ui/ui_texts.hpp"

namespace gm {

namespace {

constexpr PageTiles kEndTurnTiles = {kWindowTopRow,   kPanelTopRow,    kPanelMiddleRow,
                                     kPanelMiddleRow, kPanelMiddleRow, kPanelMiddleRow,
                                     kPanelBottomRow, kTwoButtonRow,   kWindowBottomRow};

constexpr std::int32_t kTextX = 80;

// The three lines that explain the switch.
constexpr std::int32_t kNoteY = 80;
constexpr std::int32_t kNotePitch = 16;

// The two sides' armour either side of the switch.
constexpr int kGermanTankDivision = 62;
constexpr int kSovietTankDivision = 2;

// The computer plays on with the side's formations that still have orders left; its production
// choice is skipped while AiCompletesTurn is 1, and the turn changes when it is done.
void HandTurnToComputer(World& w) {
  ResetComputerTurn(w);
  EnterComputerTurn(w);
}

}  // namespace

void DrawEndTurnPage(UiContext& ctx) {
  DrawPageWindow(ctx, kEndTurnTiles);
  for (int i = 0; i < 3; ++i) {
    DrawGlyphText(ctx, HintTexts.aiCompletesNote[static_cast<std::size_t>(i)], kTextX,
                  kNoteY + kNotePitch * i, 3);
  }
  DrawGlyphText(ctx, HintTexts.aiCompletesSwitch, kTextX, kAiCompletesSwitchY, 3);
  for (const std::int32_t y : {180, 240}) {
    DrawImage(ctx, sprite::UnitSymbol(kGermanTankDivision), 180, y);
    DrawImage(ctx, sprite::UnitSymbol(kSovietTankDivision), 480, y);
  }
  DrawSwitch(ctx, kAiCompletesSwitchY, ctx.w.AiCompletesTurn);
  DrawPageButtonFlash(ctx, kLeftButton);
  DrawPageButtonFlash(ctx, kRightButton);
}

void ClickEndTurnPage(UiContext& ctx) {
  World& w = ctx.w;
  ClickSwitch(ctx, kAiCompletesSwitchY, w.AiCompletesTurn);
  if (PointerIn(ctx, kLeftButton)) {
    if (w.AiCompletesTurn != 1) {
      PlayClickSound(ctx);
      NextTurn(w, ctx.flow);
    } else {
      HandTurnToComputer(w);
    }
  }
  if (PointerIn(ctx, kRightButton)) {
    PlayClickSound(ctx);
    RestoreScreenFlags(w);
  }
}

}  // namespace gm
