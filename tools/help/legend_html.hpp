// The guide's legend as HTML: the tables of unit symbols, size markers, map marks and terrains,
// with the names of their pictures, and its place in the guide between two marker lines.
#pragma once

#include <string>
#include <string_view>

#include "platform/status.hpp"
#include "tools/help/legend_choice.hpp"
#include "world/sprite_ids.hpp"

namespace gm::guide {

// Folder of the legend's pictures, relative to the guide's pictures folder.
inline constexpr std::string_view kLegendFolder = "legend";

// File names (inside kLegendFolder) of the pictures the tables show.
std::string UnitPicture(art::UnitKind kind, bool soviet);
std::string SizePicture(int index);  // 0 division, 1 brigade, 2 regiment
std::string NationMarkPicture(int nation);
std::string SettlementFlagPicture(int nation);
std::string OrdersPicture(int ordersLeft);
std::string TerrainPicture(const TerrainExample& terrain);

// The marks a selected formation's reach shows (the light phase of those that blink), whether
// it stands over an enemy formation, its picture and what it means.
struct ReachMark {
  sprite::MapMark mark;
  bool overEnemy;
  std::string_view file;
  std::string_view meaning;
};
inline constexpr ReachMark kReachMarks[] = {
    {sprite::kOwnCell.light, false, "reach-own.png", "the selected formation"},
    {sprite::kMoveTarget, false, "reach-move.png",
     "it can move there (or drop there, for airborne troops)"},
    {sprite::kAssaultTarget.light, true, "reach-assault.png",
     "an enemy next to it that it can assault"},
    {sprite::kArtilleryTarget.light, true, "reach-fire.png",
     "an enemy two cells away that its artillery can fire on"},
    {sprite::kShade, false, "reach-none.png", "out of its reach this turn"},
};

// The legend's tables.
std::string LegendHtml();

// The marker lines around the legend in the guide.
inline constexpr std::string_view kLegendBegin =
    "<!-- legend: written by make guide-pictures from the tables and the archive -->";
inline constexpr std::string_view kLegendEnd = "<!-- end of the legend -->";

// Puts `legend` between the page's marker lines in place of what stood there; the page stays
// as it was when a marker is missing or the end comes first.
Status SpliceLegend(std::string& page, std::string_view legend);

}  // namespace gm::guide
