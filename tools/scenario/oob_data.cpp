// Reader of data/oob_1941.txt: quality of each nation's troops, equipment kits, military
// districts, placement areas, the unit lines of the order of battle, what each nation had on
// hand, where named formations had their garrisons and which types must have one. Reports the
// line of the first thing it cannot use.
#include <algorithm>
#include <map>
#include <sstream>

#include "tools/scenario/order_of_battle.hpp"
#include "tools/scenario/text_lines.hpp"
#include "world/tables/tables.hpp"

namespace gm::scenario {
namespace {

// "model:weight" tokens of one category; checks each model against the tables.
std::string ReadKit(const std::vector<std::string>& words, std::size_t from, int category,
                    Kit& kit) {
  for (std::size_t k = from; k < words.size(); ++k) {
    const auto colon = words[k].find(':');
    KitShare share;
    if (colon == std::string::npos || !ToInt(words[k].substr(0, colon), share.model) ||
        !ToInt(words[k].substr(colon + 1), share.weight) || share.weight < 1)
      return "\"model:weight\" expected, not " + words[k];
    if (category == 0) {
      if (share.model < 1 || share.model > kAircraftModelRows)
        return "aircraft row out of range: " + words[k];
      const TAircraftModel& a = AircraftModels[share.model];
      const int cls = a.Class, month = a.IntroMonth, year = a.IntroYear;
      if (cls == 0) return "empty aircraft row " + words[k];
      if (!InServiceByJune1941(month, year))
        return "aircraft not in service by June 1941: " + words[k];
    } else {
      if (share.model < 1 || share.model > kEquipmentModelRows)
        return "model out of range: " + words[k];
      const TEquipmentModel& e = EquipmentModels[share.model];
      const int cat = e.Category, month = e.IntroMonth, year = e.IntroYear;
      if (cat != category)
        return "model " + words[k] + " is not of category " + std::to_string(category);
      if (!InServiceByJune1941(month, year))
        return "model not in service by June 1941: " + words[k];
    }
    kit.push_back(share);
  }
  if (category > 0 && kit.size() > static_cast<std::size_t>(kCategorySlots[category]))
    return "more models than the category has slots";
  if (kit.empty()) return "a kit needs at least one model";
  return "";
}

// "1".."8" for equipment categories, "air" for aircraft.
bool ToCategory(const std::string& s, int& c) {
  if (s == "air") {
    c = 0;
    return true;
  }
  return ToInt(s, c) && c >= 1 && c <= 8;
}

using NamedKits = std::map<std::string, std::pair<int, Kit>>;  // name: category and kit

bool IsNation(int n) {
  return n >= 1 && n <= 8;
}

District* FindDistrict(OrderOfBattle& oob, const std::string& name) {
  for (District& d : oob.districts)
    if (d.name == name) return &d;
  return nullptr;
}

// Each reader below takes one line's words and returns what is wrong with it, "" when nothing.

// "quality <nation> <experience> <morale> <ammo>"
std::string ReadQuality(const std::vector<std::string>& w, OrderOfBattle& out) {
  int nation = 0;
  Quality q;
  if (w.size() != 5 || !ToInt(w[1], nation) || !IsNation(nation) || !ToInt(w[2], q.experience) ||
      !ToInt(w[3], q.morale) || !ToInt(w[4], q.ammo) || q.experience < 1 || q.morale < 1 ||
      q.morale > 600 || q.ammo < 0 || q.ammo > 10)
    return "\"quality <nation> <experience> <morale 1..600> <ammo 0..10>\" expected";
  out.quality[nation] = q;
  return "";
}

// "kit <name> <category> model:weight ..." or "default <nation> <category> model:weight ...".
std::string ReadKitLine(const std::vector<std::string>& w, NamedKits& kits, OrderOfBattle& out) {
  const bool named = w[0] == "kit";
  int nation = 0, category = 0;
  if (w.size() < 4 || (!named && (!ToInt(w[1], nation) || !IsNation(nation))) ||
      !ToCategory(w[2], category))
    return "\"kit <name> <category|air> model:weight ...\" or \"default <nation> "
           "<category|air> model:weight ...\" expected";
  Kit kit;
  if (std::string e = ReadKit(w, 3, category, kit); !e.empty()) return e;
  if (!named) {
    out.defaultKits[nation][category] = kit;
    return "";
  }
  if (kits.count(w[1])) return "kit " + w[1] + " named twice";
  kits[w[1]] = {category, kit};
  return "";
}

// "district <name> <country> [lon,lat ...]": one more part of the named district.
std::string ReadDistrict(const std::vector<std::string>& w, OrderOfBattle& out) {
  if (w.size() < 3) return "\"district <name> <country> [lon,lat ...]\" expected";
  DistrictPart part;
  part.country = w[2];
  for (std::size_t k = 3; k < w.size(); ++k) {
    LonLat p;
    if (!ToLonLat(w[k], p)) return "\"lon,lat\" expected, not " + w[k];
    part.polygon.push_back(p);
  }
  if (!part.polygon.empty() && part.polygon.size() < 3) return "a polygon needs three points";
  District* d = FindDistrict(out, w[1]);
  if (d == nullptr) {
    out.districts.push_back({w[1], {}});
    d = &out.districts.back();
  }
  d->parts.push_back(part);
  return "";
}

// "area <name> [border] [district=<name>] lon,lat ..."
std::string ReadArea(const std::vector<std::string>& w, int line, OrderOfBattle& out) {
  Area a;
  a.line = line;
  std::size_t first = 2;
  if (w.size() > first && w[first] == "border") {
    a.border = true;
    ++first;
  }
  if (w.size() > first && w[first].rfind("district=", 0) == 0) {
    a.district = w[first].substr(9);
    if (FindDistrict(out, a.district) == nullptr)
      return "no district named " + a.district + " above this line";
    ++first;
  }
  for (std::size_t k = first; k < w.size(); ++k) {
    LonLat p;
    if (!ToLonLat(w[k], p)) return "\"lon,lat\" expected, not " + w[k];
    a.anchors.push_back(p);
  }
  if (a.anchors.empty()) return "\"area <name> [border] [district=<name>] lon,lat ...\" expected";
  if (FindArea(out, w[1])) return "area " + w[1] + " named twice";
  out.areas.emplace_back(w[1], a);
  return "";
}

// One "key=value" word of a unit line.
std::string ReadUnitKey(const std::string& word, const NamedKits& kits, UnitLine& u) {
  const auto eq = word.find('=');
  if (eq == std::string::npos) return "\"key=value\" expected, not " + word;
  const std::string key = word.substr(0, eq), value = word.substr(eq + 1);
  int* target = key == "men"        ? &u.menPercent
                : key == "equip"    ? &u.equipPercent
                : key == "tanks"    ? &u.tankPercent
                : key == "armoured" ? &u.armouredPercent
                : key == "exp"      ? &u.experience
                : key == "morale"   ? &u.morale
                : key == "ammo"     ? &u.ammo
                                    : nullptr;
  if (target != nullptr) {
    if (!ToInt(value, *target) || *target < 0) return "bad number in " + word;
    return "";
  }
  if (key != "kits" && key != "numbers") return "unknown key " + key;
  std::istringstream list(value);
  for (std::string item; std::getline(list, item, ',');) {
    if (key == "kits") {
      const auto it = kits.find(item);
      if (it == kits.end()) return "no kit named " + item + " above this line";
      u.kits[it->second.first] = it->second.second;
    } else {
      int v = 0;
      if (!ToInt(item, v) || v < 0 || v > 65535) return "bad number " + item;
      u.numbers.push_back(v);
    }
  }
  return "";
}

// "unit <nation> <type> <count> <area> [key=value ...]"
std::string ReadUnit(const std::vector<std::string>& w, int line, const NamedKits& kits,
                     OrderOfBattle& out) {
  UnitLine u;
  u.line = line;
  if (w.size() < 5 || !ToInt(w[1], u.nation) || !ToInt(w[2], u.type) || !ToInt(w[3], u.count) ||
      u.count < 1)
    return "\"unit <nation> <type> <count> <area> [key=value ...]\" expected";
  u.area = w[4];
  if (!FindArea(out, u.area)) return "no area named " + u.area + " above this line";
  if (u.type < 1 || u.type > kFormationTypeRows) return "formation type out of range";
  const TFormationType& t = FormationTypes[u.type];
  const int tn = t.Nation, month = t.Month, year = t.Year;
  if (tn != u.nation) return "type " + w[2] + " is not raised by nation " + w[1];
  if (!InServiceByJune1941(month, year))
    return "type " + w[2] + " cannot be raised before 22 June 1941";
  for (std::size_t k = 5; k < w.size(); ++k)
    if (std::string e = ReadUnitKey(w[k], kits, u); !e.empty()) return e;
  if (u.menPercent > 100 || u.equipPercent > 100 || u.tankPercent > 100 || u.armouredPercent > 100)
    return "strengths are percentages up to 100";
  if (u.morale > 600 || u.ammo > 10) return "morale up to 600, ammo up to 10";
  if (u.numbers.size() > static_cast<std::size_t>(u.count)) return "more numbers than formations";
  out.units.push_back(u);
  return "";
}

// "onhand <nation> <model 1..1200>[+<model>...] <count>": models joined by '+' count together.
std::string ReadOnHand(const std::vector<std::string>& w, int line, OrderOfBattle& out) {
  OnHand h;
  h.line = line;
  const std::string usage = "\"onhand <nation> <model 1..1200>[+<model>...] <count>\" expected";
  if (w.size() != 4 || !ToInt(w[1], h.nation) || !IsNation(h.nation) || !ToInt(w[3], h.count) ||
      h.count < 0 || w[2].front() == '+' || w[2].back() == '+')
    return usage;
  std::istringstream list(w[2]);
  for (std::string item; std::getline(list, item, '+');) {
    int model = 0;
    if (!ToInt(item, model) || model < 1 || model > kModelColumns) return usage;
    const bool empty = model <= kEquipmentModelRows
                           ? EquipmentModels[model].Category == 0
                           : AircraftModels[model - kAircraftModelBase].Class == 0;
    if (empty) return "empty model row " + item;
    if (std::find(h.models.begin(), h.models.end(), model) != h.models.end())
      return "model " + item + " given twice";
    h.models.push_back(model);
  }
  if (h.models.empty()) return usage;
  std::sort(h.models.begin(), h.models.end());
  for (const OnHand& other : out.onHand)
    if (other.nation == h.nation && other.models == h.models)
      return "models " + w[2] + " given twice";
  out.onHand.push_back(h);
  return "";
}

// "counted <nation>": the nation's holdings are on record, so each model it holds needs a limit.
std::string ReadCounted(const std::vector<std::string>& w, int line, OrderOfBattle& out) {
  int nation = 0;
  if (w.size() != 2 || !ToInt(w[1], nation) || !IsNation(nation))
    return "\"counted <nation>\" expected";
  if (out.countedLine[nation] != 0) return "nation " + w[1] + " counted twice";
  out.countedLine[nation] = line;
  return "";
}

// "garrison <nation> <type> <number> <town>": where a named formation had its garrison.
std::string ReadGarrison(const std::vector<std::string>& w, int line, OrderOfBattle& out) {
  Garrison g;
  g.line = line;
  if (w.size() < 5 || !ToInt(w[1], g.nation) || !IsNation(g.nation) || !ToInt(w[2], g.type) ||
      g.type < 1 || g.type > kFormationTypeRows || !ToInt(w[3], g.number) || g.number < 1)
    return "\"garrison <nation> <type> <number> <town>\" expected";
  g.town = JoinWords(w, 4);
  out.garrisons.push_back(g);
  return "";
}

// "garrisoned <nation> <type> ...": the types whose formations in a district's areas each need a
// garrison line.
std::string ReadGarrisoned(const std::vector<std::string>& w, int line, OrderOfBattle& out) {
  Garrisoned g;
  g.line = line;
  const std::string usage = "\"garrisoned <nation> <type> [<type> ...]\" expected";
  if (w.size() < 3 || !ToInt(w[1], g.nation) || !IsNation(g.nation)) return usage;
  for (std::size_t k = 2; k < w.size(); ++k) {
    int type = 0;
    if (!ToInt(w[k], type) || type < 1 || type > kFormationTypeRows) return usage;
    if (FormationTypes[type].Nation != g.nation)
      return "type " + w[k] + " is not raised by nation " + w[1];
    g.types.push_back(type);
  }
  for (const Garrisoned& other : out.garrisoned)
    if (other.nation == g.nation) return "nation " + w[1] + " garrisoned twice";
  out.garrisoned.push_back(g);
  return "";
}

}  // namespace

const Area* FindArea(const OrderOfBattle& oob, const std::string& name) {
  for (const auto& [areaName, area] : oob.areas)
    if (areaName == name) return &area;
  return nullptr;
}

Status LoadOrderOfBattle(const std::string& path, OrderOfBattle& out) {
  NamedKits kits;
  return ForEachLine(path, [&](const std::string& text, int n) {
    const std::vector<std::string> w = WordsBeforeComment(text);
    if (w.empty()) return Status::Ok();
    std::string error;
    if (w[0] == "quality")
      error = ReadQuality(w, out);
    else if (w[0] == "kit" || w[0] == "default")
      error = ReadKitLine(w, kits, out);
    else if (w[0] == "district")
      error = ReadDistrict(w, out);
    else if (w[0] == "area")
      error = ReadArea(w, n, out);
    else if (w[0] == "unit")
      error = ReadUnit(w, n, kits, out);
    else if (w[0] == "onhand")
      error = ReadOnHand(w, n, out);
    else if (w[0] == "counted")
      error = ReadCounted(w, n, out);
    else if (w[0] == "garrison")
      error = ReadGarrison(w, n, out);
    else if (w[0] == "garrisoned")
      error = ReadGarrisoned(w, n, out);
    else
      error = "unknown keyword " + w[0];
    return error.empty() ? Status::Ok() : Status::Error(Where(path, n) + error);
  });
}

ForceCounts PlannedCounts(const OrderOfBattle& oob) {
  ForceCounts c;
  for (const UnitLine& u : oob.units) {
    const int branch = FormationTypes[u.type].Branch;
    (branch == 2 ? c.air : c.ground)[u.nation] += u.count;
  }
  return c;
}

}  // namespace gm::scenario
