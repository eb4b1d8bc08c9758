// Panels, window tiles, sidebar buttons, cursors and marks of the first image archive.
#include <cmath>
#include <string>

#include "tools/art/paint.hpp"

namespace gm::art {
namespace {

constexpr double kPi = 3.14159265358979;
const Rgb kSteel = Hex(0x4A4F45);
const Rgb kWindow = Hex(0x6B6450);
const Rgb kPanel = Hex(0xC9BC94);  // light faces of buttons and plates
// The grounds that texts are written on are dark: every glyph font is light on a dark shadow.
const Rgb kPage = Hex(0x32362B);
const Rgb kCard = Hex(0x2B2F25);
const Rgb kList = Hex(0x1E2A22);
const Rgb kInk = Hex(0x161612);
const Rgb kGold = Hex(0xE8C25A);
const Rgb kWhite = Hex(0xF0ECE0);

void Rect(cairo_t* cr, double x, double y, double w, double h, Rgb c) {
  SetColor(cr, c);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
}

// Edges of a framed area inside a 60 px tile: which sides carry the frame.
void FramedTile(cairo_t* cr, Rgb fill, Rgb frame, bool top, bool right, bool bottom, bool left,
                int seed) {
  Rect(cr, 0, 0, 60, 60, fill);
  Dice d{uint32_t(seed)};
  for (int i = 0; i < 40; ++i) {  // a faint grain
    SetColor(cr, Mix(fill, Hex(0x000000), 0.12), 0.5);
    cairo_rectangle(cr, std::floor(d.Range(0, 60)), std::floor(d.Range(0, 60)), 1, 1);
    cairo_fill(cr);
  }
  const Rgb light = Mix(frame, Hex(0xFFFFFF), 0.45), dark = Mix(frame, Hex(0x000000), 0.5);
  if (top) Rect(cr, 0, 0, 60, 6, frame), Rect(cr, 0, 0, 60, 2, light);
  if (bottom) Rect(cr, 0, 54, 60, 6, frame), Rect(cr, 0, 58, 60, 2, dark);
  if (left) Rect(cr, 0, 0, 6, 60, frame), Rect(cr, 0, 0, 2, 60, light);
  if (right) Rect(cr, 54, 0, 6, 60, frame), Rect(cr, 58, 0, 2, 60, dark);
}

// Frame pieces laid out as 0 1 2 / 7 9 3 / 4 5 6 (8 plain) from a base number.
bool FramePiece(cairo_t* cr, int piece, Rgb fill, Rgb frame, int seed) {
  switch (piece) {
    case 0:
      FramedTile(cr, fill, frame, true, false, false, true, seed);
      return true;
    case 1:
      FramedTile(cr, fill, frame, true, false, false, false, seed);
      return true;
    case 2:
      FramedTile(cr, fill, frame, true, true, false, false, seed);
      return true;
    case 3:
      FramedTile(cr, fill, frame, false, true, false, false, seed);
      return true;
    case 4:
      FramedTile(cr, fill, frame, false, false, true, true, seed);
      return true;
    case 5:
      FramedTile(cr, fill, frame, false, false, true, false, seed);
      return true;
    case 6:
      FramedTile(cr, fill, frame, false, true, true, false, seed);
      return true;
    case 7:
      FramedTile(cr, fill, frame, false, false, false, true, seed);
      return true;
    case 8:
    case 9:
      FramedTile(cr, fill, frame, false, false, false, false, seed);
      return true;
  }
  return false;
}

// One half of an 80 x 40 button centred on the seam of two 60 px window tiles, with its mark:
// 1 a tick (OK, Confirm, Yes, Apply, Start), 2 a cross (Cancel, Close, No), 0 none.
void ButtonHalf(cairo_t* cr, bool left, int mark, Rgb face, bool usable) {
  FramedTile(cr, kWindow, kWindow, false, false, false, false, 29);
  const double x = left ? 20 : 0;
  Plate(cr, x, 10, 40, 40, usable ? face : Hex(0x6E6E6A));
  cairo_save(cr);
  cairo_rectangle(cr, x, 10, 40, 40);
  cairo_clip(cr);
  cairo_translate(cr, left ? 60 : 0, 30);  // the seam, centre of the whole button
  SetColor(cr, usable ? kInk : Hex(0x9A9A94));
  cairo_set_line_width(cr, 4);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  if (mark == 1) {
    cairo_move_to(cr, -10, 0), cairo_line_to(cr, -3, 8), cairo_line_to(cr, 11, -9);
  } else if (mark == 2) {
    cairo_move_to(cr, -8, -8), cairo_line_to(cr, 8, 8);
    cairo_move_to(cr, 8, -8), cairo_line_to(cr, -8, 8);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
}

void PaintTable3(cairo_t* cr, int p) {
  if (p >= 100 && p < 150) {  // title picture
    PaintTitlePicture(cr, p - 100);
    return;
  }
  if (p >= 150 && p < 174) {  // action window background: parchment card, 6 x 4 tiles
    const int c = (p - 150) % 6, r = (p - 150) / 6;
    FramedTile(cr, kCard, Hex(0x8A7650), r == 0, c == 5, r == 3, c == 0, p);
    return;
  }
  if (FramePiece(cr, p, kPage, Hex(0x8A7650), p)) return;
  if (p >= 20 && p <= 28) {  // the outer window frame, laid out as the inner panel's
    FramePiece(cr, p - 20, kWindow, kSteel, p);
    return;
  }
  if (p >= 60 && p <= 69) {
    FramePiece(cr, p - 60, kList, Hex(0x5C6A58), p);
    return;
  }
  switch (p) {
    case 10:
      ButtonHalf(cr, true, 1, kPanel, false);
      return;
    case 11:
      ButtonHalf(cr, false, 1, kPanel, false);
      return;
    case 12:
      ButtonHalf(cr, true, 1, Hex(0x9CB07A), true);
      return;
    case 13:
      ButtonHalf(cr, false, 1, Hex(0x9CB07A), true);
      return;
    case 14:
      ButtonHalf(cr, true, 2, Hex(0xC08A6A), true);
      return;
    case 15:
      ButtonHalf(cr, false, 2, Hex(0xC08A6A), true);
      return;
    case 16:  // help topic button: its label is text
    case 17:
      ButtonHalf(cr, p == 16, 0, kPanel, true);
      return;
    case 29:
      FramedTile(cr, kWindow, kWindow, false, false, false, false, p);
      return;
    case 30:
    case 31:
    case 32:
      FramedTile(cr, kWindow, kWindow, false, false, false, false, p);
      Plate(cr, p == 30 ? 4 : 0, 14, p == 31 ? 60 : 56, 32, Hex(0x8A7E5E), true);
      return;
    case 33:
    case 34:
      // A disk with an arrow out of it (load) or into it (save); the page's heading names the
      // mode, and the title screen shows the save button's face among its tiles.
      FramedTile(cr, kWindow, kWindow, false, false, false, false, p);
      Plate(cr, 6, 12, 48, 36, p == 33 ? Hex(0x7A9AB0) : Hex(0xB08A6A));
      SetColor(cr, kInk);
      cairo_rectangle(cr, 15, 24, 18, 18);  // the disk
      cairo_fill(cr);
      SetColor(cr, Hex(0xD8D4C8));
      cairo_rectangle(cr, 19, 34, 10, 7);  // its label
      cairo_fill(cr);
      SetColor(cr, kInk);
      cairo_set_line_width(cr, 3);
      cairo_move_to(cr, 40, p == 33 ? 34 : 16), cairo_line_to(cr, 40, p == 33 ? 18 : 32);
      cairo_stroke(cr);
      if (p == 33) {
        cairo_move_to(cr, 34, 22), cairo_line_to(cr, 40, 15), cairo_line_to(cr, 46, 22);
      } else {
        cairo_move_to(cr, 34, 28), cairo_line_to(cr, 40, 35), cairo_line_to(cr, 46, 28);
      }
      cairo_close_path(cr);
      cairo_fill(cr);
      return;
    case 35:
    case 36:
    case 39:
    case 57:
      FramedTile(cr, kWindow, kWindow, false, false, false, false, p);
      if (p == 57) {
        Plate(cr, 6, 12, 48, 36, Hex(0x55524A), false);
      } else if (p == 39) {
        Plate(cr, 6, 12, 48, 36, kPanel);
        Label(cr, "SLOT", 30, 30, 11, kInk);
      } else {
        Plate(cr, 0, 14, p == 36 ? 54 : 60, 32, Hex(0x8A7E5E), false);
      }
      return;
    case 40:
      FramedTile(cr, kWindow, kSteel, false, true, false, false, p);
      Plate(cr, 4, 12, 44, 36, Hex(0xC08A6A));
      Label(cr, "X", 26, 30, 16, kInk);
      return;
  }
  if ((p >= 41 && p <= 49) || p == 56) {  // the title's panel of the coalitions, 5 x 2 tiles
    PaintCoalitionPanel(cr, p == 56 ? 0 : p - 40);
    return;
  }
  if ((p >= 50 && p <= 55) || (p >= 90 && p <= 95)) {  // economy tabs
    const bool chosen = p >= 90;
    const int tab = chosen ? p - 90 : p - 50;
    static const char* kTabs[] = {"ECO", "UNITS", "STORE", "REPR", "PROD", "LOSS"};
    FramedTile(cr, kWindow, kWindow, false, false, false, false, p);
    Plate(cr, 10, 10, 40, 40, chosen ? kGold : Hex(0x8A7E5E), !chosen);
    Label(cr, kTabs[tab], 30, 30, 10, kInk);
    return;
  }
  if ((p >= 73 && p <= 78) || (p >= 83 && p <= 88)) {  // staff page amount buttons
    const bool usable = p <= 78;
    const int k = usable ? p - 73 : p - 83;
    static const char* kSteps[] = {"+1", "+5", "+10", "+100", "+1000", "AUTO"};
    FramedTile(cr, kWindow, kWindow, false, false, false, false, p);
    const Rgb face = k == 5 ? Hex(0xB8A26A) : Hex(0x9CB07A);
    Plate(cr, 6, 8, 48, 44, usable ? face : Hex(0x6E6E6A));
    const Rgb ink = usable ? kInk : Hex(0x9A9A94);
    if (k == 5) {  // the automatic refit: a circling arrow over its word
      cairo_set_line_width(cr, 2.5);
      SetColor(cr, ink);
      cairo_arc(cr, 30, 22, 8, 0.3, 2 * kPi - 0.6);
      cairo_stroke(cr);
      cairo_move_to(cr, 38.5, 14), cairo_line_to(cr, 39.5, 22.5), cairo_line_to(cr, 32, 19.5);
      cairo_close_path(cr);
      cairo_fill(cr);
      Label(cr, kSteps[k], 30, 41, 10, ink);
    } else {
      Label(cr, kSteps[k], 30, 30, k == 4 ? 11 : 13, ink);
    }
    return;
  }
  // Spare cells: plain window.
  FramedTile(cr, kWindow, kWindow, false, false, false, false, p);
}

void Arrow(cairo_t* cr, double x, double y, double angle, Rgb fill) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, 12, 4);
  cairo_line_to(cr, 7, 6);
  cairo_line_to(cr, 12, 11);
  cairo_line_to(cr, 10, 13);
  cairo_line_to(cr, 5, 8);
  cairo_line_to(cr, 3, 12);
  cairo_close_path(cr);
  SetColor(cr, fill);
  cairo_fill_preserve(cr);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void PaintCursors(cairo_t* cr, int p) {
  cairo_set_line_width(cr, 1.5);
  if (p <= 9 && p != 4 && p != 5) {  // scroll pointers: arrow pointing to the edge or corner
    static const double kAngle[] = {kPi,          0,        -kPi / 2, kPi / 2,    0, 0,
                                    -3 * kPi / 4, -kPi / 4, kPi / 4,  3 * kPi / 4};
    cairo_save(cr);
    cairo_translate(cr, 7.5, 7.5);
    cairo_rotate(cr, kAngle[p]);
    cairo_move_to(cr, 7, 0);
    cairo_line_to(cr, -1, -6);
    cairo_line_to(cr, -1, -2);
    cairo_line_to(cr, -7, -2);
    cairo_line_to(cr, -7, 2);
    cairo_line_to(cr, -1, 2);
    cairo_line_to(cr, -1, 6);
    cairo_close_path(cr);
    SetColor(cr, kGold);
    cairo_fill_preserve(cr);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_restore(cr);
    return;
  }
  if (p == 4 || p == 110) {
    Arrow(cr, 0.5, 0.5, 0, p == 4 ? kWhite : kGold);
    return;
  }
  if (p == 5) {  // target cross
    SetColor(cr, Hex(0xFF4030));
    cairo_set_line_width(cr, 2);
    cairo_arc(cr, 7.5, 7.5, 5, 0, 2 * kPi);
    cairo_move_to(cr, 7.5, 0);
    cairo_line_to(cr, 7.5, 15);
    cairo_move_to(cr, 0, 7.5);
    cairo_line_to(cr, 15, 7.5);
    cairo_stroke(cr);
    return;
  }
  if (p >= 10 && p <= 12) {  // orders left: 2, 1, 0 pips
    const int left = 12 - p;
    Plate(cr, 0, 0, 15, 15, left == 0 ? Hex(0x8A3A30) : Hex(0x3E6A3A));
    SetColor(cr, kWhite);
    for (int i = 0; i < left; ++i) {
      cairo_arc(cr, left == 1 ? 7.5 : 4.5 + 6 * i, 7.5, 2.2, 0, 2 * kPi);
      cairo_fill(cr);
    }
    return;
  }
  if (p >= 13 && p <= 16) {  // switch and scale
    if (p == 13) {
      Plate(cr, 2, 1, 11, 13, kGold);
      return;
    }
    SetColor(cr, kInk);
    cairo_rectangle(cr, p == 14 ? 3 : 0, 6, p == 15 ? 15 : 12, 3);
    cairo_fill(cr);
    SetColor(cr, Hex(0x8A8A80));
    cairo_rectangle(cr, p == 14 ? 3 : 0, 6, p == 15 ? 15 : 12, 1);
    cairo_fill(cr);
    return;
  }
  if (p == 17) {  // list cursor bar
    SetColor(cr, Hex(0x3A6AA0), 1);
    cairo_rectangle(cr, 0, 1, 15, 13);
    cairo_fill(cr);
    return;
  }
  if (p >= 18 && p <= 25) {  // list arrows: one 60 px arrow plate cut into four segments
    const bool up = p <= 21;
    const int seg = up ? p - 18 : p - 22;
    cairo_translate(cr, -15.0 * seg, 0);
    Plate(cr, 0, 0, 60, 15, Hex(0x8A7E5E));
    SetColor(cr, kInk);
    if (up) {
      cairo_move_to(cr, 30, 2), cairo_line_to(cr, 40, 12), cairo_line_to(cr, 20, 12);
    } else {
      cairo_move_to(cr, 30, 13), cairo_line_to(cr, 40, 3), cairo_line_to(cr, 20, 3);
    }
    cairo_close_path(cr);
    cairo_fill(cr);
    return;
  }
  if (p >= 26 && p <= 35) {  // 25 would be nation 0, which never plays: the arrow keeps it
    NationMark(cr, p - 25, false);
    return;
  }
  if (p >= 111 && p <= 120) {
    NationMark(cr, p - 110, true);
    return;
  }
  if (p == 36) {  // grid corner mark (shared with nation 0's flag half)
    SetColor(cr, Hex(0xE0E0D0), 0.9);
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, 7.5, 3), cairo_line_to(cr, 7.5, 12);
    cairo_move_to(cr, 3, 7.5), cairo_line_to(cr, 12, 7.5);
    cairo_stroke(cr);
    return;
  }
  if (p >= 37 && p <= 56) {
    SettlementFlag(cr, (p - 35) / 2, true, (p - 35) % 2 == 0);
    return;
  }
  if (p >= 74 && p <= 93) {
    SettlementFlag(cr, (p - 72) / 2, false, (p - 72) % 2 == 0);
    return;
  }
  if (p >= 60 && p <= 65) {  // hover bar
    const bool light = p <= 62;
    const int part = (p - 60) % 3;
    SetColor(cr, light ? Hex(0xE8C25A) : Hex(0x9A7A30), 0.9);
    cairo_rectangle(cr, part == 0 ? 2 : 0, 12, part == 1 ? 15 : 13, 3);
    cairo_fill(cr);
    return;
  }
  if (p >= 94 && p <= 109) {  // anti-aircraft fire: tracers from the neighbour's side
    static const int kDir[] = {5, 3, 7, 1, 8, 6, 0, 2};  // pattern 94 + i comes from neighbour
    const int n = kDir[(p - 94) % 8];
    const double dx = n / 3 - 1, dy = n % 3 - 1;
    SetColor(cr, p >= 102 ? Hex(0xFFE060) : Hex(0xFF8020));
    cairo_set_line_width(cr, 1.5);
    for (int i = -1; i <= 1; ++i) {
      cairo_move_to(cr, 7.5 + dx * 7 - i * dy * 3, 7.5 + dy * 7 + i * dx * 3);
      cairo_line_to(cr, 7.5 - i * dy * 1.5, 7.5 + i * dx * 1.5);
    }
    cairo_stroke(cr);
    return;
  }
}

void PaintTable4(cairo_t* cr, int p) {
  auto frame = [&](Rgb c, double width) {
    SetColor(cr, c);
    cairo_set_line_width(cr, width);
    cairo_rectangle(cr, width / 2 + 1, width / 2 + 1, 58 - width, 58 - width);
    cairo_stroke(cr);
  };
  switch (p) {
    case 0:
      frame(Hex(0xFFFFFF), 3);
      return;
    case 1:
      frame(Hex(0x80C0FF), 2);
      return;
    case 24:
      frame(Hex(0xFFFFFF), 3);
      return;
    case 10:
      frame(Hex(0xFFE060), 3);
      return;
    case 16:
      frame(Hex(0xA08020), 3);
      return;
    case 11:
      frame(Hex(0xE0E0E0), 1);
      return;
    case 17:
      frame(Hex(0x909090), 1);
      return;
    case 12:
    case 13:  // a sign pointing to the Start button, across two tiles
      cairo_translate(cr, p == 12 ? 0 : -60, 0);
      Plate(cr, 4, 14, 100, 32, Hex(0x8A7E5E));
      Label(cr, "NEW GAME", 50, 30, 12, kInk);
      SetColor(cr, kGold);
      cairo_move_to(cr, 104, 18), cairo_line_to(cr, 118, 30), cairo_line_to(cr, 104, 42);
      cairo_close_path(cr);
      cairo_fill(cr);
      return;
    case 14:
    case 21:
      frame(p == 14 ? Hex(0xFF9020) : Hex(0xA05010), 2);
      SetColor(cr, p == 14 ? Hex(0xFF9020) : Hex(0xA05010));
      cairo_arc(cr, 30, 30, 12, 0, 2 * kPi);
      cairo_move_to(cr, 30, 12), cairo_line_to(cr, 30, 48);
      cairo_move_to(cr, 12, 30), cairo_line_to(cr, 48, 30);
      cairo_stroke(cr);
      return;
    case 15:
    case 22:
      frame(p == 15 ? Hex(0xFF3020) : Hex(0x901810), 3);
      SetColor(cr, p == 15 ? Hex(0xFF3020) : Hex(0x901810));
      cairo_set_line_width(cr, 4);
      cairo_move_to(cr, 16, 16), cairo_line_to(cr, 44, 44);
      cairo_move_to(cr, 44, 16), cairo_line_to(cr, 16, 44);
      cairo_stroke(cr);
      return;
    case 20:  // shade: a stipple so the terrain shows through
      SetColor(cr, Hex(0x101010));
      for (int y = 0; y < 60; ++y)
        for (int x = (y & 1); x < 60; x += 2) cairo_rectangle(cr, x, y, 1, 1);
      cairo_fill(cr);
      return;
    case 23:
      frame(Hex(0x60E060), 2);
      return;
    case 30:
    case 31:
      frame(p == 30 ? Hex(0xFFE060) : Hex(0xA08020), 4);
      return;
  }
  if (p >= 25 && p <= 29) {  // combat: a burst that grows into smoke
    const int t = p - 25;
    Dice d{uint32_t(p)};
    for (int i = 0; i < 14 + 4 * t; ++i) {
      const double a = d.Range(0, 2 * kPi), r = d.Range(0, 6 + 5 * t);
      const Rgb c = Mix(Hex(0xFFE070), Hex(0x505050), t / 4.0 + d.Range(0, 0.2));
      SetColor(cr, c, 0.95);
      cairo_arc(cr, 30 + r * std::cos(a), 30 + r * std::sin(a), d.Range(3, 5 + t), 0, 2 * kPi);
      cairo_fill(cr);
    }
  }
}

// A small picture cut into 60 px tiles: the final screens (by result) and the quit page.
void PaintScene(cairo_t* cr, int scene, int tile, int cols) {
  cairo_translate(cr, -60.0 * (tile % cols), -60.0 * (tile / cols));
  const double w = 60.0 * cols, h = scene == 3 ? 300 : 180;
  static const uint32_t kSky[] = {0x9A3020, 0x40404A, 0x6A7080, 0x303A50};
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, h);
  const Rgb top = Hex(kSky[scene]);
  cairo_pattern_add_color_stop_rgb(sky, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(sky, 1, 0.15, 0.14, 0.10);
  cairo_set_source(cr, sky);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_fill(cr);
  cairo_pattern_destroy(sky);
  SetColor(cr, Hex(0x1A1814));
  // Ruins and skyline.
  Dice d{uint32_t(scene + 7)};
  for (double x = 0; x < w; x += d.Range(14, 30)) {
    const double bh = d.Range(20, h * 0.45);
    cairo_rectangle(cr, x, h - bh, d.Range(10, 26), bh);
  }
  cairo_fill(cr);
  if (scene == 0 || scene == 1) {  // a flag over the ruins in the victor's colour
    SetColor(cr, Hex(0x1A1814));
    cairo_rectangle(cr, w / 2 - 2, h * 0.15, 4, h * 0.6);
    cairo_fill(cr);
    SetColor(cr, scene == 0 ? Hex(0xC02018) : Hex(0x8A8A7A));
    cairo_rectangle(cr, w / 2 + 2, h * 0.15, 50, 32);
    cairo_fill(cr);
  } else if (scene == 2) {  // smoke still rising
    for (int i = 0; i < 30; ++i) {
      SetColor(cr, Hex(0x8A8A8A), 0.35);
      cairo_arc(cr, d.Range(0, w), d.Range(0, h * 0.6), d.Range(6, 18), 0, 2 * kPi);
      cairo_fill(cr);
    }
  } else {  // quit page: a road at dusk leading away
    SetColor(cr, Hex(0x5A5040));
    cairo_move_to(cr, w / 2 - 10, h * 0.55);
    cairo_line_to(cr, w / 2 + 10, h * 0.55);
    cairo_line_to(cr, w * 0.8, h);
    cairo_line_to(cr, w * 0.2, h);
    cairo_fill(cr);
    SetColor(cr, Hex(0x3A3428));  // ruts along the road
    cairo_set_line_width(cr, 2);
    for (int i = -1; i <= 1; i += 2) {
      cairo_move_to(cr, w / 2 + 4 * i, h * 0.56);
      cairo_line_to(cr, w / 2 + w * 0.22 * i, h);
    }
    cairo_stroke(cr);
    for (int i = 0; i < 400; ++i) {  // gravel
      const double gy = d.Range(h * 0.56, h), half = 10 + (gy - h * 0.55) / (h * 0.45) * w * 0.3;
      SetColor(cr, Hex(d.Unit() < 0.5 ? 0x6A6050 : 0x463E30));
      cairo_rectangle(cr, std::floor(w / 2 + d.Range(-half, half)), std::floor(gy), 2, 1);
      cairo_fill(cr);
    }
    Label(cr, "QUIT THE GAME?", w / 2, 40, 30, kWhite);
  }
}

}  // namespace

