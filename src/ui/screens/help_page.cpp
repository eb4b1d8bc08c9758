// The Help page: six topics, the text of the chosen one and its link lines.
#include "ui/screens/help_page.hpp"

#include "flow/screen_flags.hpp"
#include "ui/click_sound.hpp"
#include "ui/glyph_text.hpp"
#include "ui/screens/link_message.hpp"
#include "ui/screens/page_window.hpp"
#include "ui/screens/sidebar.hpp"
#include "ui/ui_texts.hpp"

namespace gm {

namespace {

// The text's panel on the left, a topic button on the right of each row.
constexpr PageTileRow TextRow(const TileRow<8>& panel) {
  return InWindow(JoinTiles(panel, sprite::kTopicButton.left, sprite::kTopicButton.right));
}
constexpr PageTileRow kTextTopRow = TextRow(FrameTop<8>(sprite::kInnerPanel));
constexpr PageTileRow kTextMiddleRow = TextRow(FrameMiddle<8>(sprite::kInnerPanel));
constexpr PageTileRow kTextBottomRow = TextRow(FrameBottom<8>(sprite::kInnerPanel));
constexpr PageTiles kHelpTiles = {kWindowTopRow,  kTextTopRow,     kTextMiddleRow,
                                  kTextMiddleRow, kTextMiddleRow,  kTextMiddleRow,
                                  kTextBottomRow, kCloseButtonRow, kWindowBottomRow};

constexpr std::int32_t kTextX = 72;
constexpr std::int32_t kLabelX = 574;
constexpr int kLinkFont = 5;
// A link's message stands below Close, across the window, where the page draws nothing.
constexpr std::int32_t kMessageY = 478;
constexpr std::int32_t kMessageWidth = 700 - kTextX;
constexpr std::int32_t LineY(int line) {
  return 56 + 16 * line;
}

const HelpTopicLabel& Label(int topic) {
  return HelpTopicLabels[static_cast<std::size_t>(topic - 1)];
}

void DrawTopicButtons(UiContext& ctx) {
  for (int t = 1; t <= kHelpPageCount; ++t) {
    DrawGlyphText(ctx, Label(t).first, kLabelX, 60 * t + 20, 1);
    DrawGlyphText(ctx, Label(t).second, kLabelX, 60 * t + 30, 1);
  }
  const int current = ctx.ui.HelpPage;
  if (current >= 1 && current <= kHelpPageCount) {
    DrawGlyphText(ctx, Label(current).first, kLabelX, 60 * current + 20, 2);
    DrawGlyphText(ctx, Label(current).second, kLabelX, 60 * current + 30, 2);
  }
  for (int t = 1; t <= kHelpPageCount; ++t) DrawPageButtonFlash(ctx, HelpTopicRect(t));
}

void DrawPageText(UiContext& ctx, int page) {
  for (int i = 1; i <= kHelpLineCount; ++i) {
    const std::string_view line = HelpPageLine(page, i);
    std::int32_t x = kTextX;
    int font = 3;
    // The link lines are drawn in the gold font; page 1's sits a little to the right.
    if (page == 1 && i == kAboutLinkLine) {
      x = 84;
      font = kLinkFont;
    }
    if (page == 6 && (i == kGuideLinkLine || i == kAboutLinkLine6)) font = kLinkFont;
    DrawGlyphText(ctx, line, x, LineY(i), font);
  }
  if (page == 6 && PointerIn(ctx, kHelpGuideLink))
    DrawHoverBar(ctx, 101, LineY(kGuideLinkLine), 26);
}

}  // namespace

void DrawHelpPage(UiContext& ctx) {
  DrawPageWindow(ctx, kHelpTiles);
  DrawTopicButtons(ctx);
  const int page = ctx.ui.HelpPage;
  if (page >= 1 && page <= kHelpPageCount) DrawPageText(ctx, page);
  DrawPageButtonFlash(ctx, kCloseButton);
  if (ctx.ui.LinkFrom == LinkPlace::kHelpPage && !ctx.ui.LinkMessage.empty()) {
    DrawLinkMessage(ctx, kTextX, kMessageY, kMessageWidth);
  }
}

void ClickHelpPage(UiContext& ctx) {
  if (PointerIn(ctx, kCloseButton)) {
    PlayClickSound(ctx);
    RestoreScreenFlags(ctx.w);
  }
  for (int t = 1; t <= kHelpPageCount; ++t) {
    if (!PointerIn(ctx, HelpTopicRect(t))) continue;
    ctx.ui.HelpPage = static_cast<std::uint8_t>(t);
    PlayClickSound(ctx);
  }
}

}  // namespace gm
