// Screen-flag presets and the page protocol's copy operations.
#include "flow/screen_flags.hpp"

#include "rules/war_end.hpp"

namespace gm {

namespace {

void OnlyFlag(World& w, ScreenFlag flag, std::uint8_t value) {
  w.ScreenFlags.fill(0);
  w.ScreenFlags[flag] = value;
}

}  // namespace

void SaveScreenFlags(World& w) {
  w.SavedScreenFlags = w.ScreenFlags;
}

void RestoreScreenFlags(World& w) {
  w.ScreenFlags = w.SavedScreenFlags;
}

void ShowMapScreen(World& w) {
  w.ScreenFlags.fill(kPageLive);
  w.ScreenFlags[kFlagZoom] = kZoomBattlefield;
  w.ScreenFlags[kFlagLayer] = kLayerArmy;
  w.ScreenFlags[kFlagUnitStaff] = kPageHidden;  // until an own formation is selected
  w.ScreenFlags[kFlagPlacement] = 0;
  w.ScreenFlags[kFlagComputerTurn] = 0;
  w.ScreenFlags[kFlagScreen] = kScreenGame;
}

void OpenReinforcementPage(World& w) {
  OnlyFlag(w, kFlagNewUnit, kPageOpen);
}
void OpenRefitPage(World& w) {
  OnlyFlag(w, kFlagUnitStaff, kPageOpen);
}
void OpenEconomyPage(World& w) {
  OnlyFlag(w, kFlagEconomy, kPageOpen);
}
void OpenOptionsPage(World& w) {
  OnlyFlag(w, kFlagOptions, kPageOpen);
}
void OpenSaveLoadPage(World& w) {
  OnlyFlag(w, kFlagSaveLoad, kPageOpen);
}
void OpenEndTurnPage(World& w) {
  OnlyFlag(w, kFlagEndTurn, kPageOpen);
}
void OpenHelpPage(World& w) {
  OnlyFlag(w, kFlagHelp, kPageOpen);
}
void OpenQuitPage(World& w) {
  OnlyFlag(w, kFlagQuit, kPageOpen);
}
void EnterPlacementMode(World& w) {
  OnlyFlag(w, kFlagPlacement, 1);
}
void EnterComputerTurn(World& w) {
  OnlyFlag(w, kFlagComputerTurn, 1);
}
void ShowTitleScreen(World& w) {
  OnlyFlag(w, kFlagScreen, kScreenTitle);
}
void ShowFinalScreen(World& w) {
  OnlyFlag(w, kFlagScreen, kScreenFinal);
}

bool ShowFinalScreenIfWarEnded(World& w) {
  if (w.WarResult == kWarGoesOn) return false;
  ShowFinalScreen(w);
  return true;
}

}  // namespace gm
