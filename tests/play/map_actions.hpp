// Orders on the map as a player gives them: a formation of the side on move is found in the
// world, selected by a click on its cell, and ordered by a click on a cell its reach grid marks;
// merges by the S key and a neighbour's letter. Each returns whether the order was carried out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "player.hpp"

namespace gm::testing {

// The first own formation on the layer (in record order) with orders left whose reach grid, once
// selected, marks a cell of the view with `code`; that cell is clicked and the animation it
// starts waited out (a picture of its middle written as `picture` when one is named).
struct OrderDone {
  CellPos from;
  CellPos to;
};
std::optional<OrderDone> OrderByMark(Player& p, MapLayer layer, std::int32_t code,
                                     const std::string& picture = "");

// A ground formation of the side on move with a neighbour it can merge: selected, S held (the
// merge letters shown), then S with the neighbour's letter.
struct MergeDone {
  CellPos survivor;
  CellPos absorbed;
  int men = 0;  // of both before the merge
};
std::optional<MergeDone> MergeNeighbour(Player& p);

// The count of a sound played so far.
int SoundsPlayed(GameHarness& g, const std::string& label);

}  // namespace gm::testing
