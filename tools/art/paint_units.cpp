// Formation symbols (NATO style, by kind, in the nation's colour).
#include <cmath>

#include "tools/art/paint.hpp"
#include "world/tables/tables.hpp"

namespace gm::art {
namespace {

constexpr double kPi = 3.14159265358979;
const Rgb kInk = Hex(0x161612);

}  // namespace

void PaintUnit(cairo_t* cr, int formationType, bool ordersLeft) {
  const TFormationType& ft = FormationTypes[size_t(formationType)];
  if (ft.Kind == 0) return;  // empty row: no picture
  Rgb fill = Mix(NationColor(ft.Nation), Hex(0xFFFFFF), 0.35);
  Rgb ink = kInk;
  if (!ordersLeft) {
    fill = Mix(fill, Hex(0x707070), 0.65);
    ink = Hex(0x3A3A3A);
  }
  const bool air = ft.Kind >= 21;
  // The frame: a rectangle for ground units; air units have a rounded top.
  const double x0 = 9, y0 = 10, w = 42, h = 28;
  cairo_set_line_width(cr, 2);
  if (air) {
    cairo_move_to(cr, x0, y0 + h);
    cairo_line_to(cr, x0, y0 + 10);
    cairo_curve_to(cr, x0, y0 - 4, x0 + w, y0 - 4, x0 + w, y0 + 10);
    cairo_line_to(cr, x0 + w, y0 + h);
    cairo_close_path(cr);
  } else {
    cairo_rectangle(cr, x0, y0, w, h);
  }
  SetColor(cr, fill);
  cairo_fill_preserve(cr);
  SetColor(cr, ink);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 1.5);
  auto cross = [&] {
    cairo_move_to(cr, x0, y0), cairo_line_to(cr, x0 + w, y0 + h);
    cairo_move_to(cr, x0 + w, y0), cairo_line_to(cr, x0, y0 + h);
    cairo_stroke(cr);
  };
  switch (ft.Kind) {
    case 4:  // armour: the track
      cairo_move_to(cr, x0 + 12, y0 + 8);
      cairo_line_to(cr, x0 + w - 12, y0 + 8);
      cairo_arc(cr, x0 + w - 12, y0 + 14, 6, -kPi / 2, kPi / 2);
      cairo_line_to(cr, x0 + 12, y0 + 20);
      cairo_arc(cr, x0 + 12, y0 + 14, 6, kPi / 2, 3 * kPi / 2);
      cairo_stroke(cr);
      break;
    case 5:
      cross();
      break;  // infantry
    case 6:   // airborne: the cross under a canopy
      cross();
      cairo_arc(cr, x0 + w / 2 - 5, y0 + h - 4, 5, kPi, 2 * kPi);
      cairo_arc(cr, x0 + w / 2 + 5, y0 + h - 4, 5, kPi, 2 * kPi);
      cairo_stroke(cr);
      break;
    case 7:  // cavalry: one diagonal
      cairo_move_to(cr, x0, y0 + h), cairo_line_to(cr, x0 + w, y0);
      cairo_stroke(cr);
      break;
    case 8:  // mountain: the cross over a peak
      cross();
      cairo_move_to(cr, x0 + w / 2 - 7, y0 + h), cairo_line_to(cr, x0 + w / 2, y0 + h - 8);
      cairo_line_to(cr, x0 + w / 2 + 7, y0 + h), cairo_close_path(cr);
      SetColor(cr, ink);
      cairo_fill(cr);
      break;
    case 9:  // artillery: the ball
      cairo_arc(cr, x0 + w / 2, y0 + h / 2, 5, 0, 2 * kPi);
      cairo_fill(cr);
      break;
    case 10:  // air defence: the ball under a dome
      cairo_arc(cr, x0 + w / 2, y0 + h / 2 + 4, 4, 0, 2 * kPi);
      cairo_fill(cr);
      cairo_arc(cr, x0 + w / 2, y0 + h, 16, kPi * 1.15, kPi * 1.85);
      cairo_stroke(cr);
      break;
    default: {  // air kinds: an aircraft and its role letters
      static const char* kRole[] = {"F", "TB", "B", "LB"};
      const int role = ft.Kind - 21;
      SetColor(cr, ink);
      cairo_move_to(cr, x0 + 8, y0 + 8), cairo_line_to(cr, x0 + w - 8, y0 + 8);
      cairo_move_to(cr, x0 + w / 2, y0 + 3), cairo_line_to(cr, x0 + w / 2, y0 + 14);
      cairo_move_to(cr, x0 + w / 2 - 5, y0 + 13), cairo_line_to(cr, x0 + w / 2 + 5, y0 + 13);
      cairo_stroke(cr);
      Label(cr, role >= 0 && role < 4 ? kRole[role] : "?", x0 + w / 2, y0 + 21, 9, ink);
      break;
    }
  }
}

}  // namespace gm::art
