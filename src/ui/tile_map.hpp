// Windows laid from 60 x 60 tiles: a map of tiles row by row, its rows built from the frames and
// bars of the sprite ids, and the map drawn. A row of the wrong length does not compile.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "ui/ui_context.hpp"
#include "world/sprite_ids.hpp"

namespace gm {

inline constexpr std::int32_t kTilePixels = 60;

template <std::size_t Columns>
using TileRow = std::array<SpriteId, Columns>;
template <std::size_t Columns, std::size_t Rows>
using TileMap = std::array<TileRow<Columns>, Rows>;

// `left`, `middle` as often as it takes, `right`.
template <std::size_t N>
constexpr TileRow<N> EdgedRow(SpriteId left, SpriteId middle, SpriteId right) {
  TileRow<N> row{};
  row.fill(middle);
  row.front() = left;
  row.back() = right;
  return row;
}
template <std::size_t N>
constexpr TileRow<N> SameRow(SpriteId tile) {
  return EdgedRow<N>(tile, tile, tile);
}

// The top, middle and bottom rows of a framed area N tiles wide.
template <std::size_t N, ImageId I>
constexpr TileRow<N> FrameTop(const FrameTiles<I>& f) {
  return EdgedRow<N>(f.topLeft, f.top, f.topRight);
}
template <std::size_t N, ImageId I>
constexpr TileRow<N> FrameMiddle(const FrameTiles<I>& f) {
  return EdgedRow<N>(f.left, f.interior, f.right);
}
template <std::size_t N, ImageId I>
constexpr TileRow<N> FrameBottom(const FrameTiles<I>& f) {
  return EdgedRow<N>(f.bottomLeft, f.bottom, f.bottomRight);
}
template <std::size_t N, ImageId I>
constexpr TileRow<N> BarRow(const SpriteBar<I>& bar) {
  return EdgedRow<N>(bar.left, bar.middle, bar.right);
}

namespace tile_map_detail {
template <typename Part>
inline constexpr std::size_t kTilesIn = 1;
template <std::size_t N>
inline constexpr std::size_t kTilesIn<TileRow<N>> = N;
}  // namespace tile_map_detail

// Single tiles and rows, one after the other in one row.
template <typename... Parts>
constexpr TileRow<(tile_map_detail::kTilesIn<Parts> + ...)> JoinTiles(const Parts&... parts) {
  TileRow<(tile_map_detail::kTilesIn<Parts> + ...)> row{};
  std::size_t at = 0;
  const auto put = [&row, &at](const auto& part) {
    if constexpr (requires { part.size(); }) {
      for (const SpriteId tile : part) row[at++] = tile;
    } else {
      row[at++] = part;
    }
  };
  (put(parts), ...);
  return row;
}

// The window of 12 x 9 tiles every page lays over the map area, its top and bottom rows, and a
// row inside it: its left edge, ten tiles, its right edge.
inline constexpr int kPageColumns = 12;
inline constexpr int kPageRows = 9;
using PageTileRow = TileRow<kPageColumns>;
using PageTiles = TileMap<kPageColumns, kPageRows>;

inline constexpr PageTileRow kWindowTopRow = FrameTop<kPageColumns>(sprite::kWindow);
inline constexpr PageTileRow kWindowBottomRow = FrameBottom<kPageColumns>(sprite::kWindow);
constexpr PageTileRow InWindow(const TileRow<kPageColumns - 2>& inside) {
  return JoinTiles(sprite::kWindow.left, inside, sprite::kWindow.right);
}

// The tiles of one row from (x, y) to the right.
void DrawTileRow(const UiContext& ctx, std::span<const SpriteId> row, std::int32_t x,
                 std::int32_t y);

template <std::size_t Columns, std::size_t Rows>
void DrawTileMap(const UiContext& ctx, const TileMap<Columns, Rows>& map, std::int32_t x = 0,
                 std::int32_t y = 0) {
  for (std::size_t r = 0; r < Rows; ++r) {
    DrawTileRow(ctx, map[r], x, y + kTilePixels * static_cast<std::int32_t>(r));
  }
}

}  // namespace gm
