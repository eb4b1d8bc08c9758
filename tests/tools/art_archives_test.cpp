// The image archives the build draws: every catalogued item loadable by the game's own reader
// with its pattern size, pattern count and colour key, every catalogued pattern actually drawn,
// the same bytes on every build; and catalogue lines that would build a wrong archive refused.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

#include "media/picture_collection.hpp"
#include "platform/posix_file_system.hpp"
#include "tests/support/text_file.hpp"
#include "tests/tools/committed_art.hpp"
#include "tools/art/art_build.hpp"
#include "world/sprite_ids.hpp"

namespace gm::art {
namespace {

using testing::ReadText;

TEST(ArtCatalogue, ListsEveryImageTheGameLooksUp) {
  // The pattern sizes the screens lay out; the fonts' are checked below.
  const std::map<std::string_view, std::pair<int, int>> sizes = {
      {"Table1", {800, 60}}, {"Table2", {80, 540}}, {"Pictogram", {40, 40}}, {"Cursors", {15, 15}},
      {"Table3", {60, 60}},  {"Table4", {60, 60}},  {"Table5", {60, 60}},    {"Final", {60, 60}},
      {"Units", {60, 60}},   {"Units2", {60, 60}},  {"special", {100, 40}},  {"Config", {245, 204}},
  };
  EXPECT_EQ(Catalogue().size(), kImages.size());
  for (const ImageItem& image : kImages) {
    const std::string name(image.name);
    const ArtItem* item = FindItem(name);
    ASSERT_NE(item, nullptr) << name;
    EXPECT_EQ(item->archive, image.archive == ImageArchive::kTechn ? "techn" : "graphic") << name;
    std::pair<int, int> size = {0, 0};
    if (sprite::IsTerrainImage(*ImageNamed(name))) size = {60, 60};
    if (sprite::IsTechImage(*ImageNamed(name))) size = {100, 40};
    if (sizes.contains(image.name)) size = sizes.at(image.name);
    if (size.first > 0) {
      EXPECT_EQ(item->width, size.first) << name;
      EXPECT_EQ(item->height, size.second) << name;
    }
    EXPECT_GE(item->count, image.patterns) << name;
  }
  // Glyph advance: 6 px for fonts 1 and 2, 12 px for fonts 3 to 5.
  for (int font = 1; font <= 5; ++font) {
    EXPECT_EQ(CatalogueItem(sprite::FontImage(font)).width, font <= 2 ? 6 : 12) << font;
  }
}

TEST(ArtArchives, TheBuiltArchivesHoldEveryItemWithItsSizeCountAndKey) {
  const char* buildDir = std::getenv("GM_BUILD_DIR");
  if (buildDir == nullptr) GTEST_SKIP() << "GM_BUILD_DIR is not set";
  PosixFileSystem fs(std::string(buildDir) + "/");
  const SurfaceFormat format{16, nullptr};  // the game's display format
  for (const char* archive : {"graphic", "techn"}) {
    SCOPED_TRACE(archive);
    TPictureCollection list;
    ASSERT_NO_THROW(list.LoadFromFile(fs, std::string(buildDir) + "/data/" + archive + ".dxg"));
    list.InitializeImages(&format);
    list.Restore();
    int expected = 0;
    for (const ArtItem& item : Catalogue()) {
      if (item.archive != archive) continue;
      ++expected;
      const TPictureCollectionItem* p = nullptr;
      ASSERT_NO_THROW(p = &list.Find(item.name)) << item.name;
      EXPECT_EQ(p->PatternWidth, item.width) << item.name;
      EXPECT_EQ(p->PatternHeight, item.height) << item.name;
      EXPECT_EQ(p->PatternCount(), item.count) << item.name;
      EXPECT_EQ(p->Transparent, item.key.has_value()) << item.name;
      if (item.key) {
        const uint32_t k = *item.key;
        EXPECT_EQ(p->TransparentColor(), RgbColor(uint8_t(k >> 16), uint8_t(k >> 8), uint8_t(k)))
            << item.name;
      }
    }
    EXPECT_EQ(list.Count(), expected);  // no stray items
  }
}

TEST(ArtArchives, EveryBuildWritesTheSameBytes) {
  const char* buildDir = std::getenv("GM_BUILD_DIR");
  if (buildDir == nullptr) GTEST_SKIP() << "GM_BUILD_DIR is not set";
  for (const char* archive : {"graphic", "techn"}) {
    const std::string built = ReadText(std::string(buildDir) + "/data/" + archive + ".dxg");
    const std::vector<uint8_t> again = BuildArchive(Catalogue(), archive);
    EXPECT_TRUE(built == std::string(again.begin(), again.end())) << archive;
  }
}

// A pattern the catalogue describes must not be left blank (one flat colour), except the
// pictures of empty formation-type and equipment rows and the glyphs of blanks.
TEST(ArtArchives, EveryCataloguedPatternIsDrawn) {
  for (const ArtItem& item : Catalogue()) {
    const std::string& n = item.name;
    if (n == "Units" || n == "Units2" || n.rfind("tech", 0) == 0) continue;
    const TDIB dib = RenderItem(item);
    const std::vector<TColor> rgb = dib.DecodeRgb();
    const int cols = item.columns;
    ASSERT_EQ(dib.Width(), cols * item.width) << n;
    ASSERT_EQ(dib.Height(), item.count / cols * item.height) << n;
    for (const PatternNote& note : item.notes)
      for (int p = note.first; p <= note.last; ++p) {
        if (n.rfind("Font", 0) == 0 && (p < 33 || p > 126)) continue;
        std::set<TColor> colours;
        const int x0 = (p % cols) * item.width, y0 = (p / cols) * item.height;
        for (int y = 0; y < item.height; ++y)
          for (int x = 0; x < item.width; ++x)
            colours.insert(rgb[size_t(y0 + y) * size_t(dib.Width()) + size_t(x0 + x)]);
        EXPECT_GE(colours.size(), 2u) << n << " pattern " << p;
      }
  }
}

TEST(ArtCatalogue, RefusesLinesThatWouldBuildAWrongArchive) {
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"item graphic A 10 10 4 none\n  4 beyond the last pattern\n", "c:2: bad pattern '4'"},
      {"item graphic A 10 10 4 none\n  2-1 backwards\n", "c:2: bad pattern '1'"},
      {"item disk A 10 10 4 none\n", "c:1: unknown archive 'disk'"},
      {"item graphic A 0 10 4 none\n", "c:1: bad pattern width '0'"},
      {"item graphic A 10 10 4 12345G\n", "c:1: bad key '12345G'"},
      {"item graphic A 10 10 4\n", "c:1: item line needs a key or 'none'"},
      {"item graphic A 10 10 4 none\nitem graphic A 10 10 4 none\n", "c:2: item 'A' listed twice"},
      {"  0 orphan\n", "c:1: pattern line before any item"},
      {"item graphic A 10 10 4 none 3\n", "c:1: column count 3 does not divide the pattern count"},
      {"item graphic A 10 10 4 none\n  0\n", "c:2: pattern line without a description"},
  };
  for (const auto& c : cases) {
    try {
      ParseCatalogue(c.text, "c");
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), c.error);
    }
  }
}

}  // namespace
}  // namespace gm::art
