// Image lists: named pictures cut into equal cells (patterns) held on surfaces, drawn by name
// and pattern number; read from and written to the image archives (.dxg).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "media/byte_stream.hpp"
#include "media/color.hpp"
#include "media/dib.hpp"
#include "media/hash_collection.hpp"
#include "media/surface.hpp"

namespace gm {

class FileSystem;
class TCustomDXDraw;

// One cell of a picture: its rectangle on one of the item's surfaces.
struct PicturePattern {
  TRect rect;
  int32_t surface = 0;
};

class TPictureCollection;

class TPictureCollectionItem : public THashCollectionItem {
 public:
  TDIB Picture;
  int32_t PatternHeight = 0;  // 0 or less: the whole picture height
  int32_t PatternWidth = 0;   // 0 or less: the whole picture width
  int32_t SkipHeight = 0;     // gap between cell rows
  int32_t SkipWidth = 0;      // gap between cell columns
  bool SystemMemory = false;  // one surface for the whole picture
  bool Transparent = true;    // draw with the colour key

  TColor TransparentColor() const { return transparentColor_; }
  // Stores the key colour and gives every surface of the item its match.
  void SetTransparentColor(TColor color);

  bool Initialized() const { return initialized_; }
  int32_t PatternCount() const { return int32_t(patterns_.size()); }
  const std::vector<PicturePattern>& Patterns() const { return patterns_; }
  int32_t SurfaceCount() const { return int32_t(surfaces_.size()); }
  const TDirectDrawSurface& Surface(int32_t i) const { return *surfaces_[size_t(i)]; }

  // Draws pattern k at (x, y); nothing when not initialised or k is out of range.
  void Draw(TDirectDrawSurface& dest, int32_t x, int32_t y, int32_t pattern) const;
  // Scales pattern k into the rectangle; the same guard as Draw.
  void StretchDraw(TDirectDrawSurface& dest, const TRect& rect, int32_t pattern) const;
  // Cuts the picture into patterns on new surfaces of the collection's device.
  void Restore();
  void Initialize();
  void Finalize();

 private:
  TPictureCollection* Owner() const;
  void AddSurface(const std::vector<TColor>& rgb, const TRect& rect);

  TColor transparentColor_ = 0;
  bool initialized_ = false;
  std::vector<PicturePattern> patterns_;
  std::vector<std::unique_ptr<TDirectDrawSurface>> surfaces_;
};

class TPictureCollection : public TItemCollection<TPictureCollectionItem> {
 public:
  ~TPictureCollection() override;

  // The item of that name (ASCII case ignored); raises "Image '%s' not found".
  TPictureCollectionItem& Find(std::string_view name) const;

  // Colour table kept from the archive; nothing draws with it.
  Palette256 ColorTable{};

  // Bound to a display: the surfaces' format. Initialising with none raises
  // "TPictureCollection cannot be initialized".
  bool Initialized() const { return device_.has_value(); }
  const SurfaceFormat& Device() const { return *device_; }
  void InitializeImages(const SurfaceFormat* device);
  void FinalizeImages();
  void Restore();

  // Replaces the items with those of an archive; errors leave the items read so far.
  void LoadFromStream(ByteReader& in);
  void LoadFromFile(const FileSystem& fs, const std::string& path);
  void SaveToStream(ByteWriter& out) const;
  void SaveToFile(FileSystem& fs, const std::string& path) const;

 private:
  std::optional<SurfaceFormat> device_;
};

// The image list component: a picture collection that follows its display's notifications
// (initialise, finalise, restore), building its surfaces in the display's format.
class TDXImageList {
 public:
  TDXImageList() = default;
  ~TDXImageList();
  TDXImageList(const TDXImageList&) = delete;
  TDXImageList& operator=(const TDXImageList&) = delete;

  TPictureCollection Items;
  TCustomDXDraw* DXDraw() const { return dxDraw_; }
  void SetDXDraw(TCustomDXDraw* draw);

 private:
  TCustomDXDraw* dxDraw_ = nullptr;
};

}  // namespace gm
