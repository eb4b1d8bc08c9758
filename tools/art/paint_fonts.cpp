// The five glyph fonts: one cell per character code, each glyph's ink laid down crisp (no
// smoothing) and drawn over a dark shadow so that it reads on any ground; the green font, which
// is written over the maps, brings a dark ground of its own. The small fonts are
// set by hand pixel by pixel; the large ones come from DejaVu Sans Mono, thickened by a pixel.
// Accented letters are put together from their letter and a hand-set accent, the capitals
// pressed down to leave the accent its rows. A few codes above 127 are the pieces of the
// tooltip frame.
#include <algorithm>
#include <string>
#include <vector>

#include "tools/art/paint.hpp"
#include "tools/art/pixel_font.hpp"

namespace gm::art {
namespace {

constexpr int kLargeBaseline = 12;
constexpr double kLargeSizeX = 16, kLargeSizeY = 15;

// The tooltip frame: vertical bar, top-left, top-right, bottom-left and bottom-right corners,
// horizontal bar. Which of the four arms (up, right, down, left) each piece has.
struct FramePiece {
  int code;
  bool up, right, down, left;
};
constexpr FramePiece kFrame[] = {
    {0x83, true, false, true, false}, {0xAB, false, true, true, false},
    {0x8F, false, false, true, true}, {0x90, true, true, false, false},
    {0xAA, true, false, false, true}, {0x94, false, true, false, true},
};

void Dot(cairo_t* ink, double x, double y, double w = 1, double h = 1) {
  cairo_rectangle(ink, x, y, w, h);
  cairo_fill(ink);
}

bool FrameInk(cairo_t* ink, int code, int w, int h) {
  for (const FramePiece& f : kFrame) {
    if (f.code != code) continue;
    const bool large = w >= 12;
    const int t = large ? 2 : 1, cx = large ? 5 : 2, cy = large ? 7 : 5;
    if (f.up) Dot(ink, cx, 0, t, cy + t);
    if (f.down) Dot(ink, cx, cy, t, h - cy);
    if (f.left) Dot(ink, 0, cy, cx + t, t);
    if (f.right) Dot(ink, cx, cy, w - cx, t);
    return true;
  }
  return false;
}

void Rows(cairo_t* ink, const char* const* rows, int count, int x, int y) {
  for (int r = 0; r < count; ++r)
    for (int c = 0; rows[r][c] != 0; ++c)
      if (rows[r][c] == '#') Dot(ink, x + c, y + r);
}

// The code as Latin-1, in UTF-8.
std::string Utf8(int code) {
  std::string text;
  if (code < 128) {
    text.push_back(char(code));
  } else {
    text.push_back(char(0xC0 | (code >> 6)));
    text.push_back(char(0x80 | (code & 0x3F)));
  }
  return text;
}

void MonoFace(cairo_t* cr, double sx, double sy) {
  cairo_font_options_t* opt = cairo_font_options_create();
  cairo_font_options_set_antialias(opt, CAIRO_ANTIALIAS_NONE);
  cairo_font_options_set_hint_style(opt, CAIRO_HINT_STYLE_FULL);
  cairo_font_options_set_hint_metrics(opt, CAIRO_HINT_METRICS_ON);
  cairo_set_font_options(cr, opt);
  cairo_font_options_destroy(opt);
  cairo_select_font_face(cr, "DejaVu Sans Mono", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_matrix_t m;
  cairo_matrix_init_scale(&m, sx, sy);
  cairo_set_font_matrix(cr, &m);
}

// Small fonts: the hand-set glyphs with the cap line on row 2 and the baseline under row 8.
void SmallInk(cairo_t* ink, int code) {
  if (const PixelGlyph* g = SmallAsciiGlyph(code)) {
    Rows(ink, g->data(), 9, 0, 2);
    return;
  }
  const Decomposed d = Decompose(code);
  if (d.base != 0) {
    PixelGlyph g = *SmallAsciiGlyph(d.base);
    if (d.base == 'i') g[0] = ".....";  // dotless under its accent
    Rows(ink, g.data(), 9, 0, 2);
    const auto accent = AccentRows(d.accent);
    const bool capital = d.base >= 'A' && d.base <= 'Z';
    Rows(ink, accent.data(), 2, 0, d.accent == Accent::kCedilla ? 9 : capital ? 0 : 2);
    return;
  }
  // Other signs of the code page from the face itself.
  MonoFace(ink, 10, 10);
  const std::string text = Utf8(code);
  cairo_text_extents_t e;
  cairo_text_extents(ink, text.c_str(), &e);
  cairo_move_to(ink, int((6 - e.x_advance) / 2), 9);
  cairo_show_text(ink, text.c_str());
}

// Accents of the large fonts, six pixels wide.
std::vector<const char*> LargeAccent(Accent a) {
  switch (a) {
    case Accent::kGrave:
      return {"##....", "..##.."};
    case Accent::kAcute:
      return {"....##", "..##.."};
    case Accent::kCircumflex:
      return {"..##..", "##..##"};
    case Accent::kTilde:
      return {".##..#", "#..##."};
    case Accent::kDiaeresis:
      return {"##..##", "##..##"};
    case Accent::kRing:
      return {"..##..", ".#..#.", "..##.."};
    case Accent::kCedilla:
      return {"...##.", "..##.."};
    case Accent::kNone:
      break;
  }
  return {};
}

// A large glyph from the face, thickened by drawing it twice a pixel apart.
void FaceGlyph(cairo_t* ink, const std::string& text, double squeeze, double* inkLeft,
               double* inkWidth, double* inkTop) {
  MonoFace(ink, kLargeSizeX, kLargeSizeY * squeeze);
  cairo_text_extents_t e;
  cairo_text_extents(ink, text.c_str(), &e);
  const int x = int((12 - e.x_advance) / 2);
  for (int k = 0; k < 2; ++k) {
    cairo_move_to(ink, x + k, kLargeBaseline);
    cairo_show_text(ink, text.c_str());
  }
  if (inkLeft) *inkLeft = x + e.x_bearing;
  if (inkWidth) *inkWidth = e.width + 1;
  if (inkTop) *inkTop = kLargeBaseline + e.y_bearing;
}

void LargeInk(cairo_t* ink, int code) {
  const Decomposed d = Decompose(code);
  if (d.base == 0) {
    FaceGlyph(ink, Utf8(code), 1, nullptr, nullptr, nullptr);
    return;
  }
  const std::vector<const char*> accent = LargeAccent(d.accent);
  const int rows = int(accent.size());
  const std::string base = d.base == 'i' ? "\xC4\xB1" : std::string(1, d.base);  // dotless i
  // The letter's top as drawn, then pressed down when the accent and a blank row above it do
  // not fit over it.
  MonoFace(ink, kLargeSizeX, kLargeSizeY);
  cairo_text_extents_t e;
  cairo_text_extents(ink, base.c_str(), &e);
  const double top = kLargeBaseline + e.y_bearing;
  double squeeze = 1;
  if (d.accent != Accent::kCedilla && top < rows + 1)
    squeeze = (kLargeBaseline - (rows + 1)) / (kLargeBaseline - top);
  double left = 0, width = 0, drawnTop = 0;
  FaceGlyph(ink, base, squeeze, &left, &width, &drawnTop);
  const int ax = int(left + width / 2 + 0.5) - 3;
  const int ay = d.accent == Accent::kCedilla ? kLargeBaseline : int(drawnTop + 0.5) - rows - 1;
  Rows(ink, accent.data(), rows, ax, std::max(0, ay));
}

}  // namespace

void PaintGlyph(cairo_t* cr, const ArtItem& item, int code) {
  static const uint32_t kColors[] = {0xC8C8C0, 0xF0D060, 0xF4F0E4, 0x70E070, 0xE8B840};
  const int font = item.name.back() - '1';
  const Rgb color = Hex(kColors[(font >= 0 && font < 5) ? font : 0]);
  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, item.width, item.height);
  cairo_t* ink = cairo_create(mask);
  cairo_set_source_rgba(ink, 0, 0, 0, 1);
  bool drawn = FrameInk(ink, code, item.width, item.height);
  const bool blank = code < 33 || code == 127 || (code >= 128 && code < 161);
  if (!drawn && !blank) {
    if (item.width >= 12)
      LargeInk(ink, code);
    else
      SmallInk(ink, code);
    drawn = true;
  }
  cairo_destroy(ink);
  // The green font is written over the maps (sidebar tooltips, frame rate, clock), whose ground
  // may be as light as the text: its every cell, blanks too, brings a dark ground of its own, so
  // that a line of it is a dark box.
  if (font == 3) {
    SetColor(cr, Hex(0x14241A));
    cairo_paint(cr);
  }
  if (drawn) {
    // Shadow first, a pixel down and right, then the glyph.
    SetColor(cr, Hex(0x101010));
    cairo_mask_surface(cr, mask, 1, 1);
    SetColor(cr, color);
    cairo_mask_surface(cr, mask, 0, 0);
  }
  cairo_surface_destroy(mask);
}

}  // namespace gm::art
