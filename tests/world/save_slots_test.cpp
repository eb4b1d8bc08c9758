// Saving and loading the five slots and the slot table, on disk and in memory.
#include "world/save_slots.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <iterator>

#include "platform/headless/memory_file_system.hpp"
#include "platform/posix_file_system.hpp"
#include "tests/platform/temp_folder.hpp"
#include "tests/support/file_size_limit.hpp"
#include "tests/world/synthetic_world.hpp"
#include "world/world_file.hpp"

namespace gm {
namespace {

using testing::CopyWorld;
using testing::FileSizeLimit;
using testing::MakeSyntheticWorld;
using testing::ReadFileBytes;
using testing::SameBytes;
using testing::TempFolder;
using testing::WorldHash;
using testing::WriteFileBytes;

// Changes every kind of state a load must put back.
void Scribble(World& w) {
  w.MapCells[12'345].Terrain = 3;
  w.MapCells[12'345].reserved8 ^= 0xFF;
  w.MapCells[399'999].PlacementAllowed ^= 1;
  w.Formations[0].Men += 1;
  w.Formations[9'999].reserved87[5] ^= 0x1234;  // carried bytes of a free record
  w.Formations[9'000] = w.Formations[1];        // a ghost beyond the used ones
  w.Settlements[19'999].Name[39] ^= 0x55;
  w.GameHeader.reserved8[100] ^= 0xFF;
  w.GameHeader.Day = 1;
  w.Economy.reserved73160[6839] ^= 0xFF;
  w.ViewX = 1;
  w.ViewY = 2;
  w.SideOnMove ^= 1;
  w.OpeningCoalition ^= 1;
}

TEST(SaveSlots, SaveThenLoadRestoresTheWorldByteForByte) {
  MemoryFileSystem fs;
  auto w = MakeSyntheticWorld();
  w->ViewX = 988;  // as far as the computer's centring can take the view
  w->ViewY = 391;
  w->SideOnMove = 0;
  w->OpeningCoalition = 1;
  w->SaveSlots.ChosenSlot = 4;
  ASSERT_TRUE(SaveSlot(*w, fs));
  EXPECT_EQ(w->GameHeader.ViewX, 988);
  EXPECT_EQ(w->GameHeader.SideOnMove, 0);
  EXPECT_EQ(w->GameHeader.OpeningCoalition, 1);
  auto saved = CopyWorld(*w);

  Scribble(*w);
  ASSERT_TRUE(LoadSlot(*w, fs));
  EXPECT_TRUE(SameBytes(*w, *saved));

  // Save, load, save: the same file.
  const std::vector<std::uint8_t> first = *fs.FileBytes("/game/slot4.sav");
  ASSERT_TRUE(SaveSlot(*w, fs));
  EXPECT_EQ(*fs.FileBytes("/game/slot4.sav"), first);
}

TEST(SaveSlots, SaveCutsTheViewToSixteenBits) {
  MemoryFileSystem fs;
  auto w = MakeSyntheticWorld(testing::SyntheticOptions{10, 10, 10, 3});
  w->ViewX = 65'536 + 7;
  w->SaveSlots.ChosenSlot = 1;
  ASSERT_TRUE(SaveSlot(*w, fs));
  ASSERT_TRUE(LoadSlot(*w, fs));
  EXPECT_EQ(w->ViewX, 7);
}

TEST(SaveSlots, SavesLandOnDiskBesideTheProgramAndShowInTheTable) {
  TempFolder dir;
  ASSERT_TRUE(dir.Valid());
  PosixFileSystem fs(dir.Path());
  auto w = MakeSyntheticWorld(testing::SyntheticOptions{100, 100, 80, 5});
  w->GameHeader.Day = 3;
  w->GameHeader.Month = 9;
  w->GameHeader.Year = 1942;
  w->GameHeader.TurnLength = 1;
  w->SaveSlots.ChosenSlot = 2;
  ASSERT_TRUE(SaveSlot(*w, fs));
  // The slot and nothing beside it: no temporary file is left.
  const auto files = std::distance(std::filesystem::directory_iterator(dir.Path()),
                                   std::filesystem::directory_iterator());
  EXPECT_TRUE(std::filesystem::exists(dir.Path() + "slot2.sav"));
  EXPECT_EQ(files, 1);
  // The table shows the new slot at once.
  EXPECT_EQ(w->SaveSlots.SlotExists[1], 1);
  EXPECT_EQ(w->SaveSlots.SlotDay[1], 3);
  EXPECT_EQ(w->SaveSlots.SlotMonth[1], 9);
  EXPECT_EQ(w->SaveSlots.SlotYear[1], 1942);
  EXPECT_EQ(w->SaveSlots.SlotTurnLength[1], 1);

  auto saved = CopyWorld(*w);
  Scribble(*w);
  ASSERT_TRUE(LoadSlot(*w, fs));
  EXPECT_TRUE(SameBytes(*w, *saved));
}

TEST(SaveSlots, AFailedSaveKeepsTheOldSlot) {
  TempFolder dir;
  ASSERT_TRUE(dir.Valid());
  PosixFileSystem fs(dir.Path());
  auto w = MakeSyntheticWorld(testing::SyntheticOptions{100, 100, 80, 5});
  w->SaveSlots.ChosenSlot = 3;
  ASSERT_TRUE(SaveSlot(*w, fs));
  const std::string path = dir.Path() + "slot3.sav";
  const auto old = ReadFileBytes(path);

  // The disk cannot take the new file.
  w->GameHeader.Day = 30;
  Status s;
  {
    const FileSizeLimit fullDisk;
    s = SaveSlot(*w, fs);
  }
  ASSERT_FALSE(s);
  EXPECT_EQ(s.Message().rfind(path + ": cannot write " + path + ".", 0), 0u) << s.Message();
  EXPECT_NE(s.Message().find("File too large"), std::string::npos) << s.Message();
  EXPECT_EQ(ReadFileBytes(path), old);

  // A program folder that is gone.
  PosixFileSystem gone(dir.Path() + "missing/");
  EXPECT_FALSE(SaveSlot(*w, gone));

  // A disk that refuses every write.
  MemoryFileSystem mem;
  ASSERT_TRUE(SaveSlot(*w, mem));
  const auto memOld = *mem.FileBytes("/game/slot3.sav");
  mem.FailWrites(true);
  w->GameHeader.Day = 1;
  EXPECT_FALSE(SaveSlot(*w, mem));
  EXPECT_EQ(*mem.FileBytes("/game/slot3.sav"), memOld);
}

TEST(SaveSlots, BadSlotFilesAreRefusedWithTheWorldUnchanged) {
  MemoryFileSystem fs;
  auto w = MakeSyntheticWorld(testing::SyntheticOptions{100, 100, 80, 5});
  w->SaveSlots.ChosenSlot = 1;
  ASSERT_TRUE(SaveSlot(*w, fs));
  const auto good = *fs.FileBytes("/game/slot1.sav");

  auto target = MakeSyntheticWorld(testing::SyntheticOptions{200, 200, 150, 6});
  target->SaveSlots.ChosenSlot = 1;
  const std::uint64_t before = WorldHash(*target);
  auto refused = [&](const char* name) {
    SCOPED_TRACE(name);
    Status s = LoadSlot(*target, fs);
    EXPECT_FALSE(s);
    EXPECT_NE(s.Message().find("slot1.sav"), std::string::npos) << s.Message();
    EXPECT_EQ(WorldHash(*target), before);
  };
  fs.PutFile("/game/slot1.sav", {good.begin(), good.end() - 1});
  refused("truncated");
  auto oversized = good;
  oversized[5] = 0xFF;  // FormationCount 65,280 + ...
  fs.PutFile("/game/slot1.sav", oversized);
  refused("oversized count");
  auto terrain = good;
  terrain[1000 + 10 * 77] = 0xFF;
  terrain[1000 + 10 * 77 + 1] = 0xFF;
  fs.PutFile("/game/slot1.sav", terrain);
  refused("terrain out of range");
  fs.PutFile("/game/slot1.sav", std::vector<std::uint8_t>(kMaxWorldFileBytes + 1, 0));
  refused("larger than any world file");
  fs.PutFile("/game/slot1.sav", good);
  fs.MakeUnreadable("/game/slot1.sav");
  refused("unreadable");
  fs.RemoveFile("/game/slot1.sav");
  refused("missing");

  // A header that names more than the records hold is not written at all.
  target->SaveSlots.ChosenSlot = 2;
  target->GameHeader.MapWidth = 1001;
  Status tooWide = SaveSlot(*target, fs);
  EXPECT_FALSE(tooWide);
  EXPECT_NE(tooWide.Message().find("slot2.sav"), std::string::npos) << tooWide.Message();
  EXPECT_FALSE(fs.Exists("/game/slot2.sav"));

  for (int slot : {0, 6}) {
    target->SaveSlots.ChosenSlot = static_cast<std::uint8_t>(slot);
    EXPECT_FALSE(LoadSlot(*target, fs));
    EXPECT_FALSE(SaveSlot(*target, fs));
  }
}

TEST(SaveSlots, ASlotWithBytesAfterTheEconomyBlockLoads) {
  MemoryFileSystem fs;
  auto w = MakeSyntheticWorld(testing::SyntheticOptions{100, 100, 80, 5});
  w->SaveSlots.ChosenSlot = 2;
  ASSERT_TRUE(SaveSlot(*w, fs));
  auto saved = CopyWorld(*w);
  auto padded = *fs.FileBytes("/game/slot2.sav");
  padded.resize(padded.size() + 4096, 0x5A);
  fs.PutFile("/game/slot2.sav", padded);
  Scribble(*w);
  const Status s = LoadSlot(*w, fs);
  ASSERT_TRUE(s) << s.Message();
  EXPECT_TRUE(SameBytes(*w, *saved));
}

// A save file of a world with no map, formations or settlements: header and economy.
std::vector<std::uint8_t> BareSave(std::uint16_t day, std::uint8_t turn) {
  TGameHeader h{};
  h.Day = day;
  h.Month = 5;
  h.Year = 1943;
  h.TurnLength = turn;
  std::vector<std::uint8_t> b(WorldFileSize(h, WorldFileKind::kSave));
  std::memcpy(b.data(), &h, sizeof h);
  return b;
}

TEST(SaveSlots, ScanListsDatesOnlyForFilesThatCanHoldAWorld) {
  const std::size_t whole = BareSave(1, 0).size();
  enum class Fault { kNone, kMissing, kUnreadable, kTooManyFormations };
  struct Case {
    const char* name;
    std::size_t size;  // the bare save of day 11 cut or padded to this many bytes
    Fault fault;
    std::uint16_t listed;
    std::uint16_t day;  // the slot's day after the scan; 77 is the one it held before
  };
  const Case cases[] = {
      {"a whole save", whole, Fault::kNone, kSlotUsed, 11},
      {"bytes after the economy block", whole + 5000, Fault::kNone, kSlotUsed, 11},
      {"no file", whole, Fault::kMissing, kSlotFree, 77},
      {"cut short by a byte", whole - 1, Fault::kNone, kSlotDamaged, 77},
      {"the header alone", 1000, Fault::kNone, kSlotDamaged, 77},
      {"shorter than a header", 999, Fault::kNone, kSlotDamaged, 77},
      {"more formations than the records", kMaxWorldFileBytes, Fault::kTooManyFormations,
       kSlotDamaged, 77},
      {"larger than any world file", kMaxWorldFileBytes + 1, Fault::kNone, kSlotDamaged, 77},
      {"unreadable", whole, Fault::kUnreadable, kSlotDamaged, 77},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryFileSystem fs;
    auto w = std::make_unique<World>();
    for (int i = 0; i < 5; ++i) {
      w->SaveSlots.SlotExists[static_cast<std::size_t>(i)] = kSlotUsed;
      w->SaveSlots.SlotDay[static_cast<std::size_t>(i)] = 77;
    }
    auto file = BareSave(11, 1);
    file.resize(c.size, 0xAB);
    if (c.fault == Fault::kTooManyFormations) file[4] = file[5] = 0xFF;
    if (c.fault != Fault::kMissing) fs.PutFile("/game/slot3.sav", file);
    if (c.fault == Fault::kUnreadable) fs.MakeUnreadable("/game/slot3.sav");
    ScanSaveSlots(*w, fs);
    const TSaveSlotTable& t = w->SaveSlots;
    EXPECT_EQ(t.SlotExists, (std::array<std::uint16_t, 5>{0, 0, c.listed, 0, 0}));
    EXPECT_EQ(t.SlotDay[2], c.day);
    if (c.listed == kSlotUsed) {
      EXPECT_EQ(t.SlotMonth[2], 5);
      EXPECT_EQ(t.SlotYear[2], 1943);
    }
  }

  // On disk: a folder or a FIFO named like a slot is no slot (and the scan does not wait on the
  // FIFO); no files at all marks all five free.
  TempFolder dir;
  ASSERT_TRUE(dir.Valid());
  PosixFileSystem disk(dir.Path());
  auto w = std::make_unique<World>();
  std::filesystem::create_directory(dir.Path() + "slot1.sav");
  WriteFileBytes(dir.Path() + "slot2.sav", BareSave(2, 0));
  ASSERT_EQ(::mkfifo((dir.Path() + "slot4.sav").c_str(), 0644), 0);
  ScanSaveSlots(*w, disk);
  EXPECT_EQ(w->SaveSlots.SlotExists, (std::array<std::uint16_t, 5>{0, 1, 0, 0, 0}));
  EXPECT_EQ(w->SaveSlots.SlotDay[1], 2);
}

}  // namespace
}  // namespace gm
