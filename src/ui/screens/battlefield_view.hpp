// The Battlefield view: 12 x 9 cells of 60 pixels from (ViewX, ViewY) with terrain, grid marks,
// settlement flags, the formations of the shown layer, the reach overlay of the selected
// formation and the merge keys; edge scrolling; the Battlefield's map click.
#pragma once

#include <cstdint>

#include "ui/hit_rect.hpp"
#include "ui/ui_context.hpp"

namespace gm {

inline constexpr std::int32_t kMapAreaWidth = 720;
inline constexpr std::int32_t kMapAreaHeight = 540;
// Where a click on the Battlefield, the Map1 view or the placement map is a map click.
inline constexpr HitRect kMapArea{1, 1, kMapAreaWidth - 1, kMapAreaHeight - 1};
// Short of the map area's right and bottom edges, its left and top edges included: where the
// placement map frames the cell under the pointer and the pointer carries the type to place.
constexpr bool ShortOfMapAreaEnd(std::int32_t x, std::int32_t y) {
  return x <= kMapArea.right && y <= kMapArea.bottom;
}

// The zoom button, edge scrolling and the view, with the merge keys.
void DrawBattlefieldStage(UiContext& ctx);

// A Battlefield click only leaves a mark for the frame, with the cell it was made on.
void ClickBattlefield(UiContext& ctx);

// Edge scrolling of a view origin by one cell a frame, with the pointer shapes of the edges.
void ScrollAtEdges(UiContext& ctx, std::int32_t& originX, std::int32_t& originY, std::int32_t maxX,
                   std::int32_t maxY);

}  // namespace gm
