// The towns that holders.txt lists near the borders of 22 June 1941 with their owner and holder
// of that day: the border areas must put each on its own side.
#include "tools/scenario/text_lines.hpp"
#include "tools/scenario/theatre.hpp"

namespace gm::scenario {

Status CheckBorderTowns(const SourceData& src, const Theatre& t) {
  // Every town on the wrong side is named at once, so that one build shows what a border
  // area gets wrong.
  std::string wrong;
  for (const AuthoredFeature& f : src.holders) {
    if (f.words[0] != "town") continue;
    int owner = 0, holder = 0;
    if (f.words.size() < 4 || !ToCount(f.words[1], owner) || !ToCount(f.words[2], holder))
      return FeatureError(f, "holders.txt", "\"town <owner> <holder> <1941 name>\" expected");
    const std::string name = JoinWords(f.words, 3);
    const Place* town = nullptr;
    if (Status found = t.FindTown(name, town); !found)
      return FeatureError(f, "holders.txt", found.Message());
    if (town->owner == owner && town->holder == holder) continue;
    const std::string what = name + " stands on the wrong side of the border: owner " +
                             std::to_string(town->owner) + " and holder " +
                             std::to_string(town->holder) + " instead of " + std::to_string(owner) +
                             " and " + std::to_string(holder);
    wrong += (wrong.empty() ? "" : "; ") + FeatureError(f, "holders.txt", what).Message();
  }
  return wrong.empty() ? Status::Ok() : Status::Error(wrong);
}

}  // namespace gm::scenario
