// Bitmap-font text and the hover bar.
#include "ui/glyph_text.hpp"

#include "ui/image_draw.hpp"

namespace gm {

namespace {

constexpr std::int32_t kBarSegment = 15;

}  // namespace

int GlyphAdvance(int font) {
  return font <= 2 ? 6 : 12;
}

void DrawGlyphText(const UiContext& ctx, std::string_view text, std::int32_t x, std::int32_t y,
                   int font) {
  if (font < 1 || font > 5 || text.empty()) return;
  const TPictureCollectionItem* image = FindImage(ctx, sprite::FontImage(font));
  if (image == nullptr) return;
  const std::int32_t advance = GlyphAdvance(font);
  TDirectDrawSurface& back = ctx.Back();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto code = static_cast<std::uint8_t>(text[i]);
    image->Draw(back, x + advance * static_cast<std::int32_t>(i), y, code);
  }
}

void DrawHoverBar(const UiContext& ctx, std::int32_t x, std::int32_t y, std::int32_t len) {
  const auto bar = ctx.ui.BlinkPhase == 1 ? sprite::kHoverBarLight : sprite::kHoverBarDark;
  DrawImage(ctx, bar.left, x, y);
  for (std::int32_t i = 1; i < len; ++i) DrawImage(ctx, bar.middle, x + kBarSegment * i, y);
  DrawImage(ctx, bar.right, x + kBarSegment * len, y);
}

}  // namespace gm
