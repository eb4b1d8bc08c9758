// The Map2 view: the whole theatre at 2 x 2 pixels a cell, copied from the overview picture that
// Start drew; a click centres the Battlefield view on the clicked cell.
#pragma once

#include <cstdint>

#include "ui/hit_rect.hpp"
#include "ui/ui_context.hpp"

namespace gm {

// The theatre's picture: a click there centres the Battlefield on the cell under it.
inline constexpr HitRect kOverviewArea{1, 1, 719, 599};

void DrawMap2View(UiContext& ctx);
void ClickMap2View(UiContext& ctx);

// Drops the selection and shows the Battlefield with the cell (col, row) at the view's seventh
// column and sixth row, pulled back inside the theatre near its edges.
void CentreBattlefieldOn(UiContext& ctx, std::int32_t col, std::int32_t row);

}  // namespace gm
