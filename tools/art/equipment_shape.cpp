// Works out an equipment picture from the model's row. The table's own scales (docs/tables.md)
// are read backwards: the cost gives the weight, the infantry attack the shell and so the
// calibre, the armour attack the penetration and so the barrel length, the ground defence the
// armour, the road speed the running gear. A few kinds that no number tells apart (half-tracks,
// carriers, rocket launchers on lorries) are told by the words of the name.
#include "tools/art/equipment_shape.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <vector>

namespace gm::art {
namespace {

bool Has(std::string_view name, std::string_view word) {
  return name.find(word) != std::string_view::npos;
}

bool HasAny(std::string_view name, std::initializer_list<std::string_view> words) {
  for (std::string_view w : words)
    if (Has(name, w)) return true;
  return false;
}

// Vehicles: cost = 12.6 x weight^0.6.
double VehicleWeight(double cost) {
  return std::pow(std::max(cost, 6.0) / 12.6, 1 / 0.6);
}

// The calibre of a vehicle's gun from its infantry attack: 6.9 x (HE shell in kg)^0.25 plus
// about one for the machine guns; a 76mm shell weighs 6.2 kg and shells go with the calibre
// cubed. 0 for machine-gun armament.
double CalibreFromAttack(int infantryAttack, bool machineGuns) {
  const double gun = infantryAttack - (machineGuns ? 1.0 : 0.0);
  if (gun < 1.5) return 0;
  const double shellKg = std::pow(gun / 6.9, 4);
  return std::clamp(76 * std::cbrt(shellKg / 6.2), 20.0, 380.0);
}

// The barrel length in calibres from the armour attack: penetration / 12 mm plus one from
// 100mm and one more from 120mm; long barrels push a shell through more than its calibre.
double BarrelFromPenetration(int armorAttack, double calibre) {
  if (calibre <= 0) return 0;
  const int bonus = (calibre >= 100) + (calibre >= 120);
  const double penetration = std::max(0, armorAttack - bonus) * 12.0;
  return std::clamp(8 + 34 * penetration / calibre, 8.0, 75.0);
}

Finish FinishOf(int nation, int year, int month) {
  const int date = year * 12 + month;
  Finish f;
  auto set = [&f](uint32_t base, uint32_t a = 0, uint32_t b = 0) {
    f.base = base;
    f.camo[0] = a;
    f.camo[1] = b;
    f.camoColours = (a != 0) + (b != 0);
  };
  switch (nation) {
    case 1:  // Hungary: green with brown and dark green
      set(0x58633C, 0x6E5534, 0x3C4628);
      break;
    case 2:  // Germany: panzer grey, dark yellow from 1943, with green and brown from 1944
      if (date < 1943 * 12 + 2)
        set(0x4C5256);
      else if (year < 1944)
        set(0x887440);
      else
        set(0x887440, 0x4A5630, 0x66442C);
      break;
    case 3:  // Italy: grey-green, then the desert khaki
      if (year < 1941)
        set(0x5E6650);
      else
        set(0x857650);
      break;
    case 4:  // Romania: khaki green
      set(0x666A3E);
      break;
    case 5:  // the USSR: the protective green
      set(0x4F5B30);
      break;
    case 6:  // Finland: green with grey sand and brown
      set(0x5A684A, 0x8A8466, 0x5A4A36);
      break;
    case 7:  // Slovakia and the Czech works: ochre with green and brown
      set(0x7A6E44, 0x4E5A32, 0x6A4C34);
      break;
    case 20:  // Britain
      set(0x5E6246);
      break;
    case 21:  // France: ochre, green and brown
      set(0x7C7248, 0x4C5432, 0x6A4C32);
      break;
    case 22:  // Poland: sand, green and brown
      set(0x7A7452, 0x4C5A34, 0x5E4430);
      break;
    case 26:  // the United States: olive drab
      set(0x5A5A3C);
      break;
    case 25:  // Sweden
      set(0x4E5C3E);
      break;
    default:  // the Netherlands, Belgium and others: khaki
      set(0x66664A);
      break;
  }
  return f;
}

uint32_t RowSeed(const TEquipmentModel& m) {
  uint32_t h = 2166136261u;
  const auto* bytes = reinterpret_cast<const unsigned char*>(&m);
  for (size_t i = 0; i < sizeof m; ++i) h = (h ^ bytes[i]) * 16777619u;
  return h;
}

}  // namespace

NamedGun GunFromName(std::string_view name) {
  struct Number {
    int value;
    size_t begin, end;
  };
  std::vector<Number> numbers;
  for (size_t i = 0; i < name.size();) {
    if (!std::isdigit(static_cast<unsigned char>(name[i]))) {
      ++i;
      continue;
    }
    Number n{0, i, i};
    while (n.end < name.size() && std::isdigit(static_cast<unsigned char>(name[n.end])))
      n.value = n.value * 10 + (name[n.end++] - '0');
    numbers.push_back(n);
    i = n.end;
  }
  auto joined = [&](const Number& a, const Number& b) {  // "a/b"
    return a.end < name.size() && name[a.end] == '/' && b.begin == a.end + 1;
  };
  auto unit = [&](const Number& n) { return name.substr(n.end, 2) == "mm"; };
  NamedGun gun;
  for (size_t k = 0; k < numbers.size(); ++k) {
    if (!unit(numbers[k])) continue;
    gun.calibreMm = gun.muzzleMm = numbers[k].value;
    if (k > 0 && joined(numbers[k - 1], numbers[k]) && numbers[k - 1].value > numbers[k].value)
      gun.calibreMm = numbers[k - 1].value;
    break;
  }
  for (size_t k = 0; k + 1 < numbers.size(); ++k) {
    const Number& a = numbers[k];
    const Number& b = numbers[k + 1];
    const bool wordStart = a.begin == 0 || name[a.begin - 1] == ' ';
    if (!wordStart || !joined(a, b) || unit(b) || a.value < 20 || a.value > 400 || b.value < 5 ||
        b.value > 80)
      continue;
    if (gun.calibreMm != 0 && gun.calibreMm != a.value) continue;
    gun.calibreMm = gun.muzzleMm = a.value;
    gun.lengthCalibres = b.value;
    break;
  }
  return gun;
}

EquipmentShape ShapeOf(const TEquipmentModel& m) {
  EquipmentShape s;
  if (m.Category < 1 || m.Category > 8) return s;
  const std::string_view name = m.Name.View();
  s.seed = RowSeed(m);
  s.finish = FinishOf(m.Nation, m.IntroYear, m.IntroMonth);
  s.armour = m.GroundDefense;
  const NamedGun named = GunFromName(name);
  const bool vehicle = m.roadSpeed > 0;
  const double aaMounting = m.Category == 8 ? 15 : 0;
  s.weightTonnes = VehicleWeight(m.Cost - aaMounting);
  const double size = std::cbrt(s.weightTonnes);

  // Weapon: the name's calibre where it gives one, else the attack's.
  s.calibreMm =
      named.calibreMm > 0 ? named.calibreMm : CalibreFromAttack(m.InfantryAttack, vehicle);
  s.muzzleMm = named.calibreMm > 0 ? named.muzzleMm : s.calibreMm;
  s.barrelCalibres = named.lengthCalibres > 0 ? named.lengthCalibres
                                              : BarrelFromPenetration(m.ArmorAttack, s.calibreMm);
  if (m.Category == 8) s.barrelCalibres = std::max(s.barrelCalibres, 50.0 + m.AirAttack);
  s.spokedWheels = m.IntroYear < 1920;
  s.muzzleBrake = s.calibreMm >= 100 || (s.calibreMm >= 75 && s.barrelCalibres >= 40);

  // Running gear of vehicles: the road speed in steps of 5 km/h.
  s.fastTrack = m.roadSpeed >= 10 || (s.weightTonnes >= 40 && m.roadSpeed >= 8);
  s.wheelRadiusM = s.fastTrack ? 0.3 + 0.07 * size : 0.16 + 0.04 * size;
  s.lengthM = 2.0 * size;
  s.heightM = 0.9 + 0.42 * size + 0.015 * m.GroundDefense;

  switch (m.Category) {
    case 1:
      if (HasAny(name, {"OT-", "Flamm", "(Fl)"}) || (m.ArmorAttack == 0 && m.InfantryAttack >= 7))
        s.form = EquipmentForm::kFlameTank;
      else if (m.InfantryAttack <= 1 && m.Cost < 25)
        s.form = EquipmentForm::kTankette;
      else
        s.form = EquipmentForm::kTank;
      break;
    case 2:
      s.form = m.GroundDefense <= 7 ? EquipmentForm::kOpenSpGun : EquipmentForm::kCasemateGun;
      if (s.form == EquipmentForm::kOpenSpGun) s.heightM += 0.35;  // the crew stands behind shields
      // Guns that throw heavy shells rather than pierce armour are raised as howitzers.
      s.elevationDeg = s.barrelCalibres < 25 && s.form == EquipmentForm::kOpenSpGun ? 18 : 0;
      break;
    case 3:
      if (Has(name, "SPW")) {
        s.form = EquipmentForm::kHalfTrack;
      } else if (HasAny(name, {"Renault UE", "Lorraine", "Bren", "Carrier"})) {
        s.form = EquipmentForm::kCarrier;
        s.lengthM = 1.9 * size;
      } else {
        s.form = EquipmentForm::kArmouredCar;
        s.axles = Has(name, "8r")         ? 4
                  : Has(name, "6r")       ? 3
                  : s.weightTonnes >= 9.5 ? 4
                  : s.weightTonnes >= 7.5 ? 3
                                          : 2;
        s.wheelRadiusM = 0.42 + 0.03 * size;
        s.lengthM = 1.8 * size + 1.2;
        s.heightM += 0.4;
      }
      break;
    case 4:
    case 5: {
      // Field guns: cost = 15 (t / 0.9)^0.65; howitzers: 48 (t / 2.5)^0.65.
      s.weightTonnes = m.Category == 4 ? 0.9 * std::pow(m.Cost / 15.0, 1 / 0.65)
                                       : 2.5 * std::pow(m.Cost / 48.0, 1 / 0.65);
      const double piece = std::cbrt(s.weightTonnes);
      if (Has(name, "LG"))
        s.form = EquipmentForm::kRecoillessGun;
      else if (m.Cost >= 100)
        s.form = EquipmentForm::kSiegeHowitzer;
      else
        s.form = m.Category == 4 ? EquipmentForm::kFieldGun : EquipmentForm::kHowitzer;
      s.elevationDeg = m.Category == 5 ? 28 + 4 * piece : s.barrelCalibres < 20 ? 12 : 6;
      if (s.form == EquipmentForm::kSiegeHowitzer) s.elevationDeg = m.Category == 5 ? 42 : 20;
      s.axles = 1;
      s.wheelRadiusM = 0.38 + 0.16 * piece;
      s.lengthM = 2.2 + 2.0 * piece;
      s.heightM = 0.9 + 0.35 * piece;
      break;
    }
    case 6:
      if (m.InfantryAttack >= 30) {  // rocket launchers
        s.barrels = std::clamp(m.InfantryAttack / 8, 3, 8);
        s.elevationDeg = 35;
        if (vehicle && m.GroundDefense > 0) {
          s.form = EquipmentForm::kRocketHalfTrack;
        } else if (vehicle) {
          s.form = EquipmentForm::kRocketTruck;
          s.lengthM = 6.5;
        } else if (m.Cost >= 18) {
          s.form = EquipmentForm::kRocketTowed;
          s.axles = 1;
          s.wheelRadiusM = 0.4;
        } else {
          s.form = EquipmentForm::kRocketFrame;
        }
        if (s.calibreMm == 0) s.calibreMm = s.muzzleMm = 80 + 3 * m.InfantryAttack / s.barrels;
      } else {
        s.form = EquipmentForm::kMortar;
        s.barrelCalibres = 13;
        s.elevationDeg = 60;
        s.axles = s.calibreMm >= 150 ? 1 : 0;  // the heaviest travel on wheels
        s.wheelRadiusM = 0.45;
      }
      break;
    case 7: {
      const double penetration = m.ArmorAttack * 12.0;
      s.weightTonnes =
          std::pow(std::max(0.3, (m.Cost - 6 - penetration / 20) / 8.0), 1 / 0.7) * 0.9;
      const double piece = std::cbrt(s.weightTonnes);
      s.form = Has(name, "R.Wbr") ? EquipmentForm::kAntiTankRocket : EquipmentForm::kAntiTankGun;
      s.elevationDeg = 2;
      s.axles = 1;
      s.wheelRadiusM = 0.3 + 0.14 * piece;
      s.lengthM = 2.0 + 2.2 * piece;
      s.heightM = 0.7 + 0.3 * piece;
      break;
    }
    case 8:
      if (!vehicle) {
        s.weightTonnes = 1.2 * std::pow(m.Cost / 21.0, 1 / 0.6);
        s.form = s.calibreMm >= 70 ? EquipmentForm::kHeavyAaGun : EquipmentForm::kLightAaGun;
        s.axles = 1;
        s.wheelRadiusM = 0.3 + 0.08 * std::cbrt(s.weightTonnes);
      } else if (HasAny(name, {"SPW", "SdKfz", "Sd Kfz", "(Sf)", "sWS"})) {
        s.form = EquipmentForm::kSpAaHalfTrack;
        s.lengthM = 2.2 * size + 1.0;
      } else {
        s.form = EquipmentForm::kSpAaTank;
      }
      s.elevationDeg = s.calibreMm >= 70 ? 30 : 50;
      if (s.calibreMm <= 25 && m.AirAttack >= 5) s.barrels = m.AirAttack >= 7 ? 4 : 3;
      break;
  }
  return s;
}

}  // namespace gm::art
