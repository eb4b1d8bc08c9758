// What the pictures must show, beyond being there: every equipment model its own picture that
// stands out on the slot, the parade's model-to-pattern rule, and the equipment shapes read from
// the tables.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <tuple>

#include "tests/tools/committed_art.hpp"
#include "tools/art/art_build.hpp"
#include "tools/art/equipment_shape.hpp"
#include "tools/art/pixel_font.hpp"
#include "tools/art/unit_kind.hpp"
#include "world/sprite_ids.hpp"
#include "world/tables/tables.hpp"

namespace gm::art {
namespace {

// One pattern of a rendered item as rows of RGB colours.
struct Cell {
  int width = 0, height = 0;
  std::vector<TColor> pixels;
  bool operator==(const Cell& o) const { return pixels == o.pixels; }
};

Cell CellOf(const ArtItem& item, const std::vector<TColor>& rgb, int pattern) {
  Cell c{item.width, item.height, {}};
  const int x0 = (pattern % item.columns) * item.width;
  const int y0 = (pattern / item.columns) * item.height;
  const int stride = item.columns * item.width;
  for (int y = 0; y < item.height; ++y)
    for (int x = 0; x < item.width; ++x)
      c.pixels.push_back(rgb[size_t(y0 + y) * size_t(stride) + size_t(x0 + x)]);
  return c;
}

// Relative luminance of an sRGB colour.
double Luminance(TColor c) {
  auto lin = [](int v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * lin(RedOf(c)) + 0.7152 * lin(GreenOf(c)) + 0.0722 * lin(BlueOf(c));
}

// Every equipment picture, by model number (1..800), with the model's own backdrop.
std::map<int, Cell> EquipmentPictures() {
  std::map<ImageId, std::vector<TColor>> drawn;
  std::map<int, Cell> out;
  for (int m = 1; m <= kEquipmentModelRows; ++m) {
    const SpriteId s = sprite::EquipmentPicture(m);
    const ArtItem& item = CatalogueItem(s.image);
    if (!drawn.contains(s.image)) drawn[s.image] = RenderItem(item).DecodeRgb();
    out[m] = CellOf(item, drawn[s.image], s.pattern);
  }
  return out;
}

// The parade shows id n as pattern n mod 100 of "tech" + (n div 100 + 1), and id n is model
// n + 1; the production page draws model m as pattern (m - 1) mod 100 of image (m - 1) div 100
// + 1. Both rules meet in the picture of each model, so the catalogue must say so too.
TEST(EquipmentPictures, PatternPOfTechNnIsModelHundredTimesNnMinusOnePlusPPlusOne) {
  for (int first = 1; first <= kEquipmentModelRows; first += kModelsPerTechImage) {
    const SpriteId s = sprite::EquipmentPicture(first);
    const ArtItem& item = CatalogueItem(s.image);
    ASSERT_EQ(s.pattern, 0);
    ASSERT_EQ(item.count, kModelsPerTechImage);
    ASSERT_EQ(item.notes.size(), 1u);
    const std::string models =
        std::to_string(first) + ".." + std::to_string(first + kModelsPerTechImage - 1);
    EXPECT_NE(item.notes[0].text.find(models), std::string::npos) << item.notes[0].text;
  }
}

TEST(EquipmentPictures, EveryModelHasItsOwnPictureThatStandsOutOnTheSlot) {
  const std::map<int, Cell> pictures = EquipmentPictures();
  // The backdrop is what an empty row shows.
  int emptyRow = 0;
  for (int m = 1; m <= kEquipmentModelRows && emptyRow == 0; ++m)
    if (EquipmentModels[size_t(m)].Category == 0) emptyRow = m;
  ASSERT_GT(emptyRow, 0);
  const Cell& backdrop = pictures.at(emptyRow);
  std::map<std::vector<TColor>, int> seen;
  double lowest = 1e9;
  int lowestModel = 0;
  for (int m = 1; m <= kEquipmentModelRows; ++m) {
    const Cell& c = pictures.at(m);
    if (EquipmentModels[size_t(m)].Category == 0) {
      EXPECT_TRUE(c == backdrop) << "empty row " << m << " shows something";
      continue;
    }
    const auto [it, fresh] = seen.emplace(c.pixels, m);
    EXPECT_TRUE(fresh) << "models " << it->second << " and " << m << " look the same";
    // The piece: the pixels that differ from the backdrop. Its mean luminance against that of
    // the backdrop behind it, as a contrast ratio.
    int count = 0;
    double piece = 0, behind = 0;
    for (size_t i = 0; i < c.pixels.size(); ++i) {
      const TColor a = c.pixels[i], b = backdrop.pixels[i];
      const int diff = std::abs(RedOf(a) - RedOf(b)) + std::abs(GreenOf(a) - GreenOf(b)) +
                       std::abs(BlueOf(a) - BlueOf(b));
      if (diff < 30) continue;
      ++count;
      piece += Luminance(a);
      behind += Luminance(b);
    }
    EXPECT_GE(count, 120) << "model " << m << " is drawn too small";
    if (count == 0) continue;
    piece /= count, behind /= count;
    const double ratio = (std::max(piece, behind) + 0.05) / (std::min(piece, behind) + 0.05);
    if (ratio < lowest) lowest = ratio, lowestModel = m;
  }
  // The floor: 3 to 1, what is asked of the parts of a user interface that must be seen.
  EXPECT_GE(lowest, 3.0) << "model " << lowestModel;
}

TEST(EquipmentShapes, NamesGiveCalibreTaperAndLength) {
  const struct {
    const char* name;
    double calibre, muzzle, length;
  } cases[] = {
      {"76mm ZIS-3", 76, 76, 0},     {"28/20mm Pzb-41", 28, 20, 0}, {"75/55mm Pak41", 75, 55, 0},
      {"DA 149/40", 149, 149, 40},   {"75mm 75/27", 75, 75, 27},    {"88mm Pak43/41", 88, 88, 0},
      {"76mm 1902/1930", 76, 76, 0}, {"SPW251/17", 0, 0, 0},        {"105mmFlak38/39", 105, 105, 0},
      {"Pz.Wrf.280mm", 280, 280, 0}, {"T-34-85", 0, 0, 0},          {"107mm 09/30", 107, 107, 0},
  };
  for (const auto& c : cases) {
    const NamedGun g = GunFromName(c.name);
    EXPECT_EQ(g.calibreMm, c.calibre) << c.name;
    EXPECT_EQ(g.muzzleMm, c.muzzle) << c.name;
    EXPECT_EQ(g.lengthCalibres, c.length) << c.name;
  }
}

// The shapes follow the table: heavier models are bigger, a stronger gun is longer, every row
// of a category gets a picture of its kind.
TEST(EquipmentShapes, FollowTheTableValues) {
  auto shape = [](int m) { return ShapeOf(EquipmentModels[size_t(m)]); };
  EXPECT_GT(shape(47).lengthM, shape(50).lengthM);  // the King Tiger outgrows the Pz-IIIG
  EXPECT_GT(shape(50).lengthM, shape(65).lengthM);  // and that the Pz-IB
  EXPECT_GT(shape(47).calibreMm * shape(47).barrelCalibres,
            shape(50).calibreMm * shape(50).barrelCalibres);
  EXPECT_GT(shape(5).calibreMm, shape(4).calibreMm);  // the KV-2's howitzer
  EXPECT_TRUE(shape(14).fastTrack);                   // T-34: large road wheels
  EXPECT_FALSE(shape(23).fastTrack);                  // T-26: small ones
  const std::map<int, EquipmentForm> kinds = {
      {1, EquipmentForm::kTank},
      {33, EquipmentForm::kTankette},
      {26, EquipmentForm::kFlameTank},
      {122, EquipmentForm::kCasemateGun},
      {147, EquipmentForm::kOpenSpGun},
      {206, EquipmentForm::kArmouredCar},
      {225, EquipmentForm::kHalfTrack},
      {238, EquipmentForm::kCarrier},
      {304, EquipmentForm::kFieldGun},
      {315, EquipmentForm::kRecoillessGun},
      {402, EquipmentForm::kHowitzer},
      {407, EquipmentForm::kSiegeHowitzer},
      {503, EquipmentForm::kMortar},
      {510, EquipmentForm::kRocketTruck},
      {518, EquipmentForm::kRocketHalfTrack},
      {516, EquipmentForm::kRocketTowed},
      {508, EquipmentForm::kRocketFrame},
      {613, EquipmentForm::kAntiTankGun},
      {618, EquipmentForm::kAntiTankRocket},
      {710, EquipmentForm::kLightAaGun},
      {713, EquipmentForm::kHeavyAaGun},
      {720, EquipmentForm::kSpAaHalfTrack},
      {730, EquipmentForm::kSpAaTank},
  };
  for (const auto& [m, form] : kinds)
    EXPECT_EQ(static_cast<int>(shape(m).form), static_cast<int>(form)) << "model " << m;
  for (int m = 1; m <= kEquipmentModelRows; ++m)
    EXPECT_EQ(shape(m).form == EquipmentForm::kNone, EquipmentModels[size_t(m)].Category == 0)
        << "model " << m;
}

// Unit symbols: the kind and the size marker read from the type's row, and two types of one
// nation whose kind or size differ never share a picture.
TEST(UnitSymbols, KindAndSizeOfEveryTypeShowInItsSymbol) {
  const struct {
    int row;
    UnitKind kind;
    UnitSize size;
  } cases[] = {
      {1, UnitKind::kArmoured, UnitSize::kDivision},
      {3, UnitKind::kArmoured, UnitSize::kBrigade},
      {12, UnitKind::kMotorised, UnitSize::kDivision},
      {85, UnitKind::kMechanised, UnitSize::kDivision},
      {24, UnitKind::kMechanised, UnitSize::kBrigade},
      {7, UnitKind::kInfantry, UnitSize::kDivision},
      {26, UnitKind::kMarine, UnitSize::kBrigade},
      {11, UnitKind::kMountain, UnitSize::kDivision},
      {15, UnitKind::kCavalry, UnitSize::kDivision},
      {16, UnitKind::kMountainCavalry, UnitSize::kDivision},
      {18, UnitKind::kAirborne, UnitSize::kDivision},
      {92, UnitKind::kSecurity, UnitSize::kDivision},
      {30, UnitKind::kBorderGuard, UnitSize::kBrigade},
      {31, UnitKind::kGuerrilla, UnitSize::kBrigade},
      {19, UnitKind::kMilitia, UnitSize::kDivision},
      {124, UnitKind::kInfantry, UnitSize::kBrigade},
      {33, UnitKind::kArtillery, UnitSize::kDivision},
      {36, UnitKind::kRocketArtillery, UnitSize::kDivision},
      {45, UnitKind::kAssaultArtillery, UnitSize::kBrigade},
      {39, UnitKind::kAntiTank, UnitSize::kBrigade},
      {46, UnitKind::kAirDefence, UnitSize::kDivision},
      {51, UnitKind::kFighter, UnitSize::kRegiment},
      {54, UnitKind::kAssaultAir, UnitSize::kRegiment},
      {56, UnitKind::kTacticalBomber, UnitSize::kRegiment},
      {57, UnitKind::kBomber, UnitSize::kRegiment},
      {58, UnitKind::kMixedAir, UnitSize::kRegiment},
      {59, UnitKind::kTorpedoBomber, UnitSize::kRegiment},
      {171, UnitKind::kLevelBomber, UnitSize::kRegiment},
  };
  for (const auto& c : cases) {
    const TFormationType& t = FormationTypes[size_t(c.row)];
    EXPECT_EQ(static_cast<int>(KindOf(t)), static_cast<int>(c.kind)) << "type " << c.row;
    EXPECT_EQ(static_cast<int>(SizeOf(t)), static_cast<int>(c.size)) << "type " << c.row;
  }
  // Each type's symbol, and the same dimmed.
  for (const SpriteId first :
       {SpriteId(sprite::UnitSymbol(1)), SpriteId(sprite::SpentUnitSymbol(1))}) {
    const ArtItem& item = CatalogueItem(first.image);
    const std::string& name = item.name;
    const std::vector<TColor> rgb = RenderItem(item).DecodeRgb();
    std::map<std::tuple<int, int, int>, Cell> shown;  // by nation, kind and size
    int used = 0;
    for (int row = 1; row <= kFormationTypeRows; ++row) {
      const TFormationType& t = FormationTypes[size_t(row)];
      if (t.Kind == 0) continue;
      ++used;
      EXPECT_NE(static_cast<int>(KindOf(t)), static_cast<int>(UnitKind::kNone)) << row;
      const Cell c = CellOf(item, rgb, first.pattern + row - 1);
      const auto key = std::make_tuple(int(t.Nation), int(KindOf(t)), int(SizeOf(t)));
      for (const auto& [other, picture] : shown) {
        if (other != key && std::get<0>(other) == int(t.Nation)) {
          EXPECT_FALSE(picture == c) << name << ": type " << row << " looks like another kind";
        }
      }
      shown.emplace(key, c);
    }
    EXPECT_EQ(used, 175);
  }
}

// The ink of a glyph: its pixels in the font's colour (not the key or the font's own ground,
// which the space shows, not the shadow).
std::vector<bool> GlyphInk(const Cell& c, TColor ground) {
  std::vector<bool> ink;
  for (TColor p : c.pixels)
    ink.push_back(p != RgbColor(0, 0, 0) && p != ground && p != RgbColor(16, 16, 16));
  return ink;
}

int TopRow(const std::vector<bool>& ink, int width) {
  for (size_t i = 0; i < ink.size(); ++i)
    if (ink[i]) return int(i) / width;
  return -1;
}

// Every glyph of the texts (codes 33..126) is its own at its size, the pairs that small fonts
// often merge differ by several pixels, accented capitals keep their accents, and the tooltip
// frame's pieces meet their neighbours.
TEST(GlyphFonts, GlyphsAreDistinctAccentsKeptFramesJoined) {
  for (int font = 1; font <= 5; ++font) {
    const ArtItem& item = CatalogueItem(sprite::FontImage(font));
    SCOPED_TRACE(item.name);
    const std::vector<TColor> rgb = RenderItem(item).DecodeRgb();
    const TColor ground = CellOf(item, rgb, ' ').pixels[0];
    auto ink = [&](int code) { return GlyphInk(CellOf(item, rgb, code), ground); };
    std::map<std::vector<bool>, int> seen;
    for (int code = 33; code <= 126; ++code) {
      const auto [it, fresh] = seen.emplace(ink(code), code);
      EXPECT_TRUE(fresh) << "'" << char(it->second) << "' and '" << char(code) << "' look alike";
    }
    for (const char* pair : {"MH", "0O", "1l", "1I", "lI", "8B", "5S", "2Z", "OQ", "VW", "mn"}) {
      const std::vector<bool> a = ink(pair[0]), b = ink(pair[1]);
      int differ = 0;
      for (size_t i = 0; i < a.size(); ++i) differ += a[i] != b[i];
      EXPECT_GE(differ, 3) << pair;
    }
    for (int code = 0xC0; code <= 0xDD; ++code) {
      const Decomposed d = Decompose(code);
      if (d.base == 0 || d.accent == Accent::kCedilla) continue;
      // The accent: ink above the plain letter's top row.
      const std::vector<bool> accented = ink(code);
      const int top = TopRow(ink(d.base), item.width);
      int above = 0;
      for (int i = 0; i < top * item.width; ++i) above += accented[size_t(i)];
      EXPECT_GE(above, 2) << "code " << code << " lost its accent";
    }
    // The frame: arms reach the cell's edges on one row (horizontal) and one column (vertical).
    const int w = item.width, h = item.height;
    auto at = [&](int code, int x, int y) { return bool(ink(code)[size_t(y * w + x)]); };
    int row = -1, col = -1;
    for (int y = 0; y < h; ++y)
      if (at(0x94, 0, y) && at(0x94, w - 1, y)) row = y;
    for (int x = 0; x < w; ++x)
      if (at(0x83, x, 0) && at(0x83, x, h - 1)) col = x;
    ASSERT_GE(row, 0);
    ASSERT_GE(col, 0);
    EXPECT_TRUE(at(0xAB, w - 1, row) && at(0xAB, col, h - 1));  // top-left corner
    EXPECT_TRUE(at(0x8F, 0, row) && at(0x8F, col, h - 1));      // top-right
    EXPECT_TRUE(at(0x90, w - 1, row) && at(0x90, col, 0));      // bottom-left
    EXPECT_TRUE(at(0xAA, 0, row) && at(0xAA, col, 0));          // bottom-right
  }
}

// Nation marks and settlement flags: an emblem of several colours for each nation, no two
// nations alike, in both phases.
TEST(NationMarks, EachNationHasItsOwnEmblem) {
  const ArtItem& item = CatalogueItem(ImageId::kCursors);
  const std::vector<TColor> rgb = RenderItem(item).DecodeRgb();
  const struct {
    const char* what;
    SpriteRun<ImageId::kCursors> run;  // from nation 1
    int step;                          // patterns a nation
  } sets[] = {{"marks", sprite::kNationMarks, 1},
              {"lit marks", sprite::kLitNationMarks, 1},
              {"flags", sprite::kSettlementFlagsLight, 2},
              {"dark flags", sprite::kSettlementFlagsDark, 2}};
  for (const auto& set : sets) {
    std::map<std::vector<TColor>, int> seen;
    for (int n = 1; n <= 8; ++n) {
      std::vector<TColor> picture;
      std::set<TColor> colours;
      for (int k = 0; k < set.step; ++k) {
        const Cell c = CellOf(item, rgb, set.run[(n - 1) * set.step + k].pattern);
        picture.insert(picture.end(), c.pixels.begin(), c.pixels.end());
        colours.insert(c.pixels.begin(), c.pixels.end());
      }
      EXPECT_GE(colours.size(), 4u) << set.what << ": nation " << n << " is a plain plate";
      const auto [it, fresh] = seen.emplace(picture, n);
      EXPECT_TRUE(fresh) << set.what << ": nations " << it->second << " and " << n;
    }
  }
}

}  // namespace
}  // namespace gm::art
