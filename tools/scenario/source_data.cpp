// Readers of the scenario's source text files. Every reader reports the file and line of the
// first thing it cannot read.
#include "tools/scenario/source_data.hpp"

#include <fstream>
#include <sstream>

#include "tools/scenario/projection.hpp"

namespace gm::scenario {
namespace {

Status ReadLines(const std::string& path, std::vector<std::string>& lines) {
  std::ifstream in(path);
  if (!in) return Status::Error(path + ": cannot be opened");
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return Status::Ok();
}

std::vector<std::string> Words(const std::string& s) {
  std::istringstream in(s);
  std::vector<std::string> out;
  std::string w;
  while (in >> w) out.push_back(w);
  return out;
}

std::string Trim(const std::string& s) {
  const auto a = s.find_first_not_of(" \t");
  if (a == std::string::npos) return "";
  const auto b = s.find_last_not_of(" \t");
  return s.substr(a, b - a + 1);
}

std::string Where(const std::string& path, int line) {
  return path + ":" + std::to_string(line) + ": ";
}

// "lon,lat lon,lat ..." in degrees (authored) or thousandths of a degree (derived).
bool ParsePoints(const std::string& text, double scale, Ring& out) {
  std::istringstream in(text);
  std::string pair;
  while (in >> pair) {
    const auto comma = pair.find(',');
    if (comma == std::string::npos) return false;
    try {
      std::size_t used = 0;
      const double lon = std::stod(pair.substr(0, comma), &used);
      if (used != comma) return false;
      const std::string latText = pair.substr(comma + 1);
      const double lat = std::stod(latText, &used);
      if (used != latText.size()) return false;
      out.push_back({lon * scale, lat * scale});
    } catch (...) {
      return false;
    }
  }
  return true;
}

Status ReadLandMask(const std::string& path, std::vector<char>& mask) {
  std::vector<std::string> lines;
  if (Status s = ReadLines(path, lines); !s) return s;
  mask.clear();
  int n = 0;
  for (const std::string& l : lines) {
    ++n;
    if (l.empty() || l[0] == '#') continue;
    if (l.size() != kColumns || l.find_first_not_of(".~=") != std::string::npos)
      return Status::Error(Where(path, n) + "a row must hold 360 of '.', '~', '='");
    mask.insert(mask.end(), l.begin(), l.end());
  }
  if (mask.size() != static_cast<std::size_t>(kColumns) * kRows)
    return Status::Error(path + ": 300 rows expected");
  return Status::Ok();
}

Status ReadRivers(const std::string& path, std::vector<RiverLine>& rivers) {
  std::vector<std::string> lines;
  if (Status s = ReadLines(path, lines); !s) return s;
  int n = 0;
  for (const std::string& l : lines) {
    ++n;
    if (l.empty() || l[0] == '#') continue;
    RiverLine r;
    const auto space = l.find(' ');
    if (space == std::string::npos) return Status::Error(Where(path, n) + "no points");
    r.level = std::atoi(l.substr(0, space).c_str());
    if (r.level < 1 || !ParsePoints(l.substr(space + 1), 0.001, r.points) || r.points.size() < 2)
      return Status::Error(Where(path, n) + "a level and two or more points expected");
    rivers.push_back(std::move(r));
  }
  return Status::Ok();
}

Status ReadCountries(const std::string& path, std::vector<Country>& countries) {
  std::vector<std::string> lines;
  if (Status s = ReadLines(path, lines); !s) return s;
  int n = 0;
  for (const std::string& l : lines) {
    ++n;
    if (l.empty() || l[0] == '#') continue;
    if (l.rfind("country ", 0) == 0) {
      const auto space = l.find(' ', 8);
      if (space == std::string::npos) return Status::Error(Where(path, n) + "country without name");
      countries.push_back({Trim(l.substr(space + 1)), {}});
      continue;
    }
    Ring ring;
    if (countries.empty() || !ParsePoints(l, 0.001, ring) || ring.size() < 3)
      return Status::Error(Where(path, n) + "a ring of three or more points expected");
    countries.back().rings.push_back(std::move(ring));
  }
  return Status::Ok();
}

Status ReadTowns(const std::string& path, std::vector<Town>& towns) {
  std::vector<std::string> lines;
  if (Status s = ReadLines(path, lines); !s) return s;
  int n = 0;
  for (const std::string& l : lines) {
    ++n;
    if (l.empty() || l[0] == '#') continue;
    std::istringstream in(l);
    long lon = 0, lat = 0;
    Town t;
    if (!(in >> lon >> lat >> t.population >> t.country))
      return Status::Error(Where(path, n) + "longitude, latitude, population, country expected");
    std::string rest;
    std::getline(in, rest);
    t.name = Trim(rest);
    if (t.name.empty()) return Status::Error(Where(path, n) + "a town needs a name");
    t.at = {lon * 0.001, lat * 0.001};
    towns.push_back(std::move(t));
  }
  return Status::Ok();
}

// Authored files: a keyword line starts a feature; indented lines after it hold its points.
Status ReadAuthored(const std::string& path, std::vector<AuthoredFeature>& features) {
  std::vector<std::string> lines;
  if (Status s = ReadLines(path, lines); !s) return s;
  int n = 0;
  for (const std::string& l : lines) {
    ++n;
    const std::string t = Trim(l);
    if (t.empty() || t[0] == '#') continue;
    if (l[0] == ' ' || l[0] == '\t') {
      if (features.empty() || !ParsePoints(t, 1.0, features.back().points))
        return Status::Error(Where(path, n) + "points \"lon,lat lon,lat ...\" expected");
      continue;
    }
    features.push_back({Words(t), {}, n});
  }
  return Status::Ok();
}

// "CC Modern name = 1941 name [population]" or "CC Modern name -" (founded after 1941).
Status ReadNames(const std::string& path, std::vector<NameRule>& names) {
  std::vector<std::string> lines;
  if (Status s = ReadLines(path, lines); !s) return s;
  int n = 0;
  for (const std::string& l : lines) {
    ++n;
    const std::string t = Trim(l);
    if (t.empty() || t[0] == '#') continue;
    NameRule r;
    const auto space = t.find(' ');
    if (space != 2) return Status::Error(Where(path, n) + "a two-letter country code first");
    r.country = t.substr(0, 2);
    const std::string rest = t.substr(3);
    const auto eq = rest.find(" = ");
    if (eq == std::string::npos) {
      if (rest.size() < 3 || rest.substr(rest.size() - 2) != " -")
        return Status::Error(Where(path, n) + "\"= 1941 name\" or \" -\" expected");
      r.modern = Trim(rest.substr(0, rest.size() - 2));
    } else {
      r.modern = Trim(rest.substr(0, eq));
      std::string name = Trim(rest.substr(eq + 3));
      const auto last = name.find_last_of(' ');
      if (last != std::string::npos &&
          name.find_first_not_of("0123456789", last + 1) == std::string::npos) {
        r.population1941 = std::atoi(name.c_str() + last + 1);
        name = Trim(name.substr(0, last));
      }
      r.name1941 = name;
      if (name.empty() || name.size() > 40)
        return Status::Error(Where(path, n) + "a 1941 name of 1..40 characters expected");
    }
    names.push_back(std::move(r));
  }
  return Status::Ok();
}

}  // namespace

Status LoadSourceData(const std::string& dataDir, SourceData& out) {
  const std::string d = dataDir + "/";
  if (Status s = ReadLandMask(d + "landmask.txt", out.landMask); !s) return s;
  if (Status s = ReadRivers(d + "rivers.txt", out.rivers); !s) return s;
  if (Status s = ReadCountries(d + "countries.txt", out.countries); !s) return s;
  if (Status s = ReadTowns(d + "towns.txt", out.towns); !s) return s;
  if (Status s = ReadAuthored(d + "authored/holders.txt", out.holders); !s) return s;
  if (Status s = ReadAuthored(d + "authored/terrain.txt", out.terrain); !s) return s;
  if (Status s = ReadAuthored(d + "authored/rivers.txt", out.extraRivers); !s) return s;
  if (Status s = ReadAuthored(d + "authored/roads.txt", out.roads); !s) return s;
  return ReadNames(d + "authored/names1941.txt", out.names);
}

}  // namespace gm::scenario
