// The end-of-war screen.
#include "ui/screens/final_screen.hpp"

#include <array>

#include "ui/click_handler.hpp"
#include "ui/glyph_text.hpp"
#include "ui/hit_rect.hpp"
#include "ui/image_draw.hpp"
#include "ui/screens/parade.hpp"

namespace gm {

namespace {

constexpr HitRect kExitButton{360, 490, 439, 529};

constexpr std::array<std::int32_t, 100> kFinalTiles = [] {
  std::array<std::int32_t, 100> t{};
  const auto row = [&t](int r, std::int32_t first, std::int32_t middle, std::int32_t last) {
    t[static_cast<std::size_t>(10 * r)] = first;
    for (int c = 1; c < 9; ++c) t[static_cast<std::size_t>(10 * r + c)] = middle;
    t[static_cast<std::size_t>(10 * r + 9)] = last;
  };
  row(0, 21, 21, 21);
  row(1, 0, 1, 2);
  for (int r = 2; r <= 6; ++r) row(r, 7, 9, 3);
  row(7, 4, 5, 6);
  row(8, 29, 29, 29);
  t[84] = 12;
  t[85] = 13;
  row(9, 25, 25, 25);
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
  DrawParadeScreen(ctx, kFinalTiles.data());
  const int result = ctx.w.WarResult;
  if (result < 1 || result > 3) return;
  const auto& lines = kOutcomeLines[static_cast<std::size_t>(result - 1)];
  for (int i = 0; i < 3; ++i) {
    DrawGlyphText(ctx, lines[static_cast<std::size_t>(i)], 132, 88 + 16 * i, 3);
  }
  const std::int32_t first = 12 * (result - 1);
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 4; ++c)
      DrawImage(ctx, "Final", first + 4 * r + c, 280 + 60 * c, 210 + 60 * r);
  }
}

void ClickFinalScreen(UiContext& ctx) {
  if (!kExitButton.Contains(ctx.ui.MouseX, ctx.ui.MouseY)) return;
  PlayClickSound(ctx);
  ctx.ui.QuitRequested = true;
}

}  // namespace gm
