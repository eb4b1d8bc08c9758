// Formation symbols (NATO style, by kind, in the nation's colour) and side views of the
// ground-equipment models (by category, in the maker's colour).
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

void PaintEquipment(cairo_t* cr, int model) {
  // A grey field backdrop, then the silhouette facing right.
  SetColor(cr, Hex(0x3A3E34));
  cairo_paint(cr);
  SetColor(cr, Hex(0x4A4E40));
  cairo_rectangle(cr, 0, 32, 100, 8);
  cairo_fill(cr);
  if (model < 1 || model > kEquipmentModelRows) return;
  const TEquipmentModel& m = EquipmentModels[size_t(model)];
  if (m.Category == 0) return;  // empty row: backdrop only
  const Rgb body = Mix(NationColor(m.Nation <= 10 ? m.Nation : 10), Hex(0x4A4A30), 0.45);
  const Rgb dark = Mix(body, Hex(0x000000), 0.5);
  // Small differences between models of one category: hull length and gun length.
  Dice d{uint32_t(model)};
  const double len = d.Range(44, 60), gun = d.Range(16, 30);
  const double x = 50 - len / 2;
  auto wheels = [&](int n, double y, double r) {
    SetColor(cr, Hex(0x1A1A16));
    for (int i = 0; i < n; ++i) {
      cairo_arc(cr, x + 6 + i * (len - 12) / std::max(n - 1, 1), y, r, 0, 2 * kPi);
      cairo_fill(cr);
    }
  };
  SetColor(cr, body);
  switch (m.Category) {
    case 1:  // tank: track, hull, turret, gun
    case 2:  // self-propelled gun: track, hull, casemate, long gun
      SetColor(cr, Hex(0x2A2A24));
      cairo_rectangle(cr, x, 26, len, 8);
      cairo_fill(cr);
      wheels(5, 30, 3);
      SetColor(cr, body);
      cairo_rectangle(cr, x + 2, 19, len - 4, 8);
      cairo_fill(cr);
      if (m.Category == 1) {
        cairo_rectangle(cr, x + len * 0.3, 12, len * 0.35, 8);
        cairo_rectangle(cr, x + len * 0.65, 14, gun, 3);
      } else {
        cairo_move_to(cr, x + len * 0.35, 19), cairo_line_to(cr, x + len * 0.45, 12);
        cairo_line_to(cr, x + len * 0.9, 12), cairo_line_to(cr, x + len, 19);
        cairo_rectangle(cr, x + len * 0.85, 13, gun + 4, 3);
      }
      cairo_fill(cr);
      break;
    case 3:  // armoured car: wheels, sloped body, small turret
      wheels(3, 31, 4);
      SetColor(cr, body);
      cairo_move_to(cr, x, 27), cairo_line_to(cr, x + 4, 18), cairo_line_to(cr, x + len - 4, 18);
      cairo_line_to(cr, x + len, 27), cairo_close_path(cr);
      cairo_rectangle(cr, x + len * 0.35, 12, len * 0.25, 7);
      cairo_rectangle(cr, x + len * 0.6, 14, gun * 0.6, 2);
      cairo_fill(cr);
      break;
    default: {  // towed guns: carriage, shield, barrel at the category's elevation
      static const double kElev[] = {0, 0, 0, 0, 0.12, 0.5, 1.0, 0.02, 1.1};
      const double elev = kElev[m.Category];
      const double bl = m.Category == 6 ? 20 : m.Category == 5 ? gun : gun + 10;
      SetColor(cr, dark);
      cairo_set_line_width(cr, 3);
      cairo_move_to(cr, 44, 28), cairo_line_to(cr, 20, 33);  // trail
      if (m.Category == 8) cairo_move_to(cr, 30, 33), cairo_line_to(cr, 70, 33);
      cairo_stroke(cr);
      SetColor(cr, body);
      cairo_set_line_width(cr, m.Category == 6 ? 5 : m.Category == 5 ? 4.5 : 3);
      cairo_move_to(cr, 48, 24);
      cairo_line_to(cr, 48 + bl * std::cos(elev), 24 - bl * std::sin(elev));
      cairo_stroke(cr);
      if (m.Category != 6) {
        cairo_rectangle(cr, 44, 16, 4, 12);  // shield
        cairo_fill(cr);
        SetColor(cr, Hex(0x1A1A16));
        cairo_arc(cr, 47, 30, 5, 0, 2 * kPi);
        cairo_fill(cr);
      } else {
        cairo_set_line_width(cr, 1.5);
        cairo_move_to(cr, 56, 18), cairo_line_to(cr, 60, 33);
        cairo_move_to(cr, 56, 18), cairo_line_to(cr, 52, 33);
        cairo_stroke(cr);
      }
      break;
    }
  }
}

}  // namespace gm::art
