// The 8-bit display's pictures for people to look at (`make review`): the screens its test
// compares with the 16-bit ones, as the 8-bit display shows them.
#include <string>

#include "review_sets.hpp"
#include "tests/support/eight_bit_screens.hpp"

namespace gm {

std::string review::EightBitScreens() {
  for (const testing::EightBitScreen& screen : testing::kEightBitScreens) {
    const auto g = testing::ShownAt(screen, 8);
    if (!g->Started()) return g->StartStatus().Message();
    g->Dump(std::string(screen.name) + "_8bit");
  }
  return {};
}

}  // namespace gm
