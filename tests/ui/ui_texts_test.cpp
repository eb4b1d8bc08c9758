// The sidebar's tooltip boxes: closed frames whose label lines fill them and that end before the
// sidebar. (That every row of the text tables holds its text is the compiler's check: a table
// that lacks a row does not compile.)
#include "ui/ui_texts.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "ui/glyph_text.hpp"
#include "ui/screens/sidebar.hpp"
#include "ui/screens/tooltips.hpp"

namespace gm {
namespace {

std::string FrameLine(int width, char left, char right) {
  return left + std::string(static_cast<std::size_t>(width - 2), kFrameHorizontal) + right;
}

TEST(UiTexts, TooltipBoxesAreClosedFramesBesideTheSidebar) {
  const int advance = GlyphAdvance(4);
  for (int b = 1; b <= kSidebarButtons; ++b) {
    const TooltipBox& box = SidebarTooltip(b);
    const TooltipFrame* frame = TooltipFrameOf(box.width);
    ASSERT_NE(frame, nullptr) << "button " << b;
    EXPECT_EQ(frame->top, FrameLine(box.width, kFrameTopLeft, kFrameTopRight)) << "button " << b;
    EXPECT_EQ(frame->bottom, FrameLine(box.width, kFrameBottomLeft, kFrameBottomRight))
        << "button " << b;
    ASSERT_GE(box.labelCount, 1);
    for (int i = 0; i < box.labelCount; ++i) {
      const std::string_view label = UiLabels.tooltips.*box.labels[static_cast<std::size_t>(i)];
      EXPECT_EQ(label.size(), static_cast<std::size_t>(box.width - 2))
          << "button " << b << ": \"" << label << "\"";
    }
    EXPECT_LE(box.x + advance * box.width, kSidebarButtonX) << "button " << b;
  }
}

}  // namespace
}  // namespace gm
