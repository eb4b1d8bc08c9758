// The committed art catalogue as the art tests read it: parsed once, its items found by the
// image the game knows them as.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/text_file.hpp"
#include "tools/art/art_catalogue.hpp"
#include "world/image_items.hpp"

namespace gm::art {

// Every item of tools/art/catalogue.txt.
inline const std::vector<ArtItem>& Catalogue() {
  static const std::vector<ArtItem> items =
      ParseCatalogue(testing::ReadText(GM_ART_CATALOGUE), GM_ART_CATALOGUE);
  return items;
}

// The catalogue's item named `name`, or null.
inline const ArtItem* FindItem(std::string_view name) {
  for (const ArtItem& item : Catalogue())
    if (item.name == name) return &item;
  return nullptr;
}

// The catalogue's item of an image of the archives; a missing one ends the test.
inline const ArtItem& CatalogueItem(ImageId image) {
  const ArtItem* item = FindItem(ImageOf(image).name);
  if (item == nullptr) throw std::runtime_error("no item " + std::string(ImageOf(image).name));
  return *item;
}

}  // namespace gm::art
