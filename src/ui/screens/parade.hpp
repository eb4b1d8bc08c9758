// The parade of equipment pictures that scrolls up the left and right columns of the title and
// final screens, one pixel a frame and one 40-pixel slot every 40 frames.
#pragma once

#include "ui/tile_map.hpp"
#include "ui/ui_context.hpp"

namespace gm {

// Slots 1..16 show models 1..16 from the top; the title and final screens share them.
void ResetParade(UiState& ui);

// The 10 x 10 tiles between the parade's columns, from x 100.
using ParadeTiles = TileMap<10, 10>;
inline constexpr std::int32_t kParadeTilesX = 100;

// The screen's tiles, then the parade, which moves on.
void DrawParadeScreen(UiContext& ctx, const ParadeTiles& tiles);

}  // namespace gm
