// Reading the recipe text: "sound <name> length=<s>" lines, each followed by indented layers.
#include "tools/sound/effect_recipe.hpp"

#include <charconv>
#include <sstream>

namespace gm::sound {

namespace {

bool ToNumber(const std::string& s, double& v) {
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  return ec == std::errc() && end == s.data() + s.size();
}

// One "key=value" word into the layer; false with a message when either part is wrong.
bool SetField(Layer& l, const std::string& key, const std::string& value, std::string& why) {
  if (key == "wave") {
    if (value == "sine") {
      l.shape = ToneShape::kSine;
    } else if (value == "square") {
      l.shape = ToneShape::kSquare;
    } else if (value == "saw") {
      l.shape = ToneShape::kSaw;
    } else {
      why = "unknown wave '" + value + "'";
      return false;
    }
    return true;
  }
  double v = 0;
  if (!ToNumber(value, v) || v < 0) {
    why = "'" + key + "' needs a number of zero or more, not '" + value + "'";
    return false;
  }
  struct Field {
    const char* key;
    double Layer::*member;
  };
  static constexpr Field kFields[] = {
      {"start", &Layer::start},       {"len", &Layer::len},     {"attack", &Layer::attack},
      {"decay", &Layer::decay},       {"gain", &Layer::gain},   {"lowpass", &Layer::lowpass},
      {"highpass", &Layer::highpass}, {"freq", &Layer::freq},   {"to", &Layer::to},
      {"tremolo", &Layer::tremolo},   {"depth", &Layer::depth}, {"every", &Layer::every}};
  for (const Field& f : kFields) {
    if (key == f.key) {
      l.*f.member = v;
      return true;
    }
  }
  if (key == "repeat" || key == "seed") {
    if (v != double(unsigned(v)) || v > 100000) {
      why = "'" + key + "' needs a whole number";
      return false;
    }
    if (key == "seed") {
      l.seed = unsigned(v);
      return true;
    }
    if (v < 1) {
      why = "'repeat' needs 1 or more";
      return false;
    }
    l.repeat = int(v);
    return true;
  }
  why = "unknown setting '" + key + "'";
  return false;
}

}  // namespace

Status ParseEffects(const std::string& text, const std::string& source,
                    std::vector<Effect>& effects) {
  effects.clear();
  std::istringstream in(text);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    std::istringstream words(line);
    std::string head;
    if (!(words >> head)) continue;
    const std::string where = source + ":" + std::to_string(number) + ": ";
    const bool indented = line[0] == ' ' || line[0] == '\t';
    Layer layer;
    Effect* effect = nullptr;
    if (!indented) {
      if (head != "sound") return Status::Error(where + "expected 'sound <name>'");
      Effect e;
      if (!(words >> e.name)) return Status::Error(where + "the sound has no name");
      for (const Effect& other : effects) {
        if (other.name == e.name) return Status::Error(where + "sound '" + e.name + "' twice");
      }
      effects.push_back(std::move(e));
      effect = &effects.back();
    } else {
      if (effects.empty()) return Status::Error(where + "a layer before any sound");
      if (head == "noise") {
        layer.kind = LayerKind::kNoise;
      } else if (head == "tone") {
        layer.kind = LayerKind::kTone;
      } else {
        return Status::Error(where + "unknown layer '" + head + "'");
      }
    }
    for (std::string word; words >> word;) {
      const auto eq = word.find('=');
      if (eq == std::string::npos || eq == 0) {
        return Status::Error(where + "expected key=value, not '" + word + "'");
      }
      const std::string key = word.substr(0, eq), value = word.substr(eq + 1);
      std::string why;
      if (effect != nullptr) {
        double v = 0;
        if (key != "length") return Status::Error(where + "unknown setting '" + key + "'");
        if (!ToNumber(value, v) || v <= 0 || v > 10) {
          return Status::Error(where + "'length' needs seconds above 0, at most 10");
        }
        effect->length = v;
      } else if (!SetField(layer, key, value, why)) {
        return Status::Error(where + why);
      }
    }
    if (effect == nullptr) effects.back().layers.push_back(layer);
  }
  for (const Effect& e : effects) {
    if (e.layers.empty()) return Status::Error(source + ": sound '" + e.name + "' has no layers");
  }
  return Status::Ok();
}

}  // namespace gm::sound
