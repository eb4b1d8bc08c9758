// Fuzz target: sound archive reader and the decoding of every wave it holds.
#include <cstddef>
#include <cstdint>

#include "media/media_error.hpp"
#include "media/wave_collection.hpp"
#include "media_archive_prefix.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  gm::TWaveCollection list;
  const auto input = gm::fuzz::ArchiveInput(data, size, "TWaveCollectionComponent");
  gm::ByteReader in(input);
  try {
    list.LoadFromStream(in);
  } catch (const gm::MediaError&) {
  }
  for (int32_t i = 0; i < list.Count(); ++i) {
    (void)list.Items(i).Wave.SamplesS16();
    (void)list.IndexOf(list.Items(i).Name());
  }
  return 0;
}
