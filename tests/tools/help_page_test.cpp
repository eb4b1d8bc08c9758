// The player's guide the build puts in help/gvm.htm: present, a complete HTML page whose tags
// all close in order, quoting the game's own button and page texts, with a picture of every
// screen and page that the build copies beside it, a legend as the tables now stand, and the
// README pointing to it.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/text_file.hpp"
#include "tools/help/legend_html.hpp"

namespace gm {
namespace {

using testing::ReadText;

std::string ReadHelpPage() {
  const char* buildDir = std::getenv("GM_BUILD_DIR");
  if (buildDir == nullptr) return {};
  return ReadText(std::string(buildDir) + "/help/gvm.htm");
}

// The values of every `attribute="..."` in the text, in order.
std::vector<std::string> AttributeValues(const std::string& text, const std::string& attribute) {
  std::vector<std::string> values;
  const std::string key = attribute + "=\"";
  for (size_t pos = text.find(key); pos != std::string::npos; pos = text.find(key, pos)) {
    pos += key.size();
    const size_t end = text.find('"', pos);
    if (end == std::string::npos) break;
    values.push_back(text.substr(pos, end - pos));
  }
  return values;
}

// Width and height from a PNG file's header; 0, 0 when it is no PNG.
std::pair<int, int> PngSize(const std::filesystem::path& file) {
  const std::string bytes = ReadText(file);
  if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) return {0, 0};
  auto word = [&](size_t at) {
    int v = 0;
    for (size_t i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
    return v;
  };
  return {word(16), word(20)};
}

// Walks the tags of the page; returns an empty string when every opened tag is closed in order,
// else a description of the first fault.
std::string TagFault(const std::string& page) {
  static const std::set<std::string> kVoid = {"meta", "br", "hr", "img", "link"};
  std::vector<std::string> open;
  size_t pos = 0;
  while ((pos = page.find('<', pos)) != std::string::npos) {
    const size_t end = page.find('>', pos);
    if (end == std::string::npos) return "unterminated tag at " + std::to_string(pos);
    const std::string tag = page.substr(pos + 1, end - pos - 1);
    pos = end + 1;
    if (tag.empty()) return "empty tag";
    if (tag[0] == '!') continue;  // the doctype
    const bool closing = tag[0] == '/';
    std::string name;
    for (size_t i = closing ? 1 : 0;
         i < tag.size() && std::isalnum(static_cast<unsigned char>(tag[i])); ++i) {
      name += static_cast<char>(std::tolower(static_cast<unsigned char>(tag[i])));
    }
    if (name.empty()) return "nameless tag <" + tag + ">";
    if (!closing) {
      if (!kVoid.count(name)) open.push_back(name);
    } else if (open.empty() || open.back() != name) {
      return "</" + name + "> closes " +
             (open.empty() ? std::string("nothing") : "<" + open.back() + ">");
    } else {
      open.pop_back();
    }
  }
  return open.empty() ? std::string() : "<" + open.back() + "> never closed";
}

TEST(HelpPage, IsACompletePage) {
  const std::string page = ReadHelpPage();
  if (std::getenv("GM_BUILD_DIR") == nullptr) GTEST_SKIP() << "GM_BUILD_DIR is not set";
  ASSERT_FALSE(page.empty()) << "help/gvm.htm missing or empty";
  EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
  const size_t title = page.find("<title>");
  ASSERT_NE(title, std::string::npos);
  EXPECT_GT(page.find("</title>"), title + 7) << "the title is empty";
  EXPECT_EQ(TagFault(page), "");
}

TEST(HelpPage, QuotesTheGamesOwnTexts) {
  const std::string page = ReadHelpPage();
  if (std::getenv("GM_BUILD_DIR") == nullptr) GTEST_SKIP() << "GM_BUILD_DIR is not set";
  for (const char* text :
       {"\"Run!\"", "\"Exit\"", "\"Realistic ( turn=day )\"", "\"Fast ( turn=4 days )\"",
        "\"Human\"", "\"CPU\"", "\"New unit\"", "\"Unit staff\"", "\"Economy\"", "\"Options\"",
        "\"Save/Load\"", "\"End turn\"", "\"Quit to system\"",
        "\"AI complete Your turn...NO    YES\"", "\"Real economic\"", "\"Required economic\""}) {
    EXPECT_NE(page.find(text), std::string::npos) << text;
  }
}

// The game's link lines open the page's About section; the guide names every nation of both
// coalitions.
TEST(HelpPage, HasTheAboutSectionTheGameLinksTo) {
  const std::string page = ReadHelpPage();
  if (std::getenv("GM_BUILD_DIR") == nullptr) GTEST_SKIP() << "GM_BUILD_DIR is not set";
  EXPECT_NE(page.find("id=\"about\""), std::string::npos);
  for (const char* nation :
       {"USSR", "Mongolia", "Germany", "Hungary", "Italy", "Romania", "Finland", "Slovakia"}) {
    EXPECT_NE(page.find(nation), std::string::npos) << nation;
  }
}

// A picture of every screen and page, each an 800 x 600 frame, and every picture the page shows
// copied beside it with the size the page gives.
TEST(HelpPage, ShowsEveryScreenAndPageFromItsOwnFolder) {
  const char* buildDir = std::getenv("GM_BUILD_DIR");
  if (buildDir == nullptr) GTEST_SKIP() << "GM_BUILD_DIR is not set";
  const std::string page = ReadHelpPage();
  const std::filesystem::path help = std::filesystem::path(buildDir) / "help";
  for (const char* screen : {"settings-dialog",
                             "title",
                             "battlefield",
                             "battlefield-selected",
                             "unit-card",
                             "assault",
                             "air-layer",
                             "map1",
                             "map2",
                             "computer-turn",
                             "new-unit",
                             "placement",
                             "unit-staff",
                             "economy-statistics",
                             "economy-units",
                             "economy-store",
                             "economy-repair",
                             "economy-production",
                             "economy-losses",
                             "options",
                             "save-load",
                             "end-turn",
                             "help",
                             "quit",
                             "final"}) {
    const std::string src = std::string("pictures/") + screen + ".png";
    EXPECT_NE(page.find("src=\"" + src + "\""), std::string::npos) << src;
    EXPECT_EQ(PngSize(help / src), std::make_pair(800, 600)) << src;
  }
  const auto sources = AttributeValues(page, "src");
  const auto widths = AttributeValues(page, "width");
  const auto heights = AttributeValues(page, "height");
  ASSERT_EQ(sources.size(), widths.size());
  ASSERT_EQ(sources.size(), heights.size());
  for (size_t i = 0; i < sources.size(); ++i) {
    ASSERT_EQ(sources[i].rfind("pictures/", 0), 0u) << sources[i] << " is not the guide's own";
    const auto [w, h] = PngSize(help / sources[i]);
    ASSERT_GT(w, 0) << sources[i] << " missing";
    // Small marks are shown twice their size.
    EXPECT_TRUE((std::to_string(w) == widths[i] && std::to_string(h) == heights[i]) ||
                (std::to_string(2 * w) == widths[i] && std::to_string(2 * h) == heights[i]))
        << sources[i] << " is " << w << "x" << h;
  }
}

#if defined(GM_GUIDE_SOURCE_DIR) && defined(GM_README)
// No committed picture is left that neither the guide nor the README shows.
TEST(HelpPage, EveryCommittedPictureIsShown) {
  const std::filesystem::path source = GM_GUIDE_SOURCE_DIR;
  const std::string page = ReadText(source / "gvm.htm");
  const std::string readme = ReadText(GM_README);
  int pictures = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(source / "pictures")) {
    if (!entry.is_regular_file()) continue;
    ++pictures;
    const std::string name = entry.path().lexically_relative(source).generic_string();
    EXPECT_TRUE(page.find("\"" + name + "\"") != std::string::npos ||
                readme.find("help/" + name) != std::string::npos)
        << name << " is shown nowhere";
  }
  EXPECT_GT(pictures, 0);
}

// The legend's tables are those the tables give now: a change of the formation types, the
// terrains or the symbols needs `make guide-pictures`.
TEST(HelpPage, LegendIsUpToDate) {
  const std::string page = ReadText(std::filesystem::path(GM_GUIDE_SOURCE_DIR) / "gvm.htm");
  std::string expected = page;
  ASSERT_TRUE(guide::SpliceLegend(expected, guide::LegendHtml()).IsOk());
  EXPECT_TRUE(page == expected) << "help/gvm.htm's legend is stale: run make guide-pictures";
}

// The README shows the Battlefield from the guide's pictures and links the guide.
TEST(HelpPage, ReadmeShowsTheBattlefieldAndLinksTheGuide) {
  const std::string readme = ReadText(GM_README);
  EXPECT_NE(readme.find("](help/pictures/battlefield.png)"), std::string::npos);
  EXPECT_NE(readme.find("](help/gvm.htm)"), std::string::npos);
}
#endif

TEST(HelpPage, ValidatorCatchesBrokenNesting) {
  const struct {
    const char* page;
    bool sound;
  } cases[] = {
      {"<!DOCTYPE html><html><head><meta "
       "charset=\"utf-8\"></head><body><p>a<b>b</b></p></body></html>",
       true},
      {"<html><p>open</html>", false},
      {"<html><b><p>x</b></p></html>", false},
      {"<html><p>x</p>", false},
      {"<html><p>x</p></html", false},
  };
  for (const auto& c : cases) EXPECT_EQ(TagFault(c.page).empty(), c.sound) << c.page;
}

}  // namespace
}  // namespace gm
