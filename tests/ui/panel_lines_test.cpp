// The bottom panel's lines about a cell (under the pointer on the Battlefield and on Map1, and
// the selected one): the terrain's name, the coordinates and the settlement's name stand apart,
// as the player reads them.
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

// The pixels of a cell's line from x `left` to the settlement's marks.
std::vector<TColor> LinePixels(GameHarness& g, int left) {
  std::vector<TColor> pixels;
  for (int y = 553; y < 565; ++y)
    for (int x = left; x < left + 242; ++x) pixels.push_back(g.PixelAt(x, y));
  return pixels;
}

void Hover(GameHarness& g, int x, int y) {
  g.MoveTo(g.CellMiddle(x, y));
}
void Select(GameHarness& g, int x, int y) {
  g.W().Selection = {1, static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y)};
}
void HoverOnMap1(GameHarness& g, int x, int y) {
  World& w = g.W();
  w.ScreenFlags[kFlagZoom] = kZoomMap1;
  w.Map1X = x - 5;
  w.Map1Y = y - 4;
  g.MoveTo(5 * kMap1CellPixels + 1, 4 * kMap1CellPixels + 1);
}

TEST(PanelLines, TheTerrainTheCoordinatesAndTheSettlementStandApart) {
  const struct {
    const char* terrain;
    const char* settlement;
  } cells[] = {{"Town", "Ortelsburg"}, {"Airbase", "Biala Podlaska airfield"}, {"Plain", ""}};
  // The Battlefield's line of the cell under the pointer starts with the coordinates; the
  // selected cell's and Map1's with the terrain.
  const struct {
    const char* what;
    void (*show)(GameHarness&, int x, int y);
    int left;
    bool coordinatesFirst;
  } lines[] = {{"the Battlefield's hover line", Hover, kHoverLinesX, true},
               {"the selected cell's line", Select, kSelectedLinesX, false},
               {"Map1's hover line", HoverOnMap1, kHoverLinesX, false}};
  GameHarness g;
  g.StartGame();
  g.ClearView();
  World& w = g.W();
  const int x = w.ViewX + 5, y = w.ViewY + 4;
  const std::string at = "(" + std::to_string(x) + "," + std::to_string(y) + ")  ";
  for (const auto& line : lines) {
    for (const auto& c : cells) {
      TMapCell& cell = Cell(w, x, y);
      cell.Terrain = TileNamed(c.terrain);
      cell.Settlement = 0;
      if (*c.settlement != '\0') {
        cell.Settlement = 1;
        TSettlement& s = Settlement(w, 1);
        s.Name.fill(' ');
        std::string_view(c.settlement).copy(s.Name.data(), s.Name.size());
      }
      const std::string expected =
          line.coordinatesFirst
              ? at + c.terrain + (*c.settlement != '\0' ? std::string(" ") + c.settlement : "")
              : std::string(c.terrain) + " " + at + c.settlement;
      line.show(g, x, y);
      g.Frames(1);
      const std::vector<TColor> shown = LinePixels(g, line.left);
      // The same place with the line as it should read, drawn on the bare panel.
      DrawImage(g.Ctx(), sprite::kBottomPanel, 0, 540);
      DrawGlyphText(g.Ctx(), expected, line.left, 553, 2);
      EXPECT_EQ(shown, LinePixels(g, line.left))
          << line.what << " should read \"" << expected << "\"";
    }
    w.Selection[0] = 0;
    w.ScreenFlags[kFlagZoom] = kZoomBattlefield;
  }
}

}  // namespace
}  // namespace gm
