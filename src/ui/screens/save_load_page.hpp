// The Save/Load page: five slots, saved or loaded at once on a click.
#pragma once

#include "ui/hit_rect.hpp"
#include "ui/ui_context.hpp"

namespace gm {

// Slot s (1..5) in the row 60 s pixels down; the mode column beside the rows switches all five
// between load and save.
inline constexpr HitRows kSaveSlotRows{420, 479, 0, 60, 5};
constexpr HitRect SaveSlotRect(int slot) {
  return kSaveSlotRows.Row(slot);
}
inline constexpr HitRect kSaveSlotColumn = kSaveSlotRows.Area();
inline constexpr HitRect kSaveModeColumn = HitRows{540, 599, 0, 60, 5}.Area();

void DrawSaveLoadPage(UiContext& ctx);
void ClickSaveLoadPage(UiContext& ctx);

}  // namespace gm
