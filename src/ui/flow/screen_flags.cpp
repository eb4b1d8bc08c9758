// Screen-flag presets and the page protocol's copy operations.
#include "ui/flow/screen_flags.hpp"

#include <algorithm>

namespace gm {

namespace {

void OnlyFlag(World& w, int index, std::uint8_t value) {
  w.ScreenFlags.fill(0);
  w.ScreenFlags[index] = value;
}

}  // namespace

void SaveScreenFlags(World& w) {
  w.SavedScreenFlags = w.ScreenFlags;
}

void RestoreScreenFlags(World& w) {
  w.ScreenFlags = w.SavedScreenFlags;
}

void ShowMapScreen(World& w) {
  w.ScreenFlags = {2, 2, 2, 0, 2, 2, 2, 2, 2, 2, 0, 0, 0};
}

void OpenReinforcementPage(World& w) {
  OnlyFlag(w, kFlagNewUnit, 1);
}
void OpenRefitPage(World& w) {
  OnlyFlag(w, kFlagUnitStaff, 1);
}
void OpenEconomyPage(World& w) {
  OnlyFlag(w, kFlagEconomy, 1);
}
void OpenOptionsPage(World& w) {
  OnlyFlag(w, kFlagOptions, 1);
}
void OpenSaveLoadPage(World& w) {
  OnlyFlag(w, kFlagSaveLoad, 1);
}
void OpenEndTurnPage(World& w) {
  OnlyFlag(w, kFlagEndTurn, 1);
}
void OpenHelpPage(World& w) {
  OnlyFlag(w, kFlagHelp, 1);
}
void OpenQuitPage(World& w) {
  OnlyFlag(w, kFlagQuit, 1);
}
void EnterPlacementMode(World& w) {
  OnlyFlag(w, kFlagPlacement, 1);
}
void EnterComputerTurn(World& w) {
  OnlyFlag(w, kFlagComputerTurn, 1);
}
void ShowTitleScreen(World& w) {
  OnlyFlag(w, kFlagScreen, 1);
}

}  // namespace gm
