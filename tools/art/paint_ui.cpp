// Panels, window tiles, sidebar buttons, cursors and marks of the first image archive.
#include <algorithm>
#include <cmath>
#include <string>

#include "tools/art/paint.hpp"

namespace gm::art {
namespace {

constexpr double kPi = 3.14159265358979;
const Rgb kSteel = Hex(0x4A4F45);
const Rgb kWindow = kWindowGround;
const Rgb kPanel = Hex(0xC9BC94);  // light faces of buttons and plates
const Rgb kButton = kPanel;        // the page buttons' face, one for every meaning
const Rgb kTopicFace = Hex(0x3E4434);
// The grounds that texts are written on are dark: every glyph font is light on a dark shadow.
const Rgb kPage = Hex(0x32362B);
const Rgb kPanelFrame = Hex(0x8A7650);
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

// The page buttons: an 80 x 40 plate centred on the seam of two 60 px window tiles. Screens pair
// the halves freely (the Economy window puts OK's left half beside its own Close), so the left
// halves are plain and alike, and the mark sits wholly in the right half: a tick (OK, Confirm,
// Yes, Apply, Start, and Close or Exit where nothing is undone), a cross (Cancel, No, and Close
// where it drops what was set), or none. The plate is drawn whole and cut, so the two halves
// meet without a seam.
enum class ButtonMark { kNone, kTick, kCross };

void ButtonPlate(cairo_t* cr, bool left, Rgb face) {
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, 60, 60);
  cairo_clip(cr);
  cairo_translate(cr, left ? 0 : -60, 0);  // the button spans x 20..99 of the tile pair
  Plate(cr, 20, 10, 80, 40, face);
  cairo_restore(cr);
}

// The mark of a right half, centred in the half's 40 x 40 face.
void ButtonMarkInk(cairo_t* cr, ButtonMark mark, bool usable) {
  if (mark == ButtonMark::kNone) return;
  auto path = [&] {
    if (mark == ButtonMark::kTick) {
      cairo_move_to(cr, 9, 30), cairo_line_to(cr, 16, 38), cairo_line_to(cr, 30, 20);
    } else {
      cairo_move_to(cr, 11, 21), cairo_line_to(cr, 29, 39);
      cairo_move_to(cr, 29, 21), cairo_line_to(cr, 11, 39);
    }
  };
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  if (usable) {  // a dark rim, then the colour: green for going on, red for backing out
    path();
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
    path();
    SetColor(cr, mark == ButtonMark::kTick ? Hex(0x3E9A34) : Hex(0xD03A24));
    cairo_set_line_width(cr, 4.5);
    cairo_stroke(cr);
  } else {
    path();
    SetColor(cr, Hex(0x8E8E88));
    cairo_set_line_width(cr, 4.5);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

void ButtonHalf(cairo_t* cr, bool left, ButtonMark mark, Rgb face, bool usable) {
  FramedTile(cr, kWindow, kWindow, false, false, false, false, 29);
  ButtonPlate(cr, left, usable ? face : Hex(0x6A6A64));
  if (!left) ButtonMarkInk(cr, mark, usable);
}

// Table3 30..32: the strip that holds a line of text or a picture (the Economy window's nation
// header, the production page's model card and picture frame, the save rows, the title's
// bands), left end, middle and right end, laid side by side in any number. A dark ground framed
// like the inner panel, with side frames where the panel has them, so that the production
// page's balance panel runs on into the header below it; under it the window's bottom edge,
// which the model card covers.
void TextStrip(cairo_t* cr, int p) {
  FramedTile(cr, kWindow, kSteel, false, false, true, false, p);
  const Rgb frame = kPanelFrame, light = Mix(frame, Hex(0xFFFFFF), 0.45),
            dark = Mix(frame, Hex(0x000000), 0.5);
  constexpr double kTop = 10, kBottom = 52;
  Rect(cr, 0, kTop, 60, kBottom - kTop, kPage);
  Dice d{uint32_t(p)};
  for (int i = 0; i < 24; ++i) {  // the inner panel's grain
    SetColor(cr, Mix(kPage, Hex(0x000000), 0.12), 0.5);
    cairo_rectangle(cr, std::floor(d.Range(0, 60)), std::floor(d.Range(kTop + 2, kBottom - 2)), 1,
                    1);
    cairo_fill(cr);
  }
  Rect(cr, 0, kTop, 60, 2, frame), Rect(cr, 0, kTop, 60, 1, light);
  Rect(cr, 0, kBottom - 2, 60, 2, frame), Rect(cr, 0, kBottom - 1, 60, 1, dark);
  if (p == 30)
    Rect(cr, 0, kTop, 6, kBottom - kTop, frame), Rect(cr, 0, kTop, 2, kBottom - kTop, light);
  if (p == 32)
    Rect(cr, 54, kTop, 6, kBottom - kTop, frame), Rect(cr, 58, kTop, 2, kBottom - kTop, dark);
}

void PaintTable3(cairo_t* cr, int p) {
  if (p >= 100 && p < 150) {  // title picture
    PaintTitlePicture(cr, p - 100);
    return;
  }
  if (p >= 150 && p < 174) {  // action window background: parchment card, 6 x 4 tiles
    const int c = (p - 150) % 6, r = (p - 150) / 6;
    FramedTile(cr, kCard, kPanelFrame, r == 0, c == 5, r == 3, c == 0, p);
    return;
  }
  if (FramePiece(cr, p, kPage, kPanelFrame, p)) return;
  if (p >= 20 && p <= 28) {  // the outer window frame, laid out as the inner panel's
    FramePiece(cr, p - 20, kWindow, kSteel, p);
    return;
  }
  if (p >= 60 && p <= 69) {
    FramePiece(cr, p - 60, kList, Hex(0x5C6A58), p);
    return;
  }
  switch (p) {
    case 10:  // OK or Apply that cannot be used now
    case 11:
      ButtonHalf(cr, p == 10, ButtonMark::kTick, kButton, false);
      return;
    case 12:
    case 13:
      ButtonHalf(cr, p == 12, ButtonMark::kTick, kButton, true);
      return;
    case 14:
    case 15:
      ButtonHalf(cr, p == 14, ButtonMark::kCross, kButton, true);
      return;
    case 16:  // help topic button: its label is light text, so the face is dark
    case 17:
      ButtonHalf(cr, p == 16, ButtonMark::kNone, kTopicFace, true);
      return;
    case 29:
      FramedTile(cr, kWindow, kWindow, false, false, false, false, p);
      return;
    case 30:
    case 31:
    case 32:
      TextStrip(cr, p);
      return;
    case 33:
    case 34:
      // A disk with an arrow out of it (load) or into it (save); the page's heading names the
      // mode.
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
    case 35:  // the save rows' spare cells: plain window, nothing is shown in them
    case 36:
      FramedTile(cr, kWindow, kWindow, false, false, false, false, p);
      return;
    case 39:
      FramedTile(cr, kWindow, kWindow, false, false, false, false, p);
      Plate(cr, 6, 12, 48, 36, kPanel);
      Label(cr, "SLOT", 30, 30, 11, kInk);
      return;
    case 57:  // an empty slot: the button's socket, sunk and dark
      FramedTile(cr, kWindow, kWindow, false, false, false, false, p);
      Plate(cr, 6, 12, 48, 36, Hex(0x2E2C26), false);
      return;
    case 40:  // the Economy window's Close: a right half that also carries the window's edge
      FramedTile(cr, kWindow, kSteel, false, true, false, false, p);
      ButtonPlate(cr, false, kButton);
      ButtonMarkInk(cr, ButtonMark::kCross, true);
      return;
  }
  if ((p >= 41 && p <= 49) || p == 56) {  // the title's panel of the coalitions, 5 x 2 tiles
    PaintCoalitionPanel(cr, p == 56 ? 0 : p - 40);
    return;
  }
  if ((p >= 50 && p <= 55) || (p >= 90 && p <= 95)) {  // economy tabs
    const bool chosen = p >= 90;
    const int tab = chosen ? p - 90 : p - 50;
    static const char* kTabs[] = {"ECO", "UNITS", "STORE", "REPAIR", "PROD", "LOSS"};
    FramedTile(cr, kWindow, kWindow, false, false, false, false, p);
    Plate(cr, 10, 10, 40, 40, chosen ? kGold : Hex(0x8A7E5E), !chosen);
    // A word that would touch the plate's edges is set smaller.
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 10);
    cairo_text_extents_t e;
    cairo_text_extents(cr, kTabs[tab], &e);
    Label(cr, kTabs[tab], 30, 30, std::min(10.0, 10 * 34 / e.width), kInk);
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
    // A slot with a light rim, so that it shows on the dark panels the switches stand on.
    const double left = p == 14 ? 2 : 0, right = p == 16 ? 13 : 15;
    Rect(cr, left, 5, right - left, 5, Hex(0xA8A290));
    Rect(cr, left + (p == 14 ? 1 : 0), 6, right - left - (p == 15 ? 0 : 1), 3, kInk);
    return;
  }
  if (p == 17) {  // list cursor bar, dark enough under both list fonts
    SetColor(cr, Hex(0x2A4A78), 1);
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
    case 0:  // the merge keys' ground: the white key letters go over the cell's own symbol
      Rect(cr, 2, 2, 56, 56, kCard);
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
    case 13: {  // Start's label across two tiles: words and an arrow towards it, set on the
                // window itself, so that nothing but Start looks like a button
      cairo_translate(cr, p == 12 ? 0 : -60, 0);
      cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
      cairo_set_font_size(cr, 14);
      cairo_text_extents_t e;
      cairo_text_extents(cr, "NEW GAME", &e);
      cairo_move_to(cr, std::round(52 - e.width / 2 - e.x_bearing),
                    std::round(30 - e.height / 2 - e.y_bearing));
      cairo_text_path(cr, "NEW GAME");
      cairo_move_to(cr, 104, 20), cairo_line_to(cr, 116, 30), cairo_line_to(cr, 104, 40);
      cairo_close_path(cr);
      cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
      cairo_set_line_width(cr, 3);
      SetColor(cr, kInk);  // a dark rim keeps the edges clean on the keyed ground
      cairo_stroke_preserve(cr);
      SetColor(cr, kGold);
      cairo_fill(cr);
      return;
    }
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
    case 2:  // the selected air regiment's own cell
    case 9:
      frame(p == 9 ? Hex(0xB0E0FF) : Hex(0x5090D0), p == 9 ? 3 : 2);
      return;
    case 3:  // an air-strike target: a falling bomb
    case 6: {
      const Rgb c = p == 3 ? Hex(0xFF6040) : Hex(0xA03020);
      frame(c, 2);
      SetColor(cr, c);
      cairo_arc(cr, 30, 34, 8, 0, 2 * kPi);
      cairo_fill(cr);
      cairo_move_to(cr, 24, 14), cairo_line_to(cr, 36, 14), cairo_line_to(cr, 30, 27);
      cairo_close_path(cr);
      cairo_fill(cr);
      return;
    }
    case 4:  // an enemy air regiment in reach: a gun sight over a wing
    case 7: {
      const Rgb c = p == 4 ? Hex(0xF060F0) : Hex(0x902090);
      frame(c, 2);
      SetColor(cr, c);
      cairo_set_line_width(cr, 3);
      cairo_move_to(cr, 14, 32), cairo_line_to(cr, 46, 32);
      cairo_move_to(cr, 30, 22), cairo_line_to(cr, 30, 44);
      cairo_stroke(cr);
      cairo_set_line_width(cr, 1.5);
      cairo_arc(cr, 30, 32, 14, 0, 2 * kPi);
      cairo_stroke(cr);
      return;
    }
    case 5:  // the air grid's fifth mark: a dashed frame
    case 8: {
      SetColor(cr, p == 5 ? Hex(0x80F0F0) : Hex(0x408080));
      cairo_set_line_width(cr, 2);
      const double dash[] = {6, 4};
      cairo_set_dash(cr, dash, 2, 0);
      cairo_rectangle(cr, 2, 2, 56, 56);
      cairo_stroke(cr);
      cairo_set_dash(cr, nullptr, 0, 0);
      return;
    }
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
  if (n == "Table1") {  // bottom panel: the status lines' well, and the Quit button's socket
    Plate(cr, 0, 0, 800, 60, kSteel);
    Plate(cr, 8, 8, 704, 44, Hex(0x26291F), false);
    Plate(cr, 737, 1, 46, 46, Hex(0x2E3128), false);  // the sidebar's eleventh, at (740, 544)
  } else if (n == "Table2") {  // sidebar: date box and the first ten button sockets
    Plate(cr, 0, 0, 80, 540, kSteel);
    Plate(cr, 6, 6, 68, 42, Hex(0x26291F), false);
    for (int i = 0; i < 10; ++i) Plate(cr, 17, 51 + 49 * i, 46, 46, Hex(0x2E3128), false);
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
    PaintQuitPicture(cr, p);
  } else if (n == "Final") {
    PaintFinalPicture(cr, p / 12, p % 12);
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
