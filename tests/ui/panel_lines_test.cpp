// The bottom panel's line about the cell under the pointer on the Battlefield: the terrain's
// name and the settlement's stand apart, as the player reads them.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "tests/support/game_harness.hpp"
#include "ui/glyph_text.hpp"
#include "ui/image_draw.hpp"
#include "ui/screens/cell_lines.hpp"
#include "world/tables/tables.hpp"
#include "world/world_access.hpp"

namespace gm {
namespace {

using testing::GameHarness;

// The first terrain tile of that name.
std::uint16_t TileNamed(std::string_view name) {
  for (int t = 0; t < kTerrainTileCount; ++t)
    if (TerrainTiles[t].Name.View() == name) return static_cast<std::uint16_t>(t);
  ADD_FAILURE() << "no terrain " << name;
  return 0;
}

// The pixels of the hover line's place, left of the settlement's marks.
std::vector<TColor> HoverLinePixels(GameHarness& g) {
  std::vector<TColor> pixels;
  for (int y = 553; y < 565; ++y)
    for (int x = kHoverLinesX; x < 610; ++x) pixels.push_back(g.PixelAt(x, y));
  return pixels;
}

TEST(PanelLines, TheHoverLineSetsTheSettlementApartFromTheTerrain) {
  const struct {
    const char* terrain;
    const char* settlement;
  } cases[] = {{"Town", "Ortelsburg"}, {"Airbase", "Biala Podlaska airfield"}, {"Plain", ""}};
  GameHarness g;
  g.StartGame();
  g.ClearView();
  World& w = g.W();
  const int x = w.ViewX + 5, y = w.ViewY + 4;
  for (const auto& c : cases) {
    TMapCell& cell = Cell(w, x, y);
    cell.Terrain = TileNamed(c.terrain);
    cell.Settlement = 0;
    std::string expected = "(" + std::to_string(x) + "," + std::to_string(y) + ")  " + c.terrain;
    if (*c.settlement != '\0') {
      cell.Settlement = 1;
      TSettlement& s = Settlement(w, 1);
      s.Name.fill(' ');
      std::string_view(c.settlement).copy(s.Name.data(), s.Name.size());
      expected += std::string(" ") + c.settlement;
    }
    g.MoveTo((x - w.ViewX) * 60 + 30, (y - w.ViewY) * 60 + 30);
    g.Frames(1);
    const std::vector<TColor> shown = HoverLinePixels(g);
    // The same place with the line as it should read, drawn on the bare panel.
    DrawImage(g.Ctx(), sprite::kBottomPanel, 0, 540);
    DrawGlyphText(g.Ctx(), expected, kHoverLinesX, 553, 2);
    EXPECT_EQ(shown, HoverLinePixels(g)) << "the line should read \"" << expected << "\"";
  }
}

}  // namespace
}  // namespace gm
