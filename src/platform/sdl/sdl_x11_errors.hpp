// On X11, the one error SDL's event wait may leave behind as the game ends, forgiven.
//
// A thread that waits for events is woken by a message SDL sends to a window over a display
// connection of its own. When an event arrives during the wait, that message may still be on
// its way as the game closes the window right after; the X server then answers it with
// BadWindow, which Xlib's own handler reports as a fatal error when SDL closes that connection,
// ending a game that had left cleanly with status 1. That error alone is ignored; every other
// goes on to the handler before.
#pragma once

namespace gm {

// Before SDL starts, so that SDL's own handler passes errors on to this one.
void ForgiveLateWakeups();
void RestoreX11ErrorHandler();

}  // namespace gm
