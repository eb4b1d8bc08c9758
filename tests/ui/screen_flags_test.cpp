// The screen-flag presets and the page protocol around them.
#include "ui/flow/screen_flags.hpp"

#include <gtest/gtest.h>

#include <array>
#include <memory>

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
  w->ScreenFlags[0] = 3;  // Map2 zoom
  w->ScreenFlags[1] = 1;  // air layer
  w->ScreenFlags[3] = 2;  // a formation selected
  const Flags map = w->ScreenFlags;
  SaveScreenFlags(*w);
  OpenEconomyPage(*w);
  EXPECT_EQ(w->ScreenFlags[0], 0);
  EXPECT_EQ(w->ScreenFlags[1], 0);
  RestoreScreenFlags(*w);
  EXPECT_EQ(w->ScreenFlags, map);

  // Placement follows the New unit page without saving again: its end brings the map back.
  SaveScreenFlags(*w);
  OpenReinforcementPage(*w);
  EnterPlacementMode(*w);
  RestoreScreenFlags(*w);
  EXPECT_EQ(w->ScreenFlags, map);
  EXPECT_EQ(w->ScreenFlags[10], 0);
}

}  // namespace
}  // namespace gm
