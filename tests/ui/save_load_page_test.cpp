// The Save/Load page: the mode column, the slot rows by their edges, a save and a load that give
// back the same world, the hand-over of a loaded game, an empty row, and saves and loads that
// fail without changing anything.
#include "ui/screens/save_load_page.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "flow/screen_flags.hpp"
#include "platform/utf8_text.hpp"
#include "tests/support/file_size_limit.hpp"
#include "tests/support/system_pages.hpp"
#include "tests/world/synthetic_world.hpp"
#include "ui/screens/page_window.hpp"
#include "world/save_slots.hpp"
#include "world/world_access.hpp"

namespace gm {
namespace {

using testing::CopyWorld;
using testing::CountSounds;
using testing::FileSizeLimit;
using testing::GameHarness;
using testing::Middle;
using testing::OpenFromSidebar;
using testing::SameBytes;

std::array<std::uint8_t, 5> ModeBytes(const World& w) {
  const TSaveSlotTable& t = w.SaveSlots;
  return {t.SaveLoadMode, t.LaterRowModes[0], t.LaterRowModes[1], t.LaterRowModes[2],
          t.LaterRowModes[3]};
}

std::vector<char> FileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The regular files of the folder whose names end in ".tmp".
std::vector<std::string> TemporaryFiles(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_regular_file() && name.ends_with(".tmp")) names.push_back(name);
  }
  return names;
}

struct SaveLoadPage {
  GameHarness g;
  SaveLoadPage() {
    g.StartGame();
    OpenFromSidebar(g, kSaveLoadButton);
  }
  World& w() { return g.W(); }
  std::filesystem::path Slot(int k) { return g.Folder() / ("slot" + std::to_string(k) + ".sav"); }
  void SaveMode() {
    if (w().SaveSlots.SaveLoadMode == 0) g.Click(Middle(kSaveModeColumn));
  }
  void SaveInto(int slot) {
    SaveMode();
    g.Click(Middle(SaveSlotRect(slot)));
  }
  void Reopen() {
    g.Click(Middle(kCloseButton));
    g.Frames(1);
    OpenFromSidebar(g, kSaveLoadButton);
  }
};

TEST(SaveLoadPage, TheModeColumnTogglesAllFiveRows) {
  SaveLoadPage p;
  using Bytes = std::array<std::uint8_t, 5>;
  EXPECT_EQ(ModeBytes(p.w()), (Bytes{0, 0, 0, 0, 0}));
  p.g.Click(kSaveModeColumn.left, kSaveModeColumn.top);
  EXPECT_EQ(ModeBytes(p.w()), (Bytes{1, 1, 1, 1, 1}));
  // Just outside each of the column's four edges.
  const HitRect& c = kSaveModeColumn;
  const auto m = Middle(c);
  for (const auto& [x, y] :
       {std::pair{c.left - 1, m.y}, {c.right + 1, m.y}, {m.x, c.top - 1}, {m.x, c.bottom + 1}}) {
    p.g.Click(x, y);
    EXPECT_EQ(ModeBytes(p.w()), (Bytes{1, 1, 1, 1, 1})) << x << "," << y;
  }
  p.g.Click(kSaveModeColumn.right, kSaveModeColumn.bottom);
  EXPECT_EQ(ModeBytes(p.w()), (Bytes{0, 0, 0, 0, 0}));
  // The page opens in load mode whatever it was left in.
  p.g.Click(Middle(kSaveModeColumn));
  p.Reopen();
  EXPECT_EQ(ModeBytes(p.w()), (Bytes{0, 0, 0, 0, 0}));
}

TEST(SaveLoadPage, ASaveGoesToTheRowUnderThePointer) {
  struct Case {
    int x, y;
    int slot;  // 0: no row
  };
  const Case cases[] = {{420, 60, 1},  {479, 119, 1}, {450, 120, 2}, {450, 239, 3}, {450, 240, 4},
                        {450, 359, 5}, {419, 200, 0}, {480, 200, 0}, {450, 59, 0},  {450, 360, 0}};
  SaveLoadPage p;
  p.SaveMode();
  for (const Case& c : cases) {
    for (int k = 1; k <= 5; ++k) std::filesystem::remove(p.Slot(k));
    p.w().GameHeader.Day = static_cast<std::uint16_t>(1 + c.y % 28);
    p.g.Click(c.x, c.y);
    for (int k = 1; k <= 5; ++k) {
      const bool wanted = k == c.slot;
      EXPECT_EQ(std::filesystem::exists(p.Slot(k)), wanted) << c.x << "," << c.y << " slot " << k;
      if (!wanted) continue;
      // The row shows the new entry at once.
      EXPECT_EQ(p.w().SaveSlots.SlotExists[k - 1], 1);
      EXPECT_EQ(p.w().SaveSlots.SlotDay[k - 1], p.w().GameHeader.Day);
    }
  }
  EXPECT_TRUE(p.g.Ui().PageMessage.empty()) << p.g.Ui().PageMessage;
}

