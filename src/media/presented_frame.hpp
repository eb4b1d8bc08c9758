// The frame the window was last handed, kept to find what the next one changes: the back buffer
// is compared with it block by block, only the blocks that differ are copied into it, and the
// window is told which they are, so a frame that changed little costs little to show and one
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
  // rectangle.
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
  // Compares one block row (`rows` rows from `top`), marking its changed blocks in changed_ and
  // copying the changed spans into the kept frame.
  void CompareRows(const std::uint8_t* pixels, int pitch, int top, int rows);
  // The block row's runs of changed blocks as rectangles.
  void AddRuns(int top, int rows);

  std::vector<std::uint8_t> kept_;
  int width_ = 0;
  int height_ = 0;
  int bytesPerPixel_ = 0;
  std::uint64_t serial_ = 0;
  std::uint64_t since_ = 0;
  std::vector<PixelRect> changes_;
  std::vector<bool> changed_;  // by block of the row being compared
  // Rectangles that reach down to the block row being compared: a run of blocks under one of
  // the same columns lengthens it.
  std::vector<std::size_t> reaching_;
  std::vector<std::size_t> reachingNext_;
};

}  // namespace gm
