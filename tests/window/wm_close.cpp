// What a window manager's close button does, for the real window test on a display that has no
// window manager: asks window WINDOW (a number, as xdotool prints it) to close by the
// WM_DELETE_WINDOW message of its WM_PROTOCOLS. A window that does not take that message would be
// destroyed by a window manager instead; that is reported and nothing is sent.
//
//   wm_close WINDOW      status 0 sent, 1 not (the reason on standard error)
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: wm_close WINDOW\n", stderr);
    return 1;
  }
  char* end = nullptr;
  const Window window = std::strtoul(argv[1], &end, 0);
  if (end == argv[1] || *end != '\0') {
    std::fprintf(stderr, "wm_close: %s is no window number\n", argv[1]);
    return 1;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fputs("wm_close: cannot open the display\n", stderr);
    return 1;
  }
  const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
  const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
  Atom* taken = nullptr;
  int count = 0;
  bool takesDelete = false;
  if (XGetWMProtocols(display, window, &taken, &count) != 0) {
    for (int i = 0; i < count; ++i) takesDelete = takesDelete || taken[i] == deleteWindow;
    XFree(taken);
  }
  if (!takesDelete) {
    std::fprintf(stderr, "wm_close: window %s does not take WM_DELETE_WINDOW\n", argv[1]);
    XCloseDisplay(display);
    return 1;
  }
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = protocols;
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(deleteWindow);
  event.xclient.data.l[1] = CurrentTime;
  const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
  XSync(display, False);
  XCloseDisplay(display);
  if (sent == 0) {
    std::fputs("wm_close: the message could not be sent\n", stderr);
    return 1;
  }
  return 0;
}
