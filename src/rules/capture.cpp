// Capture of a settlement by the ground formation that has just entered its cell.
#include "rules/capture.hpp"

#include "rules/war_end.hpp"
#include "world/holdings.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr std::uint16_t kCapturedValueCap = 20;

// Nation `entering` of coalition `mine` takes a settlement held by coalition `theirs`: it
// becomes the holder when it owns the settlement or the other side does, otherwise the
// settlement goes back to its owner. A captured settlement is worth at most 20. Only the
// holder and the value of `s`, a copy of the record, change.
void CaptureFor(TSettlement& s, int entering, std::uint32_t mine, std::uint32_t theirs) {
  if (!InNationSet(mine, entering) || !InNationSet(theirs, s.HolderNation)) return;
  s.HolderNation = (s.OwnerNation == entering || InNationSet(theirs, s.OwnerNation))
                       ? static_cast<std::uint16_t>(entering)
                       : s.OwnerNation;
  if (s.Value > kCapturedValueCap) s.Value = kCapturedValueCap;
}

}  // namespace

void CaptureSettlement(World& w) {
  if (!OnMap(w.TargetX, w.TargetY)) return;
  const TMapCell& cell = Cell(w, w.TargetX, w.TargetY);
  if (cell.Settlement == 0) return;
  if (cell.Settlement > kMaxSettlements) return;  // names no settlement record

  const TFormation* f = UsedFormation(w, cell.GroundFormation);
  const int entering = f != nullptr ? NationOf(*f) : 0;
  TSettlement s = Settlement(w, cell.Settlement);
  CaptureFor(s, entering, w.SovietCoalition, w.GermanCoalition);
  CaptureFor(s, entering, w.GermanCoalition, w.SovietCoalition);
  ChangeSettlementHolder(w, cell.Settlement, s.HolderNation, s.Value);
  CheckWarEnd(w);
}

}  // namespace gm
