// A full-size, self-consistent world for the file tests and benchmarks: every cell, formation
// and settlement filled, carried bytes included, so that a save and a load must keep them all.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <span>
#include <vector>

#include "world/holdings.hpp"
#include "world/tables/tables.hpp"
#include "world/world.hpp"

namespace gm::testing {

inline std::uint64_t WorldHash(const World& w) {
  const auto* p = reinterpret_cast<const std::uint8_t*>(&w);
  std::uint64_t h = 14695981039346656037ull;
  for (std::size_t i = 0; i < sizeof(World); ++i) h = (h ^ p[i]) * 1099511628211ull;
  return h;
}

inline std::unique_ptr<World> CopyWorld(const World& w) {
  auto copy = std::make_unique<World>();
  std::memcpy(static_cast<void*>(copy.get()), &w, sizeof(World));
  return copy;
}

inline bool SameBytes(const World& a, const World& b) {
  return std::memcmp(&a, &b, sizeof(World)) == 0;
}

// Used formation-type rows of one branch (1 army, 2 air).
inline std::vector<std::uint16_t> TypeRows(std::uint16_t branch) {
  std::vector<std::uint16_t> rows;
  for (int t = 1; t <= kFormationTypeRows; ++t) {
    if (FormationTypes[t].Nation != 0 && FormationTypes[t].Branch == branch) {
      rows.push_back(static_cast<std::uint16_t>(t));
    }
  }
  return rows;
}

// A settlement's nation from a draw of 0..10: 1..8 or the neutral 10.
inline std::uint16_t Nation(std::uint16_t draw) {
  return draw >= 1 && draw <= 8 ? draw : 10;
}

// Random economy bytes held to the ranges a game keeps: statuses 0..3, the per-nation counts
// between 0 and a million.
inline void KeepEconomyInRange(TEconomy& e) {
  for (std::uint8_t& s : e.ProductionStatus) s %= 4;
  auto hold = [](TEconomy::NationTable& t) {
    for (std::int32_t& v : t)
      v = static_cast<std::int32_t>(static_cast<std::uint32_t>(v) % 1'000'000);
  };
  for (TEconomy::NationTable* t :
       {&e.RecruitPool, &e.VeteranPool, &e.WoundedPool, &e.SurrenderedMen, &e.DeadMen, &e.CarPool,
        &e.CarRepairPool, &e.HorsePool, &e.CarLosses, &e.HorseLosses, &e.DailyCars}) {
    hold(*t);
  }
  for (auto& t : e.EquipmentLosses) hold(t);
  for (auto& t : e.AircraftLosses) hold(t);
}

struct SyntheticOptions {
  int formations = kMaxFormations;    // header's FormationCount
  int settlements = kMaxSettlements;  // header's SettlementCount
  int usedFormations = 6000;          // placed in distinct theatre cells
  std::uint32_t seed = 1941;
};

// A world as a running game holds it after a load: it passes the whole-world check (every used
// formation in range and standing in its cell, settlements and economy in range), free records
// are zero up to word 86, records beyond the counts are zero.
inline std::unique_ptr<World> MakeSyntheticWorld(const SyntheticOptions& o = {}) {
  auto w = std::make_unique<World>();
  std::mt19937 rng(o.seed);
  auto below = [&](std::uint32_t n) { return static_cast<std::uint16_t>(rng() % n); };
  auto fill = [&](void* p, std::size_t n) {
    auto* b = static_cast<std::uint8_t*>(p);
    for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<std::uint8_t>(rng());
  };

  TGameHeader& h = w->GameHeader;
  fill(&h, sizeof h);  // carried header bytes
  h.MapWidth = kMapWidth;
  h.MapHeight = kMapHeight;
  h.FormationCount = static_cast<std::uint16_t>(o.formations);
  h.SettlementCount = static_cast<std::uint16_t>(o.settlements);
  h.Day = 22;
  h.Month = 6;
  h.Year = 1941;
  h.SideOnMove = 1;
  h.OpeningCoalition = 1;

  for (TMapCell& c : w->MapCells) {
    c.Terrain = below(kTerrainTileCount);
    c.GroundFormation = c.AirFormation = 0;
    c.Settlement = (o.settlements > 0 && below(8) == 0) ? 1 + below(o.settlements) : 0;
    c.reserved8 = static_cast<std::uint8_t>(rng());
    c.PlacementAllowed = below(2);
  }

  const std::vector<std::uint16_t> armyTypes = TypeRows(1);
  const std::vector<std::uint16_t> airTypes = TypeRows(2);
  for (int n = 1; n <= kMaxFormations; ++n) {
    TFormation& f = w->Formations[n - 1];
    std::memset(&f, 0, sizeof f);
    if (n > o.formations) continue;  // records beyond the stored count are zero after a load
    fill(&f.reserved87, sizeof f.reserved87);  // carried even by free records
    if (n > o.usedFormations) continue;
    fill(&f, offsetof(TFormation, reserved87));
    f.OrdersLeft %= 3;
    f.Ammo %= 11;
    const bool air = n % 5 == 0 && !airTypes.empty();
    f.Branch = air ? 2 : 1;
    f.FormationType = air ? airTypes[n % airTypes.size()] : armyTypes[n % armyTypes.size()];
    // Distinct theatre cells: air formations in the air word, army in the ground word.
    const int x = n % 360;
    const int y = 30 + (n / 360) % 300;
    f.X = f.xCopy = static_cast<std::uint16_t>(x);
    f.Y = f.yCopy = static_cast<std::uint16_t>(y);
    TMapCell& c = w->MapCells[y * kMapWidth + x];
    (air ? c.AirFormation : c.GroundFormation) = static_cast<std::uint16_t>(n);
    for (int k = 0; k < kEquipmentPairs; ++k) {
      TEquipmentPair& p = f.pairs[k];
      const bool aircraftPair = k == 6 || k == 7 || (air && k < 8);
      p.Count = below(3) == 0 ? 0 : 1 + below(200);
      p.Model = 1 + below(aircraftPair ? 400 : 800);
    }
  }
  for (int n = 1; n <= o.settlements; ++n) {
    TSettlement& s = w->Settlements[n - 1];
    fill(&s, sizeof s);
    s.OwnerNation = Nation(below(11));
    s.HolderNation = Nation(below(11));
    s.Value = below(101);
  }
  fill(&w->Economy, sizeof w->Economy);
  KeepEconomyInRange(w->Economy);

  w->ViewX = 154;
  w->ViewY = 208;
  w->MapWidth = kMapWidth;
  w->MapHeight = kMapHeight;
  w->SideOnMove = 1;
  w->OpeningCoalition = 1;
  RebuildHoldings(*w);  // as a load leaves it
  return w;
}

inline std::span<const std::uint8_t> Bytes(const std::vector<std::uint8_t>& v) {
  return v;
}

}  // namespace gm::testing
