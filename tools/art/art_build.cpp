// Renders the catalogue's items with cairo and stores them with the picture collection's writer.
#include "tools/art/art_build.hpp"

#include <algorithm>

#include "media/picture_collection.hpp"
#include "tools/art/art_render.hpp"

namespace gm::art {

TDIB RenderItem(const ArtItem& item) {
  const ArtPixels pixels = RenderPixels(item);
  TDIB dib;
  dib.SetSize(pixels.width, pixels.height, 24);
  for (int y = 0; y < pixels.height; ++y) {
    uint8_t* out = dib.ScanLine(y);
    for (int x = 0; x < pixels.width; ++x) {
      const uint32_t c = pixels.rgb[size_t(y) * size_t(pixels.width) + size_t(x)];
      out[x * 3 + 0] = uint8_t(c);
      out[x * 3 + 1] = uint8_t(c >> 8);
      out[x * 3 + 2] = uint8_t(c >> 16);
    }
  }
  return dib;
}

std::vector<uint8_t> BuildArchive(const std::vector<ArtItem>& items, std::string_view archive) {
  TPictureCollection pictures;
  for (const ArtItem& item : items) {
    if (item.archive != archive) continue;
    TPictureCollectionItem& p = pictures.Add();
    p.SetName(item.name);
    p.Picture = RenderItem(item);
    p.PatternWidth = item.width;
    p.PatternHeight = item.height;
    p.Transparent = item.key.has_value();
    const uint32_t k = item.key.value_or(0);
    p.SetTransparentColor(RgbColor(uint8_t(k >> 16), uint8_t(k >> 8), uint8_t(k)));
  }
  ByteWriter out;
  pictures.SaveToStream(out);
  return std::move(out.Data());
}

bool WriteContactSheet(const std::vector<ArtItem>& items, std::string_view archive,
                       const std::string& path) {
  // Items flow left to right in rows 1600 px wide, each under its name, on a checker ground
  // that shows the transparent parts.
  constexpr int kWidth = 1600, kGap = 8, kLabel = 14;
  struct Placed {
    const ArtItem* item;
    cairo_surface_t* surface;
    int x, y;
  };
  std::vector<Placed> placed;
  int x = kGap, y = kGap, rowHeight = 0;
  for (const ArtItem& item : items) {
    if (item.archive != archive) continue;
    cairo_surface_t* s = RenderSurface(item);
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    if (x + w > kWidth && x > kGap) {
      x = kGap;
      y += rowHeight + kGap;
      rowHeight = 0;
    }
    placed.push_back({&item, s, x, y});
    x += std::max(w, 90) + kGap;
    rowHeight = std::max(rowHeight, h + kLabel);
  }
  const int height = y + rowHeight + kGap;
  cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, height);
  cairo_t* cr = cairo_create(sheet);
  for (int cy = 0; cy < height; cy += 8)
    for (int cx = 0; cx < kWidth; cx += 8) {
      const double v = ((cx + cy) / 8) % 2 ? 0.55 : 0.45;
      cairo_set_source_rgb(cr, v, 0.3, v);
      cairo_rectangle(cr, cx, cy, 8, 8);
      cairo_fill(cr);
    }
  for (const Placed& p : placed) {
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 11);
    cairo_move_to(cr, p.x, p.y + 11);
    cairo_show_text(cr, p.item->name.c_str());
    cairo_set_source_surface(cr, p.surface, p.x, p.y + kLabel);
    cairo_paint(cr);
    cairo_surface_destroy(p.surface);
  }
  cairo_destroy(cr);
  const bool ok = cairo_surface_write_to_png(sheet, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(sheet);
  return ok;
}

}  // namespace gm::art
