// HelpPages: the Help page's six pages, and its topic labels. Page 6's tactical notes, up to its
// link line, keep their wording and spelling on purpose, odd English included: they are no slips
// to correct. The other pages tell the rules in plain words.
#include "ui/ui_texts.hpp"

namespace gm {

namespace {

constexpr std::array<HelpPageText, kHelpPageCount> kHelpPageTable = {{
    // Page 1: about the game; line 3 is the link to the guide's About section.
    {{
        "   Gravmark: the Eastern Front 1941-45",
        "",
        "           About Gravmark",
        "",
        "A turn-based operational game of the",
        "Second World War in the East, from",
        "22 June 1941 to 9 May 1945.",
        "Two coalitions fight it out:",
        " Soviet: the USSR and Mongolia;",
        " German: Germany, Hungary, Italy,",
        "         Romania, Finland, Slovakia.",
        "Each is played by a human or by the",
        "computer.",
        "",
        "A coalition loses the war when it",
        "holds less than a tenth of the",
        "settlements its nations owned at the",
        "start; only settlements of some value",
        "count, not airfields. If neither side",
        "falls, the war ends on 9 May 1945",
        "without a victor.",
    }},
    // Page 2: designers notes.
    {{
        "            Designers notes           ",
        "--------------------------------------",
        "Gravmark plays the whole Eastern Front",
        "at the scale of divisions. A ground",
        "unit is a division or a brigade, an",
        "air unit a regiment; a turn is one day",
        "of war, or four in the fast mode.",
        "",
        "The map reaches from the Rhine to the",
        "Volga and from Murmansk to the",
        "Caucasus. Its settlements are the",
        "wealth of the nations: their value",
        "pays for production, so every town",
        "lost weakens the loser's economy.",
        "",
        "Units wear down in every fight. Keep",
        "them alive: refit them from the",
        "national reserves, which factories,",
        "repair shops and the call-up refill",
        "day by day. Each turn a side ends, its",
        "units gain experience and morale.",
    }},
    // Page 3: combat.
    {{
        "             Combat notes             ", "--------------------------------------",
        "A unit has two orders a turn. A move,",  "an assault, artillery fire, an air",
        "strike or a merge uses one; a refit",    "needs both.",
        "Assault: four rounds of fire against a", "neighbour. A defender that loses far",
        "more men than the attacker may fall",    "back, and out of ammunition it always",
        "does. Boxed in with low morale, it",     "surrenders. The attacker stays put.",
        "Artillery: howitzers and mortars hit a", "unit two cells away; it cannot answer.",
        "Air strike: anti-aircraft guns of the",  "target and its neighbours fire on the",
        "bombers; enemy fighters nearby fly up",  "to the target.",
        "Terrain strengthens the defence and",    "favours some troops over others. Each",
        "fight costs ammunition: refill it.",
    }},
    // Page 4: economy.
    {{
        "             Economy notes            ",
        "--------------------------------------",
        "When both sides have moved, a day",
        "(four in the fast mode) passes and:",
        "- factories add their daily output of",
        "  ground equipment to the reserves;",
        "- repair shops return damaged cars and",
        "  equipment, more for a richer nation;",
        "- conscripts join the pool and wounded",
        "  men come back as veterans.",
        "Settlements grow in value while their",
        "owner holds them; a captured one grows",
        "only to 20. Production may not cost",
        "more than the value a nation holds:",
        "beyond that the largest output is cut.",
        "On the production page raise [+],",
        "hold [=] or lower [-] a model's daily",
        "output, one step a day. New models",
        "come on the first day of the month",
        "they were introduced.",
        "",
    }},
    // Page 5: strategic notes.
    {{
        "            Strategic notes           ",
        "--------------------------------------",
        "The war is won by taking settlements,",
        "not by destroying units: strike where",
        "the enemy's value lies.",
        "",
        "Do not let your units be boxed in. A",
        "unit that cannot fall back and has low",
        "morale surrenders whole.",
        "",
        "Guard your economy. Every town you",
        "lose lowers what your nations may",
        "produce; raise the models you need and",
        "lower the ones you do not.",
        "",
        "A fresh unit with two orders can move",
        "and attack; a worn one should refit in",
        "a town of its side, out of contact.",
        "",
        "Raise new units before the old ones",
        "are gone: reserves take time to grow.",
    }},
    // Page 6: tactical notes; line 18 opens the guide, line 20 its About section.
    {{
        "            Tactical notes            ",
        "--------------------------------------",
        "1.Well-timed replacement and renewing ",
        "  your units.                         ",
        "2.Concentration of power on directions",
        "  of main nocks and hard defence on   ",
        "  secondary! Create a supremacy in    ",
        "  power and vehicles when approach!   ",
        "  Massed use tank and motorized units.",
        "3.Skilful interaction of different    ",
        "  types of troopses. Particularly pay ",
        "  attention to interaction infantry & ",
        "  artillery units.                    ",
        "4.Use characteristics of terrain      ",
        "5.New vehicles with high combat       ",
        "  characteristics massed use.         ",
        "",
        "   View full off-line documentation   ",
        "   Who made the game, and its data:   ",
        "           About Gravmark",
        "",
    }},
}};

}  // namespace

const std::array<HelpPageText, kHelpPageCount> HelpPages = kHelpPageTable;

const std::array<HelpTopicLabel, kHelpPageCount> HelpTopicLabels = {{
    {"  ABOUT  ", " AUTHORS "},
    {"DESIGNERS", "  NOTES  "},
    {" COMBAT  ", "  NOTES  "},
    {" ECONOMY ", "  NOTES  "},
    {"STRATEGIC", "  NOTES  "},
    {" TACTICS ", "FULL INFO"},
}};

}  // namespace gm
