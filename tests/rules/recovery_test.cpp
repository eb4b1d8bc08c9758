// The rest of the side that ended its turn: only its formations recover, up to the limits.
#include "rules/recovery.hpp"

#include <gtest/gtest.h>

#include "tests/world/order_test_world.hpp"

namespace gm {
namespace {

using testing::kGermanInfantry;
using testing::kSovietRifles;
using testing::OrderWorld;

TEST(RecoveryTest, OnlyTheSideOnMoveRecovers) {
  OrderWorld t;
  World& w = t.w();
  w.SideOnMove = kGermanSide;
  TFormation& german = Formation(w, t.Place(100, 100, kGermanInfantry));
  TFormation& veteran = Formation(w, t.Place(101, 100, kGermanInfantry));
  TFormation& soviet = Formation(w, t.Place(200, 100, kSovietRifles));
  german.Experience = 99;
  german.Morale = 69;
  german.OrdersLeft = 0;
  veteran.Experience = 100;
  veteran.Morale = 75;
  soviet.Experience = 10;
  soviet.Morale = 10;
  soviet.OrdersLeft = 0;
  RecoverSideOnMove(w);
  EXPECT_EQ(german.Experience, 100);
  EXPECT_EQ(german.Morale, 70);
  EXPECT_EQ(german.OrdersLeft, 2);
  EXPECT_EQ(veteran.Experience, 100);
  EXPECT_EQ(veteran.Morale, 75);
  EXPECT_EQ(veteran.OrdersLeft, 2);
  EXPECT_EQ(soviet.Experience, 10);
  EXPECT_EQ(soviet.Morale, 10);
  EXPECT_EQ(soviet.OrdersLeft, 0);
}

}  // namespace
}  // namespace gm
