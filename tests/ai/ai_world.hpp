// A hand-built world for the computer player's tests: open plain, the coalitions set, the Soviet
// coalition on move on 22 June 1941.
#pragma once

#include <memory>

#include "tests/world/order_test_world.hpp"
#include "world/world.hpp"

namespace gm::testing {

inline constexpr std::uint16_t kGermanPanzer = 69;  // nation 2 army type, for variety

class AiWorld : public OrderWorld {
 public:
  AiWorld() {
    w().GameHeader.Day = 22;
    w().GameHeader.Month = 6;
    w().GameHeader.Year = 1941;
    w().OpeningCoalition = kGermanSide;
  }
};

}  // namespace gm::testing
