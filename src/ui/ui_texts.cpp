// The text tables of the screens; the help pages are in help_texts.cpp.
#include "ui/ui_texts.hpp"

#include "world/ai_state.hpp"
#include "world/text_rows.hpp"

namespace gm {

namespace {

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

constexpr std::array<TooltipFrame, kTooltipBoxWidths.size()> TooltipFrames() {
  std::array<TooltipFrame, kTooltipBoxWidths.size()> frames{};
  std::size_t at = 0;
  for (std::size_t i = 0; i < kTooltipBoxWidths.size(); ++i) {
    const auto n = static_cast<std::size_t>(kTooltipBoxWidths[i]);
    frames[i] = {{kFrameChars.data() + at, n}, {kFrameChars.data() + at + n, n}};
    at += 2 * n;
  }
  return frames;
}

}  // namespace

const UiLabelTable UiLabels = {
    .tooltips =
        {
            .activeTurn = "Active turn",
            .zoom = "Battlefields/Map1/Map2",
            .layer = "Army/Air Force",
            .layerNote1 = "Air units will",
            .layerNote2 = "in next vers.!",
            .newUnit = "New unit",
            .unitStaff = "Unit staff",
            .economy = "Economy",
            .options = "Options",
            .saveLoad = "    Save/Load    ",
            .endTurn = "End turn",
            .help = "Help",
            .quit = "Quit to system",
        },
    .staffFields =
        {
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
        },
    .eliteReserves = "Elite reserves",
    .conscript = "Conscript",
    .staffOfWartime = "Staff of wartime",
    .armyCard =
        {
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
        },
    .airCard = {"Fighter:", "Tactic bombers:", "Bombers:", "Level bombers:"},
    .modelCard =
        {
            .cost = "Cost:",
            .infantryAttack = "Infantry attack:",
            .armorAttack = "Armor attack:",
            .groundDefense = "Ground defense:",
            .airDefense = "Air defense:",
            .airTransport = "Air transport:",
            .airAttack = "Air attack:",
            .movement = "Movement:",
            .no = "No",
            .yes = "Yes",
        },
    .months =
        {
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
        },
    .tooltipFrames = TooltipFrames(),
};

const TooltipFrame* TooltipFrameOf(int width) {
  for (std::size_t i = 0; i < kTooltipBoxWidths.size(); ++i) {
    if (kTooltipBoxWidths[i] == width) return &UiLabels.tooltipFrames[i];
  }
  return nullptr;
}

const HintTextTable HintTexts = {
    .refitRule =
        {
            "Rule: for renewing unit must have a spare of actions",
            "in the current move = 2. Renewing zeroizes spare of",
            "actions in current turn.",
        },
    .selectUnit =
        {
            "Left click for select its unit. Must be set mode ",
            "\"Army / Air Forces\"",
            "Pressed right click for info about unit",
        },
    .placeUnit =
        {
            "Place new unit",
            "Only in own empty towns without contact with enemies",
            "Left click - placing unit. Right click - cancel...",
        },
    .timerInterval = "Game timer interval.....20        60",
    .gridSwitch = "Sectoring battlefields..NO    YES",
    .fpsSwitch = "View FPS................NO    YES",
    .clockSwitch = "View local time.........NO    YES",
    .aiCompletesSwitch = "AI complete Your turn...NO    YES",
    .aiCompletesNote =
        {
            "Computer AI can complete Your turn. This means:",
            "Completion of game actions with Your units, but",
            "regulation of production stays for Your select.",
        },
    .map1 =
        {
            "Left click on map - for move on map",
            "Also use \"Army / Air Force\" mode pictogram",
        },
    .loadingGraphics = "Loading graphics (module 1). Please wait...",
    .loadingTechnics = "Loading graphics (module 2). Please wait...",
    .loadingWarInfo = "Loading war_info (module 3). Please wait...",
    .loadingScenario = "Loading scenario (module 4). Please wait...",
};

const AiStateNameTable AiStateNames = {
    .aviaUnits = "Computer turn: avia units AI",
    .armyUnits = "Computer turn: army units AI",
    .end = "Computer turn: END ...",
};

std::string_view AiStateName(std::uint8_t state) {
  switch (state) {
    case kAiStart:
      return AiStateNames.aviaUnits;
    case kAiFormations:
      return AiStateNames.armyUnits;
    case kAiTurnDone:
      return AiStateNames.end;
    default:
      return {};
  }
}

const FormingMessageTable FormingMessages = {
    .available = "Forming new unit is available",
    .tooEarly = "Staff of unit was incorporated later",
    .noMen = "Human reserves of current country is ended",
    .quotaReached = "Quota of shaping new units is exhausted",
    .noFreeTown = "No free town for placing new unit",
};

std::string_view FormingMessage(int status) {
  switch (status) {
    case kRaiseAvailable:
      return FormingMessages.available;
    case kRaiseTooEarly:
      return FormingMessages.tooEarly;
    case kRaiseNoMen:
      return FormingMessages.noMen;
    case kRaiseQuotaReached:
      return FormingMessages.quotaReached;
    case kRaiseNoFreeTown:
      return FormingMessages.noFreeTown;
    default:
      return {};
  }
}

const StatLabelTable StatLabels = {
    .statistics =
        {
            .cityOnStart = "City on start",
            .cityCurrent = "City current",
            .economics = "Ecomonics",
            .conscript = "Conscript",
            .eliteReserve = "Elite reserve",
            .wounded = "Wounded",
            .cars = "Cars",
            .carsInRepair = "Cars-in repair",
            .carsPerDay = "Cars-per day",
            .horses = "Horses",
            .airbases = "Airbases",
            .armyUnits = "Army units/MAX",
            .airUnits = "Air units/MAX",
            .menInArmy = "Humans in army",
            .carsInArmy = "Cars in army",
            .horsesInArmy = "Horses in army",
        },
    .losses =
        {
            .dead = "Dead",
            .surrenders = "Surrenders",
            .tanks = "Tanks",
            .assaultArtillery = "Assault art.",
            .armorCars = "Armor cars",
            .fieldCannon = "Field cannon",
            .howitzers = "Howitzers:",
            .mortars = "Mortars:",
            .atCannons = "AT cannons",
            .adCannons = "AD cannons",
            .cars = "Cars",
            .horses = "Horses",
            .fighters = "Fighters",
            .tacticBombers = "Tactic bombers",
            .bombers = "Bombers",
            .levelBombers = "Level bombers",
        },
};

const EconomyTextTable EconomyTexts = {
    .statisticsNote = {"This page shows war, economic and reserves factors"},
    .inUnitsNote = {"This page shows total amount of types of vehicle in", "battle units"},
    .inStoreNote = {"This page shows total amount of types of vehicle on",
                    "storehouses (made and repaired)"},
    .inRepairNote = {"This page shows total amount of types of vehicle on", "repair enterprises"},
    .productionNote = {"This page shows total amount of types of vehicle,",
                       "producing per day. Use: [X] Enemy or not designed"},
    .orderMarksKey = "[-] dec, [=] unchange, [+] inc production per day",
    .lossesNote = {"This page shows total amount of human and war losses"},
    .realEconomic = "Real economic",
    .requiredEconomic = "Required economic",
    .productionHint = "Left click for regulation of production current type",
    .header =
        "Country:  Hungary   Germany    Italia   Romania    USSR     Finland   Slovakia Mongolia",
    .armyCaps = {"/50", "/500", "/150", "/70", "/750", "/50", "/10", "/10"},
    .airCaps = {"/5", "/200", "/100", "/15", "/250", "/10", "/0", "/0"},
};

namespace {

constexpr std::array<std::string_view, 5> kSaveLoadTexts = {"Free slot", "Save mode", "Load mode",
                                                            "Realistic mode", "Fast mode"};
static_assert(AllGlyphRows(kSaveLoadTexts, kSaveLoadTextLength));

}  // namespace

const std::array<std::string_view, 5> SaveLoadTexts = kSaveLoadTexts;

}  // namespace gm
