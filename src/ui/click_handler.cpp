// The click blocks in the game's order: the three map views, placement, the sidebar, the pages,
// the final screen and the title screen.
#include "ui/click_handler.hpp"

#include "flow/screen_flags.hpp"
#include "ui/screens/battlefield_view.hpp"
#include "ui/screens/economy_window.hpp"
#include "ui/screens/end_turn_page.hpp"
#include "ui/screens/final_screen.hpp"
#include "ui/screens/help_page.hpp"
#include "ui/screens/map1_view.hpp"
#include "ui/screens/map2_view.hpp"
#include "ui/screens/new_unit_page.hpp"
#include "ui/screens/options_page.hpp"
#include "ui/screens/placement_map.hpp"
#include "ui/screens/quit_page.hpp"
#include "ui/screens/save_load_page.hpp"
#include "ui/screens/sidebar.hpp"
#include "ui/screens/title_screen.hpp"
#include "ui/screens/unit_staff_page.hpp"

namespace gm {

void DXDraw1Click(UiContext& ctx) {
  World& w = ctx.w;
  if (w.ActionTick != 0) return;  // dropped, not kept for later
  const auto flag = [&w](ScreenFlag f) { return w.ScreenFlags[f]; };

  if (flag(kFlagZoom) == kZoomBattlefield) ClickBattlefield(ctx);
  if (flag(kFlagZoom) == kZoomMap2) ClickMap2View(ctx);
  if (flag(kFlagZoom) == kZoomMap1) ClickMap1View(ctx);
  if (flag(kFlagPlacement) == 1) ClickPlacementMap(ctx);
  ClickSidebarButtons(ctx);
  if (flag(kFlagNewUnit) == kPageOpen) ClickReinforcementPage(ctx);
  if (flag(kFlagUnitStaff) == kPageOpen) ClickUnitStaffPage(ctx);
  if (flag(kFlagEconomy) == kPageOpen) ClickEconomyWindow(ctx);
  if (flag(kFlagOptions) == kPageOpen) ClickOptionsPage(ctx);
  if (flag(kFlagSaveLoad) == kPageOpen) ClickSaveLoadPage(ctx);
  if (flag(kFlagEndTurn) == kPageOpen) ClickEndTurnPage(ctx);
  if (flag(kFlagHelp) == kPageOpen) ClickHelpPage(ctx);
  if (flag(kFlagQuit) == kPageOpen) ClickQuitPage(ctx);
  if (flag(kFlagScreen) == kScreenFinal) ClickFinalScreen(ctx);
  if (flag(kFlagScreen) == kScreenTitle) ClickTitleScreen(ctx);
}

}  // namespace gm
