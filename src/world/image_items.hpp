// The images of the two image archives and how a picture of them is addressed: by the image's
// item name and a pattern number. A picture named with the makers below is checked as it
// compiles: a pattern beyond its image does not compile, nor does a picture of one image compared
// with another's. The names of the pictures are in world/sprite_ids.hpp.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "world/tables/tables.hpp"

namespace gm {

enum class ImageArchive : std::uint8_t { kGraphic, kTechn };

// Every image item the game draws, in the order the archive check looks them up.
enum class ImageId : std::uint8_t {
  kTable1,
  kTable2,
  kTable3,
  kTable4,
  kTable5,
  kFinal,
  kPictogram,
  kCursors,
  kUnits,
  kUnits2,
  kFont01,
  kFont02,
  kFont03,
  kFont04,
  kFont05,
  kConfig,
  kTerrain01,
  kTerrain27 = kTerrain01 + 26,
  kTech01,
  kTech08 = kTech01 + 7,
  kSpecial,
};

inline constexpr std::size_t kImageCount = static_cast<std::size_t>(ImageId::kSpecial) + 1;

// Terrain tile t is pattern t mod 25 of the (t div 25)-th terrain image; equipment model m is
// pattern (m - 1) mod 100 of the ((m - 1) div 100)-th equipment image.
inline constexpr std::int32_t kTerrainTilesPerImage = 25;
inline constexpr std::int32_t kModelsPerTechImage = 100;
inline constexpr std::array<std::string_view, 27> kTerrainImageNames = {
    "Terrain01", "Terrain02", "Terrain03", "Terrain04", "Terrain05", "Terrain06", "Terrain07",
    "Terrain08", "Terrain09", "Terrain10", "Terrain11", "Terrain12", "Terrain13", "Terrain14",
    "Terrain15", "Terrain16", "Terrain17", "Terrain18", "Terrain19", "Terrain20", "Terrain21",
    "Terrain22", "Terrain23", "Terrain24", "Terrain25", "Terrain26", "Terrain27"};
inline constexpr std::array<std::string_view, 8> kTechImageNames = {
    "tech01", "tech02", "tech03", "tech04", "tech05", "tech06", "tech07", "tech08"};
static_assert(kTerrainImageNames.size() * kTerrainTilesPerImage == kTerrainTileCount);
static_assert(std::size_t(ImageId::kTerrain27) - std::size_t(ImageId::kTerrain01) + 1 ==
              kTerrainImageNames.size());
static_assert(kTechImageNames.size() * kModelsPerTechImage == kEquipmentModelRows);
static_assert(std::size_t(ImageId::kTech08) - std::size_t(ImageId::kTech01) + 1 ==
              kTechImageNames.size());

struct ImageItem {
  ImageArchive archive = ImageArchive::kGraphic;
  std::string_view name;
  std::int32_t patterns = 0;  // the archive holds at least these
};

inline constexpr std::array<ImageItem, kImageCount> kImages = [] {
  std::array<ImageItem, kImageCount> items{};
  const auto graphic = [&items](ImageId id, std::string_view name, std::int32_t patterns) {
    items[static_cast<std::size_t>(id)] = {ImageArchive::kGraphic, name, patterns};
  };
  graphic(ImageId::kTable1, "Table1", 1);
  graphic(ImageId::kTable2, "Table2", 1);
  graphic(ImageId::kTable3, "Table3", 180);
  graphic(ImageId::kTable4, "Table4", 32);
  graphic(ImageId::kTable5, "Table5", 50);
  graphic(ImageId::kFinal, "Final", 36);
  graphic(ImageId::kPictogram, "Pictogram", 30);
  graphic(ImageId::kCursors, "Cursors", 121);
  graphic(ImageId::kUnits, "Units", kFormationTypeRows);
  graphic(ImageId::kUnits2, "Units2", kFormationTypeRows);
  graphic(ImageId::kFont01, "Font01", 256);
  graphic(ImageId::kFont02, "Font02", 256);
  graphic(ImageId::kFont03, "Font03", 256);
  graphic(ImageId::kFont04, "Font04", 256);
  graphic(ImageId::kFont05, "Font05", 256);
  graphic(ImageId::kConfig, "Config", 1);
  for (std::size_t i = 0; i < kTerrainImageNames.size(); ++i) {
    graphic(ImageId(std::size_t(ImageId::kTerrain01) + i), kTerrainImageNames[i],
            kTerrainTilesPerImage);
  }
  for (std::size_t i = 0; i < kTechImageNames.size(); ++i) {
    items[std::size_t(ImageId::kTech01) + i] = {ImageArchive::kTechn, kTechImageNames[i],
                                                kModelsPerTechImage};
  }
  items[std::size_t(ImageId::kSpecial)] = {ImageArchive::kTechn, "special", 1};
  return items;
}();

constexpr const ImageItem& ImageOf(ImageId id) {
  return kImages[static_cast<std::size_t>(id)];
}

constexpr bool EveryImageNamed() {
  for (const ImageItem& item : kImages) {
    if (item.name.empty() || item.patterns < 1) return false;
  }
  return true;
}
static_assert(EveryImageNamed(), "an image of ImageId has no row in kImages");

// The image the archives and the art catalogue call `name`.
constexpr std::optional<ImageId> ImageNamed(std::string_view name) {
  for (std::size_t i = 0; i < kImages.size(); ++i) {
    if (kImages[i].name == name) return ImageId(i);
  }
  return std::nullopt;
}

// One picture: pattern `pattern` of image `image`.
struct SpriteId {
  ImageId image;
  std::int32_t pattern;
  friend constexpr bool operator==(SpriteId, SpriteId) = default;
};

// A picture of image I. Two pictures compare only when they are of the same image.
template <ImageId I>
struct Sprite {
  std::int32_t pattern;
  constexpr operator SpriteId() const { return {I, pattern}; }
  friend constexpr bool operator==(Sprite, Sprite) = default;
};

// `count` pictures of image I from pattern `first`, one kind of picture by an index from 0.
template <ImageId I>
struct SpriteRun {
  std::int32_t first;
  std::int32_t count;
  constexpr Sprite<I> operator[](std::int32_t i) const { return {first + i}; }
  constexpr bool Holds(Sprite<I> s) const {
    return s.pattern >= first && s.pattern < first + count;
  }
  constexpr std::int32_t IndexOf(Sprite<I> s) const { return s.pattern - first; }
};

// Two halves side by side that make one picture (a page button, a flag).
template <ImageId I>
struct SpriteHalves {
  Sprite<I> left;
  Sprite<I> right;
};

// A light and a dark picture of one thing, shown by turns as the screen blinks.
template <ImageId I>
struct SpriteBlink {
  Sprite<I> light;
  Sprite<I> dark;
};

// A bar of a left end, a middle laid as often as it takes, and a right end.
template <ImageId I>
struct SpriteBar {
  Sprite<I> left;
  Sprite<I> middle;
  Sprite<I> right;
};

// The tiles a framed area is laid from: its corners and edges, and two plain tiles without a
// frame (the second is what most areas are filled with).
template <ImageId I>
struct FrameTiles {
  Sprite<I> topLeft, top, topRight, right, bottomLeft, bottom, bottomRight, left, plain, interior;
};

// The checks of a named picture, made as it compiles.
template <ImageId I>
consteval Sprite<I> Named(std::int32_t pattern) {
  if (pattern < 0 || pattern >= ImageOf(I).patterns) throw "a picture beyond its image";
  return {pattern};
}
template <ImageId I>
consteval SpriteRun<I> NamedRun(std::int32_t first, std::int32_t count) {
  Named<I>(first);
  Named<I>(first + count - 1);
  return {first, count};
}
template <ImageId I>
consteval SpriteHalves<I> NamedHalves(std::int32_t left) {
  return {Named<I>(left), Named<I>(left + 1)};
}
template <ImageId I>
consteval SpriteBlink<I> NamedBlink(std::int32_t light, std::int32_t dark) {
  return {Named<I>(light), Named<I>(dark)};
}
template <ImageId I>
consteval SpriteBar<I> NamedBar(std::int32_t left) {
  return {Named<I>(left), Named<I>(left + 1), Named<I>(left + 2)};
}
// Laid out as 0 1 2 / 7 9 3 / 4 5 6 from `first`, 8 the plain tile.
template <ImageId I>
consteval FrameTiles<I> NamedFrame(std::int32_t first) {
  return {Named<I>(first),     Named<I>(first + 1), Named<I>(first + 2), Named<I>(first + 3),
          Named<I>(first + 4), Named<I>(first + 5), Named<I>(first + 6), Named<I>(first + 7),
          Named<I>(first + 8), Named<I>(first + 9)};
}

}  // namespace gm
