// The program's log: one line per event worth telling (no sound device, a failed present ...).
// Lines go to standard error unless a test has installed a sink to collect them.
#pragma once

#include <functional>
#include <string_view>

namespace gm {

void LogLine(std::string_view line);

// Replaces where log lines go; an empty function restores standard error.
void SetLogSink(std::function<void(std::string_view)> sink);

}  // namespace gm
