// The game's text tables: every label, hint, message and help line the screens draw, each table a
// constant array indexed by the row numbers below. Rows without a text are empty. The unit staff
// page's status lines are RenewMessages (refit/renew_messages.hpp), beside the logic that picks
// them.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace gm {

// --- UiLabels: tooltips, the unit staff fields, the New unit and production cards, month names ---

enum UiLabelRow : int {
  // Tooltips of the sidebar buttons from the top; Save/Load has its own padded row.
  kLabelActiveTurn = 0,
  kLabelZoom = 1,
  kLabelLayer = 2,
  kLabelNewUnit = 3,
  kLabelUnitStaff = 4,
  kLabelEconomy = 5,
  kLabelOptions = 6,
  kLabelEndTurn = 8,
  kLabelHelp = 9,
  kLabelQuit = 10,
  // Unit staff field f (1..33) at kLabelFieldBase + f.
  kLabelFieldBase = 10,
  kLabelAmmo = 11,
  kLabelCars = 13,
  kLabelHorses = 14,
  // The New unit page's card: the first month, then 11 army and 4 air counts.
  kLabelStaffOfWartime = 44,
  kLabelArmyCardFirst = 45,
  kLabelEliteReserves = 56,
  kLabelConscript = 57,
  kLabelAirCardFirst = 58,
  // The production page's model card.
  kLabelCost = 62,
  kLabelInfantryAttack = 63,
  kLabelArmorAttack = 64,
  kLabelGroundDefense = 65,
  kLabelAirDefense = 66,
  kLabelAirTransport = 67,
  kLabelAirAttack = 68,
  kLabelMovement = 69,
  kLabelNo = 70,
  kLabelYes = 71,
  // Month m (1..12) at kLabelMonthBase + m, each name with its trailing blank.
  kLabelMonthBase = 71,
  kLabelSaveLoad = 84,
  // The layer tooltip's second and third lines.
  kLabelLayerNote1 = 97,
  kLabelLayerNote2 = 98,
  // The tooltip boxes' frame lines: a top and a bottom line for each box width.
  kLabelFirstFrame = 99,
};

inline constexpr int kArmyCardLines = 11;
inline constexpr int kAirCardLines = 4;

// Glyphs of the fonts that draw the tooltip frames.
inline constexpr char kFrameVertical = '\x83';
inline constexpr char kFrameTopLeft = '\xAB';
inline constexpr char kFrameTopRight = '\x8F';
inline constexpr char kFrameBottomLeft = '\x90';
inline constexpr char kFrameBottomRight = '\xAA';
inline constexpr char kFrameHorizontal = '\x94';

// The widths (in glyphs, frame included) of the tooltip boxes.
inline constexpr std::array<int, 8> kTooltipBoxWidths = {6, 9, 10, 12, 13, 16, 19, 24};

// The frame rows of a box `width` glyphs wide; -1 for a width no box has.
constexpr int BoxTopRow(int width) {
  for (std::size_t i = 0; i < kTooltipBoxWidths.size(); ++i) {
    if (kTooltipBoxWidths[i] == width) return kLabelFirstFrame + 2 * static_cast<int>(i);
  }
  return -1;
}
constexpr int BoxBottomRow(int width) {
  const int top = BoxTopRow(width);
  return top < 0 ? -1 : top + 1;
}

inline constexpr int kUiLabelRows =
    kLabelFirstFrame + 2 * static_cast<int>(kTooltipBoxWidths.size());
extern const std::array<std::string_view, kUiLabelRows> UiLabels;

// --- HintTexts: rule and hint lines of the panels and pages, and the loading lines ---

enum HintTextRow : int {
  kHintRefitRule = 0,   // three lines
  kHintSelectUnit = 3,  // three lines
  kHintPlaceUnit = 6,   // three lines
  kHintTimerInterval = 9,
  kHintGridSwitch = 10,
  kHintFpsSwitch = 11,
  kHintClockSwitch = 15,
  kHintAiCompletesSwitch = 18,
  kHintAiCompletesNote = 19,  // three lines
  kHintMap1 = 22,             // two lines
  kHintLoadingGraphics = 24,
  kHintLoadingTechnics = 25,
  kHintLoadingWarInfo = 26,
  kHintLoadingScenario = 27,
};

inline constexpr std::size_t kHintTextLength = 52;
inline constexpr int kHintTextRows = 28;
extern const std::array<std::string_view, kHintTextRows> HintTexts;

// --- AiStateNames: the computer turn's state by AiState ---

