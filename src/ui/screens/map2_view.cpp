// The overview map and its click.
#include "ui/screens/map2_view.hpp"

#include "flow/screen_flags.hpp"
#include "ui/image_draw.hpp"

namespace gm {

void CentreBattlefieldOn(UiContext& ctx, std::int32_t col, std::int32_t row) {
  World& w = ctx.w;
  w.Selection = {0, 0, 0};
  w.ScreenFlags[kFlagUnitStaff] = 0;
  w.ViewX = col;
  w.ViewY = row;
  if (w.ViewX > 5) w.ViewX -= 6;
  if (w.ViewY > 5) w.ViewY -= 5;
  if (w.ViewX > kViewMaxX) w.ViewX = kViewMaxX;
  if (w.ViewY > kViewMaxY) w.ViewY = kViewMaxY;
  if (w.ViewY < kViewMinY) w.ViewY = kViewMinY;
  w.ScreenFlags[kFlagZoom] = kZoomBattlefield;
}

void DrawMap2View(UiContext& ctx) {
  DrawImage(ctx, sprite::kZoomMap2Button, 740, 103);
  const TDirectDrawSurface* theatre = ctx.pictures.TheatreSurface;
  if (theatre == nullptr || !theatre->HasSurface()) return;
  ctx.Back().Draw(0, 0, TRect{0, 0, 720, 600}, *theatre, false);
}

void ClickMap2View(UiContext& ctx) {
  if (!kOverviewArea.Contains(ctx.ui.MouseX, ctx.ui.MouseY)) return;
  CentreBattlefieldOn(ctx, ctx.ui.MouseX / 2, ctx.ui.MouseY / 2 + kViewMinY);
}

}  // namespace gm
