// The pages' lists and the per-nation counters: the reinforcement and equipment lists with their
// paging fields, held-equipment totals, raise flags and formation totals. Rebuilt on demand.
#pragma once

#include <array>
#include <cstdint>

#include "world/records.hpp"

namespace gm {

inline constexpr int kNations = 8;  // nations 1..8 take part; per-nation arrays here hold 8 rows

// A scrolling list: entries and status bytes numbered from 1, and the fields the page scrolls by.
template <int Capacity, int PageLength>
struct PagedList {
  static constexpr int kCapacity = Capacity;
  static constexpr int kPageLength = PageLength;

  std::array<std::uint16_t, Capacity> Entries;  // entry i at i - 1
  std::array<std::uint8_t, Capacity> Statuses;  // status of entry i at i - 1
  std::uint16_t MinTopRow;
  std::uint16_t ItemCount;
  std::uint16_t TopRow;
  std::uint16_t BottomRow;
  std::uint16_t CursorRow;  // 1..PageLength; the entry under it is TopRow + CursorRow - 1
  std::uint8_t UpEnabled;
  std::uint8_t DownEnabled;

  std::uint16_t& Entry(int i) { return Entries[i - 1]; }
  std::uint16_t Entry(int i) const { return Entries[i - 1]; }
  std::uint8_t& Status(int i) { return Statuses[i - 1]; }
  std::uint8_t Status(int i) const { return Statuses[i - 1]; }

  // Empties the list and puts the paging fields where a fresh build leaves them.
  void Reset() {
    Entries.fill(0);
    Statuses.fill(0);
    MinTopRow = 1;
    ItemCount = 0;
    TopRow = 1;
    BottomRow = PageLength;
    CursorRow = 1;
    UpEnabled = 0;
    DownEnabled = 1;
  }
  void Append(std::uint16_t entry, std::uint8_t status) {
    ++ItemCount;
    Entry(ItemCount) = entry;
    Status(ItemCount) = status;
  }
};

// Reinforcement statuses, each the number of the FormingMessages row the page shows for it.
enum RaiseStatus : std::uint8_t {
  kRaiseAvailable = 1,
  kRaiseTooEarly = 2,
  kRaiseNoMen = 3,
  kRaiseQuotaReached = 4,
  kRaiseNoFreeTown = 5,
};

using NationCounts = std::array<std::int32_t, kNations>;  // nation n at n - 1

struct ListState {
  PagedList<200, 20> ReinforcementList;  // formation types the side on move could raise
  PagedList<1200, 16> EquipmentList;     // ground equipment models
  // Pieces held in formations by nation and economy model number: (n - 1) * 1200 + (m - 1).
  std::array<std::int32_t, kNations * kModelColumns> TypeCountInUnits;
  NationCounts RaiseSettlementFlags;  // 1 when the nation has a free settlement to raise in
  NationCounts NationFormationCount;  // ground formations
  NationCounts NationAirCount;        // air formations
  NationCounts NationMen;             // over ground formations only
  NationCounts NationCars;
  NationCounts NationHorses;
  std::uint16_t PlacementType;    // formation type being placed from the reinforcement page
  std::uint8_t PlacementPending;  // 1 while the player places a formation of PlacementType

  std::int32_t& TypeCount(int nation, int model) {
    return TypeCountInUnits[(nation - 1) * kModelColumns + (model - 1)];
  }
  std::int32_t TypeCount(int nation, int model) const {
    return TypeCountInUnits[(nation - 1) * kModelColumns + (model - 1)];
  }
};

}  // namespace gm
