// Names of the screen state the world carries for the frame loop: the thirteen screen flags and
// their values, the kinds of the action animation, and the sizes and limits of the map views.
#pragma once

#include <cstdint>

#include "world/records.hpp"

namespace gm {

inline constexpr int kScreenFlagCount = 13;

// Byte meanings of ScreenFlags.
enum ScreenFlag : int {
  kFlagZoom = 0,     // a MapZoom value
  kFlagLayer = 1,    // a MapLayer value
  kFlagNewUnit = 2,  // pages [2]..[9]: a PageState value each
  kFlagUnitStaff = 3,
  kFlagEconomy = 4,
  kFlagOptions = 5,
  kFlagSaveLoad = 6,
  kFlagEndTurn = 7,
  kFlagHelp = 8,
  kFlagQuit = 9,
  kFlagPlacement = 10,     // 1 while a new formation is placed
  kFlagComputerTurn = 11,  // 1 while the computer plays
  kFlagScreen = 12,        // a ScreenKind value
};

// ScreenFlags[kFlagZoom]. The zoom button cycles Battlefield -> Map1 -> Map2 -> Battlefield.
enum MapZoom : std::uint8_t {
  kZoomNone = 0,  // a page, the title or the final screen covers the map
  kZoomMap1 = 1,
  kZoomBattlefield = 2,
  kZoomMap2 = 3,
};

// ScreenFlags[kFlagLayer].
enum MapLayer : std::uint8_t {
  kLayerNone = 0,
  kLayerAir = 1,
  kLayerArmy = 2,
};

// ScreenFlags[kFlagNewUnit .. kFlagQuit].
enum PageState : std::uint8_t {
  kPageHidden = 0,  // its button is neither shown nor live
  kPageOpen = 1,    // drawn, and its own rectangles are live
  kPageLive = 2,    // its button is shown and live
};

// ScreenFlags[kFlagScreen].
enum ScreenKind : std::uint8_t {
  kScreenGame = 0,
  kScreenTitle = 1,
  kScreenFinal = 2,
};

// World::ActionKind: what the running action animation resolves at its end.
enum class ActionKind : std::uint8_t {
  kNone = 0,
  kAssault = 1,
  kArtilleryFire = 2,
  kAirStrike = 3,
  kSecondAirOrder = 4,  // an air order on an enemy air formation: nothing to resolve
};

// The Battlefield view: 12 x 9 cells of 60 pixels over the 720 x 540 map area.
inline constexpr int kBattlefieldColumns = 12;
inline constexpr int kBattlefieldRows = 9;
inline constexpr int kBattlefieldCellPixels = 60;
// Scrolling keeps it within the theatre: ViewX 0..348, ViewY 30..321.
inline constexpr int kViewMinX = kTheatreMinX;
inline constexpr int kViewMaxX = kTheatreMaxX + 1 - kBattlefieldColumns;
inline constexpr int kViewMinY = kTheatreMinY;
inline constexpr int kViewMaxY = kTheatreMaxY + 1 - kBattlefieldRows;
// The computer centres the view on a formation with its cell in this column and row of the
// view, keeping the view within the whole map.
inline constexpr int kViewCentreColumn = 5;
inline constexpr int kViewCentreRow = 4;
inline constexpr int kMapViewMaxX = kMapWidth - kBattlefieldColumns;
inline constexpr int kMapViewMaxY = kMapHeight - kBattlefieldRows;

// The Map1 view: 36 x 27 cells of 20 pixels, kept within the theatre: Map1X 0..324, Map1Y
// 30..303.
inline constexpr int kMap1Columns = 36;
inline constexpr int kMap1Rows = 27;
inline constexpr int kMap1CellPixels = 20;
inline constexpr int kMap1MinX = kTheatreMinX;
inline constexpr int kMap1MaxX = kTheatreMaxX + 1 - kMap1Columns;
inline constexpr int kMap1MinY = kTheatreMinY;
inline constexpr int kMap1MaxY = kTheatreMaxY + 1 - kMap1Rows;

static_assert(kViewMaxX == 348 && kViewMaxY == 321);
static_assert(kMap1MaxX == 324 && kMap1MaxY == 303);
static_assert(kMapViewMaxX == 988 && kMapViewMaxY == 391);

}  // namespace gm
