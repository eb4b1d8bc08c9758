// The error box's text: the box does not wrap, so a long message is broken into lines that fit a
// display 800 pixels wide, between its parts first, and keeps every character but the blanks at
// its breaks.
#include <gtest/gtest.h>

#include <string>

#include "platform/sdl/sdl_message_lines.hpp"

namespace gm {
namespace {

TEST(MessageBoxLines, BreakBetweenPartsThenWordsThenAPathsSteps) {
  const struct {
    const char* message;
    std::size_t columns;
    const char* lines;
  } cases[] = {
      {"/home/ann/gravmark/data/evrasia.scn: cannot open: No such file or directory", 80,
       "/home/ann/gravmark/data/evrasia.scn: cannot open: No such file or directory"},
      {"/work/wt/house2/build/test-output/real-window/bare/data/evrasia.scn: cannot open: No such "
       "file or directory",
       kMessageBoxColumns,
       "/work/wt/house2/build/test-output/real-window/bare/data/evrasia.scn:\n"
       "cannot open: No such file or directory"},
      {"data/graphic.dxg: 'Table3' has 90 patterns, the game needs 180", 30,
       "data/graphic.dxg:\n'Table3' has 90 patterns, the\ngame needs 180"},
      {"/a/very/long/folder/name/evrasia.scn: gone", 16,
       "/a/very/long/\nfolder/name/\nevrasia.scn:\ngone"},
      {"abcdefghij", 4, "abcd\nefgh\nij"},
      {"", 10, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MessageBoxLines(c.message, c.columns), c.lines) << c.message;
}

// A column is a character, however many bytes it takes, and no line ends inside one.
TEST(MessageBoxLines, CountAndCutCharactersNotBytes) {
  const std::string path = "/aдддддддддддддддддддддддддддддддддддддддддддддддддд/data/evrasia.scn:";
  const struct {
    std::string message, lines;
    std::size_t columns;
  } cases[] = {
      {"aддд", "aд\nдд", 2},
      {"ддддд", "дддд\nд", 4},
      {path + " cannot open: gone", path + "\ncannot open: gone", kMessageBoxColumns},
  };
  for (const auto& c : cases) EXPECT_EQ(MessageBoxLines(c.message, c.columns), c.lines);
}

}  // namespace
}  // namespace gm
