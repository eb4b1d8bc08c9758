// The review pictures, set by set: each set plays the game window on the headless backend and
// writes its pictures to build/review/screens/; it answers why when a picture cannot be made.
#pragma once

#include <string>

namespace gm::review {

std::string DialogTitleAndEndings();
std::string MapViewsAndTheComputersTurn();
std::string EconomyWindow();
std::string NewUnitPageAndPlacement();
std::string SystemPages();
std::string UnitStaffPage();
std::string GuideBattlefield();
std::string GuideAirRange();
std::string GuideProductionPage();
std::string HarbourTowns();
std::string EightBitScreens();

}  // namespace gm::review
