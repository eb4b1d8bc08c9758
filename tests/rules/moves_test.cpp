// Moves, airborne drops and rebasing: the formation and both cells kept in step, orders taken,
// capture only for ground entries.
#include "rules/moves.hpp"

#include <gtest/gtest.h>

#include <cstring>

#include "rules/idle_orders.hpp"
#include "tests/world/order_test_world.hpp"

namespace gm {
namespace {

using testing::OrderWorld;
namespace t = testing;

constexpr std::uint8_t kNotTested = 99;  // WarResult before an order: stays unless a test ran

struct MoveCase {
  const char* name;
  void (*order)(World&);
  std::uint16_t type;
  int toX, toY;
  int ordersBefore, ordersAfter;
};

TEST(Moves, KeepFormationAndCellsInStep) {
  const MoveCase cases[] = {
      {"move", ExecuteMove, t::kSovietRifles, 101, 99, 2, 1},
      {"move without orders left", ExecuteMove, t::kSovietRifles, 99, 100, 0, 0},
      {"drop", ExecuteAirDrop, t::kSovietAirborne, 108, 93, 1, 0},
      {"rebase", ExecuteRebase, t::kSovietFighters, 220, 40, 2, 1},
  };
  for (const auto& c : cases) {
    OrderWorld o;
    const int f = o.Place(100, 100, c.type);
    const bool air = FormationTypes[c.type].Branch == 2;
    const int other = air ? o.Place(100, 100, t::kSovietRifles) : 0;  // shares the cell
    Formation(o.w(), f).OrdersLeft = static_cast<std::uint16_t>(c.ordersBefore);
    o.Select(100, 100);
    o.w().TargetX = c.toX;
    o.w().TargetY = c.toY;
    c.order(o.w());
    const TFormation& moved = Formation(o.w(), f);
    EXPECT_EQ(moved.X, c.toX) << c.name;
    EXPECT_EQ(moved.Y, c.toY) << c.name;
    EXPECT_EQ(moved.xCopy, c.toX) << c.name;
    EXPECT_EQ(moved.yCopy, c.toY) << c.name;
    EXPECT_EQ(moved.OrdersLeft, c.ordersAfter) << c.name;
    const TMapCell& from = o.At(100, 100);
    const TMapCell& to = o.At(c.toX, c.toY);
    EXPECT_EQ(air ? from.AirFormation : from.GroundFormation, 0) << c.name;
    EXPECT_EQ(air ? to.AirFormation : to.GroundFormation, f) << c.name;
    EXPECT_EQ(from.GroundFormation, other) << c.name;  // the other branch stays
  }
}

TEST(Moves, OrderOntoTheOwnCellLeavesTheFormationThere) {
  OrderWorld o;
  const int f = o.Place(100, 100, t::kSovietRifles);
  o.Select(100, 100);
  o.w().TargetX = 100;
  o.w().TargetY = 100;
  ExecuteMove(o.w());
  EXPECT_EQ(o.At(100, 100).GroundFormation, f);
  EXPECT_EQ(Formation(o.w(), f).OrdersLeft, 1);
}

TEST(Moves, GroundEntriesCaptureRebasesDoNot) {
  for (const bool air : {false, true}) {
    OrderWorld o;
    o.Place(100, 100, air ? t::kSovietFighters : t::kSovietRifles);
    const int s = o.AddSettlement(101, 100, 2, 2, 60);
    o.w().WarResult = kNotTested;
    o.Select(100, 100);
    o.w().TargetX = 101;
    o.w().TargetY = 100;
    (air ? ExecuteRebase : ExecuteMove)(o.w());
    EXPECT_EQ(Settlement(o.w(), s).HolderNation, air ? 2 : 5) << air;
    EXPECT_EQ(Settlement(o.w(), s).Value, air ? 60 : 20) << air;
    EXPECT_EQ(o.w().WarResult == kNotTested, air) << air;
  }
}

TEST(Moves, EmptySelectedCellChangesNothing) {
  OrderWorld o;
  o.Select(100, 100);
  o.w().TargetX = 101;
  o.w().TargetY = 100;
  o.w().WarResult = kNotTested;
  ExecuteMove(o.w());
  ExecuteRebase(o.w());
  EXPECT_EQ(o.At(101, 100).GroundFormation, 0);
  EXPECT_EQ(o.At(101, 100).AirFormation, 0);
  EXPECT_EQ(o.w().WarResult, kNotTested);
}

TEST(IdleOrders, ChangeNothing) {
  OrderWorld o;
  o.Place(100, 100, t::kSovietRifles);
  o.w().ScreenFlags = {2, 2, 2, 0, 2, 2, 2, 2, 2, 2, 0, 0, 0};
  const auto flags = o.w().ScreenFlags;
  const TFormation before = Formation(o.w(), 1);
  SecondAirOrderNone(o.w());
  AnimationStepNone4(o.w());
  AnimationStepNone6(o.w());
  EXPECT_EQ(o.w().ScreenFlags, flags);
  EXPECT_EQ(std::memcmp(&Formation(o.w(), 1), &before, sizeof before), 0);
}

}  // namespace
}  // namespace gm
