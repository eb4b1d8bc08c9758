// The End turn page: confirming the end of the human side's turn, or handing it to the computer.
#include "ui/screens/end_turn_page.hpp"

namespace gm {

void DrawEndTurnPage(UiContext& /*ctx*/) {}
void ClickEndTurnPage(UiContext& /*ctx*/) {}

}  // namespace gm
