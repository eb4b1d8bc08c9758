// Readable source rows of the constant tables and the compile-time conversion into packed records.
// Used only by the table sources in this folder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "world/tables/table_types.hpp"

namespace gm::table_rows {

using u16 = std::uint16_t;

// Numbers of an army formation type, in the order of the record.
struct ArmyTypeNumbers {
  u16 men, tanks, spGuns, armouredCars, fieldGuns, howitzers, atGuns, aaGuns, mortars, cars, horses;
  u16 month, year;
};

// Numbers of an air formation type: nominal aircraft by class.
struct AirTypeNumbers {
  u16 fighters, tacticalBombers, bombers, levelBombers;
  u16 month, year;
};

struct ArmyTypeRow {
  u16 row;
  std::string_view name;
  u16 nation, kind;
  ArmyTypeNumbers n;
};

struct AirTypeRow {
  u16 row;
  std::string_view name;
  u16 nation, kind;
  AirTypeNumbers n;
};

struct EquipmentNumbers {
  u16 cost, roadSpeed, movement, infantryAttack, armorAttack, airAttack, groundDefense, airDefense;
  u16 introMonth, introYear, airTransportable;
};

struct EquipmentRow {
  u16 model;
  std::string_view name;
  u16 category, nation;
  EquipmentNumbers n;
};

struct AircraftNumbers {
  u16 cost, speed, movement, infantryAttack, armorAttack, airAttack, airDefense, radius;
  u16 introMonth, introYear;
};

struct AircraftRow {
  u16 model;  // 801..1200; the table row is model - 800
  std::string_view name;
  u16 aircraftClass, nation;
  AircraftNumbers n;
};

// A name copied into its fixed field; a name that does not fit stops the build.
template <std::size_t Capacity>
constexpr TableName<Capacity> MakeName(std::string_view text) {
  if (text.size() > Capacity) throw "name longer than its field";
  TableName<Capacity> name{};
  name.Length = static_cast<std::uint8_t>(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) name.Text[i] = text[i];
  return name;
}

// A name padded with blanks to the full capacity of its field.
template <std::size_t Capacity>
constexpr TableName<Capacity> MakePaddedName(std::string_view word) {
  TableName<Capacity> name = MakeName<Capacity>(word);
  for (std::size_t i = word.size(); i < Capacity; ++i) name.Text[i] = ' ';
  name.Length = static_cast<std::uint8_t>(Capacity);
  return name;
}

// Marks a row as filled; a row number out of range or used twice stops the build.
template <std::size_t N>
constexpr void Claim(bool (&used)[N], std::size_t row) {
  if (row == 0 || row >= N) throw "row number out of range";
  if (used[row]) throw "row number used twice";
  used[row] = true;
}

}  // namespace gm::table_rows
