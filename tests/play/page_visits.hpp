// The pages as a player uses them: opened from the sidebar, every control clicked or held at
// least once, the effect each should have checked, pictures dumped on the way.
#pragma once

#include <string>

#include "player.hpp"

namespace gm::testing {

// The settings dialog: every list stepped by click or key, sound off and on, then the game's
// own choices (German humans first, the Soviet computer, a day a turn, sound) and Run!. With
// `dump` the dialog's picture is written.
void ChooseSettings(GameHarness& g, bool dump);

// New unit: the list by click and held arrows, a placement given up by the right button, then
// a formation raised in a free own town found by scrolling the placement map.
void RaiseNewUnit(Player& p);

// Unit staff by hand (fields, candidates, the five steps, Apply) on one formation, the automatic
// refit on another, Close on a third.
void RefitByHandAndAutomatically(Player& p);

// Every Economy tab, its list by click and held arrows, a production order, Close.
void LookThroughEconomy(Player& p);

// Options: the speed scale and the three switches, on and back off, Close.
void ChangeOptions(Player& p);

// Help: every topic, the three link lines, Close.
void ReadHelp(Player& p);

// Save/Load: the game saved into `slot` in save mode, loaded back in load mode, Close.
void SaveAndLoad(Player& p, int slot);
// The game saved into `slot`; the page closed again.
void SaveInto(Player& p, int slot);

// Quit's No: back to the map.
void QuitNo(Player& p);

// End turn: with `cancelFirst` the switch used and Cancel first; then Confirm, the computer
// completing the turn when `computerCompletes`; then frames until the human's turn is back.
void EndTurn(Player& p, bool computerCompletes, bool cancelFirst = false);

}  // namespace gm::testing
