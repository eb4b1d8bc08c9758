// The title pictures: the title screen's 600 x 300 picture (Table3 tiles 100..149) and the
// settings dialog's 245 x 204 picture. Both are a dawn over the steppe with tanks of the tables
// against the light.
#include <cmath>

#include "tools/art/paint.hpp"

namespace gm::art {
namespace {

constexpr double kPi = 3.14159265358979;
const Rgb kGold = Hex(0xE8C25A);
const Rgb kWhite = Hex(0xF0ECE0);
const Rgb kDark = Hex(0x19170F);

// Sky, sun, far woods with a village and the near field of a w x h picture whose horizon lies
// at `horizon`.
void Dawn(cairo_t* cr, double w, double h, double horizon, double sunX, double sunR,
          double villageX) {
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, horizon);
  cairo_pattern_add_color_stop_rgb(sky, 0, 0.16, 0.17, 0.27);
  cairo_pattern_add_color_stop_rgb(sky, 0.55, 0.55, 0.38, 0.34);
  cairo_pattern_add_color_stop_rgb(sky, 1, 0.95, 0.66, 0.34);
  cairo_set_source(cr, sky);
  cairo_rectangle(cr, 0, 0, w, horizon);
  cairo_fill(cr);
  cairo_pattern_destroy(sky);
  // The sun with its glow.
  cairo_pattern_t* glow = cairo_pattern_create_radial(sunX, horizon, sunR, sunX, horizon, sunR * 5);
  cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.85, 0.5, 0.6);
  cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.85, 0.5, 0);
  cairo_set_source(cr, glow);
  cairo_rectangle(cr, 0, 0, w, horizon);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
  SetColor(cr, Hex(0xFBE3A6));
  cairo_arc(cr, sunX, horizon, sunR, kPi, 2 * kPi);
  cairo_fill(cr);
  // Smoke rising far off.
  Dice d{41};
  for (int col = 0; col < 2; ++col) {
    const double x = w * (0.12 + 0.75 * col) + d.Range(-10, 10);
    for (int i = 0; i < 14; ++i) {
      SetColor(cr, Hex(0x3A3440), 0.1);
      cairo_arc(cr, x + i * i * 0.18 * (w / 600), horizon - i * horizon / 22,
                4 + i * 1.4 * (w / 600), 0, 2 * kPi);
      cairo_fill(cr);
    }
  }
  // The far woods and a village along the horizon.
  SetColor(cr, Hex(0x2A2630));
  cairo_move_to(cr, 0, horizon);
  for (double x = 0; x <= w; x += 3) cairo_line_to(cr, x, horizon - 2 - 3 * d.Unit());
  cairo_line_to(cr, w, horizon + 1);
  cairo_line_to(cr, 0, horizon + 1);
  cairo_close_path(cr);
  cairo_fill(cr);
  for (int i = 0; i < 5; ++i) {
    const double x = villageX + i * 9 * (w / 600);
    cairo_rectangle(cr, x, horizon - 6, 6 * (w / 600) + 2, 6);
    cairo_move_to(cr, x - 1, horizon - 6), cairo_line_to(cr, x + 3 * (w / 600) + 1, horizon - 10);
    cairo_line_to(cr, x + 6 * (w / 600) + 3, horizon - 6);
    cairo_fill(cr);
  }
  // The field, lit from behind: darker towards the viewer.
  cairo_pattern_t* field = cairo_pattern_create_linear(0, horizon, 0, h);
  cairo_pattern_add_color_stop_rgb(field, 0, 0.42, 0.34, 0.22);
  cairo_pattern_add_color_stop_rgb(field, 1, 0.14, 0.12, 0.08);
  cairo_set_source(cr, field);
  cairo_rectangle(cr, 0, horizon, w, h - horizon);
  cairo_fill(cr);
  cairo_pattern_destroy(field);
  for (int i = 0; i < int(w * 1.2); ++i) {  // stalks of the wheat
    const double x = d.Range(0, w), y = d.Range(horizon + 4, h);
    SetColor(cr, Hex(d.Unit() < 0.5 ? 0x6A5430 : 0x2A2214), 0.7);
    cairo_rectangle(cr, std::floor(x), std::floor(y), 1, 1 + (y - horizon) / 30);
    cairo_fill(cr);
  }
}

}  // namespace

void PaintTitlePicture(cairo_t* cr, int tile) {
  cairo_translate(cr, -60.0 * (tile % 10), -60.0 * (tile / 10));
  Dawn(cr, 600, 300, 232, 440, 30, 190);
  // A column of tanks on the crest against the light, smaller as it draws away.
  const struct {
    int model;
    double x, ground, scale;
  } column[] = {{20, 540, 234, 4}, {15, 440, 236, 5.5}, {4, 300, 240, 8}, {19, 120, 250, 12}};
  for (const auto& t : column) DrawModel(cr, t.model, t.x, t.ground, t.scale, &kDark);
  Label(cr, "GRAVMARK", 300, 62, 64, kGold);
  Label(cr, "EASTERN FRONT 1941-1945", 300, 114, 22, kWhite);
}

void PaintConfigPicture(cairo_t* cr) {
  Dawn(cr, 245, 204, 150, 175, 16, 22);
  DrawModel(cr, 50, 196, 152, 3.4, &kDark);  // a panzer far off
  DrawModel(cr, 19, 84, 162, 7, &kDark);     // and a T-34 on the crest
  Label(cr, "GRAVMARK", 122, 30, 32, kGold);
  Label(cr, "1941 - 1945", 122, 60, 14, kWhite);
  SetColor(cr, Hex(0x8A7E5E));  // a thin frame
  cairo_set_line_width(cr, 2);
  cairo_rectangle(cr, 1, 1, 243, 202);
  cairo_stroke(cr);
}

void PaintCoalitionPanel(cairo_t* cr, int tile) {
  // The two coalitions under their names, each nation by its mark.
  cairo_translate(cr, -60.0 * (tile % 5), -60.0 * (tile / 5));
  Plate(cr, 0, 0, 300, 120, kWindowGround);
  Plate(cr, 6, 6, 288, 108, Hex(0x32362B), false);
  Label(cr, "AXIS", 96, 26, 14, kGold);
  Label(cr, "SOVIET UNION", 240, 26, 12, kGold);
  SetColor(cr, Hex(0x8A7650));
  cairo_rectangle(cr, 186, 14, 2, 92);
  cairo_fill(cr);
  const int axis[] = {2, 1, 3, 4, 6, 7};
  for (int i = 0; i < 6; ++i) {
    cairo_save(cr);
    cairo_translate(cr, 18 + 56 * (i % 3), 44 + 34 * (i / 3));
    cairo_scale(cr, 2, 2);
    NationMark(cr, axis[i], false);
    cairo_restore(cr);
  }
  for (int i = 0; i < 2; ++i) {
    cairo_save(cr);
    cairo_translate(cr, 210 + 36 * i, 58);
    cairo_scale(cr, 2, 2);
    NationMark(cr, i == 0 ? 5 : 8, false);
    cairo_restore(cr);
  }
}

}  // namespace gm::art
