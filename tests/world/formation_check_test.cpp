// The record check: which formation records are wiped, what of them stays, and the cells.
#include "world/formation_check.hpp"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/world/synthetic_world.hpp"
#include "world/world_file.hpp"

namespace gm {
namespace {

TFormation ValidArmy() {
  TFormation f{};
  f.Branch = 1;
  f.FormationType = testing::TypeRows(1).front();
  f.X = f.xCopy = 100;
  f.Y = f.yCopy = 100;
  f.Men = 5000;
  f.pairs[0] = {10, 800};
  f.pairs[30] = {3, 1};
  f.reserved87[12] = 0xBEEF;
  return f;
}

TFormation ValidAir() {
  TFormation f = ValidArmy();
  f.Branch = 2;
  f.FormationType = testing::TypeRows(2).front();
  f.pairs = {};
  f.pairs[0] = {12, 400};
  f.pairs[7] = {1, 1};
  return f;
}

struct CheckCase {
  const char* name;
  TFormation record;
  bool wiped;
};

std::vector<CheckCase> Cases() {
  std::vector<CheckCase> cases;
  auto add = [&](const char* name, bool wiped, auto change, TFormation base = ValidArmy()) {
    change(base);
    cases.push_back({name, base, wiped});
  };
  add("valid army", false, [](TFormation&) {});
  add(
      "valid air", false, [](TFormation&) {}, ValidAir());
  add("corner 359,30", false, [](TFormation& f) {
    f.X = f.xCopy = 359;
    f.Y = f.yCopy = 30;
  });
  add("corner 0,329", false, [](TFormation& f) {
    f.X = f.xCopy = 0;
    f.Y = f.yCopy = 329;
  });
  add("column 360", true, [](TFormation& f) { f.X = f.xCopy = 360; });
  add("row 29", true, [](TFormation& f) { f.Y = f.yCopy = 29; });
  add("row 330", true, [](TFormation& f) { f.Y = f.yCopy = 330; });
  add("only the copy at column 360", true, [](TFormation& f) { f.xCopy = 360; });
  add("only the copy at row 29", true, [](TFormation& f) { f.yCopy = 29; });
  add("branch 0", true, [](TFormation& f) { f.Branch = 0; });
  add("type 0", true, [](TFormation& f) { f.FormationType = 0; });
  add("army model 801", true, [](TFormation& f) { f.pairs[5] = {1, 801}; });
  add("army model 0 with a count", true, [](TFormation& f) { f.pairs[9] = {1, 0}; });
  add("empty pair with any model", false, [](TFormation& f) { f.pairs[9] = {0, 65535}; });
  add("pair 6 model 400", false, [](TFormation& f) { f.pairs[6] = {1, 400}; });
  add("pair 7 model 401", true, [](TFormation& f) { f.pairs[7] = {1, 401}; });
  // An air formation's pairs 0..5 are checked as any formation's, against the 800 equipment
  // rows; only pairs 6 and 7 stop at 400. Aircraft rows are the whole-world check's business.
  add(
      "air pair 0 model 401", false,
      [](TFormation& f) {
        f.pairs[0] = {1, 401};
      },
      ValidAir());
  add(
      "air pair 5 model 800", false,
      [](TFormation& f) {
        f.pairs[5] = {1, 800};
      },
      ValidAir());
  add(
      "air pair 5 model 801", true,
      [](TFormation& f) {
        f.pairs[5] = {1, 801};
      },
      ValidAir());
  add(
      "air pair 6 model 401", true,
      [](TFormation& f) {
        f.pairs[6] = {1, 401};
      },
      ValidAir());
  add(
      "air pair 8 model 800", false,
      [](TFormation& f) {
        f.pairs[8] = {1, 800};
      },
      ValidAir());
  return cases;
}

TEST(FormationCheck, WipesExactlyTheRecordsThatCannotBeValid) {
  for (const CheckCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FormationRecordFails(c.record, kTheatreArea), c.wiped);

    auto w = std::make_unique<World>();
    w->Formations[41] = c.record;
    const std::uint16_t x = c.record.X < 1000 ? c.record.X : 0;
    const std::uint16_t y = c.record.Y < 400 ? c.record.Y : 0;
    TMapCell& cell = w->MapCells[y * kMapWidth + x];
    (c.record.Branch == 2 ? cell.AirFormation : cell.GroundFormation) = 42;
    const bool used = c.record.Branch != 0;
    EXPECT_EQ(CheckFormationRecords(*w, kTheatreArea), c.wiped && used ? 1 : 0);
    const TFormation& f = w->Formations[41];
    if (c.wiped) {
      // Words 0..86 cleared, the carried words 87..99 kept, and no cell names the record.
      const std::uint8_t zero[174] = {};
      EXPECT_EQ(std::memcmp(&f, zero, 174), 0);
      EXPECT_EQ(f.reserved87[12], 0xBEEF);
      EXPECT_EQ(cell.GroundFormation, 0);
      EXPECT_EQ(cell.AirFormation, 0);
    } else {
      EXPECT_EQ(std::memcmp(&f, &c.record, sizeof f), 0);
      EXPECT_EQ(c.record.Branch == 2 ? cell.AirFormation : cell.GroundFormation, 42);
    }
  }
}

TEST(FormationCheck, ASaveKeepsFormationsAnywhereOnTheMapItStores) {
  struct Case {
    int x, y, mapWidth, mapHeight;
    bool wiped;
  };
  const Case cases[] = {
      {100, 29, 1000, 400, false},  // an interceptor beside a target on row 30
      {360, 100, 1000, 400, false}, {0, 0, 1000, 400, false}, {999, 399, 1000, 400, false},
      {400, 100, 400, 400, true},  // beyond the columns the save stores
      {100, 200, 1000, 200, true},  {0, 0, 0, 0, true},
  };
  for (const Case& c : cases) {
    TFormation f = ValidAir();
    f.X = f.xCopy = static_cast<std::uint16_t>(c.x);
    f.Y = f.yCopy = static_cast<std::uint16_t>(c.y);
    TGameHeader h{};
    h.MapWidth = static_cast<std::uint16_t>(c.mapWidth);
    h.MapHeight = static_cast<std::uint16_t>(c.mapHeight);
    EXPECT_EQ(FormationRecordFails(f, StoredMapArea(h)), c.wiped)
        << c.x << "," << c.y << " on " << c.mapWidth << " x " << c.mapHeight;
  }
}

TEST(FormationCheck, ClearsCellWordsNamingFreeRecordsAnywhereOnTheMap) {
  auto w = std::make_unique<World>();
  w->Formations[0] = ValidArmy();
  w->MapCells[0].GroundFormation = 1;    // a used record: kept
  w->MapCells[1].GroundFormation = 2;    // a free record
  w->MapCells[2].AirFormation = 10'000;  // a free record at the end of the table
  w->MapCells[399'999].AirFormation = 2;
  CheckFormationRecords(*w, kTheatreArea);
  EXPECT_EQ(w->MapCells[0].GroundFormation, 1);
  EXPECT_EQ(w->MapCells[1].GroundFormation, 0);
  EXPECT_EQ(w->MapCells[2].AirFormation, 0);
  EXPECT_EQ(w->MapCells[399'999].AirFormation, 0);
}

TEST(FormationCheck, WipesTheScenarioButRefusesASave) {
  // A record that fails the check: the scenario loses it with its cell word at start-up, while a
  // save holding one is damaged (no game writes it) and is refused, naming it.
  auto source = testing::MakeSyntheticWorld([] {
    testing::SyntheticOptions o;
    o.formations = 50;
    o.usedFormations = 50;
    o.settlements = 10;
    return o;
  }());
  TFormation& bad = source->Formations[10];  // army formation 11, at cell (11, 30)
  ASSERT_EQ(bad.Branch, 1);
  bad.pairs[8] = {5, 900};
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(EncodeWorldFile(*source, WorldFileKind::kScenario, bytes));
  auto w = std::make_unique<World>();
  ASSERT_TRUE(DecodeWorldFile(bytes, WorldFileKind::kScenario, "s", *w));
  EXPECT_EQ(w->Formations[10].Branch, 0);
  EXPECT_EQ(w->MapCells[30 * kMapWidth + 11].GroundFormation, 0);
  EXPECT_EQ(w->MapCells[30 * kMapWidth + 12].GroundFormation, 12);

  ASSERT_TRUE(EncodeWorldFile(*source, WorldFileKind::kSave, bytes));
  const Status s = DecodeWorldFile(bytes, WorldFileKind::kSave, "slot1.sav", *w);
  EXPECT_FALSE(s);
  EXPECT_NE(
      s.Message().find("slot1.sav: formation 11 fails the record check: pair 8 holds model 900"),
      std::string::npos)
      << s.Message();
}

}  // namespace
}  // namespace gm
