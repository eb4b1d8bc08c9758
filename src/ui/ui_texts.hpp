// The game's text tables: every label, hint, message and help line the screens draw, one table
// or struct for each purpose, each row named or placed by what it stands for (a field, a month,
// a nation). Every row is checked as its table compiles (world/text_rows.hpp), and a table that
// lacks a row does not compile. The unit staff page's status lines are RenewMessages
// (refit/renew_messages.hpp), beside the logic that picks them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "world/list_state.hpp"
#include "world/refit_state.hpp"
#include "world/text_rows.hpp"

namespace gm {

// --- UiLabels: tooltips, the unit staff fields, the New unit and production cards, month names ---

using LabelRow = TextRow<>;

// The sidebar's tooltips by button from the top; Save/Load's is padded to its box.
struct SidebarTooltipLabels {
  LabelRow activeTurn;
  LabelRow zoom;
  LabelRow layer;
  LabelRow layerNote1;  // the layer tooltip's second and third lines
  LabelRow layerNote2;
  LabelRow newUnit;
  LabelRow unitStaff;
  LabelRow economy;
  LabelRow options;
  LabelRow saveLoad;
  LabelRow endTurn;
  LabelRow help;
  LabelRow quit;
};

// The production page's model card.
struct ModelCardLabels {
  LabelRow cost;
  LabelRow infantryAttack;
  LabelRow armorAttack;
  LabelRow groundDefense;
  LabelRow airDefense;
  LabelRow airTransport;
  LabelRow airAttack;
  LabelRow movement;
  LabelRow no;
  LabelRow yes;
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

// A tooltip box's top and bottom lines, as wide as the box.
struct TooltipFrame {
  std::string_view top;
  std::string_view bottom;
};

struct UiLabelTable {
  SidebarTooltipLabels tooltips;
  std::array<LabelRow, kRefitFieldCount> staffFields;  // field f at f - 1
  // The unit staff page's two pools of men.
  LabelRow eliteReserves;
  LabelRow conscript;
  // The New unit page's card: the first month, then the type's counts.
  LabelRow staffOfWartime;
  std::array<LabelRow, kArmyCardLines> armyCard;
  std::array<LabelRow, kAirCardLines> airCard;
  ModelCardLabels modelCard;
  std::array<LabelRow, 12> months;  // each name with its trailing blank, January first
  std::array<TooltipFrame, kTooltipBoxWidths.size()> tooltipFrames;  // by kTooltipBoxWidths
};
extern const UiLabelTable UiLabels;

// The label of unit staff field f (1..kRefitFieldCount).
inline std::string_view StaffFieldLabel(int field) {
  return UiLabels.staffFields[static_cast<std::size_t>(field - 1)];
}
// The name of month m (1..12).
inline std::string_view MonthName(int month) {
  return UiLabels.months[static_cast<std::size_t>(month - 1)];
}
// The frame lines of a box `width` glyphs wide; null for a width no box has.
const TooltipFrame* TooltipFrameOf(int width);

// --- HintTexts: rule and hint lines of the panels and pages, and the loading lines ---

inline constexpr std::size_t kHintTextLength = 52;
using HintRow = TextRow<kHintTextLength>;

struct HintTextTable {
  std::array<HintRow, 3> refitRule;   // the Unit staff page
  std::array<HintRow, 3> selectUnit;  // the Battlefield with nothing selected
  std::array<HintRow, 3> placeUnit;   // the placement map
  // The Options page's lines.
  HintRow timerInterval;
  HintRow gridSwitch;
  HintRow fpsSwitch;
  HintRow clockSwitch;
  // The End turn page's switch and what it means.
  HintRow aiCompletesSwitch;
  std::array<HintRow, 3> aiCompletesNote;
  std::array<HintRow, 2> map1;  // the Map1 view
  // The lines shown while the archives and the scenario load.
  HintRow loadingGraphics;
  HintRow loadingTechnics;
  HintRow loadingWarInfo;
  HintRow loadingScenario;
};
extern const HintTextTable HintTexts;

// --- AiStateNames: the computer turn's status line ---

inline constexpr std::size_t kAiStateNameLength = 30;
using AiStateNameRow = TextRow<kAiStateNameLength>;

struct AiStateNameTable {
  AiStateNameRow aviaUnits;  // kAiStart
  AiStateNameRow armyUnits;  // kAiFormations
  AiStateNameRow end;        // kAiTurnDone
};
extern const AiStateNameTable AiStateNames;

// The line of AiState `state`; empty for a state that has none.
std::string_view AiStateName(std::uint8_t state);

// --- FormingMessages: why a formation type can or cannot be raised ---

struct FormingMessageTable {
  LabelRow available;     // kRaiseAvailable
  LabelRow tooEarly;      // kRaiseTooEarly
  LabelRow noMen;         // kRaiseNoMen
  LabelRow quotaReached;  // kRaiseQuotaReached
  LabelRow noFreeTown;    // kRaiseNoFreeTown
};
extern const FormingMessageTable FormingMessages;

// The message of RaiseStatus `status`; empty for a status that has none (an empty row's 0).
std::string_view FormingMessage(int status);

// --- StatLabels: the Economy window's statistics and losses labels ---

inline constexpr std::size_t kStatLabelLength = 14;
using StatLabelRow = TextRow<kStatLabelLength>;

// The statistics page's rows from the top.
struct StatisticsLabels {
  StatLabelRow cityOnStart;
  StatLabelRow cityCurrent;
  StatLabelRow economics;
  StatLabelRow conscript;
  StatLabelRow eliteReserve;
  StatLabelRow wounded;
  StatLabelRow cars;
  StatLabelRow carsInRepair;
  StatLabelRow carsPerDay;
  StatLabelRow horses;
  StatLabelRow airbases;
  StatLabelRow armyUnits;
  StatLabelRow airUnits;
  StatLabelRow menInArmy;
  StatLabelRow carsInArmy;
  StatLabelRow horsesInArmy;
};

// The losses page's rows from the top: men, the eight equipment categories, cars, horses and
// the four aircraft classes.
struct LossLabels {
  StatLabelRow dead;
  StatLabelRow surrenders;
  StatLabelRow tanks;
  StatLabelRow assaultArtillery;
  StatLabelRow armorCars;
  StatLabelRow fieldCannon;
  StatLabelRow howitzers;
  StatLabelRow mortars;
  StatLabelRow atCannons;
  StatLabelRow adCannons;
  StatLabelRow cars;
  StatLabelRow horses;
  StatLabelRow fighters;
  StatLabelRow tacticBombers;
  StatLabelRow bombers;
  StatLabelRow levelBombers;
};

struct StatLabelTable {
  StatisticsLabels statistics;
  LossLabels losses;
};
extern const StatLabelTable StatLabels;

// --- EconomyTexts: the Economy window's description lines, header and formation maxima ---

inline constexpr std::size_t kEconomyTextLength = 87;
using EconomyRow = TextRow<kEconomyTextLength>;
inline constexpr std::size_t kCapTextLength = 4;
using CapRow = TextRow<kCapTextLength>;

struct EconomyTextTable {
  // Each page's description in the bottom panel.
  std::array<EconomyRow, 1> statisticsNote;
  std::array<EconomyRow, 2> inUnitsNote;
  std::array<EconomyRow, 2> inStoreNote;
  std::array<EconomyRow, 2> inRepairNote;
  std::array<EconomyRow, 2> productionNote;
  EconomyRow orderMarksKey;  // the production page's third line
  std::array<EconomyRow, 1> lossesNote;
  // The production page's balance and hint.
  EconomyRow realEconomic;
  EconomyRow requiredEconomic;
  EconomyRow productionHint;
  EconomyRow header;  // the nations over their columns
  // The maxima written after a nation's formation counts, nation n at n - 1.
  std::array<CapRow, 8> armyCaps;
  std::array<CapRow, 8> airCaps;
};
extern const EconomyTextTable EconomyTexts;

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

// --- HelpPages: the Help page's six pages of 21 lines ---

inline constexpr int kHelpPageCount = 6;
inline constexpr int kHelpLineCount = 21;
inline constexpr std::size_t kHelpLineLength = 38;
using HelpRow = TextRow<kHelpLineLength>;

using HelpPageText = std::array<HelpRow, kHelpLineCount>;         // line l at l - 1
extern const std::array<HelpPageText, kHelpPageCount> HelpPages;  // page p at p - 1

// Line `line` (1..21) of page `page` (1..6).
inline std::string_view HelpPageLine(int page, int line) {
  return HelpPages[static_cast<std::size_t>(page - 1)][static_cast<std::size_t>(line - 1)];
}

// The two label lines of the Help page's topic buttons, topic t at t - 1.
struct HelpTopicLabel {
  LabelRow first;
  LabelRow second;
};
extern const std::array<HelpTopicLabel, kHelpPageCount> HelpTopicLabels;

// Lines that carry a link: the shell opens the guide or its About section from them.
inline constexpr int kAboutLinkLine = 3;    // page 1
inline constexpr int kGuideLinkLine = 18;   // page 6
inline constexpr int kAboutLinkLine6 = 20;  // page 6

}  // namespace gm
