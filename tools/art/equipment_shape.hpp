// What an equipment picture shows, worked out from the model's own row of the equipment table:
// the kind of silhouette, its size in metres, the main weapon and the maker's wartime finish.
#pragma once

#include <cstdint>
#include <string_view>

#include "world/tables/table_types.hpp"

namespace gm::art {

enum class EquipmentForm {
  kNone,             // empty row
  kTank,             // turret on a tracked hull
  kTankette,         // small tracked vehicle with a machine gun in a low casemate
  kFlameTank,        // turret with a short flame projector
  kCasemateGun,      // assault gun or tank destroyer: the gun in a closed casemate
  kOpenSpGun,        // self-propelled gun in an open-topped shielded compartment
  kArmouredCar,      // wheeled
  kHalfTrack,        // wheels in front, tracks behind
  kCarrier,          // small open tracked carrier
  kFieldGun,         // towed gun on a split trail
  kRecoillessGun,    // light gun on a small tripod carriage, no shield
  kHowitzer,         // towed howitzer, barrel raised
  kSiegeHowitzer,    // heavy howitzer on a tracked carriage
  kMortar,           // baseplate, tube and bipod
  kRocketTruck,      // launch rails on a lorry
  kRocketHalfTrack,  // launch frames on an armoured half-track
  kRocketFrame,      // launch frames standing on the ground
  kRocketTowed,      // a cluster of tubes on a two-wheeled carriage
  kAntiTankGun,      // low carriage, long thin barrel, wide low shield
  kAntiTankRocket,   // a short fat tube on small wheels
  kLightAaGun,       // light anti-aircraft gun on a wheeled mounting
  kHeavyAaGun,       // heavy anti-aircraft gun on a cruciform platform
  kSpAaHalfTrack,    // anti-aircraft gun on the bed of a half-track
  kSpAaTank,         // anti-aircraft gun in an open turret on a tank hull
};

// The maker's finish: a base colour and the patches of a camouflage scheme (none when plain).
struct Finish {
  uint32_t base = 0;
  uint32_t camo[2] = {0, 0};
  int camoColours = 0;
};

struct EquipmentShape {
  EquipmentForm form = EquipmentForm::kNone;
  double weightTonnes = 0;  // from the cost, by the table's cost scale of the category
  double lengthM = 0;       // hull, or carriage with its trail
  double heightM = 0;       // hull and turret, or the piece's shield
  double calibreMm = 0;     // main weapon; 0: machine guns only
  double muzzleMm = 0;      // bore at the muzzle: below the calibre for tapered barrels
  double barrelCalibres = 0;
  double elevationDeg = 0;   // of the barrel above the horizon
  int barrels = 1;           // several on multiple anti-aircraft mountings and rocket launchers
  int axles = 0;             // wheeled vehicles and towed pieces (pairs of wheels)
  double wheelRadiusM = 0;   // road wheels of tracked vehicles, wheels of wheeled ones
  bool fastTrack = false;    // few large road wheels (fast tanks)
  bool slopedFront = false;  // heavy, well-angled frontal armour
  bool muzzleBrake = false;
  bool spokedWheels = false;  // wooden wheels of pieces designed before the 1920s
  int armour = 0;             // ground defence: plate thickness and hull height
  Finish finish;
  uint32_t seed = 0;  // of the weathering and camouflage: every number of the row goes in
};

// The picture of model row `m`; the form is kNone for an empty row.
EquipmentShape ShapeOf(const TEquipmentModel& m);

// The gun a model's name writes out: "76mm ZIS-3" (calibre 76), "28/20mm Pzb-41" (a tapered
// bore, 28 at the breech and 20 at the muzzle), "DA 149/40" and "75mm 75/27" (calibre and barrel
// length in calibres, the Italian style). Zeros for what the name does not say.
struct NamedGun {
  double calibreMm = 0;
  double muzzleMm = 0;
  double lengthCalibres = 0;
};
NamedGun GunFromName(std::string_view name);

}  // namespace gm::art
