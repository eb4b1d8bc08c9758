// The scenario and save layout: byte images, and refusal of every malformed file with the world
// left exactly as it was.
#include "world/world_file.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "tests/world/synthetic_world.hpp"

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
  auto w = MakeSyntheticWorld(Small());
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
       "nation 11"},
      {"holder nation 200", C,
       [&](auto& b) { Poke<std::uint16_t>(b, settlementsAt + 50 * 29 + 2, 200); }, "nation 200"},
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

// A save stores only formations 1..FormationCount but the whole map, so a game whose scenario
// stores fewer than 10,000 formations saves the cell words of formations raised in higher
// records (placement takes the last free record). Such a save loads: the words come back
// naming free records and are cleared. Only a word past the table refuses the file.
struct CellWordCase {
  const char* name;
  std::uint16_t word;  // the ground word of cell (200, 100) in the file
  bool loads;
  std::uint16_t wordAfter;
};

TEST(WorldFile, CellFormationWordsBeyondTheStoredCountLoadAndAreCleared) {
  const CellWordCase cases[] = {
      {"a used stored record", 3, true, 3},
      {"a free stored record", 30, true, 0},
      {"the first record beyond the count", 41, true, 0},
      {"a record raised at the end of the table", 10'000, true, 0},
      {"past the table", 10'001, false, 0},
  };
  for (const CellWordCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto file = MakeSyntheticWorld(Small());  // 40 stored, 25 used
    file->MapCells[100 * kMapWidth + 200].GroundFormation = c.word;
    const auto bytes = Encode(*file, WorldFileKind::kSave);
    // The running game has a formation in every record the file names.
    auto running = MakeSyntheticWorld();
    running->Formations[9'999] = running->Formations[0];
    const std::uint64_t before = WorldHash(*running);
    Status s = DecodeWorldFile(bytes, WorldFileKind::kSave, "slot1.sav", *running);
    ASSERT_EQ(s.IsOk(), c.loads) << s.Message();
    if (!c.loads) {
      EXPECT_EQ(WorldHash(*running), before);
      continue;
    }
    EXPECT_EQ(running->MapCells[100 * kMapWidth + 200].GroundFormation, c.wordAfter);
    EXPECT_EQ(running->Formations[9'999].Branch, 0);
  }
}

}  // namespace
}  // namespace gm
