// The text tables of the screens; the help pages are in help_pages.cpp.
#include "ui/ui_texts.hpp"

#include "ui/text_rows.hpp"

namespace gm {

namespace {

// Every row but the frame lines, which are built below.
constexpr std::array<std::string_view, kLabelFirstFrame> kLabelTexts = {{
    // 0: sidebar tooltips
    "Active turn",
    "Battlefields/Map1/Map2",
    "Army/Air Force",
    "New unit",
    "Unit staff",
    "Economy",
    "Options",
    "",
    "End turn",
    "Help",
    "Quit to system",
    // 11: unit staff fields
    "Ammo",
    "Humans",
    "Cars",
    "Horses",
    "Tanks (type1)",
    "Tanks (type2)",
    "Tanks (type3)",
    "Tanks (type4)",
    "Tanks (type5)",
    "Tanks (type6)",
    "Assault art. (type1)",
    "Assault art. (type2)",
    "Assault art. (type3)",
    "Armor cars (type1)",
    "Armor cars (type2)",
    "Armor cars (type3)",
    "Field cannons (type1)",
    "Field cannons (type2)",
    "Field cannons (type3)",
    "Field cannons (type4)",
    "Howitzers (type1)",
    "Howitzers (type2)",
    "Howitzers (type3)",
    "Mortars (type1)",
    "Mortars (type2)",
    "Mortars (type3)",
    "Mortars (type4)",
    "AT cannons (type1)",
    "AT cannons (type2)",
    "AT cannons (type3)",
    "AD cannons (type1)",
    "AD cannons (type2)",
    "AD cannons (type3)",
    // 44: the New unit card, with the unit staff page's two pools at 56 and 57
    "Staff of wartime",
    "Humans:",
    "Tanks:",
    "Assault artillery:",
    "Armor cars:",
    "Field cannon:",
    "Howitzers:",
    "Mortars:",
    "Anti-Tank cannons:",
    "Air defense cannons:",
    "Cars:",
    "Horses:",
    "Elite reserves",
    "Conscript",
    "Fighter:",
    "Tactic bombers:",
    "Bombers:",
    "Level bombers:",
    // 62: the production page's model card
    "Cost:",
    "Infantry attack:",
    "Armor attack:",
    "Ground defense:",
    "Air defense:",
    "Air transport:",
    "Air attack:",
    "Movement:",
    "No",
    "Yes",
    // 72: months
    "January ",
    "February ",
    "March ",
    "April ",
    "May ",
    "June ",
    "July ",
    "August ",
    "September ",
    "October ",
    "November ",
    "December ",
    // 84: the Save/Load tooltip, padded to its box
    "    Save/Load    ",
    // 85..96
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    // 97: the layer tooltip's note
    "Air units will",
    "in next vers.!",
}};

constexpr std::size_t FrameCharCount() {
  std::size_t n = 0;
  for (const int width : kTooltipBoxWidths) n += 2 * static_cast<std::size_t>(width);
  return n;
}

// The frame lines one after the other, a top and a bottom line for each width.
constexpr std::array<char, FrameCharCount()> kFrameChars = [] {
  std::array<char, FrameCharCount()> chars{};
  std::size_t at = 0;
  const auto line = [&](int width, char left, char right) {
    chars[at++] = left;
    for (int i = 2; i < width; ++i) chars[at++] = kFrameHorizontal;
    chars[at++] = right;
  };
  for (const int width : kTooltipBoxWidths) {
    line(width, kFrameTopLeft, kFrameTopRight);
    line(width, kFrameBottomLeft, kFrameBottomRight);
  }
  return chars;
}();

constexpr std::array<std::string_view, kUiLabelRows> BuildUiLabels() {
  std::array<std::string_view, kUiLabelRows> rows{};
  for (std::size_t r = 0; r < kLabelTexts.size(); ++r) rows[r] = kLabelTexts[r];
  std::size_t at = 0;
  for (const int width : kTooltipBoxWidths) {
    const auto n = static_cast<std::size_t>(width);
    rows[static_cast<std::size_t>(BoxTopRow(width))] = {kFrameChars.data() + at, n};
    rows[static_cast<std::size_t>(BoxBottomRow(width))] = {kFrameChars.data() + at + n, n};
    at += 2 * n;
  }
  return rows;
}

constexpr std::array<std::string_view, kUiLabelRows> kUiLabels = BuildUiLabels();
static_assert(AllGlyphRows(kLabelTexts, kTextRowAnyLength));

constexpr std::array<std::string_view, kHintTextRows> kHintTexts = {{
    // 0: the unit staff page's rule
    "Rule: for renewing unit must have a spare of actions",
    "in the current move = 2. Renewing zeroizes spare of",
    "actions in current turn.",
    // 3: the Battlefield with nothing selected
    "Left click for select its unit. Must be set mode ",
    "\"Army / Air Forces\"",
    "Pressed right click for info about unit",
    // 6: the placement map
    "Place new unit",
    "Only in own empty towns without contact with enemies",
    "Left click - placing unit. Right click - cancel...",
    // 9: the Options page
    "Game timer interval.....20        60",
    "Sectoring battlefields..NO    YES",
    "View FPS................NO    YES",
    "",
    "",
    "",
    "View local time.........NO    YES",
    "",
    "",
    // 18: the End turn page
    "AI complete Your turn...NO    YES",
    "Computer AI can complete Your turn. This means:",
    "Completion of game actions with Your units, but",
    "regulation of production stays for Your select.",
    // 22: Map1
    "Left click on map - for move on map",
    "Also use \"Army / Air Force\" mode pictogram",
    // 24: loading
    "Loading graphics (module 1). Please wait...",
    "Loading graphics (module 2). Please wait...",
    "Loading war_info (module 3). Please wait...",
    "Loading scenario (module 4). Please wait...",
}};
static_assert(AllGlyphRows(kHintTexts, kHintTextLength));

constexpr std::array<std::string_view, kAiStateNameRows> kAiStateNames = {{
    "Computer turn: avia units AI",
    "Computer turn: army units AI",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "Computer turn: END ...",
}};
static_assert(AllGlyphRows(kAiStateNames, kAiStateNameLength));

constexpr std::array<std::string_view, kFormingMessageRows> kFormingMessages = {{
    "",
    "Forming new unit is available",
    "Staff of unit was incorporated later",
    "Human reserves of current country is ended",
    "Quota of shaping new units is exhausted",
    "No free town for placing new unit",
}};
static_assert(AllGlyphRows(kFormingMessages, kTextRowAnyLength));

constexpr std::array<std::string_view, kStatLabelRows> kStatLabels = {{
    "",
    // 1: statistics
    "City on start",
    "City current",
    "Ecomonics",
    "Conscript",
    "Elite reserve",
    "Wounded",
    "Cars",
    "Cars-in repair",
    "Cars-per day",
    "Horses",
    "Airbases",
    // 12: losses
    "Dead",
    "Surrenders",
    "Tanks",
    "Assault art.",
    "Armor cars",
    "Field cannon",
    "Howitzers:",
    "Mortars:",
    "AT cannons",
    "AD cannons",
    "Cars",
    "Horses",
    "Fighters",
    "Tactic bombers",
    "Bombers",
    "Level bombers",
    // 28: statistics of the formations
    "Army units/MAX",
    "Air units/MAX",
    "Humans in army",
    "Cars in army",
    "Horses in army",
}};
static_assert(AllGlyphRows(kStatLabels, kStatLabelLength));

constexpr std::array<std::string_view, kEconomyTextRows> kEconomyTexts = {{
    "",
    "This page shows war, economic and reserves factors",
    "",
    "",
    "This page shows total amount of types of vehicle in",
    "battle units",
    "",
    "This page shows total amount of types of vehicle on",
    "storehouses (made and repaired)",
    "",
    "This page shows total amount of types of vehicle on",
    "repair enterprises",
    "",
    "This page shows total amount of types of vehicle,",
    "producing per day. Use: [X] Enemy or not designed",
    "[-] dec, [=] unchange, [+] inc production per day",
    "This page shows total amount of human and war losses",
    "Real economic",
    "Required economic",
    "Left click for regulation of production current type",
    "Country:  Hungary   Germany    Italia   Romania    USSR     Finland   Slovakia Mongolia",
}};
static_assert(AllGlyphRows(kEconomyTexts, kEconomyTextLength));

constexpr std::array<std::string_view, 9> kArmyCapTexts = {"",     "/50", "/500", "/150", "/70",
                                                           "/750", "/50", "/10",  "/10"};
constexpr std::array<std::string_view, 9> kAirCapTexts = {"",     "/5",  "/200", "/100", "/15",
                                                          "/250", "/10", "/0",   "/0"};
static_assert(AllGlyphRows(kArmyCapTexts, kCapTextLength));
static_assert(AllGlyphRows(kAirCapTexts, kCapTextLength));

constexpr std::array<std::string_view, 5> kSaveLoadTexts = {"Free slot", "Save mode", "Load mode",
                                                            "Realistic mode", "Fast mode"};
static_assert(AllGlyphRows(kSaveLoadTexts, kSaveLoadTextLength));

}  // namespace

const std::array<std::string_view, kUiLabelRows> UiLabels = kUiLabels;
const std::array<std::string_view, kHintTextRows> HintTexts = kHintTexts;
const std::array<std::string_view, kAiStateNameRows> AiStateNames = kAiStateNames;
const std::array<std::string_view, kFormingMessageRows> FormingMessages = kFormingMessages;
const std::array<std::string_view, kStatLabelRows> StatLabels = kStatLabels;
const std::array<std::string_view, kEconomyTextRows> EconomyTexts = kEconomyTexts;
const std::array<std::string_view, 9> ArmyCapTexts = kArmyCapTexts;
const std::array<std::string_view, 9> AirCapTexts = kAirCapTexts;
const std::array<std::string_view, 5> SaveLoadTexts = kSaveLoadTexts;

}  // namespace gm
