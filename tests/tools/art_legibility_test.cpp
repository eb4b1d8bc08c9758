// What the pictures owe the texts and tiles the screens lay over and beside them: every glyph
// font reads on each ground it is written on, the tiles the screens set side by side meet
// without a seam, and a page button's left half carries no mark, so it reads beside any right
// half.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

#include "tools/art/art_build.hpp"

namespace gm::art {
namespace {

const std::vector<ArtItem>& Catalogue() {
  static const std::vector<ArtItem> items = [] {
    std::ifstream in(GM_ART_CATALOGUE, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return ParseCatalogue(text.str(), GM_ART_CATALOGUE);
  }();
  return items;
}

// An item drawn once, its pixels by pattern.
class Rendered {
 public:
  explicit Rendered(const std::string& name) {
    for (const ArtItem& i : Catalogue())
      if (i.name == name) item_ = i;
    if (item_.name.empty()) throw std::runtime_error("no item " + name);
    const TDIB dib = RenderItem(item_);
    rgb_ = dib.DecodeRgb();
    stride_ = dib.Width();
  }
  int Width() const { return item_.width; }
  int Height() const { return item_.height; }
  TColor At(int pattern, int x, int y) const {
    const int x0 = (pattern % item_.columns) * item_.width;
    const int y0 = (pattern / item_.columns) * item_.height;
    return rgb_[size_t(y0 + y) * size_t(stride_) + size_t(x0 + x)];
  }

 private:
  ArtItem item_;
  std::vector<TColor> rgb_;
  int stride_ = 0;
};

const Rendered& Picture(const std::string& name) {
  static std::map<std::string, Rendered> drawn;
  auto it = drawn.find(name);
  if (it == drawn.end()) it = drawn.emplace(name, Rendered(name)).first;
  return it->second;
}

double Luminance(TColor c) {
  auto lin = [](int v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * lin(RedOf(c)) + 0.7152 * lin(GreenOf(c)) + 0.0722 * lin(BlueOf(c));
}

double Contrast(double a, double b) {
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

int Distance(TColor a, TColor b) {
  return std::abs(RedOf(a) - RedOf(b)) + std::abs(GreenOf(a) - GreenOf(b)) +
         std::abs(BlueOf(a) - BlueOf(b));
}

// The colour of a font's ink: the commonest colour of its capital H that is neither the key,
// the font's own ground (what its space shows) nor the shadow.
TColor InkOf(int font) {
  const Rendered& f = Picture("Font0" + std::to_string(font));
  const TColor ground = f.At(' ', 0, 0);
  std::map<TColor, int> count;
  for (int y = 0; y < f.Height(); ++y)
    for (int x = 0; x < f.Width(); ++x) {
      const TColor c = f.At('H', x, y);
      if (c != RgbColor(0, 0, 0) && c != ground && c != RgbColor(16, 16, 16)) ++count[c];
    }
  return std::max_element(count.begin(), count.end(),
                          [](auto& a, auto& b) { return a.second < b.second; })
      ->first;
}

// The light end of a ground: the luminance that 95 in 100 of its pixels stay under (a glint of
// grain does not count, a light plate does).
double LightEnd(const Rendered& r, int pattern, int x0, int y0, int x1, int y1) {
  std::vector<double> l;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) l.push_back(Luminance(r.At(pattern, x, y)));
  std::sort(l.begin(), l.end());
  return l[l.size() * 95 / 100];
}

// Where the screens write, the ground under the text and the fonts written there. The light
// fonts need a dark ground: 4.5 to 1 for the small ones, 3 to 1 for the large.
TEST(TextGrounds, EveryFontReadsOnTheGroundsItIsWrittenOn) {
  const struct {
    const char* where;
    const char* item;
    int pattern, x0, y0, x1, y1;
    std::vector<int> fonts;
  } grounds[] = {
      {"pages' inner panel", "Table3", 9, 0, 0, 59, 59, {1, 2, 3, 5}},
      {"inner panel's top (production balance)", "Table3", 1, 0, 6, 59, 59, {1}},
      {"inner panel's left edge (new unit card)", "Table3", 7, 6, 0, 59, 59, {1}},
      {"list panel", "Table3", 69, 0, 0, 59, 59, {1, 2}},
      {"window (settings dialog, page messages)", "Table3", 29, 0, 0, 59, 59, {1, 2, 3}},
      {"window (settings dialog)", "Table3", 28, 0, 0, 59, 59, {1, 2}},
      {"window's top edge (title line, save mode)", "Table3", 21, 0, 6, 59, 59, {3, 4, 5}},
      {"window's bottom edge (title foot)", "Table3", 25, 0, 0, 59, 53, {3}},
      {"text strip, left end", "Table3", 30, 6, 12, 59, 49, {1, 2, 3}},
      {"text strip, middle", "Table3", 31, 0, 12, 59, 49, {1, 2, 3}},
      {"text strip, right end", "Table3", 32, 0, 12, 53, 49, {1, 2, 3}},
      {"help topic button, left half", "Table3", 16, 22, 12, 59, 47, {1, 2}},
      {"help topic button, right half", "Table3", 17, 0, 12, 37, 47, {1, 2}},
      {"unit card", "Table3", 157, 0, 0, 59, 59, {1}},
      {"bottom panel's status lines", "Table1", 0, 10, 10, 709, 49, {1, 2}},
      {"sidebar's date box", "Table2", 0, 8, 8, 71, 45, {3}},
      {"list cursor bar", "Cursors", 17, 0, 1, 14, 13, {1, 2}},
      {"merge keys over the own cell", "Table4", 0, 5, 5, 54, 54, {3}},
      {"the green font's own ground (over the maps)", "Font04", ' ', 0, 0, 11, 15, {4}},
  };
  for (const auto& g : grounds) {
    const double ground = LightEnd(Picture(g.item), g.pattern, g.x0, g.y0, g.x1, g.y1);
    for (int font : g.fonts) {
      const double ratio = Contrast(Luminance(InkOf(font)), ground);
      EXPECT_GE(ratio, font <= 2 ? 4.5 : 3.0) << "font " << font << " on the " << g.where;
    }
  }
}

// Tiles the screens lay side by side (left | right) or one over the other (top / bottom), and
// the rows or columns of the edge that must run on: a bevel or a break there is a seam.
TEST(TileSeams, TilesTheScreensSetSideBySideMeetWithoutASeam) {
  const struct {
    const char* what;
    const char* firstItem;
    int first;
    const char* secondItem;
    int second;
    bool across;   // left | right; otherwise top / bottom
    int from, to;  // rows (across) or columns of the edge
  } joins[] = {
      {"OK, Confirm, Yes, Apply, Start, Close, Exit", "Table3", 12, "Table3", 13, true, 0, 59},
      {"Cancel, No, Close", "Table3", 14, "Table3", 15, true, 0, 59},
      {"OK that cannot be used", "Table3", 10, "Table3", 11, true, 0, 59},
      {"help topic button", "Table3", 16, "Table3", 17, true, 0, 59},
      {"Economy window's Close", "Table3", 12, "Table3", 40, true, 0, 59},
      {"text strip", "Table3", 30, "Table3", 31, true, 0, 59},
      {"text strip", "Table3", 31, "Table3", 31, true, 0, 59},
      {"text strip", "Table3", 31, "Table3", 32, true, 0, 59},
      {"picture frame of the production page", "Table3", 30, "Table3", 32, true, 0, 59},
      {"model card on the window's bottom edge", "Table3", 24, "Table3", 30, true, 54, 59},
      {"model card on the window's bottom edge", "Table3", 32, "Table3", 25, true, 54, 59},
      {"Quit picture's frame into the panel's bottom, left", "Table5", 40, "Table3", 4, false, 0,
       5},
      {"Quit picture's frame into the panel's bottom, right", "Table5", 49, "Table3", 6, false, 54,
       59},
  };
  for (const auto& j : joins) {
    const Rendered& a = Picture(j.firstItem);
    const Rendered& b = Picture(j.secondItem);
    int broken = 0;
    for (int i = j.from; i <= j.to; ++i) {
      const TColor end = j.across ? a.At(j.first, 59, i) : a.At(j.first, i, 59);
      const TColor start = j.across ? b.At(j.second, 0, i) : b.At(j.second, i, 0);
      broken += Distance(end, start) > 40;
    }
    // A stray grain pixel on the edge is no seam.
    EXPECT_LE(broken, 3) << j.what << ": " << j.first << " and " << j.second;
  }
}

// The screens pair the halves freely (the Economy window's Close is OK's left half beside a
// cross), so a left half shows the plain face only: the mark lies wholly in the right half.
TEST(ButtonHalves, LeftHalvesArePlainAndRightHalvesCarryTheMark) {
  const Rendered& t = Picture("Table3");
  auto marked = [&](int pattern, int x0, int x1) {
    std::map<TColor, int> count;
    for (int y = 14; y <= 45; ++y)
      for (int x = x0; x <= x1; ++x) ++count[t.At(pattern, x, y)];
    const TColor face = std::max_element(count.begin(), count.end(), [](auto& a, auto& b) {
                          return a.second < b.second;
                        })->first;
    int off = 0;
    for (const auto& [c, n] : count) off += Distance(c, face) > 30 ? n : 0;
    return off;
  };
  for (int left : {10, 12, 14, 16}) EXPECT_EQ(marked(left, 24, 59), 0) << "left half " << left;
  for (int right : {11, 13, 15, 40}) EXPECT_GE(marked(right, 4, 35), 60) << "right half " << right;
}

}  // namespace
}  // namespace gm::art
