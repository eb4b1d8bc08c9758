// Side views of the ground-equipment models on a light sky. Each picture is put together in
// metres from the parts its shape calls for (running gear, hull, turret, carriage, barrel) and
// then fitted into the 100 x 40 slot, so that a heavy tank fills it and a mortar stands small.
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/art/equipment_shape.hpp"
#include "tools/art/paint.hpp"
#include "world/tables/tables.hpp"

namespace gm::art {
namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kGroundY = 35;  // pixel row the pieces stand on
const Rgb kInk = Hex(0x17170F);
const Rgb kRubber = Hex(0x26261F);
const Rgb kMetal = Hex(0x3C3D36);
const Rgb kOpening = Hex(0x14140E);

struct P {
  double x, y;  // metres; y up from the ground
};

enum class Material { kPaint, kRubber, kMetal, kOpening };

// A polygon, a circle, or a bar from a to b whose widths are widened to at least a pixel and a
// half when the picture is fitted, so that thin barrels and legs do not vanish.
struct Part {
  Material material;
  std::vector<P> outline;
  P centre{0, 0};
  double radius = 0;
  P a{0, 0}, b{0, 0};
  double width = 0, width2 = 0;
};

// The parts of one picture in drawing order (later parts in front).
class Sketch {
 public:
  void Poly(Material m, std::vector<P> points) {
    parts_.push_back({m, std::move(points), {0, 0}, 0, {0, 0}, {0, 0}, 0, 0});
  }
  void Circle(Material m, P c, double r) { parts_.push_back({m, {}, c, r, {0, 0}, {0, 0}, 0, 0}); }
  void Box(Material m, double x0, double y0, double x1, double y1) {
    Poly(m, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
  }
  // A bar of width w from a to b (barrels, trails, legs).
  void Bar(Material m, P a, P b, double w, double w2 = -1) {
    if (std::hypot(b.x - a.x, b.y - a.y) <= 0) return;
    Part p{m, {}, {0, 0}, 0, a, b, w, w2 < 0 ? w : w2};
    parts_.push_back(p);
  }
  // A belt around two end rollers: the outline of a track run.
  void Belt(Material m, double x0, double x1, double y0, double y1) {
    const double r = (y1 - y0) / 2, cy = (y0 + y1) / 2;
    std::vector<P> pts;
    for (int i = 0; i <= 8; ++i) {  // front end, bottom to top
      const double a = -kPi / 2 + kPi * i / 8;
      pts.push_back({x1 - r + r * std::cos(a), cy + r * std::sin(a)});
    }
    for (int i = 0; i <= 8; ++i) {  // rear end, top to bottom
      const double a = kPi / 2 + kPi * i / 8;
      pts.push_back({x0 + r + r * std::cos(a), cy + r * std::sin(a)});
    }
    Poly(m, std::move(pts));
  }
  const std::vector<Part>& Parts() const { return parts_; }

 private:
  std::vector<Part> parts_;
};

P Along(P a, double angleDeg, double len) {
  const double t = angleDeg * kPi / 180;
  return {a.x + len * std::cos(t), a.y + len * std::sin(t)};
}

// --- Running gear ---------------------------------------------------------------------------

// Tracks from x0 to x1 with road wheels; returns the height of the track run.
double Tracks(Sketch& k, const EquipmentShape& s, double x0, double x1) {
  const double r = s.wheelRadiusM, top = 2 * r + 0.3;
  k.Belt(Material::kRubber, x0, x1, 0, top);
  const double span = x1 - x0 - top;
  const int wheels = s.fastTrack ? std::clamp(int(span / (2.3 * r)) + 1, 3, 6)
                                 : std::clamp(int(span / (2.4 * r)) + 1, 4, 10);
  for (int i = 0; i < wheels; ++i) {
    const P c{x0 + top / 2 + span * i / std::max(wheels - 1, 1), r + 0.08};
    k.Circle(Material::kMetal, c, r);
    k.Circle(Material::kPaint, c, r * 0.45);
  }
  if (!s.fastTrack)  // return rollers under the top run
    for (int i = 1; i <= 3; ++i)
      k.Circle(Material::kMetal, {x0 + (x1 - x0) * i / 4, top - 0.12}, 0.07);
  k.Circle(Material::kMetal, {x1 - top / 2, top / 2 + 0.04}, top * 0.32);  // sprocket
  return top;
}

// Road wheels of a wheeled vehicle or piece: spoked wood on old pieces, tyres on the rest.
void Wheel(Sketch& k, P c, double r, bool spoked) {
  k.Circle(Material::kRubber, c, r);
  if (spoked) {
    k.Circle(Material::kPaint, c, r * 0.82);
    for (int i = 0; i < 6; ++i) k.Bar(Material::kMetal, c, Along(c, 30.0 * i, r * 0.8), 0.05);
    k.Circle(Material::kMetal, c, r * 0.2);
  } else {
    k.Circle(Material::kPaint, c, r * 0.55);
    k.Circle(Material::kMetal, c, r * 0.2);
  }
}

// --- Guns ------------------------------------------------------------------------------------

// A barrel from the trunnion `at` in direction `deg`; length by calibre and calibres, thickness
// by calibre. Returns the muzzle.
P Barrel(Sketch& k, const EquipmentShape& s, P at, double deg, double inside = 0) {
  const double cal = std::max(s.calibreMm, 8.0) / 1000;
  const double thick = std::max(0.07, cal * 2.3), muzzle = std::max(0.06, s.muzzleMm / 1000 * 2.0);
  const double len = std::max(0.6, cal * s.barrelCalibres) - inside;
  const P start = Along(at, deg, inside * 0.2);
  const P end = Along(at, deg, len);
  k.Bar(Material::kPaint, start, end, thick * 1.1, s.muzzleMm < s.calibreMm ? muzzle : thick);
  if (s.muzzleBrake) k.Bar(Material::kPaint, Along(end, deg, -thick * 1.6), end, thick * 1.8);
  return end;
}

// The recoil cradle and breech of a towed piece around its trunnion.
void Cradle(Sketch& k, const EquipmentShape& s, P at, double deg) {
  const double cal = std::max(s.calibreMm, 8.0) / 1000;
  const double thick = std::max(0.1, cal * 3.2);
  k.Bar(Material::kPaint, Along(at, deg, -thick * 2.2), Along(at, deg, thick * 4 + 0.3), thick);
}

// --- Vehicles --------------------------------------------------------------------------------

struct Hull {
  double length, bottom, top, noseY, glacis;  // glacis: run of the sloped front
};

// The hull's side: rear plate, deck, sloped glacis and nose.
Hull DrawHull(Sketch& k, const EquipmentShape& s, double length, double bottom, double top) {
  Hull h{length, bottom, top, bottom + (top - bottom) * 0.25, 0};
  const double slope = std::clamp((s.armour - 4) / 14.0, 0.25, 1.5);
  h.glacis = (top - h.noseY) * slope;
  k.Poly(Material::kPaint, {{0.05, bottom},
                            {-0.05, top - (top - bottom) * 0.3},
                            {0.15, top},
                            {length - h.glacis, top},
                            {length + 0.1, h.noseY},
                            {length - 0.05, bottom}});
  return h;
}

// A turret centred at cx on the deck; returns the gun's trunnion (turret front, mid height).
P DrawTurret(Sketch& k, const EquipmentShape& s, double cx, double deck, double width,
             double height, bool cupola) {
  const double slope = std::clamp(s.armour / 40.0, 0.08, 0.5) * height;
  k.Poly(Material::kPaint, {{cx - width / 2, deck},
                            {cx - width / 2 + slope * 0.5, deck + height},
                            {cx + width / 2 - slope, deck + height},
                            {cx + width / 2, deck + height * 0.35},
                            {cx + width / 2, deck}});
  if (cupola)
    k.Box(Material::kPaint, cx - width / 2 + 0.2, deck + height - 0.02,
          cx - width / 2 + 0.2 + std::max(0.35, width * 0.22), deck + height + 0.16);
  const P trunnion{cx + width / 2, deck + height * 0.5};
  if (s.calibreMm > 0) {
    const double mantlet = std::clamp(s.calibreMm / 1000 * 3.5, 0.16, 0.5);
    k.Box(Material::kPaint, trunnion.x - 0.05, trunnion.y - mantlet / 2, trunnion.x + 0.15,
          trunnion.y + mantlet / 2);
  }
  return trunnion;
}

void MachineGun(Sketch& k, P at, double deg) {
  k.Bar(Material::kMetal, at, Along(at, deg, 0.6), 0.07);
}

void TrackedGun(Sketch& k, const EquipmentShape& s) {
  const double L = s.lengthM, H = s.heightM;
  const double run = Tracks(k, s, 0.1, L - 0.1);
  const double bottom = run * 0.85;
  k.Box(Material::kPaint, -0.05, bottom - 0.08, L + 0.05, bottom + 0.02);  // track guards
  switch (s.form) {
    case EquipmentForm::kTankette: {
      const double top = bottom + H * 0.5;
      const Hull h = DrawHull(k, s, L, bottom, top);
      k.Poly(Material::kPaint, {{L * 0.45, top - 0.05},
                                {L * 0.5, top + H * 0.22},
                                {L - h.glacis - 0.1, top + H * 0.22},
                                {L - h.glacis + 0.1, top - 0.05}});
      MachineGun(k, {L - h.glacis, top + H * 0.1}, 0);
      break;
    }
    case EquipmentForm::kTank:
    case EquipmentForm::kFlameTank: {
      const double turretH = H * 0.3 + 0.05, top = std::max(bottom + 0.35, H - turretH);
      const Hull h = DrawHull(k, s, L, bottom, top);
      const double width = L * (0.34 + std::min(0.12, s.calibreMm / 1500));
      const double cx = L * 0.5 - (s.armour >= 14 ? 0.0 : 0.05 * L);
      const P t = DrawTurret(k, s, cx, top, width, turretH, s.weightTonnes >= 12);
      if (s.form == EquipmentForm::kFlameTank) {
        k.Bar(Material::kPaint, t, Along(t, 0, 0.75), 0.16, 0.1);
      } else if (s.calibreMm > 0) {
        Barrel(k, s, t, 0);
      } else {
        MachineGun(k, t, 0);
      }
      MachineGun(k, {L - h.glacis * 0.6, (h.noseY + top) / 2 + 0.05}, 0);
      break;
    }
    case EquipmentForm::kCasemateGun: {
      const double top = bottom + (H - bottom) * 0.45;
      const Hull h = DrawHull(k, s, L, bottom, top);
      const double casemate = H - top, front = L - h.glacis * 0.7;
      const double lean = casemate * std::clamp(s.armour / 30.0, 0.2, 0.9);
      k.Poly(Material::kPaint, {{L * 0.12, top - 0.02},
                                {L * 0.16, top + casemate},
                                {front - lean, top + casemate},
                                {front, top - 0.02}});
      const P t{front - lean * 0.5, top + casemate * 0.45};
      k.Box(Material::kPaint, t.x - 0.1, t.y - 0.18, t.x + 0.18, t.y + 0.18);
      Barrel(k, s, t, s.elevationDeg);
      break;
    }
    case EquipmentForm::kOpenSpGun: {
      const double top = bottom + (H - bottom) * 0.4;
      DrawHull(k, s, L, bottom, top);
      const double wall = H - top, x0 = L * 0.3, x1 = L * 0.82;
      const P t{x1 - 0.2, top + wall * 0.6};
      Barrel(k, s, t, s.elevationDeg, 0.3);
      k.Poly(Material::kPaint, {{x0, top - 0.02},
                                {x0 + 0.1, top + wall},
                                {x1 - 0.1, top + wall},
                                {x1 + 0.1, top - 0.02}});
      k.Box(Material::kOpening, x0 + 0.15, top + wall - 0.12, x1 - 0.2, top + wall - 0.04);
      break;
    }
    default:
      break;
  }
}

// Wheels, long bonnet, body on a chassis; with a turret when the car carries a gun or a
// machine-gun turret.
void ArmouredCar(Sketch& k, const EquipmentShape& s) {
  const double L = s.lengthM, R = s.wheelRadiusM, H = s.heightM;
  const double bottom = R * 1.1, top = std::max(bottom + 0.5, H * 0.72);
  k.Poly(Material::kPaint, {{0, bottom},
                            {-0.1, top - 0.25},
                            {0.35, top},
                            {L - 0.9, top},
                            {L - 0.1, (bottom + top) / 2},
                            {L, bottom}});
  const double cx = L * 0.5, width = std::max(0.9, L * 0.26);
  const P t = DrawTurret(k, s, cx, top, width, H - top, false);
  if (s.calibreMm >= 20)
    Barrel(k, s, t, 0);
  else
    MachineGun(k, t, 0);
  for (int a = 0; a < s.axles; ++a) {
    const double x =
        s.axles == 2 ? (a == 0 ? L * 0.2 : L * 0.8) : L * (0.15 + 0.7 * a / (s.axles - 1));
    Wheel(k, {x, R}, R, false);
  }
}

// Front wheel, rear track and an armoured body with an open crew compartment.
double HalfTrackBase(Sketch& k, const EquipmentShape& s, bool armoured) {
  const double L = s.lengthM, R = 0.45;
  EquipmentShape gear = s;
  gear.fastTrack = true;
  gear.wheelRadiusM = 0.32;
  const double run = Tracks(k, gear, 0.15, L * 0.55);
  const double bottom = run * 0.7, top = bottom + (armoured ? 1.0 : 0.55);
  if (armoured) {
    k.Poly(Material::kPaint, {{0, bottom},
                              {0.05, top},
                              {L * 0.62, top},
                              {L * 0.8, top - 0.3},
                              {L, bottom + 0.15},
                              {L, bottom}});
    k.Box(Material::kOpening, 0.3, top - 0.12, L * 0.6, top - 0.04);
  } else {  // open cab and flat bed of a tractor
    k.Box(Material::kPaint, 0, bottom, L * 0.7, top);
    k.Poly(Material::kPaint, {{L * 0.68, bottom},
                              {L * 0.7, top + 0.75},
                              {L * 0.74, top + 0.75},
                              {L * 0.8, top},
                              {L, top},
                              {L, bottom}});
  }
  Wheel(k, {L - 0.65, R}, R, false);
  return top;
}

void HalfTrack(Sketch& k, const EquipmentShape& s) {
  const double top = HalfTrackBase(k, s, true);
  if (s.calibreMm >= 20) {
    const P t{s.lengthM * 0.62, top + 0.3};
    k.Box(Material::kPaint, t.x - 0.6, top - 0.05, t.x + 0.05, top + 0.55);  // shield
    Barrel(k, s, t, 0, 0.2);
  } else {
    MachineGun(k, {s.lengthM * 0.6, top + 0.12}, 0);
  }
}

void Carrier(Sketch& k, const EquipmentShape& s) {
  const double L = s.lengthM;
  const double run = Tracks(k, s, 0.1, L - 0.1);
  const double top = run + 0.45;
  k.Poly(
      Material::kPaint,
      {{0, run * 0.6}, {0.05, top}, {L - 0.45, top}, {L + 0.05, run * 0.9}, {L - 0.05, run * 0.6}});
  k.Box(Material::kOpening, 0.3, top - 0.1, L - 0.7, top - 0.03);
  MachineGun(k, {L - 0.5, top - 0.05}, 0);
}

// --- Towed pieces ----------------------------------------------------------------------------

// A towed piece: split trail, top carriage, cradle and barrel, shield and wheel. The shield
// rises `shield` metres above the wheel (none when 0).
void TowedPiece(Sketch& k, const EquipmentShape& s, double wheelX, double shield, bool spoked) {
  const double R = s.wheelRadiusM;
  const P axle{wheelX, R};
  const double cal = s.calibreMm / 1000;
  const P trunnion{wheelX + 0.1, R + 0.18 + cal * 2};
  k.Bar(Material::kMetal, {0.3, 0.02}, axle, 0.18, 0.24);  // the far leg of the split trail
  k.Bar(Material::kPaint, {0, 0.1}, axle, 0.2, 0.3);       // the near leg
  k.Poly(Material::kPaint, {{-0.1, 0}, {0.3, 0}, {0.22, 0.32}, {0.0, 0.3}});  // spade
  k.Poly(Material::kPaint, {{wheelX - 0.35, R - 0.1},
                            {wheelX + 0.3, R - 0.1},
                            {trunnion.x + 0.15, trunnion.y},
                            {trunnion.x - 0.45, trunnion.y}});  // top carriage
  Cradle(k, s, trunnion, s.elevationDeg);
  Barrel(k, s, trunnion, s.elevationDeg);
  if (shield > 0) {
    const double top = 2 * R + shield, lean = 0.12 + shield * 0.15;
    k.Poly(Material::kPaint, {{wheelX + 0.12, 0.25},
                              {wheelX + 0.36, 0.25},
                              {wheelX + 0.24 - lean, top},
                              {wheelX - lean, top - 0.06}});
  }
  Wheel(k, axle, R, spoked);
}

void TowedGun(Sketch& k, const EquipmentShape& s, bool spoked) {
  TowedPiece(k, s, s.lengthM * 0.55, 0.35 + s.calibreMm / 400, spoked);
}

void SiegePiece(Sketch& k, const EquipmentShape& s) {
  const double L = s.lengthM;
  EquipmentShape gear = s;
  gear.wheelRadiusM = 0.22;
  gear.fastTrack = false;
  const double run = Tracks(k, gear, L * 0.25, L * 0.85);
  const P trunnion{L * 0.58, run + 0.75};
  k.Poly(Material::kPaint, {{0, 0.05},
                            {L * 0.25, run},
                            {L * 0.5, run + 0.9},
                            {L * 0.7, run + 0.9},
                            {L * 0.85, run},
                            {L * 0.3, run * 0.4}});
  Cradle(k, s, trunnion, s.elevationDeg);
  Barrel(k, s, trunnion, s.elevationDeg);
}

void RecoillessGun(Sketch& k, const EquipmentShape& s) {
  const double R = s.wheelRadiusM * 0.7;
  const P t{1.0, R + 0.5};
  k.Bar(Material::kPaint, {0, 0.05}, {1.0, R}, 0.1);
  k.Bar(Material::kPaint, {1.0, R}, {1.6, 0.05}, 0.1);
  k.Bar(Material::kPaint, Along(t, 180, 0.55), t, 0.2, std::max(0.12, s.calibreMm / 500));
  Barrel(k, s, t, 6);
  Wheel(k, {1.0, R}, R, false);
}

void Mortar(Sketch& k, const EquipmentShape& s) {
  const double cal = s.calibreMm / 1000, len = std::max(0.5, cal * 13);
  const P foot{0.3, 0.12};
  k.Poly(Material::kMetal, {{0, 0}, {0.65, 0}, {0.55, 0.14}, {0.1, 0.14}});  // baseplate
  const P muzzle = Along(foot, s.elevationDeg, len);
  k.Bar(Material::kPaint, foot, muzzle, std::max(0.09, cal * 1.6));
  const P knee = Along(foot, s.elevationDeg, len * 0.55);
  k.Bar(Material::kMetal, knee, {knee.x + len * 0.35, 0}, 0.05);  // bipod
  k.Bar(Material::kMetal, knee, {knee.x + len * 0.2, 0}, 0.05);
  if (s.axles > 0) Wheel(k, {foot.x + 0.35, s.wheelRadiusM}, s.wheelRadiusM, false);
}

// A bundle of launch tubes or rails, laid one above the other from `base`.
void Rails(Sketch& k, const EquipmentShape& s, P base, double deg, double len, bool tubes) {
  const double thick = tubes ? std::max(0.14, s.calibreMm / 1000 * 1.3) : 0.06;
  const double gap = tubes ? thick * 1.05 : 0.13;
  const int shown = std::min(s.barrels, tubes ? 4 : 6);
  for (int i = shown - 1; i >= 0; --i) {
    const P a = Along(base, deg + 90, gap * i);
    k.Bar(tubes ? Material::kPaint : Material::kMetal, a, Along(a, deg, len), thick);
  }
}

void RocketTruck(Sketch& k, const EquipmentShape& s) {
  const double L = s.lengthM, R = 0.46;
  k.Box(Material::kPaint, 0.2, R + 0.15, L - 0.2, R + 0.45);  // chassis
  k.Poly(Material::kPaint, {{L - 2.1, R + 0.4},
                            {L - 2.0, 2.3},
                            {L - 1.2, 2.3},
                            {L - 1.0, 1.6},
                            {L - 0.05, 1.45},
                            {L, R + 0.4}});
  k.Box(Material::kOpening, L - 1.85, 1.75, L - 1.35, 2.15);  // cab window
  Rails(k, s, {0.4, 1.45}, 12, 4.6, false);
  k.Bar(Material::kPaint, {1.0, R + 0.45}, {1.6, 1.45}, 0.14);  // rail support
  for (double x : {1.0, 2.3, L - 0.9}) Wheel(k, {x, R}, R, false);
}

void RocketHalfTrack(Sketch& k, const EquipmentShape& s) {
  const double top = HalfTrackBase(k, s, true);
  Rails(k, s, {s.lengthM * 0.2, top + 0.1}, s.elevationDeg * 0.5, 1.5, true);
}

void RocketTowed(Sketch& k, const EquipmentShape& s) {
  const double R = s.wheelRadiusM;
  k.Bar(Material::kPaint, {0, 0.06}, {1.1, R}, 0.12);
  Rails(k, s, {0.75, R + 0.1}, s.elevationDeg, 1.35, true);
  Wheel(k, {1.1, R}, R, false);
}

void RocketFrame(Sketch& k, const EquipmentShape& s) {
  k.Bar(Material::kPaint, {0, 0.05}, Along({0, 0.05}, 35, 2.2), 0.12);  // frame
  k.Bar(Material::kPaint, {1.6, 0}, {1.6, 1.3}, 0.1);
  for (int i = 0; i < std::min(s.barrels, 4); ++i) {
    const P a = Along({0.1 + 0.05 * i, 0.22 + 0.32 * i}, 35, 0.9);
    k.Bar(Material::kMetal, Along(a, 35, -0.7), a, 0.12);      // motor
    k.Bar(Material::kPaint, a, Along(a, 35, 0.6), 0.3, 0.22);  // warhead in its crate
  }
}

// Anti-tank guns: low, a long barrel and a wide shield down to the ground.
void AntiTankGun(Sketch& k, const EquipmentShape& s) {
  TowedPiece(k, s, s.lengthM * 0.5, 0.3 + s.calibreMm / 300, false);
}

void AntiTankRocket(Sketch& k, const EquipmentShape& s) {
  const double R = 0.25;
  k.Bar(Material::kPaint, {0, 0.05}, {0.9, R}, 0.1);
  const P t{0.95, R + 0.25};
  k.Bar(Material::kPaint, Along(t, 180, 0.6), Along(t, 0, 0.9), s.calibreMm / 1000 * 1.6);
  k.Box(Material::kPaint, 0.9, R, 1.05, t.y + 0.2);
  Wheel(k, {0.9, R}, R, false);
}

// Light anti-aircraft guns on a two-wheeled mounting, one barrel or a bundle.
void LightAaGun(Sketch& k, const EquipmentShape& s) {
  const double R = s.wheelRadiusM;
  k.Poly(Material::kPaint, {{0, R * 0.6}, {2.2, R * 0.6}, {2.0, R * 1.2}, {0.2, R * 1.2}});
  const P pivot{1.1, R * 1.2 + 0.55};
  k.Poly(Material::kPaint, {{0.7, R * 1.2}, {1.5, R * 1.2}, {1.25, pivot.y}, {0.95, pivot.y}});
  for (int i = s.barrels - 1; i >= 0; --i) {
    const P p = Along(pivot, s.elevationDeg + 90, 0.12 * (i % 2) - 0.06 * (s.barrels > 1));
    Cradle(k, s, Along(p, s.elevationDeg, 0.1 * (i / 2)), s.elevationDeg);
    Barrel(k, s, Along(p, s.elevationDeg, 0.1 * (i / 2)), s.elevationDeg);
  }
  k.Box(Material::kPaint, 0.55, pivot.y - 0.1, 0.75, pivot.y + 0.35);  // sight post
  for (double x : {0.4, 1.8}) Wheel(k, {x, R}, R, false);
}

// Heavy anti-aircraft guns on a cruciform platform, the travelling bogies taken off.
void HeavyAaGun(Sketch& k, const EquipmentShape& s) {
  const double span = 3.6 + s.calibreMm / 50;
  k.Box(Material::kMetal, 0, 0, 0.5, 0.1);  // levelling pads
  k.Box(Material::kMetal, span - 0.5, 0, span, 0.1);
  k.Box(Material::kPaint, 0.1, 0.08, span - 0.1, 0.4);
  const P pivot{span * 0.42, 1.5 + s.calibreMm / 500};
  k.Poly(Material::kPaint, {{span * 0.22, 0.4},
                            {span * 0.66, 0.4},
                            {pivot.x + 0.45, pivot.y - 0.2},
                            {pivot.x - 0.5, pivot.y - 0.1}});
  Cradle(k, s, pivot, s.elevationDeg);
  Barrel(k, s, pivot, s.elevationDeg);
  const double h = 0.9 + s.calibreMm / 400;
  k.Poly(Material::kPaint, {{pivot.x + 0.55, pivot.y - h * 0.6},
                            {pivot.x + 0.8, pivot.y - h * 0.55},
                            {pivot.x + 0.85, pivot.y + h * 0.45},
                            {pivot.x + 0.6, pivot.y + h * 0.4}});  // shield
}

void SpAaHalfTrack(Sketch& k, const EquipmentShape& s) {
  const bool armoured = s.armour >= 3;
  const double top = HalfTrackBase(k, s, armoured);
  const P pivot{s.lengthM * 0.32, top + 0.45};
  k.Poly(Material::kPaint, {{pivot.x - 0.35, top},
                            {pivot.x + 0.35, top},
                            {pivot.x + 0.15, pivot.y},
                            {pivot.x - 0.15, pivot.y}});
  for (int i = s.barrels - 1; i >= 0; --i) {
    const P p = Along(pivot, s.elevationDeg + 90, 0.12 * (i % 2));
    Barrel(k, s, Along(p, s.elevationDeg, 0.1 * (i / 2)), s.elevationDeg);
  }
  Cradle(k, s, pivot, s.elevationDeg);
  k.Box(Material::kPaint, pivot.x + 0.25, pivot.y - 0.3, pivot.x + 0.4, pivot.y + 0.4);  // shield
}

void SpAaTank(Sketch& k, const EquipmentShape& s) {
  const double L = s.lengthM;
  const double run = Tracks(k, s, 0.1, L - 0.1);
  const double bottom = run * 0.65, top = bottom + s.heightM * 0.4;
  DrawHull(k, s, L, bottom, top);
  const double cx = L * 0.48, w = L * 0.4, h = s.heightM * 0.3;
  const P pivot{cx + 0.1, top + h * 0.7};
  for (int i = s.barrels - 1; i >= 0; --i) {
    const P p = Along(pivot, s.elevationDeg + 90, 0.12 * (i % 2));
    Barrel(k, s, Along(p, s.elevationDeg, 0.1 * (i / 2)), s.elevationDeg);
  }
  k.Poly(Material::kPaint, {{cx - w / 2, top - 0.02},
                            {cx - w / 2 + 0.15, top + h},
                            {cx + w / 2 - 0.15, top + h},
                            {cx + w / 2, top - 0.02}});
  k.Box(Material::kOpening, cx - w / 2 + 0.25, top + h - 0.1, cx + w / 2 - 0.25, top + h - 0.03);
}

Sketch SketchOf(const EquipmentShape& s) {
  Sketch k;
  switch (s.form) {
    case EquipmentForm::kTank:
    case EquipmentForm::kTankette:
    case EquipmentForm::kFlameTank:
    case EquipmentForm::kCasemateGun:
    case EquipmentForm::kOpenSpGun:
      TrackedGun(k, s);
      break;
    case EquipmentForm::kArmouredCar:
      ArmouredCar(k, s);
      break;
    case EquipmentForm::kHalfTrack:
      HalfTrack(k, s);
      break;
    case EquipmentForm::kCarrier:
      Carrier(k, s);
      break;
    case EquipmentForm::kFieldGun:
    case EquipmentForm::kHowitzer:
      TowedGun(k, s, s.spokedWheels);
      break;
    case EquipmentForm::kSiegeHowitzer:
      SiegePiece(k, s);
      break;
    case EquipmentForm::kRecoillessGun:
      RecoillessGun(k, s);
      break;
    case EquipmentForm::kMortar:
      Mortar(k, s);
      break;
    case EquipmentForm::kRocketTruck:
      RocketTruck(k, s);
      break;
    case EquipmentForm::kRocketHalfTrack:
      RocketHalfTrack(k, s);
      break;
    case EquipmentForm::kRocketTowed:
      RocketTowed(k, s);
      break;
    case EquipmentForm::kRocketFrame:
      RocketFrame(k, s);
      break;
    case EquipmentForm::kAntiTankGun:
      AntiTankGun(k, s);
      break;
    case EquipmentForm::kAntiTankRocket:
      AntiTankRocket(k, s);
      break;
    case EquipmentForm::kLightAaGun:
      LightAaGun(k, s);
      break;
    case EquipmentForm::kHeavyAaGun:
      HeavyAaGun(k, s);
      break;
    case EquipmentForm::kSpAaHalfTrack:
      SpAaHalfTrack(k, s);
      break;
    case EquipmentForm::kSpAaTank:
      SpAaTank(k, s);
      break;
    case EquipmentForm::kNone:
      break;
  }
  return k;
}

// --- Putting it on the slot ------------------------------------------------------------------

// The largest scale of a form: vehicles at 8 px a metre, towed pieces and mortars larger so that
// they read as more than sticks beside the vehicles.
double PixelsPerMetre(EquipmentForm f) {
  switch (f) {
    case EquipmentForm::kFieldGun:
    case EquipmentForm::kHowitzer:
    case EquipmentForm::kRecoillessGun:
    case EquipmentForm::kAntiTankGun:
    case EquipmentForm::kAntiTankRocket:
      return 14;
    case EquipmentForm::kMortar:
      return 22;
    case EquipmentForm::kRocketTowed:
    case EquipmentForm::kRocketFrame:
    case EquipmentForm::kLightAaGun:
      return 13;
    case EquipmentForm::kHeavyAaGun:
    case EquipmentForm::kArmouredCar:
    case EquipmentForm::kHalfTrack:
    case EquipmentForm::kCarrier:
      return 10;
    default:
      return 9.5;
  }
}

// The backdrop every picture shares: a pale sky over a strip of trodden ground.
void Backdrop(cairo_t* cr) {
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, 32);
  cairo_pattern_add_color_stop_rgb(sky, 0, 0.72, 0.80, 0.86);
  cairo_pattern_add_color_stop_rgb(sky, 1, 0.90, 0.91, 0.87);
  cairo_set_source(cr, sky);
  cairo_rectangle(cr, 0, 0, 100, 33);
  cairo_fill(cr);
  cairo_pattern_destroy(sky);
  cairo_pattern_t* ground = cairo_pattern_create_linear(0, 32, 0, 40);
  cairo_pattern_add_color_stop_rgb(ground, 0, 0.78, 0.75, 0.62);
  cairo_pattern_add_color_stop_rgb(ground, 1, 0.70, 0.66, 0.52);
  cairo_set_source(cr, ground);
  cairo_rectangle(cr, 0, 33, 100, 7);
  cairo_fill(cr);
  cairo_pattern_destroy(ground);
  SetColor(cr, Hex(0xA8A288));  // the horizon
  cairo_rectangle(cr, 0, 32, 100, 1);
  cairo_fill(cr);
  Dice d{17};
  for (int i = 0; i < 50; ++i) {  // tufts and stones
    SetColor(cr, Hex(d.Unit() < 0.5 ? 0xA09A78 : 0x9A8E70));
    cairo_rectangle(cr, std::floor(d.Range(0, 100)), std::floor(d.Range(34, 40)), 1, 1);
    cairo_fill(cr);
  }
}

// The finish of the painted parts: base colour, the camouflage patches of the scheme, a
// mottle of wear, lit from above.
cairo_surface_t* PaintSurface(const EquipmentShape& s) {
  cairo_surface_t* paint = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 100, 40);
  cairo_t* cr = cairo_create(paint);
  SetColor(cr, Hex(s.finish.base));
  cairo_paint(cr);
  Dice d{s.seed};
  for (int c = 0; c < s.finish.camoColours; ++c) {
    SetColor(cr, Hex(s.finish.camo[c]));
    for (int i = 0; i < 9; ++i) {
      const double x = d.Range(0, 100), y = d.Range(0, 36), w = d.Range(3, 8), h = d.Range(2, 4);
      cairo_save(cr);
      cairo_translate(cr, x, y);
      cairo_rotate(cr, d.Range(-0.6, 0.6));
      cairo_scale(cr, w, h);
      cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
      cairo_restore(cr);
      cairo_fill(cr);
    }
  }
  for (int i = 0; i < 14; ++i) {  // wear and dust
    SetColor(cr, Mix(Hex(s.finish.base), Hex(d.Unit() < 0.5 ? 0x000000 : 0x8A7A5A), 0.3), 0.6);
    cairo_arc(cr, d.Range(0, 100), d.Range(0, 36), d.Range(0.6, 1.6), 0, 2 * kPi);
    cairo_fill(cr);
  }
  cairo_pattern_t* light = cairo_pattern_create_linear(0, 8, 0, 36);
  cairo_pattern_add_color_stop_rgba(light, 0, 1, 1, 0.9, 0.18);
  cairo_pattern_add_color_stop_rgba(light, 0.5, 1, 1, 1, 0);
  cairo_pattern_add_color_stop_rgba(light, 1, 0, 0, 0, 0.3);
  cairo_set_source(cr, light);
  cairo_paint(cr);
  cairo_pattern_destroy(light);
  cairo_destroy(cr);
  return paint;
}

}  // namespace

