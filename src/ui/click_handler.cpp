// The click blocks in the game's order: the three map views, placement, the sidebar, the pages,
// the final screen and the title screen.
#include "ui/click_handler.hpp"

#include "ui/flow/screen_flags.hpp"
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

void PlayClickSound(UiContext& ctx) {
  if (ctx.w.SoundOn == 1) ctx.flow.sound.PlaySound("click");
}

void DXDraw1Click(UiContext& ctx) {
  World& w = ctx.w;
  if (w.ActionTick != 0) return;  // dropped, not kept for later
  const auto flag = [&w](ScreenFlag f) { return w.ScreenFlags[f]; };

  if (flag(kFlagZoom) == 2) ClickBattlefield(ctx);
  if (flag(kFlagZoom) == 3) ClickMap2View(ctx);
  if (flag(kFlagZoom) == 1) ClickMap1View(ctx);
  if (flag(kFlagPlacement) == 1) ClickPlacementMap(ctx);
  ClickSidebarButtons(ctx);
  if (flag(kFlagNewUnit) == 1) ClickReinforcementPage(ctx);
  if (flag(kFlagUnitStaff) == 1) ClickUnitStaffPage(ctx);
  if (flag(kFlagEconomy) == 1) ClickEconomyWindow(ctx);
  if (flag(kFlagOptions) == 1) ClickOptionsPage(ctx);
  if (flag(kFlagSaveLoad) == 1) ClickSaveLoadPage(ctx);
  if (flag(kFlagEndTurn) == 1) ClickEndTurnPage(ctx);
  if (flag(kFlagHelp) == 1) ClickHelpPage(ctx);
  if (flag(kFlagQuit) == 1) ClickQuitPage(ctx);
  if (flag(kFlagScreen) == 2) ClickFinalScreen(ctx);
  if (flag(kFlagScreen) == 1) ClickTitleScreen(ctx);
}

}  // namespace gm
