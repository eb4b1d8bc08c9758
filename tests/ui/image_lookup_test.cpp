// Image look-ups kept between frames: the kept answer is always the one a look-up by name gives
// now, whatever happened to the list since.
#include "ui/image_lookup.hpp"

#include <gtest/gtest.h>

#include <string>

namespace gm {
namespace {

const TPictureCollectionItem* ByName(const TPictureCollection& list, ImageId image) {
  const std::int32_t i = list.IndexOf(ImageOf(image).name);
  return i < 0 ? nullptr : &list.Items(i);
}

TEST(ImageLookup, FollowsEveryChangeOfTheList) {
  constexpr ImageId kImage = ImageId::kTable2;
  const std::string name(ImageOf(kImage).name);
  struct Step {
    const char* what;
    void (*change)(TPictureCollection&, const std::string&);
  };
  const Step steps[] = {
      {"as loaded", [](TPictureCollection&, const std::string&) {}},
      {"unchanged", [](TPictureCollection&, const std::string&) {}},
      {"renamed away", [](TPictureCollection& l, const std::string&) { l.Items(1).SetName("X"); }},
      {"renamed back", [](TPictureCollection& l, const std::string& n) { l.Items(1).SetName(n); }},
      {"a later item of the name",
       [](TPictureCollection& l, const std::string& n) { l.Add().SetName(n); }},
      {"moved", [](TPictureCollection& l, const std::string&) { l.Move(3, 0); }},
      {"deleted", [](TPictureCollection& l, const std::string&) { l.Delete(0); }},
      {"the other deleted", [](TPictureCollection& l, const std::string&) { l.Delete(1); }},
      {"a new one after all were cleared",
       [](TPictureCollection& l, const std::string& n) {
         l.Clear();
         l.Add().SetName("Other");
         l.Add().SetName(n);
       }},
  };
  TPictureCollection list;
  for (const char* n : {"Table1", "", "Table3"}) list.Add().SetName(n);
  list.Items(1).SetName(name);
  ImageLookup lookup;
  for (const Step& step : steps) {
    step.change(list, name);
    EXPECT_EQ(lookup.Find(list, kImage), ByName(list, kImage)) << step.what;
    EXPECT_EQ(lookup.Find(list, ImageId::kTable1), ByName(list, ImageId::kTable1)) << step.what;
  }
}

// One lookup serves both lists: an answer for one list is never taken for the other.
TEST(ImageLookup, KeepsEachListsOwnAnswer) {
  TPictureCollection graphic, techn;
  graphic.Add().SetName("Table1");
  techn.Add().SetName("Other");
  techn.Add().SetName("Table1");
  ImageLookup lookup;
  EXPECT_EQ(lookup.Find(graphic, ImageId::kTable1), &graphic.Items(0));
  EXPECT_EQ(lookup.Find(techn, ImageId::kTable1), &techn.Items(1));
  EXPECT_EQ(lookup.Find(graphic, ImageId::kTable1), &graphic.Items(0));
}

}  // namespace
}  // namespace gm
