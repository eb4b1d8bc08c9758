// Colour identifiers accepted for a picture's transparent colour.
#include <array>
#include <utility>

#include "media/component_stream.hpp"
#include "media/hash_collection.hpp"

namespace gm {

namespace {

constexpr TColor kSystemColor = 0x80000000u;

constexpr std::array<std::pair<std::string_view, TColor>, 49> kColors{{
    {"clBlack", RgbColor(0, 0, 0)},
    {"clMaroon", RgbColor(128, 0, 0)},
    {"clGreen", RgbColor(0, 128, 0)},
    {"clOlive", RgbColor(128, 128, 0)},
    {"clNavy", RgbColor(0, 0, 128)},
    {"clPurple", RgbColor(128, 0, 128)},
    {"clTeal", RgbColor(0, 128, 128)},
    {"clGray", RgbColor(128, 128, 128)},
    {"clSilver", RgbColor(192, 192, 192)},
    {"clRed", RgbColor(255, 0, 0)},
    {"clLime", RgbColor(0, 255, 0)},
    {"clYellow", RgbColor(255, 255, 0)},
    {"clBlue", RgbColor(0, 0, 255)},
    {"clFuchsia", RgbColor(255, 0, 255)},
    {"clAqua", RgbColor(0, 255, 255)},
    {"clWhite", RgbColor(255, 255, 255)},
    {"clMoneyGreen", RgbColor(192, 220, 192)},
    {"clSkyBlue", RgbColor(166, 202, 240)},
    {"clCream", RgbColor(255, 251, 240)},
    {"clMedGray", RgbColor(160, 160, 164)},
    {"clNone", 0x1FFFFFFFu},
    {"clDefault", 0x20000000u},
    {"clScrollBar", kSystemColor + 0},
    {"clBackground", kSystemColor + 1},
    {"clActiveCaption", kSystemColor + 2},
    {"clInactiveCaption", kSystemColor + 3},
    {"clMenu", kSystemColor + 4},
    {"clWindow", kSystemColor + 5},
    {"clWindowFrame", kSystemColor + 6},
    {"clMenuText", kSystemColor + 7},
    {"clWindowText", kSystemColor + 8},
    {"clCaptionText", kSystemColor + 9},
    {"clActiveBorder", kSystemColor + 10},
    {"clInactiveBorder", kSystemColor + 11},
    {"clAppWorkSpace", kSystemColor + 12},
    {"clHighlight", kSystemColor + 13},
    {"clHighlightText", kSystemColor + 14},
    {"clBtnFace", kSystemColor + 15},
    {"clBtnShadow", kSystemColor + 16},
    {"clGrayText", kSystemColor + 17},
    {"clBtnText", kSystemColor + 18},
    {"clInactiveCaptionText", kSystemColor + 19},
    {"clBtnHighlight", kSystemColor + 20},
    {"cl3DDkShadow", kSystemColor + 21},
    {"cl3DLight", kSystemColor + 22},
    {"clInfoText", kSystemColor + 23},
    {"clInfoBk", kSystemColor + 24},
    {"clGradientActiveCaption", kSystemColor + 27},
    {"clGradientInactiveCaption", kSystemColor + 28},
}};

}  // namespace

std::optional<TColor> ColorFromIdent(std::string_view ident) {
  for (const auto& [name, value] : kColors) {
    if (SameName(name, ident)) return value;
  }
  return std::nullopt;
}

}  // namespace gm
