// The page's rules for ammunition, men, cars and horses (fields 1 to 4).
#pragma once

#include "world/world.hpp"

namespace gm {

// Each sets the field's candidate enables, the five step buttons and MessageNo for formation
// `f` on the Selection cell; a later failing test overwrites an earlier message.
void RefreshAmmoField(World& w, const TFormation& f);
void RefreshMenField(World& w, const TFormation& f);
void RefreshCarsOrHorsesField(World& w, const TFormation& f, int field);

}  // namespace gm
