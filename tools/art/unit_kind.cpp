// Reads a formation type's symbol from its row. The kind byte tells armour, infantry, airborne,
// cavalry, mountain, artillery, air defence and the air classes apart; the name's words split
// them further (a motorised division from a tank division, a border guard from paratroops).
#include "tools/art/unit_kind.hpp"

#include <string_view>

namespace gm::art {
namespace {

bool Has(std::string_view name, std::string_view word) {
  return name.find(word) != std::string_view::npos;
}

}  // namespace

UnitKind KindOf(const TFormationType& t) {
  const std::string_view n = t.Name.View();
  if (t.Kind == 0 || t.Nation == 0) return UnitKind::kNone;
  if (Has(n, "ortified")) return UnitKind::kFortified;
  if (Has(n, "militia")) return UnitKind::kMilitia;
  if (Has(n, "Guerrilla") || Has(n, "Partisan")) return UnitKind::kGuerrilla;
  if (Has(n, "Border")) return UnitKind::kBorderGuard;
  if (Has(n, "Security")) return UnitKind::kSecurity;
  switch (t.Kind) {
    case 4:
      if (Has(n, "Tank")) return UnitKind::kArmoured;
      if (Has(n, "Panzergrenadier") || Has(n, "Mechanized")) return UnitKind::kMechanised;
      return UnitKind::kMotorised;
    case 5:
      return Has(n, "Marine") || Has(n, "Sea") ? UnitKind::kMarine : UnitKind::kInfantry;
    case 6:
      // The kind also holds ground troops that fight as airborne do: jaegers stay infantry.
      return Has(n, "Airborne") ? UnitKind::kAirborne : UnitKind::kInfantry;
    case 7:
      return UnitKind::kCavalry;
    case 8:
      return Has(n, "cavalry") || Has(n, "Cavalry") ? UnitKind::kMountainCavalry
                                                    : UnitKind::kMountain;
    case 9:
      if (Has(n, "Anti-tank")) return UnitKind::kAntiTank;
      if (Has(n, "Mortar")) return UnitKind::kRocketArtillery;
      if (Has(n, "Assault")) return UnitKind::kAssaultArtillery;
      return UnitKind::kArtillery;
    case 10:
      return UnitKind::kAirDefence;
    case 21:
      return UnitKind::kFighter;
    case 22:
      return Has(n, "Assault") ? UnitKind::kAssaultAir : UnitKind::kTacticalBomber;
    case 23:
      return Has(n, "Mixed") ? UnitKind::kMixedAir : UnitKind::kBomber;
    case 24:
      return Has(n, "torpedo") ? UnitKind::kTorpedoBomber : UnitKind::kLevelBomber;
  }
  return UnitKind::kInfantry;
}

UnitSize SizeOf(const TFormationType& t) {
  const std::string_view n = t.Name.View();
  if (t.Branch == 2 || Has(n, "regiment") || Has(n, "group")) return UnitSize::kRegiment;
  if (Has(n, "division") || Has(n, "Division")) return UnitSize::kDivision;
  return UnitSize::kBrigade;
}

}  // namespace gm::art
