// The Help page: six topics of text and their link lines.
#include "ui/screens/help_page.hpp"

namespace gm {

void DrawHelpPage(UiContext& /*ctx*/) {}
void ClickHelpPage(UiContext& /*ctx*/) {}

}  // namespace gm
