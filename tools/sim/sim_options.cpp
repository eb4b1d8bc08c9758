// Parsing of the sim's options.
#include "sim_options.hpp"

#include <charconv>
#include <cstring>
#include <string_view>

namespace gm {

namespace {

template <typename T>
bool ParseNumber(std::string_view text, T& out) {
  const char* end = text.data() + text.size();
  auto [p, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc() && p == end;
}

}  // namespace

bool ParseSimOptions(int argc, char** argv, SimOptions& out, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    auto value = [&](std::string_view& v) {
      if (i + 1 >= argc) {
        error = std::string(arg) + " needs a value";
        return false;
      }
      v = argv[++i];
      return true;
    };
    std::string_view v;
    if (arg == "--help" || arg == "-h") {
      out.help = true;
    } else if (arg == "--check") {
      out.check = true;
    } else if (arg == "--days") {
      long days = 0;
      if (!value(v)) return false;
      if (!ParseNumber(v, days) || days < 0) {
        error = "--days wants a number of days, not '" + std::string(v) + "'";
        return false;
      }
      out.days = days;
    } else if (arg == "--turn-length") {
      if (!value(v)) return false;
      if (v != "1" && v != "4") {
        error = "--turn-length is 1 or 4, not '" + std::string(v) + "'";
        return false;
      }
      out.turnLength = v == "1" ? 1 : 4;
      out.turnLengthGiven = true;
    } else if (arg == "--seed") {
      if (!value(v)) return false;
      if (!ParseNumber(v, out.seed)) {
        error = "--seed wants a whole number, not '" + std::string(v) + "'";
        return false;
      }
    } else if (arg == "--load" || arg == "--save") {
      if (!value(v)) return false;
      // An empty name would read as no file at all: a new game, or a war saved nowhere.
      if (v.empty()) {
        error = std::string(arg) + " needs a file name, not an empty one";
        return false;
      }
      (arg == "--load" ? out.load : out.save) = v;
    } else {
      error = "unknown option '" + std::string(arg) + "'";
      return false;
    }
  }
  return true;
}

}  // namespace gm
