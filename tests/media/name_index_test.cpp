// Name index of the image and wave lists: bucket hashing, case-blind look-up, renames, moves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "media/media_error.hpp"
#include "media/picture_collection.hpp"

namespace gm {
namespace {

TEST(NameHash, KnownBuckets) {
  struct Case {
    const char* name;
    int32_t bucket;
  };
  const Case cases[] = {
      {"click", 22}, {"Cursors", 69}, {"Table1", 57}, {"Table2", 57},
      {"CLICK", 22}, {"ab", 226},     {"x", 16},      {"", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(NameHash(c.name), c.bucket) << c.name;
}

TEST(NameIndex, FindsByAnyCaseAndSharedBucket) {
  TPictureCollection list;
  for (const char* n : {"click", "Table1", "Table2", "Cursors", "Terrain01"}) {
    list.Add().SetName(n);
  }
  EXPECT_EQ(list.IndexOf("CLICK"), 0);
  EXPECT_EQ(list.IndexOf("table1"), 1);
  EXPECT_EQ(list.IndexOf("TABLE2"), 2);
  EXPECT_EQ(list.IndexOf("cursors"), 3);
  EXPECT_EQ(&list.Find("terrain01"), &list.Items(4));
  EXPECT_EQ(list.IndexOf("Table3"), -1);
  EXPECT_EQ(list.IndexOf(""), -1);
  // Letters fold only in ASCII: a byte above 127 must match exactly.
  list.Add().SetName("\xC4xy");
  EXPECT_EQ(list.IndexOf("\xC4XY"), 5);
  EXPECT_EQ(list.IndexOf("\xE4xy"), -1);
}

TEST(NameIndex, LaterOfTwoEqualNamesWins) {
  TPictureCollection list;
  list.Add().SetName("Units");
  list.Add().SetName("Other");
  list.Add().SetName("UNITS");
  EXPECT_EQ(list.IndexOf("units"), 2);
  // Renaming the first re-enters it at the head of its bucket: it is found again.
  list.Items(0).SetName("units");
  EXPECT_EQ(list.IndexOf("Units"), 0);
}

TEST(NameIndex, RenameDeleteAndMoveKeepLookupsInStep) {
  TPictureCollection list;
  for (int i = 0; i < 10; ++i) list.Add().SetName("Item" + std::to_string(i));
  list.Items(5).SetName("Renamed");
  EXPECT_EQ(list.IndexOf("Item5"), -1);
  EXPECT_EQ(list.IndexOf("renamed"), 5);

  list.Delete(3);
  EXPECT_EQ(list.Count(), 9);
  EXPECT_EQ(list.IndexOf("Item3"), -1);
  for (int i = 4; i <= 9; ++i) {
    const std::string name = i == 5 ? "Renamed" : "Item" + std::to_string(i);
    EXPECT_EQ(list.IndexOf(name), i - 1) << name;
  }

  list.Move(0, 8);
  list.Move(7, 2);
  for (int32_t i = 0; i < list.Count(); ++i) {
    EXPECT_EQ(list.IndexOf(list.Items(i).Name()), i) << list.Items(i).Name();
    EXPECT_EQ(list.Items(i).Index(), i);
  }

  list.Clear();
  EXPECT_EQ(list.IndexOf("Item0"), -1);
  list.Add().SetName("Item0");
  EXPECT_EQ(list.IndexOf("item0"), 0);
}

// The version moves with every change a look-up could see, and only then; no two collections
// ever show the same one.
TEST(NameIndex, TheVersionMovesWithEveryChangeALookUpCouldSee) {
  struct Step {
    const char* what;
    void (*change)(TPictureCollection&);
    bool moves;
  };
  const Step steps[] = {
      {"an item added", [](TPictureCollection& l) { l.Add().SetName("Item4"); }, true},
      {"a look-up", [](TPictureCollection& l) { (void)l.IndexOf("item1"); }, false},
      {"a rename", [](TPictureCollection& l) { l.Items(1).SetName("Other"); }, true},
      {"a rename to its own name", [](TPictureCollection& l) { l.Items(1).SetName("Other"); },
       false},
      {"a move", [](TPictureCollection& l) { l.Move(0, 2); }, true},
      {"a move onto itself", [](TPictureCollection& l) { l.Move(1, 1); }, false},
      {"a delete", [](TPictureCollection& l) { l.Delete(0); }, true},
      {"a delete of no item", [](TPictureCollection& l) { l.Delete(99); }, false},
      {"everything cleared", [](TPictureCollection& l) { l.Clear(); }, true},
  };
  TPictureCollection list;
  for (int i = 0; i < 4; ++i) list.Add().SetName("Item" + std::to_string(i));
  std::vector<std::uint64_t> seen{list.Version()};
  for (const Step& step : steps) {
    const std::uint64_t before = list.Version();
    step.change(list);
    EXPECT_EQ(list.Version() != before, step.moves) << step.what;
    if (step.moves) {
      EXPECT_EQ(std::count(seen.begin(), seen.end(), list.Version()), 0) << step.what;
      seen.push_back(list.Version());
    }
  }
  const TPictureCollection other;
  EXPECT_EQ(std::count(seen.begin(), seen.end(), other.Version()), 0);
}

TEST(NameIndex, FindMissingNamesTheName) {
  TPictureCollection list;
  list.Add().SetName("Cursors");
  try {
    list.Find("Cursor");
    FAIL() << "no error";
  } catch (const EPictureCollectionError& e) {
    EXPECT_STREQ(e.what(), "Image 'Cursor' not found");
  }
}

}  // namespace
}  // namespace gm
