// A game that cannot start says why in the log and asks the platform for a message box with the
// same words (a game started from a desktop menu has no terminal), then ends with status 1; a
// game that starts asks for none.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/log.hpp"
#include "tests/support/game_harness.hpp"

namespace gm {
namespace {

using testing::BuildFolder;

TEST(StartUpError, IsShownInAMessageBoxAsInTheLog) {
  struct Case {
    const char* what;
    const char* missing;  // the data file left out; none for a good start
    bool dialog;          // through the settings dialog, else --run
  };
  const Case cases[] = {
      {"no scenario, --run", "evrasia.scn", false},
      {"no picture archive for the dialog", "graphic.dxg", true},
      {"no second picture archive, --run", "techn.dxg", false},
      {"everything there", nullptr, false},
  };
  for (const Case& c : cases) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("gravmark-start-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "data");
    for (const auto& f : std::filesystem::directory_iterator(BuildFolder() / "data")) {
      if (c.missing == nullptr || f.path().filename() != c.missing) {
        std::filesystem::create_symlink(f.path(), dir / "data" / f.path().filename());
      }
    }
    std::vector<std::string> log;
    SetLogSink([&](std::string_view l) { log.emplace_back(l); });
    HeadlessPlatform platform;
    platform.SetProgramFolder(dir);
    PosixFileSystem fs(dir.string() + "/");
    LaunchOptions options = testing::ScriptedOptions();
    options.run = !c.dialog;
    PlatformEvent quit;
    quit.kind = PlatformEvent::Kind::kCloseRequest;
    platform.PushEvent(quit);  // a game that starts is left at once, from its title screen
    int status = 0;
    {
      MainWindow window(platform, fs);
      status = window.Run(options);
    }
    SetLogSink({});
    std::filesystem::remove_all(dir);
    EXPECT_FALSE(platform.WindowOpen()) << c.what;
    if (c.missing == nullptr) {
      EXPECT_EQ(status, 0) << c.what;
      EXPECT_TRUE(platform.StartUpErrors().empty()) << c.what;
      continue;
    }
    EXPECT_EQ(status, 1) << c.what;
    ASSERT_EQ(platform.StartUpErrors().size(), 1u) << c.what;
    const std::string& shown = platform.StartUpErrors()[0];
    EXPECT_NE(shown.find((dir / "data" / c.missing).string()), std::string::npos) << shown;
    EXPECT_NE(std::find(log.begin(), log.end(), shown), log.end()) << c.what << ": " << shown;
  }
}

}  // namespace
}  // namespace gm