inline constexpr std::size_t kAiStateNameLength = 30;
inline constexpr int kAiStateNameRows = 11;
extern const std::array<std::string_view, kAiStateNameRows> AiStateNames;

// --- FormingMessages: why a formation type can or cannot be raised, by its status 1..5 ---

inline constexpr int kFormingMessageRows = 6;
extern const std::array<std::string_view, kFormingMessageRows> FormingMessages;

// --- StatLabels: the Economy window's statistics and losses labels, rows from 1 ---

enum StatLabelRow : int {
  kStatCityOnStart = 1,
  kStatCityCurrent = 2,
  kStatEconomics = 3,
  kStatConscript = 4,
  kStatEliteReserve = 5,
  kStatWounded = 6,
  kStatCars = 7,
  kStatCarsInRepair = 8,
  kStatCarsPerDay = 9,
  kStatHorses = 10,
  kStatAirbases = 11,
  kStatDead = 12,
  kStatSurrenders = 13,
  // Losses of equipment category c (1..8) at kStatEquipmentLossBase + c.
  kStatEquipmentLossBase = 13,
  kStatCarLosses = 22,
  kStatHorseLosses = 23,
  // Losses of aircraft class k (0..3: fighters, tactical bombers, bombers, level bombers).
  kStatFirstAircraftLoss = 24,
  kStatArmyUnits = 28,
  kStatAirUnits = 29,
  kStatMenInArmy = 30,
  kStatCarsInArmy = 31,
  kStatHorsesInArmy = 32,
};

constexpr StatLabelRow EquipmentLossRow(int category) {
  return static_cast<StatLabelRow>(kStatEquipmentLossBase + category);
}
constexpr StatLabelRow AircraftLossRow(int aircraftClass) {
  return static_cast<StatLabelRow>(kStatFirstAircraftLoss + aircraftClass);
}

inline constexpr std::size_t kStatLabelLength = 14;
inline constexpr int kStatLabelRows = 33;
extern const std::array<std::string_view, kStatLabelRows> StatLabels;

// --- EconomyTexts: the Economy window's description lines and header, rows from 1 ---

enum EconomyTextRow : int {
  kEconomyStatisticsNote = 1,  // three lines each, pages 1..4
  kEconomyInUnitsNote = 4,
  kEconomyInStoreNote = 7,
  kEconomyInRepairNote = 10,
  kEconomyProductionNote = 13,
  kEconomyLossesNote = 16,
  kEconomyRealEconomic = 17,
  kEconomyRequiredEconomic = 18,
  kEconomyProductionHint = 19,
  kEconomyHeader = 20,
};

inline constexpr std::size_t kEconomyTextLength = 87;
inline constexpr int kEconomyTextRows = 21;
extern const std::array<std::string_view, kEconomyTextRows> EconomyTexts;

// The maxima written after a nation's formation counts, by nation 1..8.
inline constexpr std::size_t kCapTextLength = 4;
extern const std::array<std::string_view, 9> ArmyCapTexts;
extern const std::array<std::string_view, 9> AirCapTexts;

// --- SaveLoadTexts: the Save/Load page's slot and mode words, rows from 0 ---

enum SaveLoadTextRow : int {
  kSaveLoadFreeSlot = 0,
  kSaveLoadSaveMode = 1,
  kSaveLoadLoadMode = 2,
  kSaveLoadRealistic = 3,  // turn length 0; kSaveLoadFast for 1
  kSaveLoadFast = 4,
};

inline constexpr std::size_t kSaveLoadTextLength = 14;
extern const std::array<std::string_view, 5> SaveLoadTexts;

// --- HelpPages: the Help page's six pages of 21 lines, HelpPages[page][line] from 1 ---

inline constexpr int kHelpPageCount = 6;
inline constexpr int kHelpLineCount = 21;
inline constexpr std::size_t kHelpLineLength = 38;

using HelpPageText = std::array<std::string_view, kHelpLineCount + 1>;
extern const std::array<HelpPageText, kHelpPageCount + 1> HelpPages;

// The two label lines of the Help page's topic buttons, by topic 1..6.
struct HelpTopicLabel {
  std::string_view first;
  std::string_view second;
};
extern const std::array<HelpTopicLabel, kHelpPageCount + 1> HelpTopicLabels;

// Lines that carry a link: the shell opens the guide or its About section from them.
inline constexpr int kAboutLinkLine = 3;    // page 1
inline constexpr int kGuideLinkLine = 18;   // page 6
inline constexpr int kAboutLinkLine6 = 20;  // page 6

}  // namespace gm
