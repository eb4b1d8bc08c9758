// Drawing pictures by image name and pattern onto the back buffer. A name missing from the list
// draws nothing: the archives were checked for every name when they loaded.
#pragma once

#include <cstdint>
#include <string_view>

#include "media/picture_collection.hpp"
#include "ui/ui_context.hpp"
#include "world/tables/tables.hpp"

namespace gm {

// The item of that name, or null.
const TPictureCollectionItem* FindImage(const TPictureCollection& list, std::string_view name);

// Pattern `pattern` of the graphic list's image `name` at (x, y).
void DrawImage(const UiContext& ctx, std::string_view name, std::int32_t pattern, std::int32_t x,
               std::int32_t y);
// The same from the equipment list.
void DrawTechImage(const UiContext& ctx, std::string_view name, std::int32_t pattern,
                   std::int32_t x, std::int32_t y);

// "Terrain01" .. "Terrain27" for terrain tile t (0..674); empty for t above.
std::string_view TerrainImageName(std::int32_t tile);
inline constexpr std::int32_t kTerrainPatternsPerImage = 25;

// A Table3 window of tiles laid from a tile map of `rows` rows of `cols` patterns, tile (c, r)
// at (x + 60c, y + 60r).
void DrawTileMap(const UiContext& ctx, const std::int32_t* tiles, int cols, int rows,
                 std::int32_t x = 0, std::int32_t y = 0);

}  // namespace gm
