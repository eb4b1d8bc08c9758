// Terrain tiles 0..674, drawn as the tile catalogue describes them: ground and its texture,
// roads and rivers towards their directions, water on a coast's sides, towns by size.
#include <algorithm>
#include <cmath>

#include "tools/art/paint.hpp"
#include "tools/tiles/tile_catalogue.hpp"

namespace gm::art {
namespace {

using tiles::Feature;
using tiles::Look;

constexpr double kPi = 3.14159265358979;
const Rgb kWater = Hex(0x3A6A9A);
const Rgb kRiver = Hex(0x4A82B8);
const Rgb kRoad = Hex(0x8A7458);
// How far the water of a coast reaches into a cell from each side it lies on.
constexpr double kShore = 24;

// Where a way towards direction d leaves the 60 px cell.
void EdgePoint(int d, double& x, double& y) {
  x = 30 + 30 * tiles::kDirDx[d];
  y = 30 + 30 * tiles::kDirDy[d];
}

Rgb Ground(const tiles::TileInfo& t) {
  switch (t.look) {
    case Look::kFields:
      return Hex(0x9AA85A);
    case Look::kMeadow:
      return Hex(0x7AA64E);
    case Look::kSteppe:
      return Hex(0xB0AA62);
    case Look::kDrySteppe:
      return Hex(0xC4B074);
    case Look::kMixedForest:
      return Hex(0x4E7A3A);
    case Look::kConiferForest:
      return Hex(0x3A5E34);
    case Look::kLeafForest:
      return Hex(0x5A8A3E);
    case Look::kReedMarsh:
      return Hex(0x6A8A5A);
    case Look::kWoodedBog:
      return Hex(0x5A7452);
    case Look::kPeatBog:
      return Hex(0x6A6A4A);
    case Look::kNone:
      break;
  }
  switch (t.feature) {
    case Feature::kDesert:
      return Hex(0xD8C48A);
    case Feature::kSea:
      return kWater;
    case Feature::kMountain:
    case Feature::kMountainRiver:
    case Feature::kMountainRoad:
      return Hex(0x8A8272);
    case Feature::kMountainWood:
      return Hex(0x5E6E4A);
    case Feature::kHill:
      return Hex(0x9A9A5A);
    case Feature::kWoodHill:
      return Hex(0x5E7A42);
    case Feature::kWood:
      return Hex(0x4E7A3A);
    case Feature::kMarsh:
      return Hex(0x6A8A5A);
    default:
      return Hex(0x86A252);
  }
}

void Speckle(cairo_t* cr, Dice& d, Rgb base, int n, double spread) {
  for (int i = 0; i < n; ++i) {
    SetColor(cr, Mix(base, d.Unit() < 0.5 ? Hex(0x000000) : Hex(0xFFFFFF), d.Range(0, spread)));
    cairo_rectangle(cr, std::floor(d.Range(0, 60)), std::floor(d.Range(0, 60)), 2, 1);
    cairo_fill(cr);
  }
}

void Trees(cairo_t* cr, Dice& d, Rgb base, int n, bool conifer) {
  for (int i = 0; i < n; ++i) {
    const double x = d.Range(4, 56), y = d.Range(6, 56), r = d.Range(3, 5);
    SetColor(cr, Mix(base, Hex(0x000000), 0.35));
    if (conifer) {
      cairo_move_to(cr, x, y - r - 2), cairo_line_to(cr, x + r, y + r);
      cairo_line_to(cr, x - r, y + r), cairo_close_path(cr);
    } else {
      cairo_arc(cr, x, y, r, 0, 2 * kPi);
    }
    cairo_fill(cr);
    SetColor(cr, Mix(base, Hex(0xFFFFFF), 0.15));
    cairo_arc(cr, x - 1, y - 1, r * 0.45, 0, 2 * kPi);
    cairo_fill(cr);
  }
}

void Peaks(cairo_t* cr, Dice& d, int n, bool snow) {
  for (int i = 0; i < n; ++i) {
    const double x = d.Range(10, 50), y = d.Range(22, 54), s = d.Range(9, 15);
    SetColor(cr, Hex(0x5A5448));
    cairo_move_to(cr, x - s, y), cairo_line_to(cr, x, y - s * 1.2), cairo_line_to(cr, x + s, y);
    cairo_fill(cr);
    SetColor(cr, Hex(0xA49C8A));
    cairo_move_to(cr, x, y - s * 1.2), cairo_line_to(cr, x + s, y), cairo_line_to(cr, x + 2, y);
    cairo_fill(cr);
    if (snow) {
      SetColor(cr, Hex(0xF4F4F0));
      cairo_move_to(cr, x - s * 0.3, y - s * 0.84), cairo_line_to(cr, x, y - s * 1.2);
      cairo_line_to(cr, x + s * 0.3, y - s * 0.84), cairo_fill(cr);
    }
  }
}

void Hills(cairo_t* cr, Dice& d, Rgb base) {
  for (int i = 0; i < 4; ++i) {
    const double x = d.Range(12, 48), y = d.Range(20, 52);
    SetColor(cr, Mix(base, Hex(0x000000), 0.3));
    cairo_set_line_width(cr, 2);
    cairo_arc(cr, x, y + 6, 11, kPi * 1.1, kPi * 1.9);
    cairo_stroke(cr);
  }
}

void Reeds(cairo_t* cr, Dice& d) {
  for (int i = 0; i < 10; ++i) {
    const double x = d.Range(4, 54), y = d.Range(6, 56);
    SetColor(cr, Hex(0x4A6A8A), 0.8);
    cairo_rectangle(cr, x, y, d.Range(5, 10), 2);
    cairo_fill(cr);
    SetColor(cr, Hex(0x3A5A2A));
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, x + 2, y), cairo_line_to(cr, x + 1, y - 5);
    cairo_move_to(cr, x + 4, y), cairo_line_to(cr, x + 5, y - 4);
    cairo_stroke(cr);
  }
}

// Water on the sides in `sea`. The coast runs kShore pixels inside the land cell: a band along
// each side with water, and round each corner with water beyond it a disc of that radius
// centred on the corner. Every cell edge thus carries water exactly kShore pixels from each end
// that touches water, whichever tiles meet there, so coasts run on from tile to tile without a
// notch. The land's corners between two bands are rounded off as well.
void Sea(cairo_t* cr, uint8_t sea) {
  bool side[tiles::kDirCount] = {};
  for (int d = 0; d < tiles::kDirCount; ++d) side[d] = (sea & tiles::Bit(d)) != 0;
  cairo_new_path(cr);
  for (int d = 0; d < tiles::kDirCount; ++d) {
    if (!side[d]) continue;
    const int dx = tiles::kDirDx[d], dy = tiles::kDirDy[d];
    cairo_new_sub_path(cr);
    if (dx == 0 || dy == 0) {
      cairo_rectangle(cr, dx > 0 ? 60 - kShore : 0, dy > 0 ? 60 - kShore : 0, dx == 0 ? 60 : kShore,
                      dy == 0 ? 60 : kShore);
    } else {
      cairo_arc(cr, dx > 0 ? 60 : 0, dy > 0 ? 60 : 0, kShore, 0, 2 * kPi);
    }
  }
  // The land left between the bands, and the curve that each of its corners between two bands
  // gives way in: the water fills the corner outside a circle inside the land.
  const double left = side[tiles::kW] ? kShore : 0, right = side[tiles::kE] ? 60 - kShore : 60;
  const double top = side[tiles::kN] ? kShore : 0, bottom = side[tiles::kS] ? 60 - kShore : 60;
  const double r = std::min({10.0, (right - left) / 2, (bottom - top) / 2});
  for (int d = 0; d < tiles::kDirCount; d += 2) {
    const int e = (d + 2) % tiles::kDirCount;
    if (!side[d] || !side[e]) continue;
    const int dx = tiles::kDirDx[d] + tiles::kDirDx[e], dy = tiles::kDirDy[d] + tiles::kDirDy[e];
    const double px = dx > 0 ? right : left, py = dy > 0 ? bottom : top;  // the land's corner
    const double ax = px - dx * r, ay = py - dy * r;                      // the curve's centre
    const double from = std::atan2(dy, 0), to = std::atan2(0, dx);
    cairo_move_to(cr, px, py);
    cairo_line_to(cr, ax, py);
    if (std::remainder(to - from, 2 * kPi) > 0) {
      cairo_arc(cr, ax, ay, r, from, to);
    } else {
      cairo_arc_negative(cr, ax, ay, r, from, to);
    }
    cairo_close_path(cr);
  }
  // A sandy shore along the water's edge, then the water over it.
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  SetColor(cr, Hex(0xD8C88E));
  cairo_set_line_width(cr, 6);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke_preserve(cr);
  SetColor(cr, kWater);
  cairo_fill(cr);
}

void Ways(cairo_t* cr, uint8_t ways, Rgb color, double width, bool wavy) {
  SetColor(cr, color);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  int n = 0;
  for (int d = 0; d < tiles::kDirCount; ++d) {
    if (!(ways & tiles::Bit(d))) continue;
    ++n;
    double x, y;
    EdgePoint(d, x, y);
    cairo_move_to(cr, 30, 30);
    if (wavy) {
      const double mx = (30 + x) / 2 + 4 * tiles::kDirDy[d],
                   my = (30 + y) / 2 - 4 * tiles::kDirDx[d];
      cairo_curve_to(cr, mx, my, mx, my, x, y);
    } else {
      cairo_line_to(cr, x, y);
    }
    cairo_stroke(cr);
  }
  if (n == 1 && !wavy) {  // a road that ends here: a small square
    cairo_rectangle(cr, 26, 26, 8, 8);
    cairo_fill(cr);
  }
}

// Where a settlement is built: its middle and how far its houses spread each way.
struct TownArea {
  double cx, cy, sx, sy;
};

void Houses(cairo_t* cr, Dice& d, int size, const TownArea& a) {
  static const int kCount[] = {0, 4, 7, 11, 16, 22, 30};
  if (size >= 3) {  // built-up ground and streets
    SetColor(cr, Hex(0x9A9478), 0.6);
    cairo_save(cr);
    cairo_translate(cr, a.cx, a.cy);
    cairo_scale(cr, a.sx + 3, a.sy + 3);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_fill(cr);
    SetColor(cr, Hex(0x7A705A));
    cairo_rectangle(cr, a.cx - a.sx, a.cy - 1, 2 * a.sx, 2);
    cairo_rectangle(cr, a.cx - 1, a.cy - a.sy, 2, 2 * a.sy);
    cairo_fill(cr);
  }
  for (int i = 0; i < kCount[size]; ++i) {
    const double x = a.cx + d.Range(-a.sx, a.sx), y = a.cy + d.Range(-a.sy, a.sy);
    const double w = std::round(d.Range(6, 8 + size)), h = std::round(d.Range(5, 7 + size * 0.5));
    const double left = std::round(x - w / 2), top = std::round(y - h / 2);
    SetColor(cr, Hex(0x2A241E));
    cairo_rectangle(cr, left + 1, top + 1, w, h);
    cairo_fill(cr);
    const bool tiled = d.Unit() < 0.6;
    SetColor(cr, tiled ? Hex(0xB05A3A) : Hex(0xC8B89A));
    cairo_rectangle(cr, left, top, w, h);
    cairo_fill(cr);
    SetColor(cr, tiled ? Hex(0x7A3A26) : Hex(0x8A7E66));  // roof ridge
    cairo_rectangle(cr, left, top + std::floor(h / 2), w, 1);
    cairo_fill(cr);
  }
}

void Stonework(cairo_t* cr, double x, double y, double w, double h) {
  SetColor(cr, Hex(0x8C8478));
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
  SetColor(cr, Hex(0x4A443C));
  cairo_set_line_width(cr, 1);
  cairo_rectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1);
  cairo_stroke(cr);
}

