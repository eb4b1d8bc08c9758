// The world's fixed-layout records: map cells, formations, settlements, the game header, the
// economy and the save-slot table. Their byte images are the scenario and save file formats.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace gm {

static_assert(std::endian::native == std::endian::little,
              "the records are the little-endian file images; a big-endian host needs byte swaps");

// Table sizes shared by every rule.
inline constexpr int kMapWidth = 1000;
inline constexpr int kMapHeight = 400;
inline constexpr int kMaxFormations = 10'000;
inline constexpr int kMaxSettlements = 20'000;
inline constexpr int kNationRows = 10;      // per-nation tables: rows for nations 1..10, 1..8 used
inline constexpr int kModelColumns = 1200;  // economy model numbers 1..1200
inline constexpr int kEquipmentPairs = 31;
inline constexpr int kSaveSlots = 5;

// The theatre of war: the part of the map that the rules play on.
inline constexpr int kTheatreMinX = 0;
inline constexpr int kTheatreMaxX = 359;
inline constexpr int kTheatreMinY = 30;
inline constexpr int kTheatreMaxY = 329;

inline constexpr std::uint16_t kNeutralNation = 10;

// Fields are packed (no gaps, as in the files); each record keeps the alignment of its widest
// field so that references to its words are aligned wherever a record is placed.
#pragma pack(push, 1)

// One map cell: terrain tile, the ground and air formation standing in it, its settlement.
struct alignas(2) TMapCell {
  std::uint16_t Terrain;          // terrain tile 0..674
  std::uint16_t GroundFormation;  // 0 none
  std::uint16_t AirFormation;     // 0 none
  std::uint16_t Settlement;       // 0 none
  std::uint8_t reserved8;         // carried through files, never read
  std::uint8_t PlacementAllowed;  // 1 where a new formation may be placed
};

// One equipment slot of a formation: how many of which model (a table row, 0 none).
struct alignas(2) TEquipmentPair {
  std::uint16_t Count;
  std::uint16_t Model;
};

// TFormation::Branch (and TFormationType::Branch) of a used record; 0 marks a free one.
inline constexpr std::uint16_t kArmyBranch = 1;
inline constexpr std::uint16_t kAirBranch = 2;

// A formation, army or air: 100 16-bit words. Branch 0 marks a free record.
struct alignas(2) TFormation {
  std::uint16_t X;  // word 0
  std::uint16_t Y;  // word 1
  // Words 2 and 3: a second copy of X and Y, written by every move, drop and rebase and read
  // only by the start-up record check.
  std::uint16_t xCopy;
  std::uint16_t yCopy;
  std::uint16_t Men;         // word 4
  std::uint16_t Experience;  // word 5
  std::uint16_t Morale;      // word 6
  std::uint16_t reserved7;
  std::uint16_t Branch;  // word 8: 0 free, 1 army, 2 air
  std::uint16_t reserved9;
  std::uint16_t FormationType;                        // word 10: 1..200
  std::array<TEquipmentPair, kEquipmentPairs> pairs;  // words 11..72
  std::uint16_t Cars;                                 // word 73
  std::uint16_t Horses;                               // word 74
  std::uint16_t reserved75;
  std::uint16_t Ammo;  // word 76: 0..10
  std::array<std::uint16_t, 4> reserved77;
  std::uint16_t OrdersLeft;  // word 81: 0..2
  std::array<std::uint16_t, 4> reserved82;
  std::uint16_t FormationNumber;  // word 86: shown before the type's name when above 0
  std::array<std::uint16_t, 13> reserved87;
};

// A settlement: who owned it at the start, who holds it now, its value and name.
struct alignas(2) TSettlement {
  std::uint16_t OwnerNation;   // 1..8, 10 neutral
  std::uint16_t HolderNation;  // changed by capture
  std::uint16_t Value;         // 0..100
  std::array<std::uint16_t, 2> reserved6;
  std::array<char, 40> Name;  // exactly 40 code-page-1251 characters, no length, no terminator
};

// The 1000-byte header that opens the scenario and every save file.
struct alignas(2) TGameHeader {
  std::uint16_t MapWidth;
  std::uint16_t MapHeight;
  std::uint16_t FormationCount;
  std::uint16_t SettlementCount;
  std::array<std::uint8_t, 886> reserved8;
  std::uint16_t Day;
  std::uint16_t Month;
  std::uint16_t Year;
  std::array<std::uint8_t, 12> reserved900;
  std::uint8_t OpeningCoalition;  // the saved copy of the world's OpeningCoalition
  std::uint8_t TurnLength;        // 0 one day per turn, otherwise four
  std::array<std::uint8_t, 58> reserved914;
  std::uint16_t ViewX;  // the saved copy of the Battlefield view's top-left cell
  std::uint16_t ViewY;
  std::uint8_t GermanCpu;   // 1: the German coalition is played by the computer
  std::uint8_t SovietCpu;   // 1: the Soviet coalition is played by the computer
  std::uint8_t SideOnMove;  // the saved copy of the world's SideOnMove
  std::array<std::uint8_t, 21> reserved979;
};

