// Panels, window tiles, sidebar buttons, cursors and marks of the first image archive.
#include <algorithm>
#include <cmath>
#include <optional>
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

// The tile of a frame, with the edges it carries; false for a tile of none of them.
bool FramePiece(cairo_t* cr, const FrameTiles<ImageId::kTable3>& frame, sprite::WindowTile t,
                Rgb fill, Rgb edge) {
  const struct {
    sprite::WindowTile tile;
    bool top, right, bottom, left;
  } pieces[] = {
      {frame.topLeft, true, false, false, true},     {frame.top, true, false, false, false},
      {frame.topRight, true, true, false, false},    {frame.right, false, true, false, false},
      {frame.bottomLeft, false, false, true, true},  {frame.bottom, false, false, true, false},
      {frame.bottomRight, false, true, true, false}, {frame.left, false, false, false, true},
      {frame.plain, false, false, false, false},     {frame.interior, false, false, false, false},
  };
  for (const auto& piece : pieces) {
    if (piece.tile != t) continue;
    FramedTile(cr, fill, edge, piece.top, piece.right, piece.bottom, piece.left, t.pattern);
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

// The strip that holds a line of text or a picture (the Economy window's nation
// header, the production page's model card and picture frame, the save rows, the title's
// bands), left end, middle and right end, laid side by side in any number. A dark ground framed
// like the inner panel, with side frames where the panel has them, so that the production
// page's balance panel runs on into the header below it; under it the window's bottom edge,
// which the model card covers.
void TextStrip(cairo_t* cr, sprite::WindowTile t) {
  const int p = t.pattern;
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
  if (t == sprite::kTextStrip.left)
    Rect(cr, 0, kTop, 6, kBottom - kTop, frame), Rect(cr, 0, kTop, 2, kBottom - kTop, light);
  if (t == sprite::kTextStrip.right)
    Rect(cr, 54, kTop, 6, kBottom - kTop, frame), Rect(cr, 58, kTop, 2, kBottom - kTop, dark);
}

// The halves of the page buttons: OK or Apply that cannot be used now, OK, Cancel, and a Help
// topic, whose label is light text, so its face is dark.
bool PageButtonHalf(cairo_t* cr, sprite::WindowTile t) {
  const struct {
    SpriteHalves<ImageId::kTable3> halves;
    ButtonMark mark;
    Rgb face;
    bool usable;
  } buttons[] = {
      {sprite::kDeadOkButton, ButtonMark::kTick, kButton, false},
      {sprite::kOkButton, ButtonMark::kTick, kButton, true},
      {sprite::kCancelButton, ButtonMark::kCross, kButton, true},
      {sprite::kTopicButton, ButtonMark::kNone, kTopicFace, true},
  };
  for (const auto& b : buttons) {
    if (t != b.halves.left && t != b.halves.right) continue;
    ButtonHalf(cr, t == b.halves.left, b.mark, b.face, b.usable);
    return true;
  }
  return false;
}

// The save rows' mode button: a disk with an arrow out of it (load) or into it (save); the
// page's heading names the mode.
void SaveModeButton(cairo_t* cr, bool load, int seed) {
  FramedTile(cr, kWindow, kWindow, false, false, false, false, seed);
  Plate(cr, 6, 12, 48, 36, load ? Hex(0x7A9AB0) : Hex(0xB08A6A));
  SetColor(cr, kInk);
  cairo_rectangle(cr, 15, 24, 18, 18);  // the disk
  cairo_fill(cr);
  SetColor(cr, Hex(0xD8D4C8));
  cairo_rectangle(cr, 19, 34, 10, 7);  // its label
  cairo_fill(cr);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 3);
  cairo_move_to(cr, 40, load ? 34 : 16), cairo_line_to(cr, 40, load ? 18 : 32);
  cairo_stroke(cr);
  if (load) {
    cairo_move_to(cr, 34, 22), cairo_line_to(cr, 40, 15), cairo_line_to(cr, 46, 22);
  } else {
    cairo_move_to(cr, 34, 28), cairo_line_to(cr, 40, 35), cairo_line_to(cr, 46, 28);
  }
  cairo_close_path(cr);
  cairo_fill(cr);
}

void EconomyTab(cairo_t* cr, int tab, bool chosen, int seed) {
  static const char* kTabs[] = {"ECO", "UNITS", "STORE", "REPAIR", "PROD", "LOSS"};
  FramedTile(cr, kWindow, kWindow, false, false, false, false, seed);
  Plate(cr, 10, 10, 40, 40, chosen ? kGold : Hex(0x8A7E5E), !chosen);
  // A word that would touch the plate's edges is set smaller.
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 10);
  cairo_text_extents_t e;
  cairo_text_extents(cr, kTabs[tab], &e);
  Label(cr, kTabs[tab], 30, 30, std::min(10.0, 10 * 34 / e.width), kInk);
}

