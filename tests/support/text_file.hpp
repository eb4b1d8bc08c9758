// A whole file read as text, for the tests that read the committed sources and the built data.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace gm::testing {

// The file's bytes; empty when it cannot be read.
inline std::string ReadText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace gm::testing
