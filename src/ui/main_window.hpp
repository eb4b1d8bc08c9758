// The main window: owns the display, the input, the frame timer, the two image lists, the sound
// and its wave list, the music player, the world and the window's own state. It starts the game
// (settings, loading), turns platform events into the pointer and click handlers, runs the frame
// tick from the timer, and leaves the game cleanly.
#pragma once

#include <memory>
#include <string_view>

#include "media/app_events.hpp"
#include "media/display_device.hpp"
#include "media/frame_timer.hpp"
#include "media/input_devices.hpp"
#include "media/picture_collection.hpp"
#include "media/sound_device.hpp"
#include "media/wave_collection.hpp"
#include "platform/file_system.hpp"
#include "platform/platform.hpp"
#include "platform/status.hpp"
#include "ui/launch_options.hpp"
#include "ui/settings_dialog.hpp"
#include "ui/ui_context.hpp"
#include "ui/window_sinks.hpp"
#include "world/world.hpp"

namespace gm {

class MainWindow {
 public:
  MainWindow(Platform& platform, FileSystem& fs);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // The whole program: settings (the dialog unless options.run), loading, then frames until
  // the game is left. Returns the exit status: 0, or 1 when a data file is missing or damaged.
  int Run(const LaunchOptions& options);

  // The steps of Run, for tests and tools that drive the window themselves.
  // Without --run: the settings dialog's window, in a window at 16 bits whatever the presets
  // say, and the pictures the dialog draws with.
  Status OpenSettingsDialog(const LaunchOptions& presets);
  // One turn of the dialog's loop; false once the window was closed.
  bool SettingsDialogFrame(SettingsDialog& dialog);
  // The settings are known: the title screen, the display, the archives and the scenario.
  Status StartUp(const LaunchOptions& options);
  void HandleEvent(const PlatformEvent& event);
  // Handles every waiting platform event.
  void PumpEvents();
  // The timer's idle check: a frame tick once its interval has passed.
  void Frame();
  // Closes the music, the sound and the window; the game is over.
  void Leave();

  bool QuitRequested() const { return ui_.QuitRequested; }
  World& GetWorld() { return *world_; }
  UiState& Ui() { return ui_; }
  UiContext& Context() { return ctx_; }
  TCustomDXDraw& Display() { return display_; }
  TDXTimer& Timer() { return timer_; }
  MusicPlayer& Music() { return music_; }

 private:
  void FormCreate(const LaunchOptions& options);
  Status OpenDisplay(const LaunchOptions& options);
  Status LoadGraphics();
  Status DXDrawInitialize();
  void ShowLoadingLine(std::string_view text, std::int32_t y);
  void DXDraw1RestoreSurface();
  // The game cannot start: the message in the log and in a box, the window closed; status 1.
  int CannotStart(const Status& why);
  void MakeOffscreenSurfaces();

  Platform& platform_;
  FileSystem& fs_;
  AppEvents app_;
  TDXDraw display_;
  TDXInput input_;
  TDXTimer timer_;
  TDXImageList graphic_;
  TDXImageList techn_;
  TDXSound sound_;
  TDXWaveList waves_;
  WaveListSound soundSink_;
  MusicPlayer music_;
  FlowServices flow_;
  std::unique_ptr<World> world_;
  UiState ui_;
  std::unique_ptr<TDirectDrawSurface> terrainAtlas_;
  std::unique_ptr<TDirectDrawSurface> map1Twin_;
  std::unique_ptr<TDirectDrawSurface> overviewPicture_;
  std::unique_ptr<TDirectDrawSurface> theatreTwin_;
  OffscreenPictures pictures_;
  ImageLookup images_;
  UiContext ctx_;
  StartSettings settings_{};
  bool graphicsLoaded_ = false;
  bool left_ = false;
};

}  // namespace gm
