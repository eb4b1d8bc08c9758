// The builder's inputs: the derived geography (land mask, rivers, country outlines, towns) and
// the authored files (1941 borders and holders, terrain areas, roads, 1941 names), read from the
// text files of tools/scenario/data.
#pragma once

#include <string>
#include <vector>

#include "platform/status.hpp"

namespace gm::scenario {

struct LonLat {
  double lon = 0;
  double lat = 0;
};
using Ring = std::vector<LonLat>;

struct RiverLine {
  int level = 0;  // 1 permanent major river, 2 additional major, 3 additional river
  Ring points;
};

struct Country {
  std::string name;
  std::vector<Ring> rings;
};

struct Town {
  LonLat at;
  int population = 0;
  std::string country;  // ISO two-letter code of today
  std::string name;     // today's name, plain letters
};

// One feature of an authored file: its keyword line split into words, then its points.
struct AuthoredFeature {
  std::vector<std::string> words;
  Ring points;
  int line = 0;  // where the keyword stands, for messages
};

// A message about a feature of the authored file `file` ("roads.txt" ...), naming its line.
Status FeatureError(const AuthoredFeature& f, const std::string& file, const std::string& what);

struct NameRule {
  std::string country;
  std::string modern;
  std::string name1941;    // empty: the town did not exist in 1941 and is left out
  int population1941 = 0;  // 0: take today's population
  // A rule with a place applies only to the namesake standing there (within kRulePlaceReach),
  // so that two towns of one name can be told apart; one without applies to the largest.
  bool placed = false;
  LonLat at;
};

// How far in degrees of longitude and latitude a placed rule's town may lie from its place.
inline constexpr double kRulePlaceReach = 0.1;

// Today's name as towns and names lines are matched: without its apostrophes ("Homyel'" is
// "Homyel").
std::string MatchedName(std::string name);

// One entry of a region's transliteration table: today's spelling `from` (lower case) is written
// `to` in the 1941 name, within each word, only at its start or end where the entry says so.
struct TranslitRule {
  std::string country;  // today's country
  int holder = 0;       // the nation that held the town on 22 June 1941
  std::string from, to;
  bool atStart = false, atEnd = false;
};

struct SourceData {
  std::vector<char> landMask;  // kColumns x kRows: '.' land, '~' sea, '=' lake
  std::vector<RiverLine> rivers;
  std::vector<Country> countries;
  std::vector<Town> towns;
  std::vector<AuthoredFeature> holders;      // "nation" and "town" lines, "area" polygons
  std::vector<AuthoredFeature> terrain;      // terrain areas and lines
  std::vector<AuthoredFeature> extraRivers;  // authored river courses
  std::vector<AuthoredFeature> roads;        // "road" routes and "airfield" lines
  std::vector<NameRule> names;
  std::vector<TranslitRule> translit;
};

// One "lon,lat" point in degrees; false for anything else.
bool ToLonLat(const std::string& word, LonLat& p);

// A name and the place "@lon,lat" that may follow it ("Pervomaisk @30.85,48.04"), both trimmed;
// `placed` says whether there is one. False for a place that is no point or has no name before it.
bool SplitNamedPlace(const std::string& text, std::string& name, bool& placed, LonLat& at);

// Reads every file from `dataDir` (tools/scenario/data).
Status LoadSourceData(const std::string& dataDir, SourceData& out);

}  // namespace gm::scenario