namespace {

struct Extent {
  double x0 = 1e9, x1 = -1e9, y1 = 0;
};

Extent ExtentOf(const Sketch& sketch) {
  Extent e;
  auto extend = [&](P q, double r) {
    e.x0 = std::min(e.x0, q.x - r), e.x1 = std::max(e.x1, q.x + r), e.y1 = std::max(e.y1, q.y + r);
  };
  for (const Part& p : sketch.Parts()) {
    if (p.width > 0) {
      extend(p.a, p.width / 2), extend(p.b, p.width2 / 2);
    } else if (p.outline.empty()) {
      extend(p.centre, p.radius);
    }
    for (const P& q : p.outline) extend(q, 0);
  }
  return e;
}

// Draws the parts with the piece's rear end (x 0) at pixel `left` and the ground at `groundY`;
// `flat` paints everything in one colour without outlines (a silhouette against the light).
void DrawSketch(cairo_t* cr, const Sketch& sketch, const EquipmentShape& s, double left,
                double groundY, double scale, const Rgb* flat) {
  auto X = [&](double x) { return left + x * scale; };
  auto Y = [&](double y) { return groundY - y * scale; };
  cairo_surface_t* paint = PaintSurface(s);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  for (const Part& p : sketch.Parts()) {
    if (p.width > 0) {
      const double ax = X(p.a.x), ay = Y(p.a.y), bx = X(p.b.x), by = Y(p.b.y);
      const double len = std::hypot(bx - ax, by - ay), nx = (by - ay) / len / 2,
                   ny = -(bx - ax) / len / 2;
      const double w = std::max(p.width * scale, 1.8), w2 = std::max(p.width2 * scale, 1.8);
      cairo_move_to(cr, ax + nx * w, ay + ny * w);
      cairo_line_to(cr, bx + nx * w2, by + ny * w2);
      cairo_line_to(cr, bx - nx * w2, by - ny * w2);
      cairo_line_to(cr, ax - nx * w, ay - ny * w);
      cairo_close_path(cr);
    } else if (p.outline.empty()) {
      cairo_new_path(cr);
      cairo_arc(cr, X(p.centre.x), Y(p.centre.y), std::max(p.radius * scale, 0.8), 0, 2 * kPi);
    } else {
      cairo_move_to(cr, X(p.outline[0].x), Y(p.outline[0].y));
      for (size_t i = 1; i < p.outline.size(); ++i)
        cairo_line_to(cr, X(p.outline[i].x), Y(p.outline[i].y));
      cairo_close_path(cr);
    }
    if (flat) {
      SetColor(cr, *flat);
      cairo_fill(cr);
      continue;
    }
    switch (p.material) {
      case Material::kPaint:
        cairo_set_source_surface(cr, paint, 0, 0);
        break;
      case Material::kRubber:
        SetColor(cr, kRubber);
        break;
      case Material::kMetal:
        SetColor(cr, kMetal);
        break;
      case Material::kOpening:
        SetColor(cr, kOpening);
        break;
    }
    // Thin bars and small wheels get no outline, which would swallow them; a thin painted bar
    // is shaded darker instead, so that it still reads against the sky.
    const double size = p.width > 0         ? std::max(p.width, p.width2) * scale
                        : p.outline.empty() ? 2 * p.radius * scale
                                            : 99;
    if (size < 3.2) {
      cairo_fill_preserve(cr);
      SetColor(cr, kInk, p.material == Material::kPaint ? 0.45 : 0.0);
      cairo_fill(cr);
      continue;
    }
    cairo_fill_preserve(cr);
    SetColor(cr, kInk, 0.95);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
  }
  cairo_surface_destroy(paint);
}

}  // namespace

