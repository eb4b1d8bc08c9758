// Reader of data/oob_1941.txt: quality of each nation's troops, equipment kits, placement areas
// and the unit lines of the order of battle. Reports the line of the first thing it cannot use.
#include <map>
#include <sstream>

#include "tools/scenario/order_of_battle.hpp"
#include "tools/scenario/text_lines.hpp"
#include "world/tables/tables.hpp"

namespace gm::scenario {
namespace {

constexpr int kGroupSlots[9] = {0, 6, 3, 3, 4, 3, 4, 3, 3};  // slots by category

bool InServiceJune1941(int month, int year) {
  return year < 1941 || (year == 1941 && month < 7);
}

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
      if (!InServiceJune1941(month, year))
        return "aircraft not in service by June 1941: " + words[k];
    } else {
      if (share.model < 1 || share.model > kEquipmentModelRows)
        return "model out of range: " + words[k];
      const TEquipmentModel& e = EquipmentModels[share.model];
      const int cat = e.Category, month = e.IntroMonth, year = e.IntroYear;
      if (cat != category)
        return "model " + words[k] + " is not of category " + std::to_string(category);
      if (!InServiceJune1941(month, year)) return "model not in service by June 1941: " + words[k];
    }
    kit.push_back(share);
  }
  if (category > 0 && kit.size() > static_cast<std::size_t>(kGroupSlots[category]))
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

}  // namespace

Status LoadOrderOfBattle(const std::string& path, OrderOfBattle& out) {
  std::map<std::string, std::pair<int, Kit>> kits;
  return ForEachLine(path, [&](const std::string& text, int n) {
    auto bad = [&](const std::string& what) { return Status::Error(Where(path, n) + what); };
    const std::vector<std::string> w = WordsBeforeComment(text);
    if (w.empty()) return Status::Ok();
    int nation = 0;
    if (w[0] == "quality") {
      Quality q;
      if (w.size() != 5 || !ToInt(w[1], nation) || nation < 1 || nation > 8 ||
          !ToInt(w[2], q.experience) || !ToInt(w[3], q.morale) || !ToInt(w[4], q.ammo) ||
          q.experience < 1 || q.morale < 1 || q.morale > 600 || q.ammo < 0 || q.ammo > 10)
        return bad("\"quality <nation> <experience> <morale 1..600> <ammo 0..10>\" expected");
      out.quality[nation] = q;
    } else if (w[0] == "kit" || w[0] == "default") {
      int category = 0;
      Kit kit;
      const bool named = w[0] == "kit";
      if (w.size() < 4 || (!named && (!ToInt(w[1], nation) || nation < 1 || nation > 8)) ||
          !ToCategory(w[2], category))
        return bad(
            "\"kit <name> <category|air> model:weight ...\" or \"default <nation> "
            "<category|air> model:weight ...\" expected");
      if (std::string e = ReadKit(w, 3, category, kit); !e.empty()) return bad(e);
      if (named) {
        if (kits.count(w[1])) return bad("kit " + w[1] + " named twice");
        kits[w[1]] = {category, kit};
      } else {
        out.defaultKits[nation][category] = kit;
      }
    } else if (w[0] == "area") {
      Area a;
      std::size_t first = 2;
      if (w.size() > 2 && w[2] == "border") {
        a.border = true;
        ++first;
      }
      for (std::size_t k = first; k < w.size(); ++k) {
        LonLat p;
        if (!ToLonLat(w[k], p)) return bad("\"lon,lat\" expected, not " + w[k]);
        a.anchors.push_back(p);
      }
      if (a.anchors.empty()) return bad("\"area <name> [border] lon,lat ...\" expected");
      for (const auto& [name, area] : out.areas)
        if (name == w[1]) return bad("area " + w[1] + " named twice");
      out.areas.emplace_back(w[1], a);
    } else if (w[0] == "unit") {
      UnitLine u;
      u.line = n;
      if (w.size() < 5 || !ToInt(w[1], u.nation) || !ToInt(w[2], u.type) || !ToInt(w[3], u.count) ||
          u.count < 1)
        return bad("\"unit <nation> <type> <count> <area> [key=value ...]\" expected");
      u.area = w[4];
      bool known = false;
      for (const auto& [name, area] : out.areas) known = known || name == u.area;
      if (!known) return bad("no area named " + u.area + " above this line");
      if (u.type < 1 || u.type > kFormationTypeRows) return bad("formation type out of range");
      const TFormationType& t = FormationTypes[u.type];
      const int tn = t.Nation, month = t.Month, year = t.Year;
      if (tn != u.nation) return bad("type " + w[2] + " is not raised by nation " + w[1]);
      if (year > 1941 || (year == 1941 && month > 6))
        return bad("type " + w[2] + " cannot be raised before 22 June 1941");
      for (std::size_t k = 5; k < w.size(); ++k) {
        const auto eq = w[k].find('=');
        if (eq == std::string::npos) return bad("\"key=value\" expected, not " + w[k]);
        const std::string key = w[k].substr(0, eq), value = w[k].substr(eq + 1);
        int* target = key == "men"      ? &u.menPercent
                      : key == "equip"  ? &u.equipPercent
                      : key == "tanks"  ? &u.tankPercent
                      : key == "exp"    ? &u.experience
                      : key == "morale" ? &u.morale
                      : key == "ammo"   ? &u.ammo
                                        : nullptr;
        if (target != nullptr) {
          if (!ToInt(value, *target) || *target < 0) return bad("bad number in " + w[k]);
          continue;
        }
        std::istringstream list(value);
        std::string item;
        if (key == "kits") {
          while (std::getline(list, item, ',')) {
            const auto it = kits.find(item);
            if (it == kits.end()) return bad("no kit named " + item + " above this line");
            u.kits[it->second.first] = it->second.second;
          }
        } else if (key == "numbers") {
          while (std::getline(list, item, ',')) {
            int v = 0;
            if (!ToInt(item, v) || v < 0 || v > 65535) return bad("bad number " + item);
            u.numbers.push_back(v);
          }
        } else {
          return bad("unknown key " + key);
        }
      }
      if (u.menPercent > 100 || u.equipPercent > 100 || u.tankPercent > 100)
        return bad("strengths are percentages up to 100");
      if (u.morale > 600 || u.ammo > 10) return bad("morale up to 600, ammo up to 10");
      if (u.numbers.size() > static_cast<std::size_t>(u.count))
        return bad("more numbers than formations");
      out.units.push_back(u);
    } else {
      return bad("unknown keyword " + w[0]);
    }
    return Status::Ok();
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
