// The screens the 8-bit display is judged on against the 16-bit one: the title, the opening
// Battlefield and the production page with its equipment pictures, each shown by the same steps
// at either depth. The display's test measures them; the review tool writes the 8-bit ones.
#pragma once

#include <array>
#include <memory>

#include "tests/support/game_harness.hpp"
#include "ui/screens/economy_window.hpp"

namespace gm::testing {

struct EightBitScreen {
  const char* name;
  void (*show)(GameHarness& g);
};

inline constexpr std::array<EightBitScreen, 3> kEightBitScreens = {{
    {"title",
     [](GameHarness& g) {
       g.MoveTo(50, 590);  // over the parade, away from the title line
       g.Frames(30);
     }},
    {"battlefield",
     [](GameHarness& g) {
       g.StartGame();
       g.MoveTo(400, 300);
       g.Frames(2);
     }},
    {"production",  // the equipment pictures, each on its own sky or ground
     [](GameHarness& g) {
       g.StartGame();
       for (const HitRect& area : {SidebarButtonRect(kEconomyButton), EconomyTabRect(5)}) {
         g.MoveTo(Middle(area));
         g.Click(Middle(area));
         g.Frames(1);
       }
       g.MoveTo(10, 500);
       g.Frames(2);
     }},
}};

// A game started at `bits` bits a pixel, the screen shown when it started.
inline std::unique_ptr<GameHarness> ShownAt(const EightBitScreen& screen, int bits) {
  LaunchOptions options = ScriptedOptions();
  options.bits = bits;
  auto g = std::make_unique<GameHarness>(options);
  if (g->Started()) screen.show(*g);
  return g;
}

}  // namespace gm::testing