void PaintEquipment(cairo_t* cr, int model) {
  Backdrop(cr);
  if (model < 1 || model > kEquipmentModelRows) return;
  const EquipmentShape s = ShapeOf(EquipmentModels[size_t(model)]);
  if (s.form == EquipmentForm::kNone) return;  // empty row: backdrop only
  const Sketch sketch = SketchOf(s);
  // Fit: at most the form's pixels a metre, the whole piece within 92 x 31 px, centred.
  const Extent e = ExtentOf(sketch);
  const double scale = std::min({PixelsPerMetre(s.form), 92 / (e.x1 - e.x0), 31 / e.y1});
  DrawSketch(cr, sketch, s, 50 - (e.x0 + e.x1) / 2 * scale, kGroundY, scale, nullptr);
}

void DrawModel(cairo_t* cr, int model, double centreX, double groundY, double pixelsPerMetre,
               const Rgb* silhouette) {
  if (model < 1 || model > kEquipmentModelRows) return;
  const EquipmentShape s = ShapeOf(EquipmentModels[size_t(model)]);
  if (s.form == EquipmentForm::kNone) return;
  const Sketch sketch = SketchOf(s);
  const Extent e = ExtentOf(sketch);
  DrawSketch(cr, sketch, s, centreX - (e.x0 + e.x1) / 2 * pixelsPerMetre, groundY, pixelsPerMetre,
             silhouette);
}

}  // namespace gm::art
