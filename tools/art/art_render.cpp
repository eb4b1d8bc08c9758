// Painting the catalogue's items with cairo, and their pixels as the archives keep them.
#include "tools/art/art_render.hpp"

#include <cstring>
#include <optional>

#include "tools/art/paint.hpp"
#include "world/sprite_ids.hpp"

namespace gm::art {

namespace {

// Draws pattern `pattern` of `item`, the picture `image`, whichever painter it belongs to.
void PaintPattern(cairo_t* cr, const ArtItem& item, ImageId image, int pattern) {
  const SpriteId sprite{image, pattern};
  if (sprite::IsTerrainImage(image)) {
    PaintTerrain(cr, sprite::TerrainTileOf(sprite));
  } else if (image == ImageId::kUnits) {
    PaintUnit(cr, sprite::kUnitSymbols.IndexOf({pattern}) + 1, true);
  } else if (image == ImageId::kUnits2) {
    PaintUnit(cr, sprite::kSpentUnitSymbols.IndexOf({pattern}) + 1, false);
  } else if (sprite::IsTechImage(image)) {
    PaintEquipment(cr, sprite::EquipmentModelOf(sprite));
  } else if (image >= ImageId::kFont01 && image <= ImageId::kFont05) {
    PaintGlyph(cr, item, pattern);
  } else {
    PaintUi(cr, image, pattern);
  }
}

}  // namespace

cairo_surface_t* RenderSurface(const ArtItem& item) {
  const int cols = item.columns, rows = item.count / cols;
  cairo_surface_t* s =
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cols * item.width, rows * item.height);
  cairo_t* cr = cairo_create(s);
  // An item that is no picture the game draws stays blank.
  if (const std::optional<ImageId> image = ImageNamed(item.name)) {
    for (int p = 0; p < item.count; ++p) {
      cairo_save(cr);
      cairo_translate(cr, (p % cols) * item.width, (p / cols) * item.height);
      cairo_rectangle(cr, 0, 0, item.width, item.height);
      cairo_clip(cr);
      PaintPattern(cr, item, *image, p);
      cairo_restore(cr);
    }
  }
  cairo_destroy(cr);
  cairo_surface_flush(s);
  return s;
}

ArtPixels RenderPixels(const ArtItem& item) {
  cairo_surface_t* s = RenderSurface(item);
  const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
  const int stride = cairo_image_surface_get_stride(s);
  const uint8_t* data = cairo_image_surface_get_data(s);
  const uint32_t key = item.key.value_or(0);
  ArtPixels out{w, h, std::vector<uint32_t>(size_t(w) * size_t(h))};
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      uint32_t px;
      std::memcpy(&px, data + size_t(y) * size_t(stride) + size_t(x) * 4, 4);
      const uint32_t a = px >> 24;
      uint32_t r = (px >> 16) & 255, g = (px >> 8) & 255, b = px & 255;  // premultiplied
      if (item.key) {
        if (a < 128) {
          r = key >> 16, g = (key >> 8) & 255, b = key & 255;
        } else {  // solid: the colour itself, kept off the key
          r = r * 255 / a, g = g * 255 / a, b = b * 255 / a;
          if (((r << 16) | (g << 8) | b) == key) r ^= 8, g ^= 8, b ^= 8;
        }
      }
      out.rgb[size_t(y) * size_t(w) + size_t(x)] = (r << 16) | (g << 8) | b;
    }
  }
  cairo_surface_destroy(s);
  return out;
}

}  // namespace gm::art
