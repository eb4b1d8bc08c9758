// The fire phase, the basic step of every fight: a group of the firing formation builds a
// strength, which is shared over one class of the target's items and turned into kills.
#pragma once

#include <cstdint>

#include "platform/clock.hpp"
#include "world/world.hpp"

namespace gm {

enum class FireGroup : std::uint8_t {
  kArtillery,  // howitzers and mortars, pairs 18..24
  kMainBody,   // pairs 0..5, 8..17, 25..30
};
enum class FireValue : std::uint8_t { kArmorAttack, kInfantryAttack };
enum class TargetClass : std::uint8_t {
  kArmour,  // pairs 0..5 and 8..13
  kSoft,    // men, horses, cars, pairs 14..30
};
// Which model values a target's equipment defends with.
enum class DefenceKind : std::uint8_t {
  kGround,  // Movement + GroundDefense
  kAir,     // AirDefense, against bombing
};

// One ground fire phase's constants.
struct GroundFirePhase {
  FireGroup group;
  int multiplier;  // m in (Count x m) div 10
  FireValue value;
  bool menFire;  // Men div 25 adds to the strength
  int experienceFactor;
  int moraleFactor;
  TargetClass target;
};

// Equipment model values of a ground pair; a model outside 1..800 reads as all 0.
struct ModelValues {
  std::uint16_t Movement, InfantryAttack, ArmorAttack, AirAttack, GroundDefense, AirDefense;
};
ModelValues EquipmentValues(std::uint16_t model);

// Shares `strength` over the target's items of the class and takes the kills off its counts.
// DefenceBase must already hold the target's defence base.
void ApplyFire(World& w, TFormation& target, std::int32_t strength, TargetClass cls,
               DefenceKind defence);

// A full ground phase: the ground formation at (firerX, firerY) fires on the one at
// (targetX, targetY); either cell without a formation makes it a no-op.
void RunGroundFirePhase(World& w, Clock& clock, int firerX, int firerY, int targetX, int targetY,
                        const GroundFirePhase& phase);

}  // namespace gm
