// The title screen: its picture, the parade, the game's title line (a link to the guide) and the
// Start button, which begins a new war on the loaded scenario.
#pragma once

#include "ui/hit_rect.hpp"
#include "ui/ui_context.hpp"

namespace gm {

inline constexpr HitRect kStartButton{600, 430, 679, 469};
// The title line: a press opens the guide's About section.
inline constexpr HitRect kTitleLink{303, 10, 497, 24};

void DrawTitleScreen(UiContext& ctx);
void ClickTitleScreen(UiContext& ctx);

// Start: the start sound and music, the terrain atlas and the overview picture, then the new
// game handed to the side that opens the war.
void StartNewGame(UiContext& ctx);

// The two pictures Start draws: terrain tiles at 20 x 20 pixels, and the theatre at 2 x 2 a cell.
void DrawTerrainAtlas(UiContext& ctx, TDirectDrawSurface& atlas);
void DrawOverviewPicture(UiContext& ctx, TDirectDrawSurface& overview);

}  // namespace gm
