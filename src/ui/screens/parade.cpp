// The title and final screens' tiles and equipment parade.
#include "ui/screens/parade.hpp"

#include "ui/image_draw.hpp"
#include "world/tables/tables.hpp"

namespace gm {

namespace {

constexpr std::int32_t kSlotHeight = 40;
constexpr std::int32_t kPictureIds = 800;  // id n shows equipment model n + 1

bool ModelExists(std::int32_t id) {
  return EquipmentModels[id + 1].Category != 0;
}

// The id after `id` that shows an existing model, wrapping from 799 to 0.
std::int32_t NextParadeId(std::int32_t id) {
  for (int tries = 0; tries < kPictureIds; ++tries) {
    id = (id + 1) % kPictureIds;
    if (ModelExists(id)) return id;
  }
  return id;
}

}  // namespace

void ResetParade(UiState& ui) {
  ui.ParadeOffset = 0;
  for (int i = 0; i < kParadeSlotCount; ++i) ui.ParadeSlots[static_cast<std::size_t>(i)] = i;
}

void DrawParadeScreen(UiContext& ctx, const ParadeTiles& tiles) {
  DrawTileMap(ctx, tiles, kParadeTilesX, 0);
  UiState& ui = ctx.ui;
  for (int i = 0; i < kParadeSlotCount; ++i) {
    const std::int32_t id = ui.ParadeSlots[static_cast<std::size_t>(i)];
    const std::int32_t y = kSlotHeight * i + ui.ParadeOffset;
    if (id >= 0 && id < kPictureIds) {
      DrawImage(ctx, sprite::EquipmentPicture(id + 1), 0, y);
      DrawImage(ctx, sprite::EquipmentPicture(id + 1), 700, y);
    }
    DrawImage(ctx, sprite::kPictureSlotFrame, 0, y);
    DrawImage(ctx, sprite::kPictureSlotFrame, 700, y);
  }
  if (--ui.ParadeOffset <= -kSlotHeight) {
    ui.ParadeOffset = 0;
    for (int i = 0; i + 1 < kParadeSlotCount; ++i) {
      ui.ParadeSlots[static_cast<std::size_t>(i)] = ui.ParadeSlots[static_cast<std::size_t>(i + 1)];
    }
    std::int32_t& last = ui.ParadeSlots[kParadeSlotCount - 1];
    last = NextParadeId(last);
  }
}

}  // namespace gm
