// What the pictures owe the texts and tiles the screens lay over and beside them: every glyph
// font reads on each ground it is written on, the tiles the screens set side by side meet
// without a seam, and a page button's left half carries no mark, so it reads beside any right
// half.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "tests/tools/committed_art.hpp"
#include "tools/art/art_build.hpp"
#include "world/sprite_ids.hpp"

namespace gm::art {
namespace {

using namespace sprite;

// An image drawn once, its pixels by pattern.
class Rendered {
 public:
  explicit Rendered(ImageId image) : item_(CatalogueItem(image)) {
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

const Rendered& Picture(ImageId image) {
  static std::map<ImageId, Rendered> drawn;
  auto it = drawn.find(image);
  if (it == drawn.end()) it = drawn.emplace(image, Rendered(image)).first;
  return it->second;
}

TColor PixelOf(SpriteId s, int x, int y) {
  return Picture(s.image).At(s.pattern, x, y);
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
  const Rendered& f = Picture(FontImage(font));
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
double LightEnd(SpriteId ground, int x0, int y0, int x1, int y1) {
  std::vector<double> l;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) l.push_back(Luminance(PixelOf(ground, x, y)));
  std::sort(l.begin(), l.end());
  return l[l.size() * 95 / 100];
}

// Where the screens write, the ground under the text and the fonts written there. The light
// fonts need a dark ground: 4.5 to 1 for the small ones, 3 to 1 for the large.
TEST(TextGrounds, EveryFontReadsOnTheGroundsItIsWrittenOn) {
  const struct {
    const char* where;
    SpriteId ground;
    int x0, y0, x1, y1;
    std::vector<int> fonts;
  } grounds[] = {
      {"pages' inner panel", kInnerPanel.interior, 0, 0, 59, 59, {1, 2, 3, 5}},
      {"inner panel's top (production balance)", kInnerPanel.top, 0, 6, 59, 59, {1}},
      {"inner panel's left edge (new unit card)", kInnerPanel.left, 6, 0, 59, 59, {1}},
      {"list panel", kListPanel.interior, 0, 0, 59, 59, {1, 2}},
      {"window (settings dialog, page messages)", kWindow.interior, 0, 0, 59, 59, {1, 2, 3}},
      {"window (settings dialog)", kWindow.plain, 0, 0, 59, 59, {1, 2}},
      {"window's top edge (title line, save mode)", kWindow.top, 0, 6, 59, 59, {3, 4, 5}},
      {"window's bottom edge (title foot)", kWindow.bottom, 0, 0, 59, 53, {3}},
      {"text strip, left end", kTextStrip.left, 6, 12, 59, 49, {1, 2, 3}},
      {"text strip, middle", kTextStrip.middle, 0, 12, 59, 49, {1, 2, 3}},
      {"text strip, right end", kTextStrip.right, 0, 12, 53, 49, {1, 2, 3}},
      {"help topic button, left half", kTopicButton.left, 22, 12, 59, 47, {1, 2}},
      {"help topic button, right half", kTopicButton.right, 0, 12, 37, 47, {1, 2}},
      {"unit card", kUnitCard[7], 0, 0, 59, 59, {1}},
      {"bottom panel's status lines", kBottomPanel, 10, 10, 709, 49, {1, 2}},
      {"sidebar's date box", kSidebarPanel, 8, 8, 71, 45, {3}},
      {"list cursor bar", kListCursorBar, 0, 1, 14, 13, {1, 2}},
      {"merge keys over the own cell", kMergeKeysGround, 5, 5, 54, 54, {3}},
      {"the green font's own ground (over the maps)", {FontImage(4), ' '}, 0, 0, 11, 15, {4}},
  };
  for (const auto& g : grounds) {
    const double ground = LightEnd(g.ground, g.x0, g.y0, g.x1, g.y1);
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
    SpriteId first;
    SpriteId second;
    bool across;   // left | right; otherwise top / bottom
    int from, to;  // rows (across) or columns of the edge
  } joins[] = {
      {"OK, Confirm, Yes, Apply, Start, Close, Exit", kOkButton.left, kOkButton.right, true, 0, 59},
      {"Cancel, No, Close", kCancelButton.left, kCancelButton.right, true, 0, 59},
      {"OK that cannot be used", kDeadOkButton.left, kDeadOkButton.right, true, 0, 59},
      {"help topic button", kTopicButton.left, kTopicButton.right, true, 0, 59},
      {"Economy window's Close", kOkButton.left, kEconomyCloseRight, true, 0, 59},
      {"text strip", kTextStrip.left, kTextStrip.middle, true, 0, 59},
      {"text strip", kTextStrip.middle, kTextStrip.middle, true, 0, 59},
      {"text strip", kTextStrip.middle, kTextStrip.right, true, 0, 59},
      {"picture frame of the production page", kTextStrip.left, kTextStrip.right, true, 0, 59},
      {"model card on the window's bottom edge", kWindow.bottomLeft, kTextStrip.left, true, 54, 59},
      {"model card on the window's bottom edge", kTextStrip.right, kWindow.bottom, true, 54, 59},
      {"Quit picture's frame into the panel's bottom, left", kQuitPicture[40],
       kInnerPanel.bottomLeft, false, 0, 5},
      {"Quit picture's frame into the panel's bottom, right", kQuitPicture[49],
       kInnerPanel.bottomRight, false, 54, 59},
  };
  for (const auto& j : joins) {
    int broken = 0;
    for (int i = j.from; i <= j.to; ++i) {
      const TColor end = j.across ? PixelOf(j.first, 59, i) : PixelOf(j.first, i, 59);
      const TColor start = j.across ? PixelOf(j.second, 0, i) : PixelOf(j.second, i, 0);
      broken += Distance(end, start) > 40;
    }
    // A stray grain pixel on the edge is no seam.
    EXPECT_LE(broken, 3) << j.what << ": patterns " << j.first.pattern << " and "
                         << j.second.pattern;
  }
}

// The screens pair the halves freely (the Economy window's Close is OK's left half beside a
// cross), so a left half shows the plain face only: the mark lies wholly in the right half.
TEST(ButtonHalves, LeftHalvesArePlainAndRightHalvesCarryTheMark) {
  auto marked = [&](WindowTile half, int x0, int x1) {
    std::map<TColor, int> count;
    for (int y = 14; y <= 45; ++y)
      for (int x = x0; x <= x1; ++x) ++count[PixelOf(half, x, y)];
    const TColor face = std::max_element(count.begin(), count.end(), [](auto& a, auto& b) {
                          return a.second < b.second;
                        })->first;
    int off = 0;
    for (const auto& [c, n] : count) off += Distance(c, face) > 30 ? n : 0;
    return off;
  };
  for (WindowTile left :
       {kDeadOkButton.left, kOkButton.left, kCancelButton.left, kTopicButton.left})
    EXPECT_EQ(marked(left, 24, 59), 0) << "left half " << left.pattern;
  for (WindowTile right :
       {kDeadOkButton.right, kOkButton.right, kCancelButton.right, kEconomyCloseRight})
    EXPECT_GE(marked(right, 4, 35), 60) << "right half " << right.pattern;
}

}  // namespace
}  // namespace gm::art
