// Which models each nation can produce: the statuses of a new game and the introductions of new
// models on the first of a month.
#pragma once

#include "world/world.hpp"

namespace gm {

// Production statuses of ProductionStatus.
enum ProductionStatusValue : std::uint8_t {
  kStatusUnavailable = 0,
  kStatusRampingDown = 1,
  kStatusAvailable = 2,
  kStatusRampingUp = 3,
};

// Sets every status of nations 1..8, models 1..1200: available for the maker nation of a model
// introduced before July 1941, unavailable otherwise. Rates are not touched.
void InitProductionStatus(World& w);

// On the first of a month, makes each ground model introduced in this month and year available
// to its maker nation (when it was unavailable). Aircraft are never introduced this way.
void IntroduceNewModels(World& w);

}  // namespace gm