// The Unit staff page's amount buttons 0..4 and the automatic refit (5).
constexpr int kAutoRefitStep = 5;
void StepButton(cairo_t* cr, int step, bool usable, int seed) {
  static const char* kSteps[] = {"+1", "+5", "+10", "+100", "+1000", "AUTO"};
  FramedTile(cr, kWindow, kWindow, false, false, false, false, seed);
  const Rgb face = step == kAutoRefitStep ? Hex(0xB8A26A) : Hex(0x9CB07A);
  Plate(cr, 6, 8, 48, 44, usable ? face : Hex(0x6E6E6A));
  const Rgb ink = usable ? kInk : Hex(0x9A9A94);
  if (step == kAutoRefitStep) {  // a circling arrow over its word
    cairo_set_line_width(cr, 2.5);
    SetColor(cr, ink);
    cairo_arc(cr, 30, 22, 8, 0.3, 2 * kPi - 0.6);
    cairo_stroke(cr);
    cairo_move_to(cr, 38.5, 14), cairo_line_to(cr, 39.5, 22.5), cairo_line_to(cr, 32, 19.5);
    cairo_close_path(cr);
    cairo_fill(cr);
    Label(cr, kSteps[step], 30, 41, 10, ink);
  } else {
    Label(cr, kSteps[step], 30, 30, step == 4 ? 11 : 13, ink);
  }
}

