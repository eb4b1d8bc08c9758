// The images of the sprite ids and the waves the screens rely on.
#include "ui/required_media.hpp"

#include <string>
#include <string_view>

#include "world/image_items.hpp"

namespace gm {

namespace {

Status Check(const TPictureCollection& list, ImageArchive archive, const std::string& file) {
  for (const ImageItem& need : kImages) {
    if (need.archive != archive) continue;
    const std::string name(need.name);
    const std::int32_t i = list.IndexOf(need.name);
    if (i < 0) return Status::Error(file + ": the image '" + name + "' is missing");
    const std::int32_t count = list.Items(i).PatternCount();
    if (count < need.patterns) {
      return Status::Error(file + ": the image '" + name + "' has " + std::to_string(count) +
                           " patterns, the game needs " + std::to_string(need.patterns));
    }
  }
  return Status::Ok();
}

}  // namespace

Status CheckGraphicArchive(const TPictureCollection& list, const std::string& file) {
  return Check(list, ImageArchive::kGraphic, file);
}

Status CheckTechnArchive(const TPictureCollection& list, const std::string& file) {
  return Check(list, ImageArchive::kTechn, file);
}

Status CheckSoundArchive(const TWaveCollection& list, const std::string& file) {
  for (std::string_view name : {"click", "start", "move", "art_fire", "fighting", "desant"}) {
    if (list.IndexOf(name) < 0) {
      return Status::Error(file + ": the sound '" + std::string(name) + "' is missing");
    }
  }
  return Status::Ok();
}

}  // namespace gm
