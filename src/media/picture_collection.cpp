// Image list items: cutting pictures into patterns on surfaces, and drawing them.
#include "media/picture_collection.hpp"

#include <algorithm>

#include "media/display_device.hpp"
#include "media/media_error.hpp"

namespace gm {

namespace {

// Most patterns one picture may be cut into; beyond it the picture has no patterns.
constexpr int64_t kMaxPatterns = int64_t(1) << 20;

// Loads a w x h rectangle of a decoded picture into a new surface's pixels.
void LoadPixels(TDirectDrawSurface& s, const std::vector<TColor>& rgb, int32_t picWidth,
                const TRect& rect) {
  s.SetSize(rect.Width(), rect.Height());
  for (int32_t y = 0; y < rect.Height(); ++y) {
    const TColor* src = rgb.data() + size_t(rect.Top + y) * size_t(picWidth) + size_t(rect.Left);
    if (s.BitCount() == 16) {
      auto* d = reinterpret_cast<uint16_t*>(s.Row(y));
      for (int32_t x = 0; x < rect.Width(); ++x) {
        d[x] = PackRgb565(RedOf(src[x]), GreenOf(src[x]), BlueOf(src[x]));
      }
    } else {
      uint8_t* d = s.Row(y);
      for (int32_t x = 0; x < rect.Width(); ++x) d[x] = uint8_t(s.ColorMatch(src[x]));
    }
  }
}

}  // namespace

TPictureCollection* TPictureCollectionItem::Owner() const {
  return static_cast<TPictureCollection*>(Collection());
}

void TPictureCollectionItem::SetTransparentColor(TColor color) {
  if (color == transparentColor_) return;
  transparentColor_ = color;
  for (auto& s : surfaces_) s->SetTransparentColor(s->ColorMatch(color));
}

void TPictureCollectionItem::Initialize() {
  Finalize();
  initialized_ = Owner() != nullptr && Owner()->Initialized();
}

void TPictureCollectionItem::Finalize() {
  if (!initialized_) return;
  initialized_ = false;
  patterns_.clear();
  surfaces_.clear();
}

void TPictureCollectionItem::AddSurface(const std::vector<TColor>& rgb, const TRect& rect) {
  auto s = std::make_unique<TDirectDrawSurface>(Owner()->Device());
  s->SystemMemory = SystemMemory;
  LoadPixels(*s, rgb, Picture.Width(), rect);
  s->SetTransparentColor(s->ColorMatch(transparentColor_));
  surfaces_.push_back(std::move(s));
}

void TPictureCollectionItem::Restore() {
  if (Picture.Empty()) return;
  if (!initialized_) {
    if (Owner() != nullptr && Owner()->Initialized()) Initialize();
    if (!initialized_) return;
  }
  patterns_.clear();
  surfaces_.clear();
  // All cell arithmetic in 64 bits: sizes come from archives.
  const int64_t w = Picture.Width(), h = Picture.Height();
  const int64_t pw = PatternWidth > 0 ? PatternWidth : w;
  const int64_t ph = PatternHeight > 0 ? PatternHeight : h;
  const int64_t skipW = std::max(SkipWidth, 0), skipH = std::max(SkipHeight, 0);
  const int64_t cw = pw + skipW, ch = ph + skipH;
  const std::vector<TColor> rgb = Picture.DecodeRgb();
  if (pw == w && ph == h) {
    AddSurface(rgb, {0, 0, int32_t(w), int32_t(h)});
    patterns_.push_back({{0, 0, int32_t(w), int32_t(h)}, 0});
    return;
  }
  const int64_t cols = (w + skipW) / cw, rows = (h + skipH) / ch;
  if (cols * rows > kMaxPatterns) return;
  if (SystemMemory) {
    AddSurface(rgb, {0, 0, int32_t(w), int32_t(h)});
    for (int64_t j = 0; j < rows; ++j) {
      for (int64_t i = 0; i < cols; ++i) {
        patterns_.push_back(
            {Bounds(int32_t(i * cw), int32_t(j * ch), int32_t(pw), int32_t(ph)), 0});
      }
    }
    return;
  }
  // Blocks of about 512 pixels, whole cells each, so no cell crosses two surfaces.
  const int64_t bw = std::min(((cw + 511) / cw) * cw, cols * cw);
  const int64_t bh = std::min(((ch + 511) / ch) * ch, rows * ch);
  if (bw == 0 || bh == 0) return;
  const int64_t xb = (w + bw - 1) / bw, yb = (h + bh - 1) / bh;
  for (int64_t y = 0; y < yb; ++y) {
    for (int64_t x = 0; x < xb; ++x) {
      int64_t bwi = std::min(bw, std::max<int64_t>(w - x * bw, 0));
      int64_t bhi = std::min(bh, std::max<int64_t>(h - y * bh, 0));
      if (bwi == 0) bwi = bw;
      if (bhi == 0) bhi = bh;
      AddSurface(rgb, Bounds(int32_t(x * bw), int32_t(y * bh), int32_t(bwi), int32_t(bhi)));
    }
  }
  for (int64_t j = 0; j < rows; ++j) {
    for (int64_t i = 0; i < cols; ++i) {
      const int64_t px = i * cw, py = j * ch;
      patterns_.push_back({Bounds(int32_t(px % bw), int32_t(py % bh), int32_t(pw), int32_t(ph)),
                           int32_t((px / bw) + (py / bh) * xb)});
    }
  }
}

void TPictureCollectionItem::Draw(TDirectDrawSurface& dest, int32_t x, int32_t y,
                                  int32_t pattern) const {
  if (!initialized_ || pattern < 0 || pattern >= PatternCount()) return;
  const PicturePattern& p = patterns_[size_t(pattern)];
  dest.Draw(x, y, p.rect, *surfaces_[size_t(p.surface)], Transparent);
}

void TPictureCollectionItem::StretchDraw(TDirectDrawSurface& dest, const TRect& rect,
                                         int32_t pattern) const {
  if (!initialized_ || pattern < 0 || pattern >= PatternCount()) return;
  const PicturePattern& p = patterns_[size_t(pattern)];
  dest.StretchDraw(rect, p.rect, *surfaces_[size_t(p.surface)], Transparent);
}

TPictureCollection::~TPictureCollection() {
  FinalizeImages();
  Clear();
}

TPictureCollectionItem& TPictureCollection::Find(std::string_view name) const {
  const int32_t i = IndexOf(name);
  if (i < 0) throw EPictureCollectionError(FormatMessage("Image '%s' not found", name));
  return Items(i);
}

void TPictureCollection::InitializeImages(const SurfaceFormat* device) {
  FinalizeImages();
  if (device == nullptr) {
    throw EPictureCollectionError(FormatMessage("%s cannot be initialized", "TPictureCollection"));
  }
  device_ = *device;
  for (int32_t i = 0; i < Count(); ++i) Items(i).Initialize();
}

void TPictureCollection::FinalizeImages() {
  for (int32_t i = 0; i < Count(); ++i) Items(i).Finalize();
  device_.reset();
}

void TPictureCollection::Restore() {
  for (int32_t i = 0; i < Count(); ++i) Items(i).Restore();
}

TDXImageList::~TDXImageList() {
  SetDXDraw(nullptr);
}

void TDXImageList::SetDXDraw(TCustomDXDraw* draw) {
  if (dxDraw_ != nullptr) dxDraw_->UnRegisterNotifyEvent(this);
  dxDraw_ = draw;
  if (dxDraw_ == nullptr) return;
  dxDraw_->RegisterNotifyEvent(this, [this](TCustomDXDraw& sender, TDXDrawNotifyType kind) {
    switch (kind) {
      case ntDestroying:
        sender.UnRegisterNotifyEvent(this);
        dxDraw_ = nullptr;
        break;
      case ntInitialize: {
        const TDirectDrawSurface* back = sender.Surface();
        if (back == nullptr) {
          Items.InitializeImages(nullptr);
        } else {
          SurfaceFormat format = back->Format();
          Items.InitializeImages(&format);
        }
        break;
      }
      case ntFinalize:
        Items.FinalizeImages();
        break;
      case ntRestore:
        Items.Restore();
        break;
      default:
        break;
    }
  });
}

}  // namespace gm
