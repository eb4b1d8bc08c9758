// A small world for the unit staff page: one passable terrain, a Soviet rifle division standing
// in a town of its own side, and helpers that open the page, choose a field and move the cursor.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "refit/book_refit_step.hpp"
#include "refit/refit_check.hpp"
#include "refit/renew_messages.hpp"
#include "refit/update_refit_panel.hpp"
#include "tests/support/world_builders.hpp"
#include "world/tables/tables.hpp"

namespace gm::testing {

inline constexpr int kX = 100;
inline constexpr int kY = 100;
inline constexpr std::uint16_t kRifles = 7;  // nation 5: 14483 men, 34 field guns, 673 cars
inline constexpr int kSovietNation = 5;
inline constexpr int kFieldGunField = 17;  // pair 14, first of the four field-gun fields
using Steps = std::array<std::uint8_t, 5>;
using Pool = std::array<std::int32_t, 10> TEconomy::*;

inline std::uint16_t TileWithCost(bool impassable) {
  for (int t = 0; t < kTerrainTileCount; ++t) {
    if ((TerrainTiles[t].MoveCost == 255) == impassable) return static_cast<std::uint16_t>(t);
  }
  ADD_FAILURE() << "no such terrain tile";
  return 0;
}

// The first German army type: an enemy of the Soviet side on move.
inline std::uint16_t EnemyArmyType() {
  for (int t = 1; t <= kFormationTypeRows; ++t) {
    const std::uint16_t nation = FormationTypes[t].Nation, branch = FormationTypes[t].Branch;
    if (nation == 2 && branch == 1) return static_cast<std::uint16_t>(t);
  }
  return 0;
}

// Models of a category, ascending.
inline std::vector<std::uint16_t> ModelsOf(int category) {
  std::vector<std::uint16_t> out;
  for (int m = 1; m <= kEquipmentModelRows; ++m) {
    if (EquipmentModels[m].Category == category) out.push_back(static_cast<std::uint16_t>(m));
  }
  return out;
}

struct RefitWorld {
  std::unique_ptr<World> owner = MakeEmptyWorld();
  World& w = *owner;
  TFormation* f = nullptr;
  std::vector<std::uint16_t> guns = ModelsOf(4);

  explicit RefitWorld(std::uint16_t type = kRifles, int x = kX, int y = kY) {
    const std::uint16_t plain = TileWithCost(false);
    for (TMapCell& c : w.MapCells) c.Terrain = plain;
    f = &PlaceFormation(w, 1, x, y, type, FormationTypes[type].Men);
    f->Ammo = 5;
    PlaceSettlement(w, 1, x, y, kSovietNation, kSovietNation, 50);
    w.Selection = {1, static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y)};
  }
  TRefitPage& page() { return w.Refit.RefitPage; }
  std::int32_t& pool(Pool p) { return (w.Economy.*p)[NationIndex(kSovietNation)]; }
  std::uint16_t& stock(int model) { return EquipmentStockOf(w.Economy, kSovietNation, model); }
  Steps live() const { return w.Refit.RefitPage.StepEnabled; }
  std::int32_t message() const { return w.Refit.MessageNo; }

  // The page's opening as the click handler does it, with its check.
  void Open() {
    ResetRefitPage(w);
    RefitCheck(w);
  }
  // A click on a field row, then the cursor moved to `row`.
  void Choose(int field, int row = 1) {
    page().SelectedField = static_cast<std::uint16_t>(field);
    page().ListCursor = 1;
    UpdateRefitPanel(w, kRefitFieldChosen);
    if (row != 1) Cursor(row);
  }
  void Cursor(int row) {
    page().ListCursor = static_cast<std::uint16_t>(row);
    UpdateRefitPanel(w, kRefitRefresh);
  }
  void CursorOnModel(std::uint16_t m) {
    for (int i = 1; i <= page().ListCount; ++i) {
      if (page().Candidate(i) == m) return Cursor(i);
    }
    ADD_FAILURE() << "model " << m << " not listed";
  }
  // A ground formation of `type` on the cell at offset (dx, dy) from the selection.
  void Put(int dx, int dy, int index, std::uint16_t type) {
    PlaceFormation(w, index, w.Selection[1] + dx, w.Selection[2] + dy, type);
  }
};

}  // namespace gm::testing