Rgb NationColor(int nation) {
  // Hungary, Germany, Italy, Romania, the USSR, Finland, Slovakia, Mongolia; 10 neutral.
  static const uint32_t kColors[] = {0x9A9A90, 0x4A8A4A, 0x808478, 0xC8A860, 0x3A5AA0, 0xC83A2A,
                                     0x7AB0D8, 0x8A5AA0, 0xD07A30, 0x707070, 0xE0E0D0};
  return Hex(kColors[(nation >= 0 && nation <= 10) ? nation : 0]);
}

void Plate(cairo_t* cr, double x, double y, double w, double h, Rgb base, bool raised) {
  SetColor(cr, base);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
  const Rgb light = Mix(base, Hex(0xFFFFFF), 0.45), dark = Mix(base, Hex(0x000000), 0.5);
  SetColor(cr, raised ? light : dark);
  cairo_rectangle(cr, x, y, w, 2);
  cairo_rectangle(cr, x, y, 2, h);
  cairo_fill(cr);
  SetColor(cr, raised ? dark : light);
  cairo_rectangle(cr, x, y + h - 2, w, 2);
  cairo_rectangle(cr, x + w - 2, y, 2, h);
  cairo_fill(cr);
}

void Label(cairo_t* cr, const char* text, double cx, double cy, double size, Rgb color, bool bold) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text, &e);
  cairo_move_to(cr, std::round(cx - e.width / 2 - e.x_bearing),
                std::round(cy - e.height / 2 - e.y_bearing));
  SetColor(cr, color);
  cairo_show_text(cr, text);
}

