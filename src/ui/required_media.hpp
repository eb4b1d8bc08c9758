// The pictures and sounds the screens draw and play, checked when the archives load so that a
// damaged or outdated archive fails at start-up with the missing name, not mid-game.
#pragma once

#include "media/picture_collection.hpp"
#include "media/wave_collection.hpp"
#include "platform/status.hpp"

namespace gm {

// Every image of world/image_items.hpp in graphic.dxg, with its patterns.
Status CheckGraphicArchive(const TPictureCollection& list, const std::string& file);
// The same for the equipment pictures of techn.dxg.
Status CheckTechnArchive(const TPictureCollection& list, const std::string& file);
// The waves the game plays.
Status CheckSoundArchive(const TWaveCollection& list, const std::string& file);

}  // namespace gm
