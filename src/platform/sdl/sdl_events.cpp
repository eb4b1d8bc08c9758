// Translating SDL's event queue for the game.
#include "platform/sdl/sdl_events.hpp"

#include "platform/sdl/sdl_music.hpp"
#include "platform/sdl/sdl_signals.hpp"

namespace gm {

namespace {

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

}  // namespace

void SdlEvents::Wait(int timeoutMs) {
  if (!queued_.empty() || TerminationSignalPending() || timeoutMs <= 0) return;
  SDL_WaitEventTimeout(nullptr, timeoutMs);
}

bool SdlEvents::Poll(PlatformEvent& event) {
  if (TakeTerminationSignal()) {
    event = PlatformEvent{};
    event.kind = PlatformEvent::Kind::kTerminate;
    return true;
  }
  if (!queued_.empty()) {
    event = queued_.front();
    queued_.pop_front();
    return true;
  }
  SDL_Event e;
  while (SDL_PollEvent(&e) != 0) {
    event = PlatformEvent{};
    if (Translate(e, event)) return true;
  }
  return false;
}

bool SdlEvents::Translate(const SDL_Event& e, PlatformEvent& event) {
  switch (e.type) {
    case SDL_QUIT:
      // Only a request to end the program: the last window's close is a close request alone.
      event.kind = PlatformEvent::Kind::kTerminate;
      return true;
    case SDL_MOUSEMOTION:
      MouseMove(e.motion, event);
      return true;
    case SDL_MOUSEWHEEL:
      motion_.wheel += e.wheel.y;
      return false;
    case SDL_MOUSEBUTTONDOWN:
      MouseDown(e.button, event);
      return true;
    case SDL_MOUSEBUTTONUP:
      MouseUp(e.button, event);
      return true;
    case SDL_WINDOWEVENT:
      return WindowEvent(e.window, event);
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
      window_.MarkLost();
      return false;
    default:
      return MusicEndEvent(e, event);
  }
}

void SdlEvents::MouseMove(const SDL_MouseMotionEvent& m, PlatformEvent& event) {
  motion_.dx += m.xrel;
  motion_.dy += m.yrel;
  event.kind = PlatformEvent::Kind::kMouseMove;
  window_.ToFrame(m.x, m.y, event.x, event.y);
  event.buttons = buttons_;
}

void SdlEvents::MouseDown(const SDL_MouseButtonEvent& b, PlatformEvent& event) {
  // Other buttons than the three are reported too, as a press of no known button.
  const std::uint8_t bit = ButtonBit(b.button);
  buttons_ |= bit;
  pressedOnWindow_ |= bit;
  event.kind = PlatformEvent::Kind::kMouseDown;
  window_.ToFrame(b.x, b.y, event.x, event.y);
  event.button = bit;
  event.buttons = buttons_;
}

void SdlEvents::MouseUp(const SDL_MouseButtonEvent& b, PlatformEvent& event) {
  const std::uint8_t bit = ButtonBit(b.button);
  buttons_ &= static_cast<std::uint8_t>(~bit);
  event.kind = PlatformEvent::Kind::kMouseUp;
  window_.ToFrame(b.x, b.y, event.x, event.y);
  event.button = bit;
  event.buttons = buttons_;
  // A completed left click (pressed and released over the window) follows its release, as its
  // own event.
  if (bit == kMouseLeft && (pressedOnWindow_ & kMouseLeft) && window_.Inside(b.x, b.y)) {
    PlatformEvent click = event;
    click.kind = PlatformEvent::Kind::kClick;
    queued_.push_back(click);
  }
  pressedOnWindow_ &= static_cast<std::uint8_t>(~bit);
}

bool SdlEvents::WindowEvent(const SDL_WindowEvent& w, PlatformEvent& event) {
  switch (w.event) {
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED:
      window_.MustPresent();
      return false;
    case SDL_WINDOWEVENT_CLOSE:
      event.kind = PlatformEvent::Kind::kCloseRequest;
      return true;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      focus_ = true;
      event.kind = PlatformEvent::Kind::kFocusGained;
      return true;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      FocusLost(event);
      return true;
    default:
      return false;
  }
}

void SdlEvents::FocusLost(PlatformEvent& event) {
  focus_ = false;
  PlatformEvent lost;
  lost.kind = PlatformEvent::Kind::kFocusLost;
  if (buttons_ != 0) {
    // Buttons held as the focus goes are released for the game, which would otherwise keep
    // them down.
    event.kind = PlatformEvent::Kind::kMouseUp;
    event.button = buttons_;
    buttons_ = 0;
    queued_.push_back(lost);
  } else {
    event = lost;
  }
  pressedOnWindow_ = 0;
}

MouseMotion SdlEvents::ReadMouse() {
  MouseMotion m = motion_;
  m.buttons = buttons_;
  motion_ = {};
  return m;
}

}  // namespace gm
