// The order of battle and economy of 22 June 1941 as the builder writes them: the loader and the
// start-up record check keep every formation, each side stands on its own side of the border and
// in its district, the slots hold the right models, no nation holds more than it had, and the
// first days of the economy cut no production.
#include "tools/scenario/order_of_battle.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "tools/scenario/scenario_build.hpp"
#include "tools/scenario/source_data.hpp"
#include "world/calendar.hpp"
#include "world/daily_economy.hpp"
#include "world/formation_check.hpp"
#include "world/production_status.hpp"
#include "world/tables/tables.hpp"
#include "world/world_access.hpp"
#include "world/world_file.hpp"

namespace gm::scenario {
namespace {

std::string DataDir() {
  return GM_SCENARIO_DATA_DIR;
}

struct Built {
  std::unique_ptr<World> world = std::make_unique<World>();
  BuildResult result;
  std::vector<std::uint8_t> bytes;
};

std::unique_ptr<Built> Build() {
  auto b = std::make_unique<Built>();
  const Status s = BuildScenario(DataDir(), *b->world, b->result);
  EXPECT_TRUE(s.IsOk()) << s.Message();
  const Status e = EncodeWorldFile(*b->world, WorldFileKind::kScenario, b->bytes);
  EXPECT_TRUE(e.IsOk()) << e.Message();
  return b;
}

const Built& Scenario() {
  static const Built* built = Build().release();
  return *built;
}

const OrderOfBattle& Data() {
  static const OrderOfBattle* oob = [] {
    auto* o = new OrderOfBattle;
    const Status s = LoadOrderOfBattle(DataDir() + "/oob_1941.txt", *o);
    EXPECT_TRUE(s.IsOk()) << s.Message();
    return o;
  }();
  return *oob;
}

// The country outlines the districts are drawn on.
const std::vector<Country>& Countries() {
  static const SourceData* src = [] {
    auto* d = new SourceData;
    const Status s = LoadSourceData(DataDir(), *d);
    EXPECT_TRUE(s.IsOk()) << s.Message();
    return d;
  }();
  return src->countries;
}

std::string TempOob(const std::string& text) {
  const std::string path =
      ::testing::TempDir() + "/oob_case_" + std::to_string(::getpid()) + ".txt";
  std::ofstream(path) << "# header\n" << text;
  return path;
}

// Places a small order of battle on a copy of the built scenario, beside its formations.
struct Placed {
  OrderOfBattle oob;
  Theatre theatre = Scenario().result.theatre;
  std::vector<std::uint16_t> tiles = Scenario().result.tiles;
  std::unique_ptr<World> world = std::make_unique<World>(*Scenario().world);
  Status status = Status::Ok();
};

std::unique_ptr<Placed> PlaceOnScenario(const std::string& text) {
  auto p = std::make_unique<Placed>();
  const Status loaded = LoadOrderOfBattle(TempOob(text), p->oob);
  EXPECT_TRUE(loaded.IsOk()) << loaded.Message();
  p->status = PlaceOrderOfBattle(p->oob, Countries(), p->theatre, p->tiles, *p->world);
  return p;
}

bool Soviet(const TFormation& f) {
  return InNationSet(kSovietNations, NationOf(f));
}

TEST(OrderOfBattleTest, LoaderAndStartUpCheckKeepEveryFormation) {
  const Built& b = Scenario();
  const Status v = ValidateWorldFile(b.bytes, WorldFileKind::kScenario, "evrasia.scn");
  ASSERT_TRUE(v.IsOk()) << v.Message();
  auto loaded = std::make_unique<World>();
  ASSERT_TRUE(DecodeWorldFile(b.bytes, WorldFileKind::kScenario, "evrasia.scn", *loaded).IsOk());
  int used = 0;
  for (int n = 1; n <= kMaxFormations; ++n) {
    const TFormation& before = Formation(*b.world, n);
    const TFormation& after = Formation(*loaded, n);
    used += before.Branch != 0;
    EXPECT_EQ(std::memcmp(&before, &after, sizeof(TFormation)), 0) << "record " << n;
    if (before.Branch != 0) {
      EXPECT_FALSE(FormationRecordFails(before, kTheatreArea)) << "record " << n;
    }
  }
  EXPECT_GT(used, 600);
  EXPECT_EQ(CheckFormationRecords(*loaded, kTheatreArea), 0);
}

TEST(OrderOfBattleTest, TwoBuildsPlaceTheSameForces) {
  const auto second = Build();
  EXPECT_TRUE(second->bytes == Scenario().bytes);
}

TEST(OrderOfBattleTest, EachSideOnItsOwnSideOfTheBorderAndCellsInStep) {
  const World& w = *Scenario().world;
  const Theatre& t = Scenario().result.theatre;
  for (int n = 1; n <= kMaxFormations; ++n) {
    const TFormation& f = Formation(w, n);
    if (f.Branch == 0) continue;
    const int x = f.X, y = f.Y;
    ASSERT_TRUE(InTheatre(x, y)) << n;
    EXPECT_EQ(f.xCopy, f.X);
    EXPECT_EQ(f.yCopy, f.Y);
    EXPECT_EQ(f.OrdersLeft, 2);
    const std::uint32_t side = Soviet(f) ? kSovietNations : kGermanNations;
    EXPECT_TRUE(InNationSet(side, t.holder[Theatre::Index(x, y)])) << "formation " << n;
    const TMapCell& c = Cell(w, x, y);
    EXPECT_EQ(TerrainTiles[c.Terrain].MoveCost != 255, true) << n;
    if (c.Settlement != 0) {
      const TSettlement& s = Settlement(w, c.Settlement);
      EXPECT_NE(s.OwnerNation, kNeutralNation) << n;
      EXPECT_TRUE(InNationSet(side, s.HolderNation)) << n;
    }
    if (f.Branch == 1) {
      EXPECT_EQ(c.GroundFormation, n);
    } else {
      EXPECT_EQ(c.AirFormation, n);
      EXPECT_EQ(c.Terrain, 53) << "air formation " << n << " off an airbase";
    }
  }
  // Every cell word names a used record standing there.
  for (int y = kTheatreMinY; y <= kTheatreMaxY; ++y)
    for (int x = kTheatreMinX; x <= kTheatreMaxX; ++x)
      for (int word : {Cell(w, x, y).GroundFormation, Cell(w, x, y).AirFormation}) {
        if (word == 0) continue;
        const TFormation* f = UsedFormation(w, word);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->X, x);
        EXPECT_EQ(f->Y, y);
      }
}

TEST(OrderOfBattleTest, TheOpeningViewHoldsBothSides) {
  const World& w = *Scenario().world;
  int soviet = 0, german = 0;
  for (int y = 208; y <= 216; ++y)
    for (int x = 154; x <= 165; ++x)
      if (const TFormation* f = UsedFormation(w, Cell(w, x, y).GroundFormation))
        ++(Soviet(*f) ? soviet : german);
  EXPECT_GT(soviet, 0);
  EXPECT_GT(german, 0);
}

TEST(OrderOfBattleTest, AnAreaKeepsItsFormationsToItsDistrict) {
  // Forty brigades on the border by Grodno: the free border cells nearest to the anchor soon run
  // into Lithuania, which was the Baltic district's.
  const std::string areas[] = {"area a border 23.85,53.7\n",
                               "area a border district=western 23.85,53.7\n"};
  const std::string districts =
      "default 5 4 301:1\ndefault 5 6 503:1\ndefault 5 7 604:1\n"
      "district western Belarus\n"
      "district western Poland 21.0,51.0 26.0,51.0 26.0,53.95 21.0,53.95\n";
  int outside[2] = {0, 0};
  for (int kept = 0; kept < 2; ++kept) {
    const auto p = PlaceOnScenario(districts + areas[kept] + "unit 5 20 40 a\n");
    ASSERT_TRUE(p->status.IsOk()) << p->status.Message();
    for (int n = 1; n <= 40; ++n) {
      const TFormation& f = Formation(*p->world, n);
      outside[kept] += !InDistrict(p->oob.districts[0], Countries(), p->theatre, f.X, f.Y);
    }
  }
  EXPECT_GT(outside[0], 0);
  EXPECT_EQ(outside[1], 0);
  // An anchor in another district is a fault of the data, named by its line.
  const auto p =
      PlaceOnScenario("district d Finland\narea a district=d 24.0,52.0\nunit 5 20 1 a\n");
  ASSERT_FALSE(p->status.IsOk());
  EXPECT_NE(p->status.Message().find(":3: anchor"), std::string::npos) << p->status.Message();
  EXPECT_NE(p->status.Message().find("outside the d district"), std::string::npos);
}

TEST(OrderOfBattleTest, NoNationHoldsMoreThanItHadOnHand) {
  const World& w = *Scenario().world;
  // The Pak 38 of the German formations and depots; the Hurricanes of the Romanian air
  // regiments, counted by their economy model number; the T-34s of both guns together.
  const OnHand tooFew[] = {{2, {611}, 100, 7}, {4, {882}, 0, 9}, {5, {14, 15}, 1000, 11}};
  const char* named[] = {"model 611", "model 882", "model 14+15"};
  for (int k = 0; k < 3; ++k) {
    const OnHand& h = tooFew[k];
    OrderOfBattle oob;
    oob.onHand = {h};
    const Status s = CheckOnHand(oob, w);
    ASSERT_FALSE(s.IsOk()) << named[k];
    EXPECT_NE(s.Message().find(":" + std::to_string(h.line) + ": nation"), std::string::npos)
        << s.Message();
    EXPECT_NE(s.Message().find(named[k]), std::string::npos) << s.Message();
  }
  // A nation whose holdings are on record holds no model without a limit: the Soviet formations
  // and parks hold more than the T-34s.
  OrderOfBattle oob;
  oob.countedLine[5] = 4;
  oob.onHand = {{5, {14, 15}, 60000, 11}};
  const Status s = CheckOnHand(oob, w);
  ASSERT_FALSE(s.IsOk());
  EXPECT_NE(s.Message().find(":4: nation 5 holds"), std::string::npos) << s.Message();
  EXPECT_NE(s.Message().find("which no onhand line limits"), std::string::npos) << s.Message();
}

TEST(OrderOfBattleTest, NamedFormationsStandByTheirGarrisons) {
  const World& w = *Scenario().world;
  const Theatre& t = Scenario().result.theatre;
  struct Case {
    Garrison garrison;
    const char* message;
  };
  // The 5th Tank Division's garrison was Alytus, not Tallinn; no 999th; no such town.
  const Case cases[] = {
      {{5, 1, 5, "Tallinn", 3}, ":3: formation type 1 number 5 of nation 5 stands"},
      {{5, 1, 999, "Alytus", 4}, ":4: no formation type 1 number 999"},
      {{5, 1, 5, "Atlantis", 5}, ":5: no town named Atlantis"},
  };
  for (const Case& c : cases) {
    OrderOfBattle oob;
    oob.garrisons = {c.garrison};
    const Status s = CheckGarrisons(oob, t, w);
    ASSERT_FALSE(s.IsOk()) << c.message;
    EXPECT_NE(s.Message().find(c.message), std::string::npos) << s.Message();
  }
}

TEST(OrderOfBattleTest, TheDistrictsCorpsEachHaveTheirGarrisons) {
  const World& w = *Scenario().world;
  const Theatre& t = Scenario().result.theatre;
  auto unit = [](int type, int count, const char* area, std::vector<int> numbers, int line) {
    UnitLine u;
    u.nation = 5;
    u.type = type;
    u.count = count;
    u.area = area;
    u.numbers = std::move(numbers);
    u.line = line;
    return u;
  };
  struct Case {
    UnitLine unit;
    std::vector<Garrison> garrisons;
    const char* message;  // "" when the line passes
  };
  const Case cases[] = {
      // A tank division of a district's area with no garrison line at all.
      {unit(1, 1, "d", {25}, 7), {}, ":7: formation type 1 number 25 of nation 5 in district"},
      // The second motorised division of the line has no number to look its garrison up by.
      {unit(12, 2, "d", {29}, 8), {{5, 12, 29, "Slonim", 3}}, ":8: formation 2 of type 12"},
      // The 6th Cavalry Division's number is garrisoned, but as a tank division's.
      {unit(15, 1, "d", {6}, 9), {{5, 1, 6, "Lomzha", 3}}, ":9: formation type 15 number 6"},
      // Garrisoned: the 4th Tank Division at Belostok.
      {unit(1, 1, "d", {4}, 10), {{5, 1, 4, "Belostok", 3}}, ""},
      // The reserve armies' areas name no district, and rifle divisions need no garrison.
      {unit(1, 1, "r", {25}, 11), {}, ""},
      {unit(7, 1, "d", {0}, 12), {}, ""},
  };
  for (const Case& c : cases) {
    OrderOfBattle oob;
    Area district, reserve;
    district.district = "western";
    oob.areas = {{"d", district}, {"r", reserve}};
    oob.garrisoned = {{5, {1, 12, 15}, 2}};
    oob.units = {c.unit};
    oob.garrisons = c.garrisons;
    const Status s = CheckGarrisons(oob, t, w);
    if (*c.message == 0) {
      EXPECT_TRUE(s.IsOk()) << "line " << c.unit.line << ": " << s.Message();
      continue;
    }
    ASSERT_FALSE(s.IsOk()) << c.message;
    EXPECT_NE(s.Message().find(c.message), std::string::npos) << s.Message();
    EXPECT_NE(s.Message().find("garrisoned at line 2"), std::string::npos) << s.Message();
  }
}

TEST(OrderOfBattleTest, CountsByNationFollowTheDataTable) {
  const World& w = *Scenario().world;
  const ForceCounts planned = PlannedCounts(Data());
  ForceCounts built;
  for (const TFormation& f : w.Formations)
    if (f.Branch != 0) ++(f.Branch == 1 ? built.ground : built.air)[NationOf(f)];
  for (int n = 1; n <= 8; ++n) {
    EXPECT_LE(std::abs(built.ground[n] - planned.ground[n]) * 10, planned.ground[n]) << n;
    EXPECT_LE(std::abs(built.air[n] - planned.air[n]) * 10, planned.air[n]) << n;
  }
  // The historical scale: about 150 German and 170 Soviet divisions in the border districts.
  EXPECT_GE(planned.ground[2], 150);
  EXPECT_GE(planned.ground[5], 250);
  for (int n : {1, 3, 4, 6, 7}) EXPECT_GT(planned.ground[n], 0) << n;
}

TEST(OrderOfBattleTest, SlotsHoldModelsOfTheirCategoryInServiceByJune1941) {
  const World& w = *Scenario().world;
  // Category of each ground pair; 0 for the pairs an army formation leaves empty.
  constexpr int kCategoryOfPair[31] = {1, 1, 1, 1, 1, 1, 0, 0, 2, 2, 2, 3, 3, 3, 4, 4,
                                       4, 4, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 8, 8, 8};
  for (int n = 1; n <= kMaxFormations; ++n) {
    const TFormation& f = Formation(w, n);
    if (f.Branch == 0) continue;
    const TFormationType& type = TypeOf(f);
    int tanks = 0;
    for (int k = 0; k < kEquipmentPairs; ++k) {
      const int count = f.pairs[k].Count, model = f.pairs[k].Model;
      if (count == 0) {
        EXPECT_EQ(model, 0);
        continue;
      }
      int month = 0, year = 0;
      if (f.Branch == 1) {
        ASSERT_NE(kCategoryOfPair[k], 0) << n;
        ASSERT_GE(model, 1);
        ASSERT_LE(model, kEquipmentModelRows);
        const TEquipmentModel& e = EquipmentModels[model];
        const int category = e.Category, portable = e.AirTransportable, kind = type.Kind;
        EXPECT_EQ(category, kCategoryOfPair[k]) << "formation " << n << " pair " << k;
        if (kind == 6) {
          EXPECT_NE(portable, 0) << n;
        }
        month = e.IntroMonth;
        year = e.IntroYear;
        if (k < 6) tanks += count;
      } else {
        ASSERT_LT(k, 8) << n;
        ASSERT_GE(model, 1);
        ASSERT_LE(model, kAircraftModelRows);
        const TAircraftModel& a = AircraftModels[model];
        const int nominal[4] = {type.Fighters, type.TacticalBombers, type.Bombers,
                                type.LevelBombers};
        const int cls = a.Class;
        ASSERT_GE(cls, 100);
        EXPECT_GT(nominal[cls - 100], 0) << "formation " << n << " holds a class it lacks";
        month = a.IntroMonth;
        year = a.IntroYear;
      }
      EXPECT_TRUE(year < 1941 || (year == 1941 && month < 7)) << "formation " << n;
    }
    const int nominalTanks = type.Tanks, nominalMen = type.Men;
    EXPECT_LE(tanks, nominalTanks) << n;
    EXPECT_LE(f.Men, nominalMen) << n;
    EXPECT_GE(f.Experience, 1);
    EXPECT_LE(f.Morale, 600);
    EXPECT_LE(f.Ammo, 10);
  }
}

TEST(OrderOfBattleTest, TheFirstWeeksOfTheEconomyCutNoProduction) {
  auto w = std::make_unique<World>(*Scenario().world);
  const TEconomy before = w->Economy;
  // The statuses are those a new game sets, so the computer's choices start from the scenario's.
  InitProductionStatus(*w);
  EXPECT_EQ(std::memcmp(before.ProductionStatus.data(), w->Economy.ProductionStatus.data(),
                        before.ProductionStatus.size()),
            0);
  for (int n = 1; n <= 8; ++n) {
    EXPECT_GT(w->Economy.RecruitPool[NationIndex(n)], 0) << n;
    bool produces = false;
    for (int m = 1; m <= kEquipmentModelRows; ++m) {
      const int rate = ProductionRateOf(w->Economy, n, m);
      if (rate == 0) continue;
      produces = true;
      const int maker = EquipmentModels[m].Nation;
      EXPECT_EQ(maker, n) << "model " << m;
      EXPECT_EQ(ProductionStatusOf(w->Economy, n, m), 2) << "model " << m;
    }
    EXPECT_EQ(produces, n != 8) << n;
  }
  w->SideOnMove = kGermanSide;
  w->OpeningCoalition = kSovietSide;
  for (int day = 0; day < 30; ++day) {
    AdvanceDate(*w);
    DailyEconomy(*w);
  }
  EXPECT_EQ(w->GameHeader.Month, 7);
  EXPECT_TRUE(w->Economy.ProductionRate == before.ProductionRate);
  // Aircraft are neither made nor lost by the daily step.
  for (int n = 1; n <= 8; ++n)
    for (int m = 801; m <= kModelColumns; ++m)
      EXPECT_EQ(EquipmentStockOf(w->Economy, n, m), before.EquipmentStock[EconomyIndex(n, m)]);
}

// The refit brings every formation on the map up to its type's strength from its nation's pools,
// so each pool holds at least what the nation's ground formations lack of their types' men, cars
// and horses: the men who fill them stand among the conscripts.
TEST(OrderOfBattleTest, ThePoolsHoldWhatTheFormationsLackOfTheirTypes) {
  const World& w = *Scenario().world;
  struct Lack {
    std::int64_t men = 0, cars = 0, horses = 0;
  };
  Lack lack[kNations + 1];
  auto missing = [](int staff, int held) { return std::max(0, staff - held); };
  for (const TFormation& f : w.Formations) {
    if (f.Branch != kArmyBranch) continue;
    const TFormationType& t = TypeOf(f);
    ASSERT_TRUE(t.Nation >= 1 && t.Nation <= kNations) << t.Nation;
    lack[t.Nation].men += missing(t.Men, f.Men);
    lack[t.Nation].cars += missing(t.Cars, f.Cars);
    lack[t.Nation].horses += missing(t.Horses, f.Horses);
  }
  EXPECT_GT(lack[5].men, 0);  // the Soviet formations stood below their types' strength
  const TEconomy& e = w.Economy;
  for (int n = 1; n <= kNations; ++n) {
    EXPECT_GE(e.RecruitPool[NationIndex(n)], lack[n].men) << "nation " << n;
    EXPECT_GE(e.CarPool[NationIndex(n)], lack[n].cars) << "nation " << n;
    EXPECT_GE(e.HorsePool[NationIndex(n)], lack[n].horses) << "nation " << n;
  }
}

TEST(OrderOfBattleTest, StockFillsTheSlotsNoFactoryCan) {
  const TEconomy& e = Scenario().world->Economy;
  auto stocked = [&e](int nation, int category) {
    for (int m = 1; m <= kEquipmentModelRows; ++m)
      if (EquipmentModels[m].Category == category && e.EquipmentStock[EconomyIndex(nation, m)] > 0)
        return true;
    return false;
  };
  for (int c : {1, 2, 3, 4, 5, 8}) EXPECT_TRUE(stocked(6, c)) << "Finland, category " << c;
  for (int c : {3, 4, 6, 7}) EXPECT_TRUE(stocked(8, c)) << "nation 8, category " << c;
  EXPECT_TRUE(stocked(4, 2));  // Romania's assault guns
  for (int n : {2, 5}) {
    int aircraft = 0;
    for (int m = 801; m <= kModelColumns; ++m) aircraft += e.EquipmentStock[EconomyIndex(n, m)];
    EXPECT_GT(aircraft, 100) << n;
  }
}

TEST(OrderOfBattleTest, BadLinesAreNamed) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"area a 24,52\nunit 2 1 1 a\n", "not raised by nation"},
      {"area a 24,52\nunit 5 2 1 a\n", "before 22 June 1941"},
      {"kit k 1 301:10\n", "not of category"},
      {"kit k 1 14:10 19:10\n", "not in service"},
      {"unit 2 74 1 nowhere\n", "no area named"},
      {"area a 24,52\nunit 2 74 1 a men=120\n", "percentages"},
      {"area a 24,52\nunit 2 74 2 a numbers=1,2,3\n", "more numbers"},
      {"kit k air 50:1\n", "not in service"},
      {"tank 2\n", "unknown keyword"},
      {"district d Finland 24,52 25,52\n", "three points"},
      {"area a district=d 24,52\n", "no district named d"},
      {"onhand 2 611\n", "onhand <nation>"},
      {"onhand 2 119 10\n", "empty model row"},
      {"onhand 4 882 12\nonhand 4 882 5\n", "given twice"},
      {"onhand 5 14+14 1225\n", "given twice"},
      {"onhand 5 14+ 1225\n", "onhand <nation>"},
      {"counted 5\ncounted 5\n", "counted twice"},
      {"garrison 5 1 5\n", "garrison <nation>"},
      {"garrisoned 5 74\n", "not raised by nation"},
      {"garrisoned 5 1\ngarrisoned 5 12\n", "garrisoned twice"},
  };
  for (const Case& c : cases) {
    const std::string path = TempOob(c.text);
    OrderOfBattle oob;
    const Status s = LoadOrderOfBattle(path, oob);
    ASSERT_FALSE(s.IsOk()) << c.text;
    EXPECT_NE(s.Message().find(c.message), std::string::npos) << s.Message();
    EXPECT_NE(s.Message().find(":"), std::string::npos);
  }
  OrderOfBattle none;
  EXPECT_FALSE(LoadOrderOfBattle(TempOob("") + ".missing", none).IsOk());
}

}  // namespace
}  // namespace gm::scenario
