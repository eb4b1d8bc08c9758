// The Save/Load page: five slots, saved or loaded at once on a click.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

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

// The reason of a failed save or load as the page shows it: at most kReasonLines lines of at
// most kReasonLineGlyphs glyphs (a glyph a byte), each broken after a space where one lies in
// reach, else between characters; a reason too long ends its last line with "...".
inline constexpr std::size_t kReasonLines = 3;  // room for the temporary files a full disk names
inline constexpr std::size_t kReasonLineGlyphs = 96;
std::vector<std::string> ReasonLines(std::string_view reason);

void DrawSaveLoadPage(UiContext& ctx);
void ClickSaveLoadPage(UiContext& ctx);

}  // namespace gm
