// Where each image of the sprite ids stands in its archive's list. The screens look pictures up
// several hundred times a frame; each is found by name once, and again only after its list
// changed.
#pragma once

#include <array>
#include <cstdint>

#include "media/picture_collection.hpp"
#include "world/image_items.hpp"

namespace gm {

class ImageLookup {
 public:
  // The image's item in `list`, or null when the list has none of its name.
  const TPictureCollectionItem* Find(const TPictureCollection& list, ImageId image);

 private:
  // The answer for one image, good while its list is the one at that version.
  struct Found {
    const TPictureCollection* list = nullptr;
    std::uint64_t version = 0;
    const TPictureCollectionItem* item = nullptr;
  };
  std::array<Found, kImageCount> found_{};
};

}  // namespace gm
