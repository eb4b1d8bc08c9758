// Nation marks (15 x 15) and settlement flags (30 x 15 in two halves): each nation's emblem in
// its own colours, simple enough to read at a glance. The German mark is the cross its army
// painted on its vehicles and the Soviet flag carries the star alone.
#include <cmath>

#include "tools/art/paint.hpp"

namespace gm::art {
namespace {

constexpr double kPi = 3.14159265358979;
const Rgb kInk = Hex(0x161612);
const Rgb kWhite = Hex(0xF2F0E8);
const Rgb kRed = Hex(0xC8282A);
const Rgb kGreen = Hex(0x3E7A44);
const Rgb kBlue = Hex(0x2850A0);
const Rgb kYellow = Hex(0xF0C828);
const Rgb kFieldGrey = Hex(0x7E8478);

void Fill(cairo_t* cr, double x, double y, double w, double h, Rgb c) {
  SetColor(cr, c);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
}

// Three bands across (horizontal) or along (vertical) the rectangle.
void Tricolour(cairo_t* cr, double x, double y, double w, double h, Rgb a, Rgb b, Rgb c,
               bool horizontal) {
  const Rgb bands[] = {a, b, c};
  for (int i = 0; i < 3; ++i) {
    if (horizontal)
      Fill(cr, x, y + std::round(h * i / 3), w, std::round(h * (i + 1) / 3) - std::round(h * i / 3),
           bands[i]);
    else
      Fill(cr, x + std::round(w * i / 3), y, std::round(w * (i + 1) / 3) - std::round(w * i / 3), h,
           bands[i]);
  }
}

void Star(cairo_t* cr, double cx, double cy, double r, Rgb c) {
  for (int i = 0; i < 10; ++i) {
    const double a = -kPi / 2 + i * kPi / 5, rr = i % 2 ? r * 0.42 : r;
    if (i == 0)
      cairo_move_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
    else
      cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
  }
  cairo_close_path(cr);
  SetColor(cr, c);
  cairo_fill(cr);
}

// The cross of the German vehicles: black arms edged in white.
void BarCross(cairo_t* cr, double cx, double cy, double r) {
  Fill(cr, cx - r, cy - 2.5, 2 * r, 5, kWhite);
  Fill(cr, cx - 2.5, cy - r, 5, 2 * r, kWhite);
  Fill(cr, cx - r + 1, cy - 1.5, 2 * r - 2, 3, kInk);
  Fill(cr, cx - 1.5, cy - r + 1, 3, 2 * r - 2, kInk);
}

// The Slovak arms: a white double cross on red over blue hills.
void DoubleCross(cairo_t* cr, double x, double y, double w, double h) {
  Fill(cr, x, y, w, h, kRed);
  const double cx = std::floor(x + w / 2);
  Fill(cr, cx, y + 1, 1, h - 3, kWhite);
  Fill(cr, cx - 2, y + std::round(h * 0.25), 5, 1, kWhite);
  Fill(cr, cx - 3, y + std::round(h * 0.45), 7, 1, kWhite);
  SetColor(cr, kBlue);
  cairo_arc(cr, cx + 0.5, y + h + 1, w * 0.42, kPi, 2 * kPi);
  cairo_fill(cr);
}

void Roundel(cairo_t* cr, double cx, double cy, double r, Rgb outer, Rgb middle, Rgb inner) {
  const Rgb rings[] = {outer, middle, inner};
  for (int i = 0; i < 3; ++i) {
    SetColor(cr, rings[i]);
    cairo_arc(cr, cx, cy, r * (3 - i) / 3, 0, 2 * kPi);
    cairo_fill(cr);
  }
}

// The nation's mark on a 13 x 13 plate.
void MarkPlate(cairo_t* cr, int nation, double x, double y) {
  const double s = 13, cx = x + s / 2, cy = y + s / 2;
  switch (nation) {
    case 2:
      Fill(cr, x, y, s, s, kFieldGrey);
      BarCross(cr, cx, cy, 6);
      break;
    case 4:
      Fill(cr, x, y, s, s, kWhite);
      Roundel(cr, cx, cy, 6, kBlue, kYellow, kRed);
      break;
    case 5:
      Fill(cr, x, y, s, s, kWhite);
      Star(cr, cx, cy + 0.6, 6.6, kRed);
      break;
    case 6:
      FlagCloth(cr, 6, x, y, s, s);
      break;
    case 7:
      DoubleCross(cr, x, y, s, s);
      break;
    case 8:
      Tricolour(cr, x, y, s, s, kRed, kBlue, kRed, false);
      Star(cr, cx, y + 4, 2.6, kYellow);
      break;
    case 9:
      Fill(cr, x, y, s, s, Hex(0x8A8A84));
      Fill(cr, x + 3, cy - 1, 7, 2, kInk);
      break;
    case 10:  // neutral: a plain ring
      Fill(cr, x, y, s, s, kWhite);
      SetColor(cr, Hex(0x707070));
      cairo_set_line_width(cr, 2);
      cairo_arc(cr, cx, cy, 3.5, 0, 2 * kPi);
      cairo_stroke(cr);
      break;
    default:
      FlagCloth(cr, nation, x, y, s, s);
      break;
  }
}

}  // namespace

void FlagCloth(cairo_t* cr, int nation, double x, double y, double w, double h) {
  switch (nation) {
    case 1:
      Tricolour(cr, x, y, w, h, kRed, kWhite, kGreen, true);
      break;
    case 2:
      Fill(cr, x, y, w, h, kFieldGrey);
      BarCross(cr, x + w / 2, y + h / 2, h / 2);
      break;
    case 3:
      Tricolour(cr, x, y, w, h, kGreen, kWhite, kRed, false);
      break;
    case 4:
      Tricolour(cr, x, y, w, h, kBlue, kYellow, kRed, false);
      break;
    case 5:
      Fill(cr, x, y, w, h, kRed);
      Star(cr, x + h * 0.45, y + h * 0.4, h * 0.32, kYellow);
      break;
    case 6:
      Fill(cr, x, y, w, h, kWhite);
      Fill(cr, x, y + std::round(h / 2) - 1.5, w, 3, kBlue);
      Fill(cr, x + std::round(w * 0.3), y, 3, h, kBlue);
      break;
    case 7:
      Tricolour(cr, x, y, w, h, kWhite, kBlue, kRed, true);
      DoubleCross(cr, x + w * 0.22, y + 1, 7, h - 2);
      break;
    case 8:
      Tricolour(cr, x, y, w, h, kRed, kBlue, kRed, false);
      Star(cr, x + w / 6, y + h * 0.3, h * 0.25, kYellow);
      break;
    case 10:
      Fill(cr, x, y, w, h, kWhite);
      break;
    default:
      Fill(cr, x, y, w, h, Hex(0x8A8A84));
      break;
  }
}

void NationMark(cairo_t* cr, int nation, bool bright) {
  // A frame in ink, or in white for the second phase of a formation with orders left.
  Fill(cr, 0, 0, 15, 15, bright ? Hex(0xFFFFF0) : kInk);
  MarkPlate(cr, nation, 1, 1);
  if (bright) {  // lit: the colours washed lighter
    SetColor(cr, Hex(0xFFFFFF), 0.25);
    cairo_rectangle(cr, 1, 1, 13, 13);
    cairo_fill(cr);
  }
}

void SettlementFlag(cairo_t* cr, int nation, bool light, bool leftHalf) {
  // A 30 x 15 flag cut into two 15 px halves: the pole on the left half.
  cairo_save(cr);
  if (!leftHalf) cairo_translate(cr, -15, 0);
  Fill(cr, 1, 0, 2, 15, kInk);  // the pole
  Fill(cr, 3, 1, 26, 12, light ? Hex(0xFFFFF0) : kInk);
  FlagCloth(cr, nation, 4, 2, 24, 10);
  if (light) {
    SetColor(cr, Hex(0xFFFFFF), 0.2);
    cairo_rectangle(cr, 4, 2, 24, 10);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

}  // namespace gm::art
