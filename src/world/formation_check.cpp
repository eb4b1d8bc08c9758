// The record check of the formations and the clearing of cell words that name free records.
#include "world/formation_check.hpp"

#include "world/formation_lists.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr std::uint16_t kAirBranch = 2;
constexpr std::uint16_t kLastEquipmentRow = 800;
constexpr std::uint16_t kLastAircraftRow = 400;

// The highest row a pair's model may name: pairs 6 and 7 hold only aircraft, and an air
// formation keeps its aircraft in pairs 0..7.
std::uint16_t LastModelRow(const TFormation& f, int pair) {
  if (pair == 6 || pair == 7) return kLastAircraftRow;
  if (f.Branch == kAirBranch && pair < 8) return kLastAircraftRow;
  return kLastEquipmentRow;
}

bool NamesFreeRecord(const World& w, std::uint16_t n) {
  return n > kMaxFormations || w.Formations[n - 1].Branch == 0;
}

}  // namespace

bool FormationRecordFails(const TFormation& f, const StandingArea& area) {
  if (f.Branch == 0 || f.FormationType == 0) return true;
  if (!area.Contains(f.X, f.Y) || !area.Contains(f.xCopy, f.yCopy)) return true;
  for (int k = 0; k < kEquipmentPairs; ++k) {
    const TEquipmentPair& p = f.pairs[k];
    if (p.Count > 0 && (p.Model == 0 || p.Model > LastModelRow(f, k))) return true;
  }
  return false;
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
