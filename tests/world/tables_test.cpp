// Checks of the constant tables: used and empty rows, names, the telling rows given in full,
// terrain tiles by run and month lengths.
#include "world/tables/tables.hpp"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace gm {
namespace {

std::set<int> RowRange(int first, int last) {
  std::set<int> rows;
  for (int r = first; r <= last; ++r) rows.insert(r);
  return rows;
}

std::set<int> Without(std::set<int> rows, std::initializer_list<int> gone) {
  for (int r : gone) rows.erase(r);
  return rows;
}

std::set<int> Union(std::initializer_list<std::set<int>> parts) {
  std::set<int> all;
  for (const auto& p : parts) all.insert(p.begin(), p.end());
  return all;
}

// ---- Formation types -------------------------------------------------------------------------

TEST(FormationTypesTest, UsedAndEmptyRows) {
  const std::set<int> empty =
      Union({{129, 130, 158, 159, 160, 176}, RowRange(182, kFormationTypeRows)});
  int used = 0;
  for (int row = 1; row <= kFormationTypeRows; ++row) {
    const TFormationType& t = FormationTypes[row];
    SCOPED_TRACE(row);
    if (empty.count(row)) {
      EXPECT_EQ(+t.Nation, 0);
      EXPECT_EQ(+t.Kind, 0);
      EXPECT_EQ(+t.Branch, 0);
      EXPECT_EQ(t.Men + t.Tanks + t.Cars + t.Horses + t.Fighters + t.Month + t.Year, 0);
      // A word padded with blanks to all 35 characters.
      ASSERT_EQ(+t.Name.Length, 35);
      const std::string_view name = t.Name.View();
      EXPECT_NE(name.front(), ' ');
      const auto wordEnd = name.find(' ');
      ASSERT_NE(wordEnd, std::string_view::npos);
      EXPECT_EQ(name.find_first_not_of(' ', wordEnd), std::string_view::npos);
    } else {
      ++used;
      EXPECT_GE(+t.Nation, 1);
      EXPECT_LE(+t.Nation, 8);
      EXPECT_NE(+t.Kind, 0);
      EXPECT_EQ(+t.Branch, t.Kind >= 21 ? 2 : 1);
      EXPECT_GT(+t.Name.Length, 0);
      EXPECT_EQ(+t.unused74, 0);
    }
  }
  EXPECT_EQ(used, 175);
}

TEST(FormationTypesTest, RowsByNationAndKind) {
  std::map<int, int> byNation, byKind;
  for (int row = 1; row <= kFormationTypeRows; ++row) {
    if (FormationTypes[row].Nation == 0) continue;
    ++byNation[FormationTypes[row].Nation];
    ++byKind[FormationTypes[row].Kind];
  }
  const std::map<int, int> nations = {{1, 16}, {2, 48}, {3, 17}, {4, 15},
                                      {5, 59}, {6, 13}, {7, 6},  {8, 1}};
  const std::map<int, int> kinds = {{4, 40},  {5, 31}, {6, 12}, {7, 14}, {8, 8}, {9, 29},
                                    {10, 11}, {21, 8}, {22, 8}, {23, 7}, {24, 7}};
  EXPECT_EQ(byNation, nations);
  EXPECT_EQ(byKind, kinds);
}

struct NamedRow {
  int row;
  std::string_view name;
  int nation;
  int kind;
};

TEST(FormationTypesTest, NamesNationsAndKinds) {
  const NamedRow rows[] = {
      {1, "Tank division 41", 5, 4},
      {7, "Rifle division 41 early", 5, 5},
      {8, "Rifle division 41 later", 5, 5},
      {19, "Division public militia 41", 5, 4},
      {31, "Guerrilla brigade 41", 5, 6},
      {49, "Air defense brigade 41", 5, 10},
      {50, "Cavalry division 39", 8, 7},
      {58, "Mixed regiment air 40", 5, 23},
      {60, "Level bomber air regiment 40", 5, 24},
      {61, "Tank division 40", 2, 4},
      {67, "Tank division 42", 1, 4},
      {72, "Tank brigade 41", 6, 4},
      {100, "Volksgrenadier division 44", 2, 5},
      {104, "Mountain-Infantry brigade 41", 1, 8},
      {106, "Border Guard brigade 41", 1, 6},
      {124, "Jaeger infantry brigade 40", 6, 6},
      {127, "SS Mountain-infantry division 42", 2, 8},
      {128, "Cavalry brigade 42", 2, 7},
      {131, "Artillery division 43", 2, 9},
      {157, "Air defense brigade 41", 7, 10},
      {161, "Fighter air group 40", 2, 21},
      {175, "Level bomber air regiment 40", 6, 24},
      {177, "Average bomber air group 40", 2, 23},
      {181, "Average bomber air regiment 40", 6, 23},
  };
  for (const NamedRow& r : rows) {
    SCOPED_TRACE(r.row);
    const TFormationType& t = FormationTypes[r.row];
    EXPECT_EQ(t.Name.View(), r.name);
    EXPECT_EQ(+t.Nation, r.nation);
    EXPECT_EQ(+t.Kind, r.kind);
  }
}

struct TellingType {
  int row;
  std::array<int, 11> army;  // men, tanks, SP, armoured cars, field, howitzers, AT, AA, mortars,
                             // cars, horses
  std::array<int, 4> air;    // fighters, tactical, bombers, level
  int month, year;
};

TEST(FormationTypesTest, TellingRowsExact) {
  const TellingType rows[] = {
      {1, {10942, 375, 0, 95, 4, 24, 0, 12, 45, 1444, 0}, {}, 3, 1941},
      {7, {14483, 16, 0, 13, 34, 44, 54, 12, 150, 673, 3039}, {}, 4, 1941},
      {15, {9240, 64, 0, 18, 24, 8, 16, 20, 64, 0, 7625}, {}, 11, 1940},
      {18, {10000, 0, 0, 0, 36, 12, 48, 0, 168, 200, 1500}, {}, 12, 1942},
      {33, {6000, 0, 0, 0, 96, 72, 0, 0, 0, 1000, 0}, {}, 6, 1942},
      {46, {12000, 0, 0, 0, 0, 0, 0, 144, 0, 500, 0}, {}, 1, 1941},
      {51, {}, {63, 0, 0, 0}, 7, 1940},
      {60, {}, {0, 0, 0, 60}, 7, 1940},
      {61, {15600, 300, 6, 185, 28, 32, 54, 12, 78, 3000, 0}, {}, 8, 1940},
      {74, {16859, 0, 0, 3, 26, 48, 75, 12, 138, 930, 5375}, {}, 7, 1939},
      {161, {}, {44, 0, 0, 0}, 7, 1940},
  };
  for (const TellingType& r : rows) {
    SCOPED_TRACE(r.row);
    const TFormationType& t = FormationTypes[r.row];
    const std::array<int, 11> army = {t.Men,       t.Tanks,     t.SPGuns, t.ArmouredCars,
                                      t.FieldGuns, t.Howitzers, t.ATGuns, t.AAGuns,
                                      t.Mortars,   t.Cars,      t.Horses};
    const std::array<int, 4> air = {t.Fighters, t.TacticalBombers, t.Bombers, t.LevelBombers};
    EXPECT_EQ(army, r.army);
    EXPECT_EQ(air, r.air);
    EXPECT_EQ(+t.Month, r.month);
    EXPECT_EQ(+t.Year, r.year);
  }
}

// ---- Equipment models ------------------------------------------------------------------------

TEST(EquipmentModelsTest, UsedRowsFollowTheBlocks) {
  const std::map<int, std::set<int>> blocks = {
      {1, RowRange(1, 108)},
      {2, Without(RowRange(109, 161), {119})},
      {3, Without(RowRange(201, 245), {235})},
      {4, RowRange(301, 334)},
      {5, RowRange(401, 427)},
      {6, Without(RowRange(501, 529), {502})},
      {7, RowRange(601, 629)},
      {8, RowRange(701, 741)},
  };
  std::map<int, std::set<int>> found;
  for (int m = 1; m <= kEquipmentModelRows; ++m) {
    const TEquipmentModel& e = EquipmentModels[m];
    if (e.Category != 0) {
      found[e.Category].insert(m);
      EXPECT_GT(+e.Name.Length, 0) << m;
      continue;
    }
    SCOPED_TRACE(m);
    EXPECT_EQ(+e.Name.Length, 0);
    EXPECT_EQ(e.Nation + e.Cost + e.roadSpeed + e.Movement + e.InfantryAttack + e.ArmorAttack +
                  e.AirAttack + e.GroundDefense + e.AirDefense + e.IntroMonth + e.IntroYear +
                  e.AirTransportable,
              0);
  }
  EXPECT_EQ(found, blocks);
  std::size_t used = 0;
  for (const auto& [category, rows] : found) used += rows.size();
  EXPECT_EQ(used, 363u);
}

TEST(EquipmentModelsTest, MakersByNation) {
  std::map<int, int> byNation;
  for (int m = 1; m <= kEquipmentModelRows; ++m) {
    if (EquipmentModels[m].Category != 0) ++byNation[EquipmentModels[m].Nation];
  }
  const std::map<int, int> expected = {{1, 12}, {2, 141}, {3, 34}, {4, 11},  {5, 107},
                                       {6, 4},  {7, 13},  {20, 7}, {21, 20}, {22, 3},
                                       {23, 1}, {25, 9},  {27, 1}};
  EXPECT_EQ(byNation, expected);
}

TEST(EquipmentModelsTest, NamesAndMakers) {
  const NamedRow rows[] = {
      // kind holds the category here
      {1, "T-35", 5, 1},
      {42, "Pz-VD", 2, 1},
      {81, "40M\"Turan\"", 1, 1},
      {84, "38M\"Toldi-2a\"", 1, 1},
      {93, "TK-3", 22, 1},
      {105, "Renault FT17", 21, 1},
      {108, "LT-38/LT-40", 7, 1},
      {109, "SU-5-2", 5, 2},
      {118, "ISU-122", 5, 2},
      {120, "ISU-152", 5, 2},
      {151, "43M Zrynyi-2", 1, 2},
      {160, "47mm AT(R35)", 2, 2},
      {161, "TACAM R2", 4, 2},
      {201, "D-8", 5, 3},
      {234, "AB-40/41", 3, 3},
      {236, "AB-43", 3, 3},
      {245, "Tatra30-72", 7, 3},
      {301, "76mm 1927", 5, 4},
      {334, "150mm Skoda", 7, 4},
      {401, "122mm 1930", 5, 5},
      {427, "120mm Bofors", 25, 5},
      {501, "50mm 1938", 5, 6},
      {503, "82mm 1936", 5, 6},
      {529, "81mm Roman", 4, 6},
      {601, "37mm 1-K", 5, 7},
      {610, "42/28mmLePak41", 2, 7},
      {629, "47mm Roman", 4, 7},
      {701, "25mm 1940", 5, 8},
      {715, "105mmFlak38/39", 2, 8},
      {741, "83mm Tch", 7, 8},
  };
  for (const NamedRow& r : rows) {
    SCOPED_TRACE(r.row);
    const TEquipmentModel& e = EquipmentModels[r.row];
    EXPECT_EQ(e.Name.View(), r.name);
    EXPECT_EQ(+e.Nation, r.nation);
    EXPECT_EQ(+e.Category, r.kind);
  }
}

struct TellingEquipment {
  int model;
  std::string_view name;
  // category, nation, cost, word 37, move, inf., arm., air att., gr. def., air def., month, year,
  // air-transportable
  std::array<int, 13> values;
};

std::array<int, 13> EquipmentValues(const TEquipmentModel& e) {
  return {e.Category,        e.Nation,         e.Cost,        e.roadSpeed,
          e.Movement,        e.InfantryAttack, e.ArmorAttack, e.AirAttack,
          e.GroundDefense,   e.AirDefense,     e.IntroMonth,  e.IntroYear,
          e.AirTransportable};
}

const TellingEquipment kTellingEquipment[] = {
    {1, "T-35", {1, 5, 162, 6, 1, 12, 3, 0, 6, 2, 6, 1934, 0}},
    {50, "Pz-IIIG", {1, 2, 76, 8, 4, 9, 4, 0, 6, 3, 4, 1940, 0}},
    {109, "SU-5-2", {2, 5, 40, 6, 4, 9, 5, 0, 2, 2, 6, 1934, 0}},
    {201, "D-8", {3, 5, 23, 17, 11, 1, 0, 0, 1, 4, 6, 1931, 1}},
    {301, "76mm 1927", {4, 5, 15, 0, 1, 7, 3, 0, 0, 0, 6, 1927, 1}},
    {401, "122mm 1930", {5, 5, 48, 0, 0, 14, 4, 0, 0, 0, 6, 1930, 0}},
    {501, "50mm 1938", {6, 5, 6, 0, 4, 7, 0, 0, 0, 0, 7, 1939, 1}},
    {601, "37mm 1-K", {7, 5, 12, 0, 3, 3, 2, 0, 0, 0, 4, 1931, 1}},
    {701, "25mm 1940", {8, 5, 21, 0, 3, 4, 3, 3, 0, 0, 6, 1940, 1}},
    {720, "SdKfz 7/1", {8, 2, 77, 10, 6, 3, 1, 7, 1, 6, 6, 1944, 0}},
};

TEST(EquipmentModelsTest, TellingRowsExact) {
  for (const TellingEquipment& r : kTellingEquipment) {
    SCOPED_TRACE(r.model);
    EXPECT_EQ(EquipmentModels[r.model].Name.View(), r.name);
    EXPECT_EQ(EquipmentValues(EquipmentModels[r.model]), r.values);
  }
}

// ---- Aircraft models -------------------------------------------------------------------------

TEST(AircraftModelsTest, UsedRowsFollowTheBlocks) {
  const std::map<int, std::set<int>> blocks = {
      {100, Without(RowRange(1, 84), {6, 14, 72})},
      {101, RowRange(101, 128)},
      {102, Without(RowRange(201, 221), {207})},
      {103, RowRange(301, 321)},
  };
  std::map<int, std::set<int>> found;
  for (int r = 1; r <= kAircraftModelRows; ++r) {
    const TAircraftModel& a = AircraftModels[r];
    if (a.Class != 0) {
      found[a.Class].insert(r);
      EXPECT_GT(+a.Name.Length, 0) << r;
      continue;
    }
    SCOPED_TRACE(r);
    EXPECT_EQ(+a.Name.Length, 0);
    EXPECT_EQ(a.Nation + a.Cost + a.Speed + a.Movement + a.InfantryAttack + a.ArmorAttack +
                  a.AirAttack + a.AirDefense + a.Radius + a.IntroMonth + a.IntroYear,
              0);
  }
  EXPECT_EQ(found, blocks);
  std::size_t used = 0;
  for (const auto& [cls, rows] : found) used += rows.size();
  EXPECT_EQ(used, 150u);
}

TEST(AircraftModelsTest, NamesAndMakers) {
  const NamedRow rows[] = {
      // row = model number - 800; kind holds the class
      {1, "I-15", 5, 100},
      {5, "I-16 type 24", 5, 100},
      {7, "I-185", 5, 100},
      {34, "Bf109b2", 2, 100},
      {71, "Re2005", 3, 100},
      {73, "MC.200", 3, 100},
      {81, "P-36 Hawk 75A", 26, 100},
      {84, "IAR-80", 4, 100},
      {101, "Yak-2", 5, 101},
      {128, "IAR-81", 4, 101},
      {201, "SB", 5, 102},
      {206, "Tu-2S", 5, 102},
      {208, "CA133", 3, 102},
      {215, "S.M.79jr", 4, 102},
      {221, "Blenheim Mk1", 6, 102},
      {301, "TB-1", 5, 103},
      {307, "DB-3F(IL4)", 5, 103},
      {321, "P.108B", 3, 103},
  };
  for (const NamedRow& r : rows) {
    SCOPED_TRACE(r.row);
    const TAircraftModel& a = AircraftModels[r.row];
    EXPECT_EQ(a.Name.View(), r.name);
    EXPECT_EQ(+a.Nation, r.nation);
    EXPECT_EQ(+a.Class, r.kind);
  }
}

struct TellingAircraft {
  int model;  // economy model number 801..1200
  std::string_view name;
  // class, nation, cost, speed, move, inf., arm., air att., air def., radius, month, year
  std::array<int, 12> values;
};

std::array<int, 12> AircraftValues(const TAircraftModel& a) {
  return {a.Class,       a.Nation,    a.Cost,       a.Speed,  a.Movement,   a.InfantryAttack,
          a.ArmorAttack, a.AirAttack, a.AirDefense, a.Radius, a.IntroMonth, a.IntroYear};
}

const TellingAircraft kTellingAircraft[] = {
    {801, "I-15", {100, 5, 60, 14, 27, 2, 1, 15, 29, 12, 6, 1935}},
    {850, "Me262A1", {100, 2, 80, 36, 67, 16, 4, 48, 83, 26, 7, 1944}},
    {901, "Yak-2", {101, 5, 80, 21, 37, 20, 5, 0, 38, 20, 6, 1939}},
    {1001, "SB", {102, 5, 95, 17, 27, 10, 4, 0, 31, 39, 3, 1936}},
    {1101, "TB-1", {103, 5, 150, 8, 9, 16, 2, 0, 15, 34, 6, 1925}},
};

TEST(AircraftModelsTest, TellingRowsExact) {
  for (const TellingAircraft& r : kTellingAircraft) {
    SCOPED_TRACE(r.model);
    const TAircraftModel& a = AircraftModels[r.model - kAircraftModelBase];
    EXPECT_EQ(a.Name.View(), r.name);
    EXPECT_EQ(AircraftValues(a), r.values);
  }
}

// ---- Terrain tiles ---------------------------------------------------------------------------

struct TerrainNumbers {
  int moveCost;
  int airDefence;
  std::array<int, 8> defence;
  std::array<int, 8> attack;
};

TEST(TerrainTilesTest, RunsCoverEveryTileWithItsTerrain) {
  const std::map<std::string_view, TerrainNumbers> terrains = {
      {"Road-Plain", {10, 0, {3, 2, 2, 1, 1, 1, 1, 2}, {5, 1, 1, 0, 0, 2, 1, 1}}},
      {"Bridge", {10, 0, {4, 3, 3, 2, 2, 2, 2, 3}, {4, 0, 1, 0, 0, 2, 0, 0}}},
      {"Mouth", {70, 0, {}, {}}},
      {"Plain", {20, 0, {4, 3, 3, 2, 2, 1, 1, 3}, {6, 1, 1, 0, 1, 2, 1, 1}}},
      {"Airbase", {20, 0, {3, 2, 2, 1, 1, 0, 0, 1}, {5, 1, 1, 0, 1, 1, 1, 1}}},
      {"Plain-Desert", {20, 0, {4, 3, 3, 2, 2, 1, 1, 3}, {6, 1, 1, 0, 1, 2, 1, 1}}},
      {"Town", {20, 2, {2, 4, 4, 1, 1, 1, 1, 4}, {2, 2, 2, 0, 1, 1, 1, 2}}},
      {"Town-Port", {20, 2, {2, 4, 4, 1, 1, 1, 1, 4}, {2, 2, 2, 0, 1, 1, 1, 2}}},
      {"Coast", {20, 0, {2, 2, 2, 1, 1, 0, 0, 2}, {2, 2, 2, 0, 1, 1, 1, 2}}},
      {"Desert", {20, 0, {4, 3, 3, 2, 2, 1, 1, 3}, {6, 1, 1, 0, 1, 2, 1, 1}}},
      {"River-Plain", {70, 0, {}, {}}},
      {"Wood", {40, 3, {1, 3, 5, 1, 1, 1, 1, 4}, {0, 1, 2, 0, 0, 0, 0, 2}}},
      {"Mountain-Wood", {50, 4, {0, 4, 6, 0, 7, 0, 0, 2}, {0, 2, 3, 0, 4, 0, 0, 1}}},
      {"Mountain", {50, 3, {0, 4, 6, 0, 7, 0, 0, 1}, {0, 1, 2, 0, 4, 0, 0, 1}}},
      {"Marsh", {255, 0, {}, {}}},
      {"Sea", {255, 0, {}, {}}},
      {"Hill", {40, 2, {0, 5, 7, 1, 7, 1, 1, 3}, {0, 1, 2, 0, 2, 0, 0, 2}}},
      {"Wood-Hill", {40, 3, {0, 5, 7, 0, 7, 1, 1, 4}, {0, 2, 3, 0, 3, 0, 0, 2}}},
      {"Fort-Plain", {30, 4, {6, 10, 10, 7, 7, 7, 7, 10}, {3, 6, 6, 4, 5, 6, 6, 4}}},
      {"Mountain-River", {60, 2, {0, 3, 5, 0, 6, 0, 0, 0}, {0, 1, 1, 0, 3, 0, 0, 0}}},
      {"Mountain-Road", {20, 3, {0, 4, 6, 0, 7, 0, 0, 1}, {0, 1, 2, 0, 4, 0, 0, 1}}},
  };
  struct Run {
    int first, last;
    std::string_view terrain;
  };
  const Run runs[] = {
      {0, 18, "Road-Plain"},       {19, 22, "Bridge"},
      {23, 39, "Road-Plain"},      {40, 47, "Bridge"},
      {48, 49, "Mouth"},           {50, 50, "Plain"},
      {51, 52, "Road-Plain"},      {53, 53, "Airbase"},
      {54, 65, "Plain-Desert"},    {66, 71, "Road-Plain"},
      {72, 75, "Plain-Desert"},    {76, 79, "Town"},
      {80, 82, "Bridge"},          {83, 83, "Town"},
      {84, 85, "Bridge"},          {86, 93, "Plain-Desert"},
      {94, 95, "Bridge"},          {96, 99, "Town"},
      {100, 103, "Town-Port"},     {104, 149, "Town"},
      {150, 199, "Coast"},         {200, 201, "Desert"},
      {202, 224, "River-Plain"},   {225, 249, "Coast"},
      {250, 282, "Wood"},          {283, 291, "River-Plain"},
      {292, 299, "Coast"},         {300, 321, "Mountain-Wood"},
      {322, 323, "Mountain"},      {324, 329, "Mountain-Wood"},
      {330, 331, "Mountain"},      {332, 345, "Mountain-Wood"},
      {346, 349, "Town"},          {350, 386, "River-Plain"},
      {387, 393, "Mouth"},         {394, 399, "River-Plain"},
      {400, 443, "Marsh"},         {444, 449, "Bridge"},
      {450, 454, "Sea"},           {455, 474, "Coast"},
      {475, 496, "Marsh"},         {497, 499, "River-Plain"},
      {500, 500, "Hill"},          {501, 503, "Wood-Hill"},
      {504, 504, "Hill"},          {505, 505, "Wood-Hill"},
      {506, 524, "River-Plain"},   {525, 549, "Fort-Plain"},
      {550, 600, "Plain-Desert"},  {601, 602, "Desert"},
      {603, 614, "Plain-Desert"},  {615, 616, "Desert"},
      {617, 624, "River-Plain"},   {625, 630, "Mountain-River"},
      {631, 632, "Mountain-Road"}, {633, 644, "Mountain-Wood"},
      {645, 674, "Town"},
  };
  std::array<int, kTerrainTileCount> seen{};
  for (const Run& run : runs) {
    const TerrainNumbers& want = terrains.at(run.terrain);
    for (int tile = run.first; tile <= run.last; ++tile) {
      SCOPED_TRACE(tile);
      ASSERT_LT(tile, kTerrainTileCount);
      ++seen[tile];
      const TTerrainTile& t = TerrainTiles[tile];
      EXPECT_EQ(t.Name.View(), run.terrain);
      EXPECT_EQ(+t.MoveCost, want.moveCost);
      EXPECT_EQ(+t.AirDefenceBonus, want.airDefence);
      for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(t.DefenceBonus[k], want.defence[k]) << "kind " << k + 4;
        EXPECT_EQ(t.AttackBonus[k], want.attack[k]) << "kind " << k + 4;
      }
      for (int k = 0; k < 4; ++k) EXPECT_EQ(t.AirAttackBonus[k], 0);
    }
  }
  for (int tile = 0; tile < kTerrainTileCount; ++tile) EXPECT_EQ(seen[tile], 1) << tile;
}

