// The pictures of the end of the war (Final: 240 x 180 for each outcome, in 60 px tiles) and of
// the Quit page (Table5: 600 x 300). Each must say at a glance what it shows: whose flag flies
// over whose capital, or both flags still facing each other across the wire.
#include <cmath>

#include "tools/art/paint.hpp"

namespace gm::art {
namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kFinalW = 240, kFinalH = 180;
constexpr double kHorizon = 150;
const Rgb kRuin = Hex(0x1C1A16);
const Rgb kInk = Hex(0x161612);
const Rgb kWhite = Hex(0xF0ECE0);

void Sky(cairo_t* cr, double w, double h, Rgb top, Rgb low) {
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgb(sky, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(sky, 1, low.r, low.g, low.b);
  cairo_set_source(cr, sky);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_fill(cr);
  cairo_pattern_destroy(sky);
}

// A column of smoke rising from (x, y), leaning with the wind; dark at the foot, thinning above.
void Smoke(cairo_t* cr, double x, double y, double height, double lean, Rgb colour, int seed) {
  Dice d{uint32_t(seed)};
  for (int i = 0; i < 30; ++i) {
    const double t = i / 29.0;
    const double r = 4 + 11 * t + d.Range(-1.5, 1.5);
    const double drift = d.Range(-1, 1) * (2 + 7 * t);  // billows, wider as it rises
    const double cx = x + lean * t * t * height + drift, cy = y - t * height + d.Range(-2, 2);
    cairo_pattern_t* puff = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(puff, 0, colour.r, colour.g, colour.b, 0.6 - 0.35 * t);
    cairo_pattern_add_color_stop_rgba(puff, 0.6, colour.r, colour.g, colour.b, 0.35 - 0.2 * t);
    cairo_pattern_add_color_stop_rgba(puff, 1, colour.r, colour.g, colour.b, 0);
    cairo_set_source(cr, puff);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(puff);
  }
}

// The glow of a fire at (x, y).
void FireGlow(cairo_t* cr, double x, double y, double r) {
  cairo_pattern_t* glow = cairo_pattern_create_radial(x, y, 0, x, y, r);
  cairo_pattern_add_color_stop_rgba(glow, 0, 1.0, 0.75, 0.3, 0.9);
  cairo_pattern_add_color_stop_rgba(glow, 0.4, 0.95, 0.4, 0.1, 0.5);
  cairo_pattern_add_color_stop_rgba(glow, 1, 0.9, 0.3, 0.1, 0);
  cairo_set_source(cr, glow);
  cairo_arc(cr, x, y, r, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
}

// Broken blocks along the horizon, from x0 to x1.
void RuinedSkyline(cairo_t* cr, double x0, double x1, double low, double high, int seed) {
  Dice d{uint32_t(seed)};
  SetColor(cr, kRuin);
  for (double x = x0; x < x1;) {
    const double w = d.Range(8, 20), top = kHorizon - d.Range(low, high);
    cairo_move_to(cr, x, kHorizon);
    cairo_line_to(cr, x, top + d.Range(0, 5));
    cairo_line_to(cr, x + w * 0.4, top);
    cairo_line_to(cr, x + w * 0.6, top + d.Range(2, 7));  // a broken roof line
    cairo_line_to(cr, x + w, top + d.Range(0, 4));
    cairo_line_to(cr, x + w, kHorizon);
    cairo_close_path(cr);
    x += w + d.Range(-2, 3);
  }
  cairo_fill(cr);
}

// The ground in front: rubble and dark earth.
void Ground(cairo_t* cr, double w, double h, Rgb earth, int seed) {
  SetColor(cr, earth);
  cairo_rectangle(cr, 0, kHorizon, w, h - kHorizon);
  cairo_fill(cr);
  Dice d{uint32_t(seed)};
  for (int i = 0; i < 60; ++i) {
    SetColor(cr, Mix(earth, d.Unit() < 0.5 ? Hex(0x000000) : Hex(0x8A8070), 0.35));
    const double x = d.Range(0, w), y = d.Range(kHorizon + 2, h);
    cairo_rectangle(cr, std::floor(x), std::floor(y), std::floor(d.Range(2, 5)), 1);
    cairo_fill(cr);
  }
}

// A flag on a pole whose foot stands at (x, foot), the cloth `w` x `h` at the top, waving.
void WavingFlag(cairo_t* cr, double x, double foot, double top, double w, double h, int nation) {
  SetColor(cr, kInk);
  cairo_rectangle(cr, x - 1, top, 2.5, foot - top);
  cairo_fill(cr);
  cairo_save(cr);
  // The cloth: a rectangle bent by a gentle wave, filled with the nation's flag.
  cairo_move_to(cr, x + 1, top + 1);
  for (double t = 0; t <= 1.0001; t += 0.1)
    cairo_line_to(cr, x + 1 + t * w, top + 1 + 2.5 * std::sin(t * kPi * 1.6));
  for (double t = 1; t >= -0.0001; t -= 0.1)
    cairo_line_to(cr, x + 1 + t * w, top + 1 + h + 2.5 * std::sin(t * kPi * 1.6));
  cairo_close_path(cr);
  cairo_clip_preserve(cr);
  cairo_new_path(cr);
  cairo_translate(cr, x + 1, top - 2);  // the cloth under the clip, wave and all
  cairo_scale(cr, w / 24, (h + 6) / 10);
  FlagCloth(cr, nation, 0, 0, 24, 10);
  cairo_restore(cr);
  // A dark edge so that the cloth stands off any sky.
  cairo_move_to(cr, x + 1, top + 1);
  for (double t = 0; t <= 1.0001; t += 0.1)
    cairo_line_to(cr, x + 1 + t * w, top + 1 + 2.5 * std::sin(t * kPi * 1.6));
  for (double t = 1; t >= -0.0001; t -= 0.1)
    cairo_line_to(cr, x + 1 + t * w, top + 1 + h + 2.5 * std::sin(t * kPi * 1.6));
  cairo_close_path(cr);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

// The Soviet coalition won: the red banner over the dome of the parliament in the enemy's
// capital, at dawn after the fighting.
void SovietVictory(cairo_t* cr) {
  Sky(cr, kFinalW, kHorizon, Hex(0x5A6478), Hex(0xE8B878));
  Smoke(cr, 30, 140, 110, 0.5, Hex(0x4A4448), 3);
  Smoke(cr, 214, 140, 100, 0.6, Hex(0x4A4448), 4);
  RuinedSkyline(cr, 0, kFinalW, 8, 30, 5);
  // The parliament: a long block with four corner towers and the bare ribs of its dome.
  SetColor(cr, kRuin);
  cairo_rectangle(cr, 40, 108, 160, 42);
  cairo_rectangle(cr, 36, 94, 24, 56);
  cairo_rectangle(cr, 180, 94, 24, 56);
  cairo_rectangle(cr, 92, 98, 56, 12);  // the dome's drum
  cairo_fill(cr);
  SetColor(cr, Hex(0x6A5A48));  // the portico's columns against the dark
  for (int i = 0; i < 6; ++i) cairo_rectangle(cr, 98 + 9 * i, 116, 3, 28);
  cairo_fill(cr);
  SetColor(cr, kRuin);
  cairo_set_line_width(cr, 2);
  for (int i = 0; i <= 6; ++i) {  // the ribs: arcs over the drum, gaps of sky between
    const double a = kPi * i / 6;
    cairo_move_to(cr, 120 - 28 * std::cos(a), 98);
    cairo_curve_to(cr, 120 - 28 * std::cos(a), 80, 120 - 8 * std::cos(a), 70, 120, 68);
  }
  cairo_stroke(cr);
  cairo_move_to(cr, 92, 84), cairo_line_to(cr, 148, 84);  // a ring halfway up
  cairo_stroke(cr);
  WavingFlag(cr, 120, 69, 22, 54, 30, 5);
  Ground(cr, kFinalW, kFinalH, Hex(0x2E2820), 6);
}

// The German coalition won: its flag over the burning towers and domes of the Soviet capital.
void GermanVictory(cairo_t* cr) {
  Sky(cr, kFinalW, kHorizon, Hex(0x24242C), Hex(0x9A5028));
  FireGlow(cr, 60, 146, 50);
  FireGlow(cr, 190, 148, 40);
  Smoke(cr, 60, 140, 120, -0.3, Hex(0x202024), 7);
  Smoke(cr, 190, 140, 110, 0.4, Hex(0x202024), 8);
  RuinedSkyline(cr, 0, kFinalW, 6, 22, 9);
  SetColor(cr, kRuin);
  // The wall with its swallowtail battlements.
  cairo_rectangle(cr, 0, 132, kFinalW, 18);
  for (double x = 2; x < kFinalW; x += 10) {
    cairo_move_to(cr, x, 132), cairo_line_to(cr, x, 124), cairo_line_to(cr, x + 3, 127);
    cairo_line_to(cr, x + 6, 124), cairo_line_to(cr, x + 6, 132);
  }
  cairo_fill(cr);
  // The gate tower: a square body in tiers under a tall pointed roof, broken at the top.
  cairo_rectangle(cr, 44, 84, 30, 50);
  cairo_rectangle(cr, 48, 64, 22, 22);
  cairo_rectangle(cr, 52, 50, 14, 16);
  cairo_move_to(cr, 51, 50), cairo_line_to(cr, 58, 22), cairo_line_to(cr, 60, 30);
  cairo_line_to(cr, 62, 26), cairo_line_to(cr, 67, 50);
  cairo_fill(cr);
  // The cathedral: drums under onion domes, one of them torn open.
  const struct {
    double x, w, top;
    bool broken;
  } domes[] = {
      {150, 18, 70, false}, {172, 14, 84, true}, {128, 14, 86, false}, {192, 12, 96, false}};
  cairo_rectangle(cr, 120, 104, 88, 30);
  cairo_fill(cr);
  for (const auto& dome : domes) {
    const double cx = dome.x, r = dome.w / 2, base = dome.top + dome.w * 1.4;
    cairo_rectangle(cr, cx - r * 0.8, base, r * 1.6, 106 - base);  // the drum
    cairo_fill(cr);
    cairo_save(cr);
    if (dome.broken) {  // its top shot away: a jagged edge halfway up
      cairo_move_to(cr, cx - r * 2, base + 1);
      cairo_line_to(cr, cx - r * 2, base - r * 0.7);
      cairo_line_to(cr, cx - r * 0.6, base - r * 1.3);
      cairo_line_to(cr, cx - r * 0.1, base - r * 0.7);
      cairo_line_to(cr, cx + r * 0.5, base - r * 1.1);
      cairo_line_to(cr, cx + r * 2, base - r * 0.5);
      cairo_line_to(cr, cx + r * 2, base + 1);
      cairo_close_path(cr);
      cairo_clip(cr);
    }
    cairo_move_to(cr, cx - r * 0.8, base);
    cairo_curve_to(cr, cx - r * 1.5, base - r, cx - r * 0.2, base - r * 1.6, cx, dome.top);
    cairo_curve_to(cr, cx + r * 0.2, base - r * 1.6, cx + r * 1.5, base - r, cx + r * 0.8, base);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    if (!dome.broken) {
      cairo_rectangle(cr, cx - 0.5, dome.top - 8, 1.5, 8);  // the cross on the top
      cairo_rectangle(cr, cx - 2.5, dome.top - 6, 5.5, 1.5);
      cairo_fill(cr);
    }
  }
  WavingFlag(cr, 100, 132, 44, 56, 32, 2);
  Ground(cr, kFinalW, kFinalH, Hex(0x2A2420), 10);
}

// Barbed wire on posts along y, from x0 to x1: coils light enough to show on the dark earth.
void Wire(cairo_t* cr, double x0, double x1, double y) {
  SetColor(cr, Hex(0x8A8272));
  cairo_set_line_width(cr, 1.2);
  for (double x = x0; x < x1; x += 5) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + 3, y - 5, 4.5, 0, 2 * kPi);
  }
  cairo_stroke(cr);
  SetColor(cr, kInk);
  for (double x = x0; x <= x1; x += 16) cairo_rectangle(cr, x, y - 12, 2, 14);
  cairo_fill(cr);
}

// A parapet of sandbags from x0 to x1, its top at y.
void Parapet(cairo_t* cr, double x0, double x1, double y) {
  SetColor(cr, Hex(0x141210));  // the trench behind
  cairo_rectangle(cr, x0, y + 6, x1 - x0, 6);
  cairo_fill(cr);
  for (int row = 0; row < 2; ++row) {
    for (double x = x0 - 4 * row; x < x1; x += 9) {
      SetColor(cr, Hex(row == 0 ? 0x6A5E48 : 0x5A4E3A));
      cairo_save(cr);
      cairo_translate(cr, x + 4.5, y + 2 + 4 * row);
      cairo_scale(cr, 4.5, 2.2);
      cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
      cairo_restore(cr);
      cairo_fill_preserve(cr);
      SetColor(cr, Hex(0x2A2418));
      cairo_set_line_width(cr, 0.8);
      cairo_stroke(cr);
    }
  }
}

// May 1945 and no end: both sides' flags still stand over their trenches, the wire and the
// burning no man's land between them.
void WarGoesOn(cairo_t* cr) {
  Sky(cr, kFinalW, kHorizon, Hex(0x343C4C), Hex(0x7A6A58));
  RuinedSkyline(cr, 0, kFinalW, 4, 14, 11);
  FireGlow(cr, 120, 150, 30);
  Smoke(cr, 120, 146, 130, 0.3, Hex(0x26262A), 12);
  Smoke(cr, 84, 150, 80, 0.5, Hex(0x3A3A3E), 13);
  Smoke(cr, 160, 150, 90, 0.4, Hex(0x3A3A3E), 14);
  Ground(cr, kFinalW, kFinalH, Hex(0x3A3228), 15);
  Dice d{16};
  for (int i = 0; i < 7; ++i) {  // shell holes in no man's land
    const double x = d.Range(70, 170), y = d.Range(158, 174), r = d.Range(4, 8);
    SetColor(cr, Hex(0x1E1A14));
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 1, 0.4);
    cairo_arc(cr, 0, 0, r, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_fill(cr);
  }
  Wire(cr, 62, 104, 170);
  Wire(cr, 138, 180, 170);
  WavingFlag(cr, 24, 148, 52, 46, 28, 5);
  WavingFlag(cr, 194, 148, 52, 40, 28, 2);
  Parapet(cr, 0, 58, 144);
  Parapet(cr, 182, kFinalW, 144);
}

}  // namespace

void PaintFinalPicture(cairo_t* cr, int outcome, int tile) {
  cairo_save(cr);
  cairo_translate(cr, -60.0 * (tile % 4), -60.0 * (tile / 4));
  cairo_rectangle(cr, 0, 0, kFinalW, kFinalH);
  cairo_clip(cr);
  if (outcome == 0)
    SovietVictory(cr);
  else if (outcome == 1)
    GermanVictory(cr);
  else
    WarGoesOn(cr);
  cairo_restore(cr);
}

void PaintQuitPicture(cairo_t* cr, int tile) {
  cairo_save(cr);
  cairo_translate(cr, -60.0 * (tile % 10), -60.0 * (tile / 10));
  const double w = 600, h = 300;
  Sky(cr, w, h, Hex(0x303A50), Hex(0x26241A));
  Dice d{10};
  SetColor(cr, Hex(0x1A1814));  // the town left behind
  for (double x = 0; x < w; x += d.Range(14, 30)) {
    const double bh = d.Range(20, h * 0.45);
    cairo_rectangle(cr, x, h - bh, d.Range(10, 26), bh);
  }
  cairo_fill(cr);
  // A road at dusk leading away.
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
  // The page's inner panel frame on the picture's top and sides: the row under the picture
  // closes it with the panel's bottom corners.
  const Rgb frame = Hex(0x8A7650);
  const Rgb light = Mix(frame, Hex(0xFFFFFF), 0.45), dark = Mix(frame, Hex(0x000000), 0.5);
  auto rect = [&](double x, double y, double rw, double rh, Rgb c) {
    SetColor(cr, c);
    cairo_rectangle(cr, x, y, rw, rh);
    cairo_fill(cr);
  };
  rect(0, 0, w, 6, frame), rect(0, 0, w, 2, light);
  rect(0, 0, 6, h, frame), rect(0, 0, 2, h, light);
  rect(w - 6, 0, 6, h, frame), rect(w - 2, 0, 2, h, dark);
  cairo_restore(cr);
}

}  // namespace gm::art
