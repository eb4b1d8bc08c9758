// Message formatting for the media layer's errors.
#include "media/media_error.hpp"

namespace gm {

std::string FormatMessage(std::string_view pattern, std::string_view arg) {
  std::string out(pattern);
  for (std::string_view token : {"%s", "%d"}) {
    auto pos = out.find(token);
    if (pos != std::string::npos) {
      out.replace(pos, token.size(), arg);
      return out;
    }
  }
  return out;
}

std::string FormatMessage(std::string_view pattern, long long arg) {
  return FormatMessage(pattern, std::to_string(arg));
}

}  // namespace gm
