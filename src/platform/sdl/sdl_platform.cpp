// SDL2 backend: a resizable or desktop-full-screen window showing the 800 x 600 frame through
// an RGB565 streaming texture, input events and polled keyboard, one sound device shared by
// our mixer and SDL2_mixer's MIDI music, and the end of a track delivered as an event.
#include "platform/sdl/sdl_platform.hpp"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <deque>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "platform/desktop_open.hpp"
#include "platform/log.hpp"
#include "platform/program_folder.hpp"
#include "platform/sdl/sdl_keymap.hpp"
#include "platform/sdl/sdl_window_frame.hpp"

namespace gm {

namespace {

// The music-finished hook of SDL2_mixer takes no user data, so the few things it needs live
// here: the event type to push and whether the end was asked for by us (stop or replace).
std::atomic<Uint32> gMusicEventType{0};
// How the end of a play we cause should be reported; kSuccessful when we cause none.
std::atomic<MusicEnd> gMusicEndCause{MusicEnd::kSuccessful};

void SDLCALL OnMusicFinished() {
  // Runs on the sound thread (or inside Mix_HaltMusic): only push an event.
  SDL_Event e{};
  e.type = gMusicEventType.load();
  e.user.code = static_cast<Sint32>(gMusicEndCause.load());
  SDL_PushEvent(&e);
}

std::uint8_t ButtonBit(Uint8 sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT:
      return kMouseLeft;
    case SDL_BUTTON_RIGHT:
      return kMouseRight;
    case SDL_BUTTON_MIDDLE:
      return kMouseMiddle;
    default:
      return 0;
  }
}

const char* FirstExisting(std::initializer_list<const char*> paths) {
  for (const char* p : paths) {
    std::error_code ec;
    if (std::filesystem::exists(p, ec)) return p;
  }
  return nullptr;
}

class SdlPlatform final : public Platform {
 public:
  SdlPlatform() = default;
  ~SdlPlatform() override;

  bool Start();

  Clock& GetClock() override { return clock_; }
  bool OpenWindow(const WindowSettings& settings) override;
  void CloseWindow() override;
  void SetFullScreen(bool fullScreen) override;
  void SetWindowTitle(std::string_view title) override;
  void Present(const FrameView& frame) override;
  bool FrameLost() override { return frameLost_; }
  bool RestoreFrame() override;
  bool HasFocus() override { return focus_; }
  bool PollEvent(PlatformEvent& event) override;
  void WaitForEvent(int timeoutMs) override;
  void ReadKeyboard(KeySnapshot& keys) override;
  MouseMotion ReadMouse() override;
  int JoystickCount() override;
  bool ReadJoystick(int id, JoystickReading& reading) override;
  bool StartAudio(AudioSource* source) override;
  void StopAudio() override;
  bool PlayMusic(const std::filesystem::path& file) override;
  void StopMusic() override;
  bool OpenAddress(std::string_view address) override { return OpenWithDesktop(address); }
  std::filesystem::path ProgramFolder() override { return RunningProgramFolder(); }

 private:
  bool MakeTexture();
  bool InsideWindow(int windowX, int windowY) const;
  // A window position (in the window's points) as a frame pixel, held to the frame's edges so
  // that the borders around a letterboxed frame still reach its edge rows and columns.
  void ToFrame(int windowX, int windowY, int& x, int& y) const;
  bool OpenSoundDevice();
  void HaltMusic(MusicEnd cause);
  void MixSource(std::int16_t* out, int frames);
  static void SDLCALL PostMix(void* self, Uint8* stream, int len);
  static void SDLCALL DeviceCallback(void* self, Uint8* stream, int len);

  SystemClock clock_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  bool frameLost_ = false;
  bool presentFailing_ = false;
  bool focus_ = true;
  std::uint8_t buttons_ = 0;
  std::uint8_t pressedOnWindow_ = 0;
  MouseMotion motion_{};
  std::deque<PlatformEvent> queued_;  // events owed before SDL's next ones
  // The last frame shown, and the one being presented; a window event that may have spoilt the
  // picture (exposed, resized, restored) forces the next present.
  std::vector<std::uint16_t> shown_;
  std::vector<std::uint16_t> next_;
  int shownWidth_ = 0;
  WindowFrame frame_;  // the window's own pixels, when it has them (no renderer then)
  bool mustPresent_ = true;
  SDL_Joystick* joystick_ = nullptr;
  int joystickIndex_ = -1;

