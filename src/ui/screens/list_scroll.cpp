// The held-arrow scrolling shared by the pages' lists.
#include "ui/screens/list_scroll.hpp"

#include "ui/image_draw.hpp"

namespace gm {

namespace {

constexpr std::int32_t kSegment = 15;  // the cursor bar's and the arrows' pieces

}  // namespace

void KeepScrollArrows(const ListScrollFields& list) {
  if (list.top == 1 && list.cursor == 1) list.upEnabled = 0;
  if (list.bottom == list.last && list.cursor == list.rows) list.downEnabled = 0;
}

void ScrollHeldArrow(const ListScrollFields& list, const ListArrows& arrows, std::int32_t x,
                     std::int32_t y) {
  if (arrows.up.Contains(x, y) && list.upEnabled == 1) {
    list.downEnabled = 1;
    if (list.cursor > 1) {
      --list.cursor;
    } else if (list.top > list.first) {
      --list.top;
      --list.bottom;
    } else {
      list.upEnabled = 0;
    }
  }
  if (arrows.down.Contains(x, y) && list.downEnabled == 1) {
    list.upEnabled = 1;
    if (list.cursor < list.rows) {
      ++list.cursor;
    } else if (list.bottom < list.last) {
      ++list.top;
      ++list.bottom;
    } else {
      list.downEnabled = 0;
    }
  }
}

void DrawListCursor(const UiContext& ctx, const HitRect& row) {
  for (std::int32_t x = row.left; x + kSegment <= row.right + 1; x += kSegment) {
    DrawImage(ctx, sprite::kListCursorBar, x, row.top);
  }
}

void DrawScrollArrows(const UiContext& ctx, const ListArrows& arrows, bool up, bool down) {
  for (int s = 0; s < sprite::kListArrowSegments; ++s) {
    if (up) DrawImage(ctx, sprite::kListUpArrow[s], arrows.up.left + kSegment * s, arrows.up.top);
    if (down) {
      DrawImage(ctx, sprite::kListDownArrow[s], arrows.down.left + kSegment * s, arrows.down.top);
    }
  }
}

}  // namespace gm
