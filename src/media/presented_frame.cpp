// Finding the blocks a frame changed, and keeping the copy they are found against.
#include "media/presented_frame.hpp"

#include <algorithm>
#include <atomic>
#include <cstring>

namespace gm {

namespace {

// Frame numbers are unique across displays, so a window never takes one display's changes as
// counted from another's frame.
std::uint64_t NextSerial() {
  static std::atomic<std::uint64_t> last{0};
  return ++last;
}

// Whether n bytes differ: short spans (a block's row), where a call to memcmp costs more than
// the comparison.
bool Differs(const std::uint8_t* a, const std::uint8_t* b, std::size_t n) {
  std::uint64_t diff = 0;
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    std::uint64_t x, y;
    std::memcpy(&x, a + i, 8);
    std::memcpy(&y, b + i, 8);
    diff |= x ^ y;
  }
  for (; i < n; ++i) diff |= static_cast<std::uint64_t>(a[i] ^ b[i]);
  return diff != 0;
}

}  // namespace

void PresentedFrame::Take(const std::uint8_t* pixels, int width, int height, int pitch,
                          int bytesPerPixel) {
  changes_.clear();
  const std::size_t rowBytes = static_cast<std::size_t>(width) * bytesPerPixel;
  const bool fresh =
      serial_ == 0 || width != width_ || height != height_ || bytesPerPixel != bytesPerPixel_;
  since_ = fresh ? 0 : serial_;
  serial_ = NextSerial();
  if (width < 1 || height < 1) return;
  if (fresh) {
    width_ = width;
    height_ = height;
    bytesPerPixel_ = bytesPerPixel;
    kept_.resize(rowBytes * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
      std::memcpy(kept_.data() + rowBytes * static_cast<std::size_t>(y),
                  pixels + static_cast<std::size_t>(pitch) * static_cast<std::size_t>(y), rowBytes);
    }
    changes_.push_back({0, 0, width, height});
    return;
  }
  reaching_.clear();
  changed_.resize(static_cast<std::size_t>((width + kBlockWidth - 1) / kBlockWidth));
  for (int top = 0; top < height; top += kBlockHeight) {
    const int rows = std::min(kBlockHeight, height - top);
    std::fill(changed_.begin(), changed_.end(), false);
    CompareRows(pixels, pitch, top, rows);
    AddRuns(top, rows);
  }
}

void PresentedFrame::CompareRows(const std::uint8_t* pixels, int pitch, int top, int rows) {
  const std::size_t rowBytes = static_cast<std::size_t>(width_) * bytesPerPixel_;
  const std::size_t blockBytes = static_cast<std::size_t>(kBlockWidth) * bytesPerPixel_;
  for (int y = top; y < top + rows; ++y) {
    const std::uint8_t* row =
        pixels + static_cast<std::size_t>(pitch) * static_cast<std::size_t>(y);
    std::uint8_t* kept = kept_.data() + rowBytes * static_cast<std::size_t>(y);
    // Most rows of most frames are unchanged: one comparison of the whole row settles them.
    if (std::memcmp(row, kept, rowBytes) == 0) continue;
    std::size_t block = 0;
    for (std::size_t at = 0; at < rowBytes; at += blockBytes, ++block) {
      const std::size_t n = std::min(blockBytes, rowBytes - at);
      if (!Differs(row + at, kept + at, n)) continue;
      changed_[block] = true;
      std::memcpy(kept + at, row + at, n);
    }
  }
}

void PresentedFrame::AddRuns(int top, int rows) {
  reachingNext_.clear();
  const std::size_t blocks = changed_.size();
  for (std::size_t b = 0; b < blocks;) {
    if (!changed_[b]) {
      ++b;
      continue;
    }
    std::size_t e = b;
    while (e < blocks && changed_[e]) ++e;
    const int left = static_cast<int>(b) * kBlockWidth;
    const int right = std::min(static_cast<int>(e) * kBlockWidth, width_);
    const auto above = std::find_if(reaching_.begin(), reaching_.end(), [&](std::size_t i) {
      return changes_[i].left == left && changes_[i].right == right;
    });
    if (above != reaching_.end()) {
      changes_[*above].bottom = top + rows;
      reachingNext_.push_back(*above);
    } else {
      changes_.push_back({left, top, right, top + rows});
      reachingNext_.push_back(changes_.size() - 1);
    }
    b = e;
  }
  reaching_.swap(reachingNext_);
}

}  // namespace gm
