// Gravmark's entry point: the command line, the platform, then the main window runs the game.
#include <cstdio>
#include <memory>
#include <string>

#include "platform/posix_file_system.hpp"
#include "platform/standard_streams.hpp"
#include "ui/launch_options.hpp"
#include "ui/main_window.hpp"
#if GM_HAVE_SDL
#include "platform/sdl/sdl_platform.hpp"
#endif

int main(int argc, char** argv) {
  gm::PrepareStandardStreams();
  gm::IgnoreFileSizeSignal();
  gm::LaunchOptions options;
  std::string error;
  if (!gm::ParseLaunchOptions(argc, argv, options, error)) {
    std::fprintf(stderr, "gravmark: %s\n%s", error.c_str(), gm::kLaunchUsage);
    return 2;
  }
  if (options.help) {
    std::fputs(gm::kLaunchUsage, stdout);
    return 0;
  }
#if GM_HAVE_SDL
  std::unique_ptr<gm::Platform> platform = gm::MakeSdlPlatform();
  if (platform == nullptr) {
    std::fputs("gravmark: no display to open the game's window on\n", stderr);
    return 1;
  }
#else
  std::fputs("gravmark: built without SDL2, so there is no window to play in\n", stderr);
  return 1;
#endif
  gm::PosixFileSystem fs;
  gm::MainWindow window(*platform, fs);
  return window.Run(options);
}
