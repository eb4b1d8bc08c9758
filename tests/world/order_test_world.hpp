// A small hand-built world for the reach-grid and order tests: open plain everywhere, the two
// coalitions set, and helpers that place formations and settlements in cells.
#pragma once

#include <cstdint>
#include <memory>

#include "tests/support/formation_types.hpp"
#include "tests/support/world_builders.hpp"
#include "world/world.hpp"
#include "world/world_access.hpp"

namespace gm::testing {

// Terrain tiles by move cost.
inline constexpr std::uint16_t kRoadTile = 0;     // 10
inline constexpr std::uint16_t kPlainTile = 50;   // 20
inline constexpr std::uint16_t kAirbase = 53;     // 20
inline constexpr std::uint16_t kRiverTile = 202;  // 70
inline constexpr std::uint16_t kSeaTile = 450;    // 255

class OrderWorld {
 public:
  OrderWorld() : w_(std::make_unique<World>()) {
    testing::SetCoalitions(*w_);
    w_->SideOnMove = kSovietSide;
    for (TMapCell& c : w_->MapCells) c.Terrain = kPlainTile;
  }

  World& w() { return *w_; }
  TMapCell& At(int x, int y) { return Cell(*w_, x, y); }

  // Places a used formation of the type in the cell (the ground or the air word by its branch)
  // with a plain load: 1000 men, ammunition and two orders. Returns its number.
  int Place(int x, int y, std::uint16_t type) {
    const int n = ++placed_;
    TFormation& f = PlaceFormation(*w_, n, x, y, type);
    f.Experience = 0;
    f.Morale = 0;
    f.Ammo = 10;
    return n;
  }

  int AddSettlement(int x, int y, std::uint16_t owner, std::uint16_t holder, std::uint16_t value) {
    const int n = ++settlements_;
    TSettlement& s = Settlement(*w_, n);
    s.OwnerNation = owner;
    s.HolderNation = holder;
    s.Value = value;
    At(x, y).Settlement = static_cast<std::uint16_t>(n);
    return n;
  }

  void Select(int x, int y) {
    w_->Selection = {1, static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y)};
  }

 private:
  std::unique_ptr<World> w_;
  int placed_ = 0;
  int settlements_ = 0;
};

}  // namespace gm::testing
