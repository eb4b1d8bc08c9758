// Stand-in numbers for table rows whose numbers are not yet authored. Every value lies inside the
// range of its column; rows that use these are listed by name in the table sources.
#pragma once

#include "world/tables/table_rows.hpp"

namespace gm::table_rows {

// men, tanks, SP guns, armoured cars, field guns, howitzers, AT, AA, mortars, cars, horses; date
inline constexpr ArmyTypeNumbers kPlaceholderArmyType{10000, 0,  0,   0,    12, 12,  12,
                                                      4,     50, 300, 1000, 1,  1939};
// fighters, tactical bombers, bombers, level bombers; date
inline constexpr AirTypeNumbers kPlaceholderAirType{40, 0, 0, 0, 1, 1939};
// cost, road speed, move, inf. att., arm. att., air att., gr. def., air def., date, air-transp.
inline constexpr EquipmentNumbers kPlaceholderEquipment{20, 0, 2, 5, 2, 0, 1, 0, 1, 1939, 0};
// cost, speed, move, inf. att., arm. att., air att., air def., radius, date
inline constexpr AircraftNumbers kPlaceholderAircraft{80, 15, 27, 10, 2, 10, 30, 20, 1, 1939};

}  // namespace gm::table_rows
