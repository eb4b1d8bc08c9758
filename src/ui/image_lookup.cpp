// Image look-ups kept until their list changes.
#include "ui/image_lookup.hpp"

namespace gm {

const TPictureCollectionItem* ImageLookup::Find(const TPictureCollection& list, ImageId image) {
  Found& f = found_[static_cast<std::size_t>(image)];
  if (f.list != &list || f.version != list.Version()) {
    const std::int32_t i = list.IndexOf(ImageOf(image).name);
    f = {&list, list.Version(), i < 0 ? nullptr : &list.Items(i)};
  }
  return f.item;
}

}  // namespace gm
