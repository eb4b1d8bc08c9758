// Line and word reading shared by the builder's readers of its source files.
#include "tools/scenario/text_lines.hpp"

#include <climits>
#include <fstream>
#include <sstream>

namespace gm::scenario {

Status ForEachLine(const std::string& path,
                   const std::function<Status(const std::string& line, int number)>& use) {
  std::ifstream in(path);
  if (!in) return Status::Error(path + ": cannot be opened");
  std::string line;
  for (int n = 1; std::getline(in, line); ++n) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    if (Status s = use(line, n); !s) return s;
  }
  return Status::Ok();
}

bool BlankOrComment(const std::string& line) {
  const auto first = line.find_first_not_of(" \t");
  return first == std::string::npos || line[first] == '#';
}

std::string Where(const std::string& path, int line) {
  return path + ":" + std::to_string(line) + ": ";
}

std::string Trim(const std::string& s) {
  const auto a = s.find_first_not_of(" \t");
  if (a == std::string::npos) return "";
  const auto b = s.find_last_not_of(" \t");
  return s.substr(a, b - a + 1);
}

std::vector<std::string> Words(const std::string& s) {
  std::istringstream in(s);
  std::vector<std::string> out;
  std::string w;
  while (in >> w) out.push_back(w);
  return out;
}

std::vector<std::string> WordsBeforeComment(const std::string& s) {
  return Words(s.substr(0, s.find('#')));
}

std::string JoinWords(const std::vector<std::string>& words, std::size_t from) {
  std::string s;
  for (std::size_t i = from; i < words.size(); ++i) {
    if (!s.empty()) s += ' ';
    s += words[i];
  }
  return s;
}

bool ToLong(const std::string& s, long& v) {
  try {
    std::size_t used = 0;
    v = std::stol(s, &used);
    return used == s.size();
  } catch (...) {
    return false;
  }
}

bool ToInt(const std::string& s, int& v) {
  long l = 0;
  if (!ToLong(s, l) || l < INT_MIN || l > INT_MAX) return false;
  v = static_cast<int>(l);
  return true;
}

bool ToCount(const std::string& s, int& v) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos && ToInt(s, v);
}

}  // namespace gm::scenario