// ---- Month lengths ---------------------------------------------------------------------------

TEST(MonthDaysTest, GregorianLengthsWithTwoLeapYears) {
  const int common[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int total = 0;
  for (int year = 1939; year <= 1945; ++year) {
    for (int month = 1; month <= 12; ++month) {
      const int days = MonthDays[(year - 1939) * 12 + month - 1];
      total += days;
      const bool leapFebruary = month == 2 && (year == 1940 || year == 1944);
      EXPECT_EQ(days, leapFebruary ? 29 : common[month - 1]) << month << "." << year;
    }
  }
  EXPECT_EQ(total, 7 * 365 + 2);
}

// ---- Authored numbers: ranges ---------------------------------------------------------------

TEST(AuthoredNumbersTest, EquipmentWithinRanges) {
  for (int m = 1; m <= kEquipmentModelRows; ++m) {
    const TEquipmentModel& e = EquipmentModels[m];
    if (e.Category == 0) continue;
    SCOPED_TRACE(m);
    EXPECT_GE(+e.Cost, 6);
    EXPECT_LE(+e.Cost, 164);
    EXPECT_LE(+e.roadSpeed, 18);
    EXPECT_LE(+e.Movement, 12);
    EXPECT_GE(+e.InfantryAttack, 1);
    EXPECT_LE(+e.InfantryAttack, 78);
    EXPECT_LE(+e.ArmorAttack, 23);
    EXPECT_LE(+e.AirAttack, 16);
    EXPECT_LE(+e.GroundDefense, 32);
    EXPECT_LE(+e.AirDefense, 11);
    EXPECT_GE(+e.IntroMonth, 1);
    EXPECT_LE(+e.IntroMonth, 12);
    EXPECT_GE(+e.IntroYear, 1897);
    EXPECT_LE(+e.IntroYear, 1944);
    EXPECT_LE(+e.AirTransportable, 1);  // the refit rules test for exactly 1
    // Towed pieces have no road speed, armour or air defence of their own.
    const bool towedGun = e.Category >= 4 && e.Category != 6 && e.Category != 8;
    if (towedGun) {
      EXPECT_EQ(e.roadSpeed + e.GroundDefense + e.AirDefense + e.AirAttack, 0);
    }
    if (e.Category != 8) {
      EXPECT_EQ(+e.AirAttack, 0);
    }
  }
}

TEST(AuthoredNumbersTest, AircraftWithinRanges) {
  for (int r = 1; r <= kAircraftModelRows; ++r) {
    const TAircraftModel& a = AircraftModels[r];
    if (a.Class == 0) continue;
    SCOPED_TRACE(r);
    EXPECT_GE(+a.Cost, 56);
    EXPECT_LE(+a.Cost, 250);
    EXPECT_GE(+a.Speed, 8);
    EXPECT_LE(+a.Speed, 38);
    EXPECT_GE(+a.Movement, 4);
    EXPECT_LE(+a.Movement, 72);
    EXPECT_GE(+a.InfantryAttack, 2);
    EXPECT_LE(+a.InfantryAttack, 72);
    EXPECT_GE(+a.ArmorAttack, 1);
    EXPECT_LE(+a.ArmorAttack, 18);
    EXPECT_LE(+a.AirAttack, 48);
    EXPECT_GE(+a.AirDefense, 12);
    EXPECT_LE(+a.AirDefense, 83);
    EXPECT_GE(+a.Radius, 5);
    EXPECT_LE(+a.Radius, 128);
    EXPECT_GE(+a.IntroMonth, 1);
    EXPECT_LE(+a.IntroMonth, 12);
    EXPECT_GE(+a.IntroYear, 1925);
    EXPECT_LE(+a.IntroYear, 1945);
    // Only fighters fight other aircraft.
    if (a.Class != 100) {
      EXPECT_EQ(+a.AirAttack, 0);
    }
  }
}

TEST(AuthoredNumbersTest, FormationTypesWithinRanges) {
  for (int row = 1; row <= kFormationTypeRows; ++row) {
    const TFormationType& t = FormationTypes[row];
    if (t.Nation == 0) continue;
    SCOPED_TRACE(row);
    EXPECT_LE(+t.Men, 21300);
    EXPECT_LE(+t.Tanks, 375);
    EXPECT_LE(+t.Cars, 3300);
    EXPECT_LE(+t.Horses, 15900);
    EXPECT_GE(+t.Month, 1);
    EXPECT_LE(+t.Month, 12);
    EXPECT_GE(+t.Year, 1935);
    EXPECT_LE(+t.Year, 1945);
    const int equipment = t.Tanks + t.SPGuns + t.ArmouredCars + t.FieldGuns + t.Howitzers +
                          t.ATGuns + t.AAGuns + t.Mortars;
    const int aircraft = t.Fighters + t.TacticalBombers + t.Bombers + t.LevelBombers;
    for (int count : {t.Fighters, t.TacticalBombers, t.Bombers, t.LevelBombers}) {
      EXPECT_LE(count, 63);
    }
    if (t.Branch == 1) {
      EXPECT_GT(+t.Men, 0);
      EXPECT_EQ(aircraft, 0);
    } else {
      EXPECT_EQ(t.Men + equipment + t.Cars + t.Horses, 0);
      EXPECT_GT(aircraft, 0);
    }
    // The name's two-digit year is the first year the type can be raised.
    const std::string_view name = t.Name.View();
    const auto digits = name.find_first_of("0123456789");
    ASSERT_NE(digits, std::string_view::npos);
    EXPECT_EQ(1900 + std::stoi(std::string(name.substr(digits, 2))), +t.Year);
  }
}

// ---- Authored numbers: what the rules need of them ---------------------------------------------

// The score the computer's production choice gives a model before its cost.
int ProductionBase(const TEquipmentModel& e) {
  int sum = e.InfantryAttack + e.ArmorAttack;
  if (e.Category <= 3) sum += e.GroundDefense;
  if (e.Category == 8) sum += e.AirAttack;
  return sum * 10;
}

TEST(AuthoredNumbersTest, ProductionScoresStayWithinSixteenBitsAndEightHundred) {
  for (int m = 1; m <= kEquipmentModelRows; ++m) {
    if (EquipmentModels[m].Category == 0) continue;
    EXPECT_LE(ProductionBase(EquipmentModels[m]), 800) << m;
  }
}

bool RaisableBy(const TFormationType& t, int month, int year) {
  return t.Year < year || (t.Year == year && t.Month <= month);
}

TEST(AuthoredNumbersTest, EveryNationCanRaiseFourArmyTypesFromJune1941) {
  for (int year = 1941; year <= 1945; ++year) {
    for (int month = 1; month <= 12; ++month) {
      if ((year == 1941 && month < 6) || (year == 1945 && month > 5)) continue;
      for (int nation = 1; nation <= 7; ++nation) {
        int raisable = 0;
        for (int row = 1; row <= kFormationTypeRows; ++row) {
          const TFormationType& t = FormationTypes[row];
          if (t.Nation == nation && t.Branch == 1 && t.Men > 0 && RaisableBy(t, month, year)) {
            ++raisable;
          }
        }
        EXPECT_GE(raisable, 4) << "nation " << nation << " in " << month << "." << year;
      }
    }
  }
  int slovakJune1941 = 0;
  for (int row = 1; row <= kFormationTypeRows; ++row) {
    const TFormationType& t = FormationTypes[row];
    if (t.Nation == 7 && t.Branch == 1 && t.Year == 1941 && t.Month <= 6) ++slovakJune1941;
  }
  EXPECT_GE(slovakJune1941, 4);
}

// Nominal count of category c (1..8) in a type.
int NominalCount(const TFormationType& t, int category) {
  switch (category) {
    case 1:
      return t.Tanks;
    case 2:
      return t.SPGuns;
    case 3:
      return t.ArmouredCars;
    case 4:
      return t.FieldGuns;
    case 5:
      return t.Howitzers;
    case 6:
      return t.Mortars;
    case 7:
      return t.ATGuns;
    case 8:
      return t.AAGuns;
  }
  return 0;
}

// Slots that no model of the type's own nation can fill: the scenario's stocks must supply them.
// Finland and the second Soviet-side nation make none of these categories; the Soviet airborne
// division's howitzers have no air-transportable Soviet model; Romanian assault guns exist only
// from mid-1944.
struct StockedSlot {
  int nation;
  int row;  // 0: every type of the nation
  int category;
  int untilYear;  // stocks stand in until this year's month below (0: for the whole war)
  int untilMonth;
};
const StockedSlot kStockedSlots[] = {
    {6, 0, 1, 0, 0}, {6, 0, 2, 0, 0}, {6, 0, 3, 0, 0},  {6, 0, 4, 0, 0},
    {6, 0, 5, 0, 0}, {6, 0, 8, 0, 0}, {8, 0, 3, 0, 0},  {8, 0, 4, 0, 0},
    {8, 0, 6, 0, 0}, {8, 0, 7, 0, 0}, {5, 18, 5, 0, 0}, {4, 0, 2, 1944, 6},
};

bool FromStock(int nation, int row, int category, int month, int year) {
  for (const StockedSlot& s : kStockedSlots) {
    if (s.nation != nation || (s.row != 0 && s.row != row) || s.category != category) continue;
    if (s.untilYear == 0 || year < s.untilYear || (year == s.untilYear && month < s.untilMonth)) {
      return true;
    }
  }
  return false;
}

// A model of the nation that a slot of this type may take and that the nation produces by then.
bool NationMakes(const TFormationType& t, int category, int month, int year) {
  for (int m = 1; m <= kEquipmentModelRows; ++m) {
    const TEquipmentModel& e = EquipmentModels[m];
    if (e.Category != category || e.Nation != t.Nation) continue;
    if (t.Kind == 6 && e.AirTransportable != 1) continue;
    if (e.IntroYear < year || (e.IntroYear == year && e.IntroMonth <= month)) return true;
  }
  return false;
}

TEST(AuthoredNumbersTest, EveryArmyTypeCanBeSuppliedWhileItCanBeRaised) {
  for (int year = 1941; year <= 1945; ++year) {
    for (int month = 1; month <= 12; ++month) {
      if ((year == 1941 && month < 6) || (year == 1945 && month > 5)) continue;
      for (int row = 1; row <= kFormationTypeRows; ++row) {
        const TFormationType& t = FormationTypes[row];
        if (t.Branch != 1 || !RaisableBy(t, month, year)) continue;
        for (int c = 1; c <= 8; ++c) {
          if (NominalCount(t, c) == 0) continue;
          EXPECT_TRUE(NationMakes(t, c, month, year) || FromStock(t.Nation, row, c, month, year))
              << "type " << row << " category " << c << " in " << month << "." << year;
        }
      }
    }
  }
  // Each stocked slot is really needed: the nation makes no fitting model by then.
  for (const StockedSlot& s : kStockedSlots) {
    bool needed = false;
    for (int row = 1; row <= kFormationTypeRows; ++row) {
      const TFormationType& t = FormationTypes[row];
      if (t.Nation != s.nation || (s.row != 0 && s.row != row) || t.Branch != 1) continue;
      if (NominalCount(t, s.category) == 0) continue;
      const int month = s.untilYear == 0 ? 5 : 12;
      const int year = s.untilYear == 0 ? 1945 : 1942;
      if (!NationMakes(t, s.category, month, year)) needed = true;
    }
    EXPECT_TRUE(needed) << "nation " << s.nation << " category " << s.category;
  }
}

TEST(AuthoredNumbersTest, LightPiecesAreAirTransportableHeavyOnesNot) {
  // Airborne kinds take only air-transportable models; the light pieces are marked so.
  for (int m : {201, 202, 301, 303, 304, 501, 503, 601, 603, 604, 605, 608,
                609, 610, 315, 316, 411, 620, 621, 624, 629, 323, 710}) {
    EXPECT_EQ(+EquipmentModels[m].AirTransportable, 1) << m;
  }
  for (int m : {1, 50, 109, 401, 720, 312, 407, 607, 713}) {
    EXPECT_EQ(+EquipmentModels[m].AirTransportable, 0) << m;
  }
}

// ---- Authored numbers: orderings that catch a slipped column -----------------------------------

TEST(AuthoredNumbersTest, HistoricalMatchUpsHold) {
  const TEquipmentModel& t34 = EquipmentModels[15];  // T-34/41
  for (int m : {24, 25}) {                           // T-26/33, T-26/39
    const TEquipmentModel& t26 = EquipmentModels[m];
    EXPECT_GT(+t34.InfantryAttack, +t26.InfantryAttack);
    EXPECT_GT(+t34.ArmorAttack, +t26.ArmorAttack);
    EXPECT_GT(+t34.GroundDefense, +t26.GroundDefense);
  }
  const TEquipmentModel& tiger = EquipmentModels[45];  // Pz-VIH
  const TEquipmentModel& pz4 = EquipmentModels[60];    // Pz-IVF1
  EXPECT_GE(+tiger.InfantryAttack, +pz4.InfantryAttack);
  EXPECT_GT(+tiger.ArmorAttack, +pz4.ArmorAttack);
  EXPECT_GT(+tiger.GroundDefense, +pz4.GroundDefense);
  EXPECT_GT(tiger.Movement + tiger.GroundDefense, pz4.Movement + pz4.GroundDefense);
  // Every 152mm howitzer hits men harder than any 76mm gun.
  for (int how : {403, 404, 405, 406}) {
    for (int gun : {301, 302, 303, 304, 305, 306, 307}) {
      EXPECT_GT(+EquipmentModels[how].InfantryAttack, +EquipmentModels[gun].InfantryAttack)
          << how << " vs " << gun;
    }
  }
  // Anti-tank guns out-penetrate field guns of their day; anti-aircraft guns out-shoot both upward.
  EXPECT_GT(+EquipmentModels[606].ArmorAttack, +EquipmentModels[304].ArmorAttack);  // ZIS-2 / ZIS-3
  EXPECT_GT(+EquipmentModels[613].ArmorAttack, +EquipmentModels[313].ArmorAttack);  // Pak 40 / leIG
  EXPECT_GT(+EquipmentModels[713].AirAttack, +EquipmentModels[701].AirAttack);
  // A jet fighter outclasses a biplane; an armoured assault aircraft outlasts a light bomber.
  EXPECT_GT(+AircraftModels[50].AirAttack, +AircraftModels[3].AirAttack);
  EXPECT_GT(+AircraftModels[109].AirDefense, +AircraftModels[101].AirDefense);
  EXPECT_GT(+AircraftModels[115].ArmorAttack, +AircraftModels[112].ArmorAttack);  // Ju 87G / B
}

TEST(AuthoredNumbersTest, HeavierTanksDefendBetter) {
  const std::pair<int, int> heavierLighter[] = {
      {4, 15},  {10, 20}, {3, 12},    {15, 31}, {12, 24}, {45, 63}, {47, 44},
      {51, 71}, {60, 76}, {106, 107}, {96, 98}, {87, 92}, {82, 84}, {22, 40},
  };
  for (const auto& [heavy, light] : heavierLighter) {
    EXPECT_GT(+EquipmentModels[heavy].GroundDefense, +EquipmentModels[light].GroundDefense)
        << EquipmentModels[heavy].Name.View() << " vs " << EquipmentModels[light].Name.View();
  }
}

bool NotEarlier(int monthA, int yearA, int monthB, int yearB) {
  return yearB > yearA || (yearB == yearA && monthB >= monthA);
}

TEST(AuthoredNumbersTest, LaterModelsOfOneLineAreNotWorse) {
  // The KV-1S traded armour for speed, so it starts a line of its own with the KV-85 on its hull.
  const std::vector<std::vector<int>> equipmentLines = {
      {3, 4},
      {6, 8},
      {9, 10, 11},
      {14, 15, 18, 19, 20},
      {23, 24, 25},
      {29, 30, 31, 32},
      {42, 43, 44},
      {46, 47},
      {48, 49, 50, 51, 52, 53, 54, 55},
      {58, 59, 60, 61, 62, 63, 64},
      {68, 69, 70},
      {75, 76, 77},
      {85, 86, 87, 88},
      {111, 112},
      {113, 114},
      {122, 123, 124, 125, 126},
      {129, 130},
      {135, 136},
      {138, 139},
      {204, 205},
      {208, 209},
      {210, 211},
      {234, 236},
      {302, 303, 304},
      {301, 305},
      {309, 310},
      {401, 402},
      {403, 404, 406},
      {409, 410},
      {603, 604, 605},
      {609, 611, 613},
      {703, 704, 707, 708},
      {705, 706, 707},
      {710, 711},
      {724, 725},
  };
  for (const auto& line : equipmentLines) {
    for (std::size_t i = 1; i < line.size(); ++i) {
      const TEquipmentModel& a = EquipmentModels[line[i - 1]];
      const TEquipmentModel& b = EquipmentModels[line[i]];
      SCOPED_TRACE(std::string(a.Name.View()) + " -> " + std::string(b.Name.View()));
      EXPECT_TRUE(NotEarlier(a.IntroMonth, a.IntroYear, b.IntroMonth, b.IntroYear));
      EXPECT_GE(+b.InfantryAttack, +a.InfantryAttack);
      EXPECT_GE(+b.ArmorAttack, +a.ArmorAttack);
      EXPECT_GE(+b.AirAttack, +a.AirAttack);
      EXPECT_GE(+b.GroundDefense, +a.GroundDefense);
    }
  }
  const std::vector<std::vector<int>> aircraftLines = {
      // rows, model number - 800
      {1, 2, 3},       {10, 11, 12, 13}, {15, 16},        {19, 20},   {21, 22, 23},
      {24, 30},        {36, 37, 38},     {43, 44, 45},    {46, 47},   {51, 52, 53, 54},
      {109, 110, 111}, {112, 113},       {201, 202},      {205, 206}, {303, 304},
      {313, 314},      {315, 316, 317},  {216, 217, 218},
  };
  for (const auto& line : aircraftLines) {
    for (std::size_t i = 1; i < line.size(); ++i) {
      const TAircraftModel& a = AircraftModels[line[i - 1]];
      const TAircraftModel& b = AircraftModels[line[i]];
      SCOPED_TRACE(std::string(a.Name.View()) + " -> " + std::string(b.Name.View()));
      EXPECT_TRUE(NotEarlier(a.IntroMonth, a.IntroYear, b.IntroMonth, b.IntroYear));
      EXPECT_GE(+b.InfantryAttack, +a.InfantryAttack);
      EXPECT_GE(+b.ArmorAttack, +a.ArmorAttack);
      EXPECT_GE(+b.AirAttack, +a.AirAttack);
      EXPECT_GE(+b.AirDefense, +a.AirDefense);
    }
  }
}

TEST(AuthoredNumbersTest, GunsOfOneBarrelRateAlikeAgainstArmour) {
  // Each family is one gun firing one shell, towed, in a tank or on an anti-aircraft mounting.
  const std::vector<std::vector<int>> families = {
      {601, 609, 48, 49, 224, 227, 29},  // 37mm L/45: 1-K, Pak 35/36, KwK 36
      {603, 604, 24, 25, 30, 31, 32, 38, 40, 41, 7, 203, 204, 205, 206, 207},  // 45mm 20-K
      {58, 59, 60, 56, 122, 123, 226, 222, 215, 218},                          // 75mm L/24
      {303, 304, 15, 16, 18, 19, 6, 111, 112, 161},  // 76mm F-22, ZiS-3, F-34, ZiS-5
      {708, 308, 113, 114, 8, 9, 20, 21, 22},        // 85mm 52-K, D-5, ZiS-S-53, D-44
      {713, 722, 723, 45},                           // 88mm L/56
      {410, 147, 142},                               // 105mm leFH 18
      {402, 116},                                    // 122mm M-30
      {311, 10, 11, 118},                            // 122mm A-19, D-25
      {619, 138, 139},                               // 128mm Pak 44
  };
  for (const auto& family : families) {
    const TEquipmentModel& first = EquipmentModels[family[0]];
    for (int m : family) {
      EXPECT_EQ(+EquipmentModels[m].ArmorAttack, +first.ArmorAttack)
          << EquipmentModels[m].Name.View() << " vs " << first.Name.View();
    }
  }
}

TEST(AuthoredNumbersTest, TypesFollowTheirTablesOfOrganisation) {
  // Armour formations carry armour, artillery formations guns, air defence anti-aircraft guns,
  // cavalry horses; a column that slipped would break one of these.
  for (int row = 1; row <= kFormationTypeRows; ++row) {
    const TFormationType& t = FormationTypes[row];
    if (t.Nation == 0 || t.Branch != 1) continue;
    SCOPED_TRACE(row);
    const int guns = t.FieldGuns + t.Howitzers + t.ATGuns + t.Mortars + t.SPGuns;
    switch (t.Kind) {
      case 4:
        EXPECT_GT(t.Tanks + t.SPGuns + t.ArmouredCars + t.FieldGuns, 0);
        break;
      case 7:
        EXPECT_GT(+t.Horses, +t.Cars);
        break;
      case 9:
        EXPECT_GT(guns, 0);
        break;
      case 10:
        EXPECT_GT(+t.AAGuns, guns);
        break;
      default:
        EXPECT_GT(+t.Men, 1000);
        break;
    }
  }
}

}  // namespace
}  // namespace gm
