// The field list of the Unit staff page.
#include "ui/screens/unit_staff_fields.hpp"

#include <cstdint>
#include <string>

#include "refit/refit_conditions.hpp"
#include "refit/update_refit_panel.hpp"
#include "ui/click_sound.hpp"
#include "ui/glyph_text.hpp"
#include "ui/ui_texts.hpp"
#include "world/equipment_groups.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr std::int32_t kLabelX = kRefitFields.left;
constexpr std::int32_t kCountX = 210;
constexpr std::int32_t kModelX = 240;

// A field's text stands a pixel above its row.
constexpr std::int32_t FieldTextY(int field) {
  return RefitFieldRow(field).top - 1;
}

std::string_view ModelName(std::uint16_t m) {
  if (m < 1 || m > kEquipmentModelRows) return {};
  return EquipmentModels[m].Name.View();
}

void DrawNumber(UiContext& ctx, std::uint32_t n, std::int32_t y) {
  DrawGlyphText(ctx, std::to_string(n), kCountX, y, 1);
}

}  // namespace

void DrawRefitFields(UiContext& ctx) {
  const TRefitPage& p = ctx.w.Refit.RefitPage;
  for (int field = 1; field <= kRefitFieldCount; ++field) {
    DrawGlyphText(ctx, StaffFieldLabel(field), kLabelX, FieldTextY(field),
                  field == p.SelectedField ? 2 : 1);
  }
  const TFormation* f = RefitFormation(ctx.w);
  if (f == nullptr) return;
  // Supplies show always, 0 included.
  DrawNumber(ctx, std::uint32_t{f->Ammo} + p.Pending(kAmmoField), FieldTextY(kAmmoField));
  DrawNumber(ctx, std::uint32_t{f->Men} + p.Pending(kMenField), FieldTextY(kMenField));
  DrawNumber(ctx, std::uint32_t{f->Cars} + p.Pending(kCarsField), FieldTextY(kCarsField));
  DrawNumber(ctx, std::uint32_t{f->Horses} + p.Pending(kHorsesField), FieldTextY(kHorsesField));
  // A slot shows only when it holds or books something: the slot's own model, else the booked one.
  for (int field = kFirstEquipmentField; field <= kRefitFieldCount; ++field) {
    const TEquipmentPair& slot = f->pairs[PairOfField(field)];
    const std::uint32_t total = std::uint32_t{slot.Count} + p.Pending(field);
    if (total == 0) continue;
    DrawNumber(ctx, total, FieldTextY(field));
    const std::uint16_t shown = slot.Count > 0 ? slot.Model : p.Choice(field);
    DrawGlyphText(ctx, ModelName(shown), kModelX, FieldTextY(field), 1);
  }
}

bool ClickRefitFields(UiContext& ctx) {
  const UiState& ui = ctx.ui;
  if (!kRefitFieldRows.Contains(ui.MouseX, ui.MouseY)) return false;
  TRefitPage& p = ctx.w.Refit.RefitPage;
  p.SelectedField = static_cast<std::uint16_t>(kRefitFields.RowAt(ui.MouseY));
  p.ListCursor = 1;
  UpdateRefitPanel(ctx.w, kRefitFieldChosen);
  PlayClickSound(ctx);
  return true;
}

}  // namespace gm