void PaintUi(cairo_t* cr, const ArtItem& item, int p) {
  const std::string& n = item.name;
  if (n == "Table1") {  // bottom panel with three status-line wells
    Plate(cr, 0, 0, 800, 60, kSteel);
    Plate(cr, 8, 8, 704, 44, Hex(0x26291F), false);
    Plate(cr, 720, 8, 72, 44, Hex(0x26291F), false);
  } else if (n == "Table2") {  // sidebar: date box and eleven button sockets
    Plate(cr, 0, 0, 80, 540, kSteel);
    Plate(cr, 6, 6, 68, 42, Hex(0x26291F), false);
    for (int i = 0; i < 11; ++i) Plate(cr, 17, 51 + 49 * i, 46, 46, Hex(0x2E3128), false);
  } else if (n == "Pictogram") {
    static const char* kIcons[] = {"MAP", "ARMY", "NEW", "STAFF", "ECO",
                                   "OPT", "DISK", "END", "?",     "QUIT"};
    if (p <= 19) {
      const bool pressed = p >= 10;
      int k = p % 10;
      const char* icon = kIcons[k];
      if (p == 10) icon = "MAP1";
      if (p == 11) icon = "AIR";
      Plate(cr, 0, 0, 40, 40, pressed ? Hex(0xB8A26A) : Hex(0x7E8A6A), !pressed);
      Label(cr, icon, 20, 20, std::string(icon).size() > 3 ? 9 : 11, kInk);
    } else if (p == 20) {
      Plate(cr, 0, 0, 40, 40, Hex(0x4A4A46), false);
    } else if (p == 21 || p == 22) {
      Plate(cr, 0, 0, 40, 40, p == 21 ? Hex(0xB02A20) : Hex(0x6A6E62));
      Label(cr, p == 21 ? "SU" : "DE", 20, 20, 14, kWhite);
    } else if (p == 23 || p == 24) {  // a frame over the button, its face left to show
      SetColor(cr, p == 23 ? Hex(0xFFE060) : Hex(0xA08020));
      cairo_set_line_width(cr, 3);
      cairo_rectangle(cr, 1.5, 1.5, 37, 37);
      cairo_stroke(cr);
    } else if (p >= 25 && p <= 28) {  // frame halves of an 80 x 40 page button
      const bool light = p <= 26, left = p % 2 == 1;
      cairo_translate(cr, left ? 0 : -40, 0);
      SetColor(cr, light ? Hex(0xFFE060) : Hex(0xA08020));
      cairo_set_line_width(cr, 3);
      cairo_rectangle(cr, 1.5, 1.5, 77, 37);
      cairo_stroke(cr);
    } else if (p == 29) {
      Plate(cr, 0, 0, 40, 40, Hex(0xB8A26A), false);
      Label(cr, "MAP2", 20, 20, 9, kInk);
    }
  } else if (n == "Cursors") {
    PaintCursors(cr, p);
  } else if (n == "Table3") {
    PaintTable3(cr, p);
  } else if (n == "Table4") {
    PaintTable4(cr, p);
  } else if (n == "Table5") {
    PaintScene(cr, 3, p, 10);
  } else if (n == "Final") {
    PaintScene(cr, p / 12, p % 12, 4);
  } else if (n == "Config") {
    PaintConfigPicture(cr);
  } else if (n == "special") {  // slot frame
    SetColor(cr, Hex(0x8A7E5E));
    cairo_set_line_width(cr, 3);
    cairo_rectangle(cr, 1.5, 1.5, 97, 37);
    cairo_stroke(cr);
    SetColor(cr, Hex(0x2A261C));
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, 3.5, 3.5, 93, 33);
    cairo_stroke(cr);
  }
}

}  // namespace gm::art
