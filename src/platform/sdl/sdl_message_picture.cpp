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
constexpr int kDisplayMargin = 16;       // left free around the box
constexpr std::size_t kMinColumns = 16;  // the narrowest the text is wrapped to

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

// Text reaches cairo only as valid UTF-8: a broken sequence puts the context in error, and from
// then on nothing more is drawn or measured.
double TextWidth(cairo_t* cr, std::string_view text) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, DrawableText(text).c_str(), &e);
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

void Text(cairo_t* cr, std::string_view text, double x, double baseline) {
  cairo_set_source_rgb(cr, kText.r, kText.g, kText.b);
  cairo_move_to(cr, x, baseline);
  cairo_show_text(cr, DrawableText(text).c_str());
}

// The baseline that centres the font's line in a row from `top` of `height`.
double Baseline(cairo_t* cr, double top, double height) {
  cairo_font_extents_t e;
  cairo_font_extents(cr, &e);
  return std::round(top + (height - e.ascent - e.descent) / 2 + e.ascent);
}

}  // namespace

MessagePicture LayOutMessage(std::string_view title, std::string_view message, int maxWidth,
                             int maxHeight) {
  MessagePicture p;
  p.title = DrawableText(title);
  const std::string drawable = DrawableText(message);
  // The sizes are measured on a scratch surface: the picture's own needs them first.
  cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
  const Context cr(cairo_create(scratch), cairo_destroy);
  cairo_surface_destroy(scratch);
  SetFont(cr.get(), true);
  const double titleWidth = TextWidth(cr.get(), p.title) + 20;
  SetFont(cr.get(), false);
  const int lineHeight = static_cast<int>(LineHeight(cr.get()));
  // The room the display leaves the box, and the lines that fit beside its caption and OK.
  const int widthRoom = std::max(std::min(kMinWidth, maxWidth), maxWidth - kDisplayMargin);
  const int fixedHeight = kCaptionHeight + 3 * kMargin + kButtonHeight;
  const int lineRoom = (maxHeight - kDisplayMargin - fixedHeight) / std::max(lineHeight, 1);
  const auto maxLines = static_cast<std::size_t>(std::max(lineRoom, 2));
  // Narrower lines where the display caps the box's width, until they fit it.
  double widest = 0;
  for (std::size_t columns = kMessageBoxColumns;;) {
    const std::string text = MessageBoxLines(drawable, columns, maxLines);
    p.lines.clear();
    widest = 0;
    for (std::size_t from = 0; from <= text.size();) {
      const std::size_t to = std::min(text.find('\n', from), text.size());
      p.lines.push_back(text.substr(from, to - from));
      widest = std::max(widest, TextWidth(cr.get(), p.lines.back()));
      from = to + 1;
    }
    const double room = widthRoom - 2 * kMargin;
    if (widest <= room || columns <= kMinColumns) break;
    const auto narrower = static_cast<std::size_t>(static_cast<double>(columns) * room / widest);
    columns = std::max(kMinColumns, std::min(columns - 1, narrower));
  }
  const int fit = static_cast<int>(std::ceil(std::max(widest, titleWidth))) + 2 * kMargin;
  p.width = std::min(std::max(kMinWidth, fit), widthRoom);
  p.height = fixedHeight + static_cast<int>(p.lines.size()) * lineHeight;
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
