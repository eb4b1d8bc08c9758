// Finding where a frame changed, and keeping the copy it is compared with.
#include "media/presented_frame.hpp"

#include <algorithm>
#include <atomic>
#include <bit>
#include <climits>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace gm {

namespace {

// Frame numbers are unique across displays, so a window never takes one display's changes as
// counted from another's frame.
std::uint64_t NextSerial() {
  static std::atomic<std::uint64_t> last{0};
  return ++last;
}

// The first and last of n bytes that differ between a and b; false when none does. A block's
// row is short: the words are compared here rather than through memcmp.
bool DifferingBytes(const std::uint8_t* a, const std::uint8_t* b, std::size_t n, std::size_t& first,
                    std::size_t& last) {
  std::size_t i = 0;
#if defined(__SSE2__)
  // Sixteen bytes at a time, the differing ones as the clear bits of a mask.
  const auto equal = [&](std::size_t at) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + at));
    const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + at));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(x, y)));
  };
  for (; i + 16 <= n; i += 16) {
    const unsigned differ = ~equal(i) & 0xFFFFu;
    if (differ != 0) {
      i += static_cast<std::size_t>(std::countr_zero(differ));
      break;
    }
  }
#endif
  while (i < n && a[i] == b[i]) ++i;
  if (i == n) return false;
  first = i;
  std::size_t j = n;
#if defined(__SSE2__)
  for (; j >= first + 16; j -= 16) {
    const unsigned differ = ~equal(j - 16) & 0xFFFFu;
    if (differ != 0) {
      j = j - 16 + static_cast<std::size_t>(std::bit_width(differ));
      break;
    }
  }
#endif
  while (a[j - 1] == b[j - 1]) --j;
  last = j - 1;
  return true;
}

}  // namespace

void PresentedFrame::Take(const std::uint8_t* pixels, int width, int height, int pitch,
                          int bytesPerPixel) {
  changes_.clear();
  runs_.clear();
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
  blocks_.resize(static_cast<std::size_t>((width + kBlockWidth - 1) / kBlockWidth));
  for (int top = 0; top < height; top += kBlockHeight) {
    std::fill(blocks_.begin(), blocks_.end(), BlockChange{});
    CompareRows(pixels, pitch, top, std::min(kBlockHeight, height - top));
    AddRuns();
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
    BlockChange* block = blocks_.data();
    for (std::size_t at = 0; at < rowBytes; at += blockBytes, ++block) {
      std::size_t first = 0, last = 0;
      if (!DifferingBytes(row + at, kept + at, std::min(blockBytes, rowBytes - at), first, last)) {
        continue;
      }
      std::memcpy(kept + at + first, row + at + first, last - first + 1);
      const int left = static_cast<int>((at + first) / bytesPerPixel_);
      const int right = static_cast<int>((at + last) / bytesPerPixel_) + 1;
      if (block->lastRow < 0) {
        *block = {left, right, y, y};
      } else {
        block->left = std::min(block->left, left);
        block->right = std::max(block->right, right);
        block->lastRow = y;
      }
    }
  }
}

void PresentedFrame::AddRuns() {
  reachingNext_.clear();
  const int blocks = static_cast<int>(blocks_.size());
  const auto changed = [&](int b) { return blocks_[static_cast<std::size_t>(b)].lastRow >= 0; };
  for (int b = 0; b < blocks;) {
    if (!changed(b)) {
      ++b;
      continue;
    }
    // The run's changes lie in its first block's columns on the left, its last block's on the
    // right, and between the first and last changed rows of any of its blocks.
    int e = b, top = INT_MAX, bottom = 0;
    for (; e < blocks && changed(e); ++e) {
      top = std::min(top, blocks_[static_cast<std::size_t>(e)].top);
      bottom = std::max(bottom, blocks_[static_cast<std::size_t>(e)].lastRow + 1);
    }
    const int left = blocks_[static_cast<std::size_t>(b)].left;
    const int right = blocks_[static_cast<std::size_t>(e - 1)].right;
    const auto above = std::find_if(reaching_.begin(), reaching_.end(), [&](std::size_t i) {
      return runs_[i].first == b && runs_[i].end == e;
    });
    if (above != reaching_.end()) {
      PixelRect& r = changes_[*above];
      r.left = std::min(r.left, left);
      r.right = std::max(r.right, right);
      r.bottom = bottom;
      reachingNext_.push_back(*above);
    } else {
      changes_.push_back({left, top, right, bottom});
      runs_.push_back({b, e});
      reachingNext_.push_back(changes_.size() - 1);
    }
    b = e;
  }
  reaching_.swap(reachingNext_);
}

}  // namespace gm