  // Sound: one device. With SDL2_mixer open, our mixer is added after the music (post-mix);
  // without it, a plain SDL device runs our mixer alone.
  bool soundTried_ = false;
  bool mixerOpen_ = false;
  bool musicAvailable_ = false;
  SDL_AudioDeviceID device_ = 0;
  std::mutex sourceMutex_;
  AudioSource* source_ = nullptr;
  std::vector<std::int16_t> mixScratch_;
  Mix_Music* music_ = nullptr;
};

SdlPlatform::~SdlPlatform() {
  StopAudio();
  if (mixerOpen_) {
    HaltMusic(MusicEnd::kAborted);
    if (music_ != nullptr) Mix_FreeMusic(music_);
    Mix_HookMusicFinished(nullptr);
    Mix_CloseAudio();
    Mix_Quit();
  }
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  if (joystick_ != nullptr) SDL_JoystickClose(joystick_);
  CloseWindow();
  SDL_Quit();
}

bool SdlPlatform::Start() {
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    LogLine(std::string("cannot start SDL: ") + SDL_GetError());
    return false;
  }
  if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
    LogLine(std::string("no joystick support: ") + SDL_GetError());
  }
  gMusicEventType = SDL_RegisterEvents(1);
  return true;
}

bool SdlPlatform::OpenWindow(const WindowSettings& settings) {
  CloseWindow();
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  Uint32 flags = SDL_WINDOW_RESIZABLE;
  if (settings.fullScreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  window_ = SDL_CreateWindow(settings.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             kFrameWidth, kFrameHeight, flags);
  if (window_ == nullptr) {
    LogLine(std::string("cannot open the window: ") + SDL_GetError());
    return false;
  }
  // The game draws into the window's own pixel buffer, sending only what changed; without
  // one it draws through a renderer, an accelerated one first.
  SDL_ShowCursor(SDL_DISABLE);
  frame_.Invalidate();
  mustPresent_ = true;
  // The window's own buffer, not one SDL would emulate through a 3D renderer.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_GetWindowSurface(window_) != nullptr) {
    focus_ = true;
    return true;
  }
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
  if (renderer_ == nullptr) {
    LogLine(std::string("no accelerated renderer, drawing in software: ") + SDL_GetError());
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  }
  if (renderer_ == nullptr) {
    LogLine(std::string("cannot draw in the window: ") + SDL_GetError());
    CloseWindow();
    return false;
  }
  if (!MakeTexture()) {
    CloseWindow();
    return false;
  }
  focus_ = true;
  return true;
}

bool SdlPlatform::MakeTexture() {
  mustPresent_ = true;
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING,
                               kFrameWidth, kFrameHeight);
  if (texture_ == nullptr) {
    LogLine(std::string("cannot make the frame texture: ") + SDL_GetError());
    return false;
  }
  return true;
}

bool SdlPlatform::InsideWindow(int windowX, int windowY) const {
  if (window_ == nullptr) return false;
  int w = 0, h = 0;
  SDL_GetWindowSize(window_, &w, &h);
  return windowX >= 0 && windowY >= 0 && windowX < w && windowY < h;
}

void SdlPlatform::ToFrame(int windowX, int windowY, int& x, int& y) const {
  int w = kFrameWidth, h = kFrameHeight;
  if (window_ != nullptr) SDL_GetWindowSize(window_, &w, &h);
  const SDL_Rect r = WindowFrame::FrameRect(w, h);
  // The frame's last column and row are the rectangle's: the pointer reaches the scrolling edges
  // in a window of any size.
  const auto scale = [](int at, int start, int span, int frame) {
    const long v = span > 1 ? static_cast<long>(at - start) * (frame - 1) / (span - 1) : 0;
    return static_cast<int>(std::clamp(v, 0L, static_cast<long>(frame - 1)));
  };
  x = scale(windowX, r.x, r.w, kFrameWidth);
  y = scale(windowY, r.y, r.h, kFrameHeight);
}

void SdlPlatform::CloseWindow() {
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
  if (window_ != nullptr) SDL_DestroyWindow(window_);
  texture_ = nullptr;
  renderer_ = nullptr;
  window_ = nullptr;
}

void SdlPlatform::SetWindowTitle(std::string_view title) {
  if (window_ != nullptr) SDL_SetWindowTitle(window_, std::string(title).c_str());
}

