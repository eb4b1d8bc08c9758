// Working values of the reach-grid builders: the move costs of the ground window, the selected
// formation's movement points and the selected air formation's range.
#pragma once

#include <cstdint>

#include "world/one_based_grid.hpp"

namespace gm {

struct ReachState {
  // Cost of entering each cell of the 19 x 19 ground window; 255 where it cannot be entered.
  OneBasedGrid<std::int32_t, 19> MoveCostGrid;
  std::int32_t MoveAllowance;   // 10, 20, .. 60 movement points of the selected ground formation
  std::int32_t AirRangeRadius;  // range in cells of the selected air formation, at most 130
};

}  // namespace gm
