// Builds the image archives data/graphic.dxg and data/techn.dxg from the art catalogue, and a
// contact sheet of them for review.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "media/dib.hpp"
#include "tools/art/art_catalogue.hpp"

namespace gm::art {

// The item's whole picture: a grid of `columns` x (count / columns) cells, 24 bits.
TDIB RenderItem(const ArtItem& item);

// The archive bytes holding, in catalogue order, every item of `archive`.
std::vector<uint8_t> BuildArchive(const std::vector<ArtItem>& items, std::string_view archive);

// A PNG of every item of `archive`, each labelled with its name; false when it cannot be written.
bool WriteContactSheet(const std::vector<ArtItem>& items, std::string_view archive,
                       const std::string& path);

}  // namespace gm::art
