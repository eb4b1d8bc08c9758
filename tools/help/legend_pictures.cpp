// Drawing the legend's pictures with the game's image list and surfaces.
#include "tools/help/legend_pictures.hpp"

#include <exception>

#include "platform/headless/png_writer.hpp"
#include "platform/posix_file_system.hpp"
#include "world/records.hpp"
#include "world/tables/tables.hpp"

namespace gm::guide {

namespace {

constexpr int kPlainTile = 50;
constexpr int kCell = 60;
constexpr int kMarkSize = 15;

// The game's display format: 16-bit surfaces.
const SurfaceFormat kDisplayFormat{16, nullptr};

}  // namespace

LegendCanvas::LegendCanvas(const TPictureCollection& images, int width, int height)
    : images_(images), surface_(kDisplayFormat) {
  surface_.SetSize(width, height);
}

void LegendCanvas::Draw(SpriteId sprite, int x, int y) {
  const int i = images_.IndexOf(ImageOf(sprite.image).name);
  if (i < 0) return;
  images_.Items(i).Draw(surface_, x, y, sprite.pattern);
}

void LegendCanvas::DrawTile(int tile, int x, int y) {
  Draw(sprite::TerrainTile(tile), x, y);
}

std::vector<std::uint8_t> LegendCanvas::Rgb() const {
  std::vector<std::uint8_t> rgb;
  rgb.reserve(static_cast<std::size_t>(Width()) * static_cast<std::size_t>(Height()) * 3);
  for (int y = 0; y < Height(); ++y) {
    for (int x = 0; x < Width(); ++x) {
      const TColor c = surface_.PixelColor(surface_.Pixel(x, y));
      rgb.insert(rgb.end(), {RedOf(c), GreenOf(c), BlueOf(c)});
    }
  }
  return rgb;
}

Status LegendImages::Load(const std::filesystem::path& archive) {
  const PosixFileSystem fs(archive.parent_path().string());
  try {
    images_.LoadFromFile(fs, archive.string());
    images_.InitializeImages(&kDisplayFormat);
    images_.Restore();
  } catch (const std::exception& e) {
    return Status::Error(archive.string() + ": " + e.what());
  }
  return Status::Ok();
}

void DrawFormationCell(LegendCanvas& canvas, int type, bool ordersLeft) {
  const TFormationType& t = FormationTypes[static_cast<std::size_t>(type)];
  canvas.DrawTile(kPlainTile, 0, 0);
  if (ordersLeft) {
    canvas.Draw(sprite::UnitSymbol(type), 0, 0);
  } else {
    canvas.Draw(sprite::SpentUnitSymbol(type), 0, 0);
  }
  // Air regiments carry their marks higher, as on the air layer.
  const int markY = t.Branch == kAirBranch ? kMarkSize : kCell - kMarkSize;
  canvas.Draw(sprite::OrdersLeftMark(ordersLeft ? 2 : 0), kCell - kMarkSize, markY);
  canvas.Draw(sprite::NationMark(t.Nation), 0, markY);
}

Status WritePicture(const LegendCanvas& canvas, const std::filesystem::path& file) {
  return WritePng(file, canvas.Width(), canvas.Height(), canvas.Rgb());
}

}  // namespace gm::guide
