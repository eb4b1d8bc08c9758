// Row records of the constant tables: formation types, equipment and aircraft models, terrain
// tiles. Packed little-endian layouts of 16-bit words, with a length byte in front of each name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace gm {

// A name of fixed capacity: a length byte, then the characters (code page 1251); bytes past the
// length are ignored.
template <std::size_t Capacity>
struct TableName {
  std::uint8_t Length;
  char Text[Capacity];

  std::string_view View() const {
    return {Text, Length <= Capacity ? std::size_t{Length} : Capacity};
  }
};

#pragma pack(push, 1)

// A template from which formations are raised: nominal men, equipment counts by category,
// cars, horses, aircraft by class, and the first month it can be raised.
struct TFormationType {
  TableName<35> Name;
  std::uint16_t Nation;  // 1..8, 0 on an empty row
  std::uint16_t Branch;  // 1 army, 2 air
  std::uint16_t Men;
  std::uint16_t Tanks;         // category 1
  std::uint16_t SPGuns;        // category 2
  std::uint16_t ArmouredCars;  // category 3
  std::uint16_t FieldGuns;     // category 4
  std::uint16_t Howitzers;     // category 5
  std::uint16_t ATGuns;        // category 7 (stored before the anti-aircraft guns)
  std::uint16_t AAGuns;        // category 8
  std::uint16_t Mortars;       // category 6 (stored last)
  std::uint16_t Cars;
  std::uint16_t Horses;
  std::uint16_t Fighters;         // aircraft class 100
  std::uint16_t TacticalBombers;  // class 101
  std::uint16_t Bombers;          // class 102
  std::uint16_t LevelBombers;     // class 103
  std::uint16_t Month;
  std::uint16_t Year;
  std::uint16_t unused74;  // 0 in every row
  std::uint16_t Kind;      // 4 armour .. 10 air defence, 21..24 air kinds; 0 on an empty row
};

// A ground-equipment model (model numbers 1..800).
struct TEquipmentModel {
  std::uint16_t Category;  // 1 tanks .. 8 anti-aircraft guns; 0 on an empty row
  TableName<30> Name;
  std::uint16_t Nation;  // maker: 1..8, or 20 and up for makers outside the war
  std::uint16_t Cost;
  std::uint16_t roadSpeed;  // road speed in steps of 5 km/h for vehicles; shown and read nowhere
  std::uint16_t Movement;
  std::uint16_t InfantryAttack;
  std::uint16_t ArmorAttack;
  std::uint16_t AirAttack;
  std::uint16_t GroundDefense;
  std::uint16_t AirDefense;
  std::uint16_t IntroMonth;
  std::uint16_t IntroYear;
  std::uint16_t AirTransportable;  // 0 no; otherwise airborne formations may hold it
};

// An aircraft model (row r is model number 800 + r of the economy's tables).
struct TAircraftModel {
  std::uint16_t Class;  // 100 fighter, 101 tactical bomber, 102 bomber, 103 level bomber; 0 empty
  TableName<30> Name;
  std::uint16_t Nation;
  std::uint16_t Cost;
  std::uint16_t Speed;
  std::uint16_t Movement;
  std::uint16_t InfantryAttack;
  std::uint16_t ArmorAttack;
  std::uint16_t AirAttack;
  std::uint16_t AirDefense;
  std::uint16_t Radius;  // range in map cells
  std::uint16_t IntroMonth;
  std::uint16_t IntroYear;
};

// A terrain tile: the cost to enter it and the combat modifiers by formation kind.
struct TTerrainTile {
  TableName<50> Name;
  std::uint16_t MoveCost;  // 10 road .. 70 river; 255 impassable
  std::uint8_t AirDefenceBonus;
  std::uint8_t DefenceBonus[8];    // by ground kind 4..11: index kind - 4
  std::uint8_t AttackBonus[8];     // by ground kind 4..11: index kind - 4
  std::uint8_t AirAttackBonus[4];  // by air kind 21..24: index kind - 21
};

