// The Help page's texts: six pages of 21 lines of at most 38 characters, and the two label lines
// of each topic button.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace gm {

inline constexpr int kHelpPageCount = 6;
inline constexpr int kHelpLineCount = 21;
inline constexpr std::size_t kHelpLineLength = 38;

// Line i (1..21) of a page at [i - 1].
using HelpPageText = std::array<std::string_view, kHelpLineCount>;

struct HelpTopicLabel {
  std::string_view first;
  std::string_view second;
};

// Page p (1..6) at [p - 1].
extern const std::array<HelpPageText, kHelpPageCount> kHelpPages;
// Topic t (1..6) at [t - 1].
extern const std::array<HelpTopicLabel, kHelpPageCount> kHelpTopicLabels;

// Lines that carry a link: the shell opens the guide or its About section from them.
inline constexpr int kAboutLinkLine = 3;    // page 1
inline constexpr int kGuideLinkLine = 18;   // page 6
inline constexpr int kAboutLinkLine6 = 20;  // page 6

}  // namespace gm
