// The records' byte images: every named field lands at its file offset, little-endian.
#include "world/records.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "world/world.hpp"

namespace gm {
namespace {

// A field written through its name must change exactly its own bytes, low byte first.
template <typename Record>
struct FieldCase {
  std::string name;
  std::size_t offset;
  std::size_t width;
  std::function<void(Record&)> setMarker;  // writes 0x12 / 0x1234 / 0x12345678 by width
};

constexpr std::uint8_t kMarkerBytes[4] = {0x78, 0x56, 0x34, 0x12};

template <typename Record>
void ExpectFieldImages(const std::vector<FieldCase<Record>>& cases) {
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto record = std::make_unique<Record>();
    c.setMarker(*record);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(record.get());
    for (std::size_t i = 0; i < sizeof(Record); ++i) {
      std::uint8_t expected = 0;
      if (i >= c.offset && i < c.offset + c.width) {
        expected = c.width == 1   ? 0x12
                   : c.width == 2 ? kMarkerBytes[2 + (i - c.offset)]
                                  : kMarkerBytes[i - c.offset];
      }
      ASSERT_EQ(bytes[i], expected) << "byte " << i;
    }
  }
}

TEST(RecordsTest, SizesAreTheFileBlockSizes) {
  EXPECT_EQ(sizeof(TMapCell), 10u);
  EXPECT_EQ(sizeof(TFormation), 200u);
  EXPECT_EQ(sizeof(TSettlement), 50u);
  EXPECT_EQ(sizeof(TGameHeader), 1000u);
  EXPECT_EQ(sizeof(TEconomy), 80'000u);
  EXPECT_EQ(sizeof(World::MapCells), 4'000'000u);
  EXPECT_EQ(sizeof(World::Formations), 2'000'000u);
  EXPECT_EQ(sizeof(World::Settlements), 1'000'000u);
}

TEST(RecordsTest, MapCellFields) {
  ExpectFieldImages<TMapCell>({
      {"Terrain", 0, 2, [](auto& r) { r.Terrain = 0x1234; }},
      {"GroundFormation", 2, 2, [](auto& r) { r.GroundFormation = 0x1234; }},
      {"AirFormation", 4, 2, [](auto& r) { r.AirFormation = 0x1234; }},
      {"Settlement", 6, 2, [](auto& r) { r.Settlement = 0x1234; }},
      {"PlacementAllowed", 9, 1, [](auto& r) { r.PlacementAllowed = 0x12; }},
  });
}

TEST(RecordsTest, FormationFields) {
  ExpectFieldImages<TFormation>({
      {"X", 0, 2, [](auto& r) { r.X = 0x1234; }},
      {"Y", 2, 2, [](auto& r) { r.Y = 0x1234; }},
      {"xCopy (word 2)", 4, 2, [](auto& r) { r.xCopy = 0x1234; }},
      {"yCopy (word 3)", 6, 2, [](auto& r) { r.yCopy = 0x1234; }},
      {"Men", 8, 2, [](auto& r) { r.Men = 0x1234; }},
      {"Experience", 10, 2, [](auto& r) { r.Experience = 0x1234; }},
      {"Morale", 12, 2, [](auto& r) { r.Morale = 0x1234; }},
      {"Branch", 16, 2, [](auto& r) { r.Branch = 0x1234; }},
      {"FormationType", 20, 2, [](auto& r) { r.FormationType = 0x1234; }},
      {"pair 0 Count", 22, 2, [](auto& r) { r.pairs[0].Count = 0x1234; }},
      {"pair 0 Model", 24, 2, [](auto& r) { r.pairs[0].Model = 0x1234; }},
      {"pair 17 Count", 90, 2, [](auto& r) { r.pairs[17].Count = 0x1234; }},
      {"pair 30 Count", 142, 2, [](auto& r) { r.pairs[30].Count = 0x1234; }},
      {"pair 30 Model", 144, 2, [](auto& r) { r.pairs[30].Model = 0x1234; }},
      {"Cars", 146, 2, [](auto& r) { r.Cars = 0x1234; }},
      {"Horses", 148, 2, [](auto& r) { r.Horses = 0x1234; }},
      {"Ammo", 152, 2, [](auto& r) { r.Ammo = 0x1234; }},
      {"OrdersLeft", 162, 2, [](auto& r) { r.OrdersLeft = 0x1234; }},
      {"FormationNumber", 172, 2, [](auto& r) { r.FormationNumber = 0x1234; }},
      {"word 99", 198, 2, [](auto& r) { r.reserved87[12] = 0x1234; }},
  });
}

TEST(RecordsTest, SettlementFields) {
  ExpectFieldImages<TSettlement>({
      {"OwnerNation", 0, 2, [](auto& r) { r.OwnerNation = 0x1234; }},
      {"HolderNation", 2, 2, [](auto& r) { r.HolderNation = 0x1234; }},
      {"Value", 4, 2, [](auto& r) { r.Value = 0x1234; }},
      {"Name[0]", 10, 1, [](auto& r) { r.Name[0] = 0x12; }},
      {"Name[39]", 49, 1, [](auto& r) { r.Name[39] = 0x12; }},
  });
}

TEST(RecordsTest, GameHeaderFields) {
  ExpectFieldImages<TGameHeader>({
      {"MapWidth", 0, 2, [](auto& r) { r.MapWidth = 0x1234; }},
      {"MapHeight", 2, 2, [](auto& r) { r.MapHeight = 0x1234; }},
      {"FormationCount", 4, 2, [](auto& r) { r.FormationCount = 0x1234; }},
      {"SettlementCount", 6, 2, [](auto& r) { r.SettlementCount = 0x1234; }},
      {"Day", 894, 2, [](auto& r) { r.Day = 0x1234; }},
      {"Month", 896, 2, [](auto& r) { r.Month = 0x1234; }},
      {"Year", 898, 2, [](auto& r) { r.Year = 0x1234; }},
      {"OpeningCoalition", 912, 1, [](auto& r) { r.OpeningCoalition = 0x12; }},
      {"TurnLength", 913, 1, [](auto& r) { r.TurnLength = 0x12; }},
      {"ViewX", 972, 2, [](auto& r) { r.ViewX = 0x1234; }},
      {"ViewY", 974, 2, [](auto& r) { r.ViewY = 0x1234; }},
      {"GermanCpu", 976, 1, [](auto& r) { r.GermanCpu = 0x12; }},
      {"SovietCpu", 977, 1, [](auto& r) { r.SovietCpu = 0x12; }},
      {"SideOnMove", 978, 1, [](auto& r) { r.SideOnMove = 0x12; }},
      {"last byte", 999, 1, [](auto& r) { r.reserved979[20] = 0x12; }},
  });
}

TEST(RecordsTest, EconomyFields) {
  // Nation 1 / model 1 is the first element of each table; nation 3 / model 5 lies at
  // element 2 * 1200 + 4.
  ExpectFieldImages<TEconomy>({
      {"ProductionRate", 0, 1, [](auto& r) { r.ProductionRate[0] = 0x12; }},
      {"ProductionRate n3 m5", 2404, 1, [](auto& r) { ProductionRateOf(r, 3, 5) = 0x12; }},
      {"EquipmentStock", 12'000, 2, [](auto& r) { r.EquipmentStock[0] = 0x1234; }},
      {"EquipmentStock n3 m5", 12'000 + 2 * 2404, 2,
       [](auto& r) { EquipmentStockOf(r, 3, 5) = 0x1234; }},
      {"EquipmentStock n10 m1200", 35'998, 2,
       [](auto& r) { EquipmentStockOf(r, 10, 1200) = 0x1234; }},
      {"RepairQueue", 36'000, 2, [](auto& r) { r.RepairQueue[0] = 0x1234; }},
      {"RepairQueue n2 m801", 36'000 + 2 * 2000, 2,
       [](auto& r) { RepairQueueOf(r, 2, 801) = 0x1234; }},
      {"RecruitPool", 60'200, 4, [](auto& r) { r.RecruitPool[0] = 0x12345678; }},
      {"VeteranPool", 60'240, 4, [](auto& r) { r.VeteranPool[0] = 0x12345678; }},
      {"WoundedPool", 60'280, 4, [](auto& r) { r.WoundedPool[0] = 0x12345678; }},
      {"SurrenderedMen", 60'320, 4, [](auto& r) { r.SurrenderedMen[0] = 0x12345678; }},
      {"DeadMen", 60'360, 4, [](auto& r) { r.DeadMen[0] = 0x12345678; }},
      {"CarPool", 60'400, 4, [](auto& r) { r.CarPool[0] = 0x12345678; }},
      {"CarRepairPool", 60'440, 4, [](auto& r) { r.CarRepairPool[0] = 0x12345678; }},
      {"HorsePool n8", 60'480 + 28, 4, [](auto& r) { r.HorsePool[NationIndex(8)] = 0x12345678; }},
      {"EquipmentLosses c1", 60'520, 4, [](auto& r) { r.EquipmentLosses[0][0] = 0x12345678; }},
      {"EquipmentLosses c8", 60'800, 4, [](auto& r) { r.EquipmentLosses[7][0] = 0x12345678; }},
      {"CarLosses", 60'840, 4, [](auto& r) { r.CarLosses[0] = 0x12345678; }},
      {"HorseLosses", 60'880, 4, [](auto& r) { r.HorseLosses[0] = 0x12345678; }},
      {"DailyCars", 60'920, 4, [](auto& r) { r.DailyCars[0] = 0x12345678; }},
      {"ProductionStatus", 61'000, 1, [](auto& r) { r.ProductionStatus[0] = 0x12; }},
      {"ProductionStatus n10 m1200", 72'999, 1,
       [](auto& r) { ProductionStatusOf(r, 10, 1200) = 0x12; }},
      {"AircraftLosses fighters", 73'000, 4, [](auto& r) { r.AircraftLosses[0][0] = 0x12345678; }},
      {"AircraftLosses tactical", 73'040, 4, [](auto& r) { r.AircraftLosses[1][0] = 0x12345678; }},
      {"AircraftLosses bombers", 73'080, 4, [](auto& r) { r.AircraftLosses[2][0] = 0x12345678; }},
      {"AircraftLosses level", 73'120, 4, [](auto& r) { r.AircraftLosses[3][0] = 0x12345678; }},
      {"last byte", 79'999, 1, [](auto& r) { r.reserved73160[6839] = 0x12; }},
  });
}

TEST(RecordsTest, SaveSlotTableFields) {
  ExpectFieldImages<TSaveSlotTable>({
      {"SlotExists", 0x00, 2, [](auto& r) { r.SlotExists[0] = 0x1234; }},
      {"SaveLoadMode", 0x0a, 1, [](auto& r) { r.SaveLoadMode = 0x12; }},
      {"ChosenSlot", 0x0f, 1, [](auto& r) { r.ChosenSlot = 0x12; }},
      {"SlotDay", 0x10, 2, [](auto& r) { r.SlotDay[0] = 0x1234; }},
      {"SlotMonth slot 5", 0x1a + 8, 2, [](auto& r) { r.SlotMonth[4] = 0x1234; }},
      {"SlotYear", 0x24, 2, [](auto& r) { r.SlotYear[0] = 0x1234; }},
      {"SlotTurnLength slot 5", 0x64, 1, [](auto& r) { r.SlotTurnLength[4] = 0x12; }},
  });
}

TEST(WorldTest, FreshWorldIsAllZero) {
  // Fill the memory first so that a zero result is the world's doing, not the allocator's.
  void* raw = ::operator new(sizeof(World));
  std::memset(raw, 0xA5, sizeof(World));
  World* w = ::new (raw) World();
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(w);
  std::size_t firstNonZero = sizeof(World);
  for (std::size_t i = 0; i < sizeof(World); ++i) {
    if (bytes[i] != 0) {
      firstNonZero = i;
      break;
    }
  }
  w->~World();
  ::operator delete(raw);
  EXPECT_EQ(firstNonZero, sizeof(World));
}

TEST(WorldTest, ReachGridsAreNumberedFromOne) {
  auto w = std::make_unique<World>();
  w->GroundReachGrid(1, 1) = 7;
  w->GroundReachGrid(10, 10) = 4;
  w->GroundReachGrid(19, 19) = 9;
  EXPECT_EQ(w->GroundReachGrid.cells.front(), 7);
  EXPECT_EQ(w->GroundReachGrid.cells[9 * 19 + 9], 4);
  EXPECT_EQ(w->GroundReachGrid.cells.back(), 9);
  w->AirReachGrid(2, 1) = 3;
  EXPECT_EQ(w->AirReachGrid.cells[261], 3);
  EXPECT_FALSE(decltype(w->GroundReachGrid)::Contains(0, 5));
  EXPECT_FALSE(decltype(w->GroundReachGrid)::Contains(5, 20));
  EXPECT_TRUE(decltype(w->AirReachGrid)::Contains(261, 1));
}

}  // namespace
}  // namespace gm
