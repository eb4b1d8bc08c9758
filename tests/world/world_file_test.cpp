// The scenario and save layout: byte images, and refusal of every malformed file with the world
// left exactly as it was.
#include "world/world_file.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "platform/log.hpp"
#include "tests/world/sanitizer_build.hpp"
#include "tests/world/synthetic_world.hpp"
#include "world/world_check.hpp"

namespace gm {
namespace {

using testing::CopyWorld;
using testing::MakeSyntheticWorld;
using testing::SameBytes;
using testing::SyntheticOptions;
using testing::WorldHash;

// A small world keeps the byte tables quick: the map is still whole.
SyntheticOptions Small() {
  SyntheticOptions o;
  o.formations = 40;
  o.settlements = 30;
  o.usedFormations = 25;
  return o;
}

std::vector<std::uint8_t> Encode(const World& w, WorldFileKind kind) {
  std::vector<std::uint8_t> bytes;
  EXPECT_TRUE(EncodeWorldFile(w, kind, bytes));
  return bytes;
}

template <typename T>
void Poke(std::vector<std::uint8_t>& b, std::size_t offset, T value) {
  std::memcpy(b.data() + offset, &value, sizeof value);
}

constexpr std::size_t kCells = 1000;
constexpr std::size_t kFormationsAt = kCells + 4'000'000;

TEST(WorldFile, BlocksFollowOneAnotherWithoutGaps) {
  auto w = MakeSyntheticWorld(Small());
  const auto bytes = Encode(*w, WorldFileKind::kSave);
  ASSERT_EQ(bytes.size(), 1000u + 4'000'000 + 40 * 200 + 30 * 50 + 80'000);
  EXPECT_EQ(bytes.size(), WorldFileSize(w->GameHeader, WorldFileKind::kSave));
  EXPECT_EQ(std::memcmp(bytes.data(), &w->GameHeader, 1000), 0);
  EXPECT_EQ(std::memcmp(bytes.data() + kCells + 10 * (1000 * 7 + 3), &w->MapCells[7003], 10), 0);
  EXPECT_EQ(std::memcmp(bytes.data() + kFormationsAt + 200 * 39, &w->Formations[39], 200), 0);
  const std::size_t settlementsAt = kFormationsAt + 40 * 200;
  EXPECT_EQ(std::memcmp(bytes.data() + settlementsAt + 50 * 29, &w->Settlements[29], 50), 0);
  EXPECT_EQ(std::memcmp(bytes.data() + settlementsAt + 30 * 50, &w->Economy, 80'000), 0);
}

TEST(WorldFile, SaveOfASmallerMapStoresOnlyItsRowsAndColumns) {
  // No formation stands in the theatre beyond the six cells the save stores.
  auto w = MakeSyntheticWorld([] {
    SyntheticOptions o = Small();
    o.usedFormations = 0;
    return o;
  }());
  w->GameHeader.MapWidth = 3;
  w->GameHeader.MapHeight = 2;
  const auto bytes = Encode(*w, WorldFileKind::kSave);
  ASSERT_EQ(bytes.size(), 1000u + 6 * 10 + 40 * 200 + 30 * 50 + 80'000);
  // Row 1 of the file starts with cell (0, 1), which lies 1000 cells on in memory.
  EXPECT_EQ(std::memcmp(bytes.data() + kCells + 30, &w->MapCells[1000], 10), 0);
  // The scenario stores the whole map whatever its header says.
  EXPECT_EQ(Encode(*w, WorldFileKind::kScenario).size(),
            1000u + 4'000'000 + 40 * 200 + 30 * 50 + 80'000);

  // Loading that save replaces those six cells; the rest keep their terrain, but nothing of the
  // game before stands on them.
  auto target = MakeSyntheticWorld([] {
    SyntheticOptions o = Small();
    o.seed = 7;
    return o;
  }());
  TMapCell& outside = target->MapCells[5];
  outside.GroundFormation = outside.AirFormation = 1;
  outside.Settlement = 1;
  outside.PlacementAllowed = 1;
  const std::uint16_t terrain = outside.Terrain;
  ASSERT_TRUE(DecodeWorldFile(bytes, WorldFileKind::kSave, "s", *target));
  EXPECT_EQ(std::memcmp(&target->MapCells[1002], &w->MapCells[1002], 10), 0);
  EXPECT_EQ(outside.Terrain, terrain);
  EXPECT_EQ(outside.GroundFormation + outside.AirFormation + outside.Settlement, 0);
  EXPECT_EQ(outside.PlacementAllowed, 0);
}

TEST(WorldFile, EncodingRefusesAHeaderBeyondTheRecords) {
  auto w = MakeSyntheticWorld(Small());
  std::vector<std::uint8_t> bytes;
  w->GameHeader.FormationCount = 10'001;
  EXPECT_FALSE(EncodeWorldFile(*w, WorldFileKind::kSave, bytes));
  w->GameHeader.FormationCount = 40;
  w->GameHeader.MapWidth = 1001;
  EXPECT_FALSE(EncodeWorldFile(*w, WorldFileKind::kSave, bytes));
}

struct BadFile {
  const char* name;
  WorldFileKind kind;
  std::function<void(std::vector<std::uint8_t>&)> spoil;
  const char* problem;  // a word of the expected message
};

TEST(WorldFile, MalformedFilesAreRefusedAndTheWorldStaysAsItWas) {
  auto source = MakeSyntheticWorld(Small());
  const std::size_t formationsAt = kFormationsAt;
  const std::size_t settlementsAt = formationsAt + 40 * 200;
  const std::size_t cell = kCells + 10 * (1000 * 100 + 50);
  const auto S = WorldFileKind::kSave;
  const auto C = WorldFileKind::kScenario;
  const std::vector<BadFile> cases = {
      {"empty", S, [](auto& b) { b.clear(); }, "shorter"},
      {"header cut short", C, [](auto& b) { b.resize(999); }, "shorter"},
      {"truncated by a byte", S, [](auto& b) { b.pop_back(); }, "cut short"},
      {"truncated scenario", C, [](auto& b) { b.resize(b.size() - 80'000); }, "cut short"},
      {"beyond the largest world file", S, [](auto& b) { b.resize(kMaxWorldFileBytes + 1); },
       "larger than any world file"},
      {"too many formations", S,
       [](auto& b) {
         Poke<std::uint16_t>(b, 4, 10'001);
         b.resize(b.size() + (10'001 - 40) * 200);
       },
       "10001 formations"},
      {"too many settlements", C, [](auto& b) { Poke<std::uint16_t>(b, 6, 20'001); },
       "20001 settlements"},
      {"map too wide", S, [](auto& b) { Poke<std::uint16_t>(b, 0, 1001); }, "1001 x 400"},
      {"map too tall", C, [](auto& b) { Poke<std::uint16_t>(b, 2, 401); }, "1000 x 401"},
      {"counts that disagree with the length", S, [](auto& b) { Poke<std::uint16_t>(b, 4, 41); },
       "cut short"},
      {"terrain tile 675", S, [&](auto& b) { Poke<std::uint16_t>(b, cell, 675); }, "terrain"},
      {"ground formation 10001", C, [&](auto& b) { Poke<std::uint16_t>(b, cell + 2, 10'001); },
       "formation 10001"},
      {"air formation 65535", S, [&](auto& b) { Poke<std::uint16_t>(b, cell + 4, 65'535); },
       "formation 65535"},
      {"settlement beyond the count", S, [&](auto& b) { Poke<std::uint16_t>(b, cell + 6, 31); },
       "settlement 31"},
      {"year 1946", S, [](auto& b) { Poke<std::uint16_t>(b, 898, 1946); }, "date"},
      {"year 1938", C, [](auto& b) { Poke<std::uint16_t>(b, 898, 1938); }, "date"},
      {"month 13", S, [](auto& b) { Poke<std::uint16_t>(b, 896, 13); }, "date"},
      {"day 0", S, [](auto& b) { Poke<std::uint16_t>(b, 894, 0); }, "date"},
      {"31 June", S, [](auto& b) { Poke<std::uint16_t>(b, 894, 31); }, "date"},
      {"29 February 1941", S,
       [](auto& b) {
         Poke<std::uint16_t>(b, 894, 29);
         Poke<std::uint16_t>(b, 896, 2);
       },
       "date"},
      {"side on move 2", S, [](auto& b) { Poke<std::uint8_t>(b, 978, 2); }, "side"},
      {"opening side 7", S, [](auto& b) { Poke<std::uint8_t>(b, 912, 7); }, "side"},
      {"formation type 201", S,
       [&](auto& b) { Poke<std::uint16_t>(b, formationsAt + 200 * 3 + 20, 201); }, "type 201"},
      {"formation type of an empty row", C,
       [&](auto& b) {
         std::uint16_t empty = 0;
         for (int t = 1; t <= kFormationTypeRows && empty == 0; ++t) {
           if (FormationTypes[t].Nation == 0) empty = static_cast<std::uint16_t>(t);
         }
         ASSERT_NE(empty, 0);
         Poke<std::uint16_t>(b, formationsAt + 200 * 3 + 20, empty);
       },
       "no formation type"},
      {"branch 3", S, [&](auto& b) { Poke<std::uint16_t>(b, formationsAt + 200 * 4 + 16, 3); },
       "branch 3"},
      {"owner nation 11", S, [&](auto& b) { Poke<std::uint16_t>(b, settlementsAt + 50 * 2, 11); },
       "owner 11"},
      {"holder nation 200", C,
       [&](auto& b) { Poke<std::uint16_t>(b, settlementsAt + 50 * 29 + 2, 200); }, "holder 200"},
      {"holder nation 0", S, [&](auto& b) { Poke<std::uint16_t>(b, settlementsAt + 2, 0); },
       "holder 0"},
      {"holder nation 9", C, [&](auto& b) { Poke<std::uint16_t>(b, settlementsAt + 50 + 2, 9); },
       "holder 9"},
      {"settlement value 65535", S,
       [&](auto& b) { Poke<std::uint16_t>(b, settlementsAt + 50 * 5 + 4, 65'535); },
       "settlement 6 has value 65535"},
      {"placement mark 2", S, [&](auto& b) { Poke<std::uint8_t>(b, cell + 9, 2); },
       "placement mark 2"},
      // Formation n of the small world stands at (n, 30); every fifth is an air formation.
      {"a cell naming a ground formation that stands elsewhere", S,
       [&](auto& b) { Poke<std::uint16_t>(b, cell + 2, 3); }, "which stands at (3, 30)"},
      {"two cells naming one formation", C,
       [&](auto& b) { Poke<std::uint16_t>(b, kCells + 10 * (1000 * 30 + 300) + 2, 4); },
       "cell (300, 30) names ground formation 4, which stands at (4, 30)"},
      {"a ground word naming an air formation", S,
       [&](auto& b) { Poke<std::uint16_t>(b, kCells + 10 * (1000 * 30 + 5) + 2, 5); },
       "names ground formation 5, an air formation"},
      {"a used formation that no cell names", S,
       [&](auto& b) { Poke<std::uint16_t>(b, kCells + 10 * (1000 * 30 + 7) + 2, 0); },
       "formation 7 is not named by its cell (7, 30)"},
      {"a cell naming a free stored record", S,
       [&](auto& b) { Poke<std::uint16_t>(b, cell + 4, 33); }, "air formation 33, a free record"},
      {"orders left 65535", S,
       [&](auto& b) { Poke<std::uint16_t>(b, formationsAt + 200 * 3 + 162, 65'535); },
       "formation 4 has 65535 orders"},
      {"ammunition 11", C,
       [&](auto& b) { Poke<std::uint16_t>(b, formationsAt + 200 * 3 + 152, 11); }, "ammunition 11"},
      {"an army formation of an air type", S,
       [&](auto& b) {
         Poke<std::uint16_t>(b, formationsAt + 200 * 3 + 20, testing::TypeRows(2).front());
       },
       "a type of the other branch"},
      {"aircraft row 401 in an air formation", S,
       [&](auto& b) {
         Poke<std::uint16_t>(b, formationsAt + 200 * 4 + 22, 1);
         Poke<std::uint16_t>(b, formationsAt + 200 * 4 + 24, 401);
       },
       "holds model 401 in pair 0"},
      {"a failing record in a save", S,
       [&](auto& b) { Poke<std::uint16_t>(b, formationsAt + 200 * 2 + 6, 400); },
       "formation 3 fails the record check"},
      {"a scenario of a smaller map", C, [](auto& b) { Poke<std::uint16_t>(b, 0, 999); },
       "a map of 999 x 400"},
      {"a pool of -1", S,
       [&](auto& b) { Poke<std::int32_t>(b, settlementsAt + 30 * 50 + 60'200 + 4 * 4, -1); },
       "nation 5's recruit pool is -1"},
      {"a pool of INT_MIN", C,
       [&](auto& b) { Poke<std::int32_t>(b, settlementsAt + 30 * 50 + 60'480, INT32_MIN); },
       "nation 1's horse pool"},
      {"a pool of INT_MAX", S,
       [&](auto& b) { Poke<std::int32_t>(b, settlementsAt + 30 * 50 + 60'400 + 4 * 7, INT32_MAX); },
       "nation 8's car pool is 2147483647"},
      {"aircraft losses of -5", S,
       [&](auto& b) { Poke<std::int32_t>(b, settlementsAt + 30 * 50 + 73'120, -5); },
       "level bomber losses"},
      {"production status 4", S,
       [&](auto& b) { Poke<std::uint8_t>(b, settlementsAt + 30 * 50 + 61'000 + 1200 + 9, 4); },
       "nation 2 has production status 4 for model 10"},
      {"production status 255", C,
       [&](auto& b) { Poke<std::uint8_t>(b, settlementsAt + 30 * 50 + 61'000 + 11'999, 255); },
       "production status 255"},
  };

  auto target = MakeSyntheticWorld([] {
    SyntheticOptions o = Small();
    o.seed = 99;
    return o;
  }());
  const std::uint64_t before = WorldHash(*target);
  for (const BadFile& c : cases) {
    SCOPED_TRACE(c.name);
    auto bytes = Encode(*source, c.kind);
    // The unspoilt file is good: each case fails for its own fault alone.
    ASSERT_TRUE(ValidateWorldFile(bytes, c.kind, "x"));
    c.spoil(bytes);
    Status s = DecodeWorldFile(bytes, c.kind, "/game/slot3.sav", *target);
    ASSERT_FALSE(s);
    EXPECT_NE(s.Message().find("/game/slot3.sav"), std::string::npos) << s.Message();
    EXPECT_NE(s.Message().find(c.problem), std::string::npos) << s.Message();
    EXPECT_EQ(WorldHash(*target), before);
  }
}

// A full-size file whose header names fewer records than it holds: the blocks after the lie are
// read out of the wrong bytes (settlements out of formation records, the economy out of
// settlements), and the load is refused.
TEST(WorldFile, AHeaderWhoseCountsLieIsRefused) {
  auto source = MakeSyntheticWorld([] {
    SyntheticOptions o;  // the shipped scenario's shape: 10,000 records, 4354 settlements
    o.settlements = 4354;
    o.usedFormations = 700;
    return o;
  }());
  const auto good = Encode(*source, WorldFileKind::kSave);
  struct Lie {
    std::size_t offset;
    std::uint16_t count;
  };
  const Lie lies[] = {{4, 4353}, {4, 9999}, {4, 0}, {6, 4000}, {6, 0}};
  auto target = MakeSyntheticWorld(Small());
  const std::uint64_t before = WorldHash(*target);
  for (const Lie& lie : lies) {
    SCOPED_TRACE(std::to_string(lie.offset) + ": " + std::to_string(lie.count));
    auto bytes = good;
    Poke<std::uint16_t>(bytes, lie.offset, lie.count);
    const Status s = DecodeWorldFile(bytes, WorldFileKind::kSave, "slot5.sav", *target);
    EXPECT_FALSE(s);
    EXPECT_EQ(s.Message().rfind("slot5.sav: ", 0), 0u) << s.Message();
    EXPECT_EQ(WorldHash(*target), before);
  }
}

// Single bit flips and runs of garbage all over a save: whatever the loader accepts passes the
// whole-world check, and whatever it refuses leaves the world as it was.
TEST(WorldFile, WhateverLoadsPassesTheWholeWorldCheck) {
  auto source = MakeSyntheticWorld(Small());
  const auto good = Encode(*source, WorldFileKind::kSave);
  // The bytes worth spoiling: the header, the cells that hold something, and every record.
  std::vector<std::size_t> targets;
  for (std::size_t i = 0; i < 1000; ++i) targets.push_back(i);
  for (std::size_t c = 0; c < source->MapCells.size(); ++c) {
    const TMapCell& cell = source->MapCells[c];
    if (cell.GroundFormation + cell.AirFormation + cell.Settlement == 0) continue;
    for (std::size_t b = 0; b < 10; ++b) targets.push_back(kCells + 10 * c + b);
  }
  for (std::size_t i = kFormationsAt; i < good.size(); ++i) targets.push_back(i);

  std::mt19937 rng(26);
  auto target = MakeSyntheticWorld(Small());
  int loaded = 0;
  const int rounds = testing::kUnderSanitizer ? 60 : 300;
  for (int round = 0; round < rounds; ++round) {
    auto bytes = good;
    const std::size_t at = targets[rng() % targets.size()];
    if (round % 3 != 0) {
      bytes[at] ^= static_cast<std::uint8_t>(1u << (rng() % 8));
    } else {
      const std::size_t run = 1 + rng() % 64;
      for (std::size_t i = at; i < std::min(bytes.size(), at + run); ++i) {
        bytes[i] = static_cast<std::uint8_t>(rng());
      }
    }
    const std::uint64_t before = round % 10 == 0 ? WorldHash(*target) : 0;
    const Status s = DecodeWorldFile(bytes, WorldFileKind::kSave, "slot1.sav", *target);
    if (s) {
      ++loaded;
      const Status check = CheckWholeWorld(*target);
      ASSERT_TRUE(check) << "round " << round << " at " << at << ": " << check.Message();
    } else if (round % 10 == 0) {
      ASSERT_EQ(WorldHash(*target), before) << "round " << round << ": " << s.Message();
    }
  }
  // Most spoils hit bytes no check can judge (names, carried words, counts of men).
  EXPECT_GT(loaded, 0);
}

TEST(WorldFile, BytesAfterTheEconomyBlockAreAllowedAndNotRead) {
  auto source = MakeSyntheticWorld(Small());
  struct Case {
    WorldFileKind kind;
    std::size_t extra;  // bytes after the economy block; 0: up to the largest world file
  };
  for (const Case& c : {Case{WorldFileKind::kSave, 1}, Case{WorldFileKind::kScenario, 200},
                        Case{WorldFileKind::kSave, 0}}) {
    auto bytes = Encode(*source, c.kind);
    const std::size_t end = bytes.size();
    bytes.resize(c.extra != 0 ? end + c.extra : kMaxWorldFileBytes, 0xA5);
    auto fromPadded = MakeSyntheticWorld();
    ASSERT_TRUE(DecodeWorldFile(bytes, c.kind, "padded", *fromPadded)) << bytes.size();
    bytes.resize(end);
    auto fromExact = MakeSyntheticWorld();
    ASSERT_TRUE(DecodeWorldFile(bytes, c.kind, "exact", *fromExact));
    EXPECT_TRUE(SameBytes(*fromPadded, *fromExact)) << bytes.size();
  }
}

TEST(WorldFile, ValueRangesThatAreAcceptedAtTheirEdges) {
  auto source = MakeSyntheticWorld(Small());
  const std::size_t cell = kCells + 10 * 123;
  const std::vector<std::function<void(std::vector<std::uint8_t>&)>> edges = {
      [&](auto& b) { Poke<std::uint16_t>(b, cell, 674); },
      [&](auto& b) { Poke<std::uint16_t>(b, cell + 6, 30); },
      [](auto& b) {  // 29 February 1944
        Poke<std::uint16_t>(b, 894, 29);
        Poke<std::uint16_t>(b, 896, 2);
        Poke<std::uint16_t>(b, 898, 1944);
      },
      [](auto& b) {  // 31 December 1945
        Poke<std::uint16_t>(b, 894, 31);
        Poke<std::uint16_t>(b, 896, 12);
        Poke<std::uint16_t>(b, 898, 1945);
      },
      [&](auto& b) { Poke<std::uint16_t>(b, kFormationsAt + 40 * 200 + 2, 10); },
  };
  for (std::size_t i = 0; i < edges.size(); ++i) {
    SCOPED_TRACE(i);
    auto bytes = Encode(*source, WorldFileKind::kSave);
    edges[i](bytes);
    EXPECT_TRUE(ValidateWorldFile(bytes, WorldFileKind::kSave, "x"));
  }
}

TEST(WorldFile, AScenarioWithoutFormationsHasItsSettlementsRightAfterTheMap) {
  auto w = MakeSyntheticWorld([] {
    SyntheticOptions o;
    o.formations = 0;
    o.settlements = 5;
    o.usedFormations = 0;
    return o;
  }());
  const auto bytes = Encode(*w, WorldFileKind::kScenario);
  ASSERT_EQ(bytes.size(), 1000u + 4'000'000 + 5 * 50 + 80'000);
  EXPECT_EQ(std::memcmp(bytes.data() + kFormationsAt, &w->Settlements[0], 50), 0);
  auto target = std::make_unique<World>();
  ASSERT_TRUE(DecodeWorldFile(bytes, WorldFileKind::kScenario, "s", *target));
  EXPECT_EQ(std::memcmp(&target->Settlements[0], &w->Settlements[0], 5 * 50), 0);
}

TEST(WorldFile, ScenarioSetsTheOpeningViewAndSaveRestoresItsCopies) {
  auto w = MakeSyntheticWorld(Small());
  w->GameHeader.ViewX = 65'535;
  w->GameHeader.ViewY = 300;
  w->GameHeader.SideOnMove = 0;
  w->GameHeader.OpeningCoalition = 1;
  const auto bytes = Encode(*w, WorldFileKind::kSave);

  auto target = std::make_unique<World>();
  target->MapWidth = 12;  // a save leaves the variables alone
  ASSERT_TRUE(DecodeWorldFile(bytes, WorldFileKind::kSave, "s", *target));
  EXPECT_EQ(target->ViewX, 988) << "a view beyond the map is held to its edge";
  EXPECT_EQ(target->ViewY, 300);
  EXPECT_EQ(target->SideOnMove, 0);
  EXPECT_EQ(target->OpeningCoalition, 1);
  EXPECT_EQ(target->MapWidth, 12);

  ASSERT_TRUE(DecodeWorldFile(bytes, WorldFileKind::kScenario, "s", *target));
  EXPECT_EQ(target->ViewX, 154);
  EXPECT_EQ(target->ViewY, 208);
  EXPECT_EQ(target->MapWidth, 1000);
  EXPECT_EQ(target->MapHeight, 400);
}

TEST(WorldFile, NoGhostsOfThePreviousGameSurviveALoad) {
  // The running game holds 6000 formations and 20000 settlements; the file far fewer.
  auto running = MakeSyntheticWorld();
  auto file = MakeSyntheticWorld(Small());
  const auto bytes = Encode(*file, WorldFileKind::kSave);
  ASSERT_TRUE(DecodeWorldFile(bytes, WorldFileKind::kSave, "s", *running));
  const TFormation zeroFormation{};
  const TSettlement zeroSettlement{};
  for (int n = 41; n <= kMaxFormations; ++n) {
    ASSERT_EQ(std::memcmp(&running->Formations[n - 1], &zeroFormation, 200), 0) << n;
  }
  for (int n = 31; n <= kMaxSettlements; ++n) {
    ASSERT_EQ(std::memcmp(&running->Settlements[n - 1], &zeroSettlement, 50), 0) << n;
  }
  // No cell names a free record.
  for (const TMapCell& c : running->MapCells) {
    if (c.GroundFormation) {
      ASSERT_NE(running->Formations[c.GroundFormation - 1].Branch, 0);
    }
    if (c.AirFormation) {
      ASSERT_NE(running->Formations[c.AirFormation - 1].Branch, 0);
    }
  }
  // And what was loaded is the file's.
  auto reencoded = Encode(*running, WorldFileKind::kSave);
  EXPECT_EQ(reencoded, bytes);
}

// A save stores only formations 1..FormationCount but the whole map, so an earlier build that
// raised formations past the count (placement takes the last free record) saved their cell
// words. Such a save loads: the words are cleared, in one log line naming the file, since a save
// whose count was lowered by hand loads the same way. A word naming a stored record must name a
// formation standing in the cell, and a word past the table refuses the file.
struct CellWordCase {
  const char* name;
  std::uint16_t word;  // the ground word of cell (200, 100) in the file
  std::uint16_t air;   // its air word
  bool loads;
  std::uint16_t wordAfter;
  const char* logged;  // the log line of the load, or none
};

TEST(WorldFile, CellFormationWordsBeyondTheStoredCountLoadAndAreCleared) {
  const CellWordCase cases[] = {
      {"a used record standing elsewhere", 3, 0, false, 0, nullptr},
      {"a free stored record", 30, 0, false, 0, nullptr},
      {"no formation", 0, 0, true, 0, nullptr},
      {"the first record beyond the count", 41, 0, true, 0,
       "slot1.sav: cleared 1 cell word naming formations past the 40 the save holds"},
      {"a record raised at the end of the table", 10'000, 0, true, 0,
       "slot1.sav: cleared 1 cell word naming formations past the 40 the save holds"},
      {"ground and air beyond the count", 41, 10'000, true, 0,
       "slot1.sav: cleared 2 cell words naming formations past the 40 the save holds"},
      {"past the table", 10'001, 0, false, 0, nullptr},
  };
  for (const CellWordCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto file = MakeSyntheticWorld(Small());  // 40 stored, 25 used
    file->MapCells[100 * kMapWidth + 200].GroundFormation = c.word;
    file->MapCells[100 * kMapWidth + 200].AirFormation = c.air;
    const auto bytes = Encode(*file, WorldFileKind::kSave);
    // The running game has a formation in every record the file names.
    auto running = MakeSyntheticWorld();
    running->Formations[9'999] = running->Formations[0];
    const std::uint64_t before = WorldHash(*running);
    std::vector<std::string> log;
    SetLogSink([&log](std::string_view l) { log.emplace_back(l); });
    Status s = DecodeWorldFile(bytes, WorldFileKind::kSave, "slot1.sav", *running);
    SetLogSink({});
    EXPECT_EQ(
        log, c.logged != nullptr ? std::vector<std::string>{c.logged} : std::vector<std::string>{});
    ASSERT_EQ(s.IsOk(), c.loads) << s.Message();
    if (!c.loads) {
      EXPECT_EQ(WorldHash(*running), before);
      continue;
    }
    EXPECT_EQ(running->MapCells[100 * kMapWidth + 200].GroundFormation, c.wordAfter);
    EXPECT_EQ(running->MapCells[100 * kMapWidth + 200].AirFormation, 0);
    EXPECT_EQ(running->Formations[9'999].Branch, 0);
  }
}

}  // namespace
}  // namespace gm
