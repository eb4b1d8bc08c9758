// New army formations: the record they take and how they start.
#include "world/new_formation.hpp"

#include "world/formation_lists.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

// The pools are unsigned counts of men.
bool Holds(std::int32_t pool, std::uint32_t men) {
  return static_cast<std::uint32_t>(pool) >= men;
}

}  // namespace

int HighestFreeFormationRecord(const World& w) {
  for (int n = kMaxFormations; n >= 1; --n) {
    if (Formation(w, n).Branch == 0) return n;
  }
  return 0;
}

void RaiseFormationRecord(World& w, int record, int x, int y, std::uint16_t type) {
  w.FreeFormationIndex = record - 1;
  ClearFormation(w);
  Cell(w, x, y).GroundFormation = static_cast<std::uint16_t>(record);
  TFormation& f = Formation(w, record);
  f.X = f.xCopy = static_cast<std::uint16_t>(x);
  f.Y = f.yCopy = static_cast<std::uint16_t>(y);
  f.Men = kNewFormationMen;
  f.Experience = 1;
  f.Morale = 100;
  f.Branch = 1;
  f.FormationType = type;
  // A save writes the records up to the header's count: one raised past it would be lost.
  if (w.GameHeader.FormationCount < record) {
    w.GameHeader.FormationCount = static_cast<std::uint16_t>(record);
  }
}

PlacementResult PlaceNewFormation(World& w, int x, int y, std::uint16_t type) {
  const int record = HighestFreeFormationRecord(w);
  if (record == 0) return PlacementResult::kNoFreeRecord;
  const int nation = FormationTypes[type <= kFormationTypeRows ? type : 0].Nation;
  if (nation < 1 || nation > kNations) return PlacementResult::kNoMen;
  // The list that offered the type was built earlier: the pools may have changed since.
  std::int32_t& recruits = w.Economy.RecruitPool[NationIndex(nation)];
  std::int32_t& veterans = w.Economy.VeteranPool[NationIndex(nation)];
  constexpr auto men = static_cast<std::uint32_t>(kNewFormationMen);
  std::int32_t* pool = Holds(recruits, men)   ? &recruits
                       : Holds(veterans, men) ? &veterans
                                              : nullptr;
  if (pool == nullptr) return PlacementResult::kNoMen;
  RaiseFormationRecord(w, record, x, y, type);
  *pool = static_cast<std::int32_t>(static_cast<std::uint32_t>(*pool) - men);
  return PlacementResult::kPlaced;
}

}  // namespace gm
