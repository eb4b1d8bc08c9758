// Names and pattern counts the screens rely on.
#include "ui/required_media.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace gm {

namespace {

struct Need {
  std::string name;
  std::int32_t patterns;
};

std::vector<Need> GraphicNeeds() {
  std::vector<Need> needs = {
      {"Table1", 1},   {"Table2", 1},     {"Table3", 180},  {"Table4", 32},  {"Table5", 50},
      {"Final", 36},   {"Pictogram", 30}, {"Cursors", 121}, {"Units", 200},  {"Units2", 200},
      {"Font01", 256}, {"Font02", 256},   {"Font03", 256},  {"Font04", 256}, {"Font05", 256},
      {"Config", 1},
  };
  for (int i = 1; i <= 27; ++i) {
    needs.push_back({std::string("Terrain") + char('0' + i / 10) + char('0' + i % 10), 25});
  }
  return needs;
}

std::vector<Need> TechnNeeds() {
  std::vector<Need> needs;
  for (int i = 1; i <= 8; ++i) needs.push_back({"tech0" + std::to_string(i), 100});
  needs.push_back({"special", 1});
  return needs;
}

Status Check(const TPictureCollection& list, const std::vector<Need>& needs,
             const std::string& file) {
  for (const Need& need : needs) {
    const std::int32_t i = list.IndexOf(need.name);
    if (i < 0) return Status::Error(file + ": the image '" + need.name + "' is missing");
    const std::int32_t count = list.Items(i).PatternCount();
    if (count < need.patterns) {
      return Status::Error(file + ": the image '" + need.name + "' has " + std::to_string(count) +
                           " patterns, the game needs " + std::to_string(need.patterns));
    }
  }
  return Status::Ok();
}

}  // namespace

Status CheckGraphicArchive(const TPictureCollection& list, const std::string& file) {
  return Check(list, GraphicNeeds(), file);
}

Status CheckTechnArchive(const TPictureCollection& list, const std::string& file) {
  return Check(list, TechnNeeds(), file);
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
