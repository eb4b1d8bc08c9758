// gravmark-review: writes a picture of every screen and page to build/review/screens/ for people
// to look at (`make review`, and the guide's pictures). It checks nothing; a set whose picture
// cannot be made says why, and the program then ends with status 1.
#include <cstdio>
#include <string>

#include "review_sets.hpp"

int main() {
  struct Set {
    const char* name;
    std::string (*write)();
  };
  const Set sets[] = {
      {"the dialog, the title and the endings", gm::review::DialogTitleAndEndings},
      {"the map views and the computer's turn", gm::review::MapViewsAndTheComputersTurn},
      {"the Economy window", gm::review::EconomyWindow},
      {"the guide's Battlefield", gm::review::GuideBattlefield},
      {"the guide's air range", gm::review::GuideAirRange},
      {"the guide's production page", gm::review::GuideProductionPage},
      {"the harbour towns", gm::review::HarbourTowns},
      {"New unit and the placement", gm::review::NewUnitPageAndPlacement},
      {"the system pages", gm::review::SystemPages},
      {"Unit staff", gm::review::UnitStaffPage},
      {"the 8-bit display", gm::review::EightBitScreens},
  };
  int status = 0;
  for (const Set& set : sets) {
    const std::string failure = set.write();
    if (!failure.empty()) {
      std::fprintf(stderr, "gravmark-review: %s: %s\n", set.name, failure.c_str());
      status = 1;
    }
  }
  if (status == 0) std::printf("review pictures written to build/review/screens/\n");
  return status;
}