void SdlPlatform::SetFullScreen(bool fullScreen) {
  if (window_ == nullptr) return;
  if (SDL_SetWindowFullscreen(window_, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
    LogLine(std::string("cannot change full screen: ") + SDL_GetError());
  }
}

void SdlPlatform::Present(const FrameView& frame) {
  // A failing present is logged once per run of failures: the next frame tries again.
  auto fail = [this](const char* what) {
    if (!presentFailing_) LogLine(std::string(what) + ": " + SDL_GetError());
    presentFailing_ = true;
  };
  if (window_ == nullptr || frame.pixels == nullptr) return fail("present without a frame");
  if (renderer_ != nullptr && texture_ == nullptr) return fail("present without a texture");
  if (frame.format == FrameFormat::kIndexed8 && frame.palette == nullptr) {
    return fail("present of an 8-bit frame without palette");
  }
  if (frame.width != kFrameWidth || frame.height != kFrameHeight) {
    return fail("present of a frame that is not 800 x 600");
  }
  const int w = kFrameWidth;
  const int h = kFrameHeight;
  // The frame as the window shows it (RGB565). A frame identical to the last one shown is not
  // sent again: a game standing still costs its drawing, not the transfer to the screen.
  next_.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* src = frame.pixels + static_cast<std::size_t>(y) * frame.pitch;
    std::uint16_t* row = next_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w);
    if (frame.format == FrameFormat::kRgb565) {
      std::memcpy(row, src, static_cast<std::size_t>(w) * 2);
    } else {
      ConvertIndexedRow(src, row, w, *frame.palette);
    }
  }
  if (!mustPresent_ && next_ == shown_ && shownWidth_ == w) return;
  if (renderer_ == nullptr) {
    if (mustPresent_) frame_.Invalidate();
    if (!frame_.Show(window_, next_)) return fail("cannot draw in the window");
    presentFailing_ = false;
    shown_.swap(next_);
    shownWidth_ = w;
    mustPresent_ = false;
    return;
  }
  void* dst = nullptr;
  int pitch = 0;
  if (SDL_LockTexture(texture_, nullptr, &dst, &pitch) != 0) return fail("cannot lock the frame");
  auto* out = static_cast<std::uint8_t*>(dst);
  for (int y = 0; y < h; ++y) {
    std::memcpy(out + static_cast<std::size_t>(y) * pitch,
                next_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w),
                static_cast<std::size_t>(w) * 2);
  }
  SDL_UnlockTexture(texture_);
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  if (SDL_RenderClear(renderer_) != 0) return fail("cannot clear the window");
  const SDL_Rect srcRect{0, 0, w, h};
  int outW = 0, outH = 0;
  if (SDL_GetRendererOutputSize(renderer_, &outW, &outH) != 0) return fail("no output size");
  const SDL_Rect dstRect = WindowFrame::FrameRect(outW, outH);
  if (SDL_RenderCopy(renderer_, texture_, &srcRect, &dstRect) != 0) {
    return fail("cannot copy the frame");
  }
  SDL_RenderPresent(renderer_);
  presentFailing_ = false;
  shown_.swap(next_);
  shownWidth_ = w;
  mustPresent_ = false;
}

bool SdlPlatform::RestoreFrame() {
  if (renderer_ == nullptr) {
    // The window's own pixels are never lost; the next frame is drawn whole.
    frame_.Invalidate();
    frameLost_ = false;
    return window_ != nullptr;
  }
  if (!MakeTexture()) return false;
  frameLost_ = false;
  return true;
}

void SdlPlatform::WaitForEvent(int timeoutMs) {
  if (!queued_.empty() || timeoutMs <= 0) return;
  SDL_WaitEventTimeout(nullptr, timeoutMs);
}

