// Drawing the legend's pictures with the game's image list and surfaces.
#include "tools/help/legend_pictures.hpp"

#include <exception>

#include "platform/headless/png_writer.hpp"
#include "platform/posix_file_system.hpp"
#include "world/tables/tables.hpp"

namespace gm::guide {

namespace {

constexpr int kTilesPerImage = 25;
constexpr int kPlainTile = 50;
constexpr int kCell = 60;
constexpr int kMarkSize = 15;
constexpr int kOrdersMarkFull = 10;  // Cursors 10..12: two, one and no orders left
constexpr int kNationMarkBase = 25;  // Cursors 25 + nation
constexpr int kAirBranch = 2;

// The game's display format: 16-bit surfaces.
const SurfaceFormat kDisplayFormat{16, nullptr};

}  // namespace

LegendCanvas::LegendCanvas(const TPictureCollection& images, int width, int height)
    : images_(images), surface_(kDisplayFormat) {
  surface_.SetSize(width, height);
}

void LegendCanvas::Draw(std::string_view name, int pattern, int x, int y) {
  const int i = images_.IndexOf(name);
  if (i < 0) return;
  images_.Items(i).Draw(surface_, x, y, pattern);
}

void LegendCanvas::DrawTile(int tile, int x, int y) {
  Draw(TerrainItemName(tile), TerrainPattern(tile), x, y);
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

std::string TerrainItemName(int tile) {
  const int item = tile / kTilesPerImage + 1;
  return std::string("Terrain") + (item < 10 ? "0" : "") + std::to_string(item);
}

int TerrainPattern(int tile) {
  return tile % kTilesPerImage;
}

void DrawFormationCell(LegendCanvas& canvas, int type, bool ordersLeft) {
  const TFormationType& t = FormationTypes[static_cast<std::size_t>(type)];
  canvas.DrawTile(kPlainTile, 0, 0);
  canvas.Draw(ordersLeft ? "Units" : "Units2", type - 1, 0, 0);
  // Air regiments carry their marks higher, as on the air layer.
  const int markY = t.Branch == kAirBranch ? kMarkSize : kCell - kMarkSize;
  canvas.Draw("Cursors", ordersLeft ? kOrdersMarkFull : kOrdersMarkFull + 2, kCell - kMarkSize,
              markY);
  canvas.Draw("Cursors", kNationMarkBase + t.Nation, 0, markY);
}

Status WritePicture(const LegendCanvas& canvas, const std::filesystem::path& file) {
  return WritePng(file, canvas.Width(), canvas.Height(), canvas.Rgb());
}

}  // namespace gm::guide
