// The error box's window and its wait.
#include "platform/sdl/sdl_message_box.hpp"

#include <algorithm>
#include <string>

#include "platform/log.hpp"
#include "platform/sdl/sdl_signals.hpp"
#include "platform/sdl/sdl_window.hpp"

namespace gm {

namespace {

// How often the wait looks for a termination signal, which wakes nothing by itself.
constexpr int kSignalCheckMs = 50;

bool ClosingKey(SDL_Keycode key) {
  return key == SDLK_RETURN || key == SDLK_KP_ENTER || key == SDLK_SPACE || key == SDLK_ESCAPE;
}

}  // namespace

SdlMessageBox::SdlMessageBox(SDL_Window* over, std::string_view title, std::string_view message) {
  const int display = over != nullptr ? std::max(SDL_GetWindowDisplayIndex(over), 0) : 0;
  // The box stands whole in what panels leave of the display.
  SDL_Rect area{0, 0, 800, 600};
  if (SDL_GetDisplayUsableBounds(display, &area) != 0) SDL_GetDisplayBounds(display, &area);
  picture_ = LayOutMessage(title, message, area.w, area.h);
  // No border: the caption is the box's own, alike with a window manager and without one.
  const Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_HIDDEN;
  window_ = SDL_CreateWindow(picture_.title.c_str(), area.x + (area.w - picture_.width) / 2,
                             area.y + (area.h - picture_.height) / 2, picture_.width,
                             picture_.height, flags);
  pixels_ = SDL_CreateRGBSurfaceWithFormat(0, picture_.width, picture_.height, 32,
                                           SDL_PIXELFORMAT_RGB888);
  if (window_ == nullptr || pixels_ == nullptr) {
    LogLine(std::string("cannot show a message box: ") + SDL_GetError());
    if (window_ != nullptr) SDL_DestroyWindow(window_);
    window_ = nullptr;
    return;
  }
  if (over != nullptr) SDL_SetWindowModalFor(window_, over);
  // The game hides the system's pointer over its own windows; the box needs it.
  cursorShown_ = SDL_ShowCursor(SDL_QUERY);
  SDL_ShowCursor(SDL_ENABLE);
  // A key or button pressed before the box appears closes nothing, queued or still held: the
  // player has not seen it yet.
  SDL_PumpEvents();
  SDL_FlushEvent(SDL_KEYDOWN);
  SDL_FlushEvent(SDL_MOUSEBUTTONDOWN);
  int keyCount = 0;
  const Uint8* keys = SDL_GetKeyboardState(&keyCount);
  for (int key = 0; key < std::min<int>(keyCount, SDL_NUM_SCANCODES); ++key)
    held_[key] = keys[key] != 0;
  SDL_ShowWindow(window_);
  Present();
  // Raised for a window manager, and the focus set directly where there is none to give it.
  SDL_RaiseWindow(window_);
  SDL_SetWindowInputFocus(window_);
}

SdlMessageBox::~SdlMessageBox() {
  if (window_ != nullptr) {
    SDL_DestroyWindow(window_);
    SDL_ShowCursor(cursorShown_);
  }
  if (pixels_ != nullptr) SDL_FreeSurface(pixels_);
}

void SdlMessageBox::Present() {
  DrawMessage(picture_, pressed_, *pixels_);
  SDL_Surface* screen = SDL_GetWindowSurface(window_);
  if (screen == nullptr || SDL_BlitSurface(pixels_, nullptr, screen, nullptr) != 0 ||
      SDL_UpdateWindowSurface(window_) != 0) {
    LogLine(std::string("cannot draw the message box: ") + SDL_GetError());
  }
}

bool SdlMessageBox::Held(SDL_Scancode key) const {
  return key >= 0 && key < SDL_NUM_SCANCODES && held_.test(key);
}

bool SdlMessageBox::OnOk(int x, int y) const {
  const SDL_Point p{x, y};
  return SDL_PointInRect(&p, &picture_.ok);
}

MessageBoxEnd SdlMessageBox::Handle(const SDL_Event& e) {
  const Uint32 id = SDL_GetWindowID(window_);
  switch (e.type) {
    case SDL_QUIT:
      return MessageBoxEnd::kTerminated;
    case SDL_KEYDOWN:
      // Only a fresh press: no repeat, no key held since before the box appeared.
      if (e.key.repeat == 0 && !Held(e.key.keysym.scancode) && ClosingKey(e.key.keysym.sym)) {
        return MessageBoxEnd::kClosed;
      }
      break;
    case SDL_KEYUP:
      // Let go over the box: SDL lets every key go from the game's window as it loses the focus,
      // and presses again what is still down as the box gains it.
      if (e.key.windowID == id && Held(e.key.keysym.scancode)) held_.reset(e.key.keysym.scancode);
      break;
    case SDL_MOUSEBUTTONDOWN:
      if (e.button.button == SDL_BUTTON_LEFT && e.button.windowID == id &&
          OnOk(e.button.x, e.button.y)) {
        pressed_ = true;
        Present();
      }
      break;
    case SDL_MOUSEBUTTONUP:
      if (e.button.button == SDL_BUTTON_LEFT && pressed_) {
        pressed_ = false;
        Present();
        if (e.button.windowID == id && OnOk(e.button.x, e.button.y)) return MessageBoxEnd::kClosed;
      }
      break;
    case SDL_WINDOWEVENT:
      if (e.window.event == SDL_WINDOWEVENT_CLOSE) return MessageBoxEnd::kClosed;
      if (e.window.windowID == id && e.window.event == SDL_WINDOWEVENT_EXPOSED) Present();
      break;
    default:
      break;
  }
  return MessageBoxEnd::kOpen;
}

MessageBoxEnd SdlMessageBox::Run() {
  for (;;) {
    if (TakeTerminationSignal()) return MessageBoxEnd::kTerminated;
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, kSignalCheckMs) == 0) continue;
    const MessageBoxEnd end = Handle(e);
    if (end != MessageBoxEnd::kOpen) return end;
  }
}

void ShowMessageBox(SDL_Window* over, std::string_view title, std::string_view message) {
  if (DrawsNowhere(SDL_GetCurrentVideoDriver())) return;
  SdlMessageBox box(over, title, message);
  if (box.Shown()) (void)box.Run();
}

}  // namespace gm
