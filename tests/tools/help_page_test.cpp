// The player's guide the build puts in help/gvm.htm: present, a complete HTML page whose tags
// all close in order, and quoting the game's own button and page texts.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace gm {
namespace {

std::string ReadHelpPage() {
  const char* buildDir = std::getenv("GM_BUILD_DIR");
  if (buildDir == nullptr) return {};
  std::ifstream in(std::string(buildDir) + "/help/gvm.htm", std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
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
