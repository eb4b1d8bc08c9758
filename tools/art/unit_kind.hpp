// What a formation type's map symbol shows: the kind of troops and the size of the formation,
// read from the type's row (its kind, its name's words and its equipment).
#pragma once

#include "world/tables/table_types.hpp"

namespace gm::art {

enum class UnitKind {
  kNone,  // empty row
  kArmoured,
  kMechanised,  // infantry in armoured carriers or with its own tanks: panzergrenadiers
  kMotorised,
  kInfantry,
  kMarine,
  kMountain,
  kCavalry,
  kMountainCavalry,
  kAirborne,
  kSecurity,  // security divisions and brigades behind the front
  kBorderGuard,
  kGuerrilla,
  kMilitia,
  kArtillery,
  kRocketArtillery,   // mortar and rocket formations
  kAssaultArtillery,  // self-propelled guns
  kAntiTank,
  kAirDefence,
  kFortified,  // fortified regions
  kFighter,
  kAssaultAir,
  kTacticalBomber,
  kBomber,
  kMixedAir,
  kTorpedoBomber,
  kLevelBomber,
};

enum class UnitSize {
  kRegiment,  // III: air regiments and groups
  kBrigade,   // X
  kDivision,  // XX
};

UnitKind KindOf(const TFormationType& t);
UnitSize SizeOf(const TFormationType& t);

}  // namespace gm::art
