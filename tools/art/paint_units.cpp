// Formation symbols (NATO style, by kind, in the nation's colour).
#include <cmath>

#include "tools/art/paint.hpp"
#include "tools/art/unit_kind.hpp"
#include "world/tables/tables.hpp"

namespace gm::art {
namespace {

constexpr double kPi = 3.14159265358979;
const Rgb kInk = Hex(0x161612);

// The size marker over the frame: XX a division, X a brigade, III a regiment.
void SizeMarker(cairo_t* cr, UnitSize size, double cx, double y, Rgb ink) {
  auto cross = [&](double x) {
    cairo_move_to(cr, x - 2.5, y), cairo_line_to(cr, x + 2.5, y + 6);
    cairo_move_to(cr, x + 2.5, y), cairo_line_to(cr, x - 2.5, y + 6);
  };
  switch (size) {
    case UnitSize::kDivision:
      cross(cx - 3.5), cross(cx + 3.5);
      break;
    case UnitSize::kBrigade:
      cross(cx);
      break;
    case UnitSize::kRegiment:
      for (int i = -1; i <= 1; ++i)
        cairo_move_to(cr, cx + 3 * i, y), cairo_line_to(cr, cx + 3 * i, y + 6);
      break;
  }
  // A pale halo under the ink, so that the marker reads on dark woods as on light steppe.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetColor(cr, Hex(0xE8E4D4));
  cairo_set_line_width(cr, 3.6);
  cairo_stroke_preserve(cr);
  SetColor(cr, ink);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

}  // namespace

void PaintUnit(cairo_t* cr, int formationType, bool ordersLeft) {
  const TFormationType& ft = FormationTypes[size_t(formationType)];
  const UnitKind kind = KindOf(ft);
  if (kind == UnitKind::kNone) return;  // empty row: no picture
  Rgb fill = Mix(NationColor(ft.Nation), Hex(0xFFFFFF), 0.35);
  Rgb ink = kInk;
  if (!ordersLeft) {
    fill = Mix(fill, Hex(0x707070), 0.65);
    ink = Hex(0x3A3A3A);
  }
  const bool air = ft.Kind >= 21;
  const double x0 = 9, y0 = 12, w = 42, h = 27, cx = x0 + w / 2, cy = y0 + h / 2;
  SizeMarker(cr, SizeOf(ft), cx, 3, ink);
  // The frame: a rectangle for ground troops, a dome for air units.
  cairo_set_line_width(cr, 2);
  if (air) {
    cairo_move_to(cr, x0, y0 + h);
    cairo_line_to(cr, x0, y0 + 10);
    cairo_curve_to(cr, x0, y0 - 3, x0 + w, y0 - 3, x0 + w, y0 + 10);
    cairo_line_to(cr, x0 + w, y0 + h);
    cairo_close_path(cr);
  } else {
    cairo_rectangle(cr, x0, y0, w, h);
  }
  SetColor(cr, fill);
  cairo_fill_preserve(cr);
  SetColor(cr, ink);
  cairo_stroke(cr);

  cairo_save(cr);
  cairo_rectangle(cr, x0 + 1, y0 + 1, w - 2, h - 2);
  cairo_clip(cr);
  cairo_set_line_width(cr, 1.5);
  SetColor(cr, ink);
  auto cross = [&] {
    cairo_move_to(cr, x0, y0), cairo_line_to(cr, x0 + w, y0 + h);
    cairo_move_to(cr, x0 + w, y0), cairo_line_to(cr, x0, y0 + h);
    cairo_stroke(cr);
  };
  auto oval = [&](double ox, double oy, double ow, double oh) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, ox + oh / 2, oy + oh / 2, oh / 2, kPi / 2, 3 * kPi / 2);
    cairo_arc(cr, ox + ow - oh / 2, oy + oh / 2, oh / 2, -kPi / 2, kPi / 2);
    cairo_close_path(cr);
    cairo_stroke(cr);
  };
  auto ball = [&](double bx, double by, double r) {
    cairo_arc(cr, bx, by, r, 0, 2 * kPi);
    cairo_fill(cr);
  };
  auto peak = [&] {
    cairo_move_to(cr, cx - 7, y0 + h), cairo_line_to(cr, cx, y0 + h - 8);
    cairo_line_to(cr, cx + 7, y0 + h), cairo_close_path(cr);
    cairo_fill(cr);
  };
  auto text = [&](const char* t, double size) { Label(cr, t, cx, cy + 1, size, ink); };
  switch (kind) {
    case UnitKind::kArmoured:
      oval(x0 + 9, y0 + 7, w - 18, h - 14);
      break;
    case UnitKind::kMechanised:
      cross();
      oval(x0 + 10, y0 + 8, w - 20, h - 16);
      break;
    case UnitKind::kMotorised:
      cross();
      cairo_move_to(cr, cx, y0), cairo_line_to(cr, cx, y0 + h);
      cairo_stroke(cr);
      break;
    case UnitKind::kInfantry:
      cross();
      break;
    case UnitKind::kMarine:  // the cross over an anchor
      cross();
      cairo_move_to(cr, cx, y0 + h - 10), cairo_line_to(cr, cx, y0 + h - 2);
      cairo_move_to(cr, cx - 3, y0 + h - 8), cairo_line_to(cr, cx + 3, y0 + h - 8);
      cairo_stroke(cr);
      cairo_arc(cr, cx, y0 + h - 6, 4.5, 0.2 * kPi, 0.8 * kPi);
      cairo_stroke(cr);
      break;
    case UnitKind::kMountain:
      cross();
      peak();
      break;
    case UnitKind::kCavalry:
      cairo_move_to(cr, x0, y0 + h), cairo_line_to(cr, x0 + w, y0);
      cairo_stroke(cr);
      break;
    case UnitKind::kMountainCavalry:
      cairo_move_to(cr, x0, y0 + h), cairo_line_to(cr, x0 + w, y0);
      cairo_stroke(cr);
      peak();
      break;
    case UnitKind::kAirborne:  // the cross under a canopy
      cross();
      cairo_arc(cr, cx - 5, y0 + h - 3, 5, kPi, 2 * kPi);
      cairo_stroke(cr);
      cairo_arc(cr, cx + 5, y0 + h - 3, 5, kPi, 2 * kPi);
      cairo_stroke(cr);
      break;
    case UnitKind::kSecurity:
      text("SEC", 11);
      break;
    case UnitKind::kBorderGuard:
      text("BG", 12);
      break;
    case UnitKind::kGuerrilla:
      text("G", 15);
      break;
    case UnitKind::kMilitia:
      text("MIL", 11);
      break;
    case UnitKind::kArtillery:
      ball(cx, cy, 5);
      break;
    case UnitKind::kRocketArtillery:  // an arrow rising from the ball: mortars and rockets
      ball(cx, y0 + h - 6, 3.5);
      cairo_move_to(cr, cx, y0 + h - 9), cairo_line_to(cr, cx, y0 + 6);
      cairo_stroke(cr);
      cairo_move_to(cr, cx - 4, y0 + 10), cairo_line_to(cr, cx, y0 + 4),
          cairo_line_to(cr, cx + 4, y0 + 10);
      cairo_stroke(cr);
      break;
    case UnitKind::kAssaultArtillery:  // the ball on tracks
      ball(cx, y0 + 9, 4);
      oval(x0 + 10, y0 + h - 11, w - 20, 8);
      break;
    case UnitKind::kAntiTank:
      cairo_move_to(cr, x0, y0 + h), cairo_line_to(cr, cx, y0), cairo_line_to(cr, x0 + w, y0 + h);
      cairo_stroke(cr);
      break;
    case UnitKind::kAirDefence:  // the ball under a dome
      ball(cx, y0 + h - 7, 3.5);
      cairo_arc(cr, cx, y0 + h + 2, 15, kPi * 1.12, kPi * 1.88);
      cairo_stroke(cr);
      break;
    case UnitKind::kFortified: {  // battlements
      cairo_move_to(cr, x0 + 6, y0 + h - 5);
      for (int i = 0; i < 5; ++i) {
        const double x = x0 + 6 + i * 6;
        cairo_line_to(cr, x, y0 + 8), cairo_line_to(cr, x + 3, y0 + 8);
        cairo_line_to(cr, x + 3, y0 + 12), cairo_line_to(cr, x + 6, y0 + 12);
      }
      cairo_line_to(cr, x0 + 36, y0 + h - 5);
      cairo_close_path(cr);
      cairo_stroke(cr);
      break;
    }
    default: {  // air units: an aircraft over the letters of its role
      const char* role = kind == UnitKind::kFighter          ? "F"
                         : kind == UnitKind::kAssaultAir     ? "A"
                         : kind == UnitKind::kTacticalBomber ? "TB"
                         : kind == UnitKind::kBomber         ? "B"
                         : kind == UnitKind::kMixedAir       ? "F/B"
                         : kind == UnitKind::kTorpedoBomber  ? "MT"
                                                             : "LB";
      cairo_move_to(cr, x0 + 8, y0 + 7), cairo_line_to(cr, x0 + w - 8, y0 + 7);
      cairo_move_to(cr, cx, y0 + 2), cairo_line_to(cr, cx, y0 + 13);
      cairo_move_to(cr, cx - 5, y0 + 12), cairo_line_to(cr, cx + 5, y0 + 12);
      cairo_stroke(cr);
      Label(cr, role, cx, y0 + 20, 9, ink);
      break;
    }
  }
  cairo_restore(cr);
}

}  // namespace gm::art
