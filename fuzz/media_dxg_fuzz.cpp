// Fuzz target: image archive reader, then cutting whatever it read into patterns.
#include <cstddef>
#include <cstdint>

#include "media/media_error.hpp"
#include "media/picture_collection.hpp"
#include "media_archive_prefix.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  gm::TPictureCollection list;
  const auto input = gm::fuzz::ArchiveInput(data, size, "TPictureCollectionComponent");
  gm::ByteReader in(input);
  try {
    list.LoadFromStream(in);
  } catch (const gm::MediaError&) {
  }
  // Cut and draw what was read; very large pictures are left out to keep runs quick.
  const gm::SurfaceFormat format{16, nullptr};
  list.InitializeImages(&format);
  gm::TDirectDrawSurface back(format);
  back.SetSize(64, 64);
  for (int32_t i = 0; i < list.Count(); ++i) {
    auto& item = list.Items(i);
    if (int64_t(item.Picture.Width()) * item.Picture.Height() > (1 << 20)) continue;
    item.Restore();
    for (int32_t k = -1; k <= item.PatternCount() && k < 64; ++k) item.Draw(back, k - 8, k, k);
  }
  return 0;
}
