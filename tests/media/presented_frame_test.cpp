// The frame kept for the window: which rectangles a new frame lists as changed (cut down to the
// changed rows and columns), that the kept copy follows every frame, and when a frame has
// nothing to be counted from.
#include "media/presented_frame.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <vector>

namespace gm {

// How a failing case shows a rectangle.
void PrintTo(const PixelRect& r, std::ostream* out) {
  *out << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

namespace {

// A frame of width x height pixels of `bytes` bytes, its pixels random.
struct Frame {
  Frame(int w, int h, int b) : width(w), height(h), bytes(b) {
    std::mt19937 rng(static_cast<unsigned>(w * 1000 + h + b));
    pixels.resize(static_cast<std::size_t>(w) * h * b);
    for (auto& p : pixels) p = static_cast<std::uint8_t>(rng());
  }
  // One byte of the pixel changed: its last unless `byte` says which.
  void Change(int x, int y, int byte = -1) {
    pixels[(static_cast<std::size_t>(y) * width + x) * bytes + (byte < 0 ? bytes - 1 : byte)] ^=
        0x40;
  }
  void Take(PresentedFrame& p) const { p.Take(pixels.data(), width, height, width * bytes, bytes); }
  int width, height, bytes;
  std::vector<std::uint8_t> pixels;
};

std::vector<PixelRect> Listed(const PresentedFrame& p) {
  return {p.Changes().begin(), p.Changes().end()};
}

TEST(PresentedFrame, ListsTheChangedBlocksJoinedIntoRectanglesAndCutToTheirChanges) {
  struct Point {
    int x, y;
    int byte = -1;
  };
  struct Case {
    const char* what;
    int width, height, bytes;
    std::vector<Point> changed;
    std::vector<PixelRect> listed;
  };
  std::vector<Point> row300, column45, twoColumns, parade;
  for (int x = 0; x < 800; ++x) row300.push_back({x, 300});
  for (int y = 0; y < 600; ++y) column45.push_back({45, y});
  for (int y = 0; y < 40; ++y) twoColumns.push_back({y < 20 ? 5 : 85, y});
  for (int y = 0; y < 600; ++y) {
    for (int x = 0; x < 100; ++x) parade.insert(parade.end(), {{x, y}, {700 + x, y}});
  }
  const Case cases[] = {
      {"nothing", 800, 600, 2, {}, {}},
      {"the first pixel", 800, 600, 2, {{0, 0}}, {{0, 0, 1, 1}}},
      {"the first byte of a pixel", 800, 600, 2, {{7, 3, 0}}, {{7, 3, 8, 4}}},
      {"the last pixel", 800, 600, 2, {{799, 599}}, {{799, 599, 800, 600}}},
      {"both sides of a block edge", 800, 600, 1, {{39, 20}, {40, 20}}, {{39, 20, 41, 21}}},
      {"two runs in one block row",
       800,
       600,
       2,
       {{0, 0}, {100, 5}},
       {{0, 0, 1, 1}, {100, 5, 101, 6}}},
      {"one block's corners", 800, 600, 2, {{41, 21}, {78, 38}}, {{41, 21, 79, 39}}},
      {"a whole row", 800, 600, 2, row300, {{0, 300, 800, 301}}},
      {"a column, joined from top to bottom", 800, 600, 1, column45, {{45, 0, 46, 600}}},
      {"the widest columns of the joined block rows",
       800,
       600,
       2,
       {{10, 5}, {30, 25}, {20, 45}},
       {{10, 5, 31, 46}}},
      {"two columns of changes the height of the frame",
       800,
       600,
       2,
       parade,
       {{0, 0, 100, 600}, {700, 0, 800, 600}}},
      {"runs of other columns one under the other",
       800,
       600,
       2,
       twoColumns,
       {{5, 0, 6, 20}, {85, 20, 86, 40}}},
      {"a gap between block rows", 800, 600, 2, {{0, 0}, {0, 45}}, {{0, 0, 1, 1}, {0, 45, 1, 46}}},
      {"the partial blocks of an odd size", 101, 45, 1, {{100, 44}}, {{100, 44, 101, 45}}},
  };
  for (const Case& c : cases) {
    Frame frame(c.width, c.height, c.bytes);
    PresentedFrame presented;
    frame.Take(presented);
    const std::uint64_t first = presented.Serial();
    for (const Point& p : c.changed) frame.Change(p.x, p.y, p.byte);
    frame.Take(presented);
    EXPECT_EQ(presented.Since(), first) << c.what;
    EXPECT_EQ(Listed(presented), c.listed) << c.what;
  }
}

// The kept copy takes each frame's changes: the same frame again changes nothing, and a pixel
// changed back is a change again.
TEST(PresentedFrame, TheKeptCopyFollowsEveryFrame) {
  for (int bytes : {1, 2}) {
    Frame frame(800, 600, bytes);
    PresentedFrame presented;
    frame.Take(presented);
    frame.Change(410, 310);
    frame.Take(presented);
    EXPECT_EQ(Listed(presented), (std::vector<PixelRect>{{410, 310, 411, 311}})) << bytes;
    frame.Take(presented);
    EXPECT_TRUE(presented.Changes().empty()) << bytes;
    frame.Change(410, 310);
    frame.Take(presented);
    EXPECT_EQ(Listed(presented), (std::vector<PixelRect>{{410, 310, 411, 311}})) << bytes;
  }
}

// Random changes, in frames of both depths: every changed pixel lies in one listed rectangle, and
// each rectangle's edge rows and columns hold one (none is wider or taller than its changes).
TEST(PresentedFrame, EveryChangeIsListedAndNothingElse) {
  for (const int bytes : {1, 2}) {
    Frame frame(800, 600, bytes);
    PresentedFrame presented;
    frame.Take(presented);
    std::mt19937 rng(29);
    for (int round = 0; round < 20; ++round) {
      std::vector<bool> changed(800 * 600);
      const auto at = [&](int x, int y) { return changed[static_cast<std::size_t>(y) * 800 + x]; };
      for (int i = 0; i < 1 + round * 7; ++i) {
        const int x = static_cast<int>(rng() % 800), y = static_cast<int>(rng() % 600);
        if (at(x, y)) continue;
        changed[static_cast<std::size_t>(y) * 800 + x] = true;
        frame.Change(x, y, static_cast<int>(rng() % bytes));
      }
      frame.Take(presented);
      std::vector<int> cover(800 * 600);
      for (const PixelRect& r : presented.Changes()) {
        bool top = false, bottom = false, left = false, right = false;
        for (int y = r.top; y < r.bottom; ++y) {
          for (int x = r.left; x < r.right; ++x) {
            ++cover[static_cast<std::size_t>(y) * 800 + x];
            top = top || (y == r.top && at(x, y));
            bottom = bottom || (y == r.bottom - 1 && at(x, y));
            left = left || (x == r.left && at(x, y));
            right = right || (x == r.right - 1 && at(x, y));
          }
        }
        ASSERT_TRUE(top && bottom && left && right)
            << bytes << " bytes, round " << round << ": a loose rectangle " << r.left << ","
            << r.top << "," << r.right << "," << r.bottom;
      }
      for (std::size_t i = 0; i < changed.size(); ++i) {
        ASSERT_LE(cover[i], 1) << bytes << " bytes, round " << round << ": overlap at " << i;
        if (changed[i]) {
          ASSERT_EQ(cover[i], 1) << bytes << " bytes, round " << round << ": missed at " << i;
        }
      }
    }
  }
}

// Nothing to count from: the first frame, another size or depth, and after Forget. Then the
// whole frame is listed. Frame numbers grow across every kept frame.
TEST(PresentedFrame, AFrameWithNothingBeforeItIsWhole) {
  Frame small(400, 300, 2), eight(800, 600, 1), frame(800, 600, 2);
  PresentedFrame presented, other;
  const auto whole = [&](int w, int h) {
    EXPECT_EQ(presented.Since(), 0u);
    EXPECT_EQ(Listed(presented), (std::vector<PixelRect>{{0, 0, w, h}}));
  };
  frame.Take(presented);
  whole(800, 600);
  small.Take(presented);
  whole(400, 300);
  eight.Take(presented);
  whole(800, 600);
  presented.Forget();
  eight.Take(presented);
  whole(800, 600);
  const std::uint64_t last = presented.Serial();
  frame.Take(other);
  eight.Take(presented);
  EXPECT_GT(other.Serial(), last);
  EXPECT_GT(presented.Serial(), other.Serial());
  EXPECT_EQ(presented.Since(), last);
}

}  // namespace
}  // namespace gm