// The nations' books: production, stocks, repair, pools and losses; one 80,000-byte block.
// Tables by nation and model: entry (n - 1) * 1200 + (m - 1). Per-nation tables: entry n - 1.
struct alignas(4) TEconomy {
  using ModelTable8 = std::array<std::uint8_t, kNationRows * kModelColumns>;
  using ModelTable16 = std::array<std::uint16_t, kNationRows * kModelColumns>;
  using NationTable = std::array<std::int32_t, kNationRows>;

  ModelTable8 ProductionRate;   // units produced per day, 0..255
  ModelTable16 EquipmentStock;  // national reserve
  ModelTable16 RepairQueue;     // damaged equipment waiting for repair
  std::array<std::uint8_t, 200> reserved60000;
  NationTable RecruitPool;
  NationTable VeteranPool;
  NationTable WoundedPool;
  NationTable SurrenderedMen;
  NationTable DeadMen;
  NationTable CarPool;
  NationTable CarRepairPool;
  NationTable HorsePool;
  std::array<NationTable, 8> EquipmentLosses;  // [category - 1], categories 1..8
  NationTable CarLosses;
  NationTable HorseLosses;
  NationTable DailyCars;
  NationTable reserved60960;
  ModelTable8 ProductionStatus;  // 0 unavailable, 1 ramping down, 2 available, 3 ramping up
  // [class]: 0 fighters, 1 tactical bombers, 2 bombers, 3 level bombers.
  std::array<NationTable, 4> AircraftLosses;
  std::array<std::uint8_t, 6840> reserved73160;
};

// What the save/load page knows of the five save slots; in memory only, never saved.
struct alignas(2) TSaveSlotTable {
  std::array<std::uint16_t, kSaveSlots> SlotExists;  // slot k is element k - 1
  std::uint8_t SaveLoadMode;                         // 1 save, 0 load
  std::array<std::uint8_t, 4> LaterRowModes;         // rows 2..5 of the mode column, set with it
  std::uint8_t ChosenSlot;                           // 1..5
  std::array<std::uint16_t, kSaveSlots> SlotDay;
  std::array<std::uint16_t, kSaveSlots> SlotMonth;
  std::array<std::uint16_t, kSaveSlots> SlotYear;
  std::array<std::uint8_t, 50> reserved2e;
  std::array<std::uint8_t, kSaveSlots> SlotTurnLength;
  std::uint8_t reserved65;  // rounds the table to whole words
};

#pragma pack(pop)

// The byte images are the file formats: every size and offset is fixed.
static_assert(sizeof(TMapCell) == 10);
static_assert(offsetof(TMapCell, Terrain) == 0);
static_assert(offsetof(TMapCell, GroundFormation) == 2);
static_assert(offsetof(TMapCell, AirFormation) == 4);
static_assert(offsetof(TMapCell, Settlement) == 6);
static_assert(offsetof(TMapCell, PlacementAllowed) == 9);

static_assert(sizeof(TEquipmentPair) == 4);
static_assert(sizeof(TFormation) == 200);
static_assert(offsetof(TFormation, X) == 0);
static_assert(offsetof(TFormation, Y) == 2);
static_assert(offsetof(TFormation, xCopy) == 4);
static_assert(offsetof(TFormation, yCopy) == 6);
static_assert(offsetof(TFormation, Men) == 8);
static_assert(offsetof(TFormation, Experience) == 10);
static_assert(offsetof(TFormation, Morale) == 12);
static_assert(offsetof(TFormation, Branch) == 16);
static_assert(offsetof(TFormation, FormationType) == 20);
static_assert(offsetof(TFormation, pairs) == 22);
static_assert(offsetof(TFormation, Cars) == 146);
static_assert(offsetof(TFormation, Horses) == 148);
static_assert(offsetof(TFormation, Ammo) == 152);
static_assert(offsetof(TFormation, OrdersLeft) == 162);
static_assert(offsetof(TFormation, FormationNumber) == 172);