void Boat(cairo_t* cr, double x, double y) {
  SetColor(cr, Hex(0x2E2A26));
  cairo_move_to(cr, x, y + 2), cairo_line_to(cr, x + 9, y + 2);
  cairo_line_to(cr, x + 7, y + 5), cairo_line_to(cr, x + 1, y + 5), cairo_close_path(cr);
  cairo_fill(cr);
  SetColor(cr, Hex(0xE8E4DA));
  cairo_rectangle(cr, x + 3, y, 3, 2);
  cairo_fill(cr);
}

// A harbour town on the water side `side` (N, E, S or W): the coast it stands on, then the
// town's houses on the land side behind a stone quay, a wharf and a boat. The wharf reaches
// into the water under the settlement's flag, which the map draws over columns 16..43 of the
// cell's bottom rows, so that the flag stands on it; it stops a row short of the cell's edge,
// which meets the neighbours' water as a coast's does. Boats and wharves keep off the points
// 15 and 45 px in, which the 2 px overview copies: the water half there stays water.
void Harbour(cairo_t* cr, Dice& d, int side) {
  constexpr int kSize = 4;
  Sea(cr, tiles::Bit(side));
  struct Box {
    double x, y, w, h;
  };
  struct Layout {
    Box land;  // the land behind the quay
    TownArea town;
    Box quay, wharf;
    double boatX, boatY;
  };
  // The boxes are laid out for water kShore px deep on the harbour's side.
  static_assert(kShore == 24);
  static constexpr Layout kNorth{
      {0, 28, 60, 32}, {30, 44, 22, 12}, {5, 23, 50, 5}, {27, 8, 6, 16}, 40, 6};
  static constexpr Layout kEast{
      {0, 0, 32, 60}, {16, 30, 12, 22}, {32, 5, 5, 50}, {34, 42, 11, 17}, 48, 13};
  static constexpr Layout kSouth{
      {0, 0, 60, 32}, {30, 16, 22, 12}, {5, 32, 50, 5}, {16, 34, 28, 25}, 47, 49};
  static constexpr Layout kWest{
      {28, 0, 32, 60}, {44, 30, 12, 22}, {23, 5, 5, 50}, {16, 42, 10, 17}, 3, 13};
  const Layout& l = side == tiles::kN   ? kNorth
                    : side == tiles::kE ? kEast
                    : side == tiles::kS ? kSouth
                                        : kWest;
  cairo_save(cr);
  cairo_rectangle(cr, l.land.x, l.land.y, l.land.w, l.land.h);
  cairo_clip(cr);
  Houses(cr, d, kSize, l.town);
  cairo_restore(cr);
  for (const Box& b : {l.quay, l.wharf}) Stonework(cr, b.x, b.y, b.w, b.h);
  Boat(cr, l.boatX, l.boatY);
}

}  // namespace

