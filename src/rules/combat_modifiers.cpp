// Terrain, surprise and random-spread modifiers of a fire phase.
#include "rules/combat_modifiers.hpp"

#include "world/random.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr int kFirstGroundKind = 4;
constexpr int kLastGroundKind = 11;

// The tile's attack-bonus byte for the type's kind; 0 for non-ground kinds or a bad tile.
int AttackBonusOf(std::uint16_t type, std::uint16_t tile) {
  if (type > kFormationTypeRows || tile >= kTerrainTileCount) return 0;
  const int kind = FormationTypes[type].Kind;
  if (kind < kFirstGroundKind || kind > kLastGroundKind) return 0;
  return TerrainTiles[tile].AttackBonus[kind - kFirstGroundKind];
}

void Spread(World& w, Clock& clock, std::int32_t& strength) {
  SeedFromClock(w, clock);
  const std::int64_t s = strength;
  std::int64_t a = Random(w, 3);
  if (a > 0) a = s / (2 * a);
  const int b = Random(w, 2);
  const int c = Random(w, 4);
  w.Combat.RandomValue = static_cast<std::int32_t>(a);
  std::int64_t result = s;
  if (s > 0) result = b == 0 ? s - a : s + c * a;
  strength = ClampStrength(std::max<std::int64_t>(result, 0));
}

}  // namespace

void AddTerrainAttack(World& w, std::uint16_t type, std::uint16_t tile) {
  w.Combat.AttackStrength =
      ClampStrength(std::int64_t{w.Combat.AttackStrength} + 100 * AttackBonusOf(type, tile));
}

void AddTerrainDefence(World& w, std::uint16_t type, std::uint16_t tile) {
  w.Combat.DefenceBase =
      ClampStrength(std::int64_t{w.Combat.DefenceBase} + 10 * AttackBonusOf(type, tile));
}

void AddTerrainAirDefence(World& w, std::uint16_t /*type*/, std::uint16_t tile) {
  if (tile >= kTerrainTileCount) return;
  w.Combat.DefenceBase =
      ClampStrength(std::int64_t{w.Combat.DefenceBase} + TerrainTiles[tile].AirDefenceBonus);
}

void SurpriseBonus(World& w) {
  if (w.OpeningCoalition != w.SideOnMove) return;
  const TGameHeader& h = w.GameHeader;
  if (h.Year != 1941 || h.Month != 6) return;
  const std::int64_t s = w.Combat.AttackStrength;
  if (s <= 0) return;
  std::int64_t gain = 0;
  switch (h.Day) {
    case 22:
      gain = s;
      break;
    case 23:
      gain = s / 2;
      break;
    case 24:
      gain = s / 4;
      break;
    default:
      return;
  }
  w.Combat.AttackStrength = ClampStrength(s + gain);
}

void RandomSpread(World& w, Clock& clock) {
  Spread(w, clock, w.Combat.AttackStrength);
}

void RandomSpreadAA(World& w, Clock& clock) {
  Spread(w, clock, w.Combat.AAStrength);
}

}  // namespace gm
