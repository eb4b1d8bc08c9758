// Painters of the archive pictures: each draws one pattern of one item with cairo into a cell
// whose top-left corner is the origin.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "tools/art/art_catalogue.hpp"
#include "world/sprite_ids.hpp"

namespace gm::art {

struct Rgb {
  double r, g, b;
};

inline Rgb Hex(uint32_t c) {
  return {((c >> 16) & 255) / 255.0, ((c >> 8) & 255) / 255.0, (c & 255) / 255.0};
}
inline void SetColor(cairo_t* cr, Rgb c, double alpha = 1.0) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}
inline Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// A small deterministic generator for textures.
class Dice {
 public:
  explicit Dice(uint32_t seed) : s_(seed * 2654435761u + 0x6D2B79F5u) {}
  uint32_t Next() {
    s_ ^= s_ << 13;
    s_ ^= s_ >> 17;
    s_ ^= s_ << 5;
    return s_;
  }
  double Unit() { return (Next() & 0xFFFFFF) / double(0x1000000); }
  double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }

 private:
  uint32_t s_;
};

// The windows' ground: dark enough that the small light fonts read on it.
inline const Rgb kWindowGround = Hex(0x585242);

// Colour of nation n (1..8; 10 neutral) on marks, flags and unit symbols.
Rgb NationColor(int nation);

// A bevelled plate of the window and panel style.
void Plate(cairo_t* cr, double x, double y, double w, double h, Rgb base, bool raised = true);
// Text in the sans face, centred on (cx, cy).
void Label(cairo_t* cr, const char* text, double cx, double cy, double size, Rgb color,
           bool bold = true);

// The mark of nation n (1..10) in a 15 x 15 cell; bright: the lit phase.
void NationMark(cairo_t* cr, int nation, bool bright);
// Nation n's flag over the rectangle, drawn for a 24 x 10 cloth (scale it for other sizes).
void FlagCloth(cairo_t* cr, int nation, double x, double y, double w, double h);
// One 15 px half of nation n's 30 x 15 settlement flag, light or dark phase.
void SettlementFlag(cairo_t* cr, int nation, bool light, bool leftHalf);

void PaintTitlePicture(cairo_t* cr, int tile);    // tile 0..49 of the title screen's picture
void PaintConfigPicture(cairo_t* cr);             // the settings dialog's picture
void PaintCoalitionPanel(cairo_t* cr, int tile);  // tile 0..9 of the title's 5 x 2 panel
// Tile 0..11 of the 4 x 3 picture of an outcome: 0 Soviet victory, 1 German victory, 2 the war
// still going on in May 1945.
void PaintFinalPicture(cairo_t* cr, int outcome, int tile);
void PaintQuitPicture(cairo_t* cr, int tile);  // tile 0..49 of the Quit page's 10 x 5 picture

void PaintUi(cairo_t* cr, ImageId image, int pattern);            // tables, buttons, marks
void PaintTerrain(cairo_t* cr, int tile);                         // one of the 675 tiles
void PaintUnit(cairo_t* cr, int formationType, bool ordersLeft);  // Units and Units2
void PaintEquipment(cairo_t* cr, int model);                      // tech01 .. tech08
// Equipment model `model` standing at (centreX, groundY), at the scale given; a silhouette
// colour draws it flat in that colour.
void DrawModel(cairo_t* cr, int model, double centreX, double groundY, double pixelsPerMetre,
               const Rgb* silhouette = nullptr);
void PaintGlyph(cairo_t* cr, const ArtItem& item, int code);  // Font01 .. Font05

}  // namespace gm::art
