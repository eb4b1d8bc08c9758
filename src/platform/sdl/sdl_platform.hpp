// The desktop platform on SDL2 and SDL2_mixer. Only this folder includes SDL; the rest of the
// program sees the Platform interface.
#pragma once

#include <memory>

#include "platform/platform.hpp"

namespace gm {

// Initialises SDL's event handling; the window opens with OpenWindow and the sound device with
// StartAudio or the first PlayMusic. Answers null (after logging why) when SDL cannot start.
std::unique_ptr<Platform> MakeSdlPlatform();

}  // namespace gm
