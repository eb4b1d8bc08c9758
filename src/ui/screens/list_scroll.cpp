// The held-arrow scrolling shared by the pages' lists.
#include "ui/screens/list_scroll.hpp"

namespace gm {

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

}  // namespace gm
