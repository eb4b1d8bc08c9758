// Sidebar buttons: pictures, clicks and page-button flashing.
#include "ui/screens/sidebar.hpp"

#include "flow/screen_flags.hpp"
#include "refit/refit_check.hpp"
#include "refit/refit_conditions.hpp"
#include "ui/click_sound.hpp"
#include "ui/hit_rect.hpp"
#include "ui/image_draw.hpp"
#include "world/economy_totals.hpp"
#include "world/formation_lists.hpp"
#include "world/save_slots.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

sprite::PictogramSprite ZoomPicture(std::uint8_t zoom) {
  switch (zoom) {
    case kZoomBattlefield:
      return sprite::kZoomBattlefieldButton;
    case kZoomMap1:
      return sprite::kZoomMap1Button;
    case kZoomMap2:
      return sprite::kZoomMap2Button;
    default:
      return sprite::kDisabledButton;
  }
}

sprite::PictogramSprite LayerPicture(std::uint8_t layer) {
  switch (layer) {
    case kLayerArmy:
      return sprite::kLayerArmyButton;
    case kLayerAir:
      return sprite::kLayerAirButton;
    default:
      return sprite::kDisabledButton;
  }
}

// The button of flag byte k (kFlagNewUnit..kFlagQuit) by its page's state.
sprite::PictogramSprite PagePicture(int k, std::uint8_t state) {
  if (state == kPageLive) return sprite::kPageButtons[k - kFlagNewUnit];
  if (state == kPageOpen) return sprite::kOpenPageButtons[k - kFlagNewUnit];
  return sprite::kDisabledButton;
}

bool Hit(const UiContext& ctx, int button) {
  return SidebarButtonRect(button).Contains(ctx.ui.MouseX, ctx.ui.MouseY);
}

void OpenPage(UiContext& ctx, void (*preset)(World&)) {
  SaveScreenFlags(ctx.w);
  preset(ctx.w);
  ctx.ui.PageMessage.clear();
  ctx.ui.LinkMessage.clear();
}

void DropSelectionFlag(World& w) {
  w.Selection[0] = 0;
  w.ScreenFlags[kFlagUnitStaff] = 0;
}

// Unit staff opens with its refit check, for a ground formation of the side on move selected on
// the army layer; it does nothing otherwise.
void OpenUnitStaffPage(UiContext& ctx) {
  World& w = ctx.w;
  if (w.Selection[0] != 1 || w.ScreenFlags[kFlagLayer] != kLayerArmy) return;
  if (RefitFormation(w) == nullptr) return;
  SaveScreenFlags(w);
  OpenRefitPage(w);
  ctx.ui.PageMessage.clear();
  ResetRefitPage(w);
  PlayClickSound(ctx);
  RefitCheck(w);
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
  DrawImage(ctx, ZoomPicture(flags[kFlagZoom]), kSidebarButtonX, SidebarButtonY(kZoomButton));
  DrawImage(ctx, LayerPicture(flags[kFlagLayer]), kSidebarButtonX, SidebarButtonY(kLayerButton));
  for (int k = kFlagNewUnit; k <= kFlagQuit; ++k) {
    DrawImage(ctx, PagePicture(k, flags[static_cast<std::size_t>(k)]), kSidebarButtonX,
              SidebarButtonY(k + 1));
  }
}

void DrawPageButtonFlash(const UiContext& ctx, const HitRect& button) {
  if (!button.Contains(ctx.ui.MouseX, ctx.ui.MouseY)) return;
  const auto frame =
      ctx.ui.BlinkPhase == 1 ? sprite::kPageButtonFrameLight : sprite::kPageButtonFrameDark;
  DrawImage(ctx, frame.left, button.left, button.top);
  DrawImage(ctx, frame.right, button.left + 40, button.top);
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
