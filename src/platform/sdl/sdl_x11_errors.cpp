// Xlib's error handler, where the backend is built with Xlib.
#include "platform/sdl/sdl_x11_errors.hpp"

#if GM_HAVE_X11
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#endif

namespace gm {

#if GM_HAVE_X11

namespace {

XErrorHandler previous = nullptr;
bool installed = false;

int OnX11Error(Display* display, XErrorEvent* error) {
  // A wakeup sent to a window closed meanwhile: it had nothing left to wake.
  if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
  return previous != nullptr ? previous(display, error) : 0;
}

}  // namespace

void ForgiveLateWakeups() {
  if (installed) return;
  previous = XSetErrorHandler(OnX11Error);
  installed = true;
}

void RestoreX11ErrorHandler() {
  if (!installed) return;
  XSetErrorHandler(previous);
  installed = false;
}

#else

void ForgiveLateWakeups() {}
void RestoreX11ErrorHandler() {}

#endif

}  // namespace gm
