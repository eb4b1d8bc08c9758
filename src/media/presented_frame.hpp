// The frame the window was last handed, kept to find what the next one changes: the back buffer
// is compared with it block by block, only the blocks that differ are copied into it, and the
// window is told where they changed, so a frame that changed little costs little to show and one
// that did not change costs a comparison.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/platform.hpp"

namespace gm {

class PresentedFrame {
 public:
  // Changes are looked for in blocks of this size; neighbouring changed blocks go out as one
  // rectangle, cut down to the rows and columns where its pixels changed.
  static constexpr int kBlockWidth = 40;
  static constexpr int kBlockHeight = 20;

  // Takes the new frame (rows of width x bytesPerPixel bytes, `pitch` apart): gives it the next
  // frame number and lists the rectangles where it differs from the frame taken before. The
  // first frame, one of another size or depth, or one after Forget has no frame before it.
  void Take(const std::uint8_t* pixels, int width, int height, int pitch, int bytesPerPixel);
  // The next frame is taken as new (the surface was made again or restored).
  void Forget() { since_ = serial_ = 0; }

  std::uint64_t Serial() const { return serial_; }
  // The frame the changes are counted from; 0 when there is none.
  std::uint64_t Since() const { return since_; }
  std::span<const PixelRect> Changes() const { return changes_; }

 private:
  // What changed in one block of the block row being compared: the first and last changed
  // column and row, in frame pixels (changed when lastRow >= 0).
  struct BlockChange {
    int left = 0;
    int right = 0;
    int top = 0;
    int lastRow = -1;
  };
  // The block columns [first, end) whose run of changes a rectangle began with.
  struct Run {
    int first = 0;
    int end = 0;
  };

  // Compares one block row (`rows` rows from `top`), noting its changed blocks in blocks_ and
  // copying the changed spans into the kept frame.
  void CompareRows(const std::uint8_t* pixels, int pitch, int top, int rows);
  // The block row's runs of changed blocks as rectangles, or as the growth of those above.
  void AddRuns();

  std::vector<std::uint8_t> kept_;
  int width_ = 0;
  int height_ = 0;
  int bytesPerPixel_ = 0;
  std::uint64_t serial_ = 0;
  std::uint64_t since_ = 0;
  std::vector<PixelRect> changes_;
  std::vector<Run> runs_;            // by rectangle of changes_
  std::vector<BlockChange> blocks_;  // by block of the row being compared
  // Rectangles that reach down to the block row being compared: a run of blocks under one of
  // the same columns lengthens it.
  std::vector<std::size_t> reaching_;
  std::vector<std::size_t> reachingNext_;
};

}  // namespace gm
