// The stages of one frame, in the order the game runs them. Each guard is tested when its stage
// is reached, so a stage sees what the stages before it wrote in the same frame.
#include "ui/frame_loop.hpp"

#include "flow/action_animation.hpp"
#include "flow/map_orders.hpp"
#include "flow/screen_flags.hpp"
#include "ui/close_request.hpp"
#include "ui/pointer_input.hpp"
#include "ui/screens/battlefield_view.hpp"
#include "ui/screens/bottom_panel.hpp"
#include "ui/screens/computer_turn_driver.hpp"
#include "ui/screens/economy_window.hpp"
#include "ui/screens/end_turn_page.hpp"
#include "ui/screens/final_screen.hpp"
#include "ui/screens/help_page.hpp"
#include "ui/screens/map1_view.hpp"
#include "ui/screens/map2_view.hpp"
#include "ui/screens/map_orders_view.hpp"
#include "ui/screens/new_unit_page.hpp"
#include "ui/screens/options_page.hpp"
#include "ui/screens/overlay.hpp"
#include "ui/screens/placement_map.hpp"
#include "ui/screens/quit_page.hpp"
#include "ui/screens/save_load_page.hpp"
#include "ui/screens/sidebar.hpp"
#include "ui/screens/title_screen.hpp"
#include "ui/screens/tooltips.hpp"
#include "ui/screens/unit_staff_page.hpp"

namespace gm {

void DXTimerTimer(UiContext& ctx, std::int32_t /*lagCount*/) {
  World& w = ctx.w;
  const auto flag = [&w](ScreenFlag f) { return w.ScreenFlags[f]; };

  ctx.input.Update();
  PollLinkOpening(ctx);
  CountActionTick(w);
  ++ctx.ui.FrameCount;

  if (flag(kFlagScreen) == kScreenGame) DrawPanels(ctx);
  if (flag(kFlagComputerTurn) == 1) RunComputerTurnDriver(ctx);
  if (flag(kFlagZoom) == kZoomMap2) DrawMap2View(ctx);
  if (flag(kFlagZoom) == kZoomBattlefield || flag(kFlagComputerTurn) == 1) {
    DrawBattlefieldStage(ctx);
    if (flag(kFlagComputerTurn) == 1) {
      ComputerMapOrder(w, ctx.flow);
    } else {
      RunMapOrdersStage(ctx);
    }
  }
  DrawMap1Stage(ctx);

  DrawSidebarButtons(ctx);
  if (flag(kFlagNewUnit) == kPageOpen) DrawReinforcementPage(ctx);
  if (flag(kFlagUnitStaff) == kPageOpen) DrawUnitStaffPage(ctx);
  if (flag(kFlagEconomy) == kPageOpen) DrawEconomyWindow(ctx);
  if (flag(kFlagOptions) == kPageOpen) DrawOptionsPage(ctx);
  if (flag(kFlagSaveLoad) == kPageOpen) DrawSaveLoadPage(ctx);
  if (flag(kFlagEndTurn) == kPageOpen) DrawEndTurnPage(ctx);
  if (flag(kFlagHelp) == kPageOpen) DrawHelpPage(ctx);
  if (flag(kFlagQuit) == kPageOpen) DrawQuitPage(ctx);
  if (flag(kFlagPlacement) == 1) DrawPlacementMap(ctx);
  if (flag(kFlagComputerTurn) != 1) DrawSidebarTooltips(ctx);
  if (flag(kFlagScreen) == kScreenTitle) DrawTitleScreen(ctx);
  if (flag(kFlagScreen) == kScreenFinal) DrawFinalScreen(ctx);

  if (flag(kFlagComputerTurn) != 1) DrawPointer(ctx);
  StepBlink(ctx);
  RunActionAnimation(ctx);
  if (flag(kFlagScreen) == kScreenGame) DrawDateOverlay(ctx);
  DrawRateAndClockOverlay(ctx);
  ctx.display.Flip();
  NoteQuitPageShown(ctx);
}

}  // namespace gm