static_assert(sizeof(TSettlement) == 50);
static_assert(offsetof(TSettlement, OwnerNation) == 0);
static_assert(offsetof(TSettlement, HolderNation) == 2);
static_assert(offsetof(TSettlement, Value) == 4);
static_assert(offsetof(TSettlement, Name) == 10);

static_assert(sizeof(TGameHeader) == 1000);
static_assert(offsetof(TGameHeader, MapWidth) == 0);
static_assert(offsetof(TGameHeader, MapHeight) == 2);
static_assert(offsetof(TGameHeader, FormationCount) == 4);
static_assert(offsetof(TGameHeader, SettlementCount) == 6);
static_assert(offsetof(TGameHeader, Day) == 894);
static_assert(offsetof(TGameHeader, Month) == 896);
static_assert(offsetof(TGameHeader, Year) == 898);
static_assert(offsetof(TGameHeader, OpeningCoalition) == 912);
static_assert(offsetof(TGameHeader, TurnLength) == 913);
static_assert(offsetof(TGameHeader, ViewX) == 972);
static_assert(offsetof(TGameHeader, ViewY) == 974);
static_assert(offsetof(TGameHeader, GermanCpu) == 976);
static_assert(offsetof(TGameHeader, SovietCpu) == 977);
static_assert(offsetof(TGameHeader, SideOnMove) == 978);

static_assert(sizeof(TEconomy) == 80'000);
static_assert(offsetof(TEconomy, ProductionRate) == 0);
static_assert(offsetof(TEconomy, EquipmentStock) == 12'000);
static_assert(offsetof(TEconomy, RepairQueue) == 36'000);
static_assert(offsetof(TEconomy, RecruitPool) == 60'200);
static_assert(offsetof(TEconomy, VeteranPool) == 60'240);
static_assert(offsetof(TEconomy, WoundedPool) == 60'280);
static_assert(offsetof(TEconomy, SurrenderedMen) == 60'320);
static_assert(offsetof(TEconomy, DeadMen) == 60'360);
static_assert(offsetof(TEconomy, CarPool) == 60'400);
static_assert(offsetof(TEconomy, CarRepairPool) == 60'440);
static_assert(offsetof(TEconomy, HorsePool) == 60'480);
static_assert(offsetof(TEconomy, EquipmentLosses) == 60'520);
static_assert(offsetof(TEconomy, CarLosses) == 60'840);
static_assert(offsetof(TEconomy, HorseLosses) == 60'880);
static_assert(offsetof(TEconomy, DailyCars) == 60'920);
static_assert(offsetof(TEconomy, ProductionStatus) == 61'000);
static_assert(offsetof(TEconomy, AircraftLosses) == 73'000);

static_assert(offsetof(TSaveSlotTable, SlotExists) == 0x00);
static_assert(offsetof(TSaveSlotTable, SaveLoadMode) == 0x0a);
static_assert(offsetof(TSaveSlotTable, ChosenSlot) == 0x0f);
static_assert(offsetof(TSaveSlotTable, SlotDay) == 0x10);
static_assert(offsetof(TSaveSlotTable, SlotMonth) == 0x1a);
static_assert(offsetof(TSaveSlotTable, SlotYear) == 0x24);
static_assert(offsetof(TSaveSlotTable, SlotTurnLength) == 0x60);
static_assert(sizeof(TSaveSlotTable) == 0x66);

static_assert(std::is_trivially_copyable_v<TFormation> && std::is_trivially_copyable_v<TEconomy>);
static_assert(alignof(TFormation) == 2 && alignof(TEconomy) == 4);

// Entry of nation n (1..10) and economy model m (1..1200) in a table by nation and model.
constexpr int EconomyIndex(int nation, int model) {
  return (nation - 1) * kModelColumns + (model - 1);
}

// Entry of nation n (1..10) in a per-nation table.
constexpr int NationIndex(int nation) {
  return nation - 1;
}

inline std::uint8_t& ProductionRateOf(TEconomy& e, int nation, int model) {
  return e.ProductionRate[EconomyIndex(nation, model)];
}
inline std::uint16_t& EquipmentStockOf(TEconomy& e, int nation, int model) {
  return e.EquipmentStock[EconomyIndex(nation, model)];
}
inline std::uint16_t& RepairQueueOf(TEconomy& e, int nation, int model) {
  return e.RepairQueue[EconomyIndex(nation, model)];
}
inline std::uint8_t& ProductionStatusOf(TEconomy& e, int nation, int model) {
  return e.ProductionStatus[EconomyIndex(nation, model)];
}

}  // namespace gm
