// The text tables: every row a screen draws holds a text (a table that lost or gained a row
// shifts the rows after it, and the last ones come up empty), and the sidebar's tooltip boxes are
// closed frames whose label lines fill them and that end before the sidebar.
#include "ui/ui_texts.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/glyph_text.hpp"
#include "ui/screens/sidebar.hpp"
#include "ui/screens/tooltips.hpp"

namespace gm {
namespace {

struct Rows {
  int first, last;
};

template <typename Table>
void ExpectRowsFilled(const char* name, const Table& table, const std::vector<Rows>& used) {
  for (const Rows& r : used) {
    for (int row = r.first; row <= r.last; ++row) {
      ASSERT_LT(static_cast<std::size_t>(row), table.size()) << name;
      EXPECT_FALSE(table[static_cast<std::size_t>(row)].empty()) << name << " row " << row;
    }
  }
}

TEST(UiTexts, EveryRowAScreenDrawsHoldsAText) {
  ExpectRowsFilled("UiLabels", UiLabels,
                   {{kLabelActiveTurn, kLabelOptions},
                    {kLabelEndTurn, kLabelSaveLoad},
                    {kLabelLayerNote1, kUiLabelRows - 1}});
  ExpectRowsFilled("HintTexts", HintTexts,
                   {{kHintRefitRule, kHintFpsSwitch},
                    {kHintClockSwitch, kHintClockSwitch},
                    {kHintAiCompletesSwitch, kHintLoadingScenario}});
  ExpectRowsFilled("AiStateNames", AiStateNames, {{0, 1}, {10, 10}});
  ExpectRowsFilled("FormingMessages", FormingMessages, {{kRaiseAvailable, kRaiseNoFreeTown}});
  ExpectRowsFilled("StatLabels", StatLabels, {{kStatCityOnStart, kStatHorsesInArmy}});
  ExpectRowsFilled("EconomyTexts", EconomyTexts,
                   {{kEconomyStatisticsNote, kEconomyStatisticsNote},
                    {kEconomyInUnitsNote, kEconomyInUnitsNote + 1},
                    {kEconomyInStoreNote, kEconomyInStoreNote + 1},
                    {kEconomyInRepairNote, kEconomyInRepairNote + 1},
                    {kEconomyProductionNote, kEconomyHeader}});
  ExpectRowsFilled("ArmyCapTexts", ArmyCapTexts, {{1, 8}});
  ExpectRowsFilled("AirCapTexts", AirCapTexts, {{1, 8}});
  ExpectRowsFilled("SaveLoadTexts", SaveLoadTexts, {{kSaveLoadFreeSlot, kSaveLoadFast}});
  for (int page = 1; page <= kHelpPageCount; ++page) {
    EXPECT_FALSE(HelpPages[static_cast<std::size_t>(page)][1].empty()) << "help page " << page;
    EXPECT_FALSE(HelpTopicLabels[static_cast<std::size_t>(page)].first.empty()) << page;
    EXPECT_FALSE(HelpTopicLabels[static_cast<std::size_t>(page)].second.empty()) << page;
  }
  ExpectRowsFilled("HelpPages[6]", HelpPages[6], {{1, 16}, {kGuideLinkLine, kAboutLinkLine6}});
}

std::string FrameLine(int width, char left, char right) {
  return left + std::string(static_cast<std::size_t>(width - 2), kFrameHorizontal) + right;
}

TEST(UiTexts, TooltipBoxesAreClosedFramesBesideTheSidebar) {
  const int advance = GlyphAdvance(4);
  for (int b = 1; b <= kSidebarButtons; ++b) {
    const TooltipBox& box = SidebarTooltip(b);
    ASSERT_GE(BoxTopRow(box.width), 0) << "button " << b;
    EXPECT_EQ(UiLabels[static_cast<std::size_t>(BoxTopRow(box.width))],
              FrameLine(box.width, kFrameTopLeft, kFrameTopRight))
        << "button " << b;
    EXPECT_EQ(UiLabels[static_cast<std::size_t>(BoxBottomRow(box.width))],
              FrameLine(box.width, kFrameBottomLeft, kFrameBottomRight))
        << "button " << b;
    ASSERT_GE(box.labelCount, 1);
    for (int i = 0; i < box.labelCount; ++i) {
      const std::string_view label = UiLabels[box.labels[static_cast<std::size_t>(i)]];
      EXPECT_EQ(label.size(), static_cast<std::size_t>(box.width - 2))
          << "button " << b << ": \"" << label << "\"";
    }
    EXPECT_LE(box.x + advance * box.width, kSidebarButtonX) << "button " << b;
  }
}

}  // namespace
}  // namespace gm