void PaintTerrain(cairo_t* cr, int tile) {
  const tiles::TileInfo& t = tiles::TileCatalogue()[size_t(tile)];
  Dice d(uint32_t(tile) * 7919u + 13);
  const Rgb ground = Ground(t);
  SetColor(cr, ground);
  cairo_paint(cr);
  Speckle(cr, d, ground, 90, 0.18);
  switch (t.feature) {
    case Feature::kSea:
      for (int i = 0; i < 8; ++i) {
        SetColor(cr, Hex(0x7AA6D0), 0.8);
        cairo_set_line_width(cr, 1);
        const double x = d.Range(4, 48), y = d.Range(6, 56);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + 3, y - 3, x + 5, y - 3, x + 8, y);
        cairo_stroke(cr);
      }
      break;
    case Feature::kWood:
    case Feature::kWoodHill:
      if (t.feature == Feature::kWoodHill) Hills(cr, d, ground);
      Trees(cr, d, ground, 22, t.look == Look::kConiferForest);
      break;
    case Feature::kMountainWood:
      Peaks(cr, d, 2, false);
      Trees(cr, d, ground, 12, true);
      break;
    case Feature::kMountain:
      Peaks(cr, d, 4, true);
      break;
    case Feature::kMountainRiver:
      Peaks(cr, d, 3, false);
      Ways(cr, t.ways, kRiver, 5, true);
      break;
    case Feature::kMountainRoad:
      Peaks(cr, d, 3, true);
      Ways(cr, t.ways, kRoad, 4, false);
      break;
    case Feature::kHill:
      Hills(cr, d, ground);
      break;
    case Feature::kMarsh:
      Reeds(cr, d);
      if (t.look == Look::kWoodedBog) Trees(cr, d, ground, 6, false);
      break;
    case Feature::kOpenGround:
      if (t.look == Look::kFields) {  // strips of ploughland
        for (int i = 0; i < 6; ++i) {
          SetColor(cr, Mix(ground, Hex(0x8A6A3A), 0.15 * (i % 3)));
          cairo_rectangle(cr, 0, 10.0 * i, 60, 10);
          cairo_fill(cr);
        }
        Speckle(cr, d, ground, 40, 0.15);
      }
      break;
    case Feature::kDesert:
      Speckle(cr, d, Hex(0xB89A5A), 60, 0.2);
      break;
    case Feature::kRiver:
      Ways(cr, t.ways, kRiver, 6, true);
      break;
    case Feature::kRoad:
      Ways(cr, t.ways, kRoad, 5, false);
      break;
    case Feature::kBridge: {  // the river runs across the road, the road on a bridge over it
      const int a = __builtin_ctz(t.ways);
      const uint8_t across = uint8_t(tiles::Bit((a + 2) % 8) | tiles::Bit((a + 6) % 8));
      Ways(cr, across, kRiver, 8, true);
      Ways(cr, t.ways, kRoad, 5, false);
      SetColor(cr, Hex(0x3A3028));
      cairo_set_line_width(cr, 1.5);
      cairo_save(cr);
      cairo_translate(cr, 30, 30);
      cairo_rotate(cr, a * kPi / 4);
      cairo_move_to(cr, -5, -8), cairo_line_to(cr, -5, 8);
      cairo_move_to(cr, 5, -8), cairo_line_to(cr, 5, 8);
      cairo_stroke(cr);
      cairo_restore(cr);
    } break;
    case Feature::kMouth:
      Sea(cr, t.sea);
      Ways(cr, t.ways, kRiver, 6, true);
      SetColor(cr, kRiver);
      cairo_arc(cr, 30, 30, 3, 0, 2 * kPi);
      cairo_fill(cr);
      break;
    case Feature::kCoast:
      Sea(cr, t.sea);
      break;
    case Feature::kTown: {
      const double spread = 9 + 3.3 * t.size;
      Houses(cr, d, t.size, {30, 30, spread, spread});
    } break;
    case Feature::kPort:
      Harbour(cr, d, __builtin_ctz(t.sea));
      break;
    case Feature::kAirbase:  // runway and hangars
      SetColor(cr, Hex(0x6A6A62));
      cairo_save(cr);
      cairo_translate(cr, 30, 30);
      cairo_rotate(cr, -kPi / 6);
      cairo_rectangle(cr, -26, -5, 52, 10);
      cairo_fill(cr);
      SetColor(cr, Hex(0xE8E8E0));
      for (int i = -22; i < 22; i += 8) cairo_rectangle(cr, i, -0.5, 4, 1);
      cairo_fill(cr);
      cairo_restore(cr);
      SetColor(cr, Hex(0x4A4A44));
      cairo_rectangle(cr, 6, 40, 10, 7);
      cairo_rectangle(cr, 20, 44, 10, 7);
      cairo_fill(cr);
      break;
    case Feature::kFort:  // trench zigzag, bunkers and wire
      SetColor(cr, Hex(0x4A3A2A));
      cairo_set_line_width(cr, 3);
      cairo_move_to(cr, 2, 34);
      for (int x = 10; x <= 58; x += 8) cairo_line_to(cr, x, (x / 8) % 2 ? 26 : 34);
      cairo_stroke(cr);
      SetColor(cr, Hex(0x8A8A84));
      for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, 12 + 18 * i, 14 + 4 * (i % 2), 4, kPi, 2 * kPi);
        cairo_fill(cr);
      }
      SetColor(cr, Hex(0x2A2A24));
      cairo_set_line_width(cr, 1);
      for (int x = 2; x < 58; x += 4) {
        cairo_move_to(cr, x, 46), cairo_line_to(cr, x + 4, 50);
        cairo_move_to(cr, x + 4, 46), cairo_line_to(cr, x, 50);
      }
      cairo_stroke(cr);
      break;
    case Feature::kPlain:
      break;
  }
}

}  // namespace gm::art
