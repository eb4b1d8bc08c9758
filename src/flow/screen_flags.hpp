// The thirteen screen flags: the presets that set all of them at once, the save and restore of
// the map screen around a page, and the final screen once the rules report the end of the war.
#pragma once

#include "world/screen_state.hpp"
#include "world/world.hpp"

namespace gm {

void SaveScreenFlags(World& w);
void RestoreScreenFlags(World& w);

// The human side's map: Battlefield zoom, army layer, every page button but "Unit staff" live.
void ShowMapScreen(World& w);
// Each page preset clears every flag but its own page byte, which becomes kPageOpen.
void OpenReinforcementPage(World& w);
void OpenRefitPage(World& w);
void OpenEconomyPage(World& w);
void OpenOptionsPage(World& w);
void OpenSaveLoadPage(World& w);
void OpenEndTurnPage(World& w);
void OpenHelpPage(World& w);
void OpenQuitPage(World& w);
void EnterPlacementMode(World& w);  // the placement flag alone
void EnterComputerTurn(World& w);   // the computer-turn flag alone
void ShowTitleScreen(World& w);     // the title screen alone
void ShowFinalScreen(World& w);     // the final screen alone; its texts follow WarResult

// After any rule that may have ended the war (a move or drop into a settlement, a fight, the
// turn change): once WarResult says the war is over, the final screen replaces whatever was
// shown. Returns true when it did.
bool ShowFinalScreenIfWarEnded(World& w);

}  // namespace gm
