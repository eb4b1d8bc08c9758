// The five glyph fonts: one cell per character code, drawn crisp (no smoothing) from the
// DejaVu Sans Mono face that the cairo packages bring along.
#include <string>

#include "tools/art/paint.hpp"

namespace gm::art {

void PaintGlyph(cairo_t* cr, const ArtItem& item, int code) {
  if (code < 33 || code == 127 || (code >= 128 && code < 161)) return;  // blanks and controls
  static const uint32_t kColors[] = {0xC8C8C0, 0xF0D060, 0xF4F0E4, 0x70E070, 0xE8B840};
  const int font = item.name.back() - '1';
  const Rgb color = Hex(kColors[(font >= 0 && font < 5) ? font : 0]);
  std::string text;  // the code as Latin-1, in UTF-8
  if (code < 128) {
    text.push_back(char(code));
  } else {
    text.push_back(char(0xC0 | (code >> 6)));
    text.push_back(char(0x80 | (code & 0x3F)));
  }
  const bool large = item.width >= 12;
  cairo_font_options_t* opt = cairo_font_options_create();
  cairo_font_options_set_antialias(opt, CAIRO_ANTIALIAS_NONE);
  cairo_font_options_set_hint_style(opt, CAIRO_HINT_STYLE_FULL);
  cairo_font_options_set_hint_metrics(opt, CAIRO_HINT_METRICS_ON);
  cairo_set_font_options(cr, opt);
  cairo_font_options_destroy(opt);
  cairo_select_font_face(cr, "DejaVu Sans Mono", CAIRO_FONT_SLANT_NORMAL,
                         large ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_matrix_t m;
  cairo_matrix_init_scale(&m, large ? 17 : 10, large ? 15 : 10);
  cairo_set_font_matrix(cr, &m);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  const double baseline = large ? 12 : 9;
  // Shadow first so the glyph reads on any ground, then the glyph.
  for (int pass = 0; pass < 2; ++pass) {
    cairo_move_to(cr, int((item.width - e.x_advance) / 2) + (pass == 0 ? 1 : 0),
                  baseline + (pass == 0 ? 1 : 0));
    SetColor(cr, pass == 0 ? Hex(0x101010) : color);
    cairo_show_text(cr, text.c_str());
  }
}

}  // namespace gm::art