bool SdlPlatform::PollEvent(PlatformEvent& event) {
  if (!queued_.empty()) {
    event = queued_.front();
    queued_.pop_front();
    return true;
  }
  SDL_Event e;
  while (SDL_PollEvent(&e) != 0) {
    event = PlatformEvent{};
    switch (e.type) {
      case SDL_QUIT:
        event.kind = PlatformEvent::Kind::kQuit;
        return true;
      case SDL_MOUSEMOTION:
        motion_.dx += e.motion.xrel;
        motion_.dy += e.motion.yrel;
        event.kind = PlatformEvent::Kind::kMouseMove;
        ToFrame(e.motion.x, e.motion.y, event.x, event.y);
        event.buttons = buttons_;
        return true;
      case SDL_MOUSEWHEEL:
        motion_.wheel += e.wheel.y;
        continue;
      case SDL_MOUSEBUTTONDOWN: {
        // Other buttons than the three are reported too, as a press of no known button.
        const std::uint8_t bit = ButtonBit(e.button.button);
        buttons_ |= bit;
        pressedOnWindow_ |= bit;
        event.kind = PlatformEvent::Kind::kMouseDown;
        ToFrame(e.button.x, e.button.y, event.x, event.y);
        event.button = bit;
        event.buttons = buttons_;
        return true;
      }
      case SDL_MOUSEBUTTONUP: {
        const std::uint8_t bit = ButtonBit(e.button.button);
        buttons_ &= static_cast<std::uint8_t>(~bit);
        event.kind = PlatformEvent::Kind::kMouseUp;
        ToFrame(e.button.x, e.button.y, event.x, event.y);
        event.button = bit;
        event.buttons = buttons_;
        // A completed left click (pressed and released over the window) follows its release,
        // as its own event.
        if (bit == kMouseLeft && (pressedOnWindow_ & kMouseLeft) &&
            InsideWindow(e.button.x, e.button.y)) {
          PlatformEvent click = event;
          click.kind = PlatformEvent::Kind::kClick;
          queued_.push_back(click);
        }
        pressedOnWindow_ &= static_cast<std::uint8_t>(~bit);
        return true;
      }
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SHOWN ||
            e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
            e.window.event == SDL_WINDOWEVENT_RESTORED ||
            e.window.event == SDL_WINDOWEVENT_MAXIMIZED) {
          mustPresent_ = true;
        }
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
          focus_ = true;
          event.kind = PlatformEvent::Kind::kFocusGained;
          return true;
        }
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
          focus_ = false;
          PlatformEvent lost;
          lost.kind = PlatformEvent::Kind::kFocusLost;
          if (buttons_ != 0) {
            // Buttons held as the focus goes are released for the game, which would otherwise
            // keep them down.
            event.kind = PlatformEvent::Kind::kMouseUp;
            event.button = buttons_;
            buttons_ = 0;
            queued_.push_back(lost);
          } else {
            event = lost;
          }
          pressedOnWindow_ = 0;
          return true;
        }
        continue;
      case SDL_RENDER_TARGETS_RESET:
      case SDL_RENDER_DEVICE_RESET:
        frameLost_ = true;
        continue;
      default:
        if (e.type == gMusicEventType.load() && e.type != 0) {
          event.kind = PlatformEvent::Kind::kMusicEnded;
          event.musicEnd = static_cast<MusicEnd>(e.user.code);
          return true;
        }
        continue;
    }
  }
  return false;
}

void SdlPlatform::ReadKeyboard(KeySnapshot& keys) {
  keys.fill(0);
  int count = 0;
  const Uint8* state = SDL_GetKeyboardState(&count);
  for (int sc = 0; sc < count; ++sc) {
    if (state[sc] == 0) continue;
    const std::uint8_t vk = VirtualKeyOfScancode(sc);
    if (vk != 0) keys[vk] = 0x80;
  }
}

MouseMotion SdlPlatform::ReadMouse() {
  MouseMotion m = motion_;
  m.buttons = buttons_;
  motion_ = {};
  return m;
}

int SdlPlatform::JoystickCount() {
  if (SDL_WasInit(SDL_INIT_JOYSTICK) == 0) return 0;
  return std::max(SDL_NumJoysticks(), 0);
}

bool SdlPlatform::ReadJoystick(int id, JoystickReading& reading) {
  if (id < 0 || id >= JoystickCount()) return false;
  if (joystick_ == nullptr || joystickIndex_ != id) {
    if (joystick_ != nullptr) SDL_JoystickClose(joystick_);
    joystick_ = SDL_JoystickOpen(id);
    joystickIndex_ = joystick_ != nullptr ? id : -1;
    if (joystick_ == nullptr) return false;
  }
  SDL_JoystickUpdate();
  const int axes = SDL_JoystickNumAxes(joystick_);
  reading.x = axes > 0 ? SDL_JoystickGetAxis(joystick_, 0) : 0;
  reading.y = axes > 1 ? SDL_JoystickGetAxis(joystick_, 1) : 0;
  reading.z = axes > 2 ? SDL_JoystickGetAxis(joystick_, 2) : 0;
  reading.buttons = 0;
  const int buttons = std::min(SDL_JoystickNumButtons(joystick_), 32);
  for (int b = 0; b < buttons; ++b) {
    if (SDL_JoystickGetButton(joystick_, b) != 0) reading.buttons |= 1u << b;
  }
  return true;
}

