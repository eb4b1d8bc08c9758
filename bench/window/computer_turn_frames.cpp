// The real window during the computer's turns: both coalitions played by the computer, the game
// started by the title's Start, and every frame tick of the next turns timed, the picture shown
// on the display included. The timer runs at its shortest interval, so frames follow each other
// closely and a turn takes seconds, not minutes. Prints figures only, one a row: the figure,
// its median and the aim; with FIGURES_FILE, also appends each turn's slowest frame to it for
// the table of `make bench`.
//
//   window_turn_frames BUILD_DIR [TURNS [FIGURES_FILE]]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "platform/posix_file_system.hpp"
#include "platform/sdl/sdl_platform.hpp"
#include "tests/support/screen_point.hpp"
#include "ui/main_window.hpp"
#include "ui/screens/title_screen.hpp"
#include "world/screen_state.hpp"

namespace {

double ThreadMilliseconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// The frames of one turn: the time of each, on the wall clock and on the processor.
struct Turn {
  std::vector<double> wall;
  std::vector<double> cpu;
};

void Row(const char* figure, double median, const char* aim) {
  std::printf("%-58s | %8.2f ms | %s\n", figure, median, aim);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace gm;
  const std::string build = argc > 1 ? argv[1] : ".";
  const int turns = argc > 2 ? std::max(1, std::atoi(argv[2])) : 4;
  std::unique_ptr<Platform> platform = MakeSdlPlatform();
  if (platform == nullptr) {
    std::puts("window_turn_frames: skipped, no display to open the window on");
    return 0;
  }
  PosixFileSystem fs(build + "/");
  MainWindow window(*platform, fs);
  LaunchOptions options;
  options.run = true;
  options.window = true;
  options.settings.germanPlayer = 1;
  options.settings.sovietPlayer = 1;
  options.settings.soundOn = 0;
  if (Status s = window.StartUp(options); !s) {
    std::printf("window_turn_frames: cannot start: %s\n", s.Message().c_str());
    return 1;
  }
  World& w = window.GetWorld();
  std::vector<Turn> done(1);
  bool timing = false;
  const auto tick = window.Timer().OnTimer;
  window.Timer().OnTimer = [&](TCustomDXTimer& timer, std::int32_t lag) {
    const auto wall0 = std::chrono::steady_clock::now();
    const double cpu0 = ThreadMilliseconds();
    const std::uint8_t side = w.SideOnMove;
    tick(timer, lag);
    if (!timing) return;
    done.back().cpu.push_back(ThreadMilliseconds() - cpu0);
    done.back().wall.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wall0)
            .count());
    if (w.SideOnMove != side) done.emplace_back();
  };
  window.Timer().SetInterval(1);
  const auto frames = [&](auto until) {
    while (!window.QuitRequested() && !until()) {
      window.PumpEvents();
      window.Frame();
      platform->WaitForEvent(static_cast<int>(window.Timer().MillisecondsUntilDue()));
    }
  };
  // A moment on the title, then Start as the player clicks it.
  const auto titleEnd = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
  frames([&] { return std::chrono::steady_clock::now() >= titleEnd; });
  const testing::ScreenPoint start = testing::Middle(kStartButton);
  for (PlatformEvent::Kind kind : {PlatformEvent::Kind::kMouseMove, PlatformEvent::Kind::kMouseDown,
                                   PlatformEvent::Kind::kMouseUp, PlatformEvent::Kind::kClick}) {
    PlatformEvent e;
    e.kind = kind;
    e.x = start.x;
    e.y = start.y;
    e.button = kind == PlatformEvent::Kind::kMouseMove ? 0 : kMouseLeft;
    e.buttons = kind == PlatformEvent::Kind::kMouseDown ? kMouseLeft : 0;
    window.HandleEvent(e);
  }
  timing = true;
  frames([&] {
    return static_cast<int>(done.size()) > turns || w.ScreenFlags[kFlagScreen] != kScreenGame;
  });
  window.Leave();
  if (done.back().wall.empty()) done.pop_back();

  std::vector<double> wall, cpu, slowestWall, slowestCpu;
  for (const Turn& t : done) {
    wall.insert(wall.end(), t.wall.begin(), t.wall.end());
    cpu.insert(cpu.end(), t.cpu.begin(), t.cpu.end());
    if (t.wall.empty()) continue;
    slowestWall.push_back(*std::max_element(t.wall.begin(), t.wall.end()));
    slowestCpu.push_back(*std::max_element(t.cpu.begin(), t.cpu.end()));
  }
  if (argc > 3) {
    if (std::FILE* figures = std::fopen(argv[3], "a")) {
      for (std::size_t i = 0; i < slowestWall.size(); ++i) {
        std::fprintf(figures, "window.turn.wall\t%.3f\nwindow.turn.cpu\t%.3f\n", slowestWall[i],
                     slowestCpu[i]);
      }
      std::fclose(figures);
    }
  }
  std::printf("%zu computer turns, %zu frames, in the real window\n", done.size(), wall.size());
  Row("frame of a computer turn, wall clock", Median(wall), "");
  Row("frame of a computer turn, processor", Median(cpu), "");
  Row("slowest frame of a computer turn, wall clock", Median(slowestWall), "under 5 ms");
  Row("slowest frame of a computer turn, processor", Median(slowestCpu), "under 5 ms");
  return 0;
}
