// The scroll arrows of the pages' lists: their flags kept up to date every frame, and a left
// button held on an arrow moving the list one step a frame, the cursor first, then the window.
#pragma once

#include <cstdint>

#include "ui/hit_rect.hpp"
#include "ui/ui_context.hpp"
#include "world/list_state.hpp"

namespace gm {

// The view fields of one list, whatever its record calls them.
struct ListScrollFields {
  std::uint16_t& first;  // the lowest entry the window may start at
  std::uint16_t& last;   // the last entry
  std::uint16_t& top;    // the entry in the first row
  std::uint16_t& bottom;
  std::uint16_t& cursor;  // 1..rows
  std::uint8_t& upEnabled;
  std::uint8_t& downEnabled;
  int rows;  // rows shown at once
};

struct ListArrows {
  HitRect up;
  HitRect down;
};

template <int Capacity, int PageLength>
ListScrollFields ScrollFieldsOf(PagedList<Capacity, PageLength>& list) {
  return {list.MinTopRow, list.ItemCount, list.TopRow,      list.BottomRow,
          list.CursorRow, list.UpEnabled, list.DownEnabled, PageLength};
}

// Hides the up arrow at the very top and the down arrow at the very end.
void KeepScrollArrows(const ListScrollFields& list);

// One step for a held left button on a live arrow at (x, y); the caller tests the button.
void ScrollHeldArrow(const ListScrollFields& list, const ListArrows& arrows, std::int32_t x,
                     std::int32_t y);

// The cursor bar across the whole of a list's row, in pieces of the bar's sprite.
void DrawListCursor(const UiContext& ctx, const HitRect& row);
// The arrows that are live.
void DrawScrollArrows(const UiContext& ctx, const ListArrows& arrows, bool up, bool down);

}  // namespace gm
