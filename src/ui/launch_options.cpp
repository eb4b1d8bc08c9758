// Command-line options.
#include "ui/launch_options.hpp"

#include <string_view>

namespace gm {

bool ParseLaunchOptions(int argc, const char* const* argv, LaunchOptions& out, std::string& error) {
  const auto value = [&](int& i, std::string_view option, std::string_view& v) {
    if (i + 1 >= argc) {
      error = std::string(option) + " needs a value";
      return false;
    }
    v = argv[++i];
    return true;
  };
  const auto player = [&](std::string_view v, std::uint8_t& player, std::string_view option) {
    if (v == "human") {
      player = 0;
    } else if (v == "cpu") {
      player = 1;
    } else {
      error = std::string(option) + " takes human or cpu, not '" + std::string(v) + "'";
      return false;
    }
    return true;
  };
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    std::string_view v;
    if (arg == "--run") {
      out.run = true;
    } else if (arg == "--window") {
      out.window = true;
    } else if (arg == "--no-sound") {
      out.settings.soundOn = 0;
    } else if (arg == "--help" || arg == "-h") {
      out.help = true;
    } else if (arg == "--first") {
      if (!value(i, arg, v)) return false;
      if (v == "germany") {
        out.settings.firstCoalition = kGermanSide;
      } else if (v == "ussr") {
        out.settings.firstCoalition = kSovietSide;
      } else {
        error = "--first takes germany or ussr, not '" + std::string(v) + "'";
        return false;
      }
    } else if (arg == "--soviet") {
      if (!value(i, arg, v) || !player(v, out.settings.sovietPlayer, arg)) return false;
    } else if (arg == "--german") {
      if (!value(i, arg, v) || !player(v, out.settings.germanPlayer, arg)) return false;
    } else if (arg == "--turn-length") {
      if (!value(i, arg, v)) return false;
      if (v == "1") {
        out.settings.turnLength = 0;
      } else if (v == "4") {
        out.settings.turnLength = 1;
      } else {
        error = "--turn-length takes 1 or 4, not '" + std::string(v) + "'";
        return false;
      }
    } else if (arg == "--bits") {
      if (!value(i, arg, v)) return false;
      if (v == "16") {
        out.bits = 16;
      } else if (v == "8") {
        out.bits = 8;
      } else {
        error = "--bits takes 8 or 16, not '" + std::string(v) + "'";
        return false;
      }
    } else {
      error = "unknown option '" + std::string(arg) + "'";
      return false;
    }
  }
  return true;
}

}  // namespace gm
