// Small helpers every rule uses on the World: numbered records, map bounds, own and enemy
// nations, and the clamped arithmetic of 16-bit counts.
#pragma once

#include <algorithm>
#include <cassert>
#include <cstdint>

#include "world/tables/tables.hpp"
#include "world/world.hpp"

namespace gm {

// --- Map ---

constexpr bool OnMap(int x, int y) {
  return x >= 0 && x < kMapWidth && y >= 0 && y < kMapHeight;
}

// The part of the map the war is fought on: columns 0..359, rows 30..329.
constexpr bool InTheatre(int x, int y) {
  return x >= kTheatreMinX && x <= kTheatreMaxX && y >= kTheatreMinY && y <= kTheatreMaxY;
}

inline TMapCell& Cell(World& w, int x, int y) {
  assert(OnMap(x, y));
  return w.MapCells[y * kMapWidth + x];
}
inline const TMapCell& Cell(const World& w, int x, int y) {
  assert(OnMap(x, y));
  return w.MapCells[y * kMapWidth + x];
}

// --- Numbered records (1-based, as the cells and the rules name them) ---

inline TFormation& Formation(World& w, int n) {
  assert(n >= 1 && n <= kMaxFormations);
  return w.Formations[n - 1];
}
inline const TFormation& Formation(const World& w, int n) {
  assert(n >= 1 && n <= kMaxFormations);
  return w.Formations[n - 1];
}

inline TSettlement& Settlement(World& w, int n) {
  assert(n >= 1 && n <= kMaxSettlements);
  return w.Settlements[n - 1];
}
inline const TSettlement& Settlement(const World& w, int n) {
  assert(n >= 1 && n <= kMaxSettlements);
  return w.Settlements[n - 1];
}

// The used formation a cell word or a list names, or nullptr for 0, a number past the table or a
// free record (Branch 0): a cell word left pointing at a wiped record is no formation.
inline TFormation* UsedFormation(World& w, int n) {
  if (n < 1 || n > kMaxFormations) return nullptr;
  TFormation& f = w.Formations[n - 1];
  return f.Branch != 0 ? &f : nullptr;
}
inline const TFormation* UsedFormation(const World& w, int n) {
  return UsedFormation(const_cast<World&>(w), n);
}

// --- Formation types ---

// The formation's type row. A type number past 200 reads as the empty row 0 (nation 0, kind 0),
// so a damaged record never reads outside the table.
inline const TFormationType& TypeOf(const TFormation& f) {
  return FormationTypes[f.FormationType <= kFormationTypeRows ? f.FormationType : 0];
}
inline int NationOf(const TFormation& f) {
  return TypeOf(f).Nation;
}
inline int KindOf(const TFormation& f) {
  return TypeOf(f).Kind;
}

// --- Sides ---

// Nation n belongs to a set when bit n is set; 0, the neutral mark 10 (never in a set) and
// numbers above 31 belong to no side.
constexpr bool InNationSet(std::uint32_t set, int nation) {
  return nation >= 1 && nation <= 31 && ((set >> nation) & 1u) != 0;
}

inline std::uint32_t CoalitionOfSide(const World& w, int side) {
  return side == kSovietSide ? w.SovietCoalition : w.GermanCoalition;
}
inline std::uint32_t OwnCoalition(const World& w) {
  return CoalitionOfSide(w, w.SideOnMove);
}
inline std::uint32_t EnemyCoalition(const World& w) {
  return CoalitionOfSide(w, w.SideOnMove == kSovietSide ? kGermanSide : kSovietSide);
}

// Own and enemy are counted from the side on move.
inline bool IsOwn(const World& w, int nation) {
  return InNationSet(OwnCoalition(w), nation);
}
inline bool IsEnemy(const World& w, int nation) {
  return InNationSet(EnemyCoalition(w), nation);
}

// --- 16-bit counts ---

// Adds a gain or a loss to a 16-bit count, keeping the result within 0..65535: a loss never takes
// a count below 0.
constexpr std::uint16_t SaturatingAdd16(std::uint16_t count, std::int64_t delta) {
  return static_cast<std::uint16_t>(std::clamp<std::int64_t>(count + delta, 0, 65535));
}

}  // namespace gm
