// A small world for the unit staff page: one passable terrain, a Soviet rifle division standing
// in a town of its own side, and helpers that open the page, choose a field and book steps.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "refit/book_refit_step.hpp"
#include "refit/update_refit_panel.hpp"
#include "tests/world/world_builders.hpp"
#include "world/tables/tables.hpp"

namespace gm::testing {

inline constexpr int kX = 100;
inline constexpr int kY = 100;
inline constexpr std::uint16_t kRifles = 7;  // nation 5: 14483 men, 16 tanks, 673 cars, 3039 horses
inline constexpr int kSovietNation = 5;
inline constexpr int kGermanNation = 2;
using Steps = std::array<std::uint8_t, 5>;

inline std::uint16_t FirstTile(const std::function<bool(const TTerrainTile&)>& pred) {
  for (int t = 0; t < kTerrainTileCount; ++t) {
    if (pred(TerrainTiles[t])) return static_cast<std::uint16_t>(t);
  }
  ADD_FAILURE() << "no such terrain tile";
  return 0;
}
inline std::uint16_t PassableTile() {
  return FirstTile([](const TTerrainTile& t) { return t.MoveCost < 255; });
}
inline std::uint16_t ImpassableTile() {
  return FirstTile([](const TTerrainTile& t) { return t.MoveCost == 255; });
}

// Models of a category, ascending; `pred` narrows them.
inline std::vector<std::uint16_t> ModelsOf(
    int category, const std::function<bool(const TEquipmentModel&)>& pred = nullptr) {
  std::vector<std::uint16_t> out;
  for (int m = 1; m <= kEquipmentModelRows; ++m) {
    const TEquipmentModel& e = EquipmentModels[m];
    if (e.Category == category && (!pred || pred(e))) out.push_back(static_cast<std::uint16_t>(m));
  }
  return out;
}

struct RefitWorld {
  std::unique_ptr<World> owner = MakeEmptyWorld();
  World& w = *owner;
  TFormation* f = nullptr;

  explicit RefitWorld(std::uint16_t type = kRifles, int x = kX, int y = kY) {
    const std::uint16_t plain = PassableTile();
    for (TMapCell& c : w.MapCells) c.Terrain = plain;
    f = &PlaceFormation(w, 1, x, y, type, 1000);
    f->Ammo = 5;
    PlaceSettlement(w, 1, x, y, kSovietNation, kSovietNation, 50);
    w.Selection = {1, static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y)};
  }
  TRefitPage& page() { return w.Refit.RefitPage; }
  std::int32_t& Pool(std::array<std::int32_t, 10> TEconomy::*pool, int n = kSovietNation) {
    return (w.Economy.*pool)[NationIndex(n)];
  }
  std::uint16_t& Stock(int model, int n = kSovietNation) {
    return EquipmentStockOf(w.Economy, n, model);
  }
  // The page's opening as the click handler does it.
  void Open() {
    page().SelectedField = 1;
    page().ListCursor = 1;
    page().PendingAmount.fill(0);
    page().FieldChoice.fill(0);
    w.NeighbourMask = {1, 1, 1, 1, 0, 1, 1, 1, 1};
    UpdateRefitPanel(w, kRefitPageOpened);
  }
  // A click on a field row, then the cursor moved to `row`.
  void Choose(int field, int row = 1) {
    page().SelectedField = static_cast<std::uint16_t>(field);
    page().ListCursor = 1;
    UpdateRefitPanel(w, kRefitFieldChosen);
    if (row != 1) Cursor(row);
  }
  void Cursor(int row) {
    page().PreviousCursor = page().ListCursor;
    page().ListCursor = static_cast<std::uint16_t>(row);
    UpdateRefitPanel(w, kRefitRefresh);
  }
  // The cursor put on model m of the current list (the list starts at its top).
  void CursorOnModel(std::uint16_t m) {
    for (int i = 1; i <= page().ListCount; ++i) {
      if (page().Candidate(i) == m) return Cursor(i);
    }
    ADD_FAILURE() << "model " << m << " not listed";
  }
  Steps StepsLive() const { return w.Refit.RefitPage.StepEnabled; }
  std::int32_t Message() const { return w.Refit.MessageNo; }
  // An enemy ground formation on the cell at offset (dx, dy).
  void Enemy(int dx, int dy, int index) {
    PlaceFormation(w, index, w.Selection[1] + dx, w.Selection[2] + dy, GermanArmyType());
  }
  static std::uint16_t GermanArmyType() {
    for (int t = 1; t <= kFormationTypeRows; ++t) {
      const std::uint16_t nation = FormationTypes[t].Nation, branch = FormationTypes[t].Branch;
      if (nation == kGermanNation && branch == 1) return static_cast<std::uint16_t>(t);
    }
    ADD_FAILURE() << "no German army type";
    return 0;
  }
};

}  // namespace gm::testing
