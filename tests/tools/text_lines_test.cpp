// The builder's line and word reading: which lines reach a reader and under which number, and
// which words pass as numbers; then bad authored lines in a copy of the source data, each
// refused with its file and line rather than built into a wrong map, and border areas that put
// a listed border town on the wrong side.
#include "tools/scenario/text_lines.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "tools/scenario/scenario_build.hpp"

namespace gm::scenario {
namespace {

TEST(TextLinesTest, LinesReachTheReaderWithTheirNumbers) {
  const std::string path =
      ::testing::TempDir() + "/text_lines_" + std::to_string(::getpid()) + ".txt";
  std::ofstream(path, std::ios::binary) << "# head\r\none\r\n\n   \n  # indented\ntwo # tail\n";
  std::vector<std::string> seen;
  ASSERT_TRUE(ForEachLine(path, [&](const std::string& line, int n) {
                seen.push_back(std::to_string(n) + ":" + line);
                return Status::Ok();
              }).IsOk());
  // Blank-looking and indented lines are the readers' to judge: the derived files refuse them.
  EXPECT_EQ(seen, (std::vector<std::string>{"2:one", "4:   ", "5:  # indented", "6:two # tail"}));
  EXPECT_TRUE(BlankOrComment("   "));
  EXPECT_TRUE(BlankOrComment("\t# x"));
  EXPECT_FALSE(BlankOrComment("  1,2"));
  EXPECT_EQ(WordsBeforeComment("unit 2  74 # note"), (std::vector<std::string>{"unit", "2", "74"}));
  EXPECT_EQ(JoinWords({"nation", "2", "Soviet", "Union"}, 2), "Soviet Union");

  const Status stop = ForEachLine(path, [&](const std::string&, int n) {
    return n == 4 ? Status::Error(Where(path, n) + "stop") : Status::Ok();
  });
  EXPECT_EQ(stop.Message(), path + ":4: stop");
  EXPECT_FALSE(
      ForEachLine(path + ".missing", [](const std::string&, int) { return Status::Ok(); }).IsOk());
}

TEST(TextLinesTest, OnlyWholeWordsInRangePassAsNumbers) {
  struct Case {
    const char* word;
    bool isInt, isCount;
    int value;
  };
  const Case cases[] = {
      {"42", true, true, 42},
      {"0", true, true, 0},
      {"-3", true, false, -3},
      {"+4", true, false, 4},
      {"12abc", false, false, 0},
      {"", false, false, 0},
      {"2147483647", true, true, 2147483647},
      {"2147483648", false, false, 0},
      {"99999999999", false, false, 0},
  };
  for (const Case& c : cases) {
    int v = -1;
    EXPECT_EQ(ToInt(c.word, v), c.isInt) << c.word;
    if (c.isInt) {
      EXPECT_EQ(v, c.value) << c.word;
    }
    EXPECT_EQ(ToCount(c.word, v), c.isCount) << c.word;
  }
  long l = 0;
  EXPECT_TRUE(ToLong("3000000000", l));
  EXPECT_EQ(l, 3000000000L);
  EXPECT_FALSE(ToLong("3e9", l));
}

// Builds a copy of the source data with `text` appended to the authored file `file`; `line`
// becomes the number of the first appended line.
Status BuildWithAppended(const char* file, const char* text, int& line) {
  const std::filesystem::path data =
      ::testing::TempDir() + "/scenario_data_copy_" + std::to_string(::getpid());
  std::filesystem::remove_all(data);
  std::filesystem::copy(GM_SCENARIO_DATA_DIR, data, std::filesystem::copy_options::recursive);
  const std::string path = (data / "authored" / file).string();
  line = 1;
  {
    std::ifstream in(path);
    for (std::string l; std::getline(in, l);) ++line;
  }
  std::ofstream(path, std::ios::app) << text;
  auto w = std::make_unique<World>();
  BuildResult result;
  const Status s = BuildScenario(data.string(), *w, result);
  std::filesystem::remove_all(data);
  return s;
}

TEST(TextLinesTest, BadAuthoredLinesAreRefusedWithTheirLine) {
  struct Case {
    const char* file;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      // A typing slip over open water used to pass unseen.
      {"terrain.txt", "jungle 50\n  7,43 7.5,43 7.5,43.5\n", "unknown terrain jungle"},
      // Numbers past an int used to wrap into a nation 255 or a negative share.
      {"holders.txt", "nation 99999999999 1 Poland\n", "\"nation <n> <smallest town> <country>\""},
      {"terrain.txt", "forest 99999999999\n  20,50 21,50 21,51\n", "a percentage expected"},
      {"roads.txt", "road Kiev -\n", "no town named"},
      // A name two towns bear used to take the first of them, wherever it stood.
      {"roads.txt", "road Kiev - Ordzhonikidze\n", "2 towns are named Ordzhonikidze: give the one"},
      {"roads.txt", "airfield Pervomaisk\n", "2 towns are named Pervomaisk"},
      {"roads.txt", "road Kiev - Ordzhonikidze @30.5,50.45\n",
       "no town named Ordzhonikidze stands at 30.5,50.45"},
      {"holders.txt", "town 5 5 Pervomaisk @30.85\n", "a town's place \"Name @lon,lat\" expected"},
      {"names1941.txt", "RU Tula @37.6 = Tula 272000\n", "a place \"@lon,lat\" expected"},
      {"names1941.txt", "RU Tula = Tula 99999999999\n", "a 1941 population of at most"},
      // A second line for a town used to be read and never used, its population with it.
      {"names1941.txt", "RU Ryazan = Ryazan 95000\n", "RU Ryazan is named already at line"},
      {"holders.txt", "town 2 2 Atlantis\n", "no town named Atlantis"},
  };
  for (const Case& c : cases) {
    int line = 0;
    const Status s = BuildWithAppended(c.file, c.text, line);
    ASSERT_FALSE(s.IsOk()) << c.text;
    EXPECT_NE(s.Message().find(std::string(c.file) + ":" + std::to_string(line) + ": "),
              std::string::npos)
        << s.Message();
    EXPECT_NE(s.Message().find(c.message), std::string::npos) << s.Message();
  }
}

// A border area drawn across a town of the border-town table stops the build, naming the town.
TEST(TextLinesTest, AreasDrawnAcrossBorderTownsAreRefused) {
  const std::pair<const char*, const char*> cases[] = {
      // East Prussia's Lyck given to the Soviet Union with the Bialystok region.
      {"area 5 5 Poland\n  22.2,53.7 22.6,53.7 22.6,53.95 22.2,53.95\n",
       "Lyck stands on the wrong side of the border: owner 5 and holder 5 instead of 2 and 2"},
      // Lithuanian Palanga given to Germany with the Memel territory.
      {"area 2 2 Lithuania\n  20.9,55.85 21.2,55.85 21.2,56.0 20.9,56.0\n",
       "Palanga stands on the wrong side of the border: owner 2 and holder 2 instead of 5 and 5"},
      // Bendery, on the Bessarabian bank of the Dniester, made old Soviet land.
      {"area 5 5 Moldova\n  29.3,46.7 29.56,46.7 29.56,46.95 29.3,46.95\n",
       "Bendery stands on the wrong side of the border: owner 5 and holder 5 instead of 4 and 5"},
  };
  for (const auto& [text, message] : cases) {
    int line = 0;
    const Status s = BuildWithAppended("holders.txt", text, line);
    ASSERT_FALSE(s.IsOk()) << text;
    EXPECT_NE(s.Message().find(message), std::string::npos) << s.Message();
  }
}

}  // namespace
}  // namespace gm::scenario
