// The 8-bit palette's fitting: a few colours each get an entry of their own, black and white
// keep theirs, the same counts give the same palette, and the build compiles in the palette of
// its own art. How close the screens come to their 16-bit colours: tests/ui/eight_bit_display.
#include "tools/art/palette_fit.hpp"

#include <gtest/gtest.h>

#include <set>

#include "media/fixed_palette.hpp"
#include "media/surface.hpp"
#include "tests/tools/committed_art.hpp"

namespace gm::art {
namespace {

TEST(PaletteFit, FewColoursEachGetAnEntryOfTheirOwn) {
  std::vector<TColor> greens;
  for (int i = 0; i < 254; ++i) greens.push_back(RgbColor(uint8_t(i / 2), uint8_t(i), 40));
  const struct {
    const char* what;
    std::vector<TColor> colours;
  } cases[] = {
      {"no colours", {}},
      {"one colour", {RgbColor(200, 40, 40)}},
      {"black and white only", {RgbColor(0, 0, 0), RgbColor(255, 255, 255)}},
      {"a sky and a field",
       {RgbColor(40, 44, 70), RgbColor(140, 98, 88), RgbColor(242, 170, 88), RgbColor(107, 88, 56),
        RgbColor(36, 32, 20)}},
      {"254 greens", greens},
  };
  for (const auto& c : cases) {
    const std::vector<TColor>& colours = c.colours;
    ColourCounts counts(65536);
    std::set<uint16_t> shown;
    for (std::size_t i = 0; i < colours.size(); ++i) {
      const TColor t = colours[i];
      const uint16_t p = PackRgb565(RedOf(t), GreenOf(t), BlueOf(t));
      counts[p] += 1 + i % 7;
      shown.insert(p);
    }
    const Palette256 palette = FitPalette(counts);
    EXPECT_EQ(palette[0], (RgbQuad{0, 0, 0, 0})) << c.what;
    EXPECT_EQ(palette[255], (RgbQuad{255, 255, 255, 0})) << c.what;
    std::set<uint16_t> entries;
    for (const RgbQuad& q : palette) entries.insert(PackRgb565(q.red, q.green, q.blue));
    for (uint16_t p : shown) EXPECT_TRUE(entries.count(p)) << c.what << ": RGB565 " << p;
    EXPECT_EQ(FitPalette(counts), palette) << c.what << ": the same counts, another palette";
  }
}

// What gravmark-palette wrote for this build is what the art gives now.
TEST(PaletteFit, TheBuildHoldsThePaletteOfItsArt) {
  const ColourCounts counts = CountArtColours(Catalogue());
  EXPECT_EQ(FixedPalette(), FitPalette(counts));
}

}  // namespace
}  // namespace gm::art
