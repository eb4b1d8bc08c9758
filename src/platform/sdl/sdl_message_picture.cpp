// Laying out and drawing the error box.
#include "platform/sdl/sdl_message_picture.hpp"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "platform/sdl/sdl_message_lines.hpp"

namespace gm {

namespace {

constexpr const char* kFont = "DejaVu Sans";
constexpr double kFontSize = 13;
constexpr int kCaptionHeight = 26;
constexpr int kMargin = 16;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 28;
constexpr int kMinWidth = 320;

struct Colour {
  double r, g, b;
};
// The settings dialog's colours.
constexpr Colour kField{34 / 255.0, 38 / 255.0, 28 / 255.0};
constexpr Colour kCaption{64 / 255.0, 72 / 255.0, 48 / 255.0};
constexpr Colour kInk{150 / 255.0, 150 / 255.0, 120 / 255.0};
constexpr Colour kText{232 / 255.0, 228 / 255.0, 206 / 255.0};
constexpr Colour kPressed{96 / 255.0, 106 / 255.0, 72 / 255.0};

using Context = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

void SetFont(cairo_t* cr, bool bold) {
  cairo_select_font_face(cr, kFont, CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, kFontSize);
}

double TextWidth(cairo_t* cr, const std::string& text) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  return e.x_advance;
}

double LineHeight(cairo_t* cr) {
  cairo_font_extents_t e;
  cairo_font_extents(cr, &e);
  return std::ceil(e.height);
}

void Fill(cairo_t* cr, const Colour& c, double x, double y, double w, double h) {
  cairo_set_source_rgb(cr, c.r, c.g, c.b);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
}

// A one-pixel frame inside the rectangle.
void Frame(cairo_t* cr, const Colour& c, double x, double y, double w, double h) {
  cairo_set_source_rgb(cr, c.r, c.g, c.b);
  cairo_set_line_width(cr, 1);
  cairo_rectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1);
  cairo_stroke(cr);
}

void Text(cairo_t* cr, const std::string& text, double x, double baseline) {
  cairo_set_source_rgb(cr, kText.r, kText.g, kText.b);
  cairo_move_to(cr, x, baseline);
  cairo_show_text(cr, text.c_str());
}

// The baseline that centres the font's line in a row from `top` of `height`.
double Baseline(cairo_t* cr, double top, double height) {
  cairo_font_extents_t e;
  cairo_font_extents(cr, &e);
  return std::round(top + (height - e.ascent - e.descent) / 2 + e.ascent);
}

}  // namespace

MessagePicture LayOutMessage(std::string_view title, std::string_view message, int maxWidth) {
  MessagePicture p;
  p.title = DrawableText(title);
  const std::string text = MessageBoxLines(DrawableText(message));
  for (std::size_t from = 0; from <= text.size();) {
    const std::size_t to = std::min(text.find('\n', from), text.size());
    p.lines.push_back(text.substr(from, to - from));
    from = to + 1;
  }
  // The sizes are measured on a scratch surface: the picture's own needs them first.
  cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
  const Context cr(cairo_create(scratch), cairo_destroy);
  cairo_surface_destroy(scratch);
  SetFont(cr.get(), true);
  double widest = TextWidth(cr.get(), p.title) + 20;
  SetFont(cr.get(), false);
  for (const std::string& line : p.lines) widest = std::max(widest, TextWidth(cr.get(), line));
  const int lineHeight = static_cast<int>(LineHeight(cr.get()));
  const int fit = std::max(kMinWidth, static_cast<int>(std::ceil(widest)) + 2 * kMargin);
  p.width = std::min(fit, std::max(kMinWidth, maxWidth - 16));
  p.height = kCaptionHeight + kMargin + static_cast<int>(p.lines.size()) * lineHeight + kMargin +
             kButtonHeight + kMargin;
  p.ok = {(p.width - kButtonWidth) / 2, p.height - kMargin - kButtonHeight, kButtonWidth,
          kButtonHeight};
  return p;
}

void DrawMessage(const MessagePicture& p, bool pressed, SDL_Surface& into) {
  cairo_surface_t* target = cairo_image_surface_create_for_data(
      static_cast<unsigned char*>(into.pixels), CAIRO_FORMAT_RGB24, into.w, into.h, into.pitch);
  const Context owner(cairo_create(target), cairo_destroy);
  cairo_surface_destroy(target);
  cairo_t* cr = owner.get();
  Fill(cr, kField, 0, 0, p.width, p.height);
  Fill(cr, kCaption, 0, 0, p.width, kCaptionHeight);
  Frame(cr, kInk, 0, 0, p.width, p.height);
  SetFont(cr, true);
  Text(cr, p.title, 10, Baseline(cr, 0, kCaptionHeight));
  SetFont(cr, false);
  const double lineHeight = LineHeight(cr);
  cairo_font_extents_t font;
  cairo_font_extents(cr, &font);
  for (std::size_t i = 0; i < p.lines.size(); ++i) {
    Text(cr, p.lines[i], kMargin,
         std::round(kCaptionHeight + kMargin + font.ascent + lineHeight * static_cast<double>(i)));
  }
  const SDL_Rect& ok = p.ok;
  Fill(cr, pressed ? kPressed : kCaption, ok.x, ok.y, ok.w, ok.h);
  Frame(cr, kInk, ok.x, ok.y, ok.w, ok.h);
  // The inner frame: the button the keys press.
  Frame(cr, kText, ok.x + 3, ok.y + 3, ok.w - 6, ok.h - 6);
  const std::string label = "OK";
  Text(cr, label, ok.x + std::round((ok.w - TextWidth(cr, label)) / 2), Baseline(cr, ok.y, ok.h));
  cairo_surface_flush(cairo_get_target(cr));
}

}  // namespace gm
