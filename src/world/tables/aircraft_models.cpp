// The aircraft models: fighters, tactical bombers, bombers and level bombers. Row r is model
// number 800 + r of the economy's tables.
#include "world/tables/placeholder_numbers.hpp"
#include "world/tables/table_rows.hpp"
#include "world/tables/tables.hpp"

namespace gm {
namespace {

using namespace table_rows;

// Classes: 100 fighter, 101 tactical bomber, 102 bomber, 103 level bomber. rad: range in cells.
// clang-format off
constexpr AircraftRow kAircraft[] = {
//  model  name                class nat  cost spd mov inf arm air adf rad  mon year
    { 801, "I-15",            100,  5, { 60, 14, 27,  2,  1, 15, 29,  12,  6, 1935}},
    { 802, "I-15bis",         100,  5, kPlaceholderAircraft},
    { 803, "I-153",           100,  5, kPlaceholderAircraft},
    { 804, "I-153P",          100,  5, kPlaceholderAircraft},
    { 805, "I-16 type 24",    100,  5, kPlaceholderAircraft},
    { 807, "I-185",           100,  5, kPlaceholderAircraft},
    { 808, "LaGG-1",          100,  5, kPlaceholderAircraft},
    { 809, "LaGG-3",          100,  5, kPlaceholderAircraft},
    { 810, "La-5",            100,  5, kPlaceholderAircraft},
    { 811, "La-5F",           100,  5, kPlaceholderAircraft},
    { 812, "La-5FN",          100,  5, kPlaceholderAircraft},
    { 813, "La-7",            100,  5, kPlaceholderAircraft},
    { 815, "MiG-1",           100,  5, kPlaceholderAircraft},
    { 816, "MiG-3",           100,  5, kPlaceholderAircraft},
    { 817, "Pe-3",            100,  5, kPlaceholderAircraft},
    { 818, "Pe-3bis",         100,  5, kPlaceholderAircraft},
    { 819, "Yak-1",           100,  5, kPlaceholderAircraft},
    { 820, "Yak-1B",          100,  5, kPlaceholderAircraft},
    { 821, "Yak-7",           100,  5, kPlaceholderAircraft},
    { 822, "Yak-7A",          100,  5, kPlaceholderAircraft},
    { 823, "Yak-7B",          100,  5, kPlaceholderAircraft},
    { 824, "Yak-9",           100,  5, kPlaceholderAircraft},
    { 825, "Yak-9T",          100,  5, kPlaceholderAircraft},
    { 826, "Yak-9K",          100,  5, kPlaceholderAircraft},
    { 827, "Yak-9D",          100,  5, kPlaceholderAircraft},
    { 828, "Yak-9DD",         100,  5, kPlaceholderAircraft},
    { 829, "Yak-9M",          100,  5, kPlaceholderAircraft},
    { 830, "Yak-9U",          100,  5, kPlaceholderAircraft},
    { 831, "Yak-9UT",         100,  5, kPlaceholderAircraft},
    { 832, "Yak-3",           100,  5, kPlaceholderAircraft},
    { 833, "Yak-3P",          100,  5, kPlaceholderAircraft},
    { 834, "Bf109b2",         100,  2, kPlaceholderAircraft},
    { 835, "Bf109e",          100,  2, kPlaceholderAircraft},
    { 836, "Bf109f2",         100,  2, kPlaceholderAircraft},
    { 837, "Bf109f4",         100,  2, kPlaceholderAircraft},
    { 838, "Bf109g2",         100,  2, kPlaceholderAircraft},
    { 839, "Bf109g6",         100,  2, kPlaceholderAircraft},
    { 840, "Bf109k",          100,  2, kPlaceholderAircraft},
    { 841, "Bf110c",          100,  2, kPlaceholderAircraft},
    { 842, "Bf110d",          100,  2, kPlaceholderAircraft},
    { 843, "Bf110e",          100,  2, kPlaceholderAircraft},
    { 844, "Bf110f",          100,  2, kPlaceholderAircraft},
    { 845, "Bf110g",          100,  2, kPlaceholderAircraft},
    { 846, "Me210a",          100,  2, kPlaceholderAircraft},
    { 847, "Me210c",          100,  2, kPlaceholderAircraft},
    { 848, "Me410a",          100,  2, kPlaceholderAircraft},
    { 849, "Me163B",          100,  2, kPlaceholderAircraft},
    { 850, "Me262A1",         100,  2, { 80, 36, 67, 16,  4, 48, 83,  26,  7, 1944}},
    { 851, "FW190a2",         100,  2, kPlaceholderAircraft},
    { 852, "FW190a3",         100,  2, kPlaceholderAircraft},
    { 853, "FW190a5",         100,  2, kPlaceholderAircraft},
    { 854, "FW190a8",         100,  2, kPlaceholderAircraft},
    { 855, "FW190d9",         100,  2, kPlaceholderAircraft},
    { 856, "FW190f",          100,  2, kPlaceholderAircraft},
    { 857, "FW190g",          100,  2, kPlaceholderAircraft},
    { 858, "Ta152",           100,  2, kPlaceholderAircraft},
    { 859, "He162",           100,  2, kPlaceholderAircraft},
    { 860, "He219",           100,  2, kPlaceholderAircraft},
    { 861, "Do217j",          100,  2, kPlaceholderAircraft},
    { 862, "Ju88c",           100,  2, kPlaceholderAircraft},
    { 863, "Ju88g",           100,  2, kPlaceholderAircraft},
    { 864, "Do335a",          100,  2, kPlaceholderAircraft},
    { 865, "C.R.32",          100,  3, kPlaceholderAircraft},
    { 866, "C.R.42",          100,  3, kPlaceholderAircraft},
    { 867, "G.50",            100,  3, kPlaceholderAircraft},
    { 868, "G.55",            100,  3, kPlaceholderAircraft},
    { 869, "Re2000",          100,  3, kPlaceholderAircraft},
    { 870, "Re2001",          100,  3, kPlaceholderAircraft},
    { 871, "Re2005",          100,  3, kPlaceholderAircraft},
    { 873, "MC.200",          100,  3, kPlaceholderAircraft},
    { 874, "MC.202",          100,  3, kPlaceholderAircraft},
    { 875, "MC.205",          100,  3, kPlaceholderAircraft},
    { 876, "Fokker DXXI",     100,  6, kPlaceholderAircraft},
    { 877, "MS.406",          100, 21, kPlaceholderAircraft},
    { 878, "MS.410",          100, 21, kPlaceholderAircraft},
    { 879, "Gloster G.37",    100, 20, kPlaceholderAircraft},
    { 880, "BrewsterB239",    100, 20, kPlaceholderAircraft},
    { 881, "P-36 Hawk 75A",   100, 26, kPlaceholderAircraft},
    { 882, "Hurricane I",     100, 20, kPlaceholderAircraft},
    { 883, "Hejja II",        100,  1, kPlaceholderAircraft},
    { 884, "IAR-80",          100,  4, kPlaceholderAircraft},
    { 901, "Yak-2",           101,  5, { 80, 21, 37, 20,  5,  0, 38,  20,  6, 1939}},
    { 902, "Yak-4",           101,  5, kPlaceholderAircraft},
    { 903, "Su-2",            101,  5, kPlaceholderAircraft},
    { 904, "Su-4",            101,  5, kPlaceholderAircraft},
    { 905, "Pe-2",            101,  5, kPlaceholderAircraft},
    { 906, "Pe-2MV",          101,  5, kPlaceholderAircraft},
    { 907, "Pe-2FT",          101,  5, kPlaceholderAircraft},
    { 908, "Pe-2I",           101,  5, kPlaceholderAircraft},
    { 909, "Il-2",            101,  5, kPlaceholderAircraft},
    { 910, "Il-2M",           101,  5, kPlaceholderAircraft},
    { 911, "Il-10",           101,  5, kPlaceholderAircraft},
    { 912, "JU87b Stuka",     101,  2, kPlaceholderAircraft},
    { 913, "JU87d Stuka",     101,  2, kPlaceholderAircraft},
    { 914, "JU87r Stuka",     101,  2, kPlaceholderAircraft},
    { 915, "JU87g Stuka",     101,  2, kPlaceholderAircraft},
    { 916, "Me410b",          101,  2, kPlaceholderAircraft},
    { 917, "Hs-123a",         101,  2, kPlaceholderAircraft},
    { 918, "Hs-129b",         101,  2, kPlaceholderAircraft},
    { 919, "Hs-132b",         101,  2, kPlaceholderAircraft},
    { 920, "Me262A2",         101,  2, kPlaceholderAircraft},
    { 921, "AR-234b2",        101,  2, kPlaceholderAircraft},
    { 922, "Re.2002",         101,  3, kPlaceholderAircraft},
    { 923, "Ba.65",           101,  3, kPlaceholderAircraft},
    { 924, "Br.20M",          101,  3, kPlaceholderAircraft},
    { 925, "Br.20bis",        101,  3, kPlaceholderAircraft},
    { 926, "Fokker C.X",      101,  6, kPlaceholderAircraft},
    { 927, "PZL-23b",         101, 22, kPlaceholderAircraft},
    { 928, "IAR-81",          101,  4, kPlaceholderAircraft},
    {1001, "SB",              102,  5, { 95, 17, 27, 10,  4,  0, 31,  39,  3, 1936}},
    {1002, "SB-2M",           102,  5, kPlaceholderAircraft},
    {1003, "SB-RK(Ar-2)",     102,  5, kPlaceholderAircraft},
    {1004, "B-71",            102,  2, kPlaceholderAircraft},
    {1005, "Tu-2",            102,  5, kPlaceholderAircraft},
    {1006, "Tu-2S",           102,  5, kPlaceholderAircraft},
    {1008, "CA133",           102,  3, kPlaceholderAircraft},
    {1009, "CA135",           102,  3, kPlaceholderAircraft},
    {1010, "CA310/311",       102,  3, kPlaceholderAircraft},
    {1011, "CA314/315",       102,  3, kPlaceholderAircraft},
    {1012, "S.M.81",          102,  3, kPlaceholderAircraft},
    {1013, "S.M.79",          102,  3, kPlaceholderAircraft},
    {1014, "S.M.79b",         102,  3, kPlaceholderAircraft},
    {1015, "S.M.79jr",        102,  4, kPlaceholderAircraft},
    {1016, "Z.1007",          102,  3, kPlaceholderAircraft},
    {1017, "Z.1007bis",       102,  3, kPlaceholderAircraft},
    {1018, "Z.1007ter",       102,  3, kPlaceholderAircraft},
    {1019, "Z.1018",          102,  3, kPlaceholderAircraft},
    {1020, "PZL-37B",         102, 22, kPlaceholderAircraft},
    {1021, "Blenheim Mk1",    102,  6, kPlaceholderAircraft},
    {1101, "TB-1",            103,  5, {150,  8,  9, 16,  2,  0, 15,  34,  6, 1925}},
    {1102, "TB-3",            103,  5, kPlaceholderAircraft},
    {1103, "Pe-8(40)",        103,  5, kPlaceholderAircraft},
    {1104, "Pe-8(42)",        103,  5, kPlaceholderAircraft},
    {1105, "Er-2",            103,  5, kPlaceholderAircraft},
    {1106, "DB-3",            103,  5, kPlaceholderAircraft},
    {1107, "DB-3F(IL4)",      103,  5, kPlaceholderAircraft},
    {1108, "Ju88a",           103,  2, kPlaceholderAircraft},
    {1109, "Ju88s",           103,  2, kPlaceholderAircraft},
    {1110, "Ju188a",          103,  2, kPlaceholderAircraft},
    {1111, "Ju188e",          103,  2, kPlaceholderAircraft},
    {1112, "Ju288c",          103,  2, kPlaceholderAircraft},
    {1113, "Do17z",           103,  2, kPlaceholderAircraft},
    {1114, "Do215b1",         103,  2, kPlaceholderAircraft},
    {1115, "Do217e",          103,  2, kPlaceholderAircraft},
    {1116, "Do217k",          103,  2, kPlaceholderAircraft},
    {1117, "Do217m",          103,  2, kPlaceholderAircraft},
    {1118, "FW200c",          103,  2, kPlaceholderAircraft},
    {1119, "He111h",          103,  2, kPlaceholderAircraft},
    {1120, "He177a",          103,  2, kPlaceholderAircraft},
    {1121, "P.108B",          103,  3, kPlaceholderAircraft},
};
// clang-format on

constexpr std::array<TAircraftModel, kAircraftModelRows + 1> BuildAircraftModels() {
  std::array<TAircraftModel, kAircraftModelRows + 1> table{};
  bool used[kAircraftModelRows + 1]{};
  for (const AircraftRow& r : kAircraft) {
    const int row = r.model - kAircraftModelBase;
    if (row < 1) throw "aircraft model number below 801";
    Claim(used, static_cast<std::size_t>(row));
    TAircraftModel& m = table[row];
    m.Class = r.aircraftClass;
    m.Name = MakeName<30>(r.name);
    m.Nation = r.nation;
    m.Cost = r.n.cost;
    m.Speed = r.n.speed;
    m.Movement = r.n.movement;
    m.InfantryAttack = r.n.infantryAttack;
    m.ArmorAttack = r.n.armorAttack;
    m.AirAttack = r.n.airAttack;
    m.AirDefense = r.n.airDefense;
    m.Radius = r.n.radius;
    m.IntroMonth = r.n.introMonth;
    m.IntroYear = r.n.introYear;
  }
  return table;
}

}  // namespace

constexpr std::array<TAircraftModel, kAircraftModelRows + 1> AircraftModels = BuildAircraftModels();

}  // namespace gm
