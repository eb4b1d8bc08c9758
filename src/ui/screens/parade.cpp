// The title and final screens' tiles and equipment parade.
#include "ui/screens/parade.hpp"

#include <array>
#include <string_view>

#include "ui/image_draw.hpp"
#include "world/tables/tables.hpp"

namespace gm {

namespace {

constexpr std::int32_t kSlotHeight = 40;
constexpr std::int32_t kPictureIds = 800;  // id n shows equipment model n + 1
constexpr std::array<std::string_view, 8> kTechImages = {"tech01", "tech02", "tech03", "tech04",
                                                         "tech05", "tech06", "tech07", "tech08"};

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

void DrawParadeScreen(UiContext& ctx, const std::int32_t* tileMap) {
  for (int r = 0; r < 10; ++r) {
    for (int c = 0; c < 10; ++c)
      DrawImage(ctx, "Table3", tileMap[r * 10 + c], 100 + 60 * c, 60 * r);
  }
  UiState& ui = ctx.ui;
  for (int i = 0; i < kParadeSlotCount; ++i) {
    const std::int32_t id = ui.ParadeSlots[static_cast<std::size_t>(i)];
    const std::int32_t y = kSlotHeight * i + ui.ParadeOffset;
    if (id >= 0 && id < kPictureIds) {
      const std::string_view image = kTechImages[static_cast<std::size_t>(id / 100)];
      DrawTechImage(ctx, image, id % 100, 0, y);
      DrawTechImage(ctx, image, id % 100, 700, y);
    }
    DrawTechImage(ctx, "special", 0, 0, y);
    DrawTechImage(ctx, "special", 0, 700, y);
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
