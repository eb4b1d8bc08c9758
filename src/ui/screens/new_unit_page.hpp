// The New unit page: the formation types the side on move may raise, the card, picture and message
// of the one under the cursor, the scroll arrows, OK and Cancel.
#pragma once

#include "ui/hit_rect.hpp"
#include "ui/screens/list_scroll.hpp"
#include "ui/ui_context.hpp"

namespace gm {

inline constexpr HitRect kNewUnitOkButton{80, 430, 159, 469};
inline constexpr HitRect kNewUnitCancelButton{260, 430, 339, 469};
// The list: a click on row r (1..20) moves the cursor there; the arrows above and below it
// scroll while the button is held.
inline constexpr HitRows kNewUnitList{75, 344, 75, 15, 20};
inline constexpr HitRect kNewUnitListRows = kNewUnitList.Area();
constexpr HitRect NewUnitListRow(int row) {
  return kNewUnitList.Row(row);
}
inline constexpr ListArrows kNewUnitArrows{{180, 75, 239, 89}, {180, 391, 239, 405}};

void DrawReinforcementPage(UiContext& ctx);
void ClickReinforcementPage(UiContext& ctx);

}  // namespace gm
