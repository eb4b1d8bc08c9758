// The formation types: templates of every division, brigade and air regiment that can be raised.
// Rows 1..200; a row's number is the formation's `FormationType`.
#include "world/tables/placeholder_numbers.hpp"
#include "world/tables/table_rows.hpp"
#include "world/tables/tables.hpp"

namespace gm {
namespace {

using namespace table_rows;

// Kinds: 4 armour and motorised, 5 infantry, 6 airborne (with border guard, guerrilla and jaeger),
// 7 cavalry, 8 mountain, 9 artillery, anti-tank and mortar, 10 air defence; 21 fighter,
// 22 tactical and assault bomber, 23 bomber, 24 level bomber.
// clang-format off
constexpr ArmyTypeRow kArmyTypes[] = {
//  row  name                                nat kind   men  tank  spg acar fld how  at  aa mort cars horse  mon year
    {  1, "Tank division 41",                  5,  4, {10942, 375,   0,  95,   4,  24,   0,  12,  45, 1444,     0,  3, 1941}},
    {  2, "Tank division 42",                  5,  4, kPlaceholderArmyType},
    {  3, "Tank brigade 41",                   5,  4, kPlaceholderArmyType},
    {  4, "Tank brigade 42",                   5,  4, kPlaceholderArmyType},
    {  5, "Tank brigade 43",                   5,  4, kPlaceholderArmyType},
    {  6, "Tank brigade 44",                   5,  4, kPlaceholderArmyType},
    {  7, "Rifle division 41 early",           5,  5, {14483,  16,   0,  13,  34,  44,  54,  12, 150,  673,  3039,  4, 1941}},
    {  8, "Rifle division 41 later",           5,  5, kPlaceholderArmyType},
    {  9, "Rifle division 44",                 5,  5, kPlaceholderArmyType},
    { 10, "NKVD Rifle division 41",            5,  5, kPlaceholderArmyType},
    { 11, "Mountain-rifle division 41",        5,  8, kPlaceholderArmyType},
    { 12, "Motorized division 40",             5,  4, kPlaceholderArmyType},
    { 13, "Motorized-rifle division 41",       5,  4, kPlaceholderArmyType},
    { 14, "NKVD Motorized-rifle division 41",  5,  4, kPlaceholderArmyType},
    { 15, "Cavalry division 40",               5,  7, { 9240,  64,   0,  18,  24,   8,  16,  20,  64,    0,  7625, 11, 1940}},
    { 16, "Mountain-cavalry division 41",      5,  8, kPlaceholderArmyType},
    { 17, "Light cavalry division 41",         5,  7, kPlaceholderArmyType},
    { 18, "Airborne division 42",              5,  6, {10000,   0,   0,   0,  36,  12,  48,   0, 168,  200,  1500, 12, 1942}},
    { 19, "Division public militia 41",        5,  4, kPlaceholderArmyType},
    { 20, "Rifle brigade 40",                  5,  5, kPlaceholderArmyType},
    { 21, "NKVD Rifle brigade 40",             5,  5, kPlaceholderArmyType},
    { 22, "Mountain-rifle brigade 41",         5,  8, kPlaceholderArmyType},
    { 23, "Motorized-rifle brigade 41",        5,  4, kPlaceholderArmyType},
    { 24, "Mechanized brigade 42",             5,  4, kPlaceholderArmyType},
    { 25, "Airborne brigade 41",               5,  6, kPlaceholderArmyType},
    { 26, "Marine brigade 41",                 5,  5, kPlaceholderArmyType},
    { 27, "Sea-rifle brigade 42",              5,  5, kPlaceholderArmyType},
    { 28, "Motorized division 43",             5,  4, kPlaceholderArmyType},
    { 29, "NKVD Motorized-rifle brigade 41",   5,  4, kPlaceholderArmyType},
    { 30, "NKVD Border Guard brigade 41",      5,  6, kPlaceholderArmyType},
    { 31, "Guerrilla brigade 41",              5,  6, kPlaceholderArmyType},
    { 32, "Brigade public militia 42",         5,  5, kPlaceholderArmyType},
    { 33, "Artillery division 42",             5,  9, { 6000,   0,   0,   0,  96,  72,   0,   0,   0, 1000,     0,  6, 1942}},
    { 34, "Artillery division 43",             5,  9, kPlaceholderArmyType},
    { 35, "Cannon artillery division 43",      5,  9, kPlaceholderArmyType},
    { 36, "Mortar division 42",                5,  9, kPlaceholderArmyType},
    { 37, "Mortar division 43",                5,  9, kPlaceholderArmyType},
    { 38, "Mortar division 44",                5,  9, kPlaceholderArmyType},
    { 39, "Anti-tank Brigade 41",              5,  9, kPlaceholderArmyType},
    { 40, "Anti-tank Brigade 43",              5,  9, kPlaceholderArmyType},
    { 41, "Cannon artillery brigade 41",       5,  9, kPlaceholderArmyType},
    { 42, "Howitzer artillery brigade 41",     5,  9, kPlaceholderArmyType},
    { 43, "Corps artillery brigade 40",        5,  9, kPlaceholderArmyType},
    { 44, "Mortar brigade 41",                 5,  9, kPlaceholderArmyType},
    { 45, "Assault artillery brigade 42",      5,  9, kPlaceholderArmyType},
    { 46, "Air defense division 41",           5, 10, {12000,   0,   0,   0,   0,   0,   0, 144,   0,  500,     0,  1, 1941}},
    { 47, "Air defense division 42",           5, 10, kPlaceholderArmyType},
    { 48, "Air defense division 44",           5, 10, kPlaceholderArmyType},
    { 49, "Air defense brigade 41",            5, 10, kPlaceholderArmyType},
    { 50, "Cavalry division 39",               8,  7, kPlaceholderArmyType},
    { 61, "Tank division 40",                  2,  4, {15600, 300,   6, 185,  28,  32,  54,  12,  78, 3000,     0,  8, 1940}},
    { 62, "Tank division 43",                  2,  4, kPlaceholderArmyType},
    { 63, "Tank division 45",                  2,  4, kPlaceholderArmyType},
    { 64, "SS Tank division 43",               2,  4, kPlaceholderArmyType},
    { 65, "Tank brigade 40",                   2,  4, kPlaceholderArmyType},
    { 66, "SS Tank brigade 40",                2,  4, kPlaceholderArmyType},
    { 67, "Tank division 42",                  1,  4, kPlaceholderArmyType},
    { 68, "Tank division 39",                  3,  4, kPlaceholderArmyType},
    { 69, "Tank division 42",                  3,  4, kPlaceholderArmyType},
    { 70, "Tank division 41",                  4,  4, kPlaceholderArmyType},
    { 71, "Tank division 44",                  4,  4, kPlaceholderArmyType},
    { 72, "Tank brigade 41",                   6,  4, kPlaceholderArmyType},
    { 73, "Tank division 43",                  6,  4, kPlaceholderArmyType},
    { 74, "Infantry division 39",              2,  5, {16859,   0,   0,   3,  26,  48,  75,  12, 138,  930,  5375,  7, 1939}},
    { 75, "Infantry division 43",              2,  5, kPlaceholderArmyType},
    { 76, "Infantry division 45",              2,  5, kPlaceholderArmyType},
    { 77, "SS Infantry division 39",           2,  5, kPlaceholderArmyType},
    { 78, "SS Infantry division 44",           2,  5, kPlaceholderArmyType},
    { 79, "Light infantry division 40",        2,  5, kPlaceholderArmyType},
    { 80, "Mountain-infantry division 40",     2,  8, kPlaceholderArmyType},
    { 81, "Cavalry division 40",               2,  7, kPlaceholderArmyType},
    { 82, "SS Cavalry division 41",            2,  7, kPlaceholderArmyType},
    { 83, "Motorized division 39",             2,  4, kPlaceholderArmyType},
    { 84, "Motorized division 42",             2,  4, kPlaceholderArmyType},
    { 85, "Panzergrenadier division 43",       2,  4, kPlaceholderArmyType},
    { 86, "SS Motorized division 40",          2,  4, kPlaceholderArmyType},
    { 87, "SS Panzergrenadier division 43",    2,  4, kPlaceholderArmyType},
    { 88, "SS Panzergrenadier division 45",    2,  4, kPlaceholderArmyType},
    { 89, "Airborne division 40",              2,  6, kPlaceholderArmyType},
    { 90, "Airborne division 43",              2,  6, kPlaceholderArmyType},
    { 91, "Marine division 44",                2,  5, kPlaceholderArmyType},
    { 92, "Security division 41",              2,  5, kPlaceholderArmyType},
    { 93, "Motorized brigade 40",              2,  4, kPlaceholderArmyType},
    { 94, "SS Motorized brigade 40",           2,  4, kPlaceholderArmyType},
    { 95, "Airborne brigade 41",               2,  6, kPlaceholderArmyType},
    { 96, "Infantry brigade 41",               2,  5, kPlaceholderArmyType},
    { 97, "SS Infantry brigade 41",            2,  5, kPlaceholderArmyType},
    { 98, "SS Cavalry brigade 41",             2,  7, kPlaceholderArmyType},
    { 99, "SS Security brigade 41",            2,  5, kPlaceholderArmyType},
    {100, "Volksgrenadier division 44",        2,  5, kPlaceholderArmyType},
    {101, "Infantry division 42",              1,  5, kPlaceholderArmyType},
    {102, "Cavalry division 42",               1,  7, kPlaceholderArmyType},
    {103, "Infantry brigade 41",               1,  5, kPlaceholderArmyType},
    {104, "Mountain-Infantry brigade 41",      1,  8, kPlaceholderArmyType},
    {105, "Motorized brigade 41",              1,  4, kPlaceholderArmyType},
    {106, "Border Guard brigade 41",           1,  6, kPlaceholderArmyType},
    {107, "Cavalry brigade 41",                1,  7, kPlaceholderArmyType},
    {108, "Airborne brigade 41",               1,  6, kPlaceholderArmyType},
    {109, "Infantry division 39",              3,  5, kPlaceholderArmyType},
    {110, "Infantry division 41",              3,  5, kPlaceholderArmyType},
    {111, "Mountain-Infantry division 39",     3,  8, kPlaceholderArmyType},
    {112, "Motorized division 40",             3,  4, kPlaceholderArmyType},
    {113, "Cavalry division 39",               3,  7, kPlaceholderArmyType},
    {114, "Airborne division 43",              3,  6, kPlaceholderArmyType},
    {115, "Motorized brigade 41",              3,  4, kPlaceholderArmyType},
    {116, "Cavalry brigade 41",                3,  7, kPlaceholderArmyType},
    {117, "Infantry division 41",              4,  5, kPlaceholderArmyType},
    {118, "Cavalry division 41",               4,  7, kPlaceholderArmyType},
    {119, "Mountain-Infantry division 41",     4,  8, kPlaceholderArmyType},
    {120, "Border Guard division 40",          4,  6, kPlaceholderArmyType},
    {121, "Guard division 40",                 4,  5, kPlaceholderArmyType},
    {122, "Cavalry brigade 40",                4,  7, kPlaceholderArmyType},
    {123, "Infantry division 39",              6,  5, kPlaceholderArmyType},
    {124, "Jaeger infantry brigade 40",        6,  6, kPlaceholderArmyType},
    {125, "Cavalry brigade 40",                6,  7, kPlaceholderArmyType},
    {126, "Infantry division 41",              6,  5, kPlaceholderArmyType},
    {127, "SS Mountain-infantry division 42",  2,  8, kPlaceholderArmyType},
    {128, "Cavalry brigade 42",                2,  7, kPlaceholderArmyType},
    {131, "Artillery division 43",             2,  9, kPlaceholderArmyType},
    {132, "Artillery division 44",             2,  9, kPlaceholderArmyType},
    {133, "Anti-tank brigade 40",              2,  9, kPlaceholderArmyType},
    {134, "Assault artillery brigade 40",      2,  9, kPlaceholderArmyType},
    {135, "Mortar brigade 40",                 2,  9, kPlaceholderArmyType},
    {136, "Howitzer artillery brigade 35",     2,  9, kPlaceholderArmyType},
    {137, "Cannon artillery brigade 35",       2,  9, kPlaceholderArmyType},
    {138, "Artillery brigade 40",              1,  9, kPlaceholderArmyType},
    {139, "Assault artillery brigade 43",      1,  9, kPlaceholderArmyType},
    {140, "Artillery brigade 40",              3,  9, kPlaceholderArmyType},
    {141, "Assault artillery brigade 43",      3,  9, kPlaceholderArmyType},
    {142, "Artillery brigade 40",              4,  9, kPlaceholderArmyType},
    {143, "Assault artillery brigade 42",      4,  9, kPlaceholderArmyType},
    {144, "Artillery brigade 40",              6,  9, kPlaceholderArmyType},
    {145, "Assault artillery brigade 42",      6,  9, kPlaceholderArmyType},
    {146, "Air defense division 42",           2, 10, kPlaceholderArmyType},
    {147, "Air defense brigade 41",            2, 10, kPlaceholderArmyType},
    {148, "Air defense brigade 41",            1, 10, kPlaceholderArmyType},
    {149, "Air defense brigade 41",            3, 10, kPlaceholderArmyType},
    {150, "Air defense brigade 40",            4, 10, kPlaceholderArmyType},
    {151, "Air defense brigade 40",            6, 10, kPlaceholderArmyType},
    {152, "Motorized brigade 41",              7,  4, kPlaceholderArmyType},
    {153, "Motorized division 41",             7,  4, kPlaceholderArmyType},
    {154, "Infantry division 41",              7,  5, kPlaceholderArmyType},
    {155, "Security division 41",              7,  5, kPlaceholderArmyType},
    {156, "Artillery brigade 41",              7,  9, kPlaceholderArmyType},
    {157, "Air defense brigade 41",            7, 10, kPlaceholderArmyType},
};

constexpr AirTypeRow kAirTypes[] = {
//  row  name                                 nat kind  ftr tac bmb lvl  mon year
    { 51, "Fighter air regiment 40",           5, 21, {63,  0,  0,  0,  7, 1940}},
    { 52, "Fighter air regiment 41",           5, 21, kPlaceholderAirType},
    { 53, "Fighter air regiment 42",           5, 21, kPlaceholderAirType},
    { 54, "Assault air regiment 40",           5, 22, kPlaceholderAirType},
    { 55, "Assault air regiment 43",           5, 22, kPlaceholderAirType},
    { 56, "Tactic bomber air regiment 40",     5, 22, kPlaceholderAirType},
    { 57, "Average bomber air regiment 40",    5, 23, kPlaceholderAirType},
    { 58, "Mixed regiment air 40",             5, 23, kPlaceholderAirType},
    { 59, "Mine-torpedo air regiment 40",      5, 24, kPlaceholderAirType},
    { 60, "Level bomber air regiment 40",      5, 24, { 0,  0,  0, 60,  7, 1940}},
    {161, "Fighter air group 40",              2, 21, {44,  0,  0,  0,  7, 1940}},
    {162, "Fighter air regiment 40",           1, 21, kPlaceholderAirType},
    {163, "Fighter air group 40",              3, 21, kPlaceholderAirType},
    {164, "Fighter air regiment 40",           4, 21, kPlaceholderAirType},
    {165, "Fighter air regiment 40",           6, 21, kPlaceholderAirType},
    {166, "Tactic bomber air group 40",        2, 22, kPlaceholderAirType},
    {167, "Tactic bomber air regiment 40",     1, 22, kPlaceholderAirType},
    {168, "Tactic bomber air group 40",        3, 22, kPlaceholderAirType},
    {169, "Tactic bomber air regiment 40",     4, 22, kPlaceholderAirType},
    {170, "Tactic bomber air regiment 40",     6, 22, kPlaceholderAirType},
    {171, "Level bomber air group 40",         2, 24, kPlaceholderAirType},
    {172, "Level bomber air group 40",         3, 24, kPlaceholderAirType},
    {173, "Level bomber air regiment 40",      1, 24, kPlaceholderAirType},
    {174, "Level bomber air regiment 40",      4, 24, kPlaceholderAirType},
    {175, "Level bomber air regiment 40",      6, 24, kPlaceholderAirType},
    {177, "Average bomber air group 40",       2, 23, kPlaceholderAirType},
    {178, "Average bomber air group 40",       3, 23, kPlaceholderAirType},
    {179, "Average bomber air regiment 40",    1, 23, kPlaceholderAirType},
    {180, "Average bomber air regiment 40",    4, 23, kPlaceholderAirType},
    {181, "Average bomber air regiment 40",    6, 23, kPlaceholderAirType},
};
// clang-format on

// Name of the unused rows: a word padded with blanks to the full field.
constexpr std::string_view kEmptyTypeWord = "Reserve";

constexpr std::array<TFormationType, kFormationTypeRows + 1> BuildFormationTypes() {
  std::array<TFormationType, kFormationTypeRows + 1> table{};
  bool used[kFormationTypeRows + 1]{};
  for (const ArmyTypeRow& r : kArmyTypes) {
    Claim(used, r.row);
    TFormationType& t = table[r.row];
    t.Name = MakeName<35>(r.name);
    t.Nation = r.nation;
    t.Branch = 1;
    t.Men = r.n.men;
    t.Tanks = r.n.tanks;
    t.SPGuns = r.n.spGuns;
    t.ArmouredCars = r.n.armouredCars;
    t.FieldGuns = r.n.fieldGuns;
    t.Howitzers = r.n.howitzers;
    t.ATGuns = r.n.atGuns;
    t.AAGuns = r.n.aaGuns;
    t.Mortars = r.n.mortars;
    t.Cars = r.n.cars;
    t.Horses = r.n.horses;
    t.Month = r.n.month;
    t.Year = r.n.year;
    t.Kind = r.kind;
  }
  for (const AirTypeRow& r : kAirTypes) {
    Claim(used, r.row);
    TFormationType& t = table[r.row];
    t.Name = MakeName<35>(r.name);
    t.Nation = r.nation;
    t.Branch = 2;
    t.Fighters = r.n.fighters;
    t.TacticalBombers = r.n.tacticalBombers;
    t.Bombers = r.n.bombers;
    t.LevelBombers = r.n.levelBombers;
    t.Month = r.n.month;
    t.Year = r.n.year;
    t.Kind = r.kind;
  }
  for (int row = 1; row <= kFormationTypeRows; ++row) {
    if (!used[row]) table[row].Name = MakePaddedName<35>(kEmptyTypeWord);
  }
  return table;
}

}  // namespace

constexpr std::array<TFormationType, kFormationTypeRows + 1> FormationTypes = BuildFormationTypes();

}  // namespace gm
