// The game window on the headless backend, started from the built data files: scripted pointer
// and keyboard events, frames on demand, and PNG dumps for people to look at. Saves go to a
// fresh folder of their own, which sees the build's data/ and help/ through links.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/headless/headless_platform.hpp"
#include "platform/posix_file_system.hpp"
#include "tests/support/screen_point.hpp"
#include "ui/launch_options.hpp"
#include "ui/main_window.hpp"
#include "ui/screens/sidebar.hpp"
#include "ui/settings_dialog.hpp"

namespace gm::testing {

// The build folder: GM_BUILD_DIR, else the running program's (the folder above tests-bin/).
std::filesystem::path BuildFolder();

// Where a click presses sidebar button b: its middle.
inline constexpr int kSidebarClickX = Middle(SidebarButtonRect(kZoomButton)).x;
constexpr int SidebarClickY(int b) {
  return Middle(SidebarButtonRect(b)).y;
}

// Options of a scripted start: no dialog, German humans against the Soviet computer by default.
LaunchOptions ScriptedOptions();

// A start as the game makes it without --run: the settings dialog first.
struct ThroughSettingsDialog {};

class GameHarness {
 public:
  explicit GameHarness(const LaunchOptions& options = ScriptedOptions());
  // The same, with the machine set up by `prepare` before the game starts (no sound device...).
  GameHarness(const LaunchOptions& options, const std::function<void(HeadlessPlatform&)>& prepare);
  // The dialog's window with the dialog's defaults. MoveTo, Click and Key then reach the dialog
  // through its own loop (DialogFrame) until StartFromDialog.
  explicit GameHarness(ThroughSettingsDialog);
  ~GameHarness();

  SettingsDialog& Dialog() { return *dialog_; }
  // One turn of the dialog's loop: the waiting events, the keyboard, a drawn frame.
  void DialogFrame();
  // The game with the dialog's choices, as its "Run!" starts it; an error while the dialog has
  // not ended with "Run!".
  Status StartFromDialog();

  bool Started() const { return started_.IsOk(); }
  const Status& StartStatus() const { return started_; }

  HeadlessPlatform& Platform() { return platform_; }
  MainWindow& Window() { return *window_; }
  World& W() { return window_->GetWorld(); }
  UiState& Ui() { return window_->Ui(); }
  UiContext& Ctx() { return window_->Context(); }
  const std::filesystem::path& Folder() const { return folder_; }

  // n frames, the clock moving one timer interval before each, after the waiting events.
  void Frames(int n = 1);
  // Events only; the next frame sees their effect (the dialog's next frame while it is open).
  void MoveTo(int x, int y);
  void MoveTo(ScreenPoint p) { MoveTo(p.x, p.y); }
  void Click(int x, int y);
  void Click(ScreenPoint p) { Click(p.x, p.y); }
  void Press(std::uint8_t button);
  void Release(std::uint8_t button);
  void Key(int virtualKey, bool down);
  // Clicks Start on the title screen and runs one frame.
  void StartGame();

  // Empties the cells of the Battlefield view (plain terrain, no formations or settlements),
  // freeing the records that stood there.
  void ClearView();
  // A formation of the type in the cell, in a free record from the top; 1000 men, two orders.
  int Place(int x, int y, std::uint16_t type);

  // The middle of map cell (x, y) on the Battlefield view.
  ScreenPoint CellMiddle(int x, int y) { return ViewCellMiddle(x - W().ViewX, y - W().ViewY); }

  // The back buffer's pixel at (x, y) as RGB.
  TColor PixelAt(int x, int y);
  // Writes the last presented frame to build/review/screens/<name>.png.
  void Dump(const std::string& name);

 private:
  void MakeWindow(const std::function<void(HeadlessPlatform&)>& prepare = {});
  void Pump();

  HeadlessPlatform platform_;
  std::filesystem::path folder_;
  std::unique_ptr<PosixFileSystem> fs_;
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<SettingsDialog> dialog_;
  Status started_;
};

}  // namespace gm::testing
