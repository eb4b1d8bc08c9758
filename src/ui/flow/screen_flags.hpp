// The thirteen screen flags: the presets that set all of them at once and the save and restore
// of the map screen around a page.
#pragma once

#include "world/final_screen.hpp"
#include "world/world.hpp"

namespace gm {

// Byte meanings of ScreenFlags.
enum ScreenFlag : int {
  kFlagZoom = 0,     // 2 Battlefield, 1 Map1, 3 Map2, 0 no map
  kFlagLayer = 1,    // 2 army, 1 air force
  kFlagNewUnit = 2,  // pages [2]..[9]: 0 hidden, 2 button live, 1 open
  kFlagUnitStaff = 3,
  kFlagEconomy = 4,
  kFlagOptions = 5,
  kFlagSaveLoad = 6,
  kFlagEndTurn = 7,
  kFlagHelp = 8,
  kFlagQuit = 9,
  kFlagPlacement = 10,
  kFlagComputerTurn = 11,
  kFlagScreen = 12,  // 0 game, 1 title, 2 final
};

void SaveScreenFlags(World& w);
void RestoreScreenFlags(World& w);

// The human side's map: Battlefield zoom, army layer, every page button but "Unit staff" live.
void ShowMapScreen(World& w);
// Each page preset clears every flag but its own page byte, which becomes 1.
void OpenReinforcementPage(World& w);
void OpenRefitPage(World& w);
void OpenEconomyPage(World& w);
void OpenOptionsPage(World& w);
void OpenSaveLoadPage(World& w);
void OpenEndTurnPage(World& w);
void OpenHelpPage(World& w);
void OpenQuitPage(World& w);
void EnterPlacementMode(World& w);  // flag 10 alone
void EnterComputerTurn(World& w);   // flag 11 alone
void ShowTitleScreen(World& w);     // flag 12 = 1
// ShowFinalScreen (flag 12 = 2) lives with the world: the end-of-war test calls it.

}  // namespace gm