void PaintTable3(cairo_t* cr, sprite::WindowTile t) {
  const int p = t.pattern;  // also the seed of the tile's grain
  if (sprite::kTitlePicture.Holds(t)) {
    PaintTitlePicture(cr, sprite::kTitlePicture.IndexOf(t));
    return;
  }
  if (sprite::kUnitCard.Holds(t)) {  // a dark card, 6 x 4 tiles
    const int c = sprite::kUnitCard.IndexOf(t) % 6, r = sprite::kUnitCard.IndexOf(t) / 6;
    FramedTile(cr, kCard, kPanelFrame, r == 0, c == 5, r == 3, c == 0, p);
    return;
  }
  if (FramePiece(cr, sprite::kInnerPanel, t, kPage, kPanelFrame)) return;
  if (FramePiece(cr, sprite::kWindow, t, kWindow, kSteel)) return;
  if (FramePiece(cr, sprite::kListPanel, t, kList, Hex(0x5C6A58))) return;
  if (PageButtonHalf(cr, t)) return;
  if (t == sprite::kTextStrip.left || t == sprite::kTextStrip.middle ||
      t == sprite::kTextStrip.right) {
    TextStrip(cr, t);
    return;
  }
  if (sprite::kSaveModeButtons.Holds(t)) {
    SaveModeButton(cr, sprite::kSaveModeButtons.IndexOf(t) == 0, p);
    return;
  }
  if (t == sprite::kSlotButton) {
    FramedTile(cr, kWindow, kWindow, false, false, false, false, p);
    Plate(cr, 6, 12, 48, 36, kPanel);
    Label(cr, "SLOT", 30, 30, 11, kInk);
    return;
  }
  if (t == sprite::kEmptySlot) {  // the button's socket, sunk and dark
    FramedTile(cr, kWindow, kWindow, false, false, false, false, p);
    Plate(cr, 6, 12, 48, 36, Hex(0x2E2C26), false);
    return;
  }
  if (t == sprite::kEconomyCloseRight) {  // a right half that also carries the window's edge
    FramedTile(cr, kWindow, kSteel, false, true, false, false, p);
    ButtonPlate(cr, false, kButton);
    ButtonMarkInk(cr, ButtonMark::kCross, true);
    return;
  }
  for (int i = 0; i < sprite::kCoalitionPanelTiles; ++i) {
    if (t != sprite::CoalitionPanelTile(i)) continue;
    PaintCoalitionPanel(cr, i);
    return;
  }
  if (sprite::kEconomyTabs.Holds(t)) {
    EconomyTab(cr, sprite::kEconomyTabs.IndexOf(t), false, p);
    return;
  }
  if (sprite::kChosenEconomyTabs.Holds(t)) {
    EconomyTab(cr, sprite::kChosenEconomyTabs.IndexOf(t), true, p);
    return;
  }
  if (sprite::kStepButtons.Holds(t)) {
    StepButton(cr, sprite::kStepButtons.IndexOf(t), true, p);
    return;
  }
  if (sprite::kDeadStepButtons.Holds(t)) {
    StepButton(cr, sprite::kDeadStepButtons.IndexOf(t), false, p);
    return;
  }
  if (t == sprite::kAutoRefitButton || t == sprite::kDeadAutoRefitButton) {
    StepButton(cr, kAutoRefitStep, t == sprite::kAutoRefitButton, p);
    return;
  }
  // Spare cells, and the save rows' two cells beside the slot button: plain window.
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

// The direction each scroll pointer's arrow points in, towards its edge or corner.
std::optional<double> ScrollPointerAngle(sprite::CursorSprite s) {
  const struct {
    sprite::CursorSprite pointer;
    double angle;
  } pointers[] = {
      {sprite::kPointerScrollWest, kPi},
      {sprite::kPointerScrollEast, 0},
      {sprite::kPointerScrollNorth, -kPi / 2},
      {sprite::kPointerScrollSouth, kPi / 2},
      {sprite::kPointerScrollNorthWest, -3 * kPi / 4},
      {sprite::kPointerScrollNorthEast, -kPi / 4},
      {sprite::kPointerScrollSouthEast, kPi / 4},
      {sprite::kPointerScrollSouthWest, 3 * kPi / 4},
  };
  for (const auto& p : pointers) {
    if (p.pointer == s) return p.angle;
  }
  return std::nullopt;
}

void PaintCursors(cairo_t* cr, sprite::CursorSprite s) {
  cairo_set_line_width(cr, 1.5);
  if (const std::optional<double> angle = ScrollPointerAngle(s)) {
    cairo_save(cr);
    cairo_translate(cr, 7.5, 7.5);
    cairo_rotate(cr, *angle);
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
  if (s == sprite::kPointerArrow || s == sprite::kPointerHand) {
    Arrow(cr, 0.5, 0.5, 0, s == sprite::kPointerArrow ? kWhite : kGold);
    return;
  }
  if (s == sprite::kPointerTarget) {
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
  if (sprite::kOrdersLeftMarks.Holds(s)) {  // pips for the orders left
    const int left = 2 - sprite::kOrdersLeftMarks.IndexOf(s);
    Plate(cr, 0, 0, 15, 15, left == 0 ? Hex(0x8A3A30) : Hex(0x3E6A3A));
    SetColor(cr, kWhite);
    for (int i = 0; i < left; ++i) {
      cairo_arc(cr, left == 1 ? 7.5 : 4.5 + 6 * i, 7.5, 2.2, 0, 2 * kPi);
      cairo_fill(cr);
    }
    return;
  }
  if (s == sprite::kSwitchKnob) {
    Plate(cr, 2, 1, 11, 13, kGold);
    return;
  }
  const SpriteBar<ImageId::kCursors>& slot = sprite::kSwitchSlot;
  if (s == slot.left || s == slot.middle || s == slot.right) {
    // A slot with a light rim, so that it shows on the dark panels the switches stand on.
    const double left = s == slot.left ? 2 : 0, right = s == slot.right ? 13 : 15;
    Rect(cr, left, 5, right - left, 5, Hex(0xA8A290));
    Rect(cr, left + (s == slot.left ? 1 : 0), 6, right - left - (s == slot.middle ? 0 : 1), 3,
         kInk);
    return;
  }
  if (s == sprite::kListCursorBar) {  // dark enough under both list fonts
    SetColor(cr, Hex(0x2A4A78), 1);
    cairo_rectangle(cr, 0, 1, 15, 13);
    cairo_fill(cr);
    return;
  }
  if (sprite::kListUpArrow.Holds(s) || sprite::kListDownArrow.Holds(s)) {
    // One 60 px arrow plate cut into four segments.
    const bool up = sprite::kListUpArrow.Holds(s);
    const int seg = up ? sprite::kListUpArrow.IndexOf(s) : sprite::kListDownArrow.IndexOf(s);
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
  // Nation 0 never plays: the pictures before the marks and the flags keep its places.
  if (sprite::kNationMarks.Holds(s)) {
    NationMark(cr, sprite::kNationMarks.IndexOf(s) + 1, false);
    return;
  }
  if (sprite::kLitNationMarks.Holds(s)) {
    NationMark(cr, sprite::kLitNationMarks.IndexOf(s) + 1, true);
    return;
  }
  if (s == sprite::kGridMark) {  // at an inner cell corner
    SetColor(cr, Hex(0xE0E0D0), 0.9);
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, 7.5, 3), cairo_line_to(cr, 7.5, 12);
    cairo_move_to(cr, 3, 7.5), cairo_line_to(cr, 12, 7.5);
    cairo_stroke(cr);
    return;
  }
  for (const bool light : {true, false}) {
    const SpriteRun<ImageId::kCursors> flags =
        light ? sprite::kSettlementFlagsLight : sprite::kSettlementFlagsDark;
    if (!flags.Holds(s)) continue;
    const int i = flags.IndexOf(s);
    SettlementFlag(cr, i / 2 + 1, light, i % 2 == 0);
    return;
  }
  for (const bool light : {true, false}) {  // the bar under a hovered line
    const SpriteBar<ImageId::kCursors> bar = light ? sprite::kHoverBarLight : sprite::kHoverBarDark;
    if (s != bar.left && s != bar.middle && s != bar.right) continue;
    SetColor(cr, light ? Hex(0xE8C25A) : Hex(0x9A7A30), 0.9);
    cairo_rectangle(cr, s == bar.left ? 2 : 0, 12, s == bar.middle ? 15 : 13, 3);
    cairo_fill(cr);
    return;
  }
  for (const bool light : {true, false}) {  // anti-aircraft fire: tracers from the neighbour's side
    const SpriteRun<ImageId::kCursors> fire =
        light ? sprite::kAntiAircraftFireLight : sprite::kAntiAircraftFireDark;
    if (!fire.Holds(s)) continue;
    const int n = sprite::kAntiAircraftNeighbours[static_cast<std::size_t>(fire.IndexOf(s))];
    const double dx = n / 3 - 1, dy = n % 3 - 1;
    SetColor(cr, light ? Hex(0xFFE060) : Hex(0xFF8020));
    cairo_set_line_width(cr, 1.5);
    for (int i = -1; i <= 1; ++i) {
      cairo_move_to(cr, 7.5 + dx * 7 - i * dy * 3, 7.5 + dy * 7 + i * dx * 3);
      cairo_line_to(cr, 7.5 - i * dy * 1.5, 7.5 + i * dx * 1.5);
    }
    cairo_stroke(cr);
    return;
  }
}

void PaintTable4(cairo_t* cr, sprite::MapMark m) {
  using sprite::kAirFifthMark, sprite::kAirStrikeTarget, sprite::kArtilleryTarget,
      sprite::kAssaultTarget, sprite::kCellFrame, sprite::kEmptyCellFrame, sprite::kEnemyAirTarget,
      sprite::kNewGameLabel, sprite::kOwnAirCell, sprite::kOwnCell, sprite::kTileButtonFlash;
  const int p = m.pattern;
  auto frame = [&](Rgb c, double width) {
    SetColor(cr, c);
    cairo_set_line_width(cr, width);
    cairo_rectangle(cr, width / 2 + 1, width / 2 + 1, 58 - width, 58 - width);
    cairo_stroke(cr);
  };
  switch (p) {
    case sprite::kMergeKeysGround
        .pattern:  // the merge keys' ground: the white key letters go over the cell's own symbol
      Rect(cr, 2, 2, 56, 56, kCard);
      frame(Hex(0xFFFFFF), 3);
      return;
    case kOwnCell.dark.pattern:
      frame(Hex(0x80C0FF), 2);
      return;
    case kOwnCell.light.pattern:
      frame(Hex(0xFFFFFF), 3);
      return;
    case kCellFrame.light.pattern:
      frame(Hex(0xFFE060), 3);
      return;
    case kCellFrame.dark.pattern:
      frame(Hex(0xA08020), 3);
      return;
    case kEmptyCellFrame.light.pattern:
      frame(Hex(0xE0E0E0), 1);
      return;
    case kEmptyCellFrame.dark.pattern:
      frame(Hex(0x909090), 1);
      return;
    case kNewGameLabel.left.pattern:
    case kNewGameLabel.right
        .pattern: {  // Start's label across two tiles: words and an arrow towards it, set on the
                     // window itself, so that nothing but Start looks like a button
      cairo_translate(cr, m == kNewGameLabel.left ? 0 : -60, 0);
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
    case kArtilleryTarget.light.pattern:
    case kArtilleryTarget.dark.pattern: {
      const Rgb c = m == kArtilleryTarget.light ? Hex(0xFF9020) : Hex(0xA05010);
      frame(c, 2);
      SetColor(cr, c);
      cairo_arc(cr, 30, 30, 12, 0, 2 * kPi);
      cairo_move_to(cr, 30, 12), cairo_line_to(cr, 30, 48);
      cairo_move_to(cr, 12, 30), cairo_line_to(cr, 48, 30);
      cairo_stroke(cr);
      return;
    }
    case kAssaultTarget.light.pattern:
    case kAssaultTarget.dark.pattern: {
      const Rgb c = m == kAssaultTarget.light ? Hex(0xFF3020) : Hex(0x901810);
      frame(c, 3);
      SetColor(cr, c);
      cairo_set_line_width(cr, 4);
      cairo_move_to(cr, 16, 16), cairo_line_to(cr, 44, 44);
      cairo_move_to(cr, 44, 16), cairo_line_to(cr, 16, 44);
      cairo_stroke(cr);
      return;
    }
    case sprite::kShade.pattern:  // shade: a stipple so the terrain shows through
      SetColor(cr, Hex(0x101010));
      for (int y = 0; y < 60; ++y)
        for (int x = (y & 1); x < 60; x += 2) cairo_rectangle(cr, x, y, 1, 1);
      cairo_fill(cr);
      return;
    case sprite::kMoveTarget.pattern:
      frame(Hex(0x60E060), 2);
      return;
    case kOwnAirCell.dark.pattern:  // the selected air regiment's own cell
    case kOwnAirCell.light.pattern: {
      const bool light = m == kOwnAirCell.light;
      frame(light ? Hex(0xB0E0FF) : Hex(0x5090D0), light ? 3 : 2);
      return;
    }
    case kAirStrikeTarget.light.pattern:  // a falling bomb
    case kAirStrikeTarget.dark.pattern: {
      const Rgb c = m == kAirStrikeTarget.light ? Hex(0xFF6040) : Hex(0xA03020);
      frame(c, 2);
      SetColor(cr, c);
      cairo_arc(cr, 30, 34, 8, 0, 2 * kPi);
      cairo_fill(cr);
      cairo_move_to(cr, 24, 14), cairo_line_to(cr, 36, 14), cairo_line_to(cr, 30, 27);
      cairo_close_path(cr);
      cairo_fill(cr);
      return;
    }
    case kEnemyAirTarget.light.pattern:  // a gun sight over a wing
    case kEnemyAirTarget.dark.pattern: {
      const Rgb c = m == kEnemyAirTarget.light ? Hex(0xF060F0) : Hex(0x902090);
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
    case kAirFifthMark.light.pattern:  // a dashed frame
    case kAirFifthMark.dark.pattern: {
      SetColor(cr, m == kAirFifthMark.light ? Hex(0x80F0F0) : Hex(0x408080));
      cairo_set_line_width(cr, 2);
      const double dash[] = {6, 4};
      cairo_set_dash(cr, dash, 2, 0);
      cairo_rectangle(cr, 2, 2, 56, 56);
      cairo_stroke(cr);
      cairo_set_dash(cr, nullptr, 0, 0);
      return;
    }
    case kTileButtonFlash.light.pattern:
    case kTileButtonFlash.dark.pattern:
      frame(m == kTileButtonFlash.light ? Hex(0xFFE060) : Hex(0xA08020), 4);
      return;
  }
  if (sprite::kCombatFire.Holds(m)) {  // a burst that grows into smoke
    const int t = sprite::kCombatFire.IndexOf(m);
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

// A sidebar button's face: a word on a plate, pressed in where the button shows an open page, or
// the view or layer it switched to.
void PaintPictogram(cairo_t* cr, sprite::PictogramSprite s) {
  static const char* kPageIcons[] = {"NEW", "STAFF", "ECO", "OPT", "DISK", "END", "?", "QUIT"};
  const char* icon = nullptr;
  bool pressed = false;
  if (s == sprite::kZoomBattlefieldButton) icon = "MAP";
  if (s == sprite::kLayerArmyButton) icon = "ARMY";
  if (s == sprite::kZoomMap1Button) icon = "MAP1", pressed = true;
  if (s == sprite::kLayerAirButton) icon = "AIR", pressed = true;
  if (s == sprite::kZoomMap2Button) icon = "MAP2", pressed = true;
  if (sprite::kPageButtons.Holds(s)) icon = kPageIcons[sprite::kPageButtons.IndexOf(s)];
  if (sprite::kOpenPageButtons.Holds(s)) {
    icon = kPageIcons[sprite::kOpenPageButtons.IndexOf(s)], pressed = true;
  }
  if (icon != nullptr) {
    Plate(cr, 0, 0, 40, 40, pressed ? Hex(0xB8A26A) : Hex(0x7E8A6A), !pressed);
    Label(cr, icon, 20, 20, std::string(icon).size() > 3 ? 9 : 11, kInk);
  } else if (s == sprite::kDisabledButton) {
    Plate(cr, 0, 0, 40, 40, Hex(0x4A4A46), false);
  } else if (s == sprite::kSovietSideOnMove || s == sprite::kGermanSideOnMove) {
    const bool soviet = s == sprite::kSovietSideOnMove;
    Plate(cr, 0, 0, 40, 40, soviet ? Hex(0xB02A20) : Hex(0x6A6E62));
    Label(cr, soviet ? "SU" : "DE", 20, 20, 14, kWhite);
  } else if (s == sprite::kButtonFrame.light || s == sprite::kButtonFrame.dark) {
    // A frame over the button, its face left to show.
    SetColor(cr, s == sprite::kButtonFrame.light ? Hex(0xFFE060) : Hex(0xA08020));
    cairo_set_line_width(cr, 3);
    cairo_rectangle(cr, 1.5, 1.5, 37, 37);
    cairo_stroke(cr);
  }
  for (const bool light : {true, false}) {  // the frame's halves over an 80 x 40 page button
    const SpriteHalves<ImageId::kPictogram> halves =
        light ? sprite::kPageButtonFrameLight : sprite::kPageButtonFrameDark;
    if (s != halves.left && s != halves.right) continue;
    cairo_translate(cr, s == halves.left ? 0 : -40, 0);
    SetColor(cr, light ? Hex(0xFFE060) : Hex(0xA08020));
    cairo_set_line_width(cr, 3);
    cairo_rectangle(cr, 1.5, 1.5, 77, 37);
    cairo_stroke(cr);
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

void PaintUi(cairo_t* cr, ImageId image, int p) {
  switch (image) {
    case ImageId::kTable1:  // bottom panel: the status lines' well, and the Quit button's socket
      Plate(cr, 0, 0, 800, 60, kSteel);
      Plate(cr, 8, 8, 704, 44, Hex(0x26291F), false);
      Plate(cr, 737, 1, 46, 46, Hex(0x2E3128), false);  // the sidebar's eleventh, at (740, 544)
      break;
    case ImageId::kTable2:  // sidebar: date box and the first ten button sockets
      Plate(cr, 0, 0, 80, 540, kSteel);
      Plate(cr, 6, 6, 68, 42, Hex(0x26291F), false);
      for (int i = 0; i < 10; ++i) Plate(cr, 17, 51 + 49 * i, 46, 46, Hex(0x2E3128), false);
      break;
    case ImageId::kPictogram:
      PaintPictogram(cr, {p});
      break;
    case ImageId::kCursors:
      PaintCursors(cr, {p});
      break;
    case ImageId::kTable3:
      PaintTable3(cr, {p});
      break;
    case ImageId::kTable4:
      PaintTable4(cr, {p});
      break;
    case ImageId::kTable5:
      PaintQuitPicture(cr, sprite::kQuitPicture.IndexOf({p}));
      break;
    case ImageId::kFinal: {
      const int tile = sprite::kFinalPictures.IndexOf({p});
      PaintFinalPicture(cr, tile / sprite::kFinalPictureTiles, tile % sprite::kFinalPictureTiles);
      break;
    }
    case ImageId::kConfig:
      PaintConfigPicture(cr);
      break;
    case ImageId::kSpecial:  // the frame of a picture slot
      SetColor(cr, Hex(0x8A7E5E));
      cairo_set_line_width(cr, 3);
      cairo_rectangle(cr, 1.5, 1.5, 97, 37);
      cairo_stroke(cr);
      SetColor(cr, Hex(0x2A261C));
      cairo_set_line_width(cr, 1);
      cairo_rectangle(cr, 3.5, 3.5, 93, 33);
      cairo_stroke(cr);
      break;
    default:
      break;
  }
}

}  // namespace gm::art