#pragma pack(pop)

static_assert(sizeof(TFormationType) == 78);
static_assert(offsetof(TFormationType, Nation) == 36);
static_assert(offsetof(TFormationType, Branch) == 38);
static_assert(offsetof(TFormationType, Men) == 40);
static_assert(offsetof(TFormationType, Tanks) == 42);
static_assert(offsetof(TFormationType, SPGuns) == 44);
static_assert(offsetof(TFormationType, ArmouredCars) == 46);
static_assert(offsetof(TFormationType, FieldGuns) == 48);
static_assert(offsetof(TFormationType, Howitzers) == 50);
static_assert(offsetof(TFormationType, ATGuns) == 52);
static_assert(offsetof(TFormationType, AAGuns) == 54);
static_assert(offsetof(TFormationType, Mortars) == 56);
static_assert(offsetof(TFormationType, Cars) == 58);
static_assert(offsetof(TFormationType, Horses) == 60);
static_assert(offsetof(TFormationType, Fighters) == 62);
static_assert(offsetof(TFormationType, TacticalBombers) == 64);
static_assert(offsetof(TFormationType, Bombers) == 66);
static_assert(offsetof(TFormationType, LevelBombers) == 68);
static_assert(offsetof(TFormationType, Month) == 70);
static_assert(offsetof(TFormationType, Year) == 72);
static_assert(offsetof(TFormationType, unused74) == 74);
static_assert(offsetof(TFormationType, Kind) == 76);

static_assert(sizeof(TEquipmentModel) == 57);
static_assert(offsetof(TEquipmentModel, Name) == 2);
static_assert(offsetof(TEquipmentModel, Nation) == 33);
static_assert(offsetof(TEquipmentModel, Cost) == 35);
static_assert(offsetof(TEquipmentModel, roadSpeed) == 37);
static_assert(offsetof(TEquipmentModel, Movement) == 39);
static_assert(offsetof(TEquipmentModel, InfantryAttack) == 41);
static_assert(offsetof(TEquipmentModel, ArmorAttack) == 43);
static_assert(offsetof(TEquipmentModel, AirAttack) == 45);
static_assert(offsetof(TEquipmentModel, GroundDefense) == 47);
static_assert(offsetof(TEquipmentModel, AirDefense) == 49);
static_assert(offsetof(TEquipmentModel, IntroMonth) == 51);
static_assert(offsetof(TEquipmentModel, IntroYear) == 53);
static_assert(offsetof(TEquipmentModel, AirTransportable) == 55);

static_assert(sizeof(TAircraftModel) == 55);
static_assert(offsetof(TAircraftModel, Name) == 2);
static_assert(offsetof(TAircraftModel, Nation) == 33);
static_assert(offsetof(TAircraftModel, Cost) == 35);
static_assert(offsetof(TAircraftModel, Speed) == 37);
static_assert(offsetof(TAircraftModel, Movement) == 39);
static_assert(offsetof(TAircraftModel, InfantryAttack) == 41);
static_assert(offsetof(TAircraftModel, ArmorAttack) == 43);
static_assert(offsetof(TAircraftModel, AirAttack) == 45);
static_assert(offsetof(TAircraftModel, AirDefense) == 47);
static_assert(offsetof(TAircraftModel, Radius) == 49);
static_assert(offsetof(TAircraftModel, IntroMonth) == 51);
static_assert(offsetof(TAircraftModel, IntroYear) == 53);

static_assert(sizeof(TTerrainTile) == 74);
static_assert(offsetof(TTerrainTile, MoveCost) == 51);
static_assert(offsetof(TTerrainTile, AirDefenceBonus) == 53);
static_assert(offsetof(TTerrainTile, DefenceBonus) == 54);
static_assert(offsetof(TTerrainTile, AttackBonus) == 62);
static_assert(offsetof(TTerrainTile, AirAttackBonus) == 70);

}  // namespace gm
