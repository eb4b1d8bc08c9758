// A small hand-built world for the reach-grid and order tests: open plain everywhere, the two
// coalitions set, and helpers that place formations and settlements in cells.
#pragma once

#include <cstdint>
#include <memory>

#include "tests/world/world_builders.hpp"
#include "world/world.hpp"
#include "world/world_access.hpp"

namespace gm::testing {

// Terrain tiles by move cost.
inline constexpr std::uint16_t kRoadTile = 0;     // 10
inline constexpr std::uint16_t kPlainTile = 50;   // 20
inline constexpr std::uint16_t kAirbase = 53;     // 20
inline constexpr std::uint16_t kRiverTile = 202;  // 70
inline constexpr std::uint16_t kSeaTile = 450;    // 255

// Formation types.
inline constexpr std::uint16_t kSovietRifles = 7;          // nation 5, army
inline constexpr std::uint16_t kSovietAirborne = 18;       // nation 5, may drop
inline constexpr std::uint16_t kGermanInfantry = 74;       // nation 2, army
inline constexpr std::uint16_t kRomanianInfantry = 117;    // nation 4, army
inline constexpr std::uint16_t kSecondSovietCavalry = 50;  // nation 8, army
inline constexpr std::uint16_t kSovietFighters = 51;       // nation 5, air
inline constexpr std::uint16_t kGermanFighters = 161;      // nation 2, air

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
