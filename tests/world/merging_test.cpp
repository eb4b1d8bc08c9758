// Merging formations: the flag and direction numberings, the candidate rules and the merge's
// blend, sums and slot-by-slot equipment transfer.
#include "world/merging.hpp"

#include <gtest/gtest.h>

#include "synthetic_world.hpp"
#include "tests/support/world_builders.hpp"
#include "world/record_ranges.hpp"
#include "world/tables/tables.hpp"

namespace gm {
namespace {

using testing::MakeEmptyWorld;
using testing::PlaceFormation;

constexpr std::uint16_t kRifle = 7;        // nation 5, kind 5, 14,483 men
constexpr std::uint16_t kTank = 1;         // nation 5, kind 4
constexpr std::uint16_t kArtillery = 33;   // nation 5, kind 9, 6,000 men
constexpr std::uint16_t kAirDefence = 46;  // nation 5, kind 10, 12,000 men
constexpr std::uint16_t kGerman = 74;      // nation 2
constexpr std::uint16_t kFighters = 51;    // nation 5, air
constexpr int kX = 100;
constexpr int kY = 100;

void Select(World& w, int x, int y) {
  w.Selection = {1, static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y)};
}

TEST(MergeNumberingTest, FlagBytesAndDirectionsNameTheSameNeighbours) {
  struct Case {
    int dx, dy, flagByte, direction;
  };
  const Case cases[] = {{-1, -1, 0, 1}, {-1, 0, 3, 2}, {-1, 1, 6, 3}, {0, -1, 1, 4},
                        {0, 1, 7, 6},   {1, -1, 2, 7}, {1, 0, 5, 8},  {1, 1, 8, 9}};
  for (const Case& c : cases) {
    EXPECT_EQ(FlagByteForMergeDirection(c.direction), c.flagByte) << c.dx << "," << c.dy;
    EXPECT_EQ(MergeDirectionForFlagByte(c.flagByte), c.direction) << c.dx << "," << c.dy;

    // The flag set for a neighbour, turned into a direction, merges that same neighbour.
    auto w = MakeEmptyWorld();
    PlaceFormation(*w, 1, kX, kY, kRifle, 1000);
    PlaceFormation(*w, 2, kX + c.dx, kY + c.dy, kRifle, 500);
    Select(*w, kX, kY);
    FindMergeCandidates(*w);
    for (int b = 0; b < 9; ++b) {
      EXPECT_EQ(w->NeighbourFlags[b], b == c.flagByte ? 1 : 0) << c.dx << "," << c.dy;
    }
    MergeFormations(*w, static_cast<std::uint8_t>(MergeDirectionForFlagByte(c.flagByte)));
    EXPECT_EQ(Formation(*w, 1).Men, 1500) << c.dx << "," << c.dy;
    EXPECT_EQ(Cell(*w, kX + c.dx, kY + c.dy).GroundFormation, 0) << c.dx << "," << c.dy;
  }
  EXPECT_EQ(FlagByteForMergeDirection(5), 4);
  EXPECT_EQ(MergeDirectionForFlagByte(4), 5);
  EXPECT_EQ(FlagByteForMergeDirection(0), -1);
  EXPECT_EQ(FlagByteForMergeDirection(10), -1);
  EXPECT_EQ(MergeDirectionForFlagByte(9), -1);
}

TEST(MergeCandidatesTest, Rules) {
  struct Case {
    const char* what;
    std::uint16_t typeS, typeN;
    int menS, menN;
    int ordersS, ordersN;
    int nx, ny;  // the neighbour's cell; the selected formation stands at (kX, kY) or (sx, sy)
    bool candidate;
  };
  const int rifleMen = FormationTypes[kRifle].Men;
  const int artilleryMen = FormationTypes[kArtillery].Men;
  const Case cases[] = {
      {"rifle takes artillery that fits", kRifle, kArtillery, rifleMen / 2, rifleMen - rifleMen / 2,
       2, 2, kX + 1, kY, true},
      {"rifle takes artillery one man too many", kRifle, kArtillery, rifleMen / 2,
       rifleMen - rifleMen / 2 + 1, 2, 2, kX + 1, kY, false},
      {"artillery never takes rifles", kArtillery, kRifle, 100, 100, 2, 2, kX + 1, kY, false},
      {"artillery takes artillery", kArtillery, kArtillery, 100, artilleryMen - 100, 2, 2, kX,
       kY + 1, true},
      {"air defence takes air defence", kAirDefence, kAirDefence, 100, 100, 1, 1, kX - 1, kY - 1,
       true},
      {"air defence never takes artillery", kAirDefence, kArtillery, 100, 100, 2, 2, kX + 1, kY,
       false},
      {"tank takes air defence", kTank, kAirDefence, 100, 100, 2, 2, kX + 1, kY, true},
      {"another nation", kRifle, kGerman, 100, 100, 2, 2, kX + 1, kY, false},
      {"selected has no orders", kRifle, kRifle, 100, 100, 0, 2, kX + 1, kY, false},
      {"neighbour has no orders", kRifle, kRifle, 100, 100, 2, 0, kX + 1, kY, false},
  };
  for (const Case& c : cases) {
    auto w = MakeEmptyWorld();
    PlaceFormation(*w, 1, kX, kY, c.typeS, static_cast<std::uint16_t>(c.menS)).OrdersLeft =
        static_cast<std::uint16_t>(c.ordersS);
    PlaceFormation(*w, 2, c.nx, c.ny, c.typeN, static_cast<std::uint16_t>(c.menN)).OrdersLeft =
        static_cast<std::uint16_t>(c.ordersN);
    Select(*w, kX, kY);
    w->NeighbourFlags.fill(1);
    FindMergeCandidates(*w);
    const int b = 3 * (c.ny - kY + 1) + (c.nx - kX + 1);
    EXPECT_EQ(w->NeighbourFlags[b], c.candidate ? 1 : 0) << c.what;
    EXPECT_EQ(w->NeighbourFlags[4], 0) << c.what;
  }
}

TEST(MergeCandidatesTest, OnlyTheatreNeighboursAndGroundFormations) {
  auto w = MakeEmptyWorld();
  // Selected at the theatre's top-left corner; neighbours in row 29 and at column -1 never count.
  PlaceFormation(*w, 1, 0, 30, kRifle, 100);
  PlaceFormation(*w, 2, 1, 29, kRifle, 100);
  PlaceFormation(*w, 3, 0, 29, kRifle, 100);
  PlaceFormation(*w, 4, 1, 30, kFighters, 0);            // air formations play no part
  PlaceFormation(*w, 5, 0, 31, kRifle, 100).Branch = 0;  // a wiped record is no formation
  PlaceFormation(*w, 6, 1, 31, kRifle, 100);
  Select(*w, 0, 30);
  FindMergeCandidates(*w);
  const std::array<std::uint8_t, 9> expected = {0, 0, 0, 0, 0, 0, 0, 0, 1};
  EXPECT_EQ(w->NeighbourFlags, expected);

  // A selected cell without a ground formation gets no flags.
  Select(*w, 1, 30);
  FindMergeCandidates(*w);
  EXPECT_EQ(w->NeighbourFlags, (std::array<std::uint8_t, 9>{}));
}

TEST(MergeTest, BlendsSumsAndFreesTheNeighbour) {
  struct Case {
    const char* what;
    int menS, expS, morS, menN, expN, morN;
    int exp, mor;
  };
  const Case cases[] = {
      {"men-weighted", 1000, 50, 100, 3000, 10, 60, 20, 70},
      {"zero experience becomes 1", 1000, 0, 0, 1000, 0, 0, 1, 1},
      {"no men on either side keeps the survivor's", 0, 40, 90, 0, 10, 20, 40, 90},
      {"experience past 100", 20000, 60000, 600, 1, 0, 0, 59997, 599},
  };
  for (const Case& c : cases) {
    auto w = MakeEmptyWorld();
    TFormation& s = PlaceFormation(*w, 1, kX, kY, kRifle, static_cast<std::uint16_t>(c.menS));
    s.Experience = static_cast<std::uint16_t>(c.expS);
    s.Morale = static_cast<std::uint16_t>(c.morS);
    s.Ammo = 3;
    s.Cars = 10;
    s.Horses = 20;
    TFormation& n =
        PlaceFormation(*w, 2, kX + 1, kY + 1, kRifle, static_cast<std::uint16_t>(c.menN));
    n.Experience = static_cast<std::uint16_t>(c.expN);
    n.Morale = static_cast<std::uint16_t>(c.morN);
    n.Cars = 5;
    n.Horses = 6;
    n.reserved87[3] = 44;
    PlaceFormation(*w, 3, kX + 1, kY + 1, kFighters, 0);  // an air formation in the same cell
    Select(*w, kX, kY);
    FindMergeCandidates(*w);
    MergeFormations(*w, 9);
    EXPECT_EQ(s.Experience, c.exp) << c.what;
    EXPECT_EQ(s.Morale, c.mor) << c.what;
    EXPECT_EQ(s.Men, c.menS + c.menN) << c.what;
    EXPECT_EQ(s.OrdersLeft, 1) << c.what;
    EXPECT_EQ(s.Ammo, 10) << c.what;
    EXPECT_EQ(s.Cars, 15) << c.what;
    EXPECT_EQ(s.Horses, 26) << c.what;
    EXPECT_EQ(n.Branch, 0) << c.what;
    EXPECT_EQ(n.Men, 0) << c.what;
    EXPECT_EQ(n.reserved87[3], 44) << c.what;  // words 87..99 are left
    EXPECT_EQ(Cell(*w, kX + 1, kY + 1).GroundFormation, 0) << c.what;
    EXPECT_EQ(Cell(*w, kX + 1, kY + 1).AirFormation, 3) << c.what;
    EXPECT_EQ(Cell(*w, kX, kY).GroundFormation, 1) << c.what;
    EXPECT_EQ(w->Selection[0], 0) << c.what;
    EXPECT_EQ(w->NeighbourFlags, (std::array<std::uint8_t, 9>{})) << c.what;
  }
}

TEST(MergeTest, EquipmentFindsSlotsOrGoesToTheReserve) {
  auto w = MakeEmptyWorld();
  TFormation& s = PlaceFormation(*w, 1, kX, kY, kRifle, 1000);
  TFormation& n = PlaceFormation(*w, 2, kX - 1, kY, kRifle, 1000);
  s.pairs[2] = {7, 12};  // tanks: model 12 in pair 2, pair 0 free
  n.pairs[0] = {5, 12};
  n.pairs[1] = {4, 30};  // goes into the next free tank slot, pair 1
  for (int k = 18; k <= 20; ++k) s.pairs[k] = {1, static_cast<std::uint16_t>(401 + k - 18)};
  n.pairs[18] = {9, 410};  // every howitzer slot of S holds another model: to the reserve
  n.pairs[19] = {3, 402};  // S holds 402 in pair 19: added there
  n.pairs[21] = {6, 0};    // no model: skipped
  n.pairs[6] = {8, 12};    // pairs 6 and 7 take no part
  s.pairs[28] = {65'000, 701};
  n.pairs[28] = {1'000, 701};  // saturates; the rest to the reserve
  n.Cars = 1000;
  s.Cars = 65'000;
  n.Horses = 100;
  s.Horses = 65'535;
  TEconomy& e = w->Economy;
  EquipmentStockOf(e, 5, 410) = 1;
  EquipmentStockOf(e, 5, 701) = 65'400;
  e.CarPool[NationIndex(5)] = 3;

  Select(*w, kX, kY);
  MergeFormations(*w, 2);
  EXPECT_EQ(s.pairs[0].Count, 5);
  EXPECT_EQ(s.pairs[0].Model, 12);
  EXPECT_EQ(s.pairs[2].Count, 7);
  EXPECT_EQ(s.pairs[1].Count, 4);
  EXPECT_EQ(s.pairs[1].Model, 30);
  EXPECT_EQ(s.pairs[18].Count, 1);
  EXPECT_EQ(s.pairs[19].Count, 4);
  EXPECT_EQ(EquipmentStockOf(e, 5, 410), 10);
  EXPECT_EQ(s.pairs[21].Count, 0);
  EXPECT_EQ(s.pairs[21].Model, 0);
  EXPECT_EQ(s.pairs[6].Count, 0);
  EXPECT_EQ(EquipmentStockOf(e, 5, 12), 0);
  EXPECT_EQ(s.pairs[28].Count, 65'535);
  EXPECT_EQ(EquipmentStockOf(e, 5, 701), 65'535);  // 465 more would pass the field
  EXPECT_EQ(s.Cars, 65'535);
  EXPECT_EQ(e.CarPool[NationIndex(5)], 3 + 465);
  EXPECT_EQ(s.Horses, 65'535);
  EXPECT_EQ(e.HorsePool[NationIndex(5)], 100);
}

TEST(MergeTest, SumsPastTheFieldStopAtItsTop) {
  // A merge called without the candidate test: men stop at 65,535 and feed no pool; cars and
  // horses stop there too, their surplus going to the nation's pools.
  struct Case {
    const char* what;
    int menS, menN, carsS, carsN, horsesS, horsesN;
    int men, cars, horses, carPool, horsePool;
  };
  const Case cases[] = {
      {"fits", 30'000, 35'535, 10, 20, 5, 6, 65'535, 30, 11, 0, 0},
      {"men over", 65'000, 1'000, 0, 0, 0, 0, 65'535, 0, 0, 0, 0},
      {"cars over", 1, 1, 65'000, 600, 0, 0, 2, 65'535, 0, 65, 0},
      {"horses over", 1, 1, 0, 0, 65'535, 65'535, 2, 0, 65'535, 0, 65'535},
  };
  for (const Case& c : cases) {
    auto w = MakeEmptyWorld();
    TFormation& s = PlaceFormation(*w, 1, kX, kY, kRifle, static_cast<std::uint16_t>(c.menS));
    s.Cars = static_cast<std::uint16_t>(c.carsS);
    s.Horses = static_cast<std::uint16_t>(c.horsesS);
    TFormation& n = PlaceFormation(*w, 2, kX, kY - 1, kRifle, static_cast<std::uint16_t>(c.menN));
    n.Cars = static_cast<std::uint16_t>(c.carsN);
    n.Horses = static_cast<std::uint16_t>(c.horsesN);
    Select(*w, kX, kY);
    MergeFormations(*w, 4);
    const TEconomy& e = w->Economy;
    EXPECT_EQ(s.Men, c.men) << c.what;
    EXPECT_EQ(s.Cars, c.cars) << c.what;
    EXPECT_EQ(s.Horses, c.horses) << c.what;
    EXPECT_EQ(e.CarPool[NationIndex(5)], c.carPool) << c.what;
    EXPECT_EQ(e.HorsePool[NationIndex(5)], c.horsePool) << c.what;
    EXPECT_EQ(e.VeteranPool[NationIndex(5)], 0) << c.what;
    EXPECT_EQ(e.RecruitPool[NationIndex(5)], 0) << c.what;
  }
  // A pool at the limit a save must keep (a file made by hand) takes no more.
  auto w = MakeEmptyWorld();
  TFormation& s = PlaceFormation(*w, 1, kX, kY, kRifle, 1);
  TFormation& n = PlaceFormation(*w, 2, kX, kY - 1, kRifle, 1);
  s.Cars = n.Cars = s.Horses = n.Horses = 65'000;
  w->Economy.CarPool[NationIndex(5)] = kPoolLimit;
  w->Economy.HorsePool[NationIndex(5)] = kPoolLimit - 1;
  Select(*w, kX, kY);
  MergeFormations(*w, 4);
  EXPECT_EQ(w->Economy.CarPool[NationIndex(5)], kPoolLimit);
  EXPECT_EQ(w->Economy.HorsePool[NationIndex(5)], kPoolLimit);
}

TEST(MergeTest, DirectionsThatNameNoFormationChangeNothing) {
  auto w = MakeEmptyWorld();
  PlaceFormation(*w, 1, kX, kY, kRifle, 1000);
  PlaceFormation(*w, 2, kX + 1, kY, kRifle, 1000);
  Select(*w, kX, kY);
  const auto before = testing::CopyWorld(*w);
  for (int d : {0, 5, 10, 1, 255}) MergeFormations(*w, static_cast<std::uint8_t>(d));
  EXPECT_TRUE(testing::SameBytes(*before, *w));
}

}  // namespace
}  // namespace gm
