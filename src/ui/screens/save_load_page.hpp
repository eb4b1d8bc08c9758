// The Save/Load page: five slots, saved or loaded at once on a click.
#pragma once

#include "ui/hit_rect.hpp"
#include "ui/ui_context.hpp"

namespace gm {

// Slot s (1..5) in the row 60 s pixels down; the mode column beside the rows switches all five
// between load and save.
constexpr HitRect SaveSlotRect(int slot) {
  return {420, 60 * slot, 479, 60 * slot + 59};
}
inline constexpr HitRect kSaveSlotColumn{420, 60, 479, 359};
inline constexpr HitRect kSaveModeColumn{540, 60, 599, 359};

void DrawSaveLoadPage(UiContext& ctx);
void ClickSaveLoadPage(UiContext& ctx);

}  // namespace gm
