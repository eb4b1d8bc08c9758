// The screen-flag presets and the page protocol around them.
#include "flow/screen_flags.hpp"

#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "rules/war_end.hpp"

namespace gm {
namespace {

using Flags = std::array<std::uint8_t, kScreenFlagCount>;

TEST(ScreenFlagsTest, EveryPresetWritesAllThirteenBytes) {
  struct Case {
    const char* name;
    void (*preset)(World&);
    Flags expected;
  };
  const Case cases[] = {
      {"map", ShowMapScreen, {2, 2, 2, 0, 2, 2, 2, 2, 2, 2, 0, 0, 0}},
      {"new unit", OpenReinforcementPage, {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"unit staff", OpenRefitPage, {0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"economy", OpenEconomyPage, {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"options", OpenOptionsPage, {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}},
      {"save/load", OpenSaveLoadPage, {0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}},
      {"end turn", OpenEndTurnPage, {0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0}},
      {"help", OpenHelpPage, {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0}},
      {"quit", OpenQuitPage, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0}},
      {"placement", EnterPlacementMode, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0}},
      {"computer turn", EnterComputerTurn, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0}},
      {"title", ShowTitleScreen, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
      {"final", ShowFinalScreen, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2}},
  };
  for (const Case& c : cases) {
    auto w = std::make_unique<World>();
    w->ScreenFlags.fill(7);
    c.preset(*w);
    EXPECT_EQ(w->ScreenFlags, c.expected) << c.name;
  }
}

TEST(ScreenFlagsTest, APageClosesBackToTheMapAsItWas) {
  auto w = std::make_unique<World>();
  ShowMapScreen(*w);
  w->ScreenFlags[kFlagZoom] = kZoomMap2;
  w->ScreenFlags[kFlagLayer] = kLayerAir;
  w->ScreenFlags[kFlagUnitStaff] = kPageLive;  // a formation selected
  const Flags map = w->ScreenFlags;
  SaveScreenFlags(*w);
  OpenEconomyPage(*w);
  EXPECT_EQ(w->ScreenFlags[kFlagZoom], kZoomNone);
  EXPECT_EQ(w->ScreenFlags[kFlagLayer], kLayerNone);
  RestoreScreenFlags(*w);
  EXPECT_EQ(w->ScreenFlags, map);

  // Placement follows the New unit page without saving again: its end brings the map back.
  SaveScreenFlags(*w);
  OpenReinforcementPage(*w);
  EnterPlacementMode(*w);
  RestoreScreenFlags(*w);
  EXPECT_EQ(w->ScreenFlags, map);
  EXPECT_EQ(w->ScreenFlags[kFlagPlacement], 0);
}

TEST(ScreenFlagsTest, TheFinalScreenFollowsTheReportedEndOfTheWar) {
  for (const std::uint8_t result : {kWarGoesOn, kSovietVictory, kGermanVictory, kEndDateReached}) {
    auto w = std::make_unique<World>();
    EnterComputerTurn(*w);
    const Flags before = w->ScreenFlags;
    w->WarResult = result;
    EXPECT_EQ(ShowFinalScreenIfWarEnded(*w), result != kWarGoesOn);
    if (result == kWarGoesOn) {
      EXPECT_EQ(w->ScreenFlags, before);
    } else {
      EXPECT_EQ(w->ScreenFlags, (Flags{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2})) << int{result};
    }
  }
}

}  // namespace
}  // namespace gm
