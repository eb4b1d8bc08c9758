// Small hand-built worlds for the fight tests: one terrain everywhere, both coalitions set, and
// helpers that place formations and find table rows by their values.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include "tests/support/world_builders.hpp"
#include "world/tables/tables.hpp"
#include "world/world.hpp"
#include "world/world_access.hpp"

namespace gm::testing {

inline constexpr int kGerman = 2;
inline constexpr int kSoviet = 5;

inline std::uint16_t TileNamed(std::string_view name) {
  for (int t = 0; t < kTerrainTileCount; ++t) {
    if (TerrainTiles[t].Name.View() == name) return static_cast<std::uint16_t>(t);
  }
  ADD_FAILURE() << "no terrain tile named " << name;
  return 0;
}

inline std::uint16_t TileWhere(const std::function<bool(const TTerrainTile&)>& pred) {
  for (int t = 0; t < kTerrainTileCount; ++t) {
    if (pred(TerrainTiles[t])) return static_cast<std::uint16_t>(t);
  }
  ADD_FAILURE() << "no terrain tile fits";
  return 0;
}

inline std::uint16_t ImpassableTile() {
  return TileWhere([](const TTerrainTile& t) { return t.MoveCost == 255; });
}

// The first formation type of a nation and kind.
inline std::uint16_t TypeOfKind(int nation, int kind) {
  for (int t = 1; t <= kFormationTypeRows; ++t) {
    if (FormationTypes[t].Nation == nation && FormationTypes[t].Kind == kind) {
      return static_cast<std::uint16_t>(t);
    }
  }
  ADD_FAILURE() << "no type of nation " << nation << " and kind " << kind;
  return 0;
}

// The first equipment model (1..800) that fits, 0 if none does.
inline std::uint16_t EquipmentWhere(const std::function<bool(const TEquipmentModel&)>& pred) {
  for (int m = 1; m <= kEquipmentModelRows; ++m) {
    if (EquipmentModels[m].Category != 0 && pred(EquipmentModels[m])) {
      return static_cast<std::uint16_t>(m);
    }
  }
  return 0;
}

inline std::uint16_t AircraftWhere(const std::function<bool(const TAircraftModel&)>& pred) {
  for (int m = 1; m <= kAircraftModelRows; ++m) {
    if (AircraftModels[m].Class != 0 && pred(AircraftModels[m])) {
      return static_cast<std::uint16_t>(m);
    }
  }
  return 0;
}

// A world of one terrain, the German coalition on move (it opened the war), 1 July 1942.
inline std::unique_ptr<World> MakeCombatWorld(std::uint16_t tile) {
  auto w = std::make_unique<World>();
  for (TMapCell& c : w->MapCells) c.Terrain = tile;
  SetSides(*w, kGermanSide);
  SetDate(*w, 1, 7, 1942);
  w->MapWidth = kMapWidth;
  w->MapHeight = kMapHeight;
  return w;
}

inline TFormation& PlaceGround(World& w, int id, int x, int y, std::uint16_t type) {
  TFormation& f = Formation(w, id);
  f = TFormation{};
  f.Branch = 1;
  f.FormationType = type;
  f.X = f.xCopy = static_cast<std::uint16_t>(x);
  f.Y = f.yCopy = static_cast<std::uint16_t>(y);
  f.OrdersLeft = 2;
  Cell(w, x, y).GroundFormation = static_cast<std::uint16_t>(id);
  return f;
}

inline TFormation& PlaceAir(World& w, int id, int x, int y, std::uint16_t type) {
  TFormation& f = Formation(w, id);
  f = TFormation{};
  f.Branch = 2;
  f.FormationType = type;
  f.X = f.xCopy = static_cast<std::uint16_t>(x);
  f.Y = f.yCopy = static_cast<std::uint16_t>(y);
  f.OrdersLeft = 2;
  Cell(w, x, y).AirFormation = static_cast<std::uint16_t>(id);
  return f;
}

inline void SelectAndTarget(World& w, int x, int y, int tx, int ty) {
  w.Selection = {1, static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y)};
  w.TargetX = tx;
  w.TargetY = ty;
}

}  // namespace gm::testing