bool SdlPlatform::OpenSoundDevice() {
  if (soundTried_) return mixerOpen_ || device_ != 0;
  soundTried_ = true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    LogLine(std::string("no sound device, the game is silent: ") + SDL_GetError());
    return false;
  }
  // The soundfont must be named before the device opens; the built-in synthesiser takes the
  // freepats set instead.
  if (const char* font = FirstExisting({"/usr/share/sounds/sf2/TimGM6mb.sf2",
                                        "/usr/share/sounds/sf2/default-GM.sf2",
                                        "/usr/share/sounds/sf3/default-GM.sf3"})) {
    Mix_SetSoundFonts(font);
  }
  if (const char* cfg = FirstExisting({"/etc/timidity/freepats.cfg"})) Mix_SetTimidityCfg(cfg);
  const bool midiLoaded = (Mix_Init(MIX_INIT_MID) & MIX_INIT_MID) != 0;
  if (Mix_OpenAudioDevice(kOutputRate, AUDIO_S16SYS, 2, 1024, nullptr, 0) == 0) {
    mixerOpen_ = true;
    Mix_HookMusicFinished(OnMusicFinished);
    Mix_SetPostMix(PostMix, this);
    // The MIDI libraries load even without a soundfont or patch set; only a synthesiser that
    // opened with the device offers a MIDI decoder. Without one, music stays off for the run
    // instead of failing at every track.
    musicAvailable_ = midiLoaded && Mix_HasMusicDecoder("MIDI") == SDL_TRUE;
    if (!musicAvailable_) LogLine("no MIDI synthesiser, music is silent");
    return true;
  }
  // Without SDL2_mixer's device our mixer alone may still be heard; one line tells which.
  const std::string musicError = Mix_GetError();
  musicAvailable_ = false;
  SDL_AudioSpec want{};
  want.freq = kOutputRate;
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  want.samples = 1024;
  want.callback = DeviceCallback;
  want.userdata = this;
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
  if (device_ == 0) {
    LogLine(std::string("no sound device, the game is silent: ") + SDL_GetError());
    return false;
  }
  LogLine("no music device, music is silent: " + musicError);
  SDL_PauseAudioDevice(device_, 0);
  return true;
}

void SdlPlatform::MixSource(std::int16_t* out, int frames) {
  std::lock_guard lock(sourceMutex_);
  if (source_ == nullptr) {
    std::memset(out, 0, static_cast<std::size_t>(frames) * 4);
    return;
  }
  source_->Mix(out, frames);
}

void SDLCALL SdlPlatform::DeviceCallback(void* self, Uint8* stream, int len) {
  static_cast<SdlPlatform*>(self)->MixSource(reinterpret_cast<std::int16_t*>(stream), len / 4);
}

void SDLCALL SdlPlatform::PostMix(void* self, Uint8* stream, int len) {
  auto* p = static_cast<SdlPlatform*>(self);
  const int frames = len / 4;
  p->mixScratch_.resize(static_cast<std::size_t>(frames) * 2);
  p->MixSource(p->mixScratch_.data(), frames);
  auto* out = reinterpret_cast<std::int16_t*>(stream);
  for (int i = 0; i < frames * 2; ++i) {
    const int sum = out[i] + p->mixScratch_[static_cast<std::size_t>(i)];
    out[i] = static_cast<std::int16_t>(std::clamp(sum, -32768, 32767));
  }
}

bool SdlPlatform::StartAudio(AudioSource* source) {
  if (!OpenSoundDevice()) return false;
  std::lock_guard lock(sourceMutex_);
  source_ = source;
  return true;
}

void SdlPlatform::StopAudio() {
  std::lock_guard lock(sourceMutex_);
  source_ = nullptr;
}

void SdlPlatform::HaltMusic(MusicEnd cause) {
  if (Mix_PlayingMusic() != 0) {
    // The hook fires inside the halt and reports the end with our cause.
    gMusicEndCause = cause;
    Mix_HaltMusic();
    gMusicEndCause = MusicEnd::kSuccessful;
  }
}

bool SdlPlatform::PlayMusic(const std::filesystem::path& file) {
  if (!OpenSoundDevice() || !mixerOpen_ || !musicAvailable_) return false;
  HaltMusic(MusicEnd::kSuperseded);
  if (music_ != nullptr) Mix_FreeMusic(music_);
  music_ = Mix_LoadMUS(file.c_str());
  if (music_ == nullptr) {
    LogLine("cannot play " + file.string() + ": " + Mix_GetError());
    return false;
  }
  if (Mix_PlayMusic(music_, 0) != 0) {
    LogLine("cannot play " + file.string() + ": " + Mix_GetError());
    return false;
  }
  return true;
}

void SdlPlatform::StopMusic() {
  if (mixerOpen_) HaltMusic(MusicEnd::kAborted);
}

}  // namespace

std::unique_ptr<Platform> MakeSdlPlatform() {
  auto p = std::make_unique<SdlPlatform>();
  if (!p->Start()) return nullptr;
  return p;
}

}  // namespace gm
