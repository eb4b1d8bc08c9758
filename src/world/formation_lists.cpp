// The reinforcement and equipment lists, the per-nation formation counters, and the start-up and
// new-formation record operations.
#include "world/formation_lists.hpp"

#include <algorithm>
#include <array>
#include <cstring>

#include "world/raise_places.hpp"
#include "world/tables/tables.hpp"
#include "world/world_access.hpp"

namespace gm {
namespace {

constexpr std::array<int, kNations> kGroundCaps = {50, 500, 150, 70, 750, 50, 10, 10};

// Words 0..86 of a formation record.
constexpr std::size_t kWipedBytes = 87 * sizeof(std::uint16_t);

bool IsNation(int n) {
  return n >= 1 && n <= kNations;
}

// A held-pieces total is a count of up to 2^32 - 1 kept in a signed word (the economy page shows
// it unsigned); a save holding more pieces stops there instead of overflowing.
void AddPieces(std::int32_t& total, std::uint16_t count) {
  const std::uint64_t sum = std::uint64_t{static_cast<std::uint32_t>(total)} + count;
  total = static_cast<std::int32_t>(
      static_cast<std::uint32_t>(std::min<std::uint64_t>(sum, 0xFFFFFFFFu)));
}

// Walks every record of a branch whose nation is 1..8, adding what `amount` gives to its entry.
template <typename Amount>
void CountByNation(const World& w, int branch, NationCounts& out, Amount amount) {
  out.fill(0);
  for (const TFormation& f : w.Formations) {
    if (f.Branch != branch) continue;
    const int n = NationOf(f);
    if (IsNation(n)) out[n - 1] += amount(f);
  }
}

bool TooEarly(const TGameHeader& h, const TFormationType& t) {
  return h.Year < t.Year || (h.Year == t.Year && h.Month < t.Month);
}

}  // namespace

int GroundFormationCap(int nation) {
  return IsNation(nation) ? kGroundCaps[nation - 1] : 0;
}

void CountGroundFormations(World& w) {
  CountByNation(w, 1, w.Lists.NationFormationCount, [](const TFormation&) { return 1; });
}
void CountAirFormations(World& w) {
  CountByNation(w, 2, w.Lists.NationAirCount, [](const TFormation&) { return 1; });
}
void SumFormationMen(World& w) {
  CountByNation(w, 1, w.Lists.NationMen, [](const TFormation& f) { return f.Men; });
}
void SumFormationCars(World& w) {
  CountByNation(w, 1, w.Lists.NationCars, [](const TFormation& f) { return f.Cars; });
}
void SumFormationHorses(World& w) {
  CountByNation(w, 1, w.Lists.NationHorses, [](const TFormation& f) { return f.Horses; });
}

void BuildRaiseList(World& w) {
  CountAirFormations(w);
  CountGroundFormations(w);
  FindRaiseSettlements(w);

  ListState& lists = w.Lists;
  auto& list = lists.ReinforcementList;
  list.Reset();
  const std::uint32_t own = OwnCoalition(w);
  const TEconomy& e = w.Economy;
  for (int t = 1; t <= kFormationTypeRows; ++t) {
    const TFormationType& type = FormationTypes[t];
    const int n = type.Nation;
    if (type.Branch != 1 || !InNationSet(own, n)) continue;
    // The last test that holds decides what the page shows.
    std::uint8_t status = kRaiseAvailable;
    if (TooEarly(w.GameHeader, type)) status = kRaiseTooEarly;
    if (IsNation(n)) {
      // The men pools are unsigned counts.
      const auto recruits = static_cast<std::uint32_t>(e.RecruitPool[NationIndex(n)]);
      const auto veterans = static_cast<std::uint32_t>(e.VeteranPool[NationIndex(n)]);
      if (recruits < 300 && veterans < 300) {
        status = kRaiseNoMen;
      }
      if (lists.NationFormationCount[n - 1] >= GroundFormationCap(n)) status = kRaiseQuotaReached;
      if (lists.RaiseSettlementFlags[n - 1] == 0) status = kRaiseNoFreeTown;
    }
    list.Append(static_cast<std::uint16_t>(t), status);
  }
}

void BuildEquipmentList(World& w) {
  ListState& lists = w.Lists;
  auto& list = lists.EquipmentList;
  list.Reset();
  for (int m = 1; m <= kEquipmentModelRows; ++m) {
    if (EquipmentModels[m].Category != 0) list.Append(static_cast<std::uint16_t>(m), 1);
  }

  lists.TypeCountInUnits.fill(0);
  for (const TFormation& f : w.Formations) {
    if (f.Branch == 0) continue;
    const int n = NationOf(f);
    if (!IsNation(n)) continue;
    // A pair with a count but no model (or a model past its table) has no row to count into.
    if (f.Branch == 1) {
      for (int k = 0; k < kEquipmentPairs; ++k) {
        if (k == 6 || k == 7) continue;  // unused in an army formation
        const TEquipmentPair& p = f.pairs[k];
        if (p.Count > 0 && p.Model >= 1 && p.Model <= kEquipmentModelRows) {
          AddPieces(lists.TypeCount(n, p.Model), p.Count);
        }
      }
    } else if (f.Branch == 2) {
      for (int k = 0; k <= 7; ++k) {
        const TEquipmentPair& p = f.pairs[k];
        if (p.Count > 0 && p.Model >= 1 && p.Model <= kAircraftModelRows) {
          AddPieces(lists.TypeCount(n, kAircraftModelBase + p.Model), p.Count);
        }
      }
    }
  }
}

void ReadyAllFormations(World& w) {
  for (TFormation& f : w.Formations) {
    if (f.Branch != 0) f.OrdersLeft = 2;
  }
}

void WipeFormationRecord(TFormation& f) {
  std::memset(&f, 0, kWipedBytes);
}

void ClearFormation(World& w) {
  const int index = w.FreeFormationIndex;
  if (index < 0 || index >= kMaxFormations) return;
  WipeFormationRecord(w.Formations[index]);
}

}  // namespace gm
