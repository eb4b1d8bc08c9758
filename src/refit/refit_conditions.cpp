// The tests shared by the refit fields.
#include "refit/refit_conditions.hpp"

#include "refit/neighbour_mask.hpp"
#include "world/world_access.hpp"

namespace gm {

TFormation* RefitFormation(World& w) {
  const int x = w.Selection[1], y = w.Selection[2];
  if (!OnMap(x, y)) return nullptr;
  TFormation* f = UsedFormation(w, Cell(w, x, y).GroundFormation);
  if (f == nullptr || f->Branch != kArmyBranch || !IsOwn(w, NationOf(*f))) return nullptr;
  return f;
}

int RefitNation(const TFormation& f) {
  const int n = NationOf(f);
  return n >= 1 && n <= kNations ? n : 0;
}

bool OnValuedSettlement(const World& w) {
  const int x = w.Selection[1], y = w.Selection[2];
  if (!OnMap(x, y)) return false;
  const int s = Cell(w, x, y).Settlement;
  if (s < 1 || s > kMaxSettlements) return false;
  return Settlement(w, s).Value > 0;
}

bool MenAtThreeQuarters(const TFormation& f, std::uint16_t pendingMen) {
  // (Men + pending) / type men >= 0.75, in whole numbers.
  const std::uint32_t men = std::uint32_t{f.Men} + pendingMen;
  const std::uint32_t staff = TypeOf(f).Men;
  return 4 * men >= 3 * staff;
}

NeighbourVerdict CheckNeighbours(World& w) {
  BuildNeighbourMask(w);
  NeighbourVerdict v{false, true, true};
  for (int i = 0; i < 9; ++i) {
    if (i == NeighbourMaskIndex(0, 0)) continue;
    const std::uint8_t b = w.NeighbourMask[i];
    if (b == kNeighbourClosed) {
      v.contact = true;
    } else {
      v.allClosed = false;
    }
    if (b != kNeighbourImpassable) v.blocked = false;
  }
  return v;
}

bool EntryEnabled(const TRefitPage& p, int entry) {
  return entry >= 1 && entry <= kRefitCandidateCount && p.Enabled(entry) == 1;
}

}  // namespace gm
