// The switch to the final screen at the end of the war.
#include "world/final_screen.hpp"

namespace gm {

void ShowFinalScreen(World& w) {
  for (int i = 0; i < 12; ++i) w.ScreenFlags[i] = 0;
  w.ScreenFlags[12] = 2;
}

}  // namespace gm