TEST(SaveLoadPage, ALoadGivesBackTheSavedWorldAndCloseHandsItToItsSide) {
  struct Case {
    std::uint8_t side;
    bool computer;  // the harness plays the Soviet side by the computer
  };
  for (const Case& c : {Case{kGermanSide, false}, Case{kSovietSide, true}}) {
    SaveLoadPage p;
    World& w = p.w();
    w.SideOnMove = c.side;
    p.SaveInto(3);
    const auto saved = CopyWorld(w);
    // The game goes on: another day, a formation moved away, a selection and a waiting order.
    p.Reopen();
    w.GameHeader.Day = static_cast<std::uint16_t>(w.GameHeader.Day % 27 + 1);
    w.SideOnMove = c.side == kGermanSide ? kSovietSide : kGermanSide;
    w.ViewX += 3;
    for (int n = 1; n <= kMaxFormations; ++n) {
      if (Formation(w, n).Branch != 0) {
        Formation(w, n).Men = 7;
        break;
      }
    }
    w.Economy.RecruitPool[1] += 1000;
    w.Selection = {1, 160, 212};
    w.AiOrderPending = 1;
    w.Ai.AiFormationIndex = 99;
    p.g.Click(Middle(SaveSlotRect(3)));
    EXPECT_EQ(std::memcmp(w.Formations.data(), saved->Formations.data(), sizeof w.Formations), 0);
    EXPECT_EQ(std::memcmp(w.MapCells.data(), saved->MapCells.data(), sizeof w.MapCells), 0);
    EXPECT_EQ(std::memcmp(w.Settlements.data(), saved->Settlements.data(), sizeof w.Settlements),
              0);
    EXPECT_EQ(std::memcmp(&w.Economy, &saved->Economy, sizeof w.Economy), 0);
    EXPECT_EQ(std::memcmp(&w.GameHeader, &saved->GameHeader, sizeof w.GameHeader), 0);
    EXPECT_EQ(w.SideOnMove, c.side);
    EXPECT_EQ(w.ViewX, saved->ViewX);
    EXPECT_EQ(w.AiOrderPending, 0);
    EXPECT_EQ(w.Ai.AiFormationIndex, 0);
    EXPECT_EQ(w.ScreenFlags[kFlagSaveLoad], kPageOpen);  // the page stays until Close
    p.g.Click(Middle(kCloseButton));
    EXPECT_EQ(w.ScreenFlags[kFlagComputerTurn] == 1, c.computer);
    EXPECT_EQ(w.ScreenFlags[kFlagZoom] == kZoomBattlefield, !c.computer);
    EXPECT_EQ(w.Selection, (std::array<std::uint16_t, 3>{0, 0, 0}));
    EXPECT_FALSE(p.g.Ui().GameLoaded);
    p.g.Frames(3);
    EXPECT_EQ(w.SideOnMove, c.side);
  }
}

TEST(SaveLoadPage, AnEmptyRowInLoadModeLoadsNothingAndSaysSo) {
  SaveLoadPage p;
  ASSERT_EQ(p.w().SaveSlots.SlotExists[1], 0);
  const auto before = CopyWorld(p.w());
  const int clicks = CountSounds(p.g, "click");
  p.g.Click(Middle(SaveSlotRect(2)));
  EXPECT_TRUE(SameBytes(p.w(), *before));
  EXPECT_EQ(CountSounds(p.g, "click"), clicks + 1);
  EXPECT_EQ(p.g.Ui().PageMessage, "Slot 2 is free: there is no game to load.");
  // The message belongs to this visit of the page.
  p.g.Click(Middle(kCloseButton));
  EXPECT_EQ(p.w().ScreenFlags[kFlagSaveLoad], kPageLive);
  EXPECT_TRUE(p.g.Ui().PageMessage.empty()) << p.g.Ui().PageMessage;
  p.g.Frames(1);
  OpenFromSidebar(p.g, kSaveLoadButton);
  EXPECT_TRUE(p.g.Ui().PageMessage.empty()) << p.g.Ui().PageMessage;
}

