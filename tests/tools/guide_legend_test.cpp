// The guide's legend: examples that show what they claim, every terrain once, the tables put
// between the guide's marker lines and nowhere else, and pictures drawn from the built archive.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "tools/help/legend_html.hpp"
#include "tools/help/legend_pictures.hpp"
#include "world/tables/tables.hpp"
#include "world/world.hpp"
#include "world/world_access.hpp"

namespace gm::guide {
namespace {

TEST(GuideLegend, EachSymbolKindHasTheFirstTypeOfEachCoalition) {
  std::set<art::UnitKind> shown;
  for (int t = 1; t <= kFormationTypeRows; ++t) {
    const art::UnitKind k = art::KindOf(FormationTypes[static_cast<std::size_t>(t)]);
    if (k != art::UnitKind::kNone) shown.insert(k);
  }
  const auto examples = UnitExamples();
  EXPECT_EQ(examples.size(), shown.size());
  for (const UnitExample& e : examples) {
    SCOPED_TRACE(std::string(KindLabel(e.kind)));
    EXPECT_FALSE(KindLabel(e.kind).empty());
    const struct {
      int type;
      std::uint32_t coalition;
    } sides[] = {{e.sovietType, kSovietNations}, {e.germanType, kGermanNations}};
    for (const auto& side : sides) {
      // The example is of the kind and the coalition, and no earlier type would do.
      for (int t = 1; t <= kFormationTypeRows; ++t) {
        const TFormationType& type = FormationTypes[static_cast<std::size_t>(t)];
        const bool fits = art::KindOf(type) == e.kind && InNationSet(side.coalition, type.Nation);
        if (t < side.type || side.type == 0) {
          EXPECT_FALSE(fits) << "type " << t;
        } else if (t == side.type) {
          EXPECT_TRUE(fits) << "type " << t;
        }
      }
    }
  }
}

TEST(GuideLegend, SizeExamplesShowTheirMarker) {
  const auto sizes = SizeExamples();
  const art::UnitSize expected[] = {art::UnitSize::kDivision, art::UnitSize::kBrigade,
                                    art::UnitSize::kRegiment};
  for (int i = 0; i < 3; ++i) {
    ASSERT_NE(sizes[i], 0) << i;
    EXPECT_EQ(art::SizeOf(FormationTypes[static_cast<std::size_t>(sizes[i])]), expected[i]);
  }
}

TEST(GuideLegend, EveryTerrainOnceWithItsFirstTile) {
  const auto terrains = TerrainExamples();
  std::set<std::string> names, files;
  for (int tile = 0; tile < kTerrainTileCount; ++tile) {
    names.insert(std::string(TerrainTiles[static_cast<std::size_t>(tile)].Name.View()));
  }
  EXPECT_EQ(terrains.size(), names.size());
  for (const TerrainExample& t : terrains) {
    EXPECT_EQ(TerrainTiles[static_cast<std::size_t>(t.tile)].Name.View(), t.name);
    for (int before = 0; before < t.tile; ++before) {
      EXPECT_NE(TerrainTiles[static_cast<std::size_t>(before)].Name.View(), t.name);
    }
    files.insert(TerrainPicture(t));
  }
  EXPECT_EQ(files.size(), terrains.size()) << "two terrains share a picture";
}

TEST(GuideLegend, SlugsAreFileNames) {
  const struct {
    const char* name;
    const char* slug;
  } cases[] = {{"Road-Plain", "road-plain"},
               {"Town-Port", "town-port"},
               {"  Mixed  regiment (air) 40 ", "mixed-regiment-air-40"},
               {"USSR", "ussr"},
               {"--", ""}};
  for (const auto& c : cases) EXPECT_EQ(Slug(c.name), c.slug) << c.name;
}

TEST(GuideLegend, SplicesBetweenTheMarkersOnly) {
  const std::string begin(kLegendBegin), end(kLegendEnd);
  const struct {
    std::string page;
    bool ok;
    std::string result;
  } cases[] = {
      {"<p>a</p>\n" + begin + "\nold\n" + end + "\n<p>b</p>", true,
       "<p>a</p>\n" + begin + "\nNEW\n" + end + "\n<p>b</p>"},
      {begin + end, true, begin + "\nNEW\n" + end},
      {"<p>a</p>" + end, false, ""},
      {begin + "<p>a</p>", false, ""},
      {end + "<p>a</p>" + begin, false, ""},
  };
  for (const auto& c : cases) {
    std::string page = c.page;
    const Status s = SpliceLegend(page, "NEW\n");
    EXPECT_EQ(s.IsOk(), c.ok) << c.page;
    EXPECT_EQ(page, c.ok ? c.result : c.page) << c.page;
    if (c.ok) {
      // Splicing again changes nothing.
      const std::string once = page;
      EXPECT_TRUE(SpliceLegend(page, "NEW\n").IsOk());
      EXPECT_EQ(page, once);
    }
  }
}

TEST(GuideLegend, AMissingArchiveIsNamed) {
  LegendImages images;
  const Status s = images.Load("/nonexistent/folder/graphic.dxg");
  ASSERT_FALSE(s.IsOk());
  EXPECT_NE(s.Message().find("graphic.dxg"), std::string::npos) << s.Message();
}

// A formation's cell shows its symbol over the plain tile, the same on every drawing.
TEST(GuideLegend, FormationCellsDrawTheirSymbol) {
  const char* buildDir = std::getenv("GM_BUILD_DIR");
  if (buildDir == nullptr) GTEST_SKIP() << "GM_BUILD_DIR is not set";
  LegendImages images;
  ASSERT_TRUE(images.Load(std::string(buildDir) + "/data/graphic.dxg").IsOk());
  LegendCanvas plain(images.Images(), 60, 60);
  plain.DrawTile(50, 0, 0);
  for (const UnitExample& e : UnitExamples()) {
    const int type = e.sovietType != 0 ? e.sovietType : e.germanType;
    LegendCanvas a(images.Images(), 60, 60), b(images.Images(), 60, 60);
    DrawFormationCell(a, type, true);
    DrawFormationCell(b, type, true);
    EXPECT_EQ(a.Rgb(), b.Rgb()) << KindLabel(e.kind);
    EXPECT_NE(a.Rgb(), plain.Rgb()) << KindLabel(e.kind);
    LegendCanvas dimmed(images.Images(), 60, 60);
    DrawFormationCell(dimmed, type, false);
    EXPECT_NE(a.Rgb(), dimmed.Rgb()) << KindLabel(e.kind);
  }
}

}  // namespace
}  // namespace gm::guide
