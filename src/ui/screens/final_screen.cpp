// The end-of-war screen.
#include "ui/screens/final_screen.hpp"

#include <array>

#include "ui/click_sound.hpp"
#include "ui/glyph_text.hpp"
#include "ui/hit_rect.hpp"
#include "ui/image_draw.hpp"
#include "ui/screens/parade.hpp"

namespace gm {

namespace {

// The inner panel under the text and the picture, and Exit below it.
constexpr ParadeTiles kFinalTiles = [] {
  ParadeTiles t{};
  t[0] = SameRow<10>(sprite::kWindow.top);
  t[1] = FrameTop<10>(sprite::kInnerPanel);
  for (int r = 2; r <= 6; ++r) t[r] = FrameMiddle<10>(sprite::kInnerPanel);
  t[7] = FrameBottom<10>(sprite::kInnerPanel);
  t[8] = JoinTiles(SameRow<4>(sprite::kWindow.interior), sprite::kOkButton.left,
                   sprite::kOkButton.right, SameRow<4>(sprite::kWindow.interior));
  t[9] = SameRow<10>(sprite::kWindow.bottom);
  return t;
}();

// Three lines of 45 characters for each outcome.
constexpr std::array<std::array<std::string_view, 3>, 3> kOutcomeLines = {{
    {"   Soviet Union win in Great Patriotic War   ",
     "      Axis block is down. Nazis is dead      ",
     "  Red Army soldiers dance on the Reichstag!  "},
    {"   Axis block win on East Front! Who next?   ",
     "    USSR is crashed. Moscow - in ruins...    ",
     "   Hitler and Mussolini toast a new Europe   "},
    {" May,09 1945 is now... But war is not ended. ",
     "       How many human losses in future?      ",
     "  You can not is win. Your opponent is also! "},
}};

}  // namespace

void DrawFinalScreen(UiContext& ctx) {
  ctx.ui.BlinkPhase = 0;
  ctx.ui.CursorShape = kCursorArrow;
  DrawParadeScreen(ctx, kFinalTiles);
  const int result = ctx.w.WarResult;
  if (result < 1 || result > 3) return;
  const auto& lines = kOutcomeLines[static_cast<std::size_t>(result - 1)];
  for (int i = 0; i < 3; ++i) {
    DrawGlyphText(ctx, lines[static_cast<std::size_t>(i)], 132, 88 + 16 * i, 3);
  }
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 4; ++c) {
      DrawImage(ctx, sprite::FinalPictureTile(result - 1, 4 * r + c), 280 + 60 * c, 210 + 60 * r);
    }
  }
}

void ClickFinalScreen(UiContext& ctx) {
  if (!kFinalExitButton.Contains(ctx.ui.MouseX, ctx.ui.MouseY)) return;
  PlayClickSound(ctx);
  ctx.ui.QuitRequested = true;
}

}  // namespace gm
