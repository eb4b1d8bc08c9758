// The record check of the formations and the clearing of cell words that name free records.
#include "world/formation_check.hpp"

#include "world/formation_lists.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr std::uint16_t kLastEquipmentRow = 800;
constexpr std::uint16_t kLastAircraftRow = 400;

// The highest model a pair may name for the check: pairs 6 and 7 are the aircraft pairs that no
// army formation uses. Whether an air formation's models are aircraft rows is the whole-world
// check's business (world/world_check), not a reason to wipe it at start-up.
std::uint16_t LastModelRow(int pair) {
  return pair == 6 || pair == 7 ? kLastAircraftRow : kLastEquipmentRow;
}

bool NamesFreeRecord(const World& w, std::uint16_t n) {
  return n > kMaxFormations || w.Formations[n - 1].Branch == 0;
}

}  // namespace

std::string FormationRecordFault(const TFormation& f, const StandingArea& area) {
  if (f.Branch == 0) return "its branch is 0";
  if (f.FormationType == 0) return "its type is 0";
  if (!area.Contains(f.X, f.Y) || !area.Contains(f.xCopy, f.yCopy)) {
    return "it stands at (" + std::to_string(f.X) + ", " + std::to_string(f.Y) + "), (" +
           std::to_string(f.xCopy) + ", " + std::to_string(f.yCopy) + "), outside the map";
  }
  for (int k = 0; k < kEquipmentPairs; ++k) {
    const TEquipmentPair& p = f.pairs[k];
    if (p.Count > 0 && (p.Model == 0 || p.Model > LastModelRow(k))) {
      return "pair " + std::to_string(k) + " holds model " + std::to_string(p.Model);
    }
  }
  return {};
}

int CheckFormationRecords(World& w, const StandingArea& area) {
  int wiped = 0;
  for (TFormation& f : w.Formations) {
    if (!FormationRecordFails(f, area)) continue;
    if (f.Branch != 0) ++wiped;
    WipeFormationRecord(f);  // words 0..86; the carried words 87..99 stay
  }
  for (TMapCell& c : w.MapCells) {
    if (c.GroundFormation != 0 && NamesFreeRecord(w, c.GroundFormation)) c.GroundFormation = 0;
    if (c.AirFormation != 0 && NamesFreeRecord(w, c.AirFormation)) c.AirFormation = 0;
  }
  return wiped;
}

}  // namespace gm
