// The reinforcement and equipment lists of the pages, the per-nation formation counters, and the
// two record operations around them: orders for every formation at start, wiping a new record.
#pragma once

#include "world/world.hpp"

namespace gm {

// Ground formations a nation may have at once (its raise quota); 0 outside 1..8.
int GroundFormationCap(int nation);

// Rebuilds ReinforcementList with the ground types of the side on move and their raise statuses;
// refreshes the air and ground counts and the raise flags first.
void BuildRaiseList(World& w);

// Rebuilds EquipmentList (every ground model) and TypeCountInUnits (pieces held in formations).
void BuildEquipmentList(World& w);

// Per-nation totals over all formation records; nations outside 1..8 are ignored.
void CountGroundFormations(World& w);  // NationFormationCount: formations of branch 1
void CountAirFormations(World& w);     // NationAirCount: formations of branch 2
void SumFormationMen(World& w);        // NationMen, over branch 1
void SumFormationCars(World& w);       // NationCars, over branch 1
void SumFormationHorses(World& w);     // NationHorses, over branch 1

// Gives every used formation record its two orders; free records are left alone.
void ReadyAllFormations(World& w);

// Wipes words 0..86 of the record at FreeFormationIndex (counted from 0); words 87..99 stay.
// Does nothing when the index names no record.
void ClearFormation(World& w);

// Wipes words 0..86 of a formation record, as freeing or re-using it requires.
void WipeFormationRecord(TFormation& f);

}  // namespace gm