TEST(SaveLoadPage, AFailedSaveKeepsTheOldSlotAndTheGameGoesOn) {
  SaveLoadPage p;
  p.SaveInto(1);
  const std::vector<char> old = FileBytes(p.Slot(1));
  const std::uint16_t oldDay = p.w().SaveSlots.SlotDay[0];
  p.w().GameHeader.Day = static_cast<std::uint16_t>(oldDay % 27 + 1);
  const auto before = CopyWorld(p.w());
  {
    const FileSizeLimit fullDisk;
    p.g.Click(Middle(SaveSlotRect(1)));
  }
  EXPECT_TRUE(SameBytes(p.w(), *before));  // the game itself goes on as it was
  EXPECT_EQ(FileBytes(p.Slot(1)), old);
  EXPECT_EQ(p.w().SaveSlots.SlotExists[0], 1);
  EXPECT_EQ(p.w().SaveSlots.SlotDay[0], oldDay);
  const std::string& message = p.g.Ui().PageMessage;
  EXPECT_EQ(message.rfind("Slot 1 not saved", 0), 0u) << message;
  EXPECT_EQ(message.find(p.g.Folder().string()), std::string::npos) << message;
  // Another slot still saves, and the message goes.
  p.g.Click(Middle(SaveSlotRect(2)));
  EXPECT_TRUE(std::filesystem::exists(p.Slot(2)));
  EXPECT_TRUE(p.g.Ui().PageMessage.empty());
  // A free slot that cannot be written stays free, and the message says that, not that an old
  // slot is kept.
  {
    const FileSizeLimit fullDisk;
    p.g.Click(Middle(SaveSlotRect(3)));
  }
  EXPECT_FALSE(std::filesystem::exists(p.Slot(3)));
  EXPECT_EQ(p.g.Ui().PageMessage.rfind("Slot 3 not saved: the slot stays free.\n", 0), 0u)
      << p.g.Ui().PageMessage;
  // A failed save takes its temporary file with it.
  EXPECT_EQ(TemporaryFiles(p.g.Folder()), std::vector<std::string>{});
  p.g.Click(Middle(kCloseButton));
  EXPECT_EQ(p.w().ScreenFlags[kFlagZoom], kZoomBattlefield);
}

// Another copy of the game saving into the same folder has its own temporary files there, and
// a temporary name may stand for something else: none of them is listed, read or in the way.
TEST(SaveLoadPage, TemporaryFilesBesideTheSlotsAreNeitherListedNorInTheWay) {
  SaveLoadPage p;
  p.SaveInto(1);
  const std::filesystem::path other = p.g.Folder() / "slot2.sav.gravmark-Ab12Cd.tmp";
  std::filesystem::copy_file(p.Slot(1), other);
  std::filesystem::create_directories(p.g.Folder() / "slot3.sav.tmp" / "in-the-way");
  const std::vector<char> otherBytes = FileBytes(other);
  p.Reopen();
  EXPECT_EQ(p.w().SaveSlots.SlotExists[1], kSlotFree);
  EXPECT_EQ(p.w().SaveSlots.SlotExists[2], kSlotFree);
  for (int slot : {2, 3}) {
    SCOPED_TRACE(slot);
    p.SaveInto(slot);
    EXPECT_TRUE(p.g.Ui().PageMessage.empty()) << p.g.Ui().PageMessage;
    EXPECT_EQ(FileBytes(p.Slot(slot)), FileBytes(p.Slot(1)));
    EXPECT_EQ(p.w().SaveSlots.SlotExists[slot - 1], kSlotUsed);
  }
  EXPECT_EQ(FileBytes(other), otherBytes);
  EXPECT_EQ(TemporaryFiles(p.g.Folder()),
            std::vector<std::string>{"slot2.sav.gravmark-Ab12Cd.tmp"});
}

