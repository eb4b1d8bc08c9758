// Text drawn glyph by glyph from the five bitmap fonts "Font01" .. "Font05" (the pattern is the
// character's byte), and the blinking highlight bar under a hovered line.
#pragma once

#include <cstdint>
#include <string_view>

#include "ui/ui_context.hpp"

namespace gm {

// Pixels a character advances: fonts 1 and 2 are 6 wide, fonts 3..5 are 12.
int GlyphAdvance(int font);

// Draws `text` in font 1..5 from (x, y); another font number draws nothing.
void DrawGlyphText(const UiContext& ctx, std::string_view text, std::int32_t x, std::int32_t y,
                   int font);

// The hover bar of `len` segments of 15 pixels plus its right end, in the blink phase's colours.
void DrawHoverBar(const UiContext& ctx, std::int32_t x, std::int32_t y, std::int32_t len);

}  // namespace gm
