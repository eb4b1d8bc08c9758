// Sidebar buttons: pictures, clicks and page-button flashing.
#include "ui/screens/sidebar.hpp"

#include "flow/screen_flags.hpp"
#include "ui/click_handler.hpp"
#include "ui/hit_rect.hpp"
#include "ui/image_draw.hpp"
#include "ui/screens/unit_staff_page.hpp"
#include "world/economy_totals.hpp"
#include "world/formation_lists.hpp"
#include "world/save_slots.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr std::int32_t kDisabledPicture = 20;

std::int32_t ZoomPicture(std::uint8_t zoom) {
  switch (zoom) {
    case 2:
      return 0;
    case 1:
      return 10;
    case 3:
      return 29;
    default:
      return kDisabledPicture;
  }
}

// Page button k (2..9 for the flag bytes [2]..[9]): available k, open k + 10, disabled 20.
std::int32_t PagePicture(int k, std::uint8_t state) {
  if (state == 2) return k;
  if (state == 1) return k + 10;
  return kDisabledPicture;
}

bool Hit(const UiContext& ctx, int button) {
  return SidebarButtonRect(button).Contains(ctx.ui.MouseX, ctx.ui.MouseY);
}

void OpenPage(UiContext& ctx, void (*preset)(World&)) {
  SaveScreenFlags(ctx.w);
  preset(ctx.w);
  ctx.ui.PageMessage.clear();
}

void DropSelectionFlag(World& w) {
  w.Selection[0] = 0;
  w.ScreenFlags[kFlagUnitStaff] = 0;
}

}  // namespace

void CountSettlementStatistics(World& w) {
  enum { kOwned, kHeld, kHeldValue, kAirbases };
  for (auto& table : w.StatCounts) table.fill(0);
  const auto inPlay = [](int n) { return n >= 1 && n <= kNations; };
  for (const TSettlement& s : w.Settlements) {
    const int owner = s.OwnerNation, holder = s.HolderNation;
    if (s.Value > 0) {
      if (inPlay(owner)) ++w.StatCounts[kOwned][owner - 1];
      if (inPlay(holder)) {
        ++w.StatCounts[kHeld][holder - 1];
        w.StatCounts[kHeldValue][holder - 1] += s.Value;
      }
    } else if (inPlay(owner) && inPlay(holder)) {
      // Counted under the holder; only the eight nations at war have rows the page shows.
      ++w.StatCounts[kAirbases][holder - 1];
    }
  }
}

void DrawSidebarButtons(UiContext& ctx) {
  const auto& flags = ctx.w.ScreenFlags;
  DrawImage(ctx, "Pictogram", ZoomPicture(flags[kFlagZoom]), kSidebarButtonX,
            SidebarButtonY(kZoomButton));
  const std::int32_t layer = flags[kFlagLayer] == kLayerArmy  ? 1
                             : flags[kFlagLayer] == kLayerAir ? 11
                                                              : kDisabledPicture;
  DrawImage(ctx, "Pictogram", layer, kSidebarButtonX, SidebarButtonY(kLayerButton));
  for (int k = kFlagNewUnit; k <= kFlagQuit; ++k) {
    DrawImage(ctx, "Pictogram", PagePicture(k, flags[static_cast<std::size_t>(k)]), kSidebarButtonX,
              SidebarButtonY(k + 1));
  }
}

void DrawPageButtonFlash(UiContext& ctx, std::int32_t x, std::int32_t y) {
  if (!HitRect{x, y, x + 79, y + 39}.Contains(ctx.ui.MouseX, ctx.ui.MouseY)) return;
  const std::int32_t left = ctx.ui.BlinkPhase == 1 ? 25 : 27;
  DrawImage(ctx, "Pictogram", left, x, y);
  DrawImage(ctx, "Pictogram", left + 1, x + 40, y);
}

void ClickSidebarButtons(UiContext& ctx) {
  World& w = ctx.w;
  auto& flags = w.ScreenFlags;
  if (flags[kFlagZoom] > 0 && Hit(ctx, kZoomButton)) {
    std::uint8_t& zoom = flags[kFlagZoom];
    if (zoom == 1) {
      zoom = 3;
    } else if (zoom == 2) {
      zoom = 1;
    } else if (zoom == 3) {
      zoom = 2;
    }
    PlayClickSound(ctx);
    w.Map1X = w.ViewX < 325 ? w.ViewX : 324;
    w.Map1Y = w.ViewY < 304 ? w.ViewY : 303;
    if (w.ViewY < 30) w.Map1Y = 30;
  }
  if (flags[kFlagLayer] > 0 && Hit(ctx, kLayerButton)) {
    std::uint8_t& layer = flags[kFlagLayer];
    if (layer == 1) {
      layer = 2;
    } else if (layer == 2) {
      layer = 1;
    }
    DropSelectionFlag(w);
    PlayClickSound(ctx);
  }
  if (flags[kFlagNewUnit] == kPageLive && Hit(ctx, kNewUnitButton)) {
    DropSelectionFlag(w);
    OpenPage(ctx, OpenReinforcementPage);
    BuildRaiseList(w);
    PlayClickSound(ctx);
  }
  if (flags[kFlagUnitStaff] == kPageLive && Hit(ctx, kUnitStaffButton)) OpenUnitStaffPage(ctx);
  if (flags[kFlagEconomy] == kPageLive && Hit(ctx, kEconomyButton)) {
    OpenPage(ctx, OpenEconomyPage);
    ctx.ui.EconomyPage = 1;
    CountSettlementStatistics(w);
    SumProductionValue(w);
    SumSettlementValue(w);
    CountGroundFormations(w);
    CountAirFormations(w);
    SumFormationMen(w);
    SumFormationCars(w);
    SumFormationHorses(w);
    BuildEquipmentList(w);
    PlayClickSound(ctx);
  }
  if (flags[kFlagOptions] == kPageLive && Hit(ctx, kOptionsButton)) {
    OpenPage(ctx, OpenOptionsPage);
    PlayClickSound(ctx);
  }
  if (flags[kFlagSaveLoad] == kPageLive && Hit(ctx, kSaveLoadButton)) {
    OpenPage(ctx, OpenSaveLoadPage);
    w.SaveSlots.SaveLoadMode = 0;
    w.SaveSlots.LaterRowModes.fill(0);
    ScanSaveSlots(w, ctx.fs);
    PlayClickSound(ctx);
  }
  if (flags[kFlagEndTurn] == kPageLive && Hit(ctx, kEndTurnButton)) {
    w.AiCompletesTurn = 0;
    OpenPage(ctx, OpenEndTurnPage);
    PlayClickSound(ctx);
  }
  if (flags[kFlagHelp] == kPageLive && Hit(ctx, kHelpButton)) {
    OpenPage(ctx, OpenHelpPage);
    ctx.ui.HelpPage = 1;
    PlayClickSound(ctx);
  }
  if (flags[kFlagQuit] == kPageLive && Hit(ctx, kQuitButton)) {
    OpenPage(ctx, OpenQuitPage);
    PlayClickSound(ctx);
  }
}

}  // namespace gm
