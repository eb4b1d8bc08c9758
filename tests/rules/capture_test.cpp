// Capture of settlements: who becomes the holder, the value cap, and when the end-of-war test
// runs.
#include "rules/capture.hpp"

#include <gtest/gtest.h>

#include "rules/war_end.hpp"
#include "tests/world/order_test_world.hpp"

namespace gm {
namespace {

using testing::OrderWorld;
namespace t = testing;

constexpr std::uint8_t kNotTested = 99;

struct CaptureCase {
  const char* name;
  std::uint16_t type;  // the entering formation's type
  std::uint16_t owner, holder, value;
  std::uint16_t holderAfter, valueAfter;
};

TEST(CaptureSettlement, HolderAndValue) {
  const CaptureCase cases[] = {
      {"German entry gives it back to its German-side owner", t::kGermanInfantry, 4, 5, 50, 4, 20},
      {"German entry into a Soviet-owned settlement holds it", t::kGermanInfantry, 5, 5, 50, 2, 20},
      {"German entry into its own nation's settlement", t::kGermanInfantry, 2, 8, 50, 2, 20},
      {"Soviet entry gives it back to its Soviet-side owner", t::kSovietRifles, 8, 2, 50, 8, 20},
      {"Soviet entry into a German-owned settlement holds it", t::kSovietRifles, 3, 3, 50, 5, 20},
      {"Soviet entry returns it to a neutral owner", t::kSovietRifles, kNeutralNation, 2, 50,
       kNeutralNation, 20},
      {"a value at or below 20 stays", t::kSovietRifles, 2, 2, 15, 5, 15},
      {"held by the own coalition: unchanged", t::kSovietRifles, 2, 8, 60, 8, 60},
      {"held by a neutral: unchanged", t::kGermanInfantry, 5, kNeutralNation, 60, kNeutralNation,
       60},
      {"held by nobody: unchanged", t::kGermanInfantry, 5, 0, 60, 0, 60},
  };
  for (const auto& c : cases) {
    OrderWorld o;
    o.Place(120, 80, c.type);
    const int s = o.AddSettlement(120, 80, c.owner, c.holder, c.value);
    o.AddSettlement(10, 40, 5, 5, 100);  // both sides hold plenty: the war goes on
    o.AddSettlement(10, 41, 2, 2, 100);
    o.w().TargetX = 120;
    o.w().TargetY = 80;
    o.w().WarResult = kNotTested;
    CaptureSettlement(o.w());
    EXPECT_EQ(Settlement(o.w(), s).OwnerNation, c.owner) << c.name;
    EXPECT_EQ(Settlement(o.w(), s).HolderNation, c.holderAfter) << c.name;
    EXPECT_EQ(Settlement(o.w(), s).Value, c.valueAfter) << c.name;
    EXPECT_EQ(o.w().WarResult, kWarGoesOn) << c.name;  // the test ran
  }
}

TEST(CaptureSettlement, NoSettlementNoEndOfWarTest) {
  OrderWorld o;
  o.Place(120, 80, t::kGermanInfantry);
  o.w().TargetX = 120;
  o.w().TargetY = 80;
  o.w().WarResult = kNotTested;
  CaptureSettlement(o.w());
  EXPECT_EQ(o.w().WarResult, kNotTested);
}

TEST(CaptureSettlement, LastSettlementEndsTheWar) {
  OrderWorld o;
  o.Place(120, 80, t::kGermanInfantry);
  o.AddSettlement(120, 80, 5, 5, 40);
  o.AddSettlement(10, 41, 2, 2, 100);
  o.w().TargetX = 120;
  o.w().TargetY = 80;
  CaptureSettlement(o.w());
  EXPECT_EQ(o.w().WarResult, kGermanVictory);
  EXPECT_EQ(o.w().ScreenFlags[kFlagScreen], kScreenGame);  // the flow shows the final screen
}

}  // namespace
}  // namespace gm
