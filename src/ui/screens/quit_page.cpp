// The Quit page: a picture and Yes or No.
#include "ui/screens/quit_page.hpp"

#include "flow/screen_flags.hpp"
#include "ui/click_sound.hpp"
#include "ui/screens/page_window.hpp"
#include "ui/screens/sidebar.hpp"

namespace gm {

namespace {

// Rows 1..5 hold the 10 x 5 tiles of the Quit picture.
constexpr PageTileRow PictureRow(std::int32_t row) {
  PageTileRow r = kFillerRow;
  for (std::int32_t j = 0; j < 10; ++j) {
    r[static_cast<std::size_t>(j + 1)] = sprite::kQuitPicture[10 * row + j];
  }
  return r;
}

constexpr PageTiles kQuitTiles = {kWindowTopRow,   PictureRow(0), PictureRow(1),
                                  PictureRow(2),   PictureRow(3), PictureRow(4),
                                  kPanelBottomRow, kTwoButtonRow, kWindowBottomRow};

}  // namespace

void DrawQuitPage(UiContext& ctx) {
  DrawPageWindow(ctx, kQuitTiles);
  DrawPageButtonFlash(ctx, kLeftButton);
  DrawPageButtonFlash(ctx, kRightButton);
}

void ClickQuitPage(UiContext& ctx) {
  // Yes: the main loop then closes the music, the sound and the window; saved games are files
  // already complete on disk, so nothing is lost.
  if (PointerIn(ctx, kLeftButton)) {
    PlayClickSound(ctx);
    ctx.ui.QuitRequested = true;
  }
  if (PointerIn(ctx, kRightButton)) {
    PlayClickSound(ctx);
    RestoreScreenFlags(ctx.w);
    if (ctx.ui.SavedUnderQuitPage) ctx.w.SavedScreenFlags = *ctx.ui.SavedUnderQuitPage;
    ctx.ui.SavedUnderQuitPage.reset();
    ctx.ui.QuitPageShownAt.reset();  // a page opened again stands anew
  }
}

void OpenQuitPageOver(UiContext& ctx) {
  // A page's message stays for its return: the Quit page shows none.
  ctx.ui.SavedUnderQuitPage = ctx.w.SavedScreenFlags;
  SaveScreenFlags(ctx.w);
  OpenQuitPage(ctx.w);
}

}  // namespace gm
