// The SDL2 backend as the game's Platform: SDL started once, and each device in its own file
// (window, events, keyboard, joystick, sound device, music), closed in the order SDL needs.
#include "platform/sdl/sdl_platform.hpp"

#include <SDL2/SDL.h>

#include <cstdlib>
#include <string>

#include "platform/desktop_open.hpp"
#include "platform/log.hpp"
#include "platform/program_folder.hpp"
#include "platform/sdl/sdl_audio.hpp"
#include "platform/sdl/sdl_events.hpp"
#include "platform/sdl/sdl_joystick.hpp"
#include "platform/sdl/sdl_keymap.hpp"
#include "platform/sdl/sdl_message_box.hpp"
#include "platform/sdl/sdl_music.hpp"
#include "platform/sdl/sdl_signals.hpp"
#include "platform/sdl/sdl_window.hpp"
#include "platform/sdl/sdl_x11_errors.hpp"

namespace gm {

namespace {

class SdlPlatform final : public Platform {
 public:
  SdlPlatform() = default;
  ~SdlPlatform() override;

  bool Start();

  Clock& GetClock() override { return clock_; }
  bool OpenWindow(const WindowSettings& settings) override;
  void CloseWindow() override { window_.Close(); }
  void SetFullScreen(bool fullScreen) override { window_.SetFullScreen(fullScreen); }
  void SetWindowTitle(std::string_view title) override { window_.SetTitle(title); }
  void Present(const FrameView& frame) override { window_.Present(frame); }
  bool FrameLost() override { return window_.Lost(); }
  bool RestoreFrame() override { return window_.Restore(); }
  bool HasFocus() override { return events_.HasFocus(); }
  bool PollEvent(PlatformEvent& event) override { return events_.Poll(event); }
  void WaitForEvent(int timeoutMs) override {
    // Reaped here too, so an opener's helper that ends while no frame runs leaves no zombie.
    opener_.Step();
    events_.Wait(timeoutMs);
  }
  void ReadKeyboard(KeySnapshot& keys) override { ReadSdlKeyboard(keys); }
  MouseMotion ReadMouse() override { return events_.ReadMouse(); }
  int JoystickCount() override { return joystick_.Count(); }
  bool ReadJoystick(int id, JoystickReading& reading) override {
    return joystick_.Read(id, reading);
  }
  bool StartAudio(AudioSource* source) override { return audio_.Start(source); }
  void StopAudio() override { audio_.Stop(); }
  bool PlayMusic(const std::filesystem::path& file) override { return music_.Play(file); }
  void StopMusic() override { music_.Stop(); }
  void ShowStartUpError(std::string_view message) override {
    ShowMessageBox(window_.Handle(), "Gravmark cannot start", message);
  }
  void OpenAddress(std::string_view address) override { opener_.Open(address); }
  OpenOutcome PollOpening() override { return opener_.Poll(); }
  std::filesystem::path ProgramFolder() override { return RunningProgramFolder(); }

 private:
  SystemClock clock_;
  SdlWindow window_;
  SdlEvents events_{window_};
  SdlJoystick joystick_;
  SdlAudio audio_;
  SdlMusic music_{audio_};
  DesktopOpener opener_;
};

SdlPlatform::~SdlPlatform() {
  // The track goes before the device it plays on, and everything before SDL itself.
  audio_.Stop();
  music_.Close();
  audio_.Close();
  joystick_.Close();
  window_.Close();
  SDL_Quit();
  ReleaseTerminationSignals();
  RestoreX11ErrorHandler();
}

bool SdlPlatform::Start() {
  // The termination signals are the game's own, SIGHUP too, which SDL leaves alone; and the
  // window's close is a request the game answers, not SDL's quit that would follow it.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  CatchTerminationSignals();
  ForgiveLateWakeups();
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    LogLine(std::string("cannot start SDL: ") + SDL_GetError());
    return false;
  }
  // With no display in reach SDL starts a driver that draws nowhere: a game nobody could see
  // would run on.
  if (DisplayMissing(SDL_GetCurrentVideoDriver(), SDL_GetHint(SDL_HINT_VIDEODRIVER))) {
    LogLine("cannot start SDL: " +
            NoDisplayReason(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY")));
    SDL_Quit();
    return false;
  }
  if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
    LogLine(std::string("no joystick support: ") + SDL_GetError());
  }
  SdlMusic::RegisterEndEvent();
  return true;
}

bool SdlPlatform::OpenWindow(const WindowSettings& settings) {
  if (!window_.Open(settings)) return false;
  events_.SetFocus(true);
  return true;
}

}  // namespace

std::unique_ptr<Platform> MakeSdlPlatform() {
  auto p = std::make_unique<SdlPlatform>();
  if (!p->Start()) return nullptr;
  return p;
}

}  // namespace gm
