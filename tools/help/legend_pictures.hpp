// The legend's pictures, drawn from the built image archive through the game's own image list
// and surfaces, as the Battlefield shows them, and written as PNG files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "media/picture_collection.hpp"
#include "media/surface.hpp"
#include "platform/status.hpp"
#include "world/sprite_ids.hpp"

namespace gm::guide {

// A small drawing in the game's display format.
class LegendCanvas {
 public:
  LegendCanvas(const TPictureCollection& images, int width, int height);

  // The picture at (x, y), with its colour key; a missing image or pattern draws nothing.
  void Draw(SpriteId sprite, int x, int y);
  // Terrain tile 0..674 at (x, y).
  void DrawTile(int tile, int x, int y);
  // The RGB bytes, rows top to bottom.
  std::vector<std::uint8_t> Rgb() const;
  int Width() const { return surface_.Width(); }
  int Height() const { return surface_.Height(); }

 private:
  const TPictureCollection& images_;
  TDirectDrawSurface surface_;
};

// The graphic archive, read and cut into patterns for drawing.
class LegendImages {
 public:
  // Reads the archive; a missing or broken file is an error naming it.
  Status Load(const std::filesystem::path& archive);
  const TPictureCollection& Images() const { return images_; }

 private:
  TPictureCollection images_;
};

// What a formation of the type looks like in a cell of plain ground with two orders left (or
// none, dimmed): its symbol, its nation's mark and its orders-left mark.
void DrawFormationCell(LegendCanvas& canvas, int type, bool ordersLeft);

// Writes the canvas as a PNG file.
Status WritePicture(const LegendCanvas& canvas, const std::filesystem::path& file);

}  // namespace gm::guide
