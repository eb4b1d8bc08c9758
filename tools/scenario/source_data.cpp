// Readers of the scenario's source text files. Every reader reports the file and line of the
// first thing it cannot read.
#include "tools/scenario/source_data.hpp"

#include <cstdlib>
#include <map>
#include <sstream>

#include "tools/scenario/projection.hpp"
#include "tools/scenario/text_lines.hpp"

namespace gm::scenario {
namespace {

// "lon,lat lon,lat ..." in degrees (authored) or thousandths of a degree (derived).
bool ParsePoints(const std::string& text, double scale, Ring& out) {
  for (const std::string& word : Words(text)) {
    LonLat p;
    if (!ToLonLat(word, p)) return false;
    out.push_back({p.lon * scale, p.lat * scale});
  }
  return true;
}

Status ReadLandMask(const std::string& path, std::vector<char>& mask) {
  mask.clear();
  Status rows = ForEachLine(path, [&](const std::string& l, int n) {
    if (l.size() != kColumns || l.find_first_not_of(".~=") != std::string::npos)
      return Status::Error(Where(path, n) + "a row must hold 360 of '.', '~', '='");
    mask.insert(mask.end(), l.begin(), l.end());
    return Status::Ok();
  });
  if (!rows) return rows;
  if (mask.size() != static_cast<std::size_t>(kColumns) * kRows)
    return Status::Error(path + ": 300 rows expected");
  return Status::Ok();
}

Status ReadRivers(const std::string& path, std::vector<RiverLine>& rivers) {
  return ForEachLine(path, [&](const std::string& l, int n) {
    RiverLine r;
    const auto space = l.find(' ');
    if (space == std::string::npos) return Status::Error(Where(path, n) + "no points");
    r.level = std::atoi(l.substr(0, space).c_str());
    if (r.level < 1 || !ParsePoints(l.substr(space + 1), 0.001, r.points) || r.points.size() < 2)
      return Status::Error(Where(path, n) + "a level and two or more points expected");
    rivers.push_back(std::move(r));
    return Status::Ok();
  });
}

Status ReadCountries(const std::string& path, std::vector<Country>& countries) {
  return ForEachLine(path, [&](const std::string& l, int n) {
    if (l.rfind("country ", 0) == 0) {
      const auto space = l.find(' ', 8);
      if (space == std::string::npos) return Status::Error(Where(path, n) + "country without name");
      countries.push_back({Trim(l.substr(space + 1)), {}});
      return Status::Ok();
    }
    Ring ring;
    if (countries.empty() || !ParsePoints(l, 0.001, ring) || ring.size() < 3)
      return Status::Error(Where(path, n) + "a ring of three or more points expected");
    countries.back().rings.push_back(std::move(ring));
    return Status::Ok();
  });
}

Status ReadTowns(const std::string& path, std::vector<Town>& towns) {
  return ForEachLine(path, [&](const std::string& l, int n) {
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
    return Status::Ok();
  });
}

// Authored files: a keyword line starts a feature; indented lines after it hold its points.
Status ReadAuthored(const std::string& path, std::vector<AuthoredFeature>& features) {
  return ForEachLine(path, [&](const std::string& l, int n) {
    if (BlankOrComment(l)) return Status::Ok();  // indented comments too
    if (l[0] != ' ' && l[0] != '\t') {
      features.push_back({Words(l), {}, n});
      return Status::Ok();
    }
    if (features.empty() || !ParsePoints(l, 1.0, features.back().points))
      return Status::Error(Where(path, n) + "points \"lon,lat lon,lat ...\" expected");
    return Status::Ok();
  });
}

// "translit CC holder from=to ...": entries of a region's table; "^" anchors an entry at a
// word's start, "$" at its end.
Status ReadTranslit(const std::string& path, int n, const std::vector<std::string>& w,
                    std::vector<TranslitRule>& out) {
  int holder = 0;
  if (w.size() < 4 || w[1].size() != 2 || !ToInt(w[2], holder) || holder < 1 || holder > 8)
    return Status::Error(Where(path, n) + "\"translit CC holder from=to ...\" expected");
  for (std::size_t k = 3; k < w.size(); ++k) {
    TranslitRule r;
    r.country = w[1];
    r.holder = holder;
    const auto eq = w[k].find('=');
    if (eq == std::string::npos) return Status::Error(Where(path, n) + "from=to expected");
    r.from = w[k].substr(0, eq);
    r.to = w[k].substr(eq + 1);
    r.atStart = !r.from.empty() && r.from.front() == '^';
    if (r.atStart) r.from.erase(0, 1);
    r.atEnd = !r.from.empty() && r.from.back() == '$';
    if (r.atEnd) r.from.pop_back();
    if (r.from.empty()) return Status::Error(Where(path, n) + "empty spelling in " + w[k]);
    for (char c : r.from + r.to)
      if (c < 'a' || c > 'z')
        return Status::Error(Where(path, n) + "lower-case plain letters expected in " + w[k]);
    out.push_back(std::move(r));
  }
  return Status::Ok();
}

// Today's name of a names1941.txt line, with the place "@lon,lat" that may follow it.
Status ReadModernName(const std::string& where, const std::string& text, NameRule& r) {
  if (!SplitNamedPlace(text, r.modern, r.placed, r.at))
    return Status::Error(where + "today's name and a place \"@lon,lat\" expected");
  return Status::Ok();
}

// "CC Modern name [@lon,lat] = 1941 name [population]" or "CC Modern name [@lon,lat] -" (founded
// after 1941), and the transliteration tables. A town takes the first line without a place that
// names it, so a second such line would be read and never used: it is refused.
Status ReadNames(const std::string& path, std::vector<NameRule>& names,
                 std::vector<TranslitRule>& translit) {
  std::map<std::string, int> unplacedLine;  // by country and matched name
  return ForEachLine(path, [&](const std::string& l, int n) {
    if (BlankOrComment(l)) return Status::Ok();
    const std::string t = Trim(l);
    if (t.rfind("translit ", 0) == 0) return ReadTranslit(path, n, WordsBeforeComment(t), translit);
    NameRule r;
    const auto space = t.find(' ');
    if (space != 2) return Status::Error(Where(path, n) + "a two-letter country code first");
    r.country = t.substr(0, 2);
    const std::string rest = t.substr(3);
    const auto eq = rest.find(" = ");
    if (eq == std::string::npos) {
      if (rest.size() < 3 || rest.substr(rest.size() - 2) != " -")
        return Status::Error(Where(path, n) + "\"= 1941 name\" or \" -\" expected");
      if (Status s = ReadModernName(Where(path, n), rest.substr(0, rest.size() - 2), r); !s)
        return s;
    } else {
      if (Status s = ReadModernName(Where(path, n), rest.substr(0, eq), r); !s) return s;
      std::string name = Trim(rest.substr(eq + 3));
      const auto last = name.find_last_of(' ');
      if (last != std::string::npos &&
          name.find_first_not_of("0123456789", last + 1) == std::string::npos) {
        if (!ToCount(name.substr(last + 1), r.population1941))
          return Status::Error(Where(path, n) + "a 1941 population of at most 2147483647 expected");
        name = Trim(name.substr(0, last));
      }
      r.name1941 = name;
      if (name.empty() || name.size() > 40)
        return Status::Error(Where(path, n) + "a 1941 name of 1..40 characters expected");
    }
    if (!r.placed) {
      const std::string key = r.country + " " + MatchedName(r.modern);
      if (const auto [it, fresh] = unplacedLine.emplace(key, n); !fresh)
        return Status::Error(Where(path, n) + key + " is named already at line " +
                             std::to_string(it->second));
    }
    names.push_back(std::move(r));
    return Status::Ok();
  });
}

}  // namespace

std::string MatchedName(std::string name) {
  std::erase(name, '\'');
  return name;
}

Status FeatureError(const AuthoredFeature& f, const std::string& file, const std::string& what) {
  return Status::Error(Where("tools/scenario/data/authored/" + file, f.line) + what);
}

bool SplitNamedPlace(const std::string& text, std::string& name, bool& placed, LonLat& at) {
  name = Trim(text);
  const auto mark = name.find(" @");
  placed = mark != std::string::npos;
  if (!placed) return true;
  const std::string place = Trim(name.substr(mark + 2));
  name = Trim(name.substr(0, mark));
  return !name.empty() && ToLonLat(place, at);
}

bool ToLonLat(const std::string& word, LonLat& p) {
  const auto comma = word.find(',');
  if (comma == std::string::npos) return false;
  try {
    std::size_t a = 0, b = 0;
    p.lon = std::stod(word.substr(0, comma), &a);
    p.lat = std::stod(word.substr(comma + 1), &b);
    return a == comma && b == word.size() - comma - 1;
  } catch (...) {
    return false;
  }
}

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
  return ReadNames(d + "authored/names1941.txt", out.names, out.translit);
}

}  // namespace gm::scenario
