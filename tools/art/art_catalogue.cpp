// Reads the art catalogue (tools/art/catalogue.txt).
#include "tools/art/art_catalogue.hpp"

#include <charconv>
#include <sstream>
#include <stdexcept>

namespace gm::art {
namespace {

[[noreturn]] void Fail(std::string_view source, int line, const std::string& what) {
  throw std::runtime_error(std::string(source) + ":" + std::to_string(line) + ": " + what);
}

int ParseInt(std::string_view s, int lo, int hi, std::string_view source, int line,
             const char* what) {
  int v = 0;
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || p != s.data() + s.size() || v < lo || v > hi)
    Fail(source, line, std::string("bad ") + what + " '" + std::string(s) + "'");
  return v;
}

}  // namespace

int GridColumns(int count) {
  for (int c = 16; c > 1; --c)
    if (count % c == 0) return c;
  return 1;
}

std::vector<ArtItem> ParseCatalogue(std::string_view text, std::string_view source) {
  std::vector<ArtItem> items;
  std::istringstream in{std::string(text)};
  std::string raw;
  int line = 0;
  while (std::getline(in, raw)) {
    ++line;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    const size_t start = raw.find_first_not_of(" \t");
    if (start == std::string::npos || raw[start] == '#') continue;
    std::istringstream words(raw.substr(start));
    if (start == 0) {
      std::string kw, archive, name, w, h, n, key, cols;
      words >> kw >> archive >> name >> w >> h >> n >> key >> cols;
      if (kw != "item") Fail(source, line, "expected 'item', got '" + kw + "'");
      if (archive != "graphic" && archive != "techn")
        Fail(source, line, "unknown archive '" + archive + "'");
      if (key.empty()) Fail(source, line, "item line needs a key or 'none'");
      ArtItem item;
      item.archive = archive;
      item.name = name;
      item.width = ParseInt(w, 1, 1024, source, line, "pattern width");
      item.height = ParseInt(h, 1, 1024, source, line, "pattern height");
      item.count = ParseInt(n, 1, 4096, source, line, "pattern count");
      if (key != "none") {
        uint32_t k = 0;
        auto [p, ec] = std::from_chars(key.data(), key.data() + key.size(), k, 16);
        if (key.size() != 6 || ec != std::errc() || p != key.data() + key.size())
          Fail(source, line, "bad key '" + key + "'");
        item.key = k;
      }
      item.columns = cols.empty() ? GridColumns(item.count)
                                  : ParseInt(cols, 1, item.count, source, line, "column count");
      if (item.count % item.columns != 0)
        Fail(source, line, "column count " + cols + " does not divide the pattern count");
      for (const ArtItem& other : items)
        if (other.name == name) Fail(source, line, "item '" + name + "' listed twice");
      items.push_back(std::move(item));
      continue;
    }
    if (items.empty()) Fail(source, line, "pattern line before any item");
    ArtItem& item = items.back();
    std::string range;
    words >> range;
    PatternNote note;
    const size_t dash = range.find('-');
    note.first = ParseInt(std::string_view(range).substr(0, dash), 0, item.count - 1, source, line,
                          "pattern");
    note.last = dash == std::string::npos
                    ? note.first
                    : ParseInt(std::string_view(range).substr(dash + 1), note.first, item.count - 1,
                               source, line, "pattern");
    std::getline(words >> std::ws, note.text);
    if (note.text.empty()) Fail(source, line, "pattern line without a description");
    item.notes.push_back(std::move(note));
  }
  return items;
}

}  // namespace gm::art
