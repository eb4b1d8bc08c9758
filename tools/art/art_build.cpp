// Renders the catalogue's items with cairo and stores them with the picture collection's writer.
#include "tools/art/art_build.hpp"

#include <cairo.h>

#include <algorithm>
#include <cstring>

#include "media/picture_collection.hpp"
#include "tools/art/paint.hpp"

namespace gm::art {

void PaintPattern(cairo_t* cr, const ArtItem& item, int pattern) {
  const std::string& n = item.name;
  if (n.rfind("Terrain", 0) == 0) {
    PaintTerrain(cr, (std::stoi(n.substr(7)) - 1) * 25 + pattern);
  } else if (n == "Units" || n == "Units2") {
    PaintUnit(cr, pattern + 1, n == "Units");
  } else if (n.rfind("tech", 0) == 0) {
    PaintEquipment(cr, (std::stoi(n.substr(4)) - 1) * 100 + pattern + 1);
  } else if (n.rfind("Font", 0) == 0) {
    PaintGlyph(cr, item, pattern);
  } else {
    PaintUi(cr, item, pattern);
  }
}

namespace {

// Every item painted on a cleared surface, each pattern clipped to its own cell.
cairo_surface_t* RenderSurface(const ArtItem& item) {
  const int cols = item.columns, rows = item.count / cols;
  cairo_surface_t* s =
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cols * item.width, rows * item.height);
  cairo_t* cr = cairo_create(s);
  for (int p = 0; p < item.count; ++p) {
    cairo_save(cr);
    cairo_translate(cr, (p % cols) * item.width, (p / cols) * item.height);
    cairo_rectangle(cr, 0, 0, item.width, item.height);
    cairo_clip(cr);
    PaintPattern(cr, item, p);
    cairo_restore(cr);
  }
  cairo_destroy(cr);
  cairo_surface_flush(s);
  return s;
}

}  // namespace

TDIB RenderItem(const ArtItem& item) {
  cairo_surface_t* s = RenderSurface(item);
  const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
  const int stride = cairo_image_surface_get_stride(s);
  const uint8_t* data = cairo_image_surface_get_data(s);
  const uint32_t key = item.key.value_or(0);
  TDIB dib;
  dib.SetSize(w, h, 24);
  for (int y = 0; y < h; ++y) {
    uint8_t* out = dib.ScanLine(y);
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
      out[x * 3 + 0] = uint8_t(b);
      out[x * 3 + 1] = uint8_t(g);
      out[x * 3 + 2] = uint8_t(r);
    }
  }
  cairo_surface_destroy(s);
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