// Whether `text` is whole UTF-8 characters.
bool WholeCharacters(std::string_view text) {
  for (std::size_t n = 0; !text.empty(); text.remove_prefix(n)) {
    if ((n = Utf8SequenceLength(text)) == 0) return false;
  }
  return true;
}

// A failed save's reason names paths of any script: its lines are cut between characters, after
// a space where one lies in reach, and a reason longer than the room ends in "...".
TEST(SaveLoadPage, AReasonIsCutBetweenCharactersAndMarkedWhereCutOff) {
  std::string cyrillic = "/home/x";  // then two bytes a letter, from an odd byte on
  while (cyrillic.size() < 400) cyrillic += "\xd0\x96";
  const std::string words = std::string(60, 'a') + " " + std::string(60, 'b');
  struct Case {
    const char* what;
    std::string reason;
    std::vector<std::size_t> sizes;  // of the lines
    bool cutOff;                     // the last line ends in "..."
  };
  const Case cases[] = {
      {"short", "slot1.sav: No space left on device", {34}, false},
      {"broken after a space", words, {61, 60}, false},
      {"a path of two-byte letters", cyrillic.substr(0, 201), {95, 96, 10}, false},
      {"longer than three lines", cyrillic, {95, 96, 95}, true},
      {"longer, of plain letters", std::string(400, 'x'), {96, 96, 96}, true},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> lines = ReasonLines(c.reason);
    std::vector<std::size_t> sizes;
    std::string joined;
    for (const std::string& l : lines) {
      sizes.push_back(l.size());
      EXPECT_TRUE(WholeCharacters(l)) << c.what << ": " << l;
      joined += l;
    }
    EXPECT_EQ(sizes, c.sizes) << c.what;
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().ends_with("..."), c.cutOff) << c.what;
    if (!c.cutOff) {
      EXPECT_EQ(joined, c.reason) << c.what;
    }
  }
}

TEST(SaveLoadPage, AFailedLoadLeavesTheWorldAsItWas) {
  enum class Fault { kMissing, kShort, kCountBeyondTheRecords, kCellNamingAnotherFormation };
  struct Case {
    Fault fault;
    std::uint16_t listed;  // SlotExists as the page opens: a file too short for a world is damaged
    const char* reason;
  };
  const Case cases[] = {
      {Fault::kMissing, kSlotUsed, "No such file"},
      {Fault::kShort, kSlotDamaged, "cut short"},
      {Fault::kCountBeyondTheRecords, kSlotDamaged, "65535 formations"},
      {Fault::kCellNamingAnotherFormation, kSlotUsed, "which stands at"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.fault));
    SaveLoadPage p;
    p.SaveInto(4);
    std::vector<char> bytes = FileBytes(p.Slot(4));
    if (c.fault == Fault::kShort) bytes.resize(1000);  // the header alone
    if (c.fault == Fault::kCountBeyondTheRecords) bytes[4] = bytes[5] = char(0xFF);
    if (c.fault == Fault::kCellNamingAnotherFormation) {
      // Formation 1's number written into the ground word of cell (0, 0).
      bytes[1000 + 2] = 1;
      bytes[1000 + 3] = 0;
    }
    std::ofstream(p.Slot(4), std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    p.Reopen();
    ASSERT_EQ(p.w().SaveSlots.SlotExists[3], c.listed);
    if (c.fault == Fault::kMissing) std::filesystem::remove(p.Slot(4));
    p.w().GameHeader.Day = static_cast<std::uint16_t>(p.w().GameHeader.Day % 27 + 1);
    p.w().Selection = {1, 160, 212};
    const auto before = CopyWorld(p.w());
    p.g.Click(Middle(SaveSlotRect(4)));
    before->SaveSlots.ChosenSlot = p.w().SaveSlots.ChosenSlot;
    EXPECT_TRUE(SameBytes(p.w(), *before));
    const std::string& message = p.g.Ui().PageMessage;
    EXPECT_EQ(message.rfind("Slot 4 not loaded", 0), 0u) << message;
    EXPECT_NE(message.find(c.reason), std::string::npos) << message;
    EXPECT_FALSE(p.g.Ui().GameLoaded);
    p.g.Click(Middle(kCloseButton));
    EXPECT_EQ(p.w().ScreenFlags[kFlagZoom], kZoomBattlefield);
    EXPECT_EQ(p.w().ScreenFlags[kFlagComputerTurn], 0);
  }
}

}  // namespace
}  // namespace gm
