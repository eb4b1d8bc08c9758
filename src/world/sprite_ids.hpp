// The game's pictures by name: which image and pattern shows what, said once for the screens
// that draw them, the archive check as the archives load and the art tool that paints them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "world/image_items.hpp"
#include "world/tables/tables.hpp"

namespace gm {

namespace sprite {

using CursorSprite = Sprite<ImageId::kCursors>;
using PictogramSprite = Sprite<ImageId::kPictogram>;
using WindowTile = Sprite<ImageId::kTable3>;
using MapMark = Sprite<ImageId::kTable4>;

// --- Table1, Table2, Config: the panels around the map and the settings dialog's picture ---

inline constexpr auto kBottomPanel = Named<ImageId::kTable1>(0);
inline constexpr auto kSidebarPanel = Named<ImageId::kTable2>(0);
inline constexpr auto kSettingsPicture = Named<ImageId::kConfig>(0);

// --- Pictogram: the sidebar's buttons ---

inline constexpr auto kZoomBattlefieldButton = Named<ImageId::kPictogram>(0);
inline constexpr auto kZoomMap1Button = Named<ImageId::kPictogram>(10);
inline constexpr auto kZoomMap2Button = Named<ImageId::kPictogram>(29);
inline constexpr auto kLayerArmyButton = Named<ImageId::kPictogram>(1);
inline constexpr auto kLayerAirButton = Named<ImageId::kPictogram>(11);
// The eight page buttons by page (New unit, Unit staff, Economy, Options, Save/Load, End turn,
// Help, Quit): live, and open.
inline constexpr auto kPageButtons = NamedRun<ImageId::kPictogram>(2, 8);
inline constexpr auto kOpenPageButtons = NamedRun<ImageId::kPictogram>(12, 8);
inline constexpr auto kDisabledButton = Named<ImageId::kPictogram>(20);
inline constexpr auto kSovietSideOnMove = Named<ImageId::kPictogram>(21);
inline constexpr auto kGermanSideOnMove = Named<ImageId::kPictogram>(22);
// The frame over a sidebar button under the pointer, and the halves of the frame over an
// 80 x 40 page button.
inline constexpr auto kButtonFrame = NamedBlink<ImageId::kPictogram>(23, 24);
inline constexpr auto kPageButtonFrameLight = NamedHalves<ImageId::kPictogram>(25);
inline constexpr auto kPageButtonFrameDark = NamedHalves<ImageId::kPictogram>(27);

// --- Cursors: pointers, marks, switches and the lists' parts, 15 x 15 each ---

inline constexpr auto kPointerScrollWest = Named<ImageId::kCursors>(0);
inline constexpr auto kPointerScrollEast = Named<ImageId::kCursors>(1);
inline constexpr auto kPointerScrollNorth = Named<ImageId::kCursors>(2);
inline constexpr auto kPointerScrollSouth = Named<ImageId::kCursors>(3);
inline constexpr auto kPointerArrow = Named<ImageId::kCursors>(4);
inline constexpr auto kPointerTarget = Named<ImageId::kCursors>(5);
inline constexpr auto kPointerScrollNorthWest = Named<ImageId::kCursors>(6);
inline constexpr auto kPointerScrollNorthEast = Named<ImageId::kCursors>(7);
inline constexpr auto kPointerScrollSouthEast = Named<ImageId::kCursors>(8);
inline constexpr auto kPointerScrollSouthWest = Named<ImageId::kCursors>(9);
inline constexpr auto kPointerHand = Named<ImageId::kCursors>(110);

// A formation's orders left: two, one and none.
inline constexpr auto kOrdersLeftMarks = NamedRun<ImageId::kCursors>(10, 3);
constexpr CursorSprite OrdersLeftMark(int ordersLeft) {
  return kOrdersLeftMarks[2 - ordersLeft];
}

// The slot of the switches and the speed scale (which has middle cells too), and their knob.
inline constexpr auto kSwitchKnob = Named<ImageId::kCursors>(13);
inline constexpr auto kSwitchSlot = NamedBar<ImageId::kCursors>(14);

// The lists: the cursor bar's segment and the two scroll arrows of four segments each.
inline constexpr auto kListCursorBar = Named<ImageId::kCursors>(17);
inline constexpr auto kListUpArrow = NamedRun<ImageId::kCursors>(18, 4);
inline constexpr auto kListDownArrow = NamedRun<ImageId::kCursors>(22, 4);
inline constexpr int kListArrowSegments = kListUpArrow.count;
static_assert(kListDownArrow.count == kListArrowSegments);

// Nations 1..10: the mark, and its lit phase on a formation with orders left.
inline constexpr auto kNationMarks = NamedRun<ImageId::kCursors>(26, 10);
inline constexpr auto kLitNationMarks = NamedRun<ImageId::kCursors>(111, 10);
constexpr CursorSprite NationMark(int nation) {
  return kNationMarks[nation - 1];
}
constexpr CursorSprite LitNationMark(int nation) {
  return kLitNationMarks[nation - 1];
}

inline constexpr auto kGridMark = Named<ImageId::kCursors>(36);

// A settlement's flag of nations 1..10, two halves a nation, light and dark.
inline constexpr auto kSettlementFlagsLight = NamedRun<ImageId::kCursors>(37, 20);
inline constexpr auto kSettlementFlagsDark = NamedRun<ImageId::kCursors>(74, 20);
constexpr SpriteHalves<ImageId::kCursors> SettlementFlag(int nation, bool light) {
  const SpriteRun<ImageId::kCursors> run = light ? kSettlementFlagsLight : kSettlementFlagsDark;
  return {run[2 * (nation - 1)], run[2 * (nation - 1) + 1]};
}

// The bar under a hovered line.
inline constexpr auto kHoverBarLight = NamedBar<ImageId::kCursors>(60);
inline constexpr auto kHoverBarDark = NamedBar<ImageId::kCursors>(63);

// Anti-aircraft fire towards an air strike's target, one picture for each neighbour that fires:
// picture i comes from the neighbour kAntiAircraftNeighbours[i] (the EnemyAAFlags byte, row by
// row from the north-west; 4 is the target itself).
inline constexpr auto kAntiAircraftFireDark = NamedRun<ImageId::kCursors>(94, 8);
inline constexpr auto kAntiAircraftFireLight = NamedRun<ImageId::kCursors>(102, 8);
inline constexpr std::array<int, 8> kAntiAircraftNeighbours = {5, 3, 7, 1, 8, 6, 0, 2};
constexpr std::optional<CursorSprite> AntiAircraftFire(int neighbour, bool light) {
  for (std::int32_t i = 0; i < kAntiAircraftFireDark.count; ++i) {
    if (kAntiAircraftNeighbours[static_cast<std::size_t>(i)] != neighbour) continue;
    return light ? kAntiAircraftFireLight[i] : kAntiAircraftFireDark[i];
  }
  return std::nullopt;
}

// --- Table3: the 60 x 60 tiles the windows and pages are laid from ---

// The inner panel under the pages' texts, the window around them, and the lists' panel.
inline constexpr auto kInnerPanel = NamedFrame<ImageId::kTable3>(0);
inline constexpr auto kWindow = NamedFrame<ImageId::kTable3>(20);
inline constexpr auto kListPanel = NamedFrame<ImageId::kTable3>(60);

// Page buttons of two halves: OK (also Confirm, Yes, Apply, Start, Close, Exit), OK while it
// would do nothing, Cancel (also No, Close), a Help topic; and the Economy window's Close, a
// right half on the window's edge beside OK's left half.
inline constexpr auto kOkButton = NamedHalves<ImageId::kTable3>(12);
inline constexpr auto kDeadOkButton = NamedHalves<ImageId::kTable3>(10);
inline constexpr auto kCancelButton = NamedHalves<ImageId::kTable3>(14);
inline constexpr auto kTopicButton = NamedHalves<ImageId::kTable3>(16);
inline constexpr auto kEconomyCloseRight = Named<ImageId::kTable3>(40);

// A strip that holds a line of text or a picture on the window's bottom edge.
inline constexpr auto kTextStrip = NamedBar<ImageId::kTable3>(30);

// The Save/Load rows: the mode button by the row's mode byte (0 load, 1 save), the slot button,
// its cover on an empty slot, and the row's two spare cells.
inline constexpr auto kSaveModeButtons = NamedRun<ImageId::kTable3>(33, 2);
inline constexpr auto kSlotButton = Named<ImageId::kTable3>(39);
inline constexpr auto kEmptySlot = Named<ImageId::kTable3>(57);
inline constexpr auto kSaveRowSpare = Named<ImageId::kTable3>(35);
inline constexpr auto kSaveRowEnd = Named<ImageId::kTable3>(36);

// The Economy window's tabs 1..6, and the chosen one.
inline constexpr auto kEconomyTabs = NamedRun<ImageId::kTable3>(50, 6);
inline constexpr auto kChosenEconomyTabs = NamedRun<ImageId::kTable3>(90, 6);

// The Unit staff page's amount buttons (+1, +5, +10, +100, +1000) and automatic refit, and the
// same while they cannot be used.
inline constexpr auto kStepButtons = NamedRun<ImageId::kTable3>(73, 5);
inline constexpr auto kAutoRefitButton = Named<ImageId::kTable3>(78);
inline constexpr auto kDeadStepButtons = NamedRun<ImageId::kTable3>(83, 5);
inline constexpr auto kDeadAutoRefitButton = Named<ImageId::kTable3>(88);

// The title screen's picture, 10 x 5 tiles (tile 10 r + c), and its panel of the coalitions,
// 5 x 2 tiles: the top-left tile, then the other nine.
inline constexpr auto kTitlePicture = NamedRun<ImageId::kTable3>(100, 50);
inline constexpr auto kCoalitionPanelCorner = Named<ImageId::kTable3>(56);
inline constexpr auto kCoalitionPanelRest = NamedRun<ImageId::kTable3>(41, 9);
inline constexpr int kCoalitionPanelTiles = 10;
constexpr WindowTile CoalitionPanelTile(int tile) {
  return tile == 0 ? kCoalitionPanelCorner : kCoalitionPanelRest[tile - 1];
}

// The unit card's ground, 6 x 4 tiles (tile 6 r + c).
inline constexpr auto kUnitCard = NamedRun<ImageId::kTable3>(150, 24);

// --- Table4: the 60 x 60 marks over map cells ---

inline constexpr auto kMergeKeysGround = Named<ImageId::kTable4>(0);
// The selected formation's own cell, and the selected air regiment's.
inline constexpr auto kOwnCell = NamedBlink<ImageId::kTable4>(24, 1);
inline constexpr auto kOwnAirCell = NamedBlink<ImageId::kTable4>(9, 2);
// The army's reach: a move or drop, artillery fire, an assault; a cell out of reach is shaded.
inline constexpr auto kMoveTarget = Named<ImageId::kTable4>(23);
inline constexpr auto kArtilleryTarget = NamedBlink<ImageId::kTable4>(14, 21);
inline constexpr auto kAssaultTarget = NamedBlink<ImageId::kTable4>(15, 22);
inline constexpr auto kShade = Named<ImageId::kTable4>(20);
// The air regiment's reach: a strike, an enemy regiment, and the mark of the air grid's code 5.
inline constexpr auto kAirStrikeTarget = NamedBlink<ImageId::kTable4>(3, 6);
inline constexpr auto kEnemyAirTarget = NamedBlink<ImageId::kTable4>(4, 7);
inline constexpr auto kAirFifthMark = NamedBlink<ImageId::kTable4>(5, 8);
// The frame of the cell under the pointer, over a formation and over an empty cell.
inline constexpr auto kCellFrame = NamedBlink<ImageId::kTable4>(10, 16);
inline constexpr auto kEmptyCellFrame = NamedBlink<ImageId::kTable4>(11, 17);
// Fire and smoke of a combat, five phases.
inline constexpr auto kCombatFire = NamedRun<ImageId::kTable4>(25, 5);
// The flash over a one-tile button under the pointer.
inline constexpr auto kTileButtonFlash = NamedBlink<ImageId::kTable4>(30, 31);
// The title screen's label beside Start.
inline constexpr auto kNewGameLabel = NamedHalves<ImageId::kTable4>(12);

// --- Table5, Final: the Quit page's picture and the final screen's ---

inline constexpr auto kQuitPicture = NamedRun<ImageId::kTable5>(0, 50);  // 10 x 5 tiles
// Outcome 0 a Soviet victory, 1 a German victory, 2 the war still going on in May 1945: each
// 4 x 3 tiles (tile 4 r + c).
inline constexpr auto kFinalPictures = NamedRun<ImageId::kFinal>(0, 36);
inline constexpr int kFinalPictureTiles = 12;
constexpr Sprite<ImageId::kFinal> FinalPictureTile(int outcome, int tile) {
  return kFinalPictures[kFinalPictureTiles * outcome + tile];
}

// --- Units, Units2: formation type t's symbol, and dimmed once it has no orders left ---

inline constexpr auto kUnitSymbols = NamedRun<ImageId::kUnits>(0, kFormationTypeRows);
inline constexpr auto kSpentUnitSymbols = NamedRun<ImageId::kUnits2>(0, kFormationTypeRows);
constexpr Sprite<ImageId::kUnits> UnitSymbol(int type) {
  return kUnitSymbols[type - 1];
}
constexpr Sprite<ImageId::kUnits2> SpentUnitSymbol(int type) {
  return kSpentUnitSymbols[type - 1];
}

// --- Terrain01 .. Terrain27: terrain tiles 0..674 ---

constexpr bool IsTerrainImage(ImageId image) {
  return image >= ImageId::kTerrain01 && image <= ImageId::kTerrain27;
}
constexpr SpriteId TerrainTile(int tile) {
  return {ImageId(int(ImageId::kTerrain01) + tile / kTerrainTilesPerImage),
          tile % kTerrainTilesPerImage};
}
constexpr int TerrainTileOf(SpriteId s) {
  return (int(s.image) - int(ImageId::kTerrain01)) * kTerrainTilesPerImage + s.pattern;
}

// --- Font01 .. Font05: glyphs by character code ---

constexpr ImageId FontImage(int font) {
  return ImageId(int(ImageId::kFont01) + font - 1);
}

// --- tech01 .. tech08, special: equipment models 1..800 and the frame of a picture slot ---

constexpr bool IsTechImage(ImageId image) {
  return image >= ImageId::kTech01 && image <= ImageId::kTech08;
}
constexpr SpriteId EquipmentPicture(int model) {
  return {ImageId(int(ImageId::kTech01) + (model - 1) / kModelsPerTechImage),
          (model - 1) % kModelsPerTechImage};
}
constexpr int EquipmentModelOf(SpriteId s) {
  return (int(s.image) - int(ImageId::kTech01)) * kModelsPerTechImage + s.pattern + 1;
}
inline constexpr auto kPictureSlotFrame = Named<ImageId::kSpecial>(0);

}  // namespace sprite

}  // namespace gm
