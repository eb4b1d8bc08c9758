// The running program's folder, read once per call from the process's own executable link.
#include "platform/program_folder.hpp"

#include <system_error>

namespace gm {

std::filesystem::path RunningProgramFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec && exe.has_parent_path()) return exe.parent_path();
  auto here = std::filesystem::current_path(ec);
  return ec ? std::filesystem::path(".") : here;
}

}  // namespace gm
